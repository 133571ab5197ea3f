// Whole hands: nonsense records replayed without harm, plausible records keeping every card in
// one place, the same hand with and without a timeline, and a replay cloned half-way.
#include "RecordMaker.h"

#include "records/AppConfig.h"
#include "replay/Headless.h"

#include <QTest>

namespace {

// Every card lies in one place, the location sets agree with it, and the piles, the hands and the
// deck hold only cards that are where they say.
QString brokenInvariant(const HandState& s) {
    for (int c = 0; c < CardCount; ++c) {
        const int place = s.Cards[size_t(c)].Place;
        const int where = Replay::whereIndex(place);
        for (int i = 0; i < 5; ++i)
            if (bool(s.Where[size_t(i)] >> c & 1) != (i == where)) return QStringLiteral("location set of card %1").arg(c);
    }
    for (int p = 0; p < 2; ++p) {
        const PlayerBoard& b = s.Boards[size_t(p)];
        for (int k = 1; k <= 4; ++k) {
            const int n = b.CapturedCount[size_t(k)];
            if (n < 0 || n > PileRows) return QStringLiteral("pile count");
            for (int r = 0; r < PileRows; ++r) {
                const int c = b.Captured[size_t(r)][size_t(k)];
                if (r >= n) {
                    if (c != -1) return QStringLiteral("pile not packed");
                    continue;
                }
                if (c < 0 || c >= CardCount) return QStringLiteral("pile entry %1").arg(c);
                if (s.Cards[size_t(c)].Place != CapturedBase + p) return QStringLiteral("card %1 filed but not won").arg(c);
            }
        }
        for (int16_t c : b.Hand)
            if (c < -1 || c >= CardCount) return QStringLiteral("hand entry %1").arg(c);
    }
    if (s.Round.DeckTop < 0 || s.Round.DeckTop > s.Round.DeckEnd || s.Round.DeckEnd > CardCount) return QStringLiteral("deck");
    for (int i = s.Round.DeckTop; i < s.Round.DeckEnd; ++i) {
        const int c = s.Round.Deck[size_t(i)];
        if (c < 0 || c >= CardCount || s.Cards[size_t(c)].Place != InDeck) return QStringLiteral("deck card %1").arg(c);
    }
    if (s.MoveIndex < 0 || s.MoveIndex > int(s.MoveList.size())) return QStringLiteral("move index");
    return QString();
}

// Two states that must be alike in everything the board and the result show.
QString difference(const HandState& a, const HandState& b) {
    for (int c = 0; c < CardCount; ++c) {
        const CardState &x = a.Cards[size_t(c)], &y = b.Cards[size_t(c)];
        if (x.Place != y.Place || x.Slot != y.Slot || x.StackIndex != y.StackIndex || x.Triple != y.Triple || x.Kind != y.Kind)
            return QStringLiteral("card %1").arg(c);
        if (x.X != y.X || x.Y != y.Y) return QStringLiteral("position of card %1").arg(c);
        const CardPicture &p = a.View.Pictures[size_t(c)], &q = b.View.Pictures[size_t(c)];
        if (p.Visible != q.Visible || p.Face != q.Face || p.W != q.W || p.Tag != q.Tag || p.PpeokMark != q.PpeokMark)
            return QStringLiteral("picture of card %1").arg(c);
    }
    for (int p = 0; p < 2; ++p) {
        const PlayerState &x = a.Players[size_t(p)], &y = b.Players[size_t(p)];
        if (x.Score != y.Score || x.GoCount != y.GoCount || x.MoveCount != y.MoveCount || x.Money != y.Money || x.Wins != y.Wins ||
            x.PpeokCount != y.PpeokCount || x.ShakeCount != y.ShakeCount || x.CardCount != y.CardCount)
            return QStringLiteral("player %1").arg(p);
        if (a.Boards[size_t(p)].Captured != b.Boards[size_t(p)].Captured || a.Boards[size_t(p)].Hand != b.Boards[size_t(p)].Hand)
            return QStringLiteral("board of player %1").arg(p);
        const PlayerLabels &l = a.View.Labels[size_t(p)], &m = b.View.Labels[size_t(p)];
        if (l.Points != m.Points || l.PiValue != m.PiValue || l.PiVisible != m.PiVisible || l.PiX != m.PiX || l.Go != m.Go)
            return QStringLiteral("labels of player %1").arg(p);
    }
    for (int i = 0; i < SlotCount; ++i)
        if (a.TableSlots[size_t(i)].Used != b.TableSlots[size_t(i)].Used) return QStringLiteral("slot %1").arg(i);
    if (a.End != b.End || a.Points != b.Points || a.MoneyBooked != b.MoneyBooked || a.MoveIndex != b.MoveIndex)
        return QStringLiteral("settlement");
    if (ResultBodyText(a) != ResultBodyText(b) || ResultTitleText(a) != ResultTitleText(b)) return QStringLiteral("result texts");
    if (a.View.BombTag != b.View.BombTag) return QStringLiteral("bomb cards");
    return QString();
}

QString deal(const QList<int>& cards) {
    QString out;
    for (int c : cards) out += QString::number(c) + QLatin1Char('^');
    return out;
}

QString orderedDeal(int n) {
    QList<int> cards;
    for (int c = 0; c < n; ++c) cards.append(c);
    return deal(cards);
}

} // namespace

class TstReplay : public QObject {
    Q_OBJECT
private slots:
    void nonsense_data();
    void nonsense();
    void plausibleHands();
    void timelineChangesNothing();
    void cloneGoesOnAlike();
};

void TstReplay::nonsense_data() {
    QTest::addColumn<QString>("whatoo");
    QTest::addColumn<QString>("runs");
    QTest::addColumn<QString>("players");

    const QString good = orderedDeal(48);
    QTest::newRow("card numbers out of range") << QStringLiteral("99^-5^abc^53^") + good << "PS*0*99*^PS*1*-5*^PS*0*18*^^" << "";
    QTest::newRow("a card twice in the deal") << QStringLiteral("0^0^0^1^") + good << "PS*0*18*^PS*1*8*^^" << "";
    QTest::newRow("deal too short") << orderedDeal(10) << "PS*0*1*^PS*1*9*^PS*0*2*^^" << "";
    QTest::newRow("no deal") << "" << "PS*0*1*^^" << "";
    QTest::newRow("deal too long") << good + good + good << "PS*0*18*^PS*1*8*^^" << "";
    QTest::newRow("moves by the wrong player") << good << "PS*1*18*^PS*0*8*^PS*7*9*^PS**19*^^" << "";
    QTest::newRow("empty deck") << orderedDeal(28) << "PS*0*18*^PS*1*8*^PS*0*19*^PS*1*9*^BC*0*0*^^" << "";
    QTest::newRow("unknown codes and items") << good << "XX*0*1*^PS*0*^PS*0*18*CH*x*CB*99*GU*-4*GO*^**^***^^" << "";
    QTest::newRow("huge numbers") << good << "PS*0*99999999999999*^BC*0*2147483647*^PS*0*18*CH*-32769*^^" << "";
    QTest::newRow("bomb card index out of range") << good << "BC*0*6*^BC*1*-1*^BC*0*5*^^" << "";
    QTest::newRow("bonus card code on a plain card") << good << "SP*0*18*^SP*1*52*^^" << "";
    QTest::newRow("bonus cards everywhere") << QStringLiteral("48^49^50^51^52^") + good << "SP*1*52*^PS*0*18*^SP*0*48*^^" << "";
    QTest::newRow("choices naming cards elsewhere") << good << "PS*0*18*CH*8*CB*30*^PS*1*8*CH*40*CB*19*^^" << "";
    QTest::newRow("player lines of nothing") << good << "PS*0*18*^^" << "^^";
    QTest::newRow("no end of stream") << good << "PS*0*18*^PS*1*8*" << "";
    QTest::newRow("the same card played again and again") << good << "PS*0*18*^PS*0*18*^PS*0*18*^PS*0*18*^^" << "";
}

void TstReplay::nonsense() {
    QFETCH(QString, whatoo);
    QFETCH(QString, runs);
    QFETCH(QString, players);
    GameRecord rec;
    rec.whatoo = whatoo;
    rec.runs = runs;
    rec.options = QStringLiteral("MI*99^JD*x^ED*^");
    rec.P1 = players.isEmpty() ? QStringLiteral("a^b^M^1^1^1^1^") : players;
    rec.P2 = players;
    for (bool withTimeline : {false, true}) {
        Replay r;
        Timeline t;
        if (withTimeline) r.timeline = &t;
        std::vector<uint8_t> sounds;
        ReplayWholeHand(r, rec, &sounds);
        const QString broken = brokenInvariant(r.s);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        for (uint8_t s : sounds) QVERIFY(s < SoundSlotCount);
        for (const Action& a : t.actions) QVERIFY(!DescribeAction(a).isEmpty());
    }
}

void TstReplay::plausibleHands() {
    QRandomGenerator rng(20240501);
    int settled = 0;
    for (int i = 0; i < 300; ++i) {
        const GameRecord rec = MakeRandomRecord(rng);
        Replay r;
        ReplayWholeHand(r, rec);
        const QString broken = brokenInvariant(r.s);
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("record %1: %2").arg(i).arg(broken)));
        // Nothing gets lost: every dealt card is in a hand, on the table, won or still in the deck.
        int placed = 0;
        for (int c = 0; c < r.s.Round.CardTotal; ++c) placed += r.s.Cards[size_t(c)].Place != InDeck;
        QCOMPARE(placed + (r.s.Round.DeckEnd - r.s.Round.DeckTop), r.s.Round.CardTotal);
        // Money moves from the loser to the winner and nowhere else.
        if (r.s.End != Ending::Unfinished) ++settled;
        const double before = SplitPlayerLine(rec.P1)[3].toDouble() + SplitPlayerLine(rec.P2)[3].toDouble();
        QCOMPARE(r.s.Players[0].Money + r.s.Players[1].Money, before);
    }
    QVERIFY(settled > 200);
}

void TstReplay::timelineChangesNothing() {
    QRandomGenerator rng(7);
    for (int i = 0; i < 100; ++i) {
        const GameRecord rec = MakeRandomRecord(rng);
        Replay plain, drawn;
        Timeline t;
        drawn.timeline = &t;
        std::vector<uint8_t> a, b;
        ReplayWholeHand(plain, rec, &a);
        ReplayWholeHand(drawn, rec, &b);
        const QString diff = difference(plain.s, drawn.s);
        QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("record %1: %2").arg(i).arg(diff)));
        QVERIFY(a == b);
        // The timeline holds every sound that was played, in the same order.
        std::vector<uint8_t> fromTimeline;
        for (const Action& x : t.actions)
            if (x.kind == Act::Sound) fromTimeline.push_back(uint8_t(x.index));
        QVERIFY(fromTimeline.size() >= b.size());
        QVERIFY(std::equal(b.begin(), b.end(), fromTimeline.end() - qsizetype(b.size())));
    }
}

void TstReplay::cloneGoesOnAlike() {
    QRandomGenerator rng(99);
    for (int i = 0; i < 50; ++i) {
        const GameRecord rec = MakeRandomRecord(rng);
        Replay r;
        r.PrepareReplay(rec);
        r.game_START(rec);
        const int half = int(r.s.MoveList.size()) / 2;
        for (int m = 0; m < half; ++m) r.ReplayStep();
        const HandState atHalf = r.s;
        Replay clone(r.s);
        while (r.ReplayStep()) {
        }
        while (clone.ReplayStep()) {
        }
        const QString diff = difference(r.s, clone.s);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        // Seeking: the first moves again from the start, without a timeline, give the state that
        // stepping there with one gave.
        Replay seek;
        seek.PrepareReplay(rec);
        seek.game_START(rec);
        Timeline t;
        seek.timeline = &t;
        for (int m = 0; m < half; ++m) seek.ReplayStep();
        QVERIFY(difference(seek.s, atHalf).isEmpty());
    }
}

QTEST_APPLESS_MAIN(TstReplay)
#include "tst_replay.moc"
