#pragma once
// The figures of the statistics window, from the record of games played: for
// a group of games (a grade, an issue, all of them) how many there are, how
// many were solved and how many of those without help, the best and the
// median solving time, and every solving time for the chart. A game listed
// twice in a group counts once. Plain C++; the window groups the games and
// words the figures.

#include "GameRecords.h"

#include <cstdint>
#include <vector>

struct TGameTally {
    int Games = 0;
    int Started = 0;  // solved ones included
    int Solved = 0;
    int SolvedWithoutHelp = 0;
    // 0 while nothing is solved.
    int64_t BestMs = 0;
    // The middle solving time; of an even count, the mean of the two middle
    // ones, rounded down.
    int64_t MedianMs = 0;
    // The solving times, shortest first.
    std::vector<int64_t> SolvedTimesMs;
};

TGameTally TallyGames(const std::vector<uint32_t>& Games, const TGameRecords& Records);
