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

// The first completion of a set in the hand is announced in the player's voice.
void Replay::announceSet(int p, Snd name, uint8_t& said) {
    if (said) return;
    said = 1;
    Sound_Play(name, true, s.Players[size_t(p)].Voice, 0.3);
}

void Replay::drawScoreLabels(int p, int piValue) {
    SetLabel(LabelId::PiCount, p, piValue > 0 ? QString::number(piValue) : QString(), piValue > 0);
    if (s.Players[size_t(p)].Score >= 1) SetLabel(LabelId::Points, p, QString::number(s.Players[size_t(p)].Score));
}

void Replay::CountScore(int p) {
    PlayerState& pl = s.Players[size_t(p)];
    const PlayerBoard& b = s.Boards[size_t(p)];

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
        announceSet(p, Snd::GODORI, pl.GodoriSaid);
    }
    pl.AnimalDouble = a > 6 ? 1 : 0;
    pl.AnimalCount = int16_t(a);

    const int r = b.CapturedCount[KindRibbon];
    int ribbonPoints = r >= 5 ? r - 4 : 0;
    const uint64_t ribbons = b.CapturedSet[KindRibbon];
    if ((ribbons & Hongdan) == Hongdan) {
        ribbonPoints += 3;
        announceSet(p, Snd::HONGDAN, pl.HongdanSaid);
    }
    if ((ribbons & Chungdan) == Chungdan) {
        ribbonPoints += 3;
        announceSet(p, Snd::CHUNGDAN, pl.ChungdanSaid);
    }
    if ((ribbons & Chodan) == Chodan) {
        ribbonPoints += 3;
        announceSet(p, Snd::CHODAN, pl.ChodanSaid);
    }
    pl.RibbonCount = int16_t(r);

    // Pi: each card of the column counts 1, a double pi 2 (a column never holds a card twice).
    const int k = b.CapturedCount[KindPi];
    pl.PiCount = int16_t(k);
    const int v = k + doublePiCount(b.CapturedSet[KindPi]);
    PlayerLabels& l = s.View.Labels[size_t(p)];
    l.PiValue = int16_t(v);
    l.PiVisible = v > 0;
    pl.PiPoints = int16_t(v >= 10 ? v - 9 : 0);
    pl.CardCount = int16_t(n + a + r + k);
    pl.Score = int16_t(brightPoints + animalPoints + ribbonPoints + pl.PiPoints);
    if (pl.Score >= 1) l.Points = pl.Score;
    if (timeline) drawScoreLabels(p, v);
}
