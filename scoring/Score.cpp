// Counting a player's points from his captured piles.
#include "replay/Replay.h"

void Replay::CountScore(int p) {
    PlayerState& pl = s.Players[size_t(p)];
    const PlayerBoard& b = s.Boards[size_t(p)];
    const QChar voice = pl.Voice;

    const int n = b.CapturedCount[KindBright];
    int brightPoints = 0;
    if (n >= 5) brightPoints = n == 5 ? 20 : 0;
    if (n == 4) brightPoints = 4;
    if (n == 3) {
        brightPoints = 3;
        for (int r = 0; r < 3; ++r) {
            const int c = b.Captured[size_t(r)][KindBright];
            if (ValidCard(c) && s.Cards[size_t(c)].Special == MarkRainBright) brightPoints = 2;
        }
    }
    pl.BrightPoints = int16_t(brightPoints);
    pl.BrightCount = int16_t(n);
    int cardCount = n;

    const int a = b.CapturedCount[KindAnimal];
    int animalPoints = a >= 5 ? a - 4 : 0;
    int birds = 0;
    for (int c = 0; c < 48; ++c) {
        const CardState& k = s.Cards[size_t(c)];
        if (k.Place == CapturedBase + p && k.Kind == KindAnimal && k.Special == MarkGodori) ++birds;
    }
    if (birds == 3) {
        animalPoints += 5;
        if (!pl.GodoriSaid) {
            pl.GodoriSaid = 1;
            Sound_Play(Snd::GODORI, true, voice, 0.3);
        }
    }
    pl.AnimalDouble = a > 6 ? 1 : 0;
    pl.AnimalCount = int16_t(a);
    cardCount += a;

    const int r = b.CapturedCount[KindRibbon];
    int ribbonPoints = r >= 5 ? r - 4 : 0;
    int red = 0, blue = 0, grass = 0;
    for (int i = 0; i < r && i < PileRows; ++i) {
        const int c = b.Captured[size_t(i)][KindRibbon];
        if (!ValidCard(c)) continue;
        const int mark = s.Cards[size_t(c)].Special;
        red += mark == MarkHongdan;
        blue += mark == MarkChungdan;
        grass += mark == MarkChodan;
    }
    if (red == 3) {
        ribbonPoints += 3;
        if (!pl.HongdanSaid) {
            pl.HongdanSaid = 1;
            Sound_Play(Snd::HONGDAN, true, voice, 0.3);
        }
    }
    if (blue == 3) {
        ribbonPoints += 3;
        if (!pl.ChungdanSaid) {
            pl.ChungdanSaid = 1;
            Sound_Play(Snd::CHUNGDAN, true, voice, 0.3);
        }
    }
    if (grass == 3) {
        ribbonPoints += 3;
        if (!pl.ChodanSaid) {
            pl.ChodanSaid = 1;
            Sound_Play(Snd::CHODAN, true, voice, 0.3);
        }
    }
    pl.RibbonCount = int16_t(r);
    cardCount += r;

    const int k = b.CapturedCount[KindPi];
    pl.PiCount = int16_t(k);
    cardCount += k;
    int v = 0;
    for (int i = 0; i < k && i < PileRows; ++i) {
        const int c = b.Captured[size_t(i)][KindPi];
        if (c < 0 || !ValidCard(c)) continue;
        v += s.Cards[size_t(c)].Special == MarkDoublePi ? 2 : 1;
    }
    PlayerLabels& l = s.View.Labels[size_t(p)];
    l.PiValue = int16_t(v);
    l.PiVisible = v > 0;
    if (recording()) SetLabel(LabelId::PiCount, p, v > 0 ? QString::number(v) : QString(), v > 0);
    pl.PiPoints = int16_t(v >= 10 ? v - 9 : 0);
    pl.CardCount = int16_t(cardCount);
    pl.Score = int16_t(brightPoints + animalPoints + ribbonPoints + pl.PiPoints);
    game_DRAWNUM(1, p);
}
