#pragma once
// The face of an on-screen grid as a display link sees it. The grid (TGrid of
// the display layer) implements it; the link calls it when cells of its
// puzzle change. Boxes and the squares inside a box are numbered 0 to 8 row
// by row.

class TQVDisplayGrid {
public:
    virtual ~TQVDisplayGrid() = default;

    // Redraw the one square.
    virtual void RepaintSquare(int Box, int Square) = 0;
    // Redraw everything.
    virtual void RepaintAll() = 0;
};
