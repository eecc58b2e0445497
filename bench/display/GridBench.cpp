// Speed of the display grid on the 394 x 394 screen bitmap: one square, the
// whole grid, and one entered value from SetValue to its repainted squares
// with the parent and the child on screen.
#include "Canvas.h"
#include "Cell.h"
#include "Puzzle.h"
#include "GridPairRig.h"
#include "QVDisplayGrid.h"
#include "ScopedSettings.h"

#include <QGuiApplication>
#include <QImage>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"

namespace {

struct TBenchRig : TGridPair {
    TScopedSettings Scoped;

    TBenchRig()
    {
        Game = MakeTestPyramid(0, 5, 30);
        Game.Pyramid->SetPencilMode(4);
        Show(ParentGrid, 0);
        Show(ChildGrid, 1);
    }
};

void BM_RepaintSquare(benchmark::State& State)
{
    TBenchRig Rig;
    int Place = 0;
    for (auto _ : State) {
        Rig.ChildGrid.RepaintSquare(Place / 9, Place % 9);
        Place = (Place + 1) % 81;
    }
    State.SetLabel("all 81 squares in turn, values and candidates");
}
BENCHMARK(BM_RepaintSquare);

// The dearest square: nine candidate digits, highlighted.
void BM_RepaintSquareNineMarks(benchmark::State& State)
{
    TBenchRig Rig;
    TCell* Cell = nullptr;
    int Box = 0;
    int Square = 0;
    for (int Index = 0; Index < 81 && Cell == nullptr; ++Index) {
        TCell* Candidate = Rig.Game.Pyramid->GetPuzzle(1)->CellByIndex(Index);
        if (Candidate->GetValue() == 0) {
            Cell = Candidate;
            Box = Candidate->GetPosition().Box();
            Square = Candidate->GetPosition().Place();
        }
    }
    Rig.Game.Pyramid->SetPencilMode(3);
    for (int Digit = 1; Digit <= 9; ++Digit)
        Cell->SetUserMark(Digit, true);
    Rig.ChildGrid.SetHighlight(5);
    for (auto _ : State)
        Rig.ChildGrid.RepaintSquare(Box, Square);
}
BENCHMARK(BM_RepaintSquareNineMarks);

void BM_PaintAllScreen(benchmark::State& State)
{
    TBenchRig Rig;
    for (auto _ : State)
        Rig.ChildGrid.PaintAll(TPaintStyle::Screen);
}
BENCHMARK(BM_PaintAllScreen)->Unit(benchmark::kMicrosecond);

void BM_PaintAllPrint(benchmark::State& State)
{
    TBenchRig Rig;
    for (auto _ : State)
        Rig.ChildGrid.PaintAll(TPaintStyle::Print);
}
BENCHMARK(BM_PaintAllPrint)->Unit(benchmark::kMicrosecond);

// Both grids drawn afresh for a window at 200%: the canvases work in the
// design's 394 pixels on bitmaps of twice as many, as the zoomed pictures
// have them.
void BM_PaintAllBothGrids200(benchmark::State& State)
{
    TBenchRig Rig;
    QImage Parent = MakeScreenBitmap(TGridPair::GridSize, TGridPair::GridSize, 2.0);
    QImage Child = MakeScreenBitmap(TGridPair::GridSize, TGridPair::GridSize, 2.0);
    Rig.ParentCanvas.Begin(&Parent);
    Rig.ChildCanvas.Begin(&Child);
    for (auto _ : State) {
        Rig.ParentGrid.PaintAll(TPaintStyle::Screen);
        Rig.ChildGrid.PaintAll(TPaintStyle::Screen);
    }
    Rig.ParentCanvas.Begin(&Rig.ParentImage);
    Rig.ChildCanvas.Begin(&Rig.ChildImage);
    State.SetLabel("parent and child, 788 x 788 device pixels each");
}
BENCHMARK(BM_PaintAllBothGrids200)->Unit(benchmark::kMicrosecond);

// A value entered in a linked child cell and cleared again: candidates of
// three houses in two puzzles change, and every changed square is repainted
// in both grids. Two entries per iteration.
void BM_EnterValueBothGrids(benchmark::State& State)
{
    TBenchRig Rig;
    TCell* Cell = nullptr;
    for (int Box = 0; Box < 9 && Cell == nullptr; ++Box) {
        TCell* Centre = Rig.Game.Pyramid->GetPuzzle(1)->BoxCell(Box, 4);
        if (!Centre->GetRevealed() && Centre->GetValue() == 0)
            Cell = Centre;
    }
    if (Cell == nullptr) {
        State.SkipWithError("no free linked cell");
        return;
    }
    const int Digit = Cell->GetSolution();
    for (auto _ : State) {
        Cell->SetValue(Digit);
        Cell->SetValue(0);
    }
    State.SetItemsProcessed(2 * State.iterations());
    State.SetLabel("entries (set and clear) of a linked cell");
}
BENCHMARK(BM_EnterValueBothGrids)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks<QGuiApplication>(argc, argv);
}
