#pragma once
// A hand set up card by card: who holds what, what lies on the table and what the deck flips next,
// so that one move can be performed on exactly that position and its effects looked at.

#include "records/AppConfig.h"
#include "replay/Replay.h"

#include <QList>
#include <QStringList>
#include <algorithm>

struct Scene {
    Replay r;
    std::vector<uint8_t> sounds;
    Timeline timeline;

    explicit Scene(QChar voice0 = QLatin1Char('M'), QChar voice1 = QLatin1Char('M')) {
        r.s.Round.CardTotal = CardCount;
        r.s.Round.BonusCount = CardCount - 48;
        r.game_END(0);
        for (CardState& k : r.s.Cards) {
            k.Place = InDeck;
            k.Slot = -1;
        }
        r.s.Where.fill(0);
        r.s.Players[0].Voice = voice0;
        r.s.Players[1].Voice = voice1;
        r.s.Players[0].Nick = QStringLiteral("아래");
        r.s.Players[1].Nick = QStringLiteral("위");
    }

    // Cards laid on the table in order; a card of a month already there joins its pile.
    Scene& table(std::initializer_list<int> cards) {
        for (int c : cards) {
            int slot = -1, height = 0;
            for (int o = 0; o < 48; ++o)
                if (r.s.Cards[size_t(o)].Place == OnTable && r.s.Cards[size_t(o)].Month == r.s.Cards[size_t(c)].Month) {
                    slot = r.s.Cards[size_t(o)].Slot;
                    ++height;
                }
            if (slot < 0) slot = r.FirstFreeSlot();
            r.setPlace(c, OnTable);
            CardState& k = r.s.Cards[size_t(c)];
            k.Slot = int16_t(slot);
            k.StackIndex = int16_t(height);
            k.X = float(r.s.TableSlots[size_t(slot)].X + 10 * height);
            k.Y = float(r.s.TableSlots[size_t(slot)].Y + 8 * height);
            r.s.TableSlots[size_t(slot)].Used = 1;
            r.s.View.Pictures[size_t(c)].Visible = true;
            r.s.View.Pictures[size_t(c)].Face = true;
        }
        return *this;
    }
    Scene& hand(int player, std::initializer_list<int> cards) {
        for (int c : cards) r.setPlace(c, player);
        r.LayoutHand(player);
        return *this;
    }
    // The deck, top card first.
    Scene& deck(std::initializer_list<int> cards) {
        r.s.Round.DeckTop = 0;
        r.s.Round.DeckEnd = 0;
        for (int c : cards) r.s.Round.Deck[size_t(r.s.Round.DeckEnd++)] = int8_t(c);
        return *this;
    }
    // Cards already won by a player (filed as the game files them, without being heard).
    Scene& pile(int player, std::initializer_list<int> cards) {
        for (int c : cards) r.CaptureCard(player, c);
        return *this;
    }
    Scene& movesMade(int player, int n) {
        r.s.Players[size_t(player)].MoveCount = int16_t(n);
        return *this;
    }

    // Performs one move entry (as the record writes it, without the final "^").
    Scene& play(const QString& entry, bool withTimeline = false) {
        r.s.Runs = entry + QLatin1Char('^');
        r.s.MoveList = {{0, int32_t(entry.size())}, {int32_t(entry.size() + 1), 0}};
        r.s.MoveIndex = 0;
        r.soundLog = &sounds;
        if (withTimeline) r.timeline = &timeline;
        r.ReplayStep();
        r.soundLog = nullptr;
        r.timeline = nullptr;
        return *this;
    }

    QList<int> at(int place) const {
        QList<int> out;
        for (int c = 0; c < CardCount; ++c)
            if (r.s.Cards[size_t(c)].Place == place) out.append(c);
        return out;
    }
    QList<int> captured(int player) const { return at(CapturedBase + player); }
    QStringList soundNames() const {
        QStringList out;
        for (uint8_t s : sounds) out.append(SoundNames()[s]);
        return out;
    }
    QStringList actions() const {
        QStringList out;
        for (const Action& a : timeline.actions) out.append(DescribeAction(a));
        return out;
    }
};
