// A new pyramid as the game makes it (MakeNewPyramid: the generator, its
// verification and the puzzle stream), per grade, over 50 seeds that cycle
// through every layout the grade allows; and per layout and grade, 50 seeds
// each (BM_NewPyramidLayout, arguments grade and layout), which shows the
// slowest layout. The counters give the median and the slowest of the 50 in
// milliseconds.

#include "NewPyramid.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr int Seeds = 50;

void BM_NewPyramid(benchmark::State& State)
{
    const TGrade grade{static_cast<TMethodLevel>(State.range(0) % MethodLevelCount),
                       State.range(0) >= MethodLevelCount};
    State.SetLabel(GradeDisplayName(grade));
    const std::vector<uint8_t> layouts = LayoutsForGrade(grade);
    std::vector<double> times;
    uint64_t seed = 1;
    for (auto _ : State) {
        const int layout = layouts[seed % layouts.size()];
        const auto start = std::chrono::steady_clock::now();
        const TNewPyramid made = MakeNewPyramid({layout, grade, seed++});
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        benchmark::DoNotOptimize(made.Stream.data());
    }
    std::sort(times.begin(), times.end());
    State.counters["median_ms"] = times[times.size() / 2];
    State.counters["max_ms"] = times.back();
}
BENCHMARK(BM_NewPyramid)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->Iterations(Seeds);

TGrade GradeOfRank(int64_t Rank)
{
    return {static_cast<TMethodLevel>(Rank % MethodLevelCount), Rank >= MethodLevelCount};
}

void BM_NewPyramidLayout(benchmark::State& State)
{
    const TGrade grade = GradeOfRank(State.range(0));
    const int layout = static_cast<int>(State.range(1));
    State.SetLabel(std::string(GradeDisplayName(grade)) + " / " + LayoutDisplayName(layout));
    std::vector<double> times;
    uint64_t seed = 1;
    for (auto _ : State) {
        const auto start = std::chrono::steady_clock::now();
        const TNewPyramid made = MakeNewPyramid({layout, grade, seed++});
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        benchmark::DoNotOptimize(made.Stream.data());
    }
    std::sort(times.begin(), times.end());
    State.counters["median_ms"] = times[times.size() / 2];
    State.counters["max_ms"] = times.back();
}

void EveryLayoutAndGrade(benchmark::internal::Benchmark* Bench)
{
    for (int rank = 0; rank < 2 * MethodLevelCount; ++rank) {
        for (uint8_t layout : LayoutsForGrade(GradeOfRank(rank))) {
            Bench->Args({rank, layout});
        }
    }
}
BENCHMARK(BM_NewPyramidLayout)->Apply(EveryLayoutAndGrade)->Unit(benchmark::kMillisecond)->Iterations(Seeds);

}  // namespace

BENCHMARK_MAIN();
