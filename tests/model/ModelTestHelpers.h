#pragma once
// Helpers shared by the model's tests: a settings object installed for one
// test, a display sink that records the notices it gets, and a pair of
// puzzles linked by hand the way the pyramid links parent and child.

#include "Puzzle.h"
#include "ScopedSettings.h"
#include "SettingsValues.h"
#include "SinglesPuzzles.h"

#include <vector>

// One test's own settings.
using TSettingsScope = TScopedSettings;

class TRecordingDisplay : public TQVDisplayNotify {
public:
    void CellChanged(const TPosition& Position) override { Cells.push_back(Position); }
    void PuzzleChanged() override { ++Repaints; }

    std::vector<TPosition> Cells;
    int Repaints = 0;
};

// The parent's box 0 is linked with the child's box 8, place by place.
struct TLinkedPair {
    TPuzzle Parent;
    TPuzzle Child;

    TLinkedPair()
    {
        for (int Place = 0; Place < 9; ++Place) {
            Parent.SetChildLink(0, Place, Child.BoxCell(8, Place));
            Child.SetParentLink(8, Place, Parent.BoxCell(0, Place));
        }
    }
    TCell* ParentCell(int Place) { return Parent.BoxCell(0, Place); }
    TCell* ChildCell(int Place) { return Child.BoxCell(8, Place); }
};

inline singles::TGrid81 NoGivens()
{
    return singles::TGrid81{};
}

inline uint32_t DigitBits(std::initializer_list<int> Digits)
{
    uint32_t Bits = 0;
    for (int Digit : Digits)
        Bits |= 1u << Digit;
    return Bits;
}

// A child solution grid whose box 8 holds the parent's box 0 digits, so that
// the pair loads without a clash.
inline singles::TGrid81 MatchedChildGrid(const singles::TGrid81& ParentGrid, uint64_t Seed)
{
    singles::TGrid81 Grid = singles::MakeSolutionGrid(Seed);
    uint8_t Map[10] = {};
    for (int Place = 0; Place < 9; ++Place) {
        const TPosition Child = TPosition::FromBoxPlace(8, Place);
        const TPosition Parent = TPosition::FromBoxPlace(0, Place);
        Map[Grid[Child.Index()]] = ParentGrid[Parent.Index()];
    }
    for (uint8_t& Digit : Grid)
        Digit = Map[Digit];
    return Grid;
}
