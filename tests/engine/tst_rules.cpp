// The card rules of one turn: what a played and a flipped card take, the pi taken from the
// opponent, the reading of a move's items, and the table queries the rules ask.
#include "Scene.h"

#include <QTest>

using Cards = QList<int>;

namespace {

// The opponent's won pi in every outcome row: three single pi and one double.
const Cards OpponentPi = {26, 27, 30, 47};

Cards sorted(Cards c) {
    std::sort(c.begin(), c.end());
    return c;
}

} // namespace

class TstRules : public QObject {
    Q_OBJECT
private slots:
    void outcome_data();
    void outcome();
    void ppeokMakesAPile();
    void bombLeavesBombCards();
    void bonusCardOfAPpeokWaitsForThePile();
    void femaleMoverIsNeverCountedAloud();
    void takePi_data();
    void takePi();
    void decoding_data();
    void decoding();
    void tableQueries();
    void layoutMarksTriples_data();
    void layoutMarksTriples();
    void resyncPutsLeftoverCardBack();
    void prepareReplay_data();
    void prepareReplay();
    void recordNeverInheritsRules();
    void dealDistribution_data();
    void dealDistribution();
    void bonusCardDealtToTheTable();
    void movesOnlyFromOwnHand();
    void shakeThenLay();
    void secondPlayersDealtTripleBombs();
    void menuButtons();
};

// Player 0 plays (a card, or a bomb card); the opponent holds OpponentPi. The expected cards are
// everything player 0 holds afterwards, the opponent's pi he took included.
void TstRules::outcome_data() {
    QTest::addColumn<Cards>("table");
    QTest::addColumn<Cards>("hand");
    QTest::addColumn<Cards>("deck");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("movesBefore");
    QTest::addColumn<Cards>("otherOwnsMonths"); // ppeok piles made by player 1
    QTest::addColumn<Cards>("captured");

    // 36 stays on the table in most rows so that nothing sweeps it empty.
    // No bomb: a = table cards the played card matched, f = the flipped card's.
    QTest::newRow("a0 f0: nothing taken") << Cards{36} << Cards{0} << Cards{4} << "PS*0*0*" << 0 << Cards{} << Cards{};
    QTest::newRow("a0 f1 bomb card") << Cards{36, 4} << Cards{} << Cards{5} << "BC*0*0*" << 0 << Cards{} << Cards{4, 5};
    QTest::newRow("a0 f1 bomb card, sweep") << Cards{4} << Cards{} << Cards{5} << "BC*0*0*" << 0 << Cards{} << Cards{4, 5, 26};
    QTest::newRow("a0 f1 kiss") << Cards{36} << Cards{0} << Cards{1} << "PS*0*0*" << 0 << Cards{} << Cards{0, 1, 26};
    QTest::newRow("a0 f1 kiss, sweep") << Cards{} << Cards{0} << Cards{1} << "PS*0*0*" << 0 << Cards{} << Cards{0, 1, 47};
    QTest::newRow("a0 f1 kiss on the last turn") << Cards{36} << Cards{0} << Cards{1} << "PS*0*0*" << 9 << Cards{} << Cards{0, 1};
    QTest::newRow("a0 f1 other month") << Cards{36, 4} << Cards{0} << Cards{5} << "PS*0*0*" << 0 << Cards{} << Cards{4, 5};
    QTest::newRow("a0 f2") << Cards{36, 4, 5} << Cards{0} << Cards{6} << "PS*0*0*CB*5*" << 0 << Cards{} << Cards{5, 6};
    QTest::newRow("a0 f3 own pile") << Cards{36, 4, 5, 6} << Cards{0} << Cards{7} << "PS*0*0*" << 0 << Cards{} << Cards{4, 5, 6, 7, 47};
    QTest::newRow("a0 f3 other's pile") << Cards{36, 4, 5, 6} << Cards{0} << Cards{7} << "PS*0*0*" << 0 << Cards{2} << Cards{4, 5, 6, 7, 26};
    QTest::newRow("a0 f3 last turn") << Cards{36, 4, 5, 6} << Cards{0} << Cards{7} << "PS*0*0*" << 9 << Cards{} << Cards{4, 5, 6, 7};
    QTest::newRow("a1 f0") << Cards{36, 1} << Cards{0} << Cards{4} << "PS*0*0*" << 0 << Cards{} << Cards{0, 1};
    QTest::newRow("a2 f0") << Cards{36, 1, 2} << Cards{0} << Cards{4} << "PS*0*0*CH*2*" << 0 << Cards{} << Cards{0, 2};
    QTest::newRow("a1 f1") << Cards{36, 1, 4} << Cards{0} << Cards{5} << "PS*0*0*" << 0 << Cards{} << Cards{0, 1, 4, 5};
    QTest::newRow("a1 f1 sweep") << Cards{1, 4} << Cards{0} << Cards{5} << "PS*0*0*" << 0 << Cards{} << Cards{0, 1, 4, 5, 26};
    QTest::newRow("a1 f1 sweep on the last turn") << Cards{1, 4} << Cards{0} << Cards{5} << "PS*0*0*" << 9 << Cards{} << Cards{0, 1, 4, 5};
    QTest::newRow("a2 f1") << Cards{36, 1, 2, 4} << Cards{0} << Cards{5} << "PS*0*0*CH*2*" << 0 << Cards{} << Cards{0, 2, 4, 5};
    QTest::newRow("a1 f2 ppeok") << Cards{36, 1} << Cards{0} << Cards{2} << "PS*0*0*" << 0 << Cards{} << Cards{};
    QTest::newRow("a1 f2 same month, last turn") << Cards{36, 1} << Cards{0} << Cards{2} << "PS*0*0*CB*0*" << 9 << Cards{} << Cards{0, 1, 2};
    QTest::newRow("a1 f2 other month") << Cards{36, 1, 4, 5} << Cards{0} << Cards{6} << "PS*0*0*CB*4*" << 0 << Cards{} << Cards{0, 1, 4, 6};
    QTest::newRow("a1 f3 own pile") << Cards{36, 1, 4, 5, 6} << Cards{0} << Cards{7} << "PS*0*0*" << 0 << Cards{} << Cards{0, 1, 4, 5, 6, 7, 47};
    QTest::newRow("a1 f3 other's pile") << Cards{36, 1, 4, 5, 6} << Cards{0} << Cards{7} << "PS*0*0*" << 0 << Cards{2} << Cards{0, 1, 4, 5, 6, 7, 26};
    QTest::newRow("a1 f3 own pile, sweep") << Cards{1, 4, 5, 6} << Cards{0} << Cards{7} << "PS*0*0*" << 0 << Cards{} << Cards{0, 1, 4, 5, 6, 7, 26, 47};
    QTest::newRow("a1 f3 other's pile, sweep") << Cards{1, 4, 5, 6} << Cards{0} << Cards{7} << "PS*0*0*" << 0 << Cards{2} << Cards{0, 1, 4, 5, 6, 7, 47};
    QTest::newRow("a2 f2") << Cards{36, 1, 2, 4, 5} << Cards{0} << Cards{6} << "PS*0*0*CH*1*CB*5*" << 0 << Cards{} << Cards{0, 1, 5, 6};
    QTest::newRow("a2 f3 ttadak") << Cards{36, 1, 2} << Cards{0} << Cards{3} << "PS*0*0*CH*1*" << 0 << Cards{} << Cards{0, 1, 2, 3, 26};
    QTest::newRow("a2 f3 ttadak, sweep") << Cards{1, 2} << Cards{0} << Cards{3} << "PS*0*0*CH*1*" << 0 << Cards{} << Cards{0, 1, 2, 3, 47};
    QTest::newRow("a2 f3 ttadak, last turn") << Cards{36, 1, 2} << Cards{0} << Cards{3} << "PS*0*0*CH*1*" << 9 << Cards{} << Cards{0, 1, 2, 3};
    QTest::newRow("a2 f3 other month's pile") << Cards{36, 1, 2, 4, 5, 6} << Cards{0} << Cards{7} << "PS*0*0*CH*2*" << 0 << Cards{} << Cards{0, 2, 4, 5, 6, 7, 47};
    QTest::newRow("a3 f0 own pile") << Cards{36, 1, 2, 3} << Cards{0} << Cards{4} << "PS*0*0*" << 0 << Cards{} << Cards{0, 1, 2, 3, 47};
    QTest::newRow("a3 f0 other's pile") << Cards{36, 1, 2, 3} << Cards{0} << Cards{4} << "PS*0*0*" << 0 << Cards{1} << Cards{0, 1, 2, 3, 26};
    QTest::newRow("a3 f0 own pile, last turn") << Cards{36, 1, 2, 3} << Cards{0} << Cards{4} << "PS*0*0*" << 9 << Cards{} << Cards{0, 1, 2, 3};
    QTest::newRow("a3 f1") << Cards{36, 1, 2, 3, 4} << Cards{0} << Cards{5} << "PS*0*0*" << 0 << Cards{} << Cards{0, 1, 2, 3, 4, 5, 47};
    QTest::newRow("a3 f1 sweep") << Cards{1, 2, 3, 4} << Cards{0} << Cards{5} << "PS*0*0*" << 0 << Cards{} << Cards{0, 1, 2, 3, 4, 5, 26, 47};
    QTest::newRow("a3 f1 other's pile, sweep") << Cards{1, 2, 3, 4} << Cards{0} << Cards{5} << "PS*0*0*" << 0 << Cards{1} << Cards{0, 1, 2, 3, 4, 5, 47};
    QTest::newRow("a3 f2") << Cards{36, 1, 2, 3, 4, 5} << Cards{0} << Cards{6} << "PS*0*0*CB*4*" << 0 << Cards{} << Cards{0, 1, 2, 3, 4, 6, 47};
    QTest::newRow("a3 f3") << Cards{36, 1, 2, 3, 4, 5, 6} << Cards{0} << Cards{7} << "PS*0*0*" << 0 << Cards{} << Cards{0, 1, 2, 3, 4, 5, 6, 7, 47};
    QTest::newRow("a3 f3 sweep, both piles own") << Cards{1, 2, 3, 4, 5, 6} << Cards{0} << Cards{7} << "PS*0*0*" << 0 << Cards{} << Cards{0, 1, 2, 3, 4, 5, 6, 7, 26, 27, 30, 47};
    QTest::newRow("a3 f3 sweep, one pile own") << Cards{1, 2, 3, 4, 5, 6} << Cards{0} << Cards{7} << "PS*0*0*" << 0 << Cards{2} << Cards{0, 1, 2, 3, 4, 5, 6, 7, 26, 27, 47};
    QTest::newRow("a3 f3 sweep, neither pile own") << Cards{1, 2, 3, 4, 5, 6} << Cards{0} << Cards{7} << "PS*0*0*" << 0 << Cards{1, 2} << Cards{0, 1, 2, 3, 4, 5, 6, 7, 26, 47};

    // Bomb: 0, 1, 2 from the hand on 3.
    QTest::newRow("bomb f0") << Cards{36, 3} << Cards{0, 1, 2} << Cards{4} << "BO*0*0*1*2*" << 0 << Cards{} << Cards{0, 1, 2, 3, 26};
    QTest::newRow("bomb f0 last turn") << Cards{36, 3} << Cards{0, 1, 2} << Cards{4} << "BO*0*0*1*2*" << 9 << Cards{} << Cards{0, 1, 2, 3};
    QTest::newRow("bomb f1") << Cards{36, 3, 4} << Cards{0, 1, 2} << Cards{5} << "BO*0*0*1*2*" << 0 << Cards{} << Cards{0, 1, 2, 3, 4, 5, 26};
    QTest::newRow("bomb f1 sweep") << Cards{3, 4} << Cards{0, 1, 2} << Cards{5} << "BO*0*0*1*2*" << 0 << Cards{} << Cards{0, 1, 2, 3, 4, 5, 47};
    QTest::newRow("bomb f2") << Cards{36, 3, 4, 5} << Cards{0, 1, 2} << Cards{6} << "BO*0*0*1*2*CB*5*" << 0 << Cards{} << Cards{0, 1, 2, 3, 5, 6, 26};
    QTest::newRow("bomb f3") << Cards{36, 3, 4, 5, 6} << Cards{0, 1, 2} << Cards{7} << "BO*0*0*1*2*" << 0 << Cards{} << Cards{0, 1, 2, 3, 4, 5, 6, 7, 47};
    QTest::newRow("bomb f3 sweep") << Cards{3, 4, 5, 6} << Cards{0, 1, 2} << Cards{7} << "BO*0*0*1*2*" << 0 << Cards{} << Cards{0, 1, 2, 3, 4, 5, 6, 7, 26, 47};
    QTest::newRow("triple played as a card without a table mate") << Cards{36} << Cards{0, 1, 2} << Cards{4} << "PS*0*0*" << 0 << Cards{} << Cards{};
}

void TstRules::outcome() {
    QFETCH(Cards, table);
    QFETCH(Cards, hand);
    QFETCH(Cards, deck);
    QFETCH(QString, entry);
    QFETCH(int, movesBefore);
    QFETCH(Cards, otherOwnsMonths);
    QFETCH(Cards, captured);

    Scene sc;
    for (int c : table) sc.table({c});
    for (int c : hand) sc.hand(0, {c});
    sc.hand(1, {40});
    for (int m : otherOwnsMonths) sc.r.s.PpeokOwner[size_t(m)] = 1;
    sc.r.s.View.BombTag[0][0] = 0; // a bomb card left from an earlier bomb
    sc.r.s.View.BombTag[0][1] = 0;
    sc.pile(1, {26, 27, 30, 47}).movesMade(0, movesBefore).deck({deck[0], 44});
    sc.play(entry);

    QCOMPARE(sc.captured(0), captured);
    // Whatever the mover took of the opponent's pi left the opponent's pile.
    Cards stillOpponents;
    for (int c : OpponentPi)
        if (!captured.contains(c)) stillOpponents.append(c);
    QCOMPARE(sc.captured(1), stillOpponents);
    // Every card is in exactly one place and the piles agree with the places.
    for (int p = 0; p < 2; ++p) {
        int filed = 0;
        for (int k = 1; k <= 4; ++k) filed += sc.r.s.Boards[size_t(p)].CapturedCount[size_t(k)];
        QCOMPARE(filed, int(sc.captured(p).size()));
    }
    QCOMPARE(sc.r.s.Round.PpeokTaken, int16_t(0));
    QVERIFY(sc.r.s.View.ResultShown == false);
}

void TstRules::ppeokMakesAPile() {
    Scene sc;
    sc.table({36, 1}).hand(0, {0}).hand(1, {40}).deck({2, 44});
    sc.play(QStringLiteral("PS*0*0*"));
    QCOMPARE(sc.at(OnTable), (Cards{0, 1, 2, 36}));
    const PlayerState& p0 = sc.r.s.Players[0];
    QCOMPARE(p0.PpeokCount, int16_t(1));
    QCOMPARE(p0.FirstPpeok, int16_t(1));
    QCOMPARE(sc.r.s.PpeokOwner[1], int16_t(0));
    // The three cards form one pile, the flipped card on top with the ppeok marker.
    QCOMPARE(sc.r.s.Cards[0].StackIndex, int16_t(0));
    QCOMPARE(sc.r.s.Cards[1].StackIndex, int16_t(1));
    QCOMPARE(sc.r.s.Cards[2].StackIndex, int16_t(2));
    QCOMPARE(sc.r.s.View.Pictures[2].PpeokMark, int8_t(0));
    QCOMPARE(sc.r.s.View.Labels[0].Ppeok, int16_t(1));
    QVERIFY(sc.soundNames().contains(QStringLiteral("M\\SANDA")));

    // On a later move the ppeok does not count as a first-move ppeok.
    Scene later;
    later.table({36, 1}).hand(0, {0}).hand(1, {40}).movesMade(0, 3).deck({2, 44});
    later.play(QStringLiteral("PS*0*0*"));
    QCOMPARE(later.r.s.Players[0].PpeokCount, int16_t(1));
    QCOMPARE(later.r.s.Players[0].FirstPpeok, int16_t(0));
}

void TstRules::bombLeavesBombCards() {
    Scene sc;
    sc.table({36, 3}).hand(0, {0, 1, 2, 20}).hand(1, {40}).deck({4, 44, 45});
    QCOMPARE(sc.r.s.Cards[0].Triple, int16_t(1));
    sc.play(QStringLiteral("BO*0*0*1*2*"));
    QCOMPARE(sc.r.s.Players[0].ShakeCount, int16_t(1));
    QCOMPARE(sc.r.s.View.Labels[0].Shake, int16_t(1));
    QCOMPARE(sc.r.s.View.BombTag[0][0], int16_t(0));
    QCOMPARE(sc.r.s.View.BombTag[0][1], int16_t(0));
    QCOMPARE(sc.r.s.View.BombTag[0][2], int16_t(-1));
    QCOMPARE(sc.r.s.Cards[0].Triple, int16_t(3));

    // The next move plays a bomb card instead of a hand card: only the flip happens.
    sc.r.s.Players[1].MoveCount = 1;
    sc.play(QStringLiteral("BC*0*1*"));
    QCOMPARE(sc.r.s.View.BombTag[0][1], int16_t(101));
    QVERIFY(!sc.r.s.View.BombVisible[0][1]);
    QVERIFY(sc.at(OnTable).contains(44));
    QCOMPARE(sc.at(0), (Cards{20}));
    // A second bomb takes the next free pair.
    Scene two;
    two.table({36, 3, 7}).hand(0, {0, 1, 2, 4, 5, 6}).hand(1, {40}).deck({44, 45});
    two.r.s.View.BombTag[0][0] = 0;
    two.play(QStringLiteral("BO*0*0*1*2*"));
    QCOMPARE(two.r.s.View.BombTag[0][2], int16_t(0));
    QCOMPARE(two.r.s.View.BombTag[0][3], int16_t(0));
}

void TstRules::bonusCardOfAPpeokWaitsForThePile() {
    Scene sc;
    sc.table({36, 1}).hand(0, {0}).hand(1, {3, 40}).deck({48, 2, 44});
    sc.play(QStringLiteral("PS*0*0*"));
    QCOMPARE(sc.r.s.Cards[48].Place, int16_t(OnTable));
    QCOMPARE(sc.r.s.View.Pictures[48].Tag, 'S');
    QCOMPARE(sc.captured(0), Cards{});
    // Player 1 takes the pile with the fourth card: the waiting bonus card goes to him.
    sc.play(QStringLiteral("PS*1*3*"));
    QVERIFY(sc.captured(1).contains(48));
    QCOMPARE(sc.r.s.View.Pictures[48].Tag, char(0));
}

void TstRules::femaleMoverIsNeverCountedAloud() {
    Scene female(QLatin1Char('F'));
    female.table({36, 1, 2}).hand(0, {0}).hand(1, {40}).pile(1, {26, 27, 30, 47}).deck({3, 44});
    female.play(QStringLiteral("PS*0*0*CH*1*"));
    const QStringList heard = female.soundNames();
    QVERIFY(heard.contains(QStringLiteral("F\\AHH")));
    for (const QString& s : heard) QVERIFY2(!s.endsWith(QLatin1String("EA")), qPrintable(s));

    Scene male;
    male.table({36, 1, 2}).hand(0, {0}).hand(1, {40}).pile(1, {26, 27, 30, 47}).deck({3, 44});
    male.play(QStringLiteral("PS*0*0*CH*1*"));
    QVERIFY(male.soundNames().contains(QStringLiteral("M\\DDAK")));
    QVERIFY(male.soundNames().contains(QStringLiteral("M\\1EA")));
}

void TstRules::takePi_data() {
    QTest::addColumn<Cards>("opponent");
    QTest::addColumn<int>("n");
    QTest::addColumn<Cards>("taken"); // in the order they reach the taker's pi row

    QTest::newRow("nothing to take") << Cards{} << 2 << Cards{};
    QTest::newRow("1 of doubles only: one double") << Cards{41} << 1 << Cards{41};
    QTest::newRow("2 of one single and one double: the double") << Cards{26, 41} << 2 << Cards{41};
    QTest::newRow("4 of one double and three singles") << Cards{26, 27, 30, 41} << 4 << Cards{41, 26, 27};
    QTest::newRow("5 of five singles: only three are looked at") << Cards{26, 27, 30, 31, 34} << 5 << Cards{26, 27, 30};
    QTest::newRow("singles only") << Cards{26, 27, 30} << 2 << Cards{26, 27};
    QTest::newRow("both, 1: the first single") << Cards{26, 41} << 1 << Cards{26};
    QTest::newRow("both, 3: a double and a single") << Cards{26, 27, 41} << 3 << Cards{41, 26};
    QTest::newRow("both, 4 with two doubles") << Cards{26, 41, 47} << 4 << Cards{41, 47};
    QTest::newRow("both, 5: two doubles and a single") << Cards{26, 27, 41, 47} << 5 << Cards{41, 47, 26};
    QTest::newRow("doubles only, 3: two doubles") << Cards{41, 47, 48} << 3 << Cards{41, 47};
    QTest::newRow("all when asked for at least the value, doubles first") << Cards{26, 41} << 3 << Cards{41, 26};
    QTest::newRow("bonus cards are doubles") << Cards{26, 49} << 2 << Cards{49};
}

void TstRules::takePi() {
    QFETCH(Cards, opponent);
    QFETCH(int, n);
    QFETCH(Cards, taken);
    Scene sc;
    for (int c : opponent) sc.pile(1, {c});
    sc.r.TakePi(0, n);
    const PlayerBoard& b0 = sc.r.s.Boards[0];
    Cards row;
    for (int i = 0; i < b0.CapturedCount[KindPi]; ++i) row.append(b0.Captured[size_t(i)][KindPi]);
    QCOMPARE(row, taken);
    // The opponent's row is packed again and his pi counter follows.
    const PlayerBoard& b1 = sc.r.s.Boards[1];
    QCOMPARE(int(b1.CapturedCount[KindPi]), int(opponent.size() - taken.size()));
    for (int i = 0; i < b1.CapturedCount[KindPi]; ++i) QVERIFY(!taken.contains(b1.Captured[size_t(i)][KindPi]));
    QCOMPARE(sc.r.s.View.Labels[1].PiVisible, b1.CapturedCount[KindPi] > 0);
}

void TstRules::decoding_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("hand");
    QTest::addColumn<int>("flip");
    QTest::addColumn<int>("gukjin");
    QTest::addColumn<int>("call"); // Call

    const int none = int(Call::None), go = int(Call::Go), stop = int(Call::Stop), other = int(Call::Other);
    QTest::newRow("PS card only") << "PS*0*12*" << -1 << -1 << 0 << none;
    QTest::newRow("PS call") << "PS*0*12*GO*" << -1 << -1 << 0 << go;
    QTest::newRow("PS any text in the call place") << "PS*0*12*XY*" << -1 << -1 << 0 << other;
    QTest::newRow("PS CH") << "PS*0*12*CH*13*" << 13 << -1 << 0 << none;
    QTest::newRow("PS CB with call") << "PS*0*12*CB*14*ST*" << -1 << 14 << 0 << stop;
    QTest::newRow("PS GU") << "PS*0*12*GU*1*" << -1 << -1 << 1 << none;
    QTest::newRow("PS unknown label: no choice, call read") << "PS*0*12*ZZ*4*GO*" << -1 << -1 << 0 << go;
    QTest::newRow("PS CH CB with call") << "PS*1*5*CH*4*CB*30*GO*" << 4 << 30 << 0 << go;
    QTest::newRow("PS CH GU") << "PS*0*5*CH*4*GU*1*" << 4 << -1 << 1 << none;
    QTest::newRow("PS CB GU") << "PS*0*5*CB*4*GU*1*" << -1 << 4 << 1 << none;
    QTest::newRow("PS two pairs in another order: no choice") << "PS*0*5*CB*4*CH*6*" << -1 << -1 << 0 << none;
    QTest::newRow("PS three pairs with call") << "PS*0*5*CH*4*CB*6*GU*1*ST*" << 4 << 6 << 1 << stop;
    QTest::newRow("PS a call in the wrong place is ignored") << "PS*0*5*CH*4*XX*" << 4 << -1 << 0 << none;
    QTest::newRow("PS too many items") << "PS*0*5*CH*4*CB*6*GU*1*ST*X*" << -1 << -1 << 0 << none;
    QTest::newRow("WA CB") << "WA*0*0*1*2*CB*5*" << -1 << 5 << 0 << none;
    QTest::newRow("WA GU with call") << "WA*0*0*1*2*GU*1*GO*" << -1 << -1 << 1 << go;
    QTest::newRow("WA two pairs") << "WA*0*0*1*2*CB*5*GU*1*" << -1 << 5 << 1 << none;
    QTest::newRow("WA call only") << "WA*0*0*1*2*GO*" << -1 << -1 << 0 << go;
    QTest::newRow("BO reads as WA: pair and call") << "BO*0*0*1*2*CB*5*ST*" << -1 << 5 << 0 << stop;
    QTest::newRow("BO two pairs and call") << "BO*0*0*1*2*CB*5*GU*1*GO*" << -1 << 5 << 1 << go;
    QTest::newRow("BC call") << "BC*0*2*GO*" << -1 << -1 << 0 << go;
    QTest::newRow("BC other text is no call") << "BC*0*2*XY*" << -1 << -1 << 0 << none;
    QTest::newRow("BC CB") << "BC*0*2*CB*17*" << -1 << 17 << 0 << none;
    QTest::newRow("BC two pairs") << "BC*0*2*CB*17*GU*1*" << -1 << 17 << 1 << none;
    QTest::newRow("SP reads nothing") << "SP*0*48*CB*3*" << -1 << -1 << 0 << none;
    QTest::newRow("unknown code") << "ZZ*0*12*CH*4*" << -1 << -1 << 0 << none;
    QTest::newRow("a choice that is no number stays unset") << "PS*0*12*CH*x*" << -1 << -1 << 0 << none;
}

void TstRules::decoding() {
    QFETCH(QString, entry);
    QFETCH(int, hand);
    QFETCH(int, flip);
    QFETCH(int, gukjin);
    QFETCH(int, call);
    Scene sc;
    // Choices of an earlier move never leak into this one.
    sc.r.s.ChoiceHand = 7;
    sc.r.s.ChoiceFlip = 8;
    sc.r.s.ChoiceGukjin = 1;
    sc.r.s.PendingCall = Call::Stop;
    // The card lies in nobody's hand, so only the items are read.
    sc.play(entry);
    QCOMPARE(int(sc.r.s.ChoiceHand), hand);
    QCOMPARE(int(sc.r.s.ChoiceFlip), flip);
    QCOMPARE(int(sc.r.s.ChoiceGukjin), gukjin);
    QCOMPARE(int(sc.r.s.PendingCall), call);
    QCOMPARE(sc.r.s.MoveIndex, 1);
}

void TstRules::tableQueries() {
    Scene sc;
    sc.table({0, 1, 36});
    // Matches in card order, the pile's slot.
    Replay::Matches m = sc.r.ListTableMatches(2);
    QCOMPARE(m.count, 2);
    QCOMPARE(m.cards[0], int16_t(0));
    QCOMPARE(m.cards[1], int16_t(1));
    QCOMPARE(m.slot, int(sc.r.s.Cards[0].Slot));
    // No match: the lowest free slot; all used: slot 0.
    m = sc.r.ListTableMatches(20);
    QCOMPARE(m.count, 0);
    QCOMPARE(m.slot, 2);
    for (auto& t : sc.r.s.TableSlots) t.Used = 1;
    QCOMPARE(sc.r.ListTableMatches(20).slot, 0);
    QCOMPARE(sc.r.ListTableMatches(-1).count, 0);
    // A mate other than the card itself.
    int mate = -1;
    QCOMPARE(sc.r.FindTableMate(0, mate), int(sc.r.s.Cards[1].Slot));
    QCOMPARE(mate, 1);
    mate = 5;
    sc.r.FindTableMate(2, mate);
    QCOMPARE(mate, 5);
    // The deck runs dry.
    sc.deck({7});
    QCOMPARE(sc.r.DeckPop(), 7);
    QCOMPARE(sc.r.DeckPop(), -1);
    // A bonus card left on the table does not prevent a sweep.
    Scene sweep;
    sweep.table({49});
    QVERIFY(sweep.r.CheckSweep(0));
    sweep.table({5});
    QVERIFY(!sweep.r.CheckSweep(0));
    // A player on his last turn owns no pile.
    sweep.r.s.PpeokOwner[2] = 0;
    QVERIFY(sweep.r.IsOwnPpeok(0, 2));
    sweep.movesMade(0, 10);
    QVERIFY(!sweep.r.IsOwnPpeok(0, 2));
    QVERIFY(!sweep.r.IsOwnPpeok(1, 2));
}

void TstRules::layoutMarksTriples_data() {
    QTest::addColumn<Cards>("hand");
    QTest::addColumn<Cards>("triples");
    QTest::newRow("three of a month among others") << Cards{0, 1, 2, 9, 20} << Cards{0, 1, 2};
    QTest::newRow("four of a month") << Cards{4, 5, 6, 7, 30} << Cards{4, 5, 6, 7};
    QTest::newRow("two pairs") << Cards{0, 1, 4, 5} << Cards{};
    QTest::newRow("two triples") << Cards{0, 1, 2, 44, 45, 46, 8} << Cards{0, 1, 2, 44, 45, 46};
}

void TstRules::layoutMarksTriples() {
    QFETCH(Cards, hand);
    QFETCH(Cards, triples);
    Scene sc;
    for (int c : hand) sc.r.setPlace(c, 0);
    sc.r.LayoutHand(0);
    Cards marked;
    for (int c : hand)
        if (sc.r.s.Cards[size_t(c)].Triple == 1) marked.append(c);
    QCOMPARE(sorted(marked), sorted(triples));
    // The hand places hold the cards in number order.
    Cards placed;
    for (int16_t c : sc.r.s.Boards[0].Hand)
        if (c >= 0) placed.append(c);
    QCOMPARE(placed, sorted(hand));
    QCOMPARE(int(sc.r.s.Cards[size_t(placed[0])].X), 389);
}

void TstRules::resyncPutsLeftoverCardBack() {
    Scene sc;
    sc.table({4, 5, 20});
    // 4 was taken from its pile: its slot looks free and 5 still lies stacked.
    sc.r.CaptureCard(1, 4);
    const int slot = sc.r.s.Cards[5].Slot;
    QCOMPARE(int(sc.r.s.TableSlots[size_t(slot)].Used), 0);
    QCOMPARE(sc.r.s.Cards[5].StackIndex, int16_t(1));
    sc.r.ResyncTable();
    QCOMPARE(int(sc.r.s.TableSlots[size_t(slot)].Used), 1);
    QCOMPARE(sc.r.s.Cards[5].StackIndex, int16_t(0));
    QCOMPARE(int(sc.r.s.Cards[5].X), int(sc.r.s.TableSlots[size_t(slot)].X));
}

void TstRules::prepareReplay_data() {
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("pointValue");
    QTest::addColumn<QString>("stopScore");
    QTest::addColumn<QString>("streak");
    QTest::addColumn<QString>("missionOn");
    QTest::addColumn<int>("missionNo");
    QTest::newRow("none") << "" << "100" << "7" << "" << "" << -1;
    QTest::newRow("values") << "MI*3^JD*500^ED*5^FT*1^EN*7^" << "500" << "5" << "1" << "1" << 3;
    QTest::newRow("empty values take defaults") << "JD*^ED*^FT*^" << "100" << "7" << "1" << "" << -1;
    QTest::newRow("the later option wins") << "JD*200^JD*300^" << "300" << "7" << "" << "" << -1;
    QTest::newRow("the last option needs its ^") << "JD*200^ED*3" << "200" << "7" << "" << "" << -1;
    QTest::newRow("mission -1") << "MI*-1^" << "100" << "7" << "" << "1" << -1;
    QTest::newRow("text after a second star is not read") << "JD*100*9^" << "100" << "7" << "" << "" << -1;
    QTest::newRow("unknown codes are skipped") << "XX*1^SB*1^JB*1^VP*^" << "100" << "7" << "" << "" << -1;
}

void TstRules::prepareReplay() {
    QFETCH(QString, options);
    GameRecord rec;
    rec.options = options;
    rec.whatoo = QStringLiteral("1^2^");
    rec.runs = QStringLiteral("PS*0*1*^PS*1*2*^");
    Replay r;
    r.PrepareReplay(rec);
    QTEST(r.s.Round.PointValue, "pointValue");
    QTEST(r.s.Round.StopScore, "stopScore");
    QTEST(r.s.Round.StreakOption, "streak");
    QTEST(r.s.Round.MissionOn, "missionOn");
    QTEST(r.s.Round.MissionNo, "missionNo");
    QCOMPARE(r.s.MoveIndex, 0);
    QCOMPARE(int(r.s.MoveList.size()), 3); // the stream ends with an empty entry
    QCOMPARE(r.s.MoveList.back().length, 0);
}

void TstRules::recordNeverInheritsRules() {
    Replay r;
    GameRecord first;
    first.options = QStringLiteral("MI*2^JD*1000^ED*3^FT*1^");
    r.PrepareReplay(first);
    r.PrepareReplay(GameRecord{});
    QCOMPARE(r.s.Round.PointValue, QStringLiteral("100"));
    QCOMPARE(r.s.Round.StopScore, QStringLiteral("7"));
    QCOMPARE(r.s.Round.StreakOption, QString());
    QCOMPARE(r.s.Round.MissionOn, QString());
    QCOMPARE(r.s.Round.MissionNo, -1);
}

void TstRules::dealDistribution_data() {
    QTest::addColumn<int>("cards");
    QTest::addColumn<int>("deck");
    QTest::addColumn<int>("bonus");
    QTest::newRow("48 cards") << 48 << 20 << 0;
    QTest::newRow("50 cards") << 50 << 22 << 2;
    QTest::newRow("53 cards") << 53 << 25 << 5;
}

void TstRules::dealDistribution() {
    QFETCH(int, cards);
    GameRecord rec;
    for (int c = 0; c < cards; ++c) rec.whatoo += QString::number(c) + QLatin1Char('^');
    rec.runs = QStringLiteral("^");
    Replay r;
    r.PrepareReplay(rec);
    r.game_START(rec);
    QCOMPARE(r.s.Round.CardTotal, cards);
    QTEST(r.s.Round.BonusCount, "bonus");
    QTEST(int(r.s.Round.DeckEnd), "deck");
    QCOMPARE(int(r.s.Round.DeckTop), 0);
    // Positions 0-7 on the table, 8-17 player 1, 18-27 player 0, the rest in the deck.
    QCOMPARE(r.s.Cards[0].Place, int16_t(OnTable));
    QCOMPARE(r.s.Cards[8].Place, int16_t(1));
    QCOMPARE(r.s.Cards[18].Place, int16_t(0));
    QCOMPARE(int(r.s.Round.Deck[0]), 28);
    // The table is arranged by month: 0-3 in one pile.
    QCOMPARE(r.s.Cards[3].StackIndex, int16_t(3));
    QCOMPARE(r.s.Cards[3].Slot, r.s.Cards[0].Slot);
}

void TstRules::bonusCardDealtToTheTable() {
    // 48 lies among the table cards: the first player (player 1 here) takes it, and the deck's
    // top card replaces it.
    GameRecord rec;
    const Cards deal = {48, 0, 4, 8, 12, 16, 20, 24};
    for (int c : deal) rec.whatoo += QString::number(c) + QLatin1Char('^');
    for (int c = 0; c < 48; ++c)
        if (!deal.contains(c)) rec.whatoo += QString::number(c) + QLatin1Char('^');
    rec.runs = QStringLiteral("^");
    rec.gos = QStringLiteral("-1");
    Replay r;
    r.PrepareReplay(rec);
    r.game_START(rec);
    QCOMPARE(r.s.FirstSeat, int16_t(1));
    QCOMPARE(r.s.Cards[48].Place, int16_t(CapturedBase + 1));
    QCOMPARE(r.s.Players[1].PiCount, int16_t(1));
    QCOMPARE(r.s.View.Labels[1].PiValue, int16_t(2));
    // The first deck card (deal position 28) is on the table now.
    int firstDeck = -1;
    ReadWhole(rec.whatoo.split(QLatin1Char('^'))[28], firstDeck);
    QCOMPARE(r.s.Cards[size_t(firstDeck)].Place, int16_t(OnTable));
    int onTable = 0;
    for (int c = 0; c < 48; ++c) onTable += r.s.Cards[size_t(c)].Place == OnTable;
    QCOMPARE(onTable, 8);
}

void TstRules::movesOnlyFromOwnHand() {
    Scene sc;
    sc.table({36, 1}).hand(0, {0}).hand(1, {40}).deck({4, 44});
    sc.play(QStringLiteral("PS*1*0*")); // player 1 names player 0's card
    QCOMPARE(sc.at(0), Cards{0});
    QCOMPARE(sc.r.s.Players[1].MoveCount, int16_t(1));
    QCOMPARE(int(sc.r.s.Round.DeckTop), 0);
    sc.play(QStringLiteral("PS*2*0*")); // no such player: the step only advances
    QCOMPARE(sc.r.s.Players[0].MoveCount, int16_t(0));
    QCOMPARE(sc.r.s.MoveIndex, 1);
}

void TstRules::shakeThenLay() {
    Scene sc;
    sc.table({36}).hand(0, {0, 1, 2, 20}).hand(1, {40}).deck({4, 44});
    sc.play(QStringLiteral("WA*0*0*1*2*"), true);
    QCOMPARE(sc.r.s.Players[0].ShakeCount, int16_t(1));
    QCOMPARE(sc.r.s.View.Labels[0].Shake, int16_t(1));
    const QStringList acts = sc.actions();
    const int shown = int(acts.indexOf(QStringLiteral("CommonPanel 1 0 1 2")));
    QVERIFY(shown > 0);
    QCOMPARE(acts.mid(shown + 1, 3), (QStringList{"Sound WAVE", "Pause 2", "CommonPanel 0"}));
    // Then the first card is laid like any other card.
    QCOMPARE(sc.r.s.Cards[0].Place, int16_t(OnTable));
    QCOMPARE(sc.at(0), (Cards{1, 2, 20}));
    QVERIFY(acts.indexOf(QStringLiteral("CardFace 0")) > shown);
}

void TstRules::secondPlayersDealtTripleBombs() {
    // Player 1 is dealt 0, 1, 2 and the table holds 3: his first move is a bomb.
    GameRecord rec;
    const Cards table = {3, 4, 8, 12, 16, 20, 24, 28};
    const Cards p1 = {0, 1, 2, 5, 9, 13, 17, 21, 25, 29};
    Cards order = table + p1;
    for (int c = 0; c < 48; ++c)
        if (!order.contains(c)) order.append(c);
    for (int c : order) rec.whatoo += QString::number(c) + QLatin1Char('^');
    rec.runs = QStringLiteral("BO*1*0*1*2*^^");
    rec.gos = QStringLiteral("-");
    Replay r;
    r.PrepareReplay(rec);
    r.game_START(rec);
    QCOMPARE(r.s.Cards[0].Triple, int16_t(1));
    r.ReplayStep();
    QCOMPARE(r.s.Players[1].ShakeCount, int16_t(1));
    QCOMPARE(r.s.View.BombTag[1][0], int16_t(1));
    QVERIFY(!r.s.View.BombVisible[1][0]); // player 1's bomb cards are not shown
    for (int c : {0, 1, 2, 3}) QCOMPARE(r.s.Cards[size_t(c)].Place, int16_t(CapturedBase + 1));
}

void TstRules::menuButtons() {
    Replay r;
    for (int i = 0; i < 5; ++i) r.PressMenu(2);
    QCOMPARE(r.s.ReplayInterval, 200);
    for (int i = 0; i < 10; ++i) r.PressMenu(1);
    QCOMPARE(r.s.ReplayInterval, 1800);
    r.PressMenu(0);
    QCOMPARE(r.s.SoundCaption, QStringLiteral("소리끔"));
    QCOMPARE(r.s.Round.EffectsOn, QStringLiteral("0"));
    QCOMPARE(r.s.Round.VoicesOn, QStringLiteral("0"));
    r.PressMenu(0);
    QCOMPARE(r.s.SoundCaption, QStringLiteral("소리켬"));
    QCOMPARE(r.s.Round.EffectsOn, QStringLiteral("1"));
    // The end button does nothing while no replay runs; during one it stops the rules.
    r.PressMenu(4);
    QCOMPARE(r.s.p_GAMEEND, int16_t(0));
    GameRecord rec;
    for (int c = 0; c < 48; ++c) rec.whatoo += QString::number(c) + QLatin1Char('^');
    rec.runs = QStringLiteral("PS*0*18*^PS*1*8*^^");
    r.PrepareReplay(rec);
    r.game_START(rec);
    r.PressMenu(4);
    QCOMPARE(r.s.p_GAMEEND, int16_t(-1));
    r.ReplayStep();
    QCOMPARE(r.s.Cards[18].Place, int16_t(0));
    QCOMPARE(r.s.Players[0].MoveCount, int16_t(1));
    QVERIFY(!r.s.TimerOn);
}

QTEST_APPLESS_MAIN(TstRules)
#include "tst_rules.moc"
