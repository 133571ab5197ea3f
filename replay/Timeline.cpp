#include "replay/Timeline.h"

#include "records/AppConfig.h"

int ResolveSoundSlot(QStringView name, QStringView voice) {
    const auto& names = SoundNames();
    for (int i = 0; i < SoundSlotCount; ++i) {
        const QString& n = names[size_t(i)];
        if (voice.isEmpty()) {
            if (n == name) return i;
        } else if (n.size() == voice.size() + 1 + name.size() && QStringView(n).startsWith(voice) &&
                   n[voice.size()] == QLatin1Char('\\') && QStringView(n).mid(voice.size() + 1) == name) {
            return i;
        }
    }
    return 0;
}

bool SoundAudible(QStringView effectsOn, QStringView voicesOn, bool windowMinimised, bool isVoice) {
    if (windowMinimised) return false;
    const bool e0 = effectsOn == u"0", e1 = effectsOn == u"1";
    const bool v0 = voicesOn == u"0", v1 = voicesOn == u"1";
    if (e0 && v0) return false;
    if (e1 && v0 && isVoice) return false;
    if (e0 && v1 && !isVoice) return false;
    return true;
}

double ClockPauseSeconds(int secondsOfMinute) {
    switch (((secondsOfMinute % 10) + 10) % 10) {
    case 1: case 2: return 0.5;
    case 3: case 4: return 1.0;
    case 5: case 6: return 1.5;
    case 7: case 8: return 2.0;
    default: return 2.5;
    }
}

QString DescribeAction(const Action& a) {
    static const char* kinds[] = {"Sound", "Pause", "PauseByClock", "ResetBoard", "OpenSprite", "Shuffle",
                                  "CardPlace", "CardFace", "CardHide", "MoveCard", "FlashHide", "DealGroup",
                                  "PpeokMark", "Effect", "Label", "ResultPanel", "CommonPanel", "MissionFrame",
                                  "MissionShow", "MissionMark", "BombMarker", "BombBurst", "BombHide"};
    static const char* labels[] = {"Nick", "Money", "Record", "Points", "Go", "Shake", "Ppeok", "PiCount",
                                   "StakeInfo", "ResultTitle", "ResultText", "MissionTitle"};
    QString out = QString::fromLatin1(kinds[int(a.kind)]);
    auto num = [](double v) { return QString::number(v); };
    switch (a.kind) {
    case Act::Sound:
        out += QLatin1Char(' ') + SoundNames()[size_t(a.index)];
        if (a.seconds > 0) out += QLatin1Char(' ') + num(a.seconds);
        break;
    case Act::Pause: out += QLatin1Char(' ') + num(a.seconds); break;
    case Act::PauseByClock: break;
    case Act::MoveCard:
        out += QStringLiteral(" %1 %2,%3>%4,%5 %6x%7").arg(a.card).arg(a.a).arg(a.b).arg(a.c).arg(a.d).arg(a.w).arg(a.h);
        if (a.faceUp) out += QStringLiteral(" up");
        if (a.flash) out += QStringLiteral(" flash");
        break;
    case Act::CardPlace:
        out += QStringLiteral(" %1 %2,%3").arg(a.card).arg(a.a).arg(a.b);
        if (a.faceDown) out += QStringLiteral(" back");
        break;
    case Act::CardFace:
    case Act::CardHide: out += QLatin1Char(' ') + QString::number(a.card); break;
    case Act::PpeokMark: out += QStringLiteral(" %1 p%2").arg(a.card).arg(a.player); break;
    case Act::Effect:
        out += QStringLiteral(" %1 %2,%3 %4").arg(a.index).arg(a.a).arg(a.b).arg(num(a.seconds));
        break;
    case Act::Label:
        out += QStringLiteral(" %1 p%2 \"%3\"").arg(QLatin1String(labels[a.index])).arg(a.player).arg(a.text);
        if (!a.visible) out += QStringLiteral(" hidden");
        if (a.hasPos) out += QStringLiteral(" @%1,%2").arg(a.a).arg(a.b);
        break;
    case Act::DealGroup: {
        out += QStringLiteral(" p%1").arg(a.player);
        for (int i = 0; i < a.count; ++i) out += QStringLiteral(" %1>%2,%3").arg(a.cards[size_t(i)]).arg(a.xs[size_t(i)]).arg(a.ys[size_t(i)]);
        break;
    }
    case Act::CommonPanel:
    case Act::MissionShow:
        out += QStringLiteral(" %1").arg(a.index);
        for (int i = 0; i < a.count; ++i) out += QStringLiteral(" %1").arg(a.cards[size_t(i)]);
        break;
    case Act::BombMarker:
        out += QStringLiteral(" %1 p%2 %3,%4").arg(a.index).arg(a.player).arg(a.a).arg(a.b);
        break;
    case Act::BombBurst:
    case Act::BombHide: out += QStringLiteral(" %1 p%2").arg(a.index).arg(a.player); break;
    default:
        if (a.index) out += QLatin1Char(' ') + QString::number(a.index);
        if (!a.visible) out += QStringLiteral(" hidden");
        break;
    }
    return out;
}
