#pragma once
// The three pyramids the pyramid-file targets lay their inputs over (nine
// linked children, one child, nine unlinked children), made and loaded once
// per process and put back as loaded before each input (PuzzleState.h), and
// the rules every pyramid keeps whatever an input did to it.

#include "MemoryStream.h"
#include "Puzzle.h"
#include "PuzzleState.h"
#include "PuzzleStreamWriter.h"
#include "PuzzleXLink.h"
#include "PyramidLinks.h"
#include "SolutionMaker.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace FuzzPyramids {

inline constexpr uint8_t Layouts[3] = {0, 7, 2};

struct TLoaded {
    std::unique_ptr<TPuzzleXLink> Pyramid;
    std::vector<TPuzzle*> Puzzles;
    std::vector<TPuzzleState> States;
};

inline void Load(TLoaded& Loaded, int Choice)
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
inline TPuzzleXLink& LoadedPyramid(int Choice)
{
    static TLoaded Pyramids[3];
    TLoaded& Loaded = Pyramids[Choice];
    if (!Loaded.Pyramid || !RestorePuzzles(Loaded.Puzzles, Loaded.States, false, false))
        Load(Loaded, Choice);
    return *Loaded.Pyramid;
}

inline void Check(TPuzzleXLink& Pyramid)
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

}  // namespace FuzzPyramids
