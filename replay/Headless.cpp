#include "replay/Headless.h"

void ReplayWholeHand(Replay& replay, const GameRecord& record, std::vector<uint8_t>* sounds) {
    replay.soundLog = nullptr;
    replay.PrepareReplay(record);
    replay.game_START(record);
    replay.soundLog = sounds;
    // Each step performs one entry; the stream ends at its first empty entry.
    while (replay.ReplayStep()) {
    }
    replay.soundLog = nullptr;
}
