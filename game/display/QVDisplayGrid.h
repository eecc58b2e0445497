#pragma once
// The display grid: draws one puzzle of the pyramid as nine boxes of nine
// squares on a canvas (the screen bitmap of a picture, or the printer) and
// tells which square lies under the mouse pointer.
//
// Cells: every cell the display link hands out must be a TCell of the model
// (the one cell class; it is final). The grid reads the shown marks and the
// puzzle's mark style from it, which the abstract TQVCell does not carry;
// any other TQVCell behind a link is a programming error.
//
// Ownership: the grid owns its boxes and each box its squares. The canvas and
// the display link are references; the link (and the puzzle behind it) must
// stay alive while it is set, and the canvas while the grid paints.
//
// Painting goes straight onto the canvas and allocates nothing: the grid
// keeps its scratch rectangles, its digit texts and its canvas fonts.

#include "Canvas.h"
#include "DisplayGridBase.h"
#include "DisplayLink.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

class TCell;
class TGrid;

enum class TPaintStyle { Screen, Print };

// Told which part of the surface a grid has just painted, so that whatever
// shows the surface (the picture widget of the main window) can bring that
// part to the screen without the window having to remember to refresh.
class TGridPaintListener {
public:
    virtual ~TGridPaintListener() = default;
    // Area is in surface pixels, Right and Bottom outside.
    virtual void GridPainted(const TRect& Area) = 0;
    // The grid that paints for this listener from now on, nullptr when none
    // does any more (another listener was set, or the grid is going). A
    // listener that has to make its surface anew (the screen's pixel ratio
    // changed) asks this grid to paint it again.
    virtual void PaintedBy(TGrid* Grid) { (void)Grid; }
};

// Highlight value for "all pairs"; 1-9 highlight a digit, 0 nothing.
constexpr int HighlightPairs = 10;
// What a screen reader says of a square of a grid: its row and column as
// shown (from 1), its value or "empty", and its state: "given" or
// "entered", the pencil marks shown ("marks 2 4 7"), and "invalid" or
// "incorrect" while those aids are on, the grid's note on the square (the
// square it is linked to), and "step square" or "step house" while an
// explained step marks it. The marks are those drawn: in the Filled style
// the digits that are not candidates. Empty without a puzzle.
QString SpokenSquare(const TGrid& Grid, int Box, int Square);

// What an explained step marks on a square: the squares of the house that
// proves it are framed, the squares it acts on are also filled, both in the
// highlight colours of the settings. The player's first mistake is filled
// as a step's square is.
enum class TStepMark : uint8_t { None, House, Focus, Mistake };

// The keyboard cursor's ring and its dark outline; the cursor of the grid
// the keys do not act on is one thin grey ring.
constexpr TColor CursorColour = 0x000080FF;
constexpr TColor CursorOutlineColour = 0x00000000;
constexpr TColor InactiveCursorColour = 0x00808080;

// One square: its top-left corner on the grid (without the origin) and its
// box and square numbers.
class TGridSquare {
public:
    TGridSquare(TGrid* Grid, int X, int Y, int Box, int Square);

    int X() const { return FX; }
    int Y() const { return FY; }
    int Box() const { return FBox; }
    int Square() const { return FSquare; }
    // Whether (X, Y) lies in the square, its right and bottom edges included.
    bool Contains(int PointX, int PointY) const;
    void Paint(TPaintStyle Style);

private:
    void PaintScreen();
    void PaintScreenContent();
    void PaintPrint();
    // The value centred over the whole square's size, with a clear brush so
    // the text cell does not paint over the background.
    void DrawValue(int X, int Y, int Value);

    TGrid* FGrid;
    int FX;
    int FY;
    int FBox;
    int FSquare;
};

// One box of nine squares.
class TGridRegion {
public:
    TGridRegion(TGrid* Grid, int X, int Y, int ColourIndex);

    int X() const { return FX; }
    int Y() const { return FY; }
    int ColourIndex() const { return FColourIndex; }
    TGridSquare& Square(int Index) { return *FSquares[static_cast<size_t>(Index)]; }
    const TGridSquare& Square(int Index) const { return *FSquares[static_cast<size_t>(Index)]; }
    bool Contains(int PointX, int PointY) const;
    // The first square 0-8 that contains the point, -1 when none does.
    int SquareAt(int PointX, int PointY) const;
    void Paint(TPaintStyle Style);

private:
    TGrid* FGrid;
    std::array<std::unique_ptr<TGridSquare>, 9> FSquares;
    int FX;
    int FY;
    int FColourIndex;
};

class TGrid : public TQVDisplayGrid {
public:
    // Width and Height are the size of the drawing in pixels of the canvas;
    // only 3 x 3 boxes are supported (Exception for anything else).
    TGrid(TQVCanvas* Canvas, bool ParentStyle, int Width, int Height, TColor GridColour, int BoxRows = 3,
          int BoxColumns = 3);
    ~TGrid() override;
    TGrid(const TGrid&) = delete;
    TGrid& operator=(const TGrid&) = delete;

    // Stores the surface and sets its font to "Arial", bold.
    void SetCanvas(TQVCanvas* Canvas);
    TQVCanvas* Canvas() const { return FCanvas; }
    // Chooses what to draw; does not repaint. HoverCell is moved to the new
    // puzzle's cell under the hovered square, or cleared, so that it never
    // names a cell of the puzzle shown before.
    void SetLink(TQVDisplayLink* Link);
    TQVDisplayLink* Link() const { return FLink; }

    void PaintAll(TPaintStyle Style);
    // The listener told after each paint (not owned; nullptr for none). It
    // must outlive the grid or be replaced first; it is told which grid
    // paints for it.
    void SetPaintListener(TGridPaintListener* Listener);
    void RepaintSquare(int Box, int Square) override;
    void RepaintAll() override;
    // While held, screen repaints are only noted; the last release paints the
    // whole grid once if any was asked for. A bulk change of the window (a
    // game started or loaded) holds the grids, so its many refreshes paint
    // each grid once. Holds nest.
    void BeginUpdate() { ++FHeld; }
    void EndUpdate();

    // (HoverBox, HoverSquare); -1 where none.
    TBoxSquare GetHover() const { return {FHoverBox, FHoverSquare}; }
    int HoverBox() const { return FHoverBox; }
    int HoverSquare() const { return FHoverSquare; }
    // The cell of the square last entered by the pointer; nullptr until one
    // is entered and after the link changes with no square hovered.
    TQVCell* HoverCell() const { return FHoverCell; }
    // The keyboard cursor: a square of the grid's own, apart from the hover,
    // drawn as a frame; (-1, -1) while there is none. It stays where it is
    // when the pointer leaves and when another puzzle is shown.
    TBoxSquare Cursor() const { return {FCursorBox, FCursorSquare}; }
    // Moves the cursor (-1, -1 removes it) and repaints the squares left and
    // entered.
    void SetCursor(int Box, int Square);
    // The shown puzzle's cell under the cursor; nullptr without a cursor or
    // a puzzle.
    TQVCell* CursorCell() const;
    // Whether the keys act on this grid: its cursor is drawn in full, else
    // thin and grey. Repaints the cursor's square on a change.
    bool CursorActive() const { return FCursorActive; }
    void SetCursorActive(bool Active);
    bool PointerInside() const { return FPointerInside; }

    // What a screen reader adds to a square's words (SpokenSquare), empty
    // for nothing; none set adds nothing.
    using TSquareNote = std::function<QString(int Box, int Square)>;
    void SetSquareNote(TSquareNote Note) { FSquareNote = std::move(Note); }
    QString SquareNote(int Box, int Square) const { return FSquareNote ? FSquareNote(Box, Square) : QString(); }

    int Highlight() const { return FHighlight; }
    // Repaints everything when the value changes, nothing otherwise.
    void SetHighlight(int Digit);
    // The step marks by box and square (index Box * 9 + Square); repaints
    // the squares whose mark changes. They stay until changed or cleared,
    // whatever puzzle is shown.
    void SetStepMarks(const std::array<TStepMark, 81>& Marks);
    void ClearStepMarks() { SetStepMarks({}); }
    TStepMark StepMark(int Box, int Square) const { return FStepMarks[static_cast<size_t>(Box * 9 + Square)]; }
    bool Filled() const { return FFilled; }
    void SetFilled(bool Filled) { FFilled = Filled; }

    // Pointer tracking in grid coordinates (the origin is not applied).
    void MouseMove(int X, int Y);
    void MouseLeave();

    // Added to every drawn position; printing places the grid with it.
    TPoint Origin() const { return FOrigin; }
    void SetOrigin(TPoint Origin) { FOrigin = Origin; }

    bool ParentStyle() const { return FParentStyle; }
    TColor GridColour() const { return FGridColour; }
    // The lines' and boxes' colour (every box takes it); the next paint shows it.
    void SetGridColour(TColor Colour)
    {
        FGridColour = Colour;
        FBoxColours.fill(Colour);
    }
    TColor BoxColour(int Box) const { return FBoxColours[static_cast<size_t>(Box)]; }
    int OuterMargin() const { return FOuterMargin; }
    int BoxMargin() const { return FBoxMargin; }
    int SquareGap() const { return FSquareGap; }
    int SquareWidth() const { return FSquareWidth; }
    int SquareHeight() const { return FSquareHeight; }
    const TRect& GridRect() const { return FGridRect; }
    const TRect& BoxRect() const { return FBoxRect; }
    const TRect& SquareRect() const { return FSquareRect; }
    // Where pencil digit Digit (1-9) sits inside a square.
    TPoint MarkOffset(int Digit) const { return FMarkOffsets[static_cast<size_t>(Digit - 1)]; }
    TGridRegion& Box(int Index) { return *FBoxes[static_cast<size_t>(Index)]; }
    const TGridRegion& Box(int Index) const { return *FBoxes[static_cast<size_t>(Index)]; }

private:
    friend class TGridSquare;
    friend class TGridRegion;

    // Hit-tests the squares of the hovered box and, on a hit, takes the cell.
    void HitTestSquares(int X, int Y);
    void PaintBox(int Box);
    void Painted(const TRect& Area)
    {
        if (FPaintListener != nullptr)
            FPaintListener->GridPainted(Area);
    }
    const QString& DigitText(int Digit) const { return FDigitTexts[static_cast<size_t>(Digit)]; }

    int FCursorBox = -1;
    int FCursorSquare = -1;
    bool FCursorActive = true;
    TSquareNote FSquareNote;
    int FHeld = 0;
    bool FRepaintPending = false;
    TQVDisplayLink* FLink = nullptr;
    int FOuterMargin = 2;
    TColor FGridColour;
    int FBoxMargin = 2;
    std::array<TColor, 9> FBoxColours{};
    bool FParentStyle;
    int FSquareGap = 1;
    std::array<std::unique_ptr<TGridRegion>, 9> FBoxes;
    TQVCanvas* FCanvas = nullptr;
    TRect FGridRect;
    TRect FBoxRect;
    TRect FSquareRect;
    int FSquareHeight = 0;
    int FSquareWidth = 0;
    std::array<TPoint, 9> FMarkOffsets{};
    int FHoverBox = -1;
    int FHoverSquare = -1;
    TQVCell* FHoverCell = nullptr;
    int FHighlight = 0;
    std::array<TStepMark, 81> FStepMarks{};
    bool FFilled = false;
    TPoint FOrigin;
    bool FPointerInside = false;
    TGridPaintListener* FPaintListener = nullptr;

    // Scratch state of the paint routines, kept so painting allocates nothing.
    TRect FScratchRect;
    std::array<TPoint, 4> FScratchPolygon{};
    std::array<QString, 10> FDigitTexts;
};
