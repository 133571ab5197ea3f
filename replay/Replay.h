#pragma once
// The replay engine: the card rules of one hand, performed at once on a HandState. Every rule
// appends what the board should show or play to the timeline, when one is attached.

#include "records/GameRecord.h"
#include "replay/HandState.h"
#include "replay/Timeline.h"

#include <QStringView>
#include <bit>
#include <vector>

// Names of the sounds the rules play (the names of the sound table without their voice prefix).
enum class Snd : uint8_t {
    AHH, BOMB, CHAK, CHODAN, CHONG, CHUNGDAN, DDAK, GODORI, GOOD, HMM, HOLD, HONGDAN, JJOK, KISS,
    LOSE, MISSION, NOTGOOD, NOWIN, PANSL, SANDA, SANGPI, START, STOP, TUCK, WAVE, WINNER,
    EA1, EA2, EA3, GO1, GO2, GO3, GO4, GO5, GO6, GO7, GO8, GO9,
    Count
};
QStringView SoundName(Snd s);
// The slot a name resolves to without a voice (v 0), in the male (1) or the female voice (2).
int SoundSlotFor(Snd s, int v);

// One card of the fixed card table: month, kind and special mark.
struct CardInfo {
    int16_t month, kind, special;
};
const std::array<CardInfo, CardCount>& CardTable();

class Replay {
public:
    Replay();
    explicit Replay(const HandState& state) : s(state) {}

    HandState s;

    // Optional outputs: the timeline, and the slots of the sounds played.
    Timeline* timeline = nullptr;
    std::vector<uint8_t>* soundLog = nullptr;

    // Card table and queries.
    void InitCardTable();
    int FindTableMate(int card, int& mate) const;
    struct Matches {
        std::array<int16_t, 4> cards{{-1, -1, -1, -1}};
        int count = 0;
        int slot = 0;
    };
    Matches ListTableMatches(int card) const;
    int FirstFreeSlot() const;
    int DeckPop();
    bool CheckSweep(int player);
    bool IsOwnPpeok(int player, int month) const;
    void LoadDeal(QStringView whatoo);
    void LayoutHand(int player);
    void ResyncTable();
    void ResetState();

    // Driver.
    void PrepareReplay(const GameRecord& record);
    void game_START(const GameRecord& record);
    void game_END(int r_MISSION);
    void DealSequence(QStringView whatoo);
    void DealTableCards(int half);
    void DealHandCards(int half, int player);
    void SettleDealtTable();
    // Performs the move at MoveIndex; false when the stream has ended (nothing was done).
    bool ReplayStep();
    void DecodeChoices(const QStringView* items, int itemCount);
    void PressMenu(int button);

    // Playing a card.
    void PlayHandCard(int mover, int card);
    void LayHandCard(int mover, int card);
    void PlayBonusCard(int mover, int card);
    void PlayBombCard(int mover, int index);
    void FlipAndCapture(int mover, int H, const int16_t* T, int tCount, int a);

    // Captured piles.
    void CaptureCard(int player, int card);
    void TakePi(int player, int n);

    // Go and stop.
    int DecideGoStop(int mover, bool& gukjin);
    void Go(int mover);
    void Stop(int mover);

    // Scoring, settlement, missions, panels.
    void CountScore(int player);
    [[gnu::noinline]] void announceSet(int player, Snd name, uint8_t& said);
    [[gnu::noinline]] void drawScoreLabels(int player, int piValue);
    void SettleWin(int winner);
    void SettleSpecialWin(int winner, char kind);
    void SettleDraw();
    bool CheckChongtong(int player);
    void ShowChongtong(int player, int month);
    int MissionRate(int player) const;
    void ShowMission();
    void game_INITUSER(int player, const QString& line);
    void game_DRAWNIC();
    void game_DRAWJUMSU(int player);
    void game_DRAWNUM(int kind, int player);
    void game_RINFO();
    void ShowShake(int player, int c1, int c2, int c3);
    void book(int winner, double money);
    bool winnerSounds(int winner);

    // Presentation: these change the pictures' state and append actions.
    void Sound_Play(Snd name, bool wait, QChar voice, double seconds) {
        const int v = voice.isNull() ? 0 : voice == QLatin1Char('M') ? 1 : voice == QLatin1Char('F') ? 2 : 3;
        const int slot = v < 3 ? SoundSlotFor(name, v) : ResolveSoundSlot(SoundName(name), QStringView(&voice, 1));
        if (soundLog) soundLog->push_back(uint8_t(slot));
        if (timeline) recordSound(slot, wait, v != 0, seconds);
    }
    void Sound_PlaySlot(int slot, bool wait, bool voice, double seconds) {
        if (soundLog) soundLog->push_back(uint8_t(slot));
        if (timeline) recordSound(slot, wait, voice, seconds);
    }
    void recordSound(int slot, bool wait, bool voice, double seconds);
    void Pause(double seconds);
    void MoveCard(int card, float fromX, float fromY, int toX, int toY, bool faceUp, int w, int h, bool flash) {
        if (!ValidCard(card)) return;
        if (timeline) recordMove(card, fromX, fromY, toX, toY, faceUp, w, h, flash);
        CardPicture& pic = s.View.Pictures[size_t(card)];
        pic.Visible = true;
        // A move that goes nowhere draws nothing and changes neither size, face nor position.
        if (fromX == float(toX) && fromY == float(toY)) return;
        pic.W = int16_t(w);
        pic.H = int16_t(h);
        if (flash) s.View.FlashShown = true;
        if (faceUp) pic.Face = true;
        s.Cards[size_t(card)].X = float(toX);
        s.Cards[size_t(card)].Y = float(toY);
    }
    void recordMove(int card, float fromX, float fromY, int toX, int toY, bool faceUp, int w, int h, bool flash);
    void HideFlash();
    void ShowCardFace(int card);
    void PlaceCard(int card, int x, int y) {
        if (timeline) recordPlace(card, x, y);
    }
    void recordPlace(int card, int x, int y);
    void ShowCardEffect(int player, int card, int effect);
    void ShowGoNumber(int player, int goCount);
    void PlaceBombMarker(int image, int player, int handSlot);
    void SetLabel(LabelId id, int player, const QString& text, bool visible = true);

    // Moves a card to a location code, keeping the location sets in step.
    void setPlace(int card, int place);
    static int whereIndex(int place) {
        return place == 0 || place == 1 ? place : place == OnTable ? 2 : place == CapturedBase ? 3 : place == CapturedBase + 1 ? 4 : -1;
    }
    uint64_t cardsAt(int place) const {
        const int i = whereIndex(place);
        return i < 0 ? 0 : s.Where[size_t(i)];
    }
    static uint64_t monthMask(int month) {
        return month >= 1 && month <= 12 ? uint64_t(0xF) << (4 * (month - 1)) : 0;
    }
    static constexpr uint64_t MonthCards = (uint64_t(1) << 48) - 1;
    static constexpr uint64_t BonusCards = ((uint64_t(1) << CardCount) - 1) & ~MonthCards;
    uint64_t limitMask() const { return (uint64_t(1) << cardLimit()) - 1; }

    bool recording() const { return timeline != nullptr; }
    Action& push(Act kind);

    static bool ValidCard(int c) { return c >= 0 && c < CardCount; }
    int cardLimit() const { return s.Round.CardTotal < 0 ? 0 : (s.Round.CardTotal > CardCount ? CardCount : s.Round.CardTotal); }
    bool outcomeTail(int mover); // "last?": true when the mover is on his last turn
    void takePiWithVoice(int mover, int n);
    void fileColumn(int player, int kind, int movedCard);
};

// Number of set bits; without a popcount instruction in the target, a few shifts and adds.
inline int BitCount(uint64_t x) {
#if defined(__POPCNT__)
    return std::popcount(x);
#else
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return int((x * 0x0101010101010101ull) >> 56);
#endif
}

// The numeric value of a text such as the money per point; 0 when it is not a number.
double ReadNumber(QStringView text);

// Reads a whole number the way the move stream and the options hold them; false when the text
// is not one.
bool ReadWhole(QStringView text, int& out);
