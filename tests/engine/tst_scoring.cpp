// Points from captured cards, go and stop, the settlement with its multipliers and texts, special
// wins, the draw, missions, and the texts of the players' panels.
#include "Scene.h"

#include "scoring/Missions.h"
#include "scoring/Settlement.h"

#include <QTest>

using Cards = QList<int>;

namespace {

// Six ribbons with 홍단 and 청단: 2 + 3 + 3 = 8 points and no 박 on the loser.
const Cards EightFromRibbons = {1, 5, 9, 21, 33, 37};
// Seventeen single pi: 17 - 9 = 8 points.
const Cards SeventeenPi = {6, 7, 10, 11, 14, 15, 18, 19, 22, 23, 26, 27, 30, 31, 38, 42, 43};

QString crlf(QString s) { return s.replace(QLatin1String("\n"), QLatin1String("\r\n")); }

} // namespace

class TstScoring : public QObject {
    Q_OBJECT
private slots:
    void countScore_data();
    void countScore();
    void combinationVoiceOnlyOnce();
    void pointsCounterKeepsLastValue();
    void settleWin_data();
    void settleWin();
    void specialWin_data();
    void specialWin();
    void chongtongAfterBonusCard();
    void draw();
    void missionRate_data();
    void missionRate();
    void missionShownOnceBeforeFirstMove();
    void goStop_data();
    void goStop();
    void gukjinChosenAsPi();
    void gukjinKeptAsAnimalStillCalls();
    void panelTexts();
    void initUser();
};

void TstScoring::countScore_data() {
    QTest::addColumn<Cards>("won");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("brightPoints");
    QTest::addColumn<int>("piPoints");
    QTest::addColumn<int>("piValue");
    QTest::addColumn<int>("animalDouble");
    QTest::addColumn<QStringList>("voices");

    const QStringList none;
    QTest::newRow("three brights") << Cards{0, 8, 28} << 3 << 3 << 0 << 0 << 0 << none;
    QTest::newRow("three brights with the rain bright") << Cards{0, 8, 44} << 2 << 2 << 0 << 0 << 0 << none;
    QTest::newRow("four brights with the rain bright") << Cards{0, 8, 28, 44} << 4 << 4 << 0 << 0 << 0 << none;
    QTest::newRow("five brights") << Cards{0, 8, 28, 40, 44} << 20 << 20 << 0 << 0 << 0 << none;
    QTest::newRow("four animals") << Cards{16, 20, 24, 36} << 0 << 0 << 0 << 0 << 0 << none;
    QTest::newRow("five animals") << Cards{16, 20, 24, 36, 45} << 1 << 0 << 0 << 0 << 0 << none;
    QTest::newRow("six animals") << Cards{16, 20, 24, 36, 45, 32} << 2 << 0 << 0 << 0 << 0 << none;
    QTest::newRow("seven animals") << Cards{16, 20, 24, 36, 45, 32, 4} << 3 << 0 << 0 << 0 << 1 << none;
    QTest::newRow("godori") << Cards{4, 12, 29} << 5 << 0 << 0 << 0 << 0 << QStringList{"M\\GODORI"};
    QTest::newRow("two birds") << Cards{4, 12} << 0 << 0 << 0 << 0 << 0 << none;
    QTest::newRow("hongdan") << Cards{1, 5, 9} << 3 << 0 << 0 << 0 << 0 << QStringList{"M\\HONGDAN"};
    QTest::newRow("chungdan") << Cards{21, 33, 37} << 3 << 0 << 0 << 0 << 0 << QStringList{"M\\CHUNGDAN"};
    QTest::newRow("chodan") << Cards{13, 17, 25} << 3 << 0 << 0 << 0 << 0 << QStringList{"M\\CHODAN"};
    // The voices come as the cards complete each set, in filing order.
    QTest::newRow("all three ribbon sets") << Cards{1, 5, 9, 21, 33, 37, 13, 17, 25} << 14 << 0 << 0 << 0 << 0
                                           << QStringList{"M\\HONGDAN", "M\\CHUNGDAN", "M\\CHODAN"};
    QTest::newRow("nine pi") << Cards{2, 3, 6, 7, 10, 11, 14, 15, 18} << 0 << 0 << 0 << 9 << 0 << none;
    QTest::newRow("ten pi") << Cards{2, 3, 6, 7, 10, 11, 14, 15, 18, 19} << 1 << 0 << 1 << 10 << 0 << none;
    QTest::newRow("fifteen in value") << Cards{2, 3, 6, 7, 10, 11, 14, 15, 18, 41, 47, 48} << 6 << 0 << 6 << 15 << 0 << none;
    QTest::newRow("five double pi") << Cards{41, 47, 48, 49, 50} << 1 << 0 << 1 << 10 << 0 << none;
    QTest::newRow("no pi") << Cards{0} << 0 << 0 << 0 << 0 << 0 << none;
}

void TstScoring::countScore() {
    QFETCH(Cards, won);
    Scene sc;
    sc.r.soundLog = &sc.sounds;
    for (int c : won) sc.r.CaptureCard(0, c);
    sc.r.soundLog = nullptr;
    const PlayerState& p = sc.r.s.Players[0];
    QTEST(int(p.Score), "score");
    QTEST(int(p.BrightPoints), "brightPoints");
    QTEST(int(p.PiPoints), "piPoints");
    QTEST(int(sc.r.s.View.Labels[0].PiValue), "piValue");
    QCOMPARE(sc.r.s.View.Labels[0].PiVisible, sc.r.s.View.Labels[0].PiValue > 0);
    QTEST(int(p.AnimalDouble), "animalDouble");
    QCOMPARE(int(p.CardCount), int(won.size()));
    QCOMPARE(int(p.BrightCount + p.AnimalCount + p.RibbonCount + p.PiCount), int(won.size()));
    QStringList voices;
    for (const QString& s : sc.soundNames())
        if (s != QLatin1String("TUCK")) voices.append(s);
    QTEST(voices, "voices");
}

void TstScoring::combinationVoiceOnlyOnce() {
    Scene sc(QLatin1Char('F'));
    sc.r.soundLog = &sc.sounds;
    sc.pile(0, {1, 5, 9});
    sc.r.CountScore(0);
    sc.pile(0, {13});
    QCOMPARE(sc.r.s.Players[0].Score, int16_t(3));
    QCOMPARE(int(sc.soundNames().count(QStringLiteral("F\\HONGDAN"))), 1);
}

void TstScoring::pointsCounterKeepsLastValue() {
    Scene sc;
    sc.pile(0, {2, 3, 6, 7, 10, 11, 14, 15, 18, 41, 47}); // value 13: 4 points
    QCOMPARE(sc.r.s.View.Labels[0].Points, int16_t(4));
    sc.r.TakePi(1, 5);
    QCOMPARE(sc.r.s.Players[0].Score, int16_t(0));
    QCOMPARE(sc.r.s.View.Labels[0].Points, int16_t(4));
}

// Player `winner` wins; he holds `won`, the loser holds `lost`.
void TstScoring::settleWin_data() {
    QTest::addColumn<int>("winner");
    QTest::addColumn<Cards>("won");
    QTest::addColumn<Cards>("lost");
    QTest::addColumn<int>("goCount");
    QTest::addColumn<int>("lastGoSeat");
    QTest::addColumn<int>("shakes");
    QTest::addColumn<int>("firstPpeok");
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("text");

    const QString base = QStringLiteral("JD*100^");
    QTest::newRow("worked example") << 0 << SeventeenPi << Cards{2, 3, 34, 35, 39} << 3 << 0 << 0 << 0 << base << 44
                                    << "(고3회) (피박x2) \n44 x 100점\n4,400점 획득";
    QTest::newRow("no multiplier") << 0 << EightFromRibbons << Cards{2} << 0 << -1 << 0 << 0 << base << 8 << "\n8 x 100점\n800점 획득";
    QTest::newRow("one go adds a point") << 0 << EightFromRibbons << Cards{2} << 1 << 0 << 0 << 0 << base << 9 << "(고1회) \n9 x 100점\n900점 획득";
    QTest::newRow("two go") << 0 << EightFromRibbons << Cards{2} << 2 << 0 << 0 << 0 << base << 10 << "(고2회) \n10 x 100점\n1,000점 획득";
    QTest::newRow("three go double") << 0 << EightFromRibbons << Cards{2} << 3 << 0 << 0 << 0 << base << 22 << "(고3회) \n22 x 100점\n2,200점 획득";
    QTest::newRow("four go quadruple") << 0 << EightFromRibbons << Cards{2} << 4 << 0 << 0 << 0 << base << 48 << "(고4회) \n48 x 100점\n4,800점 획득";
    QTest::newRow("two shakes") << 0 << EightFromRibbons << Cards{2} << 0 << -1 << 2 << 0 << base << 32 << "(흔듬X2회) \n32 x 100점\n3,200점 획득";
    QTest::newRow("first-move ppeok") << 0 << EightFromRibbons << Cards{2} << 0 << -1 << 0 << 1 << base << 16 << "(첫뻑X2배) \n16 x 100점\n1,600점 획득";
    QTest::newRow("loser called the last go") << 0 << EightFromRibbons << Cards{2} << 0 << 1 << 0 << 0 << base << 16 << "(고박x2) \n16 x 100점\n1,600점 획득";
    QTest::newRow("mission fulfilled") << 0 << EightFromRibbons << Cards{2} << 0 << -1 << 0 << 0 << "MI*2^JD*100^" << 16 << "(미션x2배) \n16 x 100점\n1,600점 획득";
    QTest::newRow("mission failed") << 0 << EightFromRibbons << Cards{2} << 0 << -1 << 0 << 0 << "MI*4^JD*100^" << 8 << "\n8 x 100점\n800점 획득";
    QTest::newRow("no bright with the rain bright") << 0 << (EightFromRibbons + Cards{0, 8, 44}) << Cards{2} << 0 << -1 << 0 << 0 << base << 20 << "(광박x2) \n20 x 100점\n2,000점 획득";
    QTest::newRow("no pi counts cards, not value") << 0 << (EightFromRibbons + Cards{2, 3, 6, 7, 10, 11, 14, 15, 18, 19}) << Cards{41, 47, 48, 49} << 0 << -1 << 0 << 0 << base << 18 << "(피박x2) \n18 x 100점\n1,800점 획득";
    QTest::newRow("no animal") << 0 << (EightFromRibbons + Cards{16, 20, 24, 36, 45}) << Cards{2} << 0 << -1 << 0 << 0 << base << 18 << "(멍박x2) \n18 x 100점\n1,800점 획득";
    QTest::newRow("seven animals") << 0 << (EightFromRibbons + Cards{16, 20, 24, 36, 45, 4, 32}) << Cards{2} << 0 << -1 << 0 << 0 << base << 44 << "(멍따x2) (멍박x2) \n44 x 100점\n4,400점 획득";
    QTest::newRow("five brights: twenty more after the go, before the shake") << 0 << Cards{0, 8, 28, 40, 44} << Cards{2} << 3 << 0 << 1 << 0 << base << 264
                                                                             << "(고3회) (오광 20점추가) (흔듬X1회) (광박x2) \n264 x 100점\n26,400점 획득";
    QTest::newRow("streak for player 0") << 0 << EightFromRibbons << Cards{2} << 0 << -1 << 0 << 0 << "JD*100^FT*1^" << 80 << "(5연승성공x10배) \n80 x 100점\n8,000점 획득";
    QTest::newRow("no streak when player 1 wins") << 1 << EightFromRibbons << Cards{2} << 0 << -1 << 0 << 0 << "JD*100^FT*1^" << 8 << "\n8 x 100점\n800점 획득";
    QTest::newRow("loser without a card") << 0 << EightFromRibbons << Cards{} << 1 << 0 << 0 << 0 << base << 0 << "(고1회) \n0 x 100점\n점 획득";
    QTest::newRow("stake that is no number") << 0 << EightFromRibbons << Cards{2} << 0 << -1 << 0 << 0 << "JD*abc^" << 8 << "\n8 x abc점\n점 획득";
    QTest::newRow("points beyond 16 bits stay") << 0 << EightFromRibbons << Cards{2} << 0 << -1 << 14 << 0 << base << 8 << "(흔듬X14회) \n8 x 100점\n800점 획득";
}

void TstScoring::settleWin() {
    QFETCH(int, winner);
    QFETCH(Cards, won);
    QFETCH(Cards, lost);
    QFETCH(QString, options);
    QFETCH(int, points);
    QFETCH(QString, text);
    Scene sc;
    GameRecord rec;
    rec.options = options;
    sc.r.PrepareReplay(rec);
    sc.r.s.Players[0].Money = 5000;
    sc.r.s.Players[1].Money = 5000;
    for (int c : won) sc.r.CaptureCard(winner, c);
    for (int c : lost) sc.r.CaptureCard(1 - winner, c);
    PlayerState& w = sc.r.s.Players[size_t(winner)];
    QFETCH(int, goCount);
    QFETCH(int, lastGoSeat);
    QFETCH(int, shakes);
    QFETCH(int, firstPpeok);
    w.GoCount = int16_t(goCount);
    w.ShakeCount = int16_t(shakes);
    w.FirstPpeok = int16_t(firstPpeok);
    sc.r.s.Round.LastGoSeat = int16_t(lastGoSeat);
    sc.r.soundLog = &sc.sounds;
    sc.r.SettleWin(winner);

    QCOMPARE(sc.r.s.End, Ending::Win);
    QCOMPARE(sc.r.s.Points, points);
    QCOMPARE(ResultBodyText(sc.r.s), crlf(text));
    QCOMPARE(ResultTitleText(sc.r.s), QStringLiteral("(") + w.Nick + QStringLiteral(")님 승리~ 짝짝!"));
    const double money = sc.r.s.Round.PointValue == u"abc" ? 0 : points * 100.0;
    QCOMPARE(sc.r.s.MoneyBooked, money);
    QCOMPARE(sc.r.s.Players[size_t(winner)].Money, 5000 + money);
    QCOMPARE(sc.r.s.Players[size_t(1 - winner)].Money, 5000 - money);
    QCOMPARE(sc.r.s.Players[size_t(winner)].Wins, 1);
    QCOMPARE(sc.r.s.Players[size_t(1 - winner)].Losses, 1);
    QCOMPARE(sc.r.s.TopLeads, int16_t(winner));
    QVERIFY(sc.r.s.View.ResultShown);
    const QStringList heard = sc.soundNames();
    QCOMPARE(heard.mid(heard.size() - 2), winner == 0 ? (QStringList{"M\\GOOD", "WINNER"}) : (QStringList{"M\\NOTGOOD", "LOSE"}));
    if (options.startsWith(QLatin1String("MI"))) QCOMPARE(int(sc.r.s.View.ResultMark), points == 16 ? 0 : 1);
    else QCOMPARE(int(sc.r.s.View.ResultMark), -1);
    // One settlement per hand: a second one changes nothing.
    sc.r.SettleDraw();
    QCOMPARE(sc.r.s.End, Ending::Win);
}

void TstScoring::specialWin_data() {
    QTest::addColumn<int>("winner");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("options");
    QTest::addColumn<double>("money");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("four of a month") << 0 << "C" << "JD*100^" << 1000.0 << "아래님 총통승!" << "총통으로 승리\n<10배> 적용\n\n1,000점 획득\n";
    QTest::newRow("three ppeok") << 1 << "P" << "JD*100^" << 10000.0 << "위님 3뻑승!" << "3뻑으로 승리\n점당점수x100배적용\n\n10,000점 획득\n";
    QTest::newRow("three ppeok with the streak") << 0 << "P" << "JD*100^FT*1^" << 100000.0 << "아래님 3뻑승!"
                                                 << "3뻑으로 승리\n점당점수x100배적용\n\n(5연승성공x10배) 100,000점 획득\n";
    QTest::newRow("no streak for player 1") << 1 << "C" << "JD*100^FT*1^" << 1000.0 << "위님 총통승!" << "총통으로 승리\n<10배> 적용\n\n1,000점 획득\n";
    QTest::newRow("stake that is no number books nothing") << 0 << "C" << "JD*x^" << 0.0 << "아래님 총통승!" << "총통으로 승리\n<10배> 적용\n\n점 획득\n";
}

void TstScoring::specialWin() {
    QFETCH(int, winner);
    QFETCH(QString, kind);
    QFETCH(QString, options);
    QFETCH(double, money);
    Scene sc;
    GameRecord rec;
    rec.options = options;
    sc.r.PrepareReplay(rec);
    sc.r.SettleSpecialWin(winner, kind[0].toLatin1());
    QCOMPARE(sc.r.s.End, kind == u"C" ? Ending::Chongtong : Ending::ThreePpeok);
    QCOMPARE(sc.r.s.MoneyBooked, money);
    QCOMPARE(sc.r.s.Players[size_t(winner)].Money, money);
    QCOMPARE(sc.r.s.Players[size_t(1 - winner)].Money, -money);
    QTEST(ResultTitleText(sc.r.s), "title");
    QFETCH(QString, text);
    QCOMPARE(ResultBodyText(sc.r.s), crlf(text));
    QCOMPARE(sc.r.s.TopLeads, int16_t(0)); // left as it was
}

void TstScoring::chongtongAfterBonusCard() {
    // Player 0 plays a bonus card and draws the fourth card of a month into his hand.
    Scene sc;
    sc.table({36}).hand(0, {48, 0, 1, 2, 20}).hand(1, {40}).deck({3, 44});
    sc.play(QStringLiteral("SP*0*48*"));
    QCOMPARE(sc.r.s.End, Ending::Chongtong);
    QCOMPARE(sc.r.s.Winner, int8_t(0));
    QCOMPARE(sc.r.s.Players[0].MoveCount, int16_t(0)); // a bonus card uses no turn
    QVERIFY(sc.soundNames().contains(QStringLiteral("CHONG")));
    QVERIFY(sc.captured(0).contains(48));
}

void TstScoring::draw() {
    Scene sc(QLatin1Char('F'));
    sc.r.s.Players[0].Money = 700;
    sc.r.soundLog = &sc.sounds;
    sc.r.SettleDraw();
    QCOMPARE(sc.r.s.End, Ending::Draw);
    QCOMPARE(ResultTitleText(sc.r.s), QStringLiteral("<무승부>"));
    QCOMPARE(ResultBodyText(sc.r.s), crlf(QStringLiteral("아쉽네요!\n\n게임이 무승부로 처리되었습니다")));
    QCOMPARE(sc.r.s.Players[0].Draws, 1);
    QCOMPARE(sc.r.s.Players[1].Draws, 1);
    QCOMPARE(sc.r.s.Players[0].Money, 700.0);
    QCOMPARE(sc.soundNames(), (QStringList{"F\\HMM", "NOWIN"}));
    // The record lines are not redrawn by a draw.
    QCOMPARE(sc.r.s.View.Labels[0].DrawnDraws, 0);
}

void TstScoring::missionRate_data() {
    QTest::addColumn<int>("mission");
    QTest::addColumn<Cards>("won");
    QTest::addColumn<int>("rate");
    QTest::newRow("two brights") << 0 << Cards{0, 28} << 2;
    QTest::newRow("godori pays three") << 1 << Cards{4, 12, 29, 2} << 3;
    QTest::newRow("one card missing") << 1 << Cards{4, 12} << 0;
    QTest::newRow("a single card") << 8 << Cards{40} << 2;
    QTest::newRow("11 and 12 are alike") << 11 << Cards{38, 0, 39} << 2;
    QTest::newRow("12") << 12 << Cards{38, 0, 39} << 2;
    QTest::newRow("the empty entry") << 16 << Cards{0} << 0;
    QTest::newRow("no mission") << -1 << Cards{0} << 0;
    QTest::newRow("beyond the table") << 17 << Cards{0} << 0;
}

void TstScoring::missionRate() {
    QFETCH(int, mission);
    QFETCH(Cards, won);
    Scene sc;
    sc.r.s.Round.MissionNo = mission;
    for (int c : won) sc.r.CaptureCard(0, c);
    QTEST(sc.r.MissionRate(0), "rate");
    QCOMPARE(sc.r.MissionRate(1), 0);
}

void TstScoring::missionShownOnceBeforeFirstMove() {
    QCOMPARE(Missions()[9].Goal, QStringLiteral("밤에피는 장미보기"));
    QCOMPARE(Missions()[9].CardList, QStringLiteral("20,28,21,"));
    Scene sc;
    sc.r.s.Round.MissionOn = QStringLiteral("1");
    sc.r.s.Round.MissionNo = 5;
    sc.table({36}).hand(0, {0, 20}).hand(1, {40, 41}).deck({4, 8, 44});
    sc.play(QStringLiteral("PS*0*0*"), true);
    QCOMPARE(sc.r.s.View.MissionTag, 'T');
    QCOMPARE(sc.r.s.View.MissionTitle, QStringLiteral("승리시 [3배] 획득~"));
    const QStringList first = sc.actions();
    QCOMPARE(first.mid(0, 2), (QStringList{"MissionFrame 1", "Pause 0.1"}));
    QVERIFY(first.contains(QStringLiteral("MissionShow 3 32 41 47")));
    QCOMPARE(sc.soundNames().first(), QStringLiteral("MISSION"));
    sc.timeline.actions.clear();
    sc.sounds.clear();
    sc.play(QStringLiteral("PS*1*40*"), true);
    QVERIFY(!sc.soundNames().contains(QStringLiteral("MISSION")));
}

void TstScoring::goStop_data() {
    QTest::addColumn<int>("mover");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("goScore");
    QTest::addColumn<int>("moves");
    QTest::addColumn<int>("otherMoves");
    QTest::addColumn<int>("ppeoks");
    QTest::addColumn<QString>("stopScore");
    QTest::addColumn<int>("call");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("goCount");
    QTest::addColumn<int>("ending");

    const int go = int(Call::Go), stop = int(Call::Stop), none = int(Call::None);
    const int unfinished = int(Ending::Unfinished), win = int(Ending::Win);
    QTest::newRow("below the stop score") << 0 << 6 << 0 << 3 << 3 << 0 << "7" << go << -1 << 0 << unfinished;
    QTest::newRow("eligible without a call") << 0 << 7 << 0 << 3 << 3 << 0 << "7" << none << 0 << 0 << unfinished;
    QTest::newRow("go") << 0 << 7 << 0 << 3 << 3 << 0 << "7" << go << 0 << 1 << unfinished;
    QTest::newRow("stop") << 0 << 7 << 0 << 3 << 3 << 0 << "7" << stop << 0 << 0 << win;
    QTest::newRow("player 1 go") << 1 << 9 << 0 << 3 << 3 << 0 << "7" << go << 0 << 1 << unfinished;
    QTest::newRow("score not above the last go") << 0 << 7 << 7 << 4 << 4 << 0 << "7" << go << -1 << 0 << unfinished;
    QTest::newRow("score above the last go") << 0 << 8 << 7 << 4 << 4 << 0 << "7" << go << 0 << 1 << unfinished;
    QTest::newRow("the stop score of the record") << 0 << 3 << 0 << 3 << 3 << 0 << "3" << stop << 0 << 0 << win;
    QTest::newRow("last card: settled whatever the call") << 0 << 7 << 0 << 10 << 9 << 0 << "7" << go << -1 << 0 << win;
    QTest::newRow("both made ten moves below the stop score") << 1 << 5 << 0 << 10 << 10 << 0 << "7" << none << 0 << 0 << int(Ending::Draw);
    QTest::newRow("third ppeok") << 0 << 2 << 0 << 5 << 5 << 3 << "7" << none << 0 << 0 << int(Ending::ThreePpeok);
}

void TstScoring::goStop() {
    QFETCH(int, mover);
    QFETCH(int, score);
    QFETCH(int, goScore);
    QFETCH(int, moves);
    QFETCH(int, otherMoves);
    QFETCH(int, ppeoks);
    QFETCH(QString, stopScore);
    QFETCH(int, call);
    Scene sc;
    PlayerState& p = sc.r.s.Players[size_t(mover)];
    p.Score = int16_t(score);
    p.GoScore = int16_t(goScore);
    p.MoveCount = int16_t(moves);
    p.PpeokCount = int16_t(ppeoks);
    sc.r.s.Players[size_t(1 - mover)].MoveCount = int16_t(otherMoves);
    sc.r.s.Round.StopScore = stopScore;
    sc.r.s.PendingCall = Call(call);
    sc.r.s.View.Pictures[32].Tag = 0;
    sc.r.timeline = &sc.timeline;
    sc.r.soundLog = &sc.sounds;
    bool gukjin = false;
    const int result = sc.r.DecideGoStop(mover, gukjin);
    QTEST(result, "result");
    QTEST(int(p.GoCount), "goCount");
    QTEST(int(sc.r.s.End), "ending");
    const QStringList acts = sc.actions();
    // Player 1 thinks first whenever he may call, whatever he calls.
    const bool eligible = score >= stopScore.toInt() && goScore < score && moves < 10;
    QCOMPARE(acts.contains(QStringLiteral("PauseByClock")), mover == 1 && eligible);
    if (p.GoCount == 1) {
        QCOMPARE(p.GoScore, int16_t(score));
        QCOMPARE(sc.r.s.Round.LastGoSeat, int16_t(mover));
        QCOMPARE(sc.soundNames(), QStringList{"M\\GO1"});
        QVERIFY(acts.contains(QStringLiteral("Effect 1 424,%1 1.5").arg(mover == 1 ? 128 : 310)));
    }
    if (mover == 1) QCOMPARE(sc.r.s.PendingCall, eligible ? Call::None : Call(call));
}

void TstScoring::gukjinChosenAsPi() {
    Scene sc;
    sc.table({36, 33}).hand(0, {32, 20}).hand(1, {40}).deck({4, 44});
    sc.play(QStringLiteral("PS*0*32*GU*1*"));
    QCOMPARE(sc.r.s.Cards[32].Kind, int16_t(KindPi));
    QCOMPARE(sc.r.s.View.Pictures[32].Tag, char(0));
    const PlayerBoard& b = sc.r.s.Boards[0];
    QCOMPARE(b.CapturedCount[KindAnimal], int16_t(0));
    QCOMPARE(b.CapturedCount[KindPi], int16_t(1));
    QCOMPARE(b.Captured[0][KindPi], int16_t(32));
    QCOMPARE(sc.r.s.View.Labels[0].PiValue, int16_t(2));
    QCOMPARE(sc.r.s.Players[0].AnimalCount, int16_t(0));
}

void TstScoring::gukjinKeptAsAnimalStillCalls() {
    // Eight points from pi before the move; capturing 32 as an animal with a go call.
    Scene sc;
    sc.pile(0, {6, 7, 10, 11, 14, 15, 18, 19, 22, 23, 26, 27, 30, 31, 38, 42, 43});
    sc.table({36, 33}).hand(0, {32, 20}).hand(1, {40}).deck({4, 44});
    sc.play(QStringLiteral("PS*0*32*GU*0*GO*"));
    QCOMPARE(sc.r.s.Cards[32].Kind, int16_t(KindAnimal));
    QCOMPARE(sc.r.s.View.Pictures[32].Tag, char(0));
    QCOMPARE(sc.r.s.Players[0].GoCount, int16_t(1));
    // Chosen as pi: the new score (8 + 2 pi more = 10) is what the go remembers.
    Scene pi;
    pi.pile(0, {6, 7, 10, 11, 14, 15, 18, 19, 22, 23, 26, 27, 30, 31, 38, 42, 43});
    pi.table({36, 33}).hand(0, {32, 20}).hand(1, {40}).deck({4, 44});
    pi.play(QStringLiteral("PS*0*32*GU*1*GO*"));
    QCOMPARE(pi.r.s.Players[0].GoCount, int16_t(1));
    QCOMPARE(pi.r.s.Players[0].GoScore, int16_t(10));
}

void TstScoring::panelTexts() {
    struct Case {
        int w, l, d;
        const char* text;
    };
    const Case cases[] = {{3, 2, 0, "3승 2패 0무 (60%)"}, {1, 2, 0, "1승 2패 0무 (33.33%)"}, {1, 7, 0, "1승 7패 0무 (12.5%)"},
                          {0, 0, 0, "0승 0패 0무 (0%)"},  {4, 0, 0, "4승 0패 0무 (100%)"}};
    for (const Case& c : cases) {
        PlayerLabels l;
        l.DrawnWins = c.w;
        l.DrawnLosses = c.l;
        l.DrawnDraws = c.d;
        QCOMPARE(RecordLabelText(l), QString::fromUtf8(c.text));
    }
    PlayerLabels money;
    money.DrawnMoney = -35000;
    QCOMPARE(MoneyLabelText(money), QStringLiteral("3만5000"));
    money.DrawnMoney = 0;
    QCOMPARE(MoneyLabelText(money), QStringLiteral("0"));
    money.DrawnMoney = 1e15;
    QCOMPARE(MoneyLabelText(money), QStringLiteral("1000조"));
    RoundState r;
    r.PointValue = QStringLiteral("500");
    r.BonusCount = 2;
    QCOMPARE(StakeInfoText(r), QStringLiteral("점당 500점, 서비스피: 2장"));
    QCOMPARE(FormatThousands(4400), QStringLiteral("4,400"));
    QCOMPARE(FormatThousands(0), QString());
    QCOMPARE(FormatThousands(-1234567), QStringLiteral("-1,234,567"));
}

void TstScoring::initUser() {
    Replay r;
    r.s.Players[0].Money = 77;
    r.s.Players[0].Wins = 5;
    r.game_INITUSER(0, QStringLiteral("nick^id1^F^1500000^10^5^1^"));
    const PlayerState& p = r.s.Players[0];
    QCOMPARE(p.Nick, QStringLiteral("nick"));
    QCOMPARE(p.Id, QStringLiteral("id1"));
    QCOMPARE(p.Voice, QLatin1Char('F'));
    QCOMPARE(p.Money, 1500000.0);
    QCOMPARE(p.Wins, 10);
    QCOMPARE(p.Losses, 5);
    QCOMPARE(p.Draws, 1);
    // Missing or unreadable items leave their fields; an empty voice is a blank.
    r.game_INITUSER(0, QStringLiteral("other^^^x^"));
    QCOMPARE(p.Nick, QStringLiteral("other"));
    QCOMPARE(p.Voice, QLatin1Char(' '));
    QCOMPARE(p.Money, 1500000.0);
    QCOMPARE(p.Wins, 10);
    r.game_INITUSER(1, QStringLiteral("n^i^M^-35000.5^0^0^0^"));
    QCOMPARE(r.s.Players[1].Money, -35000.5);
}

QTEST_APPLESS_MAIN(TstScoring)
#include "tst_scoring.moc"
