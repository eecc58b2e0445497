// Keeping a game safe: one write of the recovery file of a full pyramid deep
// in play (every puzzle with a long undo list, checkpoints and values to
// redo), as the main window makes it a second after a change. Target: under
// 2 ms for the whole write, the disk's sync included, so that no player
// feels it.

#include "Puzzle.h"
#include "PyramidTestSupport.h"
#include "RecoveryFile.h"
#include "SafeFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// Every empty square of every puzzle entered once, wrongly first and then
// right, with a checkpoint every ten entries; the last ten taken back.
TTestPyramid PlayedPyramid()
{
    TTestPyramid Game = MakeTestPyramid(0, 91);
    for (int Index = 0; Index <= Game.Pyramid->ChildCount(); ++Index) {
        TPuzzle& Puzzle = *Game.Pyramid->GetPuzzle(Index);
        for (int Cell = 0; Cell < 81; ++Cell) {
            TCell& Place = *Puzzle.CellByIndex(Cell);
            if (Place.GetValue() != 0)
                continue;
            if (Cell % 10 == 0)
                Puzzle.Checkpoint();
            Place.SetValue(Place.GetSolution() % 9 + 1);
            Place.SetValue(Place.GetSolution());
        }
        Puzzle.Undo(10);
    }
    return Game;
}

TRecoveryState StateOf(const TPuzzleXLink& Pyramid)
{
    TRecoveryState State;
    State.Issue = 1;
    State.Game = 101;
    State.GameName = "Centres";
    CapturePyramid(Pyramid, State);
    return State;
}

void BM_RecoveryText(benchmark::State& State)
{
    const TTestPyramid Game = PlayedPyramid();
    size_t Bytes = 0;
    for (auto _ : State) {
        const std::string Text = RecoveryText(StateOf(*Game.Pyramid));
        Bytes = Text.size();
        benchmark::DoNotOptimize(Text.data());
    }
    State.counters["bytes"] = static_cast<double>(Bytes);
}
BENCHMARK(BM_RecoveryText)->Unit(benchmark::kMicrosecond);

void BM_RecoveryWrite(benchmark::State& State)
{
    const TTestPyramid Game = PlayedPyramid();
    const std::filesystem::path Folder = std::filesystem::temp_directory_path() / "tavrel-recovery-bench";
    std::filesystem::create_directories(Folder);
    const std::string File = (Folder / "RECOVERY 1.TXT").string();
    for (auto _ : State)
        WriteFileWhole(File, RecoveryText(StateOf(*Game.Pyramid)));
    std::filesystem::remove_all(Folder);
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_RecoveryRead(benchmark::State& State)
{
    const TTestPyramid Game = PlayedPyramid();
    const std::string Text = RecoveryText(StateOf(*Game.Pyramid));
    for (auto _ : State) {
        TTestPyramid Fresh = MakeTestPyramid(0, 91);
        RestorePyramid(ReadRecovery(Text), *Fresh.Pyramid);
    }
}
BENCHMARK(BM_RecoveryRead)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
