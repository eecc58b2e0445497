// A new pyramid as the game makes it (MakeNewPyramid: the generator, its
// verification and the puzzle stream), per grade, over 50 seeds that cycle
// through every layout the grade allows. The counters give the median and
// the slowest of the 50 in milliseconds.

#include "NewPyramid.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
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

}  // namespace

BENCHMARK_MAIN();
