#include "QVDisplayGrid.h"

#include "Cell.h"
#include "Exception.h"
#include "Format.h"
#include "Puzzle.h"
#include "QVSettings.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr int ValueFontSize = 24;
constexpr int MarkFontSize = -11;
constexpr int PrintValueFontSize = 21;
constexpr int PrintMarkFontSize = -8;
// Print style draws each square inset by this much on every side.
constexpr int PrintInset = 2;

// The marks a cell shows and whether its puzzle hides them.
struct TCellMarks {
    bool Hidden = false;
    uint32_t Bits = 0;
    int Count = 0;
};

TCellMarks MarksOf(const TQVCell& Cell)
{
    // The grid draws model cells only (see the header); the shown marks and
    // the mark style are not part of the abstract cell.
    const auto& Own = static_cast<const TCell&>(Cell);
    TCellMarks Marks;
    const TPuzzle* Puzzle = Own.GetPuzzle();
    if (Puzzle != nullptr && Puzzle->MarkStyle() == msHidden) {
        Marks.Hidden = true;
        return Marks;
    }
    const TBitMask Shown = Own.ShownMarks();
    Marks.Bits = Shown.Bits();
    Marks.Count = Shown.Count();
    return Marks;
}

// The digits drawn: the set's own digits, or with Filled the digits 1-9 that
// are not in the set.
uint32_t DigitsDrawn(uint32_t Bits, bool Filled)
{
    return (Filled ? ~Bits : Bits) & AllDigitBits;
}

}  // namespace

// ---- TGridSquare ----------------------------------------------------------

TGridSquare::TGridSquare(TGrid* Grid, int X, int Y, int Box, int Square)
    : FGrid(Grid), FX(X), FY(Y), FBox(Box), FSquare(Square)
{
}

bool TGridSquare::Contains(int PointX, int PointY) const
{
    return FGrid->FSquareRect.PlacedAt(FX, FY).ContainsInclusive(PointX, PointY);
}

QString SpokenSquare(const TGrid& Grid, int Box, int Square)
{
    const TQVCell* Cell = Grid.Link() != nullptr ? Grid.Link()->CellAt(Box, Square) : nullptr;
    if (Cell == nullptr)
        return QString();
    const TPosition At = TPosition::FromBoxPlace(Box, Square);
    // What the square holds, then what is known of it, each part after a
    // comma: "5, given, linked to child 5, row 5, column 5".
    QStringList Parts;
    const int Value = Cell->GetValue();
    if (Value != 0) {
        Parts << QString::number(Value)
              << (Cell->GetRevealed() ? QCoreApplication::translate("TGrid", "given")
                                      : QCoreApplication::translate("TGrid", "entered"));
        const TQVSettings& Options = Settings();
        if (Options.GetOption(optInvalid) && Cell->IsInvalid())
            Parts << QCoreApplication::translate("TGrid", "invalid");
        if (!Cell->GetRevealed() && Options.GetOption(optIncorrect) && !Cell->IsCorrect())
            Parts << QCoreApplication::translate("TGrid", "incorrect");
    } else {
        Parts << QCoreApplication::translate("TGrid", "empty");
        const TCellMarks Marks = MarksOf(*Cell);
        const uint32_t Drawn = Marks.Hidden ? 0 : DigitsDrawn(Marks.Bits, Grid.Filled());
        if (Drawn != 0) {
            QStringList Digits;
            for (int Digit = 1; Digit <= 9; ++Digit)
                if (((Drawn >> Digit) & 1u) != 0)
                    Digits << QString::number(Digit);
            //: %1 the digits a square's pencil marks show, "2 3 9".
            Parts << QCoreApplication::translate("TGrid", "marks %1").arg(Digits.join(QLatin1Char(' ')));
        }
    }
    if (const QString Note = Grid.SquareNote(Box, Square); !Note.isEmpty())
        Parts << Note;
    switch (Grid.StepMark(Box, Square)) {
    case TStepMark::Focus: Parts << QCoreApplication::translate("TGrid", "step square"); break;
    case TStepMark::House: Parts << QCoreApplication::translate("TGrid", "step house"); break;
    case TStepMark::Mistake: Parts << QCoreApplication::translate("TGrid", "first mistake"); break;
    case TStepMark::None: break;
    }
    QString Said = Parts.front();
    for (qsizetype Index = 1; Index < Parts.size(); ++Index)
        //: Joins the parts of a square's spoken description.
        Said = QCoreApplication::translate("TGrid", "%1, %2").arg(Said, Parts[Index]);
    //: A square as a screen reader speaks it: its row, its column and what it holds.
    return QCoreApplication::translate("TGrid", "Row %1, column %2: %3").arg(At.Row + 1).arg(At.Col + 1).arg(Said);
}

void TGridSquare::Paint(TPaintStyle Style)
{
    if (FGrid->FLink == nullptr || FGrid->FCanvas == nullptr)
        return;
    if (Style == TPaintStyle::Screen)
        PaintScreen();
    else
        PaintPrint();
}

void TGridSquare::PaintScreen()
{
    PaintScreenContent();
    TGrid& Grid = *FGrid;
    if (Grid.FLink->CellAt(FBox, FSquare) == nullptr)
        return;
    TQVCanvas& Canvas = *Grid.FCanvas;
    TRect Ring = Grid.FSquareRect.PlacedAt(FX + Grid.FOrigin.X, FY + Grid.FOrigin.Y);
    Canvas.SetBrushStyle(TBrushStyle::Solid);
    if (Grid.StepMark(FBox, FSquare) != TStepMark::None) {
        // A step's house: a frame two pixels wide inside the square; on the
        // cursor's own square the ring, drawn after, covers it.
        Canvas.SetBrushColour(Settings().GetColour(colHiLiteFore));
        Canvas.FrameRect(Ring);
        Canvas.FrameRect(TRect{Ring.Left + 1, Ring.Top + 1, Ring.Right - 1, Ring.Bottom - 1});
    }
    if (Grid.FCursorBox != FBox || Grid.FCursorSquare != FSquare)
        return;
    if (!Grid.FCursorActive) {
        Canvas.SetBrushColour(InactiveCursorColour);
        Canvas.FrameRect(Ring);
        return;
    }
    // The keyboard cursor: an orange ring inside a dark one, so it shows on
    // every background, highlight and value colour.
    Canvas.SetBrushColour(CursorOutlineColour);
    Canvas.FrameRect(Ring);
    Canvas.SetBrushColour(CursorColour);
    for (int Width = 0; Width < 2; ++Width) {
        Ring = TRect{Ring.Left + 1, Ring.Top + 1, Ring.Right - 1, Ring.Bottom - 1};
        Canvas.FrameRect(Ring);
    }
}

void TGridSquare::PaintScreenContent()
{
    TGrid& Grid = *FGrid;
    TQVCanvas& Canvas = *Grid.FCanvas;
    const TQVCell* Cell = Grid.FLink->CellAt(FBox, FSquare);
    if (Cell == nullptr)
        return;
    const int X = FX + Grid.FOrigin.X;
    const int Y = FY + Grid.FOrigin.Y;
    const bool Hovered = Grid.FHoverBox == FBox && Grid.FHoverSquare == FSquare;
    const TQVSettings& Options = Settings();

    const bool StepFocus = Grid.StepMark(FBox, FSquare) == TStepMark::Focus ||
                           Grid.StepMark(FBox, FSquare) == TStepMark::Mistake;
    Canvas.SetBrushStyle(TBrushStyle::Solid);
    if (StepFocus)
        Canvas.SetBrushColour(Options.GetColour(colHiLiteBack));
    else
        Canvas.SetBrushColour(Grid.FParentStyle ? Cell->GetShownColour() : Cell->GetColour());
    Grid.FScratchRect = Grid.FSquareRect.PlacedAt(X, Y);
    Canvas.FillRect(Grid.FScratchRect);

    const int Value = Cell->GetValue();
    if (Value > 0) {
        if (Value > 9)
            return;
        Canvas.SetFontSize(ValueFontSize);
        TColor Colour = Options.GetColour(colEntered);
        if (Hovered)
            Colour = Options.GetColour(colPenSelected);
        if (Options.GetOption(optIncorrect) && !Cell->IsCorrect())
            Colour = Options.GetColour(colIncorrect);
        if (Cell->GetRevealed())
            Colour = Options.GetColour(colRevealed);
        // The colour so far is compared by value: whatever chose the
        // "Incorrect entry" colour, an invalid entry keeps it unless invalid
        // entries have priority.
        if (Options.GetOption(optInvalid) && Cell->IsInvalid() &&
            !(Colour == Options.GetColour(colIncorrect) && !Options.GetOption(optInvalidPriority)))
            Colour = Options.GetColour(colInvalid);
        Canvas.SetFontColour(Colour);
        DrawValue(X, Y, Value);
        return;
    }

    const TCellMarks Marks = MarksOf(*Cell);
    if (Marks.Hidden)
        return;
    Canvas.SetFontSize(MarkFontSize);
    const TColor Selected = Options.GetColour(colPenSelected);
    TColor Colour = Hovered ? Selected : Options.GetColour(StepFocus ? colHiLiteFore : colPencilMarks);
    const uint32_t Drawn = DigitsDrawn(Marks.Bits, Grid.FFilled);
    const int Highlight = Grid.FHighlight;
    const bool Highlighted = (Highlight == HighlightPairs && Marks.Count == 2) ||
                             (Highlight >= 1 && Highlight <= 9 && ((Drawn >> Highlight) & 1u) != 0);
    if (Highlighted) {
        const TRect& R = Grid.FScratchRect;
        Grid.FScratchPolygon = {TPoint{R.Left, R.Top}, TPoint{R.Right, R.Top}, TPoint{R.Right, R.Bottom},
                                TPoint{R.Left, R.Bottom}};
        Canvas.SetBrushColour(Options.GetColour(colHiLiteBack));
        Canvas.SetPenColour(Grid.FGridColour);
        Canvas.Polygon(Grid.FScratchPolygon.data(), static_cast<int>(Grid.FScratchPolygon.size()));
        if (Colour != Selected)
            Colour = Options.GetColour(colHiLiteFore);
    }
    Canvas.SetFontColour(Colour);
    if (Drawn == 0 || (Options.PencilSelectedOnly() && !Hovered))
        return;
    Canvas.SetBrushStyle(TBrushStyle::Clear);
    for (int Digit = 1; Digit <= 9; ++Digit) {
        if (((Drawn >> Digit) & 1u) == 0)
            continue;
        const TPoint Offset = Grid.MarkOffset(Digit);
        Canvas.TextOut(X + Offset.X, Y + Offset.Y, Grid.DigitText(Digit));
    }
    Canvas.SetBrushStyle(TBrushStyle::Solid);
}

void TGridSquare::DrawValue(int X, int Y, int Value)
{
    TGrid& Grid = *FGrid;
    TQVCanvas& Canvas = *Grid.FCanvas;
    const QString& Text = Grid.DigitText(Value);
    const TSize Extent = Canvas.TextExtent(Text);
    Canvas.SetBrushStyle(TBrushStyle::Clear);
    Canvas.TextOut(X + (Grid.FSquareWidth - Extent.Width) / 2, Y + (Grid.FSquareHeight - Extent.Height) / 2, Text);
    Canvas.SetBrushStyle(TBrushStyle::Solid);
}

void TGridSquare::PaintPrint()
{
    TGrid& Grid = *FGrid;
    TQVCanvas& Canvas = *Grid.FCanvas;
    const TQVCell* Cell = Grid.FLink->CellAt(FBox, FSquare);
    if (Cell == nullptr)
        return;
    const int X = FX + Grid.FOrigin.X + PrintInset;
    const int Y = FY + Grid.FOrigin.Y + PrintInset;

    Canvas.SetBrushStyle(TBrushStyle::Solid);
    Canvas.SetBrushColour(Settings().PrintColour(Cell->GetColour()));
    Grid.FScratchRect = TRect{X, Y, X + Grid.FSquareWidth - 2 * PrintInset, Y + Grid.FSquareHeight - 2 * PrintInset};
    Canvas.FillRect(Grid.FScratchRect);

    const int Value = Cell->GetValue();
    if (Value > 0) {
        if (Value > 9)
            return;
        Canvas.SetFontSize(PrintValueFontSize);
        Canvas.SetFontColour(clBlack);
        Canvas.SetFontBold(true);
        // Placed as on screen, over the whole square's size.
        DrawValue(X, Y, Value);
        return;
    }

    const TCellMarks Marks = MarksOf(*Cell);
    if (Marks.Hidden)
        return;
    const uint32_t Drawn = DigitsDrawn(Marks.Bits, Grid.FFilled);
    if (Drawn == 0)
        return;
    Canvas.SetFontSize(PrintMarkFontSize);
    Canvas.SetFontColour(clBlack);
    Canvas.SetFontBold(false);
    // Transparent text: the marks sit partly over the inset border, which
    // must stay drawn.
    Canvas.SetBrushStyle(TBrushStyle::Clear);
    for (int Digit = 1; Digit <= 9; ++Digit) {
        if (((Drawn >> Digit) & 1u) == 0)
            continue;
        const TPoint Offset = Grid.MarkOffset(Digit);
        Canvas.TextOut(X + Offset.X + 6, Y + Offset.Y - 2, Grid.DigitText(Digit));
    }
    Canvas.SetBrushStyle(TBrushStyle::Solid);
}

// ---- TGridRegion ----------------------------------------------------------

TGridRegion::TGridRegion(TGrid* Grid, int X, int Y, int ColourIndex)
    : FGrid(Grid), FX(X), FY(Y), FColourIndex(ColourIndex)
{
    const int Pitch = Grid->FSquareWidth + Grid->FSquareGap;
    const int PitchY = Grid->FSquareHeight + Grid->FSquareGap;
    for (int Square = 0; Square < 9; ++Square) {
        const int Row = Square / 3;
        const int Col = Square % 3;
        FSquares[static_cast<size_t>(Square)] = std::make_unique<TGridSquare>(
            Grid, X + Grid->FBoxMargin + Col * Pitch, Y + Grid->FBoxMargin + Row * PitchY, ColourIndex, Square);
    }
}

bool TGridRegion::Contains(int PointX, int PointY) const
{
    return FGrid->FBoxRect.PlacedAt(FX, FY).ContainsInclusive(PointX, PointY);
}

int TGridRegion::SquareAt(int PointX, int PointY) const
{
    for (int Square = 0; Square < 9; ++Square) {
        if (FSquares[static_cast<size_t>(Square)]->Contains(PointX, PointY))
            return Square;
    }
    return -1;
}

void TGridRegion::Paint(TPaintStyle Style)
{
    if (Style == TPaintStyle::Screen && FGrid->FCanvas != nullptr) {
        TQVCanvas& Canvas = *FGrid->FCanvas;
        Canvas.SetBrushStyle(TBrushStyle::Solid);
        Canvas.SetBrushColour(FGrid->FBoxColours[static_cast<size_t>(FColourIndex)]);
        FGrid->FScratchRect = FGrid->FBoxRect.PlacedAt(FX + FGrid->FOrigin.X, FY + FGrid->FOrigin.Y);
        Canvas.FillRect(FGrid->FScratchRect);
    }
    for (const auto& Square : FSquares)
        Square->Paint(Style);
}

// ---- TGrid ----------------------------------------------------------------

TGrid::TGrid(TQVCanvas* Canvas, bool ParentStyle, int Width, int Height, TColor GridColour, int BoxRows, int BoxColumns)
    : FGridColour(GridColour), FParentStyle(ParentStyle)
{
    if (BoxRows != 3 || BoxColumns != 3)
        throw Exception(Format("TGrid: unsupported box shape %d x %d", BoxRows, BoxColumns));
    FBoxColours.fill(GridColour);
    FGridRect = TRect{0, 0, Width, Height};
    const int PitchX = (Width - 2 * FOuterMargin) / 3;
    const int PitchY = (Height - 2 * FOuterMargin) / 3;
    FBoxRect = TRect{0, 0, PitchX - 1, PitchY - 1};
    FSquareHeight = (PitchY - 2 * FBoxMargin - 2 * FSquareGap) / 3;
    FSquareWidth = (PitchX - 2 * FBoxMargin - 2 * FSquareGap) / 3;
    FSquareRect = TRect{0, 0, FSquareWidth, FSquareHeight};
    // Both mark coordinates follow the square's width: squares are square in
    // every use.
    const int MarkPitch = (FSquareWidth - 3) / 3;
    for (int k = 0; k < 9; ++k)
        FMarkOffsets[static_cast<size_t>(k)] = TPoint{MarkPitch * (k % 3) + 3, MarkPitch * (k / 3) + 1};
    for (int Box = 0; Box < 9; ++Box) {
        FBoxes[static_cast<size_t>(Box)] = std::make_unique<TGridRegion>(this, FOuterMargin + (Box % 3) * PitchX,
                                                                         FOuterMargin + (Box / 3) * PitchY, Box);
    }
    for (int Digit = 0; Digit <= 9; ++Digit)
        FDigitTexts[static_cast<size_t>(Digit)] = QString::number(Digit);
    SetCanvas(Canvas);
}

TGrid::~TGrid()
{
    SetPaintListener(nullptr);
}

void TGrid::SetPaintListener(TGridPaintListener* Listener)
{
    if (Listener == FPaintListener)
        return;
    if (FPaintListener != nullptr)
        FPaintListener->PaintedBy(nullptr);
    FPaintListener = Listener;
    if (FPaintListener != nullptr)
        FPaintListener->PaintedBy(this);
}

void TGrid::SetCanvas(TQVCanvas* Canvas)
{
    FCanvas = Canvas;
    if (FCanvas != nullptr) {
        FCanvas->SetFontName(QStringLiteral("Arial"));
        FCanvas->SetFontBold(true);
    }
}

void TGrid::SetLink(TQVDisplayLink* Link)
{
    FLink = Link;
    FHoverCell = nullptr;
    if (FLink != nullptr && FHoverBox >= 0 && FHoverSquare >= 0)
        FHoverCell = FLink->CellAt(FHoverBox, FHoverSquare);
}

void TGrid::PaintAll(TPaintStyle Style)
{
    if (FCanvas == nullptr)
        return;
    FCanvas->SetBrushStyle(TBrushStyle::Solid);
    FCanvas->SetBrushColour(FGridColour);
    FScratchRect = FGridRect.PlacedAt(FOrigin.X, FOrigin.Y);
    FCanvas->FillRect(FScratchRect);
    for (const auto& Box : FBoxes)
        Box->Paint(Style);
    Painted(FGridRect.PlacedAt(FOrigin.X, FOrigin.Y));
}

void TGrid::RepaintSquare(int Box, int Square)
{
    if (Box < 0 || Box > 8 || Square < 0 || Square > 8)
        return;
    if (FHeld > 0) {
        FRepaintPending = true;
        return;
    }
    TGridSquare& Painting = FBoxes[static_cast<size_t>(Box)]->Square(Square);
    Painting.Paint(TPaintStyle::Screen);
    Painted(FSquareRect.PlacedAt(Painting.X() + FOrigin.X, Painting.Y() + FOrigin.Y));
}

void TGrid::RepaintAll()
{
    if (FHeld > 0) {
        FRepaintPending = true;
        return;
    }
    PaintAll(TPaintStyle::Screen);
}

void TGrid::EndUpdate()
{
    if (FHeld == 0 || --FHeld > 0 || !FRepaintPending)
        return;
    FRepaintPending = false;
    PaintAll(TPaintStyle::Screen);
}

void TGrid::PaintBox(int Box)
{
    if (Box < 0 || Box > 8)
        return;
    TGridRegion& Painting = *FBoxes[static_cast<size_t>(Box)];
    Painting.Paint(TPaintStyle::Screen);
    Painted(FBoxRect.PlacedAt(Painting.X() + FOrigin.X, Painting.Y() + FOrigin.Y));
}

void TGrid::SetHighlight(int Digit)
{
    if (Digit == FHighlight)
        return;
    FHighlight = Digit;
    RepaintAll();
}

void TGrid::SetStepMarks(const std::array<TStepMark, 81>& Marks)
{
    for (int Index = 0; Index < 81; ++Index) {
        if (FStepMarks[static_cast<size_t>(Index)] == Marks[static_cast<size_t>(Index)])
            continue;
        FStepMarks[static_cast<size_t>(Index)] = Marks[static_cast<size_t>(Index)];
        RepaintSquare(Index / 9, Index % 9);
    }
}

void TGrid::SetCursor(int Box, int Square)
{
    if (Box < 0 || Box > 8 || Square < 0 || Square > 8)
        Box = Square = -1;
    if (Box == FCursorBox && Square == FCursorSquare)
        return;
    const int OldBox = FCursorBox;
    const int OldSquare = FCursorSquare;
    FCursorBox = Box;
    FCursorSquare = Square;
    if (FLink == nullptr)
        return;
    if (OldBox >= 0)
        RepaintSquare(OldBox, OldSquare);
    if (Box >= 0)
        RepaintSquare(Box, Square);
}

void TGrid::SetCursorActive(bool Active)
{
    if (Active == FCursorActive)
        return;
    FCursorActive = Active;
    if (FLink != nullptr && FCursorBox >= 0)
        RepaintSquare(FCursorBox, FCursorSquare);
}

TQVCell* TGrid::CursorCell() const
{
    return FLink != nullptr && FCursorBox >= 0 ? FLink->CellAt(FCursorBox, FCursorSquare) : nullptr;
}

void TGrid::HitTestSquares(int X, int Y)
{
    FHoverSquare = -1;
    const int Square = FBoxes[static_cast<size_t>(FHoverBox)]->SquareAt(X, Y);
    if (Square >= 0) {
        FHoverSquare = Square;
        FHoverCell = FLink->CellAt(FHoverBox, Square);
    }
}

void TGrid::MouseMove(int X, int Y)
{
    FPointerInside = true;
    if (FLink == nullptr) {
        // Nothing is hovered without a puzzle; a position kept from before
        // would name the wrong cell once the next puzzle is attached.
        FHoverBox = -1;
        FHoverSquare = -1;
        return;
    }
    const int OldBox = FHoverBox;
    const int OldSquare = FHoverSquare;
    if (FHoverBox >= 0) {
        const TGridRegion& Hovered = *FBoxes[static_cast<size_t>(FHoverBox)];
        if (!Hovered.Contains(X, Y)) {
            // Leaving the box: unmark it, but the pointer is still over the
            // grid, so PointerInside stays set for the idle check.
            FHoverBox = -1;
            FHoverSquare = -1;
            PaintBox(OldBox);
        } else if (FHoverSquare >= 0 && Hovered.Square(FHoverSquare).Contains(X, Y)) {
            return;
        }
    }
    for (int Box = 0; Box < 9; ++Box) {
        if (FBoxes[static_cast<size_t>(Box)]->Contains(X, Y)) {
            FHoverBox = Box;
            HitTestSquares(X, Y);
            // Moving inside a box repaints it only when the square changed.
            if (FHoverBox != OldBox || FHoverSquare != OldSquare)
                PaintBox(Box);
            return;
        }
    }
}

void TGrid::MouseLeave()
{
    if (!FPointerInside)
        return;
    FPointerInside = false;
    const int OldBox = FHoverBox;
    FHoverBox = -1;
    FHoverSquare = -1;
    if (OldBox >= 0)
        PaintBox(OldBox);
}
