// The games catalogue over 1,000 issue files of 30 games each: taking all of
// them in from scratch, a start where all are listed already, and opening
// one game by number in the 30,000-game catalogue.

#include "DataReporter.h"
#include "GamesFile.h"
#include "IssueWriter.h"

#include "MemoryStream.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

namespace {

constexpr int IssueCount = 1000;
constexpr int GamesPerIssue = 30;
constexpr size_t StreamLength = 10 * 176;

class TCountingReporter : public TDataReporter {
public:
    void ShowMessage(const std::string&) override { ++Count; }
    void ShowInstallationError(const std::string&) override { ++Count; }
    int Count = 0;
};

// The folder is made once per run and removed at the end of main.
const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("tavrel-bench-catalogue-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(path / "ISSUES");
        for (int issue = 0; issue < IssueCount; ++issue) {
            TIssueHeader header;
            header.IssueNumber = static_cast<uint32_t>(issue + 1);
            header.Description = "Issue " + std::to_string(issue + 1);
            header.Key[0] = static_cast<uint8_t>(issue);
            std::vector<TPublishedGame> games;
            for (int game = 0; game < GamesPerIssue; ++game) {
                const uint32_t number = static_cast<uint32_t>(issue * GamesPerIssue + game + 1);
                games.push_back(SampleGame(number, game % 2 == 0 ? 'F' : 'P', StreamLength, 1));
            }
            char name[32];
            std::snprintf(name, sizeof name, "I%04d.ISS", issue);
            WriteIssueFile((path / "ISSUES" / name).string(), header, games, 1 + issue % 10);
        }
        return path;
    }();
    return folder;
}

std::string ProgramFolder()
{
    return (Folder() / "").string();
}

void CheckCatalogue(benchmark::State& State, const TGamesDataFile& Catalogue, const TCountingReporter& Reporter)
{
    if (Catalogue.IssueCount() != IssueCount || Reporter.Count != 0) {
        State.SkipWithError("catalogue incomplete");
    }
}

void TakeInFromScratch(benchmark::State& State)
{
    const std::string folder = ProgramFolder();
    for (auto _ : State) {
        State.PauseTiming();
        std::filesystem::remove(Folder() / "ISSUES" / "GAMES.DAT");
        State.ResumeTiming();
        TCountingReporter reporter;
        TGamesDataFile catalogue(folder, reporter);
        CheckCatalogue(State, catalogue, reporter);
    }
}
BENCHMARK(TakeInFromScratch)->Unit(benchmark::kMillisecond)->Iterations(3);

void ListedStart(benchmark::State& State)
{
    const std::string folder = ProgramFolder();
    TCountingReporter first;
    {
        TGamesDataFile catalogue(folder, first);
    }
    for (auto _ : State) {
        TCountingReporter reporter;
        TGamesDataFile catalogue(folder, reporter);
        CheckCatalogue(State, catalogue, reporter);
    }
}
BENCHMARK(ListedStart)->Unit(benchmark::kMillisecond);

void OpenGame(benchmark::State& State)
{
    TCountingReporter reporter;
    TGamesDataFile catalogue(ProgramFolder(), reporter);
    CheckCatalogue(State, catalogue, reporter);
    // The last game: the search goes through the whole catalogue.
    const uint32_t number = IssueCount * GamesPerIssue - 1;
    TPuzzleInfo record;
    for (auto _ : State) {
        TMemoryStream stream;
        catalogue.OpenGame(0, number, record, stream);
        benchmark::DoNotOptimize(stream.Memory().data());
    }
}
BENCHMARK(OpenGame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(Folder(), ignored);
    return 0;
}
