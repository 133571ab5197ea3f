#pragma once
// A whole hand replayed at once, without a board: prepare, start, then every move of the stream.

#include "replay/Replay.h"

// Replays `record` on `replay` (reset first). The sounds played from the first move on, as slots,
// go to `sounds` when given; the timeline, when attached, receives everything from the start.
void ReplayWholeHand(Replay& replay, const GameRecord& record, std::vector<uint8_t>* sounds = nullptr);
