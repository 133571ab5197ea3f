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

// The money per point; a text that is not a number gives nothing.
double pointValue(const QString& text, bool* ok = nullptr) {
    bool good = false;
    const double v = QStringView(text).trimmed().toDouble(&good);
    const bool fine = good && std::isfinite(v);
    if (ok) *ok = fine;
    return fine ? v : 0.0;
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
    QString t;
    int P = sc + g;
    if (g > 0) {
        t += QStringLiteral("(고") + QString::number(g) + QStringLiteral("회) ");
        if (g >= 3) multiply(P, std::pow(2.0, g - 2));
    }
    if (bp == 20) {
        t += QStringLiteral("(오광 20점추가) ");
        if (P + 20 <= 32767) P += 20;
    }
    if (sh > 0) {
        t += QStringLiteral("(흔듬X") + QString::number(sh) + QStringLiteral("회) ");
        multiply(P, std::pow(2.0, sh));
    }
    if (fp == 1) {
        t += QStringLiteral("(첫뻑X2배) ");
        multiply(P, 2);
    }
    if (ad == 1) {
        t += QStringLiteral("(멍따x2) ");
        multiply(P, 2);
    }
    if (s.Round.LastGoSeat != -1 && s.Round.LastGoSeat != w) {
        t += QStringLiteral("(고박x2) ");
        multiply(P, 2);
    }
    if (m > 0) {
        t += QStringLiteral("(미션x") + QString::number(m) + QStringLiteral("배) ");
        multiply(P, m);
    }
    if (lose.CardCount < 1) {
        P = 0;
    } else {
        if (bp >= 2 && lose.BrightCount == 0) {
            t += QStringLiteral("(광박x2) ");
            multiply(P, 2);
        }
        if (pp >= 1 && lose.PiCount <= 7) {
            t += QStringLiteral("(피박x2) ");
            multiply(P, 2);
        }
        if (an >= 5 && lose.AnimalCount == 0) {
            t += QStringLiteral("(멍박x2) ");
            multiply(P, 2);
        }
    }
    if (w == 1) {
        Sound_Play(Snd::NOTGOOD, false, win.Voice, 0);
        Sound_Play(Snd::LOSE, false, QChar(), 0);
    } else {
        if (s.Round.StreakOption == u"1") {
            t += QStringLiteral("(5연승성공x10배) ");
            multiply(P, 10);
        }
        Sound_Play(Snd::GOOD, false, win.Voice, 0);
        Sound_Play(Snd::WINNER, false, QChar(), 0);
    }
    const double M = double(P) * pointValue(s.Round.PointValue);
    s.View.ResultTitle = QStringLiteral("(") + win.Nick + QStringLiteral(")님 승리~ 짝짝!");
    s.View.ResultText = t + CrLf + QString::number(P) + QStringLiteral(" x ") + s.Round.PointValue +
                        QStringLiteral("점") + CrLf + FormatThousands(M) + QStringLiteral("점 획득");
    if (recording()) {
        SetLabel(LabelId::ResultTitle, -1, s.View.ResultTitle);
        SetLabel(LabelId::ResultText, -1, s.View.ResultText);
    }
    s.TopLeads = int16_t(w);
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
    s.View.ResultShown = true;
    if (recording()) push(Act::ResultPanel).visible = true;
    s.End = Ending::Win;
    s.Winner = int8_t(w);
    s.Points = P;
    s.MoneyBooked = M;
}

void Replay::SettleSpecialWin(int w, char kind) {
    if (s.View.ResultShown) return; // one settlement per hand
    const PlayerState& win = s.Players[size_t(w)];
    QString t;
    double M;
    if (kind == 'C') {
        s.View.ResultTitle = win.Nick + QStringLiteral("님 총통승!");
        t = QStringLiteral("총통으로 승리") + CrLf + QStringLiteral("<") + QString::number(s.Round.ChongtongRate) +
            QStringLiteral("배> 적용") + CrLf + CrLf;
        M = pointValue(s.Round.PointValue) * s.Round.ChongtongRate;
    } else {
        s.View.ResultTitle = win.Nick + QStringLiteral("님 3뻑승!");
        t = QStringLiteral("3뻑으로 승리") + CrLf + QStringLiteral("점당점수x100배적용") + CrLf + CrLf;
        M = pointValue(s.Round.PointValue) * 100;
    }
    if (w == 1) {
        Sound_Play(Snd::NOTGOOD, false, win.Voice, 0);
        Sound_Play(Snd::LOSE, false, QChar(), 0);
    } else {
        if (s.Round.StreakOption == u"1") {
            t += QStringLiteral("(5연승성공x10배) ");
            M *= 10;
        }
        Sound_Play(Snd::GOOD, false, win.Voice, 0);
        Sound_Play(Snd::WINNER, false, QChar(), 0);
    }
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
    s.View.ResultText = t + FormatThousands(M) + QStringLiteral("점 획득") + CrLf;
    if (recording()) {
        SetLabel(LabelId::ResultTitle, -1, s.View.ResultTitle);
        SetLabel(LabelId::ResultText, -1, s.View.ResultText);
    }
    s.View.ResultShown = true;
    if (recording()) push(Act::ResultPanel).visible = true;
    s.End = kind == 'C' ? Ending::Chongtong : Ending::ThreePpeok;
    s.Winner = int8_t(w);
    s.Points = 0;
    s.MoneyBooked = M;
}

void Replay::SettleDraw() {
    if (s.View.ResultShown) return; // one settlement per hand
    s.View.ResultTitle = QStringLiteral("<무승부>");
    s.View.ResultText = QStringLiteral("아쉽네요!") + CrLf + CrLf + QStringLiteral("게임이 무승부로 처리되었습니다");
    if (recording()) {
        SetLabel(LabelId::ResultTitle, -1, s.View.ResultTitle);
        SetLabel(LabelId::ResultText, -1, s.View.ResultText);
    }
    Sound_Play(Snd::HMM, false, s.Players[0].Voice, 0);
    Sound_Play(Snd::NOWIN, false, QChar(), 0);
    ++s.Players[0].Draws;
    ++s.Players[1].Draws;
    s.View.ResultShown = true;
    if (recording()) push(Act::ResultPanel).visible = true;
    s.End = Ending::Draw;
    s.Winner = -1;
    s.Points = 0;
    s.MoneyBooked = 0;
}

bool Replay::CheckChongtong(int p) {
    std::array<int8_t, 13> perMonth{};
    for (int c = 0; c < 48; ++c)
        if (s.Cards[size_t(c)].Place == p) ++perMonth[size_t(s.Cards[size_t(c)].Month)];
    int month = 0;
    for (int m = 1; m <= 12 && !month; ++m)
        if (perMonth[size_t(m)] == 4) month = m;
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
