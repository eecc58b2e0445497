// A pyramid loaded from arbitrary puzzle-stream bytes: the first byte is the
// layout type, the second picks the pencil mode, the rest is the stream. Bad
// streams must be refused with an Exception; a stream that loads must leave
// every linked pair in agreement, solve to an end and give its lines.
//
// A pyramid of each layout byte is made once per process; before each input
// the target empties it and checks that it is back as made, making it anew
// when not (PuzzleState.h). Loading is the real reader on the reused pyramid.

#include "Exception.h"
#include "MemoryStream.h"
#include "Puzzle.h"
#include "PuzzleState.h"
#include "PuzzleXLink.h"
#include "PyramidLinks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

void CheckLinkedPairsAgree(TPuzzleXLink& Pyramid)
{
    for (const TPyramidLink& Link : PyramidLinks(Pyramid.LayoutType())) {
        const TCell* Parent = Pyramid.GetPuzzle(0)->CellByIndex(Link.ParentIndex());
        const TCell* Child = Pyramid.GetPuzzle(Link.Child)->CellByIndex(Link.ChildIndex());
        if (Parent->GetValue() != Child->GetValue() || Parent->GetSolution() != Child->GetSolution())
            std::abort();
    }
}

struct TMade {
    std::unique_ptr<TPuzzleXLink> Pyramid;
    std::vector<TPuzzle*> Puzzles;
    std::vector<TPuzzleState> States;
};

void Make(TMade& Made, uint8_t Layout)
{
    Made.Pyramid = std::make_unique<TPuzzleXLink>(Layout, nullptr, 1, 1);
    Made.Puzzles.clear();
    for (int Index = 0; Index <= Made.Pyramid->ChildCount(); ++Index)
        Made.Puzzles.push_back(Made.Pyramid->GetPuzzle(Index));
    Made.States = CapturePuzzles(Made.Puzzles, false);
}

// The pyramid of Layout as freshly made.
TPuzzleXLink& EmptyPyramid(uint8_t Layout)
{
    static TMade Pyramids[256];
    TMade& Made = Pyramids[Layout];
    if (!Made.Pyramid || !RestorePuzzles(Made.Puzzles, Made.States, true, false))
        Make(Made, Layout);
    return *Made.Pyramid;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 2)
        return 0;
    const uint8_t Layout = Data[0];
    const uint8_t Mode = static_cast<uint8_t>(3 + Data[1] % 5);
    TPuzzleXLink& Pyramid = EmptyPyramid(Layout);
    TMemoryStream Stream(std::vector<uint8_t>(Data + 2, Data + Size));
    try {
        Pyramid.LoadFromStream(Stream);
    } catch (const Exception&) {
        for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index)
            if (Pyramid.GetPuzzle(Index)->Updating())
                std::abort();
        return 0;
    }
    CheckLinkedPairsAgree(Pyramid);
    Pyramid.SetPencilMode(Mode);
    Pyramid.SolvePyramid(TMethodSet::All());
    CheckLinkedPairsAgree(Pyramid);
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        if (Pyramid.GetValuesLine(Index).empty())
            std::abort();
        Pyramid.GetMarksLine(Index);
        Pyramid.GetErasuresLine(Index);
    }
    return 0;
}
