#pragma once
// The abstract faces of the model that the upper layers hold: a cell
// (TQVCell), a puzzle (TQVGrid) and the display notice sink a puzzle reports
// its changes to (TQVDisplayNotify). Cells and puzzles are created and owned
// by the model; the interfaces never transfer ownership.

#include "Colour.h"

// A cell position: Row 0 at the top, Col 0 at the left, each 0-8.
struct TPosition {
    int Row = 0;
    int Col = 0;

    constexpr int Index() const { return Row * 9 + Col; }
    constexpr int Box() const { return (Row / 3) * 3 + Col / 3; }
    constexpr int Place() const { return (Row % 3) * 3 + Col % 3; }
    static constexpr TPosition FromIndex(int Index) { return TPosition{Index / 9, Index % 9}; }
    static constexpr TPosition FromBoxPlace(int Box, int Place)
    {
        return TPosition{(Box / 3) * 3 + Place / 3, (Box % 3) * 3 + Place % 3};
    }
    friend constexpr bool operator==(const TPosition&, const TPosition&) = default;
};

// One cell as the display and the entry commands see it. Digits are 1-9,
// values 0-9 (0 = empty).
class TQVCell {
public:
    virtual ~TQVCell() = default;

    virtual int GetValue() const = 0;
    virtual void SetValue(int NewValue) = 0;
    virtual bool HasMark(int Digit) const = 0;
    virtual void SetPossible(int Digit, bool On) = 0;
    virtual bool HasUserMark(int Digit) const = 0;
    virtual void SetUserMark(int Digit, bool On) = 0;
    virtual int GetSolution() const = 0;
    virtual void SetSolution(int NewValue) = 0;
    virtual TColor GetColour() const = 0;
    virtual TColor GetShownColour() const = 0;
    virtual bool IsInvalid() const = 0;
    virtual bool IsCorrect() const = 0;
    virtual bool GetRevealed() const = 0;
    virtual void SetRevealed(bool Flag) = 0;
    virtual bool FillSingle() = 0;
};

// One puzzle as its display link sees it. The returned cell belongs to the
// puzzle; positions outside 0-8 answer nullptr.
class TQVGrid {
public:
    virtual ~TQVGrid() = default;

    virtual void SetShading(bool Shaded) = 0;
    virtual TQVCell* CellAt(const TPosition& Position) = 0;
};

// Where a puzzle sends its change notices: one cell to redraw, or the whole
// grid. The pyramid layer's display link implements it.
class TQVDisplayNotify {
public:
    virtual ~TQVDisplayNotify() = default;

    virtual void CellChanged(const TPosition& Position) = 0;
    virtual void PuzzleChanged() = 0;
};
