// zivi-cli read and write, run as a script would run them.
#include "records/RecordFile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Run {
    int code;
    QByteArray out, err;
};
Run cli(const QStringList& args, const QByteArray& input = QByteArray()) {
    QProcess p;
    p.start(QStringLiteral(ZIVI_GAME_DIR "/zivi-cli"), args);
    p.waitForStarted();
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}
} // namespace

class TestCliRecord : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void writeThenRead() {
        QJsonObject in;
        in[QStringLiteral("P1")] = QString::fromUtf8("바람돌이^id^M^1500000^10^5^1^");
        in[QStringLiteral("P2")] = QString::fromUtf8("꽃순이^id2^F^0^0^0^0^");
        in[QStringLiteral("wtime")] = QStringLiteral("2024-05-01 09:05:07");
        in[QStringLiteral("whatoo")] = QStringLiteral("1^2^");
        in[QStringLiteral("runs")] = QStringLiteral("PS*0*1*^");
        in[QStringLiteral("options")] = QStringLiteral("JD*100^");
        in[QStringLiteral("cont")] = QString::fromUtf8("제목 \"따옴표\" + 더하기");
        in[QStringLiteral("tags")] = QString::fromUtf8("키워드");
        const QString path = dir_.filePath(QStringLiteral("a.gbo"));
        const Run w = cli({QStringLiteral("write"), QStringLiteral("--out"), path}, QJsonDocument(in).toJson());
        QCOMPARE(w.code, 0);
        const Run r = cli({QStringLiteral("read"), path});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.endsWith("}\n"));
        const QJsonObject out = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(out.size(), 12);
        for (const char* name : GameRecord::FieldNames) {
            const QString key = QString::fromLatin1(name);
            QCOMPARE(out.value(key).toString(), in.value(key).toString());
        }
        QVERIFY(r.out.startsWith("{\"P1\":"));
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("content"); // empty name: no file at all
        QTest::newRow("empty file") << QByteArray("");
        QTest::newRow("garbage") << QByteArray("\x01\x02\x03 hello, world\r\n");
        QTest::newRow("missing file") << QByteArray("<missing>");
    }
    void refusals() {
        QFETCH(QByteArray, content);
        const QString path = dir_.filePath(QStringLiteral("bad.gbo"));
        QFile::remove(path);
        if (content != "<missing>") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const Run r = cli({QStringLiteral("read"), path});
        QCOMPARE(r.code, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
    }

    void writeRefusesBadInput() {
        const QString path = dir_.filePath(QStringLiteral("w.gbo"));
        QCOMPARE(cli({QStringLiteral("write"), QStringLiteral("--out"), path}, "not json").code, 2);
        QCOMPARE(cli({QStringLiteral("write"), QStringLiteral("--out"), path}, "{\"nope\":\"x\"}").code, 2);
        QCOMPARE(cli({QStringLiteral("write"), QStringLiteral("--out"), path}, "{\"cont\":5}").code, 2);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(cli({QStringLiteral("write")}).code, 2);
        QCOMPARE(cli({QStringLiteral("read")}).code, 2);
        QCOMPARE(cli({QStringLiteral("nosuchcommand")}).code, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliRecord)
#include "test_cli_record.moc"
