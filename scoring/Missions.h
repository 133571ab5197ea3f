#pragma once
// The sixteen missions a hand may carry: cards the winner must capture, and the rate they pay.

#include <QString>
#include <array>
#include <cstdint>

struct Mission {
    QString Goal;
    QString CardList; // card numbers, each followed by ","
    int16_t Rate = 0;
};

constexpr int MissionCount = 17; // 0-15 filled, 16 empty
const std::array<Mission, MissionCount>& Missions();

// The cards of a mission's list, at most `max`; returns how many.
int MissionCards(const Mission& m, int16_t* out, int max);
