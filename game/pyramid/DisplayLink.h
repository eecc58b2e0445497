#pragma once
// The display link binds one puzzle to at most one on-screen grid: it
// translates between the grid's box/square numbering and the puzzle's
// row/column positions, and carries the puzzle's change notices to the grid.
//
// Ownership: the link owns neither its puzzle nor its grid. The pyramid (or
// whoever creates a link) sets Puzzle right after construction and keeps the
// puzzle alive as long as the link; the grid must be detached (SetDisplay
// with nullptr) or outlive the link's use.

#include "DisplayGridBase.h"
#include "QVClasses.h"

#include <vector>

// A place on the grid: box and square, each 0 to 8 row by row.
struct TBoxSquare {
    int Box = 0;
    int Square = 0;
    friend constexpr bool operator==(const TBoxSquare&, const TBoxSquare&) = default;
};

class TQVDisplayLink : public TQVDisplayNotify {
public:
    // Builds both tables for boxes of BoxHeight rows and BoxWidth columns;
    // the grid is BoxHeight x BoxWidth cells on a side, at most 9 (the
    // pyramid always passes 3 and 3). Raises Exception for other shapes.
    TQVDisplayLink(int BoxHeight = 3, int BoxWidth = 3);
    ~TQVDisplayLink() override = default;
    TQVDisplayLink(const TQVDisplayLink&) = delete;
    TQVDisplayLink& operator=(const TQVDisplayLink&) = delete;

    TQVGrid* Puzzle() const { return FPuzzle; }
    void SetPuzzle(TQVGrid* Puzzle) { FPuzzle = Puzzle; }
    TQVDisplayGrid* Display() const { return FDisplay; }
    // Stores the grid (nullptr detaches) and has the puzzle shade its linked
    // cells when shown, unshade them when not.
    void SetDisplay(TQVDisplayGrid* Grid);

    int Size() const { return FSize; }
    // The tables; arguments outside the grid answer (-1, -1).
    TPosition BoxToCell(int Box, int Square) const;
    TBoxSquare CellToBox(int Row, int Col) const;

    // The puzzle's cell at (Box, Square); nullptr outside the grid (a grid's
    // hover position is -1 on the lines between squares) or without puzzle.
    TQVCell* CellAt(int Box, int Square) const;

    // Puzzle notices: repaint the square of Position, or everything, when a
    // grid is attached. Positions outside the grid are ignored.
    void CellChanged(const TPosition& Position) override;
    void PuzzleChanged() override;

private:
    bool InGrid(int A, int B) const { return A >= 0 && A < FSize && B >= 0 && B < FSize; }

    TQVGrid* FPuzzle = nullptr;
    TQVDisplayGrid* FDisplay = nullptr;
    int FSize = 0;
    std::vector<TPosition> FBoxToCell;   // [box * Size + square]
    std::vector<TBoxSquare> FCellToBox;  // [row * Size + column]
};

// The display link class that the pyramid creates; it adds nothing.
class TQVDisplayPark : public TQVDisplayLink {
public:
    using TQVDisplayLink::TQVDisplayLink;
};
