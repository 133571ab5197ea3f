// The fixed card set and board geometry, the small queries the rules ask of the table, the deal,
// the hand layout and the straightening of the table before a move.
#include "replay/Replay.h"

namespace {

constexpr int16_t SlotX[SlotCount] = {227, 316, 187, 339, 217, 307, 137, 407, 97, 429, 127, 397};
constexpr int16_t SlotY[SlotCount] = {150, 150, 243, 243, 334, 334, 150, 150, 243, 243, 334, 334};

} // namespace

const std::array<CardInfo, CardCount>& CardTable() {
    static const std::array<CardInfo, CardCount> table = [] {
        std::array<CardInfo, CardCount> t{};
        // Per month: kind and mark of its four cards, most valuable first.
        const CardInfo rows[12][4] = {
            {{1, 1, 0}, {1, 3, 1}, {1, 4, 0}, {1, 4, 0}},   {{2, 2, 5}, {2, 3, 1}, {2, 4, 0}, {2, 4, 0}},
            {{3, 1, 0}, {3, 3, 1}, {3, 4, 0}, {3, 4, 0}},   {{4, 2, 5}, {4, 3, 3}, {4, 4, 0}, {4, 4, 0}},
            {{5, 2, 0}, {5, 3, 3}, {5, 4, 0}, {5, 4, 0}},   {{6, 2, 0}, {6, 3, 2}, {6, 4, 0}, {6, 4, 0}},
            {{7, 2, 0}, {7, 3, 3}, {7, 4, 0}, {7, 4, 0}},   {{8, 1, 0}, {8, 2, 5}, {8, 4, 0}, {8, 4, 0}},
            {{9, 2, 4}, {9, 3, 2}, {9, 4, 0}, {9, 4, 0}},   {{10, 2, 0}, {10, 3, 2}, {10, 4, 0}, {10, 4, 0}},
            {{11, 1, 0}, {11, 4, 4}, {11, 4, 0}, {11, 4, 0}}, {{12, 1, 6}, {12, 2, 7}, {12, 3, 0}, {12, 4, 4}},
        };
        for (int m = 0; m < 12; ++m)
            for (int i = 0; i < 4; ++i) t[size_t(4 * m + i)] = rows[m][i];
        for (int b = 48; b < CardCount; ++b) t[size_t(b)] = {int16_t(b - 35), KindPi, MarkDoublePi};
        return t;
    }();
    return table;
}

Replay::Replay() { InitCardTable(); }

void Replay::InitCardTable() {
    const auto& table = CardTable();
    for (int c = 0; c < CardCount; ++c) {
        CardState& k = s.Cards[size_t(c)];
        k.Month = table[size_t(c)].month;
        k.Kind = table[size_t(c)].kind;
        k.Special = table[size_t(c)].special;
        k.X = 0;
        k.Y = 0;
    }
    for (int i = 0; i < SlotCount; ++i) {
        s.TableSlots[size_t(i)].X = SlotX[i];
        s.TableSlots[size_t(i)].Y = SlotY[i];
        s.TableSlots[size_t(i)].Used = 0;
    }
    for (int i = 0; i < HandPlaces; ++i) {
        const int col = i % 5;
        s.Boards[0].HandPos[size_t(i)] = {int16_t(389 + 39 * col), int16_t(i < 5 ? 456 : 514)};
        s.Boards[1].HandPos[size_t(i)] = {int16_t(399 + 17 * col), int16_t(i < 5 ? 27 : 52)};
        s.Boards[0].Hand[size_t(i)] = -1;
        s.Boards[1].Hand[size_t(i)] = -1;
        s.Boards[0].HandSet = s.Boards[1].HandSet = 0;
    }
    const Point16 pile0[5] = {{0, 0}, {4, 515}, {95, 515}, {245, 515}, {4, 457}};
    const Point16 pile1[5] = {{0, 0}, {4, 66}, {95, 66}, {245, 66}, {4, 8}};
    for (int k = 1; k <= 4; ++k) {
        s.Boards[0].PilePos[size_t(k)] = pile0[k];
        s.Boards[1].PilePos[size_t(k)] = pile1[k];
    }
    for (auto& b : s.Boards)
        for (auto& row : b.Captured) row.fill(-1);
}

int Replay::FindTableMate(int card, int& mate) const {
    if (!ValidCard(card)) return -1;
    // Only the four cards of the card's own month can be its mates.
    const int month = s.Cards[size_t(card)].Month;
    if (month < 1 || month > 12) return -1;
    const uint64_t mates = s.Where[2] & monthMask(month) & ~(uint64_t(1) << card);
    if (!mates) return -1;
    const int c = std::countr_zero(mates);
    if (mate == -1) mate = c;
    return s.Cards[size_t(c)].Slot;
}

Replay::Matches Replay::ListTableMatches(int card) const {
    Matches m;
    if (ValidCard(card)) {
        for (uint64_t bits = s.Where[2] & monthMask(s.Cards[size_t(card)].Month); bits; bits &= bits - 1) {
            const int c = std::countr_zero(bits);
            if (s.Cards[size_t(c)].Slot >= 0) m.cards[size_t(m.count++)] = int16_t(c);
        }
    }
    m.slot = m.count > 0 ? s.Cards[size_t(m.cards[0])].Slot : FirstFreeSlot();
    if (m.slot < 0 || m.slot >= SlotCount) m.slot = FirstFreeSlot();
    return m;
}

int Replay::FirstFreeSlot() const {
    for (int i = 0; i < SlotCount; ++i)
        if (!s.TableSlots[size_t(i)].Used) return i;
    return 0;
}

int Replay::DeckPop() {
    if (s.Round.DeckTop >= s.Round.DeckEnd) return -1;
    return s.Round.Deck[size_t(s.Round.DeckTop++)];
}

bool Replay::CheckSweep(int player) {
    if (s.Where[2] & MonthCards) return false;
    Sound_Play(Snd::PANSL, false, s.Players[size_t(player)].Voice, 0);
    return true;
}

bool Replay::IsOwnPpeok(int player, int month) const {
    if (month < 1 || month > 12) return false;
    return s.Players[size_t(player)].MoveCount <= 9 && s.PpeokOwner[size_t(month)] == player;
}

void Replay::LoadDeal(QStringView whatoo) {
    s.Round.DeckTop = s.Round.DeckEnd = 0;
    // Cards the deal does not name lie nowhere.
    for (CardState& k : s.Cards) {
        k.Place = InDeck;
        k.Slot = -1;
        k.Triple = -1;
    }
    s.Where.fill(0);
    std::array<bool, CardCount> dealt{};
    int tableCount = 0;
    std::array<int, 2> handCount{};
    const int total = s.Round.CardTotal;
    qsizetype from = 0;
    const qsizetype size = whatoo.size();
    for (int d = 0; d < total; ++d) {
        qsizetype at = from;
        int card = 0;
        bool plain = true; // only digits, read on the way
        const QChar* text = whatoo.data();
        while (at < size && text[at] != QLatin1Char('^')) {
            const char16_t ch = text[at].unicode();
            if (ch >= u'0' && ch <= u'9' && card < 1000) card = card * 10 + (ch - u'0');
            else plain = false;
            ++at;
        }
        const QStringView piece = whatoo.mid(from, at - from);
        from = at + 1;
        if (!plain || piece.isEmpty()) {
            card = -1;
            ReadWhole(piece, card);
        }
        // A position whose text is no card, or repeats a card dealt before, is left out.
        if (!ValidCard(card) || dealt[size_t(card)]) continue;
        dealt[size_t(card)] = true;
        CardState& k = s.Cards[size_t(card)];
        k.StackIndex = 0;
        k.Slot = -1;
        k.Triple = -1;
        const uint64_t bit = uint64_t(1) << card;
        if (d < 8) {
            k.Place = OnTable;
            s.Where[2] |= bit;
            k.Slot = int16_t(tableCount++);
        } else if (d < 28) {
            const int p = d < 18 ? 1 : 0;
            k.Place = int16_t(p);
            s.Where[size_t(p)] |= bit;
            if (handCount[size_t(p)] < HandPlaces) {
                s.Boards[size_t(p)].Hand[size_t(handCount[size_t(p)]++)] = int16_t(card);
                s.Boards[size_t(p)].HandSet |= uint64_t(1) << card;
            }
        } else {
            s.Round.Deck[size_t(s.Round.DeckEnd++)] = int8_t(card);
        }
        k.X = float(285 - d / 2);
        k.Y = float(260 - d / 2);
        CardPicture& pic = s.View.Pictures[size_t(card)];
        pic.Visible = true;
        pic.Face = false;
        if (recording()) {
            Action& a = push(Act::CardPlace);
            a.card = int16_t(card);
            a.a = 285 - d / 2;
            a.b = 260 - d / 2;
            a.faceDown = true;
        }
    }
    Pause(0.8);
}

void Replay::LayoutHand(int player) {
    PlayerBoard& b = s.Boards[size_t(player)];
    b.Hand.fill(-1);
    b.HandSet = 0;
    int n = 0;
    for (uint64_t bits = s.Where[size_t(player)] & limitMask(); bits && n < HandPlaces; bits &= bits - 1) {
        const int c = std::countr_zero(bits);
        CardState& k = s.Cards[size_t(c)];
        const Point16 pos = b.HandPos[size_t(n)];
        k.X = pos.x;
        k.Y = pos.y;
        b.Hand[size_t(n++)] = int16_t(c);
        b.HandSet |= uint64_t(1) << c;
        PlaceCard(c, pos.x, pos.y);
    }
    // The hand places hold the cards in number order, so the cards of a month follow each other:
    // a run of three is a month of which the hand holds three or four cards. Each month is one
    // group of four bits; count the bits of every group at once and keep the groups of 3 or 4.
    const uint64_t held = b.HandSet & MonthCards;
    uint64_t count = held - ((held >> 1) & 0x5555555555555555ull);
    count = (count & 0x3333333333333333ull) + ((count >> 2) & 0x3333333333333333ull);
    const uint64_t months = ((count + 0x5555555555555555ull) & 0x8888888888888888ull) >> 3;
    for (uint64_t bits = held & (months * 0xF); bits; bits &= bits - 1) s.Cards[size_t(std::countr_zero(bits))].Triple = 1;
}

void Replay::ResyncTable() {
    const uint64_t table = s.Where[2] & MonthCards;
    for (uint64_t bits = table; bits; bits &= bits - 1) {
        const int c = std::countr_zero(bits);
        CardState& k = s.Cards[size_t(c)];
        if (k.Slot >= 0 && k.Slot < SlotCount) s.TableSlots[size_t(k.Slot)].Used = 1;
        if (k.StackIndex != 0 && BitCount(table & monthMask(k.Month)) == 1) {
            k.StackIndex = 0;
            if (k.Slot >= 0 && k.Slot < SlotCount) {
                const TableSlot& t = s.TableSlots[size_t(k.Slot)];
                k.X = t.X;
                k.Y = t.Y;
                PlaceCard(c, t.X, t.Y);
            }
        }
    }
}

void Replay::setPlace(int card, int place) {
    const uint64_t bit = uint64_t(1) << card;
    const int old = whereIndex(s.Cards[size_t(card)].Place);
    if (old >= 0) s.Where[size_t(old)] &= ~bit;
    const int i = whereIndex(place);
    if (i >= 0) s.Where[size_t(i)] |= bit;
    s.Cards[size_t(card)].Place = int16_t(place);
}

void Replay::ResetState() {
    for (int p = 0; p < 2; ++p) {
        PlayerBoard& b = s.Boards[size_t(p)];
        for (auto& row : b.Captured) row.fill(-1);
        b.CapturedCount.fill(0);
        b.CapturedSet.fill(0);
        b.PileStale = 0;
        b.Hand.fill(-1);
        b.HandSet = 0;
        PlayerState& pl = s.Players[size_t(p)];
        pl.MoveCount = pl.GoCount = pl.GoScore = pl.Score = pl.ShakeCount = pl.PpeokCount = 0;
        pl.AnimalDouble = pl.BrightPoints = pl.PiPoints = pl.FirstPpeok = 0;
        pl.GodoriSaid = pl.ChungdanSaid = pl.ChodanSaid = pl.HongdanSaid = 0;
        pl.BrightCount = pl.AnimalCount = pl.RibbonCount = pl.PiCount = pl.CardCount = 0;
    }
    s.Round.LastGoSeat = -1;
    s.Round.ChongtongRate = 10;
    s.Round.PpeokTaken = 0;
    s.Round.DeckTop = s.Round.DeckEnd = 0;
    const int limit = cardLimit();
    for (int c = 0; c < limit; ++c) {
        CardPicture& pic = s.View.Pictures[size_t(c)];
        pic.Visible = false;
        pic.W = 36;
        pic.H = 55;
        pic.Tag = 0;
        pic.Face = false;
        pic.PpeokMark = -1;
        s.Cards[size_t(c)].X = 258;
        s.Cards[size_t(c)].Y = 230;
    }
    s.Cards[32].Kind = KindAnimal;
    s.View.Pictures[32].Tag = 'T';
    for (auto& t : s.TableSlots) t.Used = 0;
    s.PpeokOwner.fill(0);
}
