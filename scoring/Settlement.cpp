// The end of a hand: a normal win with its multipliers, a special win, or a draw; the result
// panel's texts and the booking of wins, losses and money.
#include "replay/Replay.h"
#include "scoring/Settlement.h"

#include <cmath>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// Multiplies the points unless the result leaves the 16-bit range, which keeps them as they were.
void multiply(int& points, double factor) {
    const double r = double(points) * factor;
    if (r >= -32768.0 && r <= 32767.0) points = int(r);
}

} // namespace

QString FormatThousands(double amount) {
    if (!std::isfinite(amount)) return QString();
    const double r = std::round(std::fabs(amount));
    if (r == 0) return QString();
    const QString digits = QString::number(r, 'f', 0);
    QString out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    if (amount < 0) out += QLatin1Char('-');
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += QLatin1Char(',');
        out += digits[i];
    }
    return out;
}

QString ResultTitleText(const HandState& s) {
    const QString nick = s.Winner >= 0 ? s.Players[size_t(s.Winner)].Nick : QString();
    switch (s.End) {
    case Ending::Win: return QStringLiteral("(") + nick + QStringLiteral(")님 승리~ 짝짝!");
    case Ending::Chongtong: return nick + QStringLiteral("님 총통승!");
    case Ending::ThreePpeok: return nick + QStringLiteral("님 3뻑승!");
    case Ending::Draw: return QStringLiteral("<무승부>");
    default: return QString();
    }
}

QString ResultBodyText(const HandState& s) {
    QString t;
    const uint16_t items = s.ResultItems;
    switch (s.End) {
    case Ending::Win:
        if (items & ItemGo) t += QStringLiteral("(고") + QString::number(s.ResultGo) + QStringLiteral("회) ");
        if (items & ItemFiveBrights) t += QStringLiteral("(오광 20점추가) ");
        if (items & ItemShake) t += QStringLiteral("(흔듬X") + QString::number(s.ResultShake) + QStringLiteral("회) ");
        if (items & ItemFirstPpeok) t += QStringLiteral("(첫뻑X2배) ");
        if (items & ItemManyAnimals) t += QStringLiteral("(멍따x2) ");
        if (items & ItemGoPenalty) t += QStringLiteral("(고박x2) ");
        if (items & ItemMission) t += QStringLiteral("(미션x") + QString::number(s.ResultMission) + QStringLiteral("배) ");
        if (items & ItemNoBright) t += QStringLiteral("(광박x2) ");
        if (items & ItemNoPi) t += QStringLiteral("(피박x2) ");
        if (items & ItemNoAnimal) t += QStringLiteral("(멍박x2) ");
        if (items & ItemStreak) t += QStringLiteral("(5연승성공x10배) ");
        return t + CrLf + QString::number(s.Points) + QStringLiteral(" x ") + s.Round.PointValue + QStringLiteral("점") +
               CrLf + FormatThousands(s.MoneyBooked) + QStringLiteral("점 획득");
    case Ending::Chongtong:
    case Ending::ThreePpeok:
        if (s.End == Ending::Chongtong)
            t = QStringLiteral("총통으로 승리") + CrLf + QStringLiteral("<") + QString::number(s.Round.ChongtongRate) +
                QStringLiteral("배> 적용") + CrLf + CrLf;
        else
            t = QStringLiteral("3뻑으로 승리") + CrLf + QStringLiteral("점당점수x100배적용") + CrLf + CrLf;
        if (items & ItemStreak) t += QStringLiteral("(5연승성공x10배) ");
        return t + FormatThousands(s.MoneyBooked) + QStringLiteral("점 획득") + CrLf;
    case Ending::Draw:
        return QStringLiteral("아쉽네요!") + CrLf + CrLf + QStringLiteral("게임이 무승부로 처리되었습니다");
    default: return QString();
    }
}

void Replay::SettleWin(int w) {
    if (s.View.ResultShown) return; // one settlement per hand
    CountScore(0);
    CountScore(1);
    const PlayerState& win = s.Players[size_t(w)];
    const PlayerState& lose = s.Players[size_t(1 - w)];
    const int sc = win.Score, g = win.GoCount, sh = win.ShakeCount, bp = win.BrightPoints, pp = win.PiPoints;
    const int ad = win.AnimalDouble, fp = win.FirstPpeok, an = win.AnimalCount;

    int m = 0;
    if (s.Round.MissionOn == u"1") {
        m = MissionRate(w);
        s.View.ResultMark = m >= 1 ? 0 : 1;
        if (recording()) push(Act::MissionMark).index = s.View.ResultMark;
    }
    // Each item is listed before it multiplies.
    uint16_t items = 0;
    int P = sc + g;
    if (g > 0) {
        items |= ItemGo;
        if (g >= 3) multiply(P, std::pow(2.0, g - 2));
    }
    if (bp == 20) {
        items |= ItemFiveBrights;
        if (P + 20 <= 32767) P += 20;
    }
    if (sh > 0) {
        items |= ItemShake;
        multiply(P, std::pow(2.0, sh));
    }
    if (fp == 1) {
        items |= ItemFirstPpeok;
        multiply(P, 2);
    }
    if (ad == 1) {
        items |= ItemManyAnimals;
        multiply(P, 2);
    }
    if (s.Round.LastGoSeat != -1 && s.Round.LastGoSeat != w) {
        items |= ItemGoPenalty;
        multiply(P, 2);
    }
    if (m > 0) {
        items |= ItemMission;
        multiply(P, m);
    }
    if (lose.CardCount < 1) {
        P = 0;
    } else {
        if (bp >= 2 && lose.BrightCount == 0) {
            items |= ItemNoBright;
            multiply(P, 2);
        }
        if (pp >= 1 && lose.PiCount <= 7) {
            items |= ItemNoPi;
            multiply(P, 2);
        }
        if (an >= 5 && lose.AnimalCount == 0) {
            items |= ItemNoAnimal;
            multiply(P, 2);
        }
    }
    if (winnerSounds(w)) {
        items |= ItemStreak;
        multiply(P, 10);
    }
    const double M = double(P) * s.Round.PointValueNumber;
    s.End = Ending::Win;
    s.Winner = int8_t(w);
    s.Points = P;
    s.MoneyBooked = M;
    s.ResultItems = items;
    s.ResultGo = int16_t(g);
    s.ResultShake = int16_t(sh);
    s.ResultMission = int16_t(m);
    if (recording()) {
        SetLabel(LabelId::ResultTitle, -1, ResultTitleText(s));
        SetLabel(LabelId::ResultText, -1, ResultBodyText(s));
    }
    s.TopLeads = int16_t(w);
    book(w, M);
    s.View.ResultShown = true;
    if (recording()) push(Act::ResultPanel).visible = true;
}

// The winner's voice and the closing sound; true when player 0 won and the five-wins bonus
// applies (its item and multiplier come before the sounds in the result).
bool Replay::winnerSounds(int w) {
    const QChar voice = s.Players[size_t(w)].Voice;
    if (w == 1) {
        Sound_Play(Snd::NOTGOOD, false, voice, 0);
        Sound_Play(Snd::LOSE, false, QChar(), 0);
        return false;
    }
    Sound_Play(Snd::GOOD, false, voice, 0);
    Sound_Play(Snd::WINNER, false, QChar(), 0);
    return s.Round.StreakOption == u"1";
}

void Replay::book(int w, double M) {
    for (int p = 0; p < 2; ++p) {
        PlayerState& pl = s.Players[size_t(p)];
        if (p == w) {
            ++pl.Wins;
            pl.Money += M;
        } else {
            ++pl.Losses;
            pl.Money -= M;
        }
        game_DRAWJUMSU(p);
    }
}

void Replay::SettleSpecialWin(int w, char kind) {
    if (s.View.ResultShown) return; // one settlement per hand
    double M = s.Round.PointValueNumber * (kind == 'C' ? double(s.Round.ChongtongRate) : 100.0);
    uint16_t items = 0;
    if (winnerSounds(w)) {
        items |= ItemStreak;
        M *= 10;
    }
    book(w, M);
    s.End = kind == 'C' ? Ending::Chongtong : Ending::ThreePpeok;
    s.Winner = int8_t(w);
    s.Points = 0;
    s.MoneyBooked = M;
    s.ResultItems = items;
    if (recording()) {
        SetLabel(LabelId::ResultTitle, -1, ResultTitleText(s));
        SetLabel(LabelId::ResultText, -1, ResultBodyText(s));
    }
    s.View.ResultShown = true;
    if (recording()) push(Act::ResultPanel).visible = true;
}

void Replay::SettleDraw() {
    if (s.View.ResultShown) return; // one settlement per hand
    s.End = Ending::Draw;
    s.Winner = -1;
    s.Points = 0;
    s.MoneyBooked = 0;
    s.ResultItems = 0;
    if (recording()) {
        SetLabel(LabelId::ResultTitle, -1, ResultTitleText(s));
        SetLabel(LabelId::ResultText, -1, ResultBodyText(s));
    }
    Sound_Play(Snd::HMM, false, s.Players[0].Voice, 0);
    Sound_Play(Snd::NOWIN, false, QChar(), 0);
    ++s.Players[0].Draws;
    ++s.Players[1].Draws;
    s.View.ResultShown = true;
    if (recording()) push(Act::ResultPanel).visible = true;
}

bool Replay::CheckChongtong(int p) {
    int month = 0;
    for (int m = 1; m <= 12 && !month; ++m)
        if (BitCount(s.Where[size_t(p)] & monthMask(m)) == 4) month = m;
    if (!month) return false;
    if (s.View.CommonPanel != 0) {
        s.View.CommonPanel = 0;
        if (recording()) push(Act::CommonPanel).index = 0;
    }
    ShowChongtong(p, month);
    SettleSpecialWin(p, 'C');
    return true;
}

void Replay::ShowChongtong(int, int month) {
    s.View.CommonPanel = 2;
    if (recording()) {
        Action& a = push(Act::CommonPanel);
        a.index = 2;
        for (int c = 4 * (month - 1); c < 4 * month && a.count < 4; ++c) a.cards[size_t(a.count++)] = int16_t(c);
    }
    Sound_Play(Snd::CHONG, true, QChar(), 0.3);
    s.View.CommonPanel = 0;
    if (recording()) push(Act::CommonPanel).index = 0;
}
