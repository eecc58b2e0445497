// The pyramid's costs per layout: making a pyramid solution, building and
// loading a pyramid from its puzzle stream, and solving it from about 30
// givens per puzzle to the end. Target: SolvePyramid under 5 ms per pyramid.

#include "MemoryStream.h"
#include "Puzzle.h"
#include "PuzzleStreamWriter.h"
#include "PuzzleXLink.h"
#include "SolutionMaker.h"

#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <vector>

namespace {

constexpr int StreamsPerLayout = 16;
constexpr int TypicalGivens = 30;

// Givens of one puzzle thinned in random order, as long as the puzzle on its
// own still solves by the human methods, down to Target givens. Gives the
// kind of puzzle a published game holds: solvable from about 30 givens.
TGridDigits SolvableGivens(const TGridDigits& Solution, int Target, std::mt19937_64& Engine)
{
    TGridDigits Givens;
    Givens.fill(1);
    std::array<int, 81> Order;
    for (int i = 0; i < 81; ++i)
        Order[i] = i;
    for (int i = 80; i > 0; --i)
        std::swap(Order[i], Order[Engine() % static_cast<uint64_t>(i + 1)]);
    int Count = 81;
    for (const int Cell : Order) {
        if (Count <= Target)
            break;
        Givens[Cell] = 0;
        TPuzzle Trial;
        Trial.LoadPuzzle(Solution, Givens);
        if (Trial.Solve(TMethodSet::All()))
            --Count;
        else
            Givens[Cell] = 1;
    }
    return Givens;
}

enum TGivensKind { gkRandom = 0, gkSolvable = 1 };

std::vector<std::vector<uint8_t>> Streams(uint8_t Layout, TGivensKind Kind)
{
    std::vector<std::vector<uint8_t>> Result;
    for (int Seed = 0; Seed < StreamsPerLayout; ++Seed) {
        const TPyramidSolution Solution = MakePyramidSolution(Layout, 1000 + Seed);
        TPyramidGivens Givens;
        if (Kind == gkRandom) {
            Givens = RandomGivens(Layout, TypicalGivens, 2000 + Seed);
        } else {
            std::mt19937_64 Engine(3000 + Seed);
            for (const auto& Puzzle : Solution.Puzzles)
                Givens.push_back(SolvableGivens(Puzzle, TypicalGivens, Engine));
        }
        Result.push_back(MakePuzzleStream(Solution, Givens));
    }
    return Result;
}

std::unique_ptr<TPuzzleXLink> Load(uint8_t Layout, const std::vector<uint8_t>& Bytes)
{
    auto Pyramid = std::make_unique<TPuzzleXLink>(Layout, nullptr, 1, 1);
    TMemoryStream Stream(Bytes);
    Pyramid->LoadFromStream(Stream);
    return Pyramid;
}

// Every layout family: centres (0, 3), box diagonals (1, 5), no links (2),
// same place (4), one child (7), whole boxes (8, 9), rows and columns to
// diagonals (10, 12), rows and columns to columns and rows (11, 13).
void LayoutArgs(benchmark::internal::Benchmark* B)
{
    for (const int Layout : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13})
        B->Arg(Layout);
}

void BM_MakePyramidSolution(benchmark::State& State)
{
    const uint8_t Layout = static_cast<uint8_t>(State.range(0));
    uint64_t Seed = 0;
    for (auto _ : State)
        benchmark::DoNotOptimize(MakePyramidSolution(Layout, Seed++));
}
BENCHMARK(BM_MakePyramidSolution)->Apply(LayoutArgs)->Unit(benchmark::kMicrosecond);

void BM_BuildAndLoadPyramid(benchmark::State& State)
{
    const uint8_t Layout = static_cast<uint8_t>(State.range(0));
    const auto All = Streams(Layout, gkRandom);
    size_t Next = 0;
    for (auto _ : State) {
        auto Pyramid = Load(Layout, All[Next++ % All.size()]);
        benchmark::DoNotOptimize(Pyramid.get());
    }
}
BENCHMARK(BM_BuildAndLoadPyramid)->Apply(LayoutArgs)->Unit(benchmark::kMicrosecond);

void BM_SolvePyramid(benchmark::State& State)
{
    const uint8_t Layout = static_cast<uint8_t>(State.range(0));
    const auto All = Streams(Layout, static_cast<TGivensKind>(State.range(1)));
    size_t Next = 0;
    int64_t Solved = 0;
    int64_t Givens = 0;
    int64_t Puzzles = 0;
    for (auto _ : State) {
        State.PauseTiming();
        auto Pyramid = Load(Layout, All[Next++ % All.size()]);
        Pyramid->SetPencilMode(6);
        for (int Index = 0; Index <= Pyramid->ChildCount(); ++Index)
            for (int Cell = 0; Cell < 81; ++Cell)
                Givens += Pyramid->GetPuzzle(Index)->CellByIndex(Cell)->GetRevealed();
        State.ResumeTiming();
        benchmark::DoNotOptimize(Pyramid->SolvePyramid(TMethodSet::All()));
        State.PauseTiming();
        for (int Index = 0; Index <= Pyramid->ChildCount(); ++Index)
            Solved += Pyramid->GetPuzzle(Index)->IsSolved();
        Puzzles += 1 + Pyramid->ChildCount();
        Pyramid.reset();
        State.ResumeTiming();
    }
    State.counters["givens"] = Puzzles ? static_cast<double>(Givens) / static_cast<double>(Puzzles) : 0.0;
    State.counters["solved"] = Puzzles ? static_cast<double>(Solved) / static_cast<double>(Puzzles) : 0.0;
}
// Second argument: 0 = 30 random givens per puzzle (the methods often stall),
// 1 = about 30 givens from which each puzzle solves on its own.
void SolveArgs(benchmark::internal::Benchmark* B)
{
    for (const int Kind : {gkRandom, gkSolvable})
        for (const int Layout : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13})
            B->Args({Layout, Kind});
}
BENCHMARK(BM_SolvePyramid)->Apply(SolveArgs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
