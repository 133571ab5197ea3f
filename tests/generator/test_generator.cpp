// The record generator: a thousand hands played by the engine's rules, checked after every move,
// replayed from their files to the same settlement, and covering every special event.
#include "cli/Generator.h"
#include "records/RecordFile.h"
#include "replay/Headless.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every card of the deal in exactly one place; captured columns packed, of the right kind and
// counted; the players' counts equal to their columns. Returns the first fault found.
QString checkState(const HandState& s) {
    const int total = s.Round.CardTotal;
    std::array<int, CardCount> inDeck{}, inPiles{};
    for (int i = s.Round.DeckTop; i < s.Round.DeckEnd; ++i) {
        const int c = s.Round.Deck[size_t(i)];
        if (c < 0 || c >= total) return QStringLiteral("deck holds card %1").arg(c);
        ++inDeck[size_t(c)];
    }
    for (int p = 0; p < 2; ++p) {
        const PlayerBoard& b = s.Boards[size_t(p)];
        for (int kind = 1; kind <= 4; ++kind) {
            int entries = 0;
            bool hole = false;
            for (int row = 0; row < PileRows; ++row) {
                const int c = b.Captured[size_t(row)][size_t(kind)];
                if (c < 0) {
                    hole = true;
                    continue;
                }
                if (hole) return QStringLiteral("player %1 kind %2: hole before row %3").arg(p).arg(kind).arg(row);
                if (c >= total) return QStringLiteral("pile holds card %1").arg(c);
                if (s.Cards[size_t(c)].Place != CapturedBase + p)
                    return QStringLiteral("card %1 in player %2's pile has place %3").arg(c).arg(p).arg(s.Cards[size_t(c)].Place);
                if (s.Cards[size_t(c)].Kind != kind)
                    return QStringLiteral("card %1 of kind %2 in column %3").arg(c).arg(s.Cards[size_t(c)].Kind).arg(kind);
                ++inPiles[size_t(c)];
                ++entries;
            }
            if (b.CapturedCount[size_t(kind)] != entries)
                return QStringLiteral("player %1 kind %2: count %3, column %4").arg(p).arg(kind).arg(b.CapturedCount[size_t(kind)]).arg(entries);
        }
        const PlayerState& pl = s.Players[size_t(p)];
        if (pl.BrightCount != b.CapturedCount[1] || pl.AnimalCount != b.CapturedCount[2] ||
            pl.RibbonCount != b.CapturedCount[3] || pl.PiCount != b.CapturedCount[4] ||
            pl.CardCount != pl.BrightCount + pl.AnimalCount + pl.RibbonCount + pl.PiCount)
            return QStringLiteral("player %1: counts differ from the columns").arg(p);
    }
    for (int c = 0; c < total; ++c) {
        const int place = s.Cards[size_t(c)].Place;
        const bool deck = place == InDeck, captured = place == CapturedBase || place == CapturedBase + 1;
        if (!(deck || captured || place == 0 || place == 1 || place == OnTable))
            return QStringLiteral("card %1 has place %2").arg(c).arg(place);
        if (inDeck[size_t(c)] != (deck ? 1 : 0)) return QStringLiteral("card %1 (place %2) is %3 times in the deck").arg(c).arg(place).arg(inDeck[size_t(c)]);
        if (inPiles[size_t(c)] != (captured ? 1 : 0)) return QStringLiteral("card %1 (place %2) is %3 times in piles").arg(c).arg(place).arg(inPiles[size_t(c)]);
    }
    for (int c = total; c < CardCount; ++c)
        if (s.Cards[size_t(c)].Place != InDeck || inDeck[size_t(c)] || inPiles[size_t(c)])
            return QStringLiteral("card %1 is not in the deal but in play").arg(c);
    return QString();
}

} // namespace

class TestGenerator : public QObject {
    Q_OBJECT
    std::vector<GeneratedHand> hands_;
    QString firstFault_;
    long long movesChecked_ = 0;

private slots:
    void initTestCase() {
        RecordGenerator gen(20261211);
        gen.afterMove = [&](const Replay& r) {
            ++movesChecked_;
            if (!firstFault_.isEmpty()) return;
            const QString fault = checkState(r.s);
            if (!fault.isEmpty()) firstFault_ = QStringLiteral("after move %1: %2").arg(movesChecked_).arg(fault);
        };
        for (int i = 0; i < 1000; ++i) hands_.push_back(gen.next());
    }

    void everyMoveLeavesAConsistentState() {
        QVERIFY2(firstFault_.isEmpty(), qPrintable(firstFault_));
        QVERIFY(movesChecked_ > 10000);
    }

    void recordsAreShapedAsTheGameWritesThem() {
        for (const GeneratedHand& h : hands_) {
            const GameRecord& r = h.record;
            const int cards = int(r.whatoo.count(QLatin1Char('^')));
            QVERIFY(cards >= 48 && cards <= 53);
            QVERIFY(r.runs.endsWith(QLatin1Char('^')));
            QCOMPARE(r.runs.count(QLatin1Char('^')), h.moves);
            QCOMPARE(r.id, SplitPlayerLine(r.P1)[1]);
            // Player 1 led exactly when player 0 did not win.
            const bool player0Won = h.winner == 0 && h.ending != Ending::Draw;
            QCOMPARE(ResultIsLoss(r.gos), !player0Won);
            QVERIFY(h.ending != Ending::Unfinished);
        }
    }

    void filesReplayToTheSameSettlement() {
        int n = 0;
        for (const GeneratedHand& h : hands_) {
            GameRecord back;
            QString why;
            QVERIFY2(ReadRecordBytes(RecordFileBytes(h.record), back, &why), qPrintable(why));
            QCOMPARE(back.runs, h.record.runs);
            Replay r;
            ReplayWholeHand(r, back);
            const QByteArray where = QByteArray("hand ") + QByteArray::number(n++);
            QVERIFY2(r.s.End == h.ending, where.constData());
            QVERIFY2(r.s.Winner == h.winner, where.constData());
            QVERIFY2(r.s.Points == h.points, where.constData());
            QVERIFY2(r.s.MoneyBooked == h.money, where.constData());
            QVERIFY2(r.s.MoveIndex == h.moves, where.constData());
        }
    }

    void zivicliAgrees() {
        // The same through the command-line program, on a sample of the files.
        QTemporaryDir dir;
        for (int i = 0; i < int(hands_.size()); i += 40) {
            const GeneratedHand& h = hands_[size_t(i)];
            const QString path = dir.filePath(QStringLiteral("h%1.gbo").arg(i));
            QVERIFY(WriteRecordFile(path, h.record));
            QProcess p;
            p.start(QStringLiteral(ZIVI_GAME_DIR "/zivi-cli"), {QStringLiteral("replay"), path});
            QVERIFY(p.waitForFinished(30000));
            QCOMPARE(p.exitCode(), 0);
            const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
            static const char* const endings[] = {"unfinished", "win", "chongtong", "threeppeok", "draw"};
            QCOMPARE(o.value(QStringLiteral("ending")).toString(), QString::fromLatin1(endings[int(h.ending)]));
            if (h.ending == Ending::Draw) QVERIFY(o.value(QStringLiteral("winner")).isNull());
            else QCOMPARE(o.value(QStringLiteral("winner")).toInt(), h.winner);
            if (h.ending == Ending::Win) QCOMPARE(o.value(QStringLiteral("points")).toInt(), h.points);
            if (h.ending != Ending::Draw) QCOMPARE(o.value(QStringLiteral("money")).toDouble(), h.money);
        }
    }

    void everySpecialEventAppears() {
        std::array<int, size_t(Event::Count)> seen{};
        for (const GeneratedHand& h : hands_)
            for (size_t e = 0; e < seen.size(); ++e) seen[e] += h.events[e];
        QString report, missing;
        for (size_t e = 0; e < seen.size(); ++e) {
            report += QStringLiteral("%1 %2; ").arg(QString::fromUtf8(EventName(Event(e)))).arg(seen[e]);
            if (seen[e] == 0 && Event(e) != Event::GoMore) missing += QString::fromUtf8(EventName(Event(e))) + QLatin1String(", ");
        }
        qInfo("%s", qPrintable(report));
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("never seen: ") + missing));
    }

    void sameSeedSameFiles() {
        RecordGenerator a(77), b(77), c(78);
        bool differs = false;
        for (int i = 0; i < 30; ++i) {
            const QByteArray x = RecordFileBytes(a.next().record);
            QCOMPARE(x, RecordFileBytes(b.next().record));
            differs |= x != RecordFileBytes(c.next().record);
        }
        QVERIFY(differs);
    }

    void bonusCountCanBeFixed_data() {
        QTest::addColumn<int>("bonus");
        for (int k = 0; k <= 5; ++k) QTest::addRow("%d bonus cards", k) << k;
    }
    void bonusCountCanBeFixed() {
        QFETCH(int, bonus);
        RecordGenerator gen(5);
        for (int i = 0; i < 20; ++i) QCOMPARE(int(gen.next(bonus).record.whatoo.count(QLatin1Char('^'))), 48 + bonus);
    }

    void commandWritesTheSameFilesForTheSameSeed() {
        QTemporaryDir one, two;
        for (const QTemporaryDir* d : {&one, &two}) {
            QProcess p;
            p.start(QStringLiteral(ZIVI_GAME_DIR "/zivi-cli"),
                    {QStringLiteral("generate"), QStringLiteral("--count"), QStringLiteral("12"), QStringLiteral("--seed"),
                     QStringLiteral("9"), QStringLiteral("--out"), d->path(), QStringLiteral("--bonus"), QStringLiteral("2")});
            QVERIFY(p.waitForFinished(30000));
            QCOMPARE(p.exitCode(), 0);
            QVERIFY(p.readAllStandardOutput().contains("records/s"));
        }
        const QStringList files = QDir(one.path()).entryList({QStringLiteral("*.gbo")});
        QCOMPARE(files.size(), 12);
        for (const QString& f : files) {
            QFile x(QDir(one.path()).filePath(f)), y(QDir(two.path()).filePath(f));
            QVERIFY(x.open(QIODevice::ReadOnly) && y.open(QIODevice::ReadOnly));
            QCOMPARE(x.readAll(), y.readAll());
        }
        QProcess bad;
        bad.start(QStringLiteral(ZIVI_GAME_DIR "/zivi-cli"), {QStringLiteral("generate"), QStringLiteral("--count")});
        QVERIFY(bad.waitForFinished(30000));
        QCOMPARE(bad.exitCode(), 2);
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "test_generator.moc"
