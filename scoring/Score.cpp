// Counting a player's points from his captured piles.
#include "replay/Replay.h"

namespace {

constexpr uint64_t bit(int c) { return uint64_t(1) << c; }
// The cards that carry each mark of the card table.
constexpr uint64_t RainBright = bit(44);
constexpr uint64_t Birds = bit(4) | bit(12) | bit(29);
constexpr uint64_t Hongdan = bit(1) | bit(5) | bit(9);
constexpr uint64_t Chungdan = bit(21) | bit(33) | bit(37);
constexpr uint64_t Chodan = bit(13) | bit(17) | bit(25);

// Double pi among a pi column's cards: 32, 41, 47 and the bonus cards 48-52.
inline int doublePiCount(uint64_t pis) {
    return int(pis >> 32 & 1) + int(pis >> 41 & 1) + BitCount(pis >> 47 & 0x3F);
}

} // namespace

void Replay::CountScore(int p) {
    PlayerState& pl = s.Players[size_t(p)];
    const PlayerBoard& b = s.Boards[size_t(p)];
    const QChar voice = pl.Voice;

    const int n = b.CapturedCount[KindBright];
    int brightPoints = 0;
    if (n == 5) brightPoints = 20;
    else if (n == 4) brightPoints = 4;
    else if (n == 3) brightPoints = b.CapturedSet[KindBright] & RainBright ? 2 : 3;
    pl.BrightPoints = int16_t(brightPoints);
    pl.BrightCount = int16_t(n);

    const int a = b.CapturedCount[KindAnimal];
    int animalPoints = a >= 5 ? a - 4 : 0;
    // 고도리: the three birds captured by this player (their kind never changes).
    if ((s.Where[size_t(3 + p)] & Birds) == Birds) {
        animalPoints += 5;
        if (!pl.GodoriSaid) {
            pl.GodoriSaid = 1;
            Sound_Play(Snd::GODORI, true, voice, 0.3);
        }
    }
    pl.AnimalDouble = a > 6 ? 1 : 0;
    pl.AnimalCount = int16_t(a);

    const int r = b.CapturedCount[KindRibbon];
    int ribbonPoints = r >= 5 ? r - 4 : 0;
    const uint64_t ribbons = b.CapturedSet[KindRibbon];
    if ((ribbons & Hongdan) == Hongdan) {
        ribbonPoints += 3;
        if (!pl.HongdanSaid) {
            pl.HongdanSaid = 1;
            Sound_Play(Snd::HONGDAN, true, voice, 0.3);
        }
    }
    if ((ribbons & Chungdan) == Chungdan) {
        ribbonPoints += 3;
        if (!pl.ChungdanSaid) {
            pl.ChungdanSaid = 1;
            Sound_Play(Snd::CHUNGDAN, true, voice, 0.3);
        }
    }
    if ((ribbons & Chodan) == Chodan) {
        ribbonPoints += 3;
        if (!pl.ChodanSaid) {
            pl.ChodanSaid = 1;
            Sound_Play(Snd::CHODAN, true, voice, 0.3);
        }
    }
    pl.RibbonCount = int16_t(r);

    // Pi: each card of the column counts 1, a double pi 2 (a column never holds a card twice).
    const int k = b.CapturedCount[KindPi];
    pl.PiCount = int16_t(k);
    const int v = k + doublePiCount(b.CapturedSet[KindPi]);
    PlayerLabels& l = s.View.Labels[size_t(p)];
    l.PiValue = int16_t(v);
    l.PiVisible = v > 0;
    if (timeline) SetLabel(LabelId::PiCount, p, v > 0 ? QString::number(v) : QString(), v > 0);
    pl.PiPoints = int16_t(v >= 10 ? v - 9 : 0);
    pl.CardCount = int16_t(n + a + r + k);
    pl.Score = int16_t(brightPoints + animalPoints + ribbonPoints + pl.PiPoints);
    if (pl.Score >= 1) {
        l.Points = pl.Score;
        if (timeline) SetLabel(LabelId::Points, p, QString::number(pl.Score));
    }
}
