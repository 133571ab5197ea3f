#pragma once
// Plausible records for tests and benchmarks: a shuffled deal, and moves chosen at random among
// the mover's hand cards, with the choices and calls a player would have recorded. Each move is
// tried on a copy of the replay first to see what it does.

#include "records/GameRecord.h"

#include <QRandomGenerator>

GameRecord MakeRandomRecord(QRandomGenerator& rng);
