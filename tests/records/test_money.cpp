// Money in myriad units, the player summary line and the stop-score text.
#include "records/MoneyText.h"

#include <QTest>

class TestMoney : public QObject {
    Q_OBJECT
private slots:
    void formatMoney_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        const char* rows[][2] = {{"0", "0"},
                                 {"5000", "5000"},
                                 {"10000", "1만"},
                                 {"20001", "2만1"},
                                 {"35000", "3만5000"},
                                 {"-35000", "3만5000"},
                                 {"1500000", "150만"},
                                 {"99990000", "9999만"},
                                 {"123456789", "1억2345만6789"},
                                 {"100000000", "1억"},
                                 {"100010001", "1억1만1"},
                                 {"1000000001", "10억1"},
                                 {"1000500000", "10억50만"},
                                 {"1005000000", "10억500만"},
                                 {"1000000000000", "1조"},
                                 {"12345678901234567", "1경2345조6789억123만4567"},
                                 {"", ""},
                                 {"--5-0", "50"}};
        for (auto& r : rows)
            QTest::newRow(r[0][0] ? r[0] : "empty") << QString::fromUtf8(r[0]) << QString::fromUtf8(r[1]);
    }
    void formatMoney() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(FormatMoney(in), out);
    }

    void moneyDigits_data() {
        QTest::addColumn<double>("money");
        QTest::addColumn<QString>("digits");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative") << -35000.0 << "-35000";
        QTest::newRow("just below 10^15") << 999999999999999.0 << "999999999999999";
        QTest::newRow("10^15 in plain digits") << 1e15 << "1000000000000000";
        QTest::newRow("1.5 * 10^16") << 1.5e16 << "15000000000000000";
        QTest::newRow("fraction") << 1234.5 << "1234.5";
    }
    void moneyDigits() {
        QFETCH(double, money);
        QFETCH(QString, digits);
        QCOMPARE(MoneyDigits(money), digits);
        QCOMPARE(FormatMoney(MoneyDigits(1e15)), QString::fromUtf8("1000조"));
    }

    void playerSummary() {
        const QString line = QStringLiteral("nick^id1^M^1500000^10^5^1^");
        QCOMPARE(PlayerSummary(0, line), QString::fromUtf8("nick(id1) 150만점 10승 5패 1무"));
        QCOMPARE(PlayerSummary(1, line), QString::fromUtf8("nick 150만점 10승 5패 1무"));
        QCOMPARE(PlayerSummary(1, QStringLiteral("a^b^F^-35000^")), QString::fromUtf8("a 3만5000점 승 패 무"));
        QCOMPARE(PlayerSummary(0, QString()), QString::fromUtf8("() 점 승 패 무"));
    }

    void stopScoreText() {
        QCOMPARE(StopScoreText(QStringLiteral("EN*7^JD*100^")), QStringLiteral("(7) "));
        QCOMPARE(StopScoreText(QStringLiteral("JD*100^MI*2^")), QString());
        QCOMPARE(StopScoreText(QStringLiteral("EN*7^JD*1^EN*5^")), QStringLiteral("(7) (5) "));
        QCOMPARE(StopScoreText(QStringLiteral("JD*1^EN*7")), QString()); // no final "^": not read
    }
};

QTEST_GUILESS_MAIN(TestMoney)
#include "test_money.moc"
