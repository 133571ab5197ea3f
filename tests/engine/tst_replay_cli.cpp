// zivi-cli replay on record files whose outcome was worked out by hand, key by key, and its
// refusal of a file that is not a record.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Cli = QStringLiteral(ZIVI_GAME_DIR "/zivi-cli");

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run run(const QStringList& args) {
    QProcess p;
    p.start(Cli, args);
    Run r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace

class TstReplayCli : public QObject {
    Q_OBJECT
private slots:
    void replay_data();
    void replay();
    void refusesANonRecord();
    void benchPrintsItsRate();
};

void TstReplayCli::replay_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three_ppeok") << "three_ppeok.gbo"
                          << QStringLiteral(R"({"ending":"threeppeok","winner":0,"title":"바람님 3뻑승!","text":"3뻑으로 승리\n점당점수x100배적용\n\n10,000점 획득\n","points":null,"money":10000,"movesPerformed":5,"players":[{"nick":"바람","score":0,"goCount":0,"goScore":0,"shakeCount":0,"ppeokCount":3,"firstPpeok":1,"moveCount":3,"brightCount":0,"animalCount":0,"ribbonCount":0,"piCount":0,"cardCount":0,"piValue":0,"brightPoints":0,"piPoints":0,"animalDouble":0,"captured":[],"hand":[12,16,20,24,28,32,33],"wins":4,"losses":1,"draws":0,"money":60000},{"nick":"구름","score":0,"goCount":0,"goScore":0,"shakeCount":0,"ppeokCount":0,"firstPpeok":0,"moveCount":2,"brightCount":0,"animalCount":0,"ribbonCount":0,"piCount":0,"cardCount":0,"piValue":0,"brightPoints":0,"piPoints":0,"animalDouble":0,"captured":[],"hand":[35,36,37,38,41,44,45,46],"wins":1,"losses":4,"draws":0,"money":-45000}],"table":[0,1,2,4,5,6,8,9,10,13,17,21,25,29,34,39,40,47],"deck":15,"sounds":["CHAK","HOLD","CHAK","M\\SANDA","TUCK","HOLD","TUCK","CHAK","HOLD","CHAK","M\\SANDA","TUCK","HOLD","TUCK","CHAK","HOLD","CHAK","M\\SANDA","M\\GOOD","WINNER"]})");
    QTest::newRow("chongtong") << "chongtong.gbo"
                          << QStringLiteral(R"({"ending":"chongtong","winner":0,"title":"바람님 총통승!","text":"총통으로 승리\n<10배> 적용\n\n1,000점 획득\n","points":null,"money":1000,"movesPerformed":2,"players":[{"nick":"바람","score":0,"goCount":0,"goScore":0,"shakeCount":0,"ppeokCount":0,"firstPpeok":0,"moveCount":1,"brightCount":0,"animalCount":0,"ribbonCount":0,"piCount":1,"cardCount":1,"piValue":2,"brightPoints":0,"piPoints":0,"animalDouble":0,"captured":[48],"hand":[0,1,2,3,6,10,14,18,22,26],"wins":4,"losses":1,"draws":0,"money":51000},{"nick":"구름","score":0,"goCount":0,"goScore":0,"shakeCount":0,"ppeokCount":0,"firstPpeok":0,"moveCount":0,"brightCount":0,"animalCount":0,"ribbonCount":0,"piCount":0,"cardCount":0,"piValue":0,"brightPoints":0,"piPoints":0,"animalDouble":0,"captured":[],"hand":[5,9,13,17,36,37,40,41,44,45],"wins":1,"losses":4,"draws":0,"money":-36000}],"table":[4,8,12,16,20,24,28,32],"deck":20,"sounds":["TUCK","SANGPI","CHONG","M\\GOOD","WINNER"]})");
    QTest::newRow("stop") << "stop.gbo"
                          << QStringLiteral(R"({"ending":"win","winner":0,"title":"(바람)님 승리~ 짝짝!","text":"\n11 x 100점\n1,100점 획득","points":11,"money":1100,"movesPerformed":6,"players":[{"nick":"바람","score":11,"goCount":0,"goScore":0,"shakeCount":0,"ppeokCount":0,"firstPpeok":0,"moveCount":3,"brightCount":3,"animalCount":3,"ribbonCount":4,"piCount":0,"cardCount":10,"piValue":0,"brightPoints":3,"piPoints":0,"animalDouble":0,"captured":[0,1,4,5,8,9,12,13,28,29],"hand":[33,34,38,39,42,43,47],"wins":4,"losses":1,"draws":0,"money":51100},{"nick":"구름","score":0,"goCount":0,"goScore":0,"shakeCount":0,"ppeokCount":0,"firstPpeok":0,"moveCount":3,"brightCount":1,"animalCount":0,"ribbonCount":1,"piCount":0,"cardCount":2,"piValue":0,"brightPoints":0,"piPoints":0,"animalDouble":0,"captured":[44,46],"hand":[30,31,32,35,36,37,40,41],"wins":1,"losses":4,"draws":0,"money":-36100}],"table":[3,14,16,20,24,45],"deck":15,"sounds":["CHAK","HOLD","CHAK","TUCK","TUCK","TUCK","TUCK","TUCK","HOLD","TUCK","CHAK","HOLD","CHAK","TUCK","M\\HONGDAN","TUCK","TUCK","TUCK","CHAK","HOLD","TUCK","TUCK","TUCK","CHAK","HOLD","TUCK","TUCK","M\\GODORI","TUCK","M\\STOP","M\\GOOD","WINNER"]})");
}

void TstReplayCli::replay() {
    QFETCH(QString, file);
    QFETCH(QString, expected);
    const Run r = run({QStringLiteral("replay"), QStringLiteral(ZIVI_FIXTURES "/engine/") + file});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.endsWith('\n'));
    const QJsonObject got = QJsonDocument::fromJson(r.out).object();
    const QJsonObject want = QJsonDocument::fromJson(expected.toUtf8()).object();
    QVERIFY(!want.isEmpty());
    QCOMPARE(got.keys(), want.keys());
    for (const QString& key : want.keys()) {
        if (key == QLatin1String("players")) {
            for (int p = 0; p < 2; ++p) {
                const QJsonObject g = got[key].toArray()[p].toObject(), w = want[key].toArray()[p].toObject();
                QCOMPARE(g.keys(), w.keys());
                for (const QString& k : w.keys()) QVERIFY2(g[k] == w[k], qPrintable(QStringLiteral("player %1 %2").arg(p).arg(k)));
            }
        } else {
            QVERIFY2(got[key] == want[key], qPrintable(key));
        }
    }
}

void TstReplayCli::refusesANonRecord() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("junk.gbo"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a record\r\n");
    f.close();
    for (const QString& file : {path, dir.filePath(QStringLiteral("missing.gbo"))}) {
        const Run r = run({QStringLiteral("replay"), file});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
    }
}

void TstReplayCli::benchPrintsItsRate() {
    const Run r = run({QStringLiteral("bench"), QStringLiteral(ZIVI_FIXTURES "/engine"), QStringLiteral("--repeat"), QStringLiteral("3")});
    QCOMPARE(r.exitCode, 0);
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    QVERIFY(lines.last().startsWith("replayed 9 records, 39 moves in "));
    QVERIFY(lines.last().endsWith(" records/s"));
}

QTEST_GUILESS_MAIN(TstReplayCli)
#include "tst_replay_cli.moc"
