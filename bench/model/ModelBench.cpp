// Speed of the puzzle model: solving ordinary singles puzzles from load to
// solved, one value entry with its candidate upkeep, and one undo.

#include "SinglesPuzzles.h"
#include "Puzzle.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

const std::vector<singles::TPuzzleData>& BenchPuzzles()
{
    static const std::vector<singles::TPuzzleData> Puzzles = [] {
        std::vector<singles::TPuzzleData> List;
        for (uint64_t Seed = 1; Seed <= 64; ++Seed)
            List.push_back(singles::MakeSinglesPuzzle(Seed * 1000003));
        return List;
    }();
    return Puzzles;
}

void BM_LoadAndSolveSingles(benchmark::State& State)
{
    const auto& Puzzles = BenchPuzzles();
    TPuzzle Puzzle;
    size_t Next = 0;
    int Givens = 0;
    for (const auto& Data : Puzzles)
        Givens += Data.GivenCount();
    int64_t Unsolved = 0;
    for (auto _ : State) {
        const auto& Data = Puzzles[Next];
        Next = (Next + 1) % Puzzles.size();
        Puzzle.ClearHistory();
        Puzzle.LoadPuzzle(Data.Solution, Data.Given);
        Unsolved += Puzzle.Solve(TMethodSet::All()) ? 0 : 1;
    }
    if (Unsolved != 0)
        State.SkipWithError("a benchmark puzzle was not solved");
    State.counters["puzzles/s"] =
        benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
    State.counters["givens"] = static_cast<double>(Givens) / static_cast<double>(Puzzles.size());
}
BENCHMARK(BM_LoadAndSolveSingles);

// The load alone, for comparison with load and solve.
void BM_LoadOnly(benchmark::State& State)
{
    const auto& Puzzles = BenchPuzzles();
    TPuzzle Puzzle;
    size_t Next = 0;
    for (auto _ : State) {
        const auto& Data = Puzzles[Next];
        Next = (Next + 1) % Puzzles.size();
        Puzzle.LoadPuzzle(Data.Solution, Data.Given);
    }
    State.counters["puzzles/s"] =
        benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LoadOnly);

// One entry in an empty cell of a loaded puzzle, then the same cell cleared:
// each is a full SetValue with undo record and candidate upkeep.
void BM_SetValue(benchmark::State& State)
{
    const auto& Data = BenchPuzzles()[0];
    TPuzzle Puzzle;
    Puzzle.LoadPuzzle(Data.Solution, Data.Given);
    int Index = 0;
    while (Data.Given[Index])
        ++Index;
    TCell* Cell = Puzzle.CellByIndex(Index);
    const int Digit = Data.Solution[Index];
    for (auto _ : State) {
        Cell->SetValue(Digit);
        Cell->SetValue(0);
        if (Puzzle.UndoCount() > 100000)
            Puzzle.ClearHistory();
    }
    State.SetItemsProcessed(State.iterations() * 2);
    State.counters["ns/SetValue"] = benchmark::Counter(static_cast<double>(State.iterations() * 2),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SetValue);

// One undo of an entry (the entry itself is made with the timer paused).
void BM_Undo(benchmark::State& State)
{
    const auto& Data = BenchPuzzles()[0];
    TPuzzle Puzzle;
    Puzzle.LoadPuzzle(Data.Solution, Data.Given);
    std::vector<int> Empty;
    for (int Index = 0; Index < 81; ++Index) {
        if (!Data.Given[Index])
            Empty.push_back(Index);
    }
    // Fill all empty cells, then undo them one by one; refill when done.
    size_t Filled = 0;
    for (auto _ : State) {
        if (Puzzle.UndoCount() == 0) {
            State.PauseTiming();
            for (int Index : Empty)
                Puzzle.CellByIndex(Index)->SetValue(Data.Solution[Index]);
            Filled += Empty.size();
            State.ResumeTiming();
        }
        benchmark::DoNotOptimize(Puzzle.Undo(1));
    }
    benchmark::DoNotOptimize(Filled);
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_Undo);

}  // namespace

BENCHMARK_MAIN();
