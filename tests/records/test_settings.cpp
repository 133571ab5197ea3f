// The settings store shared with the game, the fixed tables and the speed setting.
#include "records/AppConfig.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject {
    Q_OBJECT
    QTemporaryDir config_;

private slots:
    void initTestCase() {
        // Before the first settings access: the store lives in a folder of this test's own.
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    }

    void storeLayout() {
        WriteSetting(QStringLiteral("TavinMatgo"), QStringLiteral("Setup"), QStringLiteral("MYID"), QStringLiteral("me01"));
        QFile f(config_.filePath(QStringLiteral("TavinMatgo.ini")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray ini = f.readAll();
        QVERIFY2(ini.contains("[Setup]") && ini.contains("MYID=me01"), ini.constData());
        QCOMPARE(ReadSetting(QStringLiteral("TavinMatgo"), QStringLiteral("Setup"), QStringLiteral("MYID")),
                 QStringLiteral("me01"));
        QCOMPARE(ReadSetting(QStringLiteral("TavinMatgo"), QStringLiteral("Setup"), QStringLiteral("NONE"), QStringLiteral("d")),
                 QStringLiteral("d"));
        DeleteSetting(QStringLiteral("TavinMatgo"), QStringLiteral("Setup"), QStringLiteral("MYID"));
        QVERIFY(ReadSetting(QStringLiteral("TavinMatgo"), QStringLiteral("Setup"), QStringLiteral("MYID")).isEmpty());
    }

    void speed_data() {
        QTest::addColumn<QString>("stored"); // "<none>" for a missing setting
        QTest::addColumn<QString>("speed");
        QTest::newRow("missing") << "<none>" << "350";
        QTest::newRow("not a number") << "abc" << "350";
        QTest::newRow("negative") << "-50" << "350";
        QTest::newRow("four characters") << "1000" << "350";
        QTest::newRow("below range") << "39" << "350";
        QTest::newRow("above range") << "351" << "350";
        QTest::newRow("lowest") << "40" << "40";
        QTest::newRow("middle") << "200" << "200";
        QTest::newRow("highest") << "350" << "350";
    }
    void speed() {
        QFETCH(QString, stored);
        QFETCH(QString, speed);
        const QString app = QStringLiteral("Tavin Software"), sec = QStringLiteral("TavinZIVI");
        if (stored == QLatin1String("<none>"))
            DeleteSetting(app, sec, QStringLiteral("SPD"));
        else
            WriteSetting(app, sec, QStringLiteral("SPD"), stored);
        QCOMPARE(ReadReplaySpeed(), speed);
    }

    void serverBase() {
        QCOMPARE(ReadServerBase(), QString::fromLatin1(DefaultServerBase));
        WriteSetting(QStringLiteral("TAVINGIBO"), QStringLiteral("OPTION"), QStringLiteral("SERVER"),
                     QStringLiteral("http://127.0.0.1:8080"));
        const ServerUrls u = MakeServerUrls(ReadServerBase());
        QCOMPARE(u.AdPage, QStringLiteral("http://127.0.0.1:8080/game/adgibo.php"));
        QCOMPARE(u.CategoryPage, QStringLiteral("http://127.0.0.1:8080/?cat=5"));
        QCOMPARE(u.ListPage, QStringLiteral("http://127.0.0.1:8080/dn/glist.php"));
        QCOMPARE(u.DownloadBase, QStringLiteral("http://127.0.0.1:8080/dn/"));
    }

    void folders() {
        const AppFolders root = MakeAppFolders(QStringLiteral("/"));
        QCOMPARE(root.AppDir, QStringLiteral("/"));
        const AppFolders f = MakeAppFolders(QStringLiteral("/opt/game"));
        QCOMPARE(f.AppDir, QStringLiteral("/opt/game/"));
        QCOMPARE(f.SoundDir, QStringLiteral("/opt/game/sounds/"));
        QCOMPARE(f.DownloadDir, QStringLiteral("/opt/game/gibos/"));
        QCOMPARE(f.DatabaseFile, QStringLiteral("/opt/game/gdata.jpm"));
        QCOMPARE(f.Title, QString::fromUtf8("타빈기보"));
        QCOMPARE(MakeImageFiles(f.ImageDir).Whatoo, QStringLiteral("/opt/game/images/whatoo.gif"));
    }

    void soundNames() {
        const auto& n = SoundNames();
        QCOMPARE(n[0], QStringLiteral("BOMB"));
        QCOMPARE(n[19], QStringLiteral("WINNER"));
        QCOMPARE(n[20], QStringLiteral("M\\AHH"));
        QCOMPARE(n[39], QStringLiteral("M\\STOP"));
        QCOMPARE(n[40], QStringLiteral("F\\AHH"));
        QCOMPARE(n[59], QStringLiteral("F\\STOP"));
        QCOMPARE(n[60], QStringLiteral("M\\1EA"));
        QCOMPARE(n[66], QStringLiteral("M\\NONO"));
        QCOMPARE(SoundFile(QStringLiteral("/g/sounds/"), 35), QStringLiteral("/g/sounds/M/HONGDAN.wav"));
        QCOMPARE(SoundFile(QStringLiteral("/g/sounds/"), 67), QString());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
