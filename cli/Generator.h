#pragma once
// Whole hands dealt and played by the engine's own rules, written as the game writes its records:
// for the demo database, the tests' fixtures and the benchmarks' corpora.

#include "records/GameRecord.h"
#include "replay/Replay.h"

#include <array>
#include <cstdint>
#include <functional>

// The special events a hand can show; the generator counts them so that a corpus can be checked
// for coverage.
enum class Event : uint8_t {
    BonusOnTableAtDeal,
    BonusFlipped,
    BonusFromHand,
    Chongtong,
    Bomb,
    Shake,
    BombCard,
    Kiss,
    Ppeok,
    FirstMovePpeok,
    OwnPpeokTaken,
    OthersPpeokTaken,
    Ttadak,
    Sweep,
    GukjinKept,
    GukjinChanged,
    Go1,
    Go2,
    Go3,
    Go4,
    Go5,
    GoMore,
    Stop,
    LastTurnSettlement,
    Draw,
    ThreePpeokWin,
    Gwangbak,
    Pibak,
    Meongbak,
    Gobak,
    Meongtta,
    FiveBrights,
    MissionKept,
    MissionFailed,
    FiveWinsBonus,
    MaleVoice,
    FemaleVoice,
    Count
};
const char* EventName(Event e);

using EventSet = std::array<bool, size_t(Event::Count)>;

struct GeneratedHand {
    GameRecord record;
    // The settlement the engine computed while the hand was played.
    Ending ending = Ending::Unfinished;
    int winner = -1;
    int points = 0;
    double money = 0;
    int moves = 0; // entries of the move stream
    EventSet events{};
};

class RecordGenerator {
public:
    explicit RecordGenerator(uint64_t seed);

    // The next hand. bonusCards fixes the number of bonus cards (0-5); -1 picks one at random.
    GeneratedHand next(int bonusCards = -1);

    // Called after every performed move of every hand kept or tried, with the engine's state.
    std::function<void(const Replay&)> afterMove;

private:
    uint64_t rand64();
    int below(int n); // 0 .. n-1
    bool chance(int percent);

    bool playHand(GeneratedHand& out, int bonusCards);

    uint64_t state_;
};
