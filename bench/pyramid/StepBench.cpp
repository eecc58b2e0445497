// Finding and explaining the next step on the bundled games: every game of
// the first four issues, at its start, halfway through its steps and one
// step before its end. Target: under 5 ms per step.

#include "DataReporter.h"
#include "GamesFile.h"
#include "MemoryStream.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "PyramidSteps.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace fs = std::filesystem;

namespace {

class TSilentReporter : public TDataReporter {
public:
    void ShowMessage(const std::string&) override {}
    void ShowInstallationError(const std::string&) override {}
};

bool IsStep(const TPyramidStep& Step)
{
    return Step.Kind == TStepKind::Value || Step.Kind == TStepKind::Strike;
}

// Pyramids of every game of issues 1-4, each played by steps to Fraction of
// its steps (0 = the start, 1 = one step before the end).
std::vector<std::unique_ptr<TPuzzleXLink>> Positions(double Fraction)
{
    const fs::path Folder = fs::temp_directory_path() / "tavrel-step-bench";
    fs::remove_all(Folder);
    fs::create_directories(Folder / "ISSUES");
    for (const char* Name : {"TAVREL01.ISS", "TAVREL02.ISS", "TAVREL03.ISS", "TAVREL04.ISS"})
        fs::copy_file(fs::path(TAVREL_BIN_DIR) / "ISSUES" / Name, Folder / "ISSUES" / Name);
    TSilentReporter Reporter;
    TGamesDataFile Catalogue(Folder.string(), Reporter);
    std::vector<std::unique_ptr<TPuzzleXLink>> Result;
    for (int I = 0; I < Catalogue.IssueCount(); ++I) {
        const TIssueEntry& Issue = Catalogue.Issue(I);
        for (const TGameEntry& Game : Issue.Games()) {
            TPuzzleInfo Record;
            TMemoryStream Stream;
            Catalogue.OpenGame(Issue.GetIssueNumber(), Game.GetGameNumber(), Record, Stream);
            const auto Load = [&] {
                auto Pyramid = TPuzzleXLink::CreateFromHeader(Record, nullptr, 1, 1);
                Stream.SetPosition(0);
                Pyramid->LoadFromStream(Stream);
                Pyramid->SetPencilMode(msAutoPencilLinked);
                return Pyramid;
            };
            auto Counting = Load();
            int Steps = 0;
            for (TPyramidStep Step = FindPyramidStep(*Counting, {}, TMethodSet::All()); IsStep(Step);
                 Step = FindPyramidStep(*Counting, {}, TMethodSet::All())) {
                ApplyPyramidStep(*Counting, Step, false);
                ++Steps;
            }
            auto Pyramid = Load();
            const int Target = static_cast<int>(Fraction * (Steps - 1));
            for (int Done = 0; Done < Target; ++Done)
                ApplyPyramidStep(*Pyramid, FindPyramidStep(*Pyramid, {}, TMethodSet::All()), false);
            Result.push_back(std::move(Pyramid));
        }
    }
    fs::remove_all(Folder);
    return Result;
}

void BM_FindStep(benchmark::State& State)
{
    const auto All = Positions(static_cast<double>(State.range(0)) / 100.0);
    size_t Next = 0;
    for (auto _ : State) {
        const TPyramidStep Step = FindPyramidStep(*All[Next++ % All.size()], {}, TMethodSet::All());
        benchmark::DoNotOptimize(Step.Kind);
    }
    State.counters["games"] = static_cast<double>(All.size());
}
// Argument: how far into its steps each game is, in per cent.
BENCHMARK(BM_FindStep)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
