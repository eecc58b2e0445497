#include "GameStatistics.h"

#include <algorithm>

TGameTally TallyGames(const std::vector<uint32_t>& Games, const TGameRecords& Records)
{
    std::vector<uint32_t> Distinct = Games;
    std::sort(Distinct.begin(), Distinct.end());
    Distinct.erase(std::unique(Distinct.begin(), Distinct.end()), Distinct.end());

    TGameTally Tally;
    Tally.Games = static_cast<int>(Distinct.size());
    for (const uint32_t Game : Distinct) {
        const TGameRecord* Record = Records.Find(Game);
        if (Record == nullptr)
            continue;
        ++Tally.Started;
        if (Record->Solved == 0)
            continue;
        ++Tally.Solved;
        if (!Record->Helped())
            ++Tally.SolvedWithoutHelp;
        Tally.SolvedTimesMs.push_back(Record->SolvedInMs);
    }
    std::vector<int64_t>& Times = Tally.SolvedTimesMs;
    std::sort(Times.begin(), Times.end());
    if (!Times.empty()) {
        Tally.BestMs = Times.front();
        const size_t Middle = Times.size() / 2;
        // Halved before adding: two long times do not overflow.
        Tally.MedianMs = Times.size() % 2 == 1 ? Times[Middle]
                                               : Times[Middle - 1] / 2 + Times[Middle] / 2 +
                                                     (Times[Middle - 1] % 2 + Times[Middle] % 2) / 2;
    }
    return Tally;
}
