// Record files: the character shift, the reader's checks in their order, the writer, round trips.
#include "records/RecordFile.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A small valid record in plain (unscrambled) text form.
GameRecord sampleRecord() {
    GameRecord r;
    r.wtime = QStringLiteral("2024-05-01 09:05:07");
    r.P1 = QString::fromUtf8("바람돌이^tavin01^M^1500000^10^5^1^");
    r.P2 = QString::fromUtf8("꽃순이^flower^F^-35000^3^2^0^");
    r.whatoo = QStringLiteral("0^1^2^3^");
    r.runs = QStringLiteral("PS*0*12*^PS*1*5*CH*4*GO*^");
    r.options = QStringLiteral("MI*-1^JD*100^EN*7^");
    r.cont = QString::fromUtf8("첫판부터 고고");
    r.id = QStringLiteral("tavin01");
    r.gos = QStringLiteral("-2");
    r.tags = QString::fromUtf8("연습");
    return r;
}

// The bytes of a file whose plain text is `text` (scrambled as the game does, unquoted).
QByteArray scrambled(const QString& text) {
    return cp949::codesToBytes(ShiftEncodeCodes(cp949::textToCodes(text), 1));
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void shift_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("shifted");
        QTest::newRow("ascii letters") << "abc" << "bcd";
        QTest::newRow("terminator") << "@@" << "AA";
        QTest::newRow("hangul trail byte grows") << QString::fromUtf8("가") << QString::fromUtf8("각");
        QTest::newRow("mixed") << QString::fromUtf8("가a^") << QString::fromUtf8("각b_");
        QTest::newRow("empty") << "" << "";
    }
    void shift() {
        QFETCH(QString, plain);
        QFETCH(QString, shifted);
        QCOMPARE(ShiftEncode(plain, 1), shifted);
        QCOMPARE(ShiftDecode(shifted, 1), plain);
    }

    void shiftOnCodes() {
        // Double-byte codes are negative; the shift works on the signed value.
        const cp949::Codes ga = cp949::textToCodes(QString::fromUtf8("가"));
        QCOMPARE(ga, cp949::Codes{int(int16_t(0xB0A1))});
        QCOMPARE(ShiftEncodeCodes(ga, 1), cp949::Codes{int(int16_t(0xB0A2))});
        // The encoder wraps 256 and above back by 255; the amount is capped at 128.
        QCOMPARE(ShiftEncodeCodes({255}, 1), cp949::Codes{1});
        QCOMPARE(ShiftEncodeCodes({1}, 500), cp949::Codes{129});
        QCOMPARE(ShiftDecodeCodes({200}, 500), cp949::Codes{72});
    }

    void codePageEdges() {
        // A character the code page lacks is written as one "?", a pair of surrogates included.
        QCOMPARE(cp949::encode(QString::fromUtf8("aก😀b")), QByteArray("a??b"));
        // Bytes that are no character decode to U+FFFD and never crash.
        const QString bad = cp949::decode(QByteArray("\xc9\x41\x80\xff\x81", 5));
        QCOMPARE(bad.size(), 4);
        for (QChar c : bad) QCOMPARE(c, QChar(QChar::ReplacementCharacter));
        QCOMPARE(cp949::decode(QByteArray("\xb0\xa1")), QString::fromUtf8("가"));
    }

    void readValid() {
        GameRecord r;
        QString why;
        QVERIFY2(ReadRecordBytes(RecordFileBytes(sampleRecord()), r, &why), qPrintable(why));
        GameRecord expected = sampleRecord();
        QCOMPARE(r, expected);
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("value");
        QTest::newRow("plus in title") << "cont" << QString::fromUtf8("광박+피박");
        QTest::newRow("plus and bang") << "tags" << QString::fromUtf8("a+b");
        QTest::newRow("tab in memo tags") << "tags" << "left\tright";
        QTest::newRow("leading blank wtime") << "wtime" << " 2024";
        QTest::newRow("quote in title") << "cont" << QString::fromUtf8("\"인용\" 기보");
        QTest::newRow("hangul and symbols") << "tags" << QString::fromUtf8("고도리·홍단 ★");
        QTest::newRow("hanja") << "cont" << QString::fromUtf8("光 五光");
    }
    void roundTrip() {
        QFETCH(QString, fieldName);
        QFETCH(QString, value);
        GameRecord in = sampleRecord();
        in.field(GameRecord::fieldIndex(fieldName)) = value;
        GameRecord out;
        QString why;
        QVERIFY2(ReadRecordBytes(RecordFileBytes(in), out, &why), qPrintable(why));
        QCOMPARE(out.field(GameRecord::fieldIndex(fieldName)), value);
        QCOMPARE(out, in);
    }

    void plusBesideBangIsLost() {
        // "+" scrambles to a comma and "!" to a double quote: when both occur the line cannot be
        // quoted, and the reader drops the comma as the game's own reader does.
        GameRecord in = sampleRecord();
        in.cont = QStringLiteral("a+b!");
        GameRecord out;
        QVERIFY(ReadRecordBytes(RecordFileBytes(in), out));
        QCOMPARE(out.cont, QStringLiteral("ab!"));
    }

    void writerAddsMemoAndUrlAfterTags() {
        GameRecord in = sampleRecord();
        in.memo = QString::fromUtf8("메모");
        in.myurl = QStringLiteral("http://x.example/");
        const QString text = ComposeRecordText(in);
        QVERIFY(text.endsWith(QString::fromUtf8("@@연습@@메모@@http://x.example/@@")));
        QCOMPARE(text.count(QLatin1String("@@")), 12);
        GameRecord out;
        QVERIFY(ReadRecordBytes(RecordFileBytes(in), out));
        QCOMPARE(out.tags, in.tags);
        QVERIFY(out.memo.isEmpty());
        QVERIFY(out.myurl.isEmpty());
    }

    void lineEndingAndSlashes() {
        const QString text = QString::fromUtf8(
            "2024@@nick^id^M^0^0^0^0^@@b^i^F^0^0^0^0^@@1^2^@@PS/0/12/^@@ title @@JD/100/x^@@me@@3@@");
        QByteArray bytes = scrambled(text);
        // Split over several lines with mixed line ends: reads the same.
        bytes.insert(30, "\r\n");
        bytes.insert(10, "\n");
        bytes.insert(5, "\r");
        GameRecord r;
        QString why;
        QVERIFY2(ReadRecordBytes(bytes, r, &why), qPrintable(why));
        QCOMPARE(r.runs, QStringLiteral("PS*0*12*^"));
        QCOMPARE(r.options, QStringLiteral("JD*100*x^"));
        QCOMPARE(r.cont, QStringLiteral("title"));
        QCOMPARE(r.gos, QStringLiteral("3"));
        QCOMPARE(r.P2, QStringLiteral("b^i^F^0^0^0^0^"));
    }

    void quotedItemsKeepCommas() {
        // A quoted item keeps its commas ("+" scrambled); blanks before the opening quote and
        // anything between the closing quote and the line end are dropped.
        const QByteArray plain = scrambled(QStringLiteral("w@@n^i^M^0^0^0^0^@@b^i^F^0^0^0^0^@@1^@@PS*0*1*^@@t+1@@JD*1^@@x@@@@"));
        QVERIFY(plain.contains(','));
        const QByteArray bytes = "  \"" + plain + "\"junk\r\n";
        GameRecord r;
        QString why;
        QVERIFY2(ReadRecordBytes(bytes, r, &why), qPrintable(why));
        QCOMPARE(r.cont, QStringLiteral("t+1"));
        QCOMPARE(r.id, QStringLiteral("x"));
    }

    void crLfPairsRemovedFromListFields() {
        // Line breaks inside the record text (scrambled, so they survive the reading) are
        // removed from wtime, the player lines, the deal, the moves and the options only.
        GameRecord r;
        QString why;
        QVERIFY2(ReadRecordBytes(scrambled(QStringLiteral(
                     "w\r\n1@@n^i^M\r\n^0^0^0^0^@@b^\r\n@@1^\r\n@@PS*0*1*^\r\n@@t@@JD*1^\r\n@@x\r\n@@@@")),
                                 r, &why),
                 qPrintable(why));
        QCOMPARE(r.wtime, QStringLiteral("w1"));
        QCOMPARE(r.P1, QStringLiteral("n^i^M^0^0^0^0^"));
        QCOMPARE(r.P2, QStringLiteral("b^"));
        QCOMPARE(r.options, QStringLiteral("JD*1^"));
        QCOMPARE(r.id, QStringLiteral("x\r\n"));
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only line breaks") << QByteArray("\r\n\r\n");
        QTest::newRow("no final terminator")
            << scrambled("w@@a^@@b^@@1^@@PS*0*1*^@@t@@JD*1^@@i@@g");
        QTest::newRow("truncated") << scrambled("w@@a^@@b^@@1^@@PS*0*1*^@@t@@JD*1^@@i@@g@@").left(20);
        QTest::newRow("first player unterminated") << scrambled("w@@a@@b^@@1^@@PS*0*1*^@@t@@JD*1^@@i@@g@@");
        QTest::newRow("second player unterminated") << scrambled("w@@a^@@b@@1^@@PS*0*1*^@@t@@JD*1^@@i@@g@@");
        QTest::newRow("deal unterminated") << scrambled("w@@a^@@b^@@1@@PS*0*1*^@@t@@JD*1^@@i@@g@@");
        QTest::newRow("moves unterminated") << scrambled("w@@a^@@b^@@1^@@PS*0*1*@@t@@JD*1^@@i@@g@@");
        QTest::newRow("options unterminated") << scrambled("w@@a^@@b^@@1^@@PS*0*1*^@@t@@JD*1@@i@@g@@");
        QTest::newRow("title of blanks") << scrambled("w@@a^@@b^@@1^@@PS*0*1*^@@   @@JD*1^@@i@@g@@");
        QTest::newRow("only the terminator") << scrambled("@@");
        QTest::newRow("plain text, not scrambled")
            << QByteArray("w@@a^@@b^@@1^@@PS*0*1*^@@t@@JD*1^@@i@@g@@");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe\x80\x81\x00@@AA", 12);
        QTest::newRow("oversized") << QByteArray(int(MaxRecordFileSize) + 1, 'A');
    }
    void refused() {
        QFETCH(QByteArray, bytes);
        GameRecord r = sampleRecord();
        const GameRecord before = r;
        QString why;
        QVERIFY(!ReadRecordBytes(bytes, r, &why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(r, before); // a refused file changes nothing
    }

    void shortFileLeavesNoOldValues() {
        // Seven parts: options is the last one present; id, gos and tags come out empty.
        GameRecord r = sampleRecord();
        QVERIFY(ReadRecordBytes(scrambled("w@@a^@@b^@@1^@@PS*0*1*^@@t@@JD*1^@@"), r));
        QCOMPARE(r.options, QStringLiteral("JD*1^"));
        QVERIFY(r.id.isEmpty());
        QVERIFY(r.gos.isEmpty());
        QVERIFY(r.tags.isEmpty());
    }

    void files() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.GBO"));
        QVERIFY(WriteRecordFile(path, sampleRecord()));
        GameRecord r;
        QVERIFY(ReadRecordFile(path, r));
        QCOMPARE(r, sampleRecord());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.endsWith("AA\r\n"));
        QCOMPARE(bytes.count('\n'), 1);
        QString why;
        QVERIFY(!ReadRecordFile(dir.filePath(QStringLiteral("missing.gbo")), r, &why));
        QVERIFY(!ReadRecordFile(dir.path(), r, &why)); // a folder is no record file
        QFile big(dir.filePath(QStringLiteral("big.gbo")));
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(RecordFileBytes(sampleRecord()));
        big.write(QByteArray(int(MaxRecordFileSize), ' '));
        big.close();
        QVERIFY(!ReadRecordFile(big.fileName(), r, &why));
        QVERIFY(!WriteRecordFile(dir.filePath(QStringLiteral("no/such/folder/x.gbo")), sampleRecord()));
    }

    void fileName() {
        QCOMPARE(RecordFileName(QDateTime(QDate(2024, 5, 1), QTime(9, 5, 7))), QStringLiteral("TGIBO-202451957.gbo"));
        QCOMPARE(RecordFileName(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 0))),
                 QStringLiteral("TGIBO-2026123123590.gbo"));
    }

    void recordSyntax() {
        // A deal of 48 numbers splits into 49 pieces; a move into items with an empty last one.
        QString deal;
        for (int i = 0; i < 48; ++i) deal += QString::number(i) + QLatin1Char('^');
        QCOMPARE(deal.split(QLatin1Char('^')).size(), 49);
        QCOMPARE(QStringLiteral("PS*0*12*").split(QLatin1Char('*')).size(), 4);
        const QList<RecordOption> opts = ReadOptionList(QStringLiteral("JD*100*more text^EN*7^MI*3"));
        QCOMPARE(opts.size(), 2); // the last option lacks its "^"
        QCOMPARE(opts[0].value, QStringLiteral("100"));
        QCOMPARE(opts[1].code, QStringLiteral("EN"));
        const QStringList items = SplitPlayerLine(QStringLiteral("nick^id^"));
        QCOMPARE(items.size(), 7);
        QCOMPARE(items[6], QString());
    }

    void resultText_data() {
        QTest::addColumn<QString>("gos");
        QTest::addColumn<bool>("loss");
        QTest::addColumn<int>("goCount");
        QTest::newRow("lost after three go") << "-3" << true << 3;
        QTest::newRow("won after two go") << "2" << false << 2;
        QTest::newRow("won without go, empty") << "" << false << 0;
        QTest::newRow("won without go, zero") << "0" << false << 0;
        QTest::newRow("lost without go") << "-" << true << 0;
    }
    void resultText() {
        QFETCH(QString, gos);
        QFETCH(bool, loss);
        QFETCH(int, goCount);
        QCOMPARE(ResultIsLoss(gos), loss);
        QCOMPARE(ResultGoCount(gos), goCount);
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
