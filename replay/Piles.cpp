// The captured piles: filing a won card into its column, and taking pi from the opponent.
#include "replay/Replay.h"

namespace {

constexpr int Spacing[5] = {0, 12, 18, 15, 15};

// Packs a column: entries keep their order and move up; returns the number of entries.
int packColumn(PlayerBoard& b, int kind) {
    int n = 0;
    const int used = b.CapturedCount[size_t(kind)];
    uint64_t set = 0;
    for (int r = 0; r < used; ++r) {
        const int16_t c = b.Captured[size_t(r)][size_t(kind)];
        if (c < 0) continue;
        b.Captured[size_t(n++)][size_t(kind)] = c;
        set |= uint64_t(1) << c;
    }
    b.CapturedSet[size_t(kind)] = set;
    for (int r = n; r < used; ++r) b.Captured[size_t(r)][size_t(kind)] = -1;
    b.CapturedCount[size_t(kind)] = int16_t(n);
    return n;
}

// Columns are always packed: rows from CapturedCount on are empty.
bool inColumn(const PlayerBoard& b, int kind, int card) { return b.CapturedSet[size_t(kind)] >> card & 1; }

} // namespace

// Lays out one column of a player's pile: movedCard flies there, the others are set at once.
void Replay::fileColumn(int player, int kind, int movedCard) {
    PlayerBoard& b = s.Boards[size_t(player)];
    const Point16 base = b.PilePos[size_t(kind)];
    const int n = b.CapturedCount[size_t(kind)];
    // Without a board to redraw, the cards already lying in place need not be visited: after a
    // card was added, all but the last row are where they were, unless the column was packed.
    const uint8_t staleBit = uint8_t(1u << kind);
    const bool all = recording() || movedCard < 0 || (b.PileStale & staleBit);
    if (!all && n > 0 && b.Captured[size_t(n - 1)][size_t(kind)] == movedCard) {
        // Only the new last card moves.
        CardState& k = s.Cards[size_t(movedCard)];
        MoveCard(movedCard, k.X, k.Y, base.x + (n - 1) * Spacing[kind], base.y, false, 36, 55, false);
        Sound_Play(Snd::TUCK, false, QChar(), 0);
        if (kind == KindPi) {
            PlayerLabels& l = s.View.Labels[size_t(player)];
            l.PiX = int16_t(base.x + (n - 1) * Spacing[KindPi] + 37);
            l.PiY = int16_t(base.y + 12);
        }
        return;
    }
    b.PileStale &= uint8_t(~staleBit);
    for (int r = all ? 0 : n - 1; r < n; ++r) {
        const int c = b.Captured[size_t(r)][size_t(kind)];
        if (!ValidCard(c)) continue;
        const int x = base.x + r * Spacing[kind], y = base.y;
        CardState& k = s.Cards[size_t(c)];
        if (c == movedCard) {
            MoveCard(c, k.X, k.Y, x, y, false, 36, 55, false);
            Sound_Play(Snd::TUCK, false, QChar(), 0);
        } else {
            k.X = float(x);
            k.Y = float(y);
            PlaceCard(c, x, y);
        }
    }
    if (kind == KindPi) {
        PlayerLabels& l = s.View.Labels[size_t(player)];
        if (n > 0) {
            l.PiX = int16_t(base.x + (n - 1) * Spacing[KindPi] + 37);
            l.PiY = int16_t(base.y + 12);
            if (recording()) {
                Action& a = push(Act::Label);
                a.index = int16_t(LabelId::PiCount);
                a.player = int8_t(player);
                a.text = l.PiValue > 0 ? QString::number(l.PiValue) : QString();
                a.visible = l.PiVisible;
                a.hasPos = true;
                a.a = l.PiX;
                a.b = l.PiY;
            }
        } else {
            l.PiValue = 0;
            l.PiVisible = false;
            if (recording()) SetLabel(LabelId::PiCount, player, QStringLiteral("0"), false);
        }
    }
}

void Replay::CaptureCard(int player, int card) {
    if (!ValidCard(card) || player < 0 || player > 1) return;
    CardState& k = s.Cards[size_t(card)];
    const int kind = k.Kind;
    if (kind < 1 || kind > 4) return;
    PlayerBoard& b = s.Boards[size_t(player)];
    // A card already filed in this column stays where it is.
    if (k.Place == CapturedBase + player && inColumn(b, kind, card)) return;

    int mate = 0;
    const int slot = FindTableMate(card, mate);
    if (slot >= 0 && slot < SlotCount) s.TableSlots[size_t(slot)].Used = 0;

    setPlace(card, CapturedBase + player);
    k.Slot = -1;
    k.StackIndex = 0;
    if (b.HandSet >> card & 1) {
        b.HandSet &= ~(uint64_t(1) << card);
        for (auto& h : b.Hand)
            if (h == card) h = -1;
    }

    const int16_t count = b.CapturedCount[size_t(kind)];
    if (count < PileRows) {
        b.Captured[size_t(count)][size_t(kind)] = int16_t(card);
        b.CapturedCount[size_t(kind)] = int16_t(count + 1);
        b.CapturedSet[size_t(kind)] |= uint64_t(1) << card;
    }
    fileColumn(player, kind, card);

    if (card == 32 && kind == KindPi) {
        for (int r = 0; r < b.CapturedCount[KindAnimal]; ++r)
            if (b.Captured[size_t(r)][KindAnimal] == 32) b.Captured[size_t(r)][KindAnimal] = -1;
        packColumn(b, KindAnimal);
        b.PileStale |= uint8_t(1u << KindAnimal); // the pictures stay where they were
    }
    CountScore(player);
}

void Replay::TakePi(int player, int n) {
    const int opp = 1 - player;
    int16_t singles[3], doubles[3];
    int ns = 0, nd = 0;
    for (uint64_t bits = s.Where[size_t(3 + opp)] & limitMask(); bits; bits &= bits - 1) {
        const int c = std::countr_zero(bits);
        const CardState& k = s.Cards[size_t(c)];
        if (k.Kind != KindPi) continue;
        if (k.Special == MarkDoublePi) {
            if (nd < 3) doubles[nd++] = int16_t(c);
        } else if (ns < 3) {
            singles[ns++] = int16_t(c);
        }
    }
    const int value = ns + 2 * nd;
    if (value == 0) return;
    int16_t taken[6];
    int nt = 0;
    if (n >= value) {
        for (int i = 0; i < nd; ++i) taken[nt++] = doubles[i];
        for (int i = 0; i < ns; ++i) taken[nt++] = singles[i];
    } else if (nd == 0) {
        for (int i = 0; i < n && i < ns; ++i) taken[nt++] = singles[i];
    } else if (ns == 0) {
        for (int i = 0, got = 0; i < nd && got < n; ++i, got += 2) taken[nt++] = doubles[i];
    } else {
        switch (n) {
        case 1: taken[nt++] = singles[0]; break;
        case 2: taken[nt++] = doubles[0]; break;
        case 3:
            taken[nt++] = doubles[0];
            taken[nt++] = singles[0];
            break;
        case 4:
            if (nd >= 2) {
                taken[nt++] = doubles[0];
                taken[nt++] = doubles[1];
            } else {
                taken[nt++] = doubles[0];
                taken[nt++] = singles[0];
                if (ns > 1) taken[nt++] = singles[1];
            }
            break;
        default:
            taken[nt++] = doubles[0];
            if (nd > 1) taken[nt++] = doubles[1];
            taken[nt++] = singles[0];
            break;
        }
    }
    for (int i = 0; i < nt; ++i) CaptureCard(player, taken[i]);

    // The opponent's pi column loses the taken cards.
    PlayerBoard& b = s.Boards[size_t(opp)];
    for (int r = 0; r < b.CapturedCount[KindPi]; ++r) {
        const int16_t c = b.Captured[size_t(r)][KindPi];
        for (int i = 0; i < nt; ++i)
            if (c == taken[i]) b.Captured[size_t(r)][KindPi] = -1;
    }
    packColumn(b, KindPi);
    CountScore(opp);
    fileColumn(opp, KindPi, -1);
}
