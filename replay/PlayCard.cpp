// One turn: a card from the hand (or a bomb of three, a bonus card, a bomb card), the flip of the
// deck's top card, and what the player takes for it.
#include "replay/Replay.h"

namespace {

constexpr int Bomb = -2; // the kind of play of a bomb

} // namespace

void Replay::PlayHandCard(int mover, int card) {
    if (s.p_GAMEEND == -1) {
        s.TimerOn = false;
        return;
    }
    if (s.View.ResultShown || !ValidCard(card)) return;
    if (card >= 48) {
        PlayBonusCard(mover, card);
        return;
    }
    if (s.Cards[size_t(card)].Triple != 1) {
        LayHandCard(mover, card);
        return;
    }
    int mate = -1;
    const int d = FindTableMate(card, mate);
    const int month = s.Cards[size_t(card)].Month;
    int others[3] = {-1, -1, -1};
    int otherCount = 0;
    for (uint64_t bits = s.Where[size_t(mover)] & monthMask(month); bits; bits &= bits - 1) {
        const int c = std::countr_zero(bits);
        s.Cards[size_t(c)].Triple = 3;
        if (c != card && otherCount < 3) others[otherCount++] = c;
    }
    // Without its two partners or without a table card of its month the card is simply laid.
    if (otherCount != 2 || d < 0 || d >= SlotCount) {
        LayHandCard(mover, card);
        return;
    }
    const TableSlot& slot = s.TableSlots[size_t(d)];
    const int three[3] = {card, others[0], others[1]};
    for (int i = 0; i < 3; ++i) {
        CardState& k = s.Cards[size_t(three[i])];
        k.Slot = int16_t(d);
        setPlace(three[i], OnTable);
        k.StackIndex = int16_t(i);
        MoveCard(three[i], k.X, k.Y, slot.X + 7 * (i + 1), slot.Y + 5 * (i + 1), true, 36, 55, false);
    }
    PlayerState& pl = s.Players[size_t(mover)];
    ++pl.ShakeCount;
    game_DRAWNUM(3, mover);
    ShowCardEffect(mover, card, 12);
    Sound_Play(Snd::BOMB, true, QChar(), 0.3);
    auto& tags = s.View.BombTag[size_t(mover)];
    for (int pair = 0; pair < BombImages; pair += 2) {
        if (tags[size_t(pair)] != -1 || tags[size_t(pair + 1)] != -1) continue;
        tags[size_t(pair)] = tags[size_t(pair + 1)] = int16_t(mover);
        if (mover == 0) {
            PlaceBombMarker(pair, 0, 9 - pair);
            PlaceBombMarker(pair + 1, 0, 8 - pair);
        }
        break;
    }
    const int16_t T[3] = {int16_t(others[0]), int16_t(others[1]), int16_t(mate)};
    FlipAndCapture(mover, card, T, 3, Bomb);
}

void Replay::LayHandCard(int mover, int card) {
    if (s.p_GAMEEND == -1) {
        s.TimerOn = false;
        return;
    }
    if (s.View.ResultShown || !ValidCard(card)) return;
    const Matches m = ListTableMatches(card);
    const int a = m.count > 3 ? 3 : m.count;
    CardState& k = s.Cards[size_t(card)];
    k.Slot = int16_t(m.slot);
    k.StackIndex = int16_t(a);
    setPlace(card, OnTable);
    const TableSlot& slot = s.TableSlots[size_t(m.slot)];
    s.TableSlots[size_t(m.slot)].Used = 1;
    ShowCardFace(card);
    if (a == 0) {
        MoveCard(card, k.X, k.Y, slot.X, slot.Y, true, 36, 55, false);
        Sound_Play(Snd::TUCK, true, QChar(), 0.3);
    } else {
        MoveCard(card, k.X, k.Y, slot.X + 10 * a, slot.Y + 8 * a, true, 36, 55, true);
        Sound_Play(Snd::CHAK, true, QChar(), 0.5);
        HideFlash();
    }
    int16_t T[3] = {-1, -1, -1};
    int tCount = 0;
    if (a == 1) {
        T[0] = m.cards[0];
        tCount = 1;
    } else if (a == 2) {
        T[0] = s.ChoiceHand;
        tCount = 1;
    } else if (a == 3) {
        for (int i = 0; i < 3; ++i) T[i] = m.cards[size_t(i)];
        tCount = 3;
    }
    FlipAndCapture(mover, card, T, tCount, a);
    if (s.p_GAMEEND == -1) s.TimerOn = false;
}

void Replay::PlayBonusCard(int mover, int card) {
    if (!ValidCard(card)) return;
    ShowCardFace(card);
    CaptureCard(mover, card);
    const int r = DeckPop();
    PlayerState& pl = s.Players[size_t(mover)];
    if (pl.MoveCount > 0) --pl.MoveCount;
    if (ValidCard(r)) {
        CardState& k = s.Cards[size_t(r)];
        setPlace(r, mover);
        PlayerBoard& b = s.Boards[size_t(mover)];
        for (int i = 0; i < HandPlaces; ++i) {
            if (b.Hand[size_t(i)] != -1) continue;
            b.Hand[size_t(i)] = int16_t(r);
            b.HandSet |= uint64_t(1) << r;
            const Point16 pos = b.HandPos[size_t(i)];
            if (mover == 1) MoveCard(r, k.X, k.Y, pos.x, pos.y, false, 15, 23, false);
            else MoveCard(r, k.X, k.Y, pos.x, pos.y, true, 36, 55, false);
            break;
        }
    }
    Sound_Play(Snd::SANGPI, true, QChar(), 0.3);
    CountScore(mover);
    LayoutHand(mover);
    CheckChongtong(mover);
}

void Replay::PlayBombCard(int mover, int index) {
    if (index < 0 || index >= BombImages) return;
    Sound_Play(Snd::BOMB, false, QChar(), 0);
    s.View.BombTag[size_t(mover)][size_t(index)] = 101;
    s.View.BombVisible[size_t(mover)][size_t(index)] = false;
    if (recording()) {
        Action& a = push(mover == 0 ? Act::BombBurst : Act::BombHide);
        a.index = int16_t(index);
        a.player = int8_t(mover);
    }
    FlipAndCapture(mover, -1, nullptr, 0, 0);
}

bool Replay::outcomeTail(int mover) { return s.Players[size_t(mover)].MoveCount > 9; }

void Replay::takePiWithVoice(int mover, int n) {
    const QChar voice = s.Players[size_t(mover)].Voice;
    if (voice == QLatin1Char('M') && n >= 1 && n <= 3)
        Sound_Play(n == 1 ? Snd::EA1 : n == 2 ? Snd::EA2 : Snd::EA3, false, voice, 0);
    TakePi(mover, n);
}

void Replay::FlipAndCapture(int mover, int H, const int16_t* T, int tCount, int a) {
    if (s.p_GAMEEND == -1) {
        s.TimerOn = false;
        return;
    }
    if (s.View.ResultShown) return;

    // The flip; bonus cards are put aside and the deck is flipped again.
    s.FlippedBonusCount = 0;
    int F;
    while (true) {
        F = DeckPop();
        ShowCardFace(F);
        Sound_Play(Snd::HOLD, false, QChar(), 0);
        Pause(0.5);
        if (F < 48) break;
        const int k = s.FlippedBonusCount;
        if (k < int(s.FlippedBonus.size())) s.FlippedBonus[size_t(s.FlippedBonusCount++)] = int16_t(F);
        CardState& c = s.Cards[size_t(F)];
        setPlace(F, OnTable);
        c.Slot = -1;
        MoveCard(F, c.X, c.Y, 153 + 10 * k, 300 + 8 * k, true, 36, 55, false);
        Sound_Play(Snd::SANGPI, true, QChar(), 0.3);
    }
    const Matches M = ListTableMatches(F);
    const int f = M.count > 3 ? 3 : M.count;
    const TableSlot& slot = s.TableSlots[size_t(M.slot)];
    if (ValidCard(F)) {
        CardState& c = s.Cards[size_t(F)];
        c.Slot = int16_t(M.slot);
        setPlace(F, OnTable);
        s.TableSlots[size_t(M.slot)].Used = 1;
        if (f == 0) MoveCard(F, c.X, c.Y, slot.X, slot.Y, true, 36, 55, false);
        else MoveCard(F, c.X, c.Y, slot.X + 10 * f, slot.Y + 8 * f, true, 36, 55, true);
    }
    if (f == 0) {
        Sound_Play(Snd::TUCK, true, QChar(), 0.3);
    } else {
        Sound_Play(Snd::CHAK, true, QChar(), 0.5);
        HideFlash();
    }

    // A choice names a card only when that card lies on the table.
    auto onTable = [&](int c) { return ValidCard(c) && s.Cards[size_t(c)].Place == OnTable ? c : -1; };
    const int choiceFlip = onTable(s.ChoiceFlip);
    auto cap = [&](int c) { CaptureCard(mover, c); };
    auto capT = [&]() {
        for (int i = 0; i < tCount; ++i) cap(T[i]);
    };
    auto capM = [&]() {
        for (int i = 0; i < f; ++i) cap(M.cards[size_t(i)]);
    };
    auto month = [&](int c) { return ValidCard(c) ? int(s.Cards[size_t(c)].Month) : -1; };
    auto ppeokTaken = [&]() { s.Round.PpeokTaken = -1; };
    const int T1 = tCount > 0 ? T[0] : -1;
    const int M1 = M.cards[0];
    const bool early = s.Players[size_t(mover)].MoveCount <= 9;

    // The outcome of the turn; `return`ing from this lambda ends the outcome (the "last turn" stop).
    auto outcome = [&]() {
        if (a == Bomb) {
            switch (f) {
            case 0:
                cap(H);
                capT();
                if (outcomeTail(mover)) return;
                takePiWithVoice(mover, 1);
                break;
            case 1:
                ShowCardEffect(mover, H, 13);
                cap(H);
                capT();
                cap(F);
                cap(M1);
                if (outcomeTail(mover)) return;
                takePiWithVoice(mover, CheckSweep(mover) ? 2 : 1);
                break;
            case 2:
                cap(F);
                cap(choiceFlip);
                cap(H);
                capT();
                if (outcomeTail(mover)) return;
                takePiWithVoice(mover, 1);
                break;
            default:
                cap(H);
                capT();
                ShowCardEffect(mover, F, 13);
                cap(F);
                capM();
                ppeokTaken();
                if (outcomeTail(mover)) return;
                takePiWithVoice(mover, CheckSweep(mover) ? 3 : 2);
                break;
            }
            return;
        }
        int rowA = a;
        int16_t t1Override = -1;
        // The played card took two table cards and the flip took another month's pile of three:
        // the hand card's capture is that of one table card, the one chosen.
        if (a == 2 && f == 3 && month(F) != month(H)) {
            rowA = 1;
            t1Override = int16_t(onTable(s.ChoiceHand));
        }
        const int handMate = rowA == 1 && a == 2 ? t1Override : (a == 2 ? onTable(s.ChoiceHand) : T1);
        if (rowA == 0) {
            switch (f) {
            case 0: break;
            case 1:
                if (H < 0) {
                    cap(F);
                    cap(M1);
                    if (CheckSweep(mover)) takePiWithVoice(mover, 1);
                } else if (month(H) == month(F) && early) {
                    Sound_Play(Snd::KISS, true, QChar(), 0.3);
                    ShowCardEffect(mover, H, 10);
                    cap(H);
                    cap(F);
                    takePiWithVoice(mover, CheckSweep(mover) ? 2 : 1);
                } else {
                    cap(F);
                    cap(M1);
                }
                break;
            case 2:
                cap(F);
                cap(choiceFlip);
                break;
            default: {
                ShowCardEffect(mover, F, 13);
                cap(F);
                capM();
                ppeokTaken();
                if (outcomeTail(mover)) return;
                takePiWithVoice(mover, IsOwnPpeok(mover, month(F)) ? 2 : 1);
                break;
            }
            }
        } else if (rowA == 1 || (rowA == 2 && f < 2)) {
            switch (f) {
            case 0:
                cap(H);
                cap(handMate);
                break;
            case 1:
                cap(H);
                cap(handMate);
                cap(F);
                cap(M1);
                if (outcomeTail(mover)) return;
                if (CheckSweep(mover)) takePiWithVoice(mover, 1);
                break;
            case 2:
                if (month(F) == month(H) && early) {
                    // 뻑: the three cards stay on the table as one pile.
                    PlayerState& pl = s.Players[size_t(mover)];
                    ++pl.PpeokCount;
                    game_DRAWNUM(2, mover);
                    if (ValidCard(M.cards[0])) s.Cards[size_t(M.cards[0])].StackIndex = 0;
                    if (ValidCard(M.cards[1])) s.Cards[size_t(M.cards[1])].StackIndex = 1;
                    if (ValidCard(F)) {
                        s.Cards[size_t(F)].StackIndex = 2;
                        const int m = month(F);
                        if (m >= 1 && m <= 12) s.PpeokOwner[size_t(m)] = int16_t(mover);
                        CardPicture& pic = s.View.Pictures[size_t(F)];
                        pic.Face = true;
                        pic.PpeokMark = int8_t(mover);
                        if (recording()) {
                            Action& act = push(Act::PpeokMark);
                            act.card = int16_t(F);
                            act.player = int8_t(mover);
                        }
                    }
                    ShowCardEffect(mover, M.cards[0], 11);
                    if (pl.MoveCount == 1) pl.FirstPpeok = 1;
                    for (int i = 0; i < s.FlippedBonusCount; ++i)
                        s.View.Pictures[size_t(s.FlippedBonus[size_t(i)])].Tag = 'S';
                    s.FlippedBonusCount = 0;
                } else {
                    cap(F);
                    cap(choiceFlip);
                    cap(H);
                    cap(handMate);
                }
                break;
            default: {
                const bool own = IsOwnPpeok(mover, month(F));
                ShowCardEffect(mover, F, 13);
                cap(H);
                cap(handMate);
                cap(F);
                capM();
                ppeokTaken();
                if (outcomeTail(mover)) return;
                if (CheckSweep(mover)) takePiWithVoice(mover, own ? 3 : 2);
                else takePiWithVoice(mover, own ? 2 : 1);
                break;
            }
            }
        } else if (rowA == 2) {
            if (f == 2) {
                cap(F);
                cap(choiceFlip);
                cap(H);
                cap(handMate);
            } else {
                // 따닥: the fourth card of the month took the played card's pile.
                cap(F);
                capM();
                if (outcomeTail(mover)) return;
                const QChar voice = s.Players[size_t(mover)].Voice;
                if (voice == QLatin1Char('M')) Sound_Play(Snd::DDAK, false, voice, 0);
                else if (voice == QLatin1Char('F')) Sound_Play(Snd::AHH, false, voice, 0);
                takePiWithVoice(mover, CheckSweep(mover) ? 2 : 1);
            }
        } else {
            const bool ownH = IsOwnPpeok(mover, month(H));
            switch (f) {
            case 0:
                ShowCardEffect(mover, H, 13);
                cap(H);
                capT();
                ppeokTaken();
                if (outcomeTail(mover)) return;
                takePiWithVoice(mover, ownH ? 2 : 1);
                break;
            case 1:
                ShowCardEffect(mover, H, 13);
                cap(H);
                capT();
                ppeokTaken();
                cap(F);
                cap(M1);
                if (outcomeTail(mover)) return;
                if (CheckSweep(mover)) takePiWithVoice(mover, ownH ? 3 : 2);
                else takePiWithVoice(mover, ownH ? 2 : 1);
                break;
            case 2:
                cap(F);
                cap(choiceFlip);
                cap(H);
                capT();
                ppeokTaken();
                if (outcomeTail(mover)) return;
                takePiWithVoice(mover, ownH ? 2 : 1);
                break;
            default: {
                const bool ownF = IsOwnPpeok(mover, month(F));
                cap(H);
                capT();
                ppeokTaken();
                cap(F);
                capM();
                if (outcomeTail(mover)) return;
                if (!CheckSweep(mover)) takePiWithVoice(mover, 2);
                else if (ownH && ownF) TakePi(mover, 5);
                else if (ownH || ownF) TakePi(mover, 4);
                else takePiWithVoice(mover, 3);
                break;
            }
            }
        }
    };
    outcome();

    for (int i = 0; i < s.FlippedBonusCount; ++i) {
        const int c = s.FlippedBonus[size_t(i)];
        if (s.Cards[size_t(c)].Place < CapturedBase) CaptureCard(mover, c);
    }
    s.FlippedBonusCount = 0;
    if (s.Round.PpeokTaken == -1) {
        s.Round.PpeokTaken = 0;
        const int limit = cardLimit();
        for (int c = 48; c < limit; ++c) {
            if (s.View.Pictures[size_t(c)].Tag != 'S') continue;
            s.View.Pictures[size_t(c)].Tag = 0;
            CaptureCard(mover, c);
        }
    }
    for (int guard = 0; guard < 4; ++guard) {
        bool gukjin = false;
        CountScore(mover);
        const int r = DecideGoStop(mover, gukjin);
        if (r != -1) break;
        if (!gukjin) {
            LayoutHand(mover);
            break;
        }
    }
    if (s.p_GAMEEND == -1) s.TimerOn = false;
}
