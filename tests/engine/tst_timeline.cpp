// The timeline a turn leaves for the board, action by action, and the sound decisions made when
// it is played.
#include "Scene.h"

#include <QTest>

class TstTimeline : public QObject {
    Q_OBJECT
private slots:
    void kiss();
    void ppeokWithBonusCard();
    void bombWithBombCards();
    void go();
    void dealShowsEveryCard();
    void soundLookup_data();
    void soundLookup();
    void soundSwitches_data();
    void soundSwitches();
    void clockPause_data();
    void clockPause();
};

namespace {

void compareLines(const QStringList& actual, const QStringList& expected) {
    for (int i = 0; i < std::min(actual.size(), expected.size()); ++i)
        QVERIFY2(actual[i] == expected[i], qPrintable(QStringLiteral("action %1: %2, expected %3").arg(i).arg(actual[i], expected[i])));
    QCOMPARE(actual.size(), expected.size());
}

} // namespace

// The played card finds nothing, the flipped card is of its month: KISS, the effect with its
// voice, both cards filed, one pi taken from the opponent, the hand laid out.
void TstTimeline::kiss() {
    Scene sc;
    sc.table({36}).hand(0, {0, 20}).hand(1, {40}).pile(1, {26}).deck({1, 44});
    sc.play(QStringLiteral("PS*0*0*"), true);
    compareLines(sc.actions(), {
        "Label Money p0 \"0\" @625,496",
        "Label Record p0 \"0승 0패 0무 (0%)\" @625,525",
        "CardFace 0",
        "MoveCard 0 389,456>316,150 36x55 up",
        "Sound TUCK 0.3",
        "CardFace 1",
        "Sound HOLD",
        "Pause 0.5",
        "MoveCard 1 258,230>326,158 36x55 up flash",
        "Sound CHAK 0.5",
        "FlashHide",
        "Sound KISS 0.3",
        "Effect 10 316,150 0.5",
        "Sound M\\JJOK",
        "MoveCard 0 316,150>4,515 36x55",
        "Sound TUCK",
        "Label PiCount p0 \"\" hidden",
        "MoveCard 1 326,158>245,515 36x55",
        "Sound TUCK",
        "Label PiCount p0 \"\" hidden",
        "Sound M\\1EA",
        "MoveCard 26 4,8>4,457 36x55",
        "Sound TUCK",
        "Label PiCount p0 \"\" hidden @41,469",
        "Label PiCount p0 \"1\"",
        "Label PiCount p1 \"\" hidden",
        "Label PiCount p1 \"0\" hidden",
        "Label PiCount p0 \"1\"",
        "CardPlace 20 389,456",
    });
}

// The flip first turns up a bonus card, put aside, then the third card of the played card's
// month: the pile stays with the ppeok marker, and the bonus card waits beside the deck.
void TstTimeline::ppeokWithBonusCard() {
    Scene sc;
    sc.table({36, 1}).hand(0, {0, 20}).hand(1, {40}).deck({48, 2, 44});
    sc.play(QStringLiteral("PS*0*0*"), true);
    compareLines(sc.actions(), {
        "Label Money p0 \"0\" @625,496",
        "Label Record p0 \"0승 0패 0무 (0%)\" @625,525",
        "CardFace 0",
        "MoveCard 0 389,456>326,158 36x55 up flash",
        "Sound CHAK 0.5",
        "FlashHide",
        "CardFace 48",
        "Sound HOLD",
        "Pause 0.5",
        "MoveCard 48 258,230>153,300 36x55 up",
        "Sound SANGPI 0.3",
        "CardFace 2",
        "Sound HOLD",
        "Pause 0.5",
        "MoveCard 2 258,230>336,166 36x55 up flash",
        "Sound CHAK 0.5",
        "FlashHide",
        "Label Ppeok p0 \"1\"",
        "PpeokMark 2 p0",
        "Effect 11 326,158 0.5",
        "Sound M\\SANDA",
        "Label PiCount p0 \"\" hidden",
        "CardPlace 20 389,456",
    });
}

// Three cards of a month on the fourth: they fly onto the pile, the bomb effect and sound, two
// bomb cards in hand places 9 and 8, then the flip, the captures and one pi.
void TstTimeline::bombWithBombCards() {
    Scene sc;
    sc.table({36, 3}).hand(0, {0, 1, 2, 20}).hand(1, {40}).pile(1, {26}).deck({4, 44});
    sc.play(QStringLiteral("BO*0*0*1*2*"), true);
    compareLines(sc.actions(), {
        "Label Money p0 \"0\" @625,496",
        "Label Record p0 \"0승 0패 0무 (0%)\" @625,525",
        "MoveCard 0 389,456>323,155 36x55 up",
        "MoveCard 1 428,456>330,160 36x55 up",
        "MoveCard 2 467,456>337,165 36x55 up",
        "Label Shake p0 \"1\"",
        "Effect 12 323,155 0.5",
        "Sound M\\AHH",
        "Sound BOMB 0.3",
        "BombMarker 0 p0 545,514",
        "BombMarker 1 p0 506,514",
        "CardFace 4",
        "Sound HOLD",
        "Pause 0.5",
        "MoveCard 4 258,230>187,243 36x55 up",
        "Sound TUCK 0.3",
        "MoveCard 0 323,155>4,515 36x55",
        "Sound TUCK",
        "Label PiCount p0 \"\" hidden",
        "MoveCard 1 330,160>245,515 36x55",
        "Sound TUCK",
        "Label PiCount p0 \"\" hidden",
        "MoveCard 2 337,165>4,457 36x55",
        "Sound TUCK",
        "Label PiCount p0 \"\" hidden @41,469",
        "Label PiCount p0 \"1\"",
        "CardPlace 2 4,457",
        "MoveCard 3 316,150>19,457 36x55",
        "Sound TUCK",
        "Label PiCount p0 \"1\" @56,469",
        "Label PiCount p0 \"2\"",
        "Sound M\\1EA",
        "CardPlace 2 4,457",
        "CardPlace 3 19,457",
        "MoveCard 26 4,8>34,457 36x55",
        "Sound TUCK",
        "Label PiCount p0 \"2\" @71,469",
        "Label PiCount p0 \"3\"",
        "Label PiCount p1 \"\" hidden",
        "Label PiCount p1 \"0\" hidden",
        "Label PiCount p0 \"3\"",
        "CardPlace 20 389,456",
    });
}

// Seven points after the captures and a go call: the go counter, the voice, the go picture over
// the lower half of the board, then the hand.
void TstTimeline::go() {
    Scene sc;
    sc.pile(0, {6, 7, 10, 11, 14, 15, 18, 19, 22, 23, 26, 27, 30, 31, 38, 42});
    sc.table({36, 1}).hand(0, {0, 20}).hand(1, {40}).deck({4, 44});
    sc.play(QStringLiteral("PS*0*0*GO*"), true);
    compareLines(sc.actions(), {
        "Label Money p0 \"0\" @625,496",
        "Label Record p0 \"0승 0패 0무 (0%)\" @625,525",
        "CardFace 0",
        "MoveCard 0 389,456>326,158 36x55 up flash",
        "Sound CHAK 0.5",
        "FlashHide",
        "CardFace 4",
        "Sound HOLD",
        "Pause 0.5",
        "MoveCard 4 258,230>187,243 36x55 up",
        "Sound TUCK 0.3",
        "MoveCard 0 326,158>4,515 36x55",
        "Sound TUCK",
        "Label PiCount p0 \"16\"",
        "Label Points p0 \"7\"",
        "MoveCard 1 316,150>245,515 36x55",
        "Sound TUCK",
        "Label PiCount p0 \"16\"",
        "Label Points p0 \"7\"",
        "Label PiCount p0 \"16\"",
        "Label Points p0 \"7\"",
        "Label Go p0 \"1\"",
        "Sound M\\GO1",
        "Effect 1 424,310 1.5",
        "CardPlace 20 389,456",
    });
}

void TstTimeline::dealShowsEveryCard() {
    GameRecord rec;
    for (int c = 0; c < 50; ++c) rec.whatoo += QString::number(c) + QLatin1Char('^');
    rec.runs = QStringLiteral("^");
    rec.P1 = QStringLiteral("a^b^M^100^1^0^0^");
    rec.P2 = QStringLiteral("c^d^F^200^0^1^0^");
    Replay r;
    Timeline t;
    r.timeline = &t;
    r.PrepareReplay(rec);
    r.game_START(rec);
    // Every dealt card stands face down in the slanted pile, then is dealt in groups.
    QSet<int> stacked, dealt;
    int groups = 0, shuffles = 0;
    for (const Action& a : t.actions) {
        if (a.kind == Act::CardPlace && a.faceDown) stacked.insert(a.card);
        if (a.kind == Act::DealGroup) {
            ++groups;
            for (int i = 0; i < a.count; ++i) dealt.insert(a.cards[size_t(i)]);
            QCOMPARE(int(a.count), a.player < 0 ? 4 : 5);
            QCOMPARE(a.faceUp, a.player != 1);
            QCOMPARE(int(a.w), a.player == 1 ? 15 : 36);
        }
        if (a.kind == Act::Shuffle && a.index > 0) ++shuffles;
    }
    QCOMPARE(stacked.size(), 50);
    QCOMPARE(dealt.size(), 28);
    QCOMPARE(groups, 6);
    QCOMPARE(shuffles, 9);
    QCOMPARE(t.actions.front().kind, Act::ResetBoard);
    QCOMPARE(t.actions.back().kind, Act::Sound);
    QCOMPARE(SoundNames()[size_t(t.actions.back().index)], QStringLiteral("START"));
    // Stake line, names with their voice icons.
    bool stake = false;
    for (const Action& a : t.actions)
        if (a.kind == Act::Label && a.index == int(LabelId::StakeInfo)) stake = a.text == QStringLiteral("점당 100점, 서비스피: 2장");
    QVERIFY(stake);
    QVERIFY(r.s.TimerOn);
}

void TstTimeline::soundLookup_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("slot");
    QTest::newRow("effect") << "TUCK" << "" << "TUCK";
    QTest::newRow("male voice") << "HONGDAN" << "M" << "M\\HONGDAN";
    QTest::newRow("female voice") << "HONGDAN" << "F" << "F\\HONGDAN";
    QTest::newRow("male only") << "1EA" << "M" << "M\\1EA";
    QTest::newRow("no female kiss voice") << "JJOK" << "F" << "BOMB";
    QTest::newRow("go ten does not exist") << "GO10" << "M" << "BOMB";
    QTest::newRow("case matters") << "godori" << "M" << "BOMB";
    QTest::newRow("an effect is no voice") << "TUCK" << "M" << "BOMB";
    QTest::newRow("blank voice") << "GO1" << " " << "BOMB";
}

void TstTimeline::soundLookup() {
    QFETCH(QString, name);
    QFETCH(QString, voice);
    QFETCH(QString, slot);
    QCOMPARE(SoundNames()[size_t(ResolveSoundSlot(name, voice))], slot);
}

void TstTimeline::soundSwitches_data() {
    QTest::addColumn<QString>("effects");
    QTest::addColumn<QString>("voices");
    QTest::addColumn<bool>("minimised");
    QTest::addColumn<bool>("effectHeard");
    QTest::addColumn<bool>("voiceHeard");
    QTest::newRow("switches unset") << "" << "" << false << true << true;
    QTest::newRow("both on") << "1" << "1" << false << true << true;
    QTest::newRow("both off") << "0" << "0" << false << false << false;
    QTest::newRow("voices off") << "1" << "0" << false << true << false;
    QTest::newRow("effects off") << "0" << "1" << false << false << true;
    QTest::newRow("minimised") << "1" << "1" << true << false << false;
}

void TstTimeline::soundSwitches() {
    QFETCH(QString, effects);
    QFETCH(QString, voices);
    QFETCH(bool, minimised);
    QTEST(SoundAudible(effects, voices, minimised, false), "effectHeard");
    QTEST(SoundAudible(effects, voices, minimised, true), "voiceHeard");
}

void TstTimeline::clockPause_data() {
    QTest::addColumn<int>("second");
    QTest::addColumn<double>("pause");
    QTest::newRow("1") << 41 << 0.5;
    QTest::newRow("2") << 2 << 0.5;
    QTest::newRow("3") << 13 << 1.0;
    QTest::newRow("6") << 56 << 1.5;
    QTest::newRow("8") << 28 << 2.0;
    QTest::newRow("9") << 9 << 2.5;
    QTest::newRow("0") << 30 << 2.5;
}

void TstTimeline::clockPause() {
    QFETCH(int, second);
    QTEST(ClockPauseSeconds(second), "pause");
}

QTEST_APPLESS_MAIN(TstTimeline)
#include "tst_timeline.moc"
