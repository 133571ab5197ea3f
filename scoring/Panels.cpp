// The players' panels and counters: names, money, records, points, go calls, shakes, ppeok piles,
// the stake line, and the shake announcement.
#include "records/MoneyText.h"
#include "replay/Replay.h"

#include <cmath>
#include <charconv>

QString WinRateText(int32_t wins, int32_t losses, int32_t draws) {
    const long long total = (long long)wins + losses + draws;
    if (total <= 0) return QStringLiteral("(0%)");
    // Worked out exactly, then held as a single-precision value.
    const float rate = float(double(wins) / double(total) * 100.0);
    // The shortest text that reads back as the same single-precision value, without exponent.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, rate, std::chars_format::fixed);
    const QString text = QString::fromLatin1(buf, res.ptr - buf);
    if (text.size() < 6) return QLatin1Char('(') + text + QStringLiteral("%)");
    return QLatin1Char('(') + text.left(5) + QStringLiteral("%)");
}

QString MoneyLabelText(const PlayerLabels& l) {
    const QString t = FormatMoney(MoneyDigits(l.DrawnMoney));
    return t.isEmpty() ? QStringLiteral("0") : t;
}

QString RecordLabelText(const PlayerLabels& l) {
    return QString::number(l.DrawnWins) + QStringLiteral("승 ") + QString::number(l.DrawnLosses) +
           QStringLiteral("패 ") + QString::number(l.DrawnDraws) + QStringLiteral("무 ") +
           WinRateText(l.DrawnWins, l.DrawnLosses, l.DrawnDraws);
}

QString StakeInfoText(const RoundState& r) {
    return QStringLiteral("점당 ") + r.PointValue + QStringLiteral("점, 서비스피: ") + QString::number(r.BonusCount) +
           QStringLiteral("장");
}

namespace {

// A player line's money: plain digits with an optional "-" are read directly, anything else
// through the general number reader.
bool readMoney(QStringView text, double& out) {
    qsizetype i = 0;
    const bool neg = !text.isEmpty() && text[0] == QLatin1Char('-');
    if (neg) i = 1;
    if (text.size() > i && text.size() - i <= 15) {
        double v = 0;
        bool digits = true;
        for (qsizetype k = i; k < text.size() && digits; ++k) {
            const char16_t ch = text[k].unicode();
            digits = ch >= u'0' && ch <= u'9';
            v = v * 10 + (ch - u'0');
        }
        if (digits) {
            out = neg ? -v : v;
            return true;
        }
    }
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return false;
    out = v;
    return true;
}

} // namespace

void Replay::game_INITUSER(int player, const QString& line) {
    // The seven items of the line; missing ones are empty.
    QStringView it[7];
    {
        const QChar* text = line.constData();
        const qsizetype size = line.size();
        qsizetype from = 0;
        for (int k = 0; k < 7 && from <= size; ++k) {
            qsizetype at = from;
            while (at < size && text[at] != QLatin1Char('^')) ++at;
            it[k] = QStringView(text + from, at - from);
            from = at + 1;
        }
    }
    PlayerState& pl = s.Players[size_t(player)];
    pl.Nick = it[0].toString();
    pl.Id = it[1].toString();
    pl.Voice = it[2].isEmpty() ? QLatin1Char(' ') : it[2][0];
    double money;
    if (readMoney(it[3], money)) pl.Money = money;
    int v;
    if (ReadWhole(it[4], v)) pl.Wins = v;
    if (ReadWhole(it[5], v)) pl.Losses = v;
    if (ReadWhole(it[6], v)) pl.Draws = v;
}

void Replay::game_DRAWNIC() {
    for (int p : {0, 1}) {
        s.View.Labels[size_t(p)].PanelShown = true;
        if (recording()) {
            Action& a = push(Act::Label);
            a.index = int16_t(LabelId::Nick);
            a.player = int8_t(p);
            a.text = s.Players[size_t(p)].Nick;
            a.voice = s.Players[size_t(p)].Voice == QLatin1Char('M'); // the voice icon
            a.hasPos = true;
            a.a = 625;
            a.b = p == 0 ? 464 : 15;
        }
    }
}

void Replay::game_DRAWJUMSU(int player) {
    PlayerLabels& l = s.View.Labels[size_t(player)];
    const PlayerState& pl = s.Players[size_t(player)];
    l.DrawnMoney = pl.Money;
    l.DrawnWins = pl.Wins;
    l.DrawnLosses = pl.Losses;
    l.DrawnDraws = pl.Draws;
    if (recording()) {
        auto placed = [&](LabelId id, const QString& text, int y) {
            Action& a = push(Act::Label);
            a.index = int16_t(id);
            a.player = int8_t(player);
            a.text = text;
            a.hasPos = true;
            a.a = 625;
            a.b = y;
        };
        placed(LabelId::Money, MoneyLabelText(l), player == 1 ? 45 : 496);
        placed(LabelId::Record, RecordLabelText(l), player == 1 ? 73 : 525);
    }
}

void Replay::game_DRAWNUM(int kind, int player) {
    const PlayerState& pl = s.Players[size_t(player)];
    PlayerLabels& l = s.View.Labels[size_t(player)];
    int16_t value;
    LabelId id;
    int16_t* shown;
    switch (kind) {
    case 1: value = pl.Score; id = LabelId::Points; shown = &l.Points; break;
    case 2: value = pl.PpeokCount; id = LabelId::Ppeok; shown = &l.Ppeok; break;
    case 3: value = pl.ShakeCount; id = LabelId::Shake; shown = &l.Shake; break;
    case 4: value = pl.GoCount; id = LabelId::Go; shown = &l.Go; break;
    default: return;
    }
    if (value < 1) return;
    *shown = value;
    if (recording()) SetLabel(id, player, QString::number(value));
}

void Replay::game_RINFO() {
    if (recording()) SetLabel(LabelId::StakeInfo, -1, StakeInfoText(s.Round));
}

void Replay::ShowShake(int player, int c1, int c2, int c3) {
    PlayerState& pl = s.Players[size_t(player)];
    ++pl.ShakeCount;
    s.View.Labels[size_t(player)].Shake = pl.ShakeCount;
    if (recording()) SetLabel(LabelId::Shake, player, QString::number(pl.ShakeCount));
    game_DRAWNUM(3, player);
    s.View.CommonPanel = 1;
    if (recording()) {
        Action& a = push(Act::CommonPanel);
        a.index = 1;
        a.count = 3;
        a.cards = {{int16_t(c1), int16_t(c2), int16_t(c3), -1, -1}};
    }
    Sound_Play(Snd::WAVE, false, QChar(), 0);
    Pause(2.0);
    s.View.CommonPanel = 0;
    if (recording()) push(Act::CommonPanel).index = 0;
}
