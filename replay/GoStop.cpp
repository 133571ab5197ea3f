// Go and stop at the end of a turn, after the open choice for the September animal is settled.
#include "replay/Replay.h"

namespace {

// A stop score that is not a whole number reads as the number its text starts with, else 0.
int leadingNumber(QStringView text) {
    text = text.trimmed();
    long long v = 0;
    bool neg = false;
    qsizetype i = 0;
    if (!text.isEmpty() && (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+'))) {
        neg = text[0] == QLatin1Char('-');
        i = 1;
    }
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i) {
        v = v * 10 + (text[i].unicode() - u'0');
        if (v > 1000000) break;
    }
    return int(neg ? -v : v);
}

} // namespace

int Replay::DecideGoStop(int mover, bool& gukjin) {
    PlayerState& pl = s.Players[size_t(mover)];
    if (s.Cards[32].Place == CapturedBase + mover && s.View.Pictures[32].Tag == 'T') {
        s.View.Pictures[32].Tag = 0;
        if (mover == 1) Pause(1.0);
        if (s.ChoiceGukjin == 1) {
            gukjin = true;
            s.Cards[32].Kind = KindPi;
            Pause(mover == 1 ? 0.5 : 0.8);
            CaptureCard(mover, 32);
            return -1;
        }
        // Kept as an animal: the decision below is still made in this turn.
    }
    const bool eligible = pl.Score >= leadingNumber(s.Round.StopScore) && pl.GoScore < pl.Score;
    if (!eligible) {
        if (s.Players[0].MoveCount == 10 && s.Players[1].MoveCount == 10) {
            SettleDraw();
            return 0;
        }
        if (pl.PpeokCount >= 3) {
            SettleSpecialWin(mover, 'P');
            return 0;
        }
        return -1;
    }
    if (pl.MoveCount >= 10) {
        SettleWin(mover);
        return -1;
    }
    if (mover == 1) {
        if (recording()) push(Act::PauseByClock).player = 1;
    }
    if (s.PendingCall == Call::Go) Go(mover);
    else if (s.PendingCall == Call::Stop) Stop(mover);
    if (mover == 1) s.PendingCall = Call::None;
    return 0;
}

void Replay::Go(int mover) {
    PlayerState& pl = s.Players[size_t(mover)];
    ++pl.GoCount;
    pl.GoScore = pl.Score;
    s.Round.LastGoSeat = int16_t(mover);
    game_DRAWNUM(4, mover);
    if (pl.GoCount >= 1 && pl.GoCount <= 9) {
        Sound_Play(Snd(int(Snd::GO1) + pl.GoCount - 1), false, pl.Voice, 0);
    } else {
        // There is no voice for this count; the lookup falls back as for any unknown name.
        const QString name = QStringLiteral("GO") + QString::number(pl.GoCount);
        Sound_PlaySlot(ResolveSoundSlot(name, QStringView(&pl.Voice, 1)), false, true, 0);
    }
    ShowGoNumber(mover, pl.GoCount);
    LayoutHand(mover);
}

void Replay::Stop(int mover) {
    Sound_Play(Snd::STOP, false, s.Players[size_t(mover)].Voice, 0);
    Pause(1.0);
    SettleWin(mover);
}
