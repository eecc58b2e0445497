// Generation time per pyramid for each grade, the exact solver's uniqueness
// check, and SolvePyramid on the bundled pyramids.

#include "ExactSolver.h"
#include "Generator.h"

#include "DistributionFile.h"
#include "MemoryStream.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

const char* const GradeKeywords[] = {"singles", "pairs", "hidden", "pyramid", "pyramid-pairs", "pyramid-hidden"};

// One pyramid per iteration, each from a new seed; the layout cycles through
// the linked ones (and all fourteen for the plain grades).
void BM_GeneratePyramid(benchmark::State& State)
{
    TGeneratorOptions options;
    ParseGrade(GradeKeywords[State.range(0)], options.Grade);
    State.SetLabel(GradeName(options.Grade));
    static const uint8_t linked[] = {0, 1, 3, 4, 5, 8, 9, 10, 11, 12, 13};
    uint64_t seed = 1;
    double givens = 0;
    double attempts = 0;
    for (auto _ : State) {
        options.LayoutType = options.Grade.Pyramid ? linked[seed % 11] : static_cast<uint8_t>(seed % 14);
        options.Seed = seed++;
        const TGeneratedPyramid made = GeneratePyramid(options);
        givens += made.Report.GivenCount;
        attempts += made.Attempts;
        benchmark::DoNotOptimize(made.Givens.data());
    }
    State.counters["givens"] = benchmark::Counter(givens, benchmark::Counter::kAvgIterations);
    State.counters["attempts"] = benchmark::Counter(attempts, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GeneratePyramid)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->Iterations(12);

void BM_ExactSolverUnique(benchmark::State& State)
{
    TGeneratorOptions options;
    options.LayoutType = 0;
    ParseGrade("pyramid", options.Grade);
    const TGeneratedPyramid made = GeneratePyramid(options);
    std::vector<uint8_t> digits;
    for (size_t p = 0; p < made.Solution.Puzzles.size(); ++p) {
        for (int cell = 0; cell < 81; ++cell) {
            digits.push_back(made.Givens[p][cell] ? made.Solution.Puzzles[p][cell] : 0);
        }
    }
    const TExactSolver exact = TExactSolver::ForLayout(0);
    for (auto _ : State) {
        benchmark::DoNotOptimize(exact.CountSolutions(digits, 2));
    }
}
BENCHMARK(BM_ExactSolverUnique)->Unit(benchmark::kMicrosecond);

struct TBundledGame {
    TPuzzleInfo Record;
    std::vector<uint8_t> Stream;
};

const std::vector<TBundledGame>& BundledGames()
{
    static const std::vector<TBundledGame> games = [] {
        std::vector<TBundledGame> result;
        const std::filesystem::path folder = std::filesystem::path(TAVREL_BIN_DIR) / "ISSUES";
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            if (entry.path().extension() != ".ISS") {
                continue;
            }
            TDistributionFile issue(entry.path().string());
            for (int i = 0; i < issue.GameCount(); ++i) {
                result.push_back({issue.GameRecord(i), issue.PuzzleStream(i).Memory()});
            }
        }
        return result;
    }();
    return games;
}

// SolvePyramid from the givens to the end, over every bundled pyramid in
// turn; building and loading the pyramid is not timed.
void BM_SolvePyramidBundled(benchmark::State& State)
{
    const auto& games = BundledGames();
    if (games.empty()) {
        State.SkipWithError("no bundled issues in bin/ISSUES: build the bundled_issues target");
        return;
    }
    size_t next = 0;
    for (auto _ : State) {
        State.PauseTiming();
        const TBundledGame& game = games[next++ % games.size()];
        auto pyramid = TPuzzleXLink::CreateFromHeader(game.Record, nullptr, 1, 1);
        TMemoryStream stream(game.Stream);
        pyramid->LoadFromStream(stream);
        pyramid->SetPencilMode(msAutoPencilLinked);
        State.ResumeTiming();
        benchmark::DoNotOptimize(pyramid->SolvePyramid(TMethodSet::All()));
    }
    State.counters["pyramids"] = static_cast<double>(games.size());
}
BENCHMARK(BM_SolvePyramidBundled)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
