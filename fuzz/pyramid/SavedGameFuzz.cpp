// Arbitrary bytes as a saved-game file, read over a loaded pyramid by the
// reader the main window uses. The first byte picks one of three pyramids
// (nine linked children, one child, nine unlinked children) and the mark
// style; the rest is the file. Whatever the file holds, the reader must end
// in an Exception or a pyramid within the puzzles' rules: no puzzle left in
// a bulk update, givens untouched, linked cells agreeing, marks only digits.
//
// The three pyramids are made and loaded once per process; before each file
// the target clears what the last one laid over them and checks that they are
// back as loaded, making them anew when not (PuzzleState.h).

#include "Exception.h"
#include "MemoryStream.h"
#include "Puzzle.h"
#include "PuzzleState.h"
#include "PuzzleStreamWriter.h"
#include "PuzzleXLink.h"
#include "PyramidLinks.h"
#include "SavedGame.h"
#include "SolutionMaker.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr uint8_t Layouts[3] = {0, 7, 2};

struct TLoaded {
    std::unique_ptr<TPuzzleXLink> Pyramid;
    std::vector<TPuzzle*> Puzzles;
    std::vector<TPuzzleState> States;
};

void Load(TLoaded& Loaded, int Choice)
{
    static std::vector<uint8_t> Streams[3];
    std::vector<uint8_t>& Stream = Streams[Choice];
    const uint8_t Layout = Layouts[Choice];
    if (Stream.empty())
        Stream = MakePuzzleStream(MakePyramidSolution(Layout, 17 + Choice), RandomGivens(Layout, 30, 29 + Choice));
    Loaded.Pyramid = std::make_unique<TPuzzleXLink>(Layout, nullptr, 1, 1);
    TMemoryStream PuzzleStream(Stream);
    Loaded.Pyramid->LoadFromStream(PuzzleStream);
    Loaded.Puzzles.clear();
    for (int Index = 0; Index <= Loaded.Pyramid->ChildCount(); ++Index)
        Loaded.Puzzles.push_back(Loaded.Pyramid->GetPuzzle(Index));
    Loaded.States = CapturePuzzles(Loaded.Puzzles, false);
}

// The pyramid of Choice as freshly loaded.
TPuzzleXLink& LoadedPyramid(int Choice)
{
    static TLoaded Pyramids[3];
    TLoaded& Loaded = Pyramids[Choice];
    if (!Loaded.Pyramid || !RestorePuzzles(Loaded.Puzzles, Loaded.States, false, false))
        Load(Loaded, Choice);
    return *Loaded.Pyramid;
}

void Check(TPuzzleXLink& Pyramid)
{
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        TPuzzle& Puzzle = *Pyramid.GetPuzzle(Index);
        if (Puzzle.Updating())
            std::abort();
        for (int Cell = 0; Cell < 81; ++Cell) {
            const TCell& Place = *Puzzle.CellByIndex(Cell);
            if (Place.GetValue() < 0 || Place.GetValue() > 9)
                std::abort();
            if (Place.GetRevealed() && Place.GetValue() != Place.GetSolution())
                std::abort();
            if (((Place.UserMarks().Bits() | Place.Erased().Bits()) & ~AllDigitBits) != 0)
                std::abort();
        }
    }
    for (const TPyramidLink& Link : PyramidLinks(Pyramid.LayoutType())) {
        const TCell* Parent = Pyramid.GetPuzzle(0)->CellByIndex(Link.ParentIndex());
        const TCell* Child = Pyramid.GetPuzzle(Link.Child)->CellByIndex(Link.ChildIndex());
        if (Parent->GetValue() != Child->GetValue())
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 1)
        return 0;
    const int Choice = Data[0] % 3;
    const uint8_t Mode = static_cast<uint8_t>(3 + (Data[0] / 3) % 5);
    TPuzzleXLink& Pyramid = LoadedPyramid(Choice);
    Pyramid.SetPencilMode(Mode);
    TMemoryStream File(std::vector<uint8_t>(Data + 1, Data + Size));
    TSavedGameReader Reader(File);
    try {
        Reader.ReadName();
        Reader.LoadInto(Pyramid);
    } catch (const Exception&) {
    }
    Check(Pyramid);
    return 0;
}
