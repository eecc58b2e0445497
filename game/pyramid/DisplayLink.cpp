#include "DisplayLink.h"

#include "Exception.h"
#include "Format.h"

TQVDisplayLink::TQVDisplayLink(int BoxHeight, int BoxWidth)
{
    if (BoxHeight < 1 || BoxWidth < 1 || BoxHeight * BoxWidth > 9)
        throw Exception(Format("Unsupported box shape %d x %d", BoxHeight, BoxWidth));
    FSize = BoxHeight * BoxWidth;
    // A grid of Size cells on a side holds Size boxes: BoxWidth boxes down
    // (each BoxHeight rows high) and BoxHeight boxes across.
    const int BoxesAcross = FSize / BoxWidth;
    FBoxToCell.resize(FSize * FSize);
    FCellToBox.resize(FSize * FSize);
    for (int Row = 0; Row < FSize; ++Row) {
        for (int Col = 0; Col < FSize; ++Col) {
            const int Box = (Row / BoxHeight) * BoxesAcross + Col / BoxWidth;
            const int Square = (Row % BoxHeight) * BoxWidth + Col % BoxWidth;
            FCellToBox[Row * FSize + Col] = TBoxSquare{Box, Square};
            FBoxToCell[Box * FSize + Square] = TPosition{Row, Col};
        }
    }
}

void TQVDisplayLink::SetDisplay(TQVDisplayGrid* Grid)
{
    FDisplay = Grid;
    if (FPuzzle)
        FPuzzle->SetShading(Grid != nullptr);
}

TPosition TQVDisplayLink::BoxToCell(int Box, int Square) const
{
    if (!InGrid(Box, Square))
        return TPosition{-1, -1};
    return FBoxToCell[Box * FSize + Square];
}

TBoxSquare TQVDisplayLink::CellToBox(int Row, int Col) const
{
    if (!InGrid(Row, Col))
        return TBoxSquare{-1, -1};
    return FCellToBox[Row * FSize + Col];
}

TQVCell* TQVDisplayLink::CellAt(int Box, int Square) const
{
    if (!FPuzzle || !InGrid(Box, Square))
        return nullptr;
    return FPuzzle->CellAt(FBoxToCell[Box * FSize + Square]);
}

void TQVDisplayLink::CellChanged(const TPosition& Position)
{
    if (FDisplay && InGrid(Position.Row, Position.Col)) {
        const TBoxSquare Place = FCellToBox[Position.Row * FSize + Position.Col];
        FDisplay->RepaintSquare(Place.Box, Place.Square);
    }
}

void TQVDisplayLink::PuzzleChanged()
{
    if (FDisplay)
        FDisplay->RepaintAll();
}
