// The display grid on real pyramids: geometry and hit tests, the colours it
// paints (read back from the 394 x 394 bitmap), pencil marks and highlights,
// print style, and which pixels a change repaints.
#include "Cell.h"
#include "DisplayTestSupport.h"
#include "GridPairRig.h"
#include "PyramidTestSupport.h"
#include "Puzzle.h"
#include "QVDisplayGrid.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>

namespace {

constexpr int GridSize = TGridPair::GridSize;
constexpr TColor Marker = 0x123456;
// Colours chosen apart so every rule shows which one won.
constexpr TColor TestSelected = 0x0080FF;

// A layout-0 pyramid (child c holds the centres of the child's boxes for
// parent box c - 1) shown on two screen grids: the parent and child 1.
struct TGridRig : TGridPair {
    TScopedSettings Scoped;

    explicit TGridRig(uint8_t Mode = msAutoPencilSeparate, uint64_t Seed = 7)
    {
        Scoped.Values.SetColour(colPenSelected, TestSelected);
        Game = MakeTestPyramid(0, Seed, 30);
        Game.Pyramid->SetPencilMode(Mode);
        Show(ParentGrid, 0);
        Show(ChildGrid, 1);
        // The parent shows the shading of the child just attached.
        ParentGrid.RepaintAll();
    }
    ~TGridRig()
    {
        if (const char* Dump = std::getenv("TAVREL_DUMP_GRIDS")) {
            const QString Name = QString::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name());
            ChildImage.save(QString::fromUtf8(Dump) + "/" + Name + "-child.png");
            ParentImage.save(QString::fromUtf8(Dump) + "/" + Name + "-parent.png");
        }
    }
    TPuzzle& Child() { return *Game.Pyramid->GetPuzzle(1); }
    TPuzzle& Parent() { return *Game.Pyramid->GetPuzzle(0); }
    TCell& ChildCell(int Box, int Square) { return *Child().CellAt(TPosition::FromBoxPlace(Box, Square)); }
    // The first cell of child 1 off the links (not a box centre) that is
    // neither given nor filled, with at least MinCandidates candidates.
    std::pair<int, int> FreeChildSquare(int After = -1, int MinCandidates = 0)
    {
        for (int Index = After + 1; Index < 81; ++Index) {
            const int Box = Index / 9;
            const int Square = Index % 9;
            const TCell& Cell = ChildCell(Box, Square);
            if (Square != 4 && !Cell.GetRevealed() && Cell.GetValue() == 0 && Cell.Possible().Count() >= MinCandidates)
                return {Box, Square};
        }
        ADD_FAILURE() << "no free cell";
        return {0, 0};
    }
    void Hover(TGrid& Grid, int Box, int Square)
    {
        const TGridSquare& Place = Grid.Box(Box).Square(Square);
        Grid.MouseMove(Place.X() + 20, Place.Y() + 20);
    }
};

TRect SquareArea(const TGrid& Grid, int Box, int Square)
{
    const TGridSquare& Place = Grid.Box(Box).Square(Square);
    return Grid.SquareRect().PlacedAt(Place.X(), Place.Y());
}

// The character cell of pencil digit Digit in a square.
TRect MarkArea(const TGrid& Grid, int Box, int Square, int Digit)
{
    const TGridSquare& Place = Grid.Box(Box).Square(Square);
    const TPoint Offset = Grid.MarkOffset(Digit);
    return TRect{Place.X() + Offset.X, Place.Y() + Offset.Y, Place.X() + Offset.X + 11, Place.Y() + Offset.Y + 11};
}

// A digit that is a candidate of the empty cell but not its solution, so
// entering it is incorrect and not invalid.
std::optional<int> WrongCandidate(const TCell& Cell)
{
    for (int Digit = 1; Digit <= 9; ++Digit)
        if (Digit != Cell.GetSolution() && Cell.Possible().IsSet(Digit))
            return Digit;
    return std::nullopt;
}

// A digit entered elsewhere in the cell's row, so entering it clashes.
std::optional<int> ClashingDigit(TPuzzle& Puzzle, const TCell& Cell)
{
    for (int Col = 0; Col < 9; ++Col) {
        const TCell* Other = Puzzle.CellAt(Cell.GetPosition().Row, Col);
        if (Other != &Cell && Other->GetValue() > 0)
            return Other->GetValue();
    }
    return std::nullopt;
}

TEST(GridGeometryTest, ScreenGridGeometryAndHitTests)
{
    TGridRig Rig;
    TGrid& Grid = Rig.ChildGrid;
    EXPECT_EQ(Grid.SquareWidth(), 41);
    EXPECT_EQ(Grid.SquareHeight(), 41);
    EXPECT_EQ(Grid.BoxRect().Width(), 129);
    for (int Box = 0; Box < 9; ++Box) {
        EXPECT_EQ(Grid.Box(Box).X(), 2 + 130 * (Box % 3));
        EXPECT_EQ(Grid.Box(Box).Y(), 2 + 130 * (Box / 3));
        for (int Square = 0; Square < 9; ++Square) {
            EXPECT_EQ(Grid.Box(Box).Square(Square).X() - Grid.Box(Box).X(), 2 + 42 * (Square % 3));
            EXPECT_EQ(Grid.Box(Box).Square(Square).Y() - Grid.Box(Box).Y(), 2 + 42 * (Square / 3));
        }
    }
    const int MarkX[3] = {3, 15, 27};
    const int MarkY[3] = {1, 13, 25};
    for (int Digit = 1; Digit <= 9; ++Digit) {
        EXPECT_EQ(Grid.MarkOffset(Digit).X, MarkX[(Digit - 1) % 3]);
        EXPECT_EQ(Grid.MarkOffset(Digit).Y, MarkY[(Digit - 1) / 3]);
    }

    struct THit {
        int X, Y, Box, Square;
    };
    // Containment includes all four edges: the gap right of and below a
    // square counts with it, and the boxes tile the grid.
    const THit Hits[] = {{4, 4, 0, 0},   {2, 2, 0, -1},     {45, 10, 0, 0}, {130, 10, 0, -1},  {132, 10, 1, -1},
                         {134, 4, 1, 0}, {131, 131, 0, -1}, {46, 46, 0, 4}, {391, 391, 8, -1}, {389, 389, 8, 8}};
    for (const THit& Hit : Hits) {
        Grid.MouseMove(Hit.X, Hit.Y);
        EXPECT_EQ(Grid.HoverBox(), Hit.Box) << Hit.X << "," << Hit.Y;
        EXPECT_EQ(Grid.HoverSquare(), Hit.Square) << Hit.X << "," << Hit.Y;
    }
    // Off every box.
    Grid.MouseMove(393, 10);
    EXPECT_EQ(Grid.HoverBox(), -1);
    EXPECT_TRUE(Grid.PointerInside());
}

TEST(GridGeometryTest, HoverCellFollowsSquaresAndNeverOutlivesTheLink)
{
    TGridRig Rig;
    TGrid& Grid = Rig.ChildGrid;
    EXPECT_EQ(Grid.HoverCell(), nullptr);
    EXPECT_FALSE(Grid.PointerInside());

    Grid.MouseMove(4, 4);
    EXPECT_EQ(Grid.HoverCell(), &Rig.ChildCell(0, 0));
    // A line between boxes: no square, the last cell stays.
    Grid.MouseMove(131, 10);
    EXPECT_EQ(Grid.HoverSquare(), -1);
    EXPECT_EQ(Grid.HoverCell(), &Rig.ChildCell(0, 0));
    Grid.MouseMove(140, 10);
    EXPECT_EQ(Grid.HoverCell(), &Rig.ChildCell(1, 0));

    // Moving from box to box keeps the pointer counted as inside, so the
    // idle check still clears the marking when it leaves the pictures.
    EXPECT_TRUE(Grid.PointerInside());
    Grid.MouseLeave();
    EXPECT_FALSE(Grid.PointerInside());
    EXPECT_EQ(Grid.GetHover(), (TBoxSquare{-1, -1}));
    EXPECT_EQ(Grid.HoverCell(), &Rig.ChildCell(1, 0));

    // Another puzzle: the hovered square's cell of the new puzzle, or none.
    Grid.MouseMove(4, 4);
    Grid.SetLink(Rig.Game.Pyramid->GetLink(2));
    EXPECT_EQ(Grid.HoverCell(), Rig.Game.Pyramid->GetPuzzle(2)->CellAt(TPosition{0, 0}));
    Grid.MouseMove(131, 10);
    Grid.SetLink(Rig.Game.Pyramid->GetLink(1));
    EXPECT_EQ(Grid.HoverCell(), nullptr);
    Grid.SetLink(nullptr);
    EXPECT_EQ(Grid.HoverCell(), nullptr);
    // Without a link the pointer is tracked but nothing is hit.
    Grid.MouseMove(50, 50);
    EXPECT_TRUE(Grid.PointerInside());
    EXPECT_EQ(Grid.HoverCell(), nullptr);
    // A square hovered before the link went does not name a cell of the
    // next puzzle once the pointer has moved on in between.
    Grid.SetLink(Rig.Game.Pyramid->GetLink(1));
    Grid.MouseMove(4, 4);
    Grid.SetLink(nullptr);
    Grid.MouseMove(389, 389);
    Grid.SetLink(Rig.Game.Pyramid->GetLink(2));
    EXPECT_EQ(Grid.HoverCell(), nullptr);
}

TEST(GridPaintTest, BackgroundsShowGridLinkedAndShownColours)
{
    TGridRig Rig;
    const QImage& Child = Rig.ChildImage;
    const QImage& Parent = Rig.ParentImage;
    // The grid colour round the boxes and in the gaps between squares.
    for (const auto& [X, Y] : {std::pair{0, 0}, {45, 10}, {131, 60}, {200, 131}, {393, 393}, {10, 87}}) {
        EXPECT_EQ(PixelAt(Child, X, Y), clSkyBlue) << X << "," << Y;
        EXPECT_EQ(PixelAt(Parent, X, Y), clSkyBlue) << X << "," << Y;
    }
    for (int Box = 0; Box < 9; ++Box) {
        for (int Square = 0; Square < 9; ++Square) {
            const TRect Area = SquareArea(Rig.ChildGrid, Box, Square);
            // The child's linked cells (the box centres in layout 0) are
            // shaded once the child is shown.
            EXPECT_EQ(PixelAt(Child, Area.Left, Area.Top), Square == 4 ? clSilver : clWhite);
            // The parent paints its cells in the partner's colour: box 0
            // belongs to child 1, which is shown; the other children never
            // were.
            EXPECT_EQ(PixelAt(Parent, Area.Left, Area.Top), Box == 0 ? clSilver : clWhite);
        }
    }

    // Showing child 2 instead shades its cells and unshades child 1's.
    Rig.Game.Pyramid->GetLink(1)->SetDisplay(nullptr);
    Rig.Show(Rig.ChildGrid, 2);
    Rig.ParentGrid.RepaintAll();
    EXPECT_EQ(PixelAt(Parent, 4, 4), clWhite);
    EXPECT_EQ(PixelAt(Parent, 134, 4), clSilver);
    // With the "Linked cell" colour changed, shading takes the new one.
    Rig.Scoped.Values.SetColour(colShadedBg, clMoneyGreen);
    Rig.Game.Pyramid->GetLink(2)->SetDisplay(&Rig.ChildGrid);
    Rig.ChildGrid.RepaintAll();
    const TRect Centre = SquareArea(Rig.ChildGrid, 0, 4);
    EXPECT_EQ(PixelAt(Child, Centre.Left, Centre.Top), clMoneyGreen);
}

TEST(GridPaintTest, ValueColoursFollowTheirOrderOfRules)
{
    TGridRig Rig;
    TSettingsValues& Values = Rig.Scoped.Values;
    const QImage& Image = Rig.ChildImage;
    const std::pair<int, int> Free = Rig.FreeChildSquare(-1, 2);
    const int Box = Free.first;
    const int Square = Free.second;
    TCell& Cell = Rig.ChildCell(Box, Square);
    const TRect Area = SquareArea(Rig.ChildGrid, Box, Square);
    const auto Shows = [&](TColor Colour) { return CountColour(Image, Area, Colour) > 20; };

    // b. entered, then the same square hovered.
    Cell.SetValue(Cell.GetSolution());
    EXPECT_TRUE(Shows(clBlue));
    Rig.Hover(Rig.ChildGrid, Box, Square);
    EXPECT_TRUE(Shows(TestSelected));
    EXPECT_FALSE(Shows(clBlue));
    Rig.ChildGrid.MouseLeave();
    EXPECT_TRUE(Shows(clBlue));

    // c. incorrect beats hovered; without the option it is just entered.
    Cell.SetValue(0);
    const std::optional<int> Wrong = WrongCandidate(Cell);
    ASSERT_TRUE(Wrong);
    Cell.SetValue(*Wrong);
    ASSERT_FALSE(Cell.IsInvalid());
    EXPECT_TRUE(Shows(clRed));
    Rig.Hover(Rig.ChildGrid, Box, Square);
    EXPECT_TRUE(Shows(clRed));
    Rig.ChildGrid.MouseLeave();
    Values.SetOption(optIncorrect, false);
    Rig.ChildGrid.RepaintAll();
    EXPECT_TRUE(Shows(clBlue));
    EXPECT_FALSE(Shows(clRed));
    Values.SetOption(optIncorrect, true);

    // e. invalid (and so incorrect): invalid wins only with "Invalid Has
    // Priority"; with incorrect highlighting off it wins anyway.
    Cell.SetValue(0);
    const std::optional<int> Clash = ClashingDigit(Rig.Child(), Cell);
    ASSERT_TRUE(Clash);
    Cell.SetValue(*Clash);
    ASSERT_TRUE(Cell.IsInvalid());
    ASSERT_TRUE(Values.GetOption(optInvalidPriority));
    EXPECT_TRUE(Shows(clAqua));
    Values.SetOption(optInvalidPriority, false);
    Rig.ChildGrid.RepaintAll();
    EXPECT_TRUE(Shows(clRed));
    EXPECT_FALSE(Shows(clAqua));
    Values.SetOption(optIncorrect, false);
    Rig.ChildGrid.RepaintAll();
    EXPECT_TRUE(Shows(clAqua));
    Values.SetOption(optInvalid, false);
    Rig.ChildGrid.RepaintAll();
    EXPECT_TRUE(Shows(clBlue));
    EXPECT_FALSE(Shows(clAqua));
}

TEST(GridPaintTest, GivensShowRevealedAndInvalidComparesColourValues)
{
    TGridRig Rig;
    TSettingsValues& Values = Rig.Scoped.Values;
    const QImage& Image = Rig.ChildImage;
    // A given of child 1 and a free cell of the same row.
    TPuzzle& Child = Rig.Child();
    TCell* Given = nullptr;
    TCell* Free = nullptr;
    for (int Row = 0; Row < 9 && !(Given && Free); ++Row) {
        Given = Free = nullptr;
        for (int Col = 0; Col < 9; ++Col) {
            TCell* Cell = Child.CellAt(Row, Col);
            if (Cell->GetRevealed() && !Given)
                Given = Cell;
            else if (!Cell->GetRevealed() && Cell->GetValue() == 0 && !Free && Cell->ParentLinkOfCell() == nullptr)
                Free = Cell;
        }
    }
    ASSERT_TRUE(Given && Free);
    const TPosition At = Given->GetPosition();
    const TRect Area = SquareArea(Rig.ChildGrid, At.Box(), At.Place());
    const auto Shows = [&](TColor Colour) { return CountColour(Image, Area, Colour) > 20; };

    EXPECT_TRUE(Shows(clBlack));
    Rig.Hover(Rig.ChildGrid, At.Box(), At.Place());
    EXPECT_TRUE(Shows(clBlack));
    Rig.ChildGrid.MouseLeave();

    // Entering the given's digit beside it makes the given invalid too.
    Free->SetValue(Given->GetValue());
    ASSERT_TRUE(Given->IsInvalid());
    Rig.ChildGrid.RepaintAll();
    EXPECT_TRUE(Shows(clAqua));
    Values.SetOption(optInvalidPriority, false);
    Rig.ChildGrid.RepaintAll();
    EXPECT_TRUE(Shows(clAqua));
    // The revealed colour equal in value to the incorrect one: it counts as
    // the incorrect colour and keeps priority over invalid.
    Values.SetColour(colRevealed, clRed);
    Rig.ChildGrid.RepaintAll();
    EXPECT_TRUE(Shows(clRed));
    EXPECT_FALSE(Shows(clAqua));
    Values.SetOption(optInvalidPriority, true);
    Rig.ChildGrid.RepaintAll();
    EXPECT_TRUE(Shows(clAqua));
}

TEST(GridPaintTest, PencilMarksAsCandidatesOrFilledAndHidden)
{
    TGridRig Rig(msUserMarksSeparate);
    TGrid& Grid = Rig.ChildGrid;
    const QImage& Image = Rig.ChildImage;
    const std::pair<int, int> Free = Rig.FreeChildSquare();
    const int Box = Free.first;
    const int Square = Free.second;
    TCell& Cell = Rig.ChildCell(Box, Square);
    for (int Digit : {1, 5, 9, 6})
        Cell.SetUserMark(Digit, true);
    const auto MarkShown = [&](int Digit, TColor Colour) {
        return CountInk(Image, MarkArea(Grid, Box, Square, Digit), Colour) > 3;
    };
    const std::set<int> Marked = {1, 5, 6, 9};
    for (int Digit = 1; Digit <= 9; ++Digit)
        EXPECT_EQ(MarkShown(Digit, clGreen), Marked.count(Digit) == 1) << "digit " << Digit;
    // No mark spills out of its place.
    const TRect Area = SquareArea(Grid, Box, Square);
    int InPlaces = 0;
    for (int Digit = 1; Digit <= 9; ++Digit)
        InPlaces += CountInk(Image, MarkArea(Grid, Box, Square, Digit), clGreen);
    EXPECT_EQ(CountInk(Image, Area, clGreen), InPlaces);

    // Filled: the digits not in the set.
    Grid.SetFilled(true);
    Grid.RepaintAll();
    for (int Digit = 1; Digit <= 9; ++Digit)
        EXPECT_EQ(MarkShown(Digit, clGreen), Marked.count(Digit) == 0) << "digit " << Digit;
    // A screen reader hears the digits drawn, not the set.
    EXPECT_TRUE(SpokenSquare(Grid, Box, Square).contains(QStringLiteral(": empty, marks 2 3 4 7 8")))
        << SpokenSquare(Grid, Box, Square).toStdString();

    // The hovered square's marks take the selected colour.
    Rig.Hover(Grid, Box, Square);
    EXPECT_TRUE(MarkShown(2, TestSelected));
    EXPECT_FALSE(MarkShown(2, clGreen));
    Grid.MouseLeave();

    // Hidden marks: the squares show their background only, filled or not.
    Rig.Game.Pyramid->SetPencilMode(msHidden);
    Grid.RepaintAll();
    EXPECT_TRUE(AllColour(Image, Area, clWhite));
    Grid.SetFilled(false);
    Grid.RepaintAll();
    EXPECT_TRUE(AllColour(Image, Area, clWhite));
}

TEST(GridPaintTest, OnlyTheGridTheKeysActOnDrawsTheFullCursor)
{
    TGridRig Rig;
    const std::pair<int, int> Free = Rig.FreeChildSquare();
    const TRect Area = SquareArea(Rig.ChildGrid, Free.first, Free.second);
    Rig.ChildGrid.SetCursor(Free.first, Free.second);
    EXPECT_GT(CountColour(Rig.ChildImage, Area, CursorColour), 0);
    EXPECT_EQ(CountColour(Rig.ChildImage, Area, InactiveCursorColour), 0);
    // The other grid's cursor: one thin grey ring, no orange, repainted at once.
    Rig.ChildGrid.SetCursorActive(false);
    EXPECT_EQ(CountColour(Rig.ChildImage, Area, CursorColour), 0);
    const int Grey = CountColour(Rig.ChildImage, Area, InactiveCursorColour);
    EXPECT_GT(Grey, 0);
    EXPECT_LE(Grey, 4 * Rig.ChildGrid.SquareWidth());
    Rig.ChildGrid.SetCursorActive(true);
    EXPECT_GT(CountColour(Rig.ChildImage, Area, CursorColour), 0);
}

TEST(GridPaintTest, AutomaticCandidatesAreDrawnAtTheirOffsets)
{
    TGridRig Rig(msAutoPencilSeparate);
    TGrid& Grid = Rig.ChildGrid;
    const std::pair<int, int> Free = Rig.FreeChildSquare();
    const int Box = Free.first;
    const int Square = Free.second;
    const TCell& Cell = Rig.ChildCell(Box, Square);
    ASSERT_GT(Cell.Shown().Count(), 0);
    for (int Digit = 1; Digit <= 9; ++Digit) {
        const int Pixels = CountInk(Rig.ChildImage, MarkArea(Grid, Box, Square, Digit), clGreen);
        EXPECT_EQ(Pixels > 3, Cell.HasMark(Digit)) << "digit " << Digit;
    }
}

TEST(GridPaintTest, DigitAndPairHighlights)
{
    TGridRig Rig(msUserMarksSeparate);
    TGrid& Grid = Rig.ChildGrid;
    const QImage& Image = Rig.ChildImage;
    const std::pair<int, int> PairPlace = Rig.FreeChildSquare();
    const int PairBox = PairPlace.first;
    const int PairSquare = PairPlace.second;
    const std::pair<int, int> ManyPlace = Rig.FreeChildSquare(PairBox * 9 + PairSquare);
    const int ManyBox = ManyPlace.first;
    const int ManySquare = ManyPlace.second;
    TCell& Pair = Rig.ChildCell(PairBox, PairSquare);
    TCell& Many = Rig.ChildCell(ManyBox, ManySquare);
    Pair.SetUserMark(3, true);
    Pair.SetUserMark(7, true);
    for (int Digit : {1, 2, 3})
        Many.SetUserMark(Digit, true);
    const TRect PairArea = SquareArea(Grid, PairBox, PairSquare);
    const TRect ManyArea = SquareArea(Grid, ManyBox, ManySquare);
    const auto Highlighted = [&](const TRect& Area) {
        // Inside the polygon's outline, which is drawn in the grid colour.
        return PixelAt(Image, Area.Left + 1, Area.Top + 1) == clMoneyGreen &&
               PixelAt(Image, Area.Left, Area.Top) == clSkyBlue;
    };

    EXPECT_FALSE(Highlighted(PairArea));
    Grid.SetHighlight(HighlightPairs);
    EXPECT_TRUE(Highlighted(PairArea));
    EXPECT_FALSE(Highlighted(ManyArea));
    // Highlighted marks are drawn in the highlight font colour.
    EXPECT_GT(CountInk(Image, MarkArea(Grid, PairBox, PairSquare, 3), clNavy), 3);
    EXPECT_EQ(CountInk(Image, PairArea, clGreen), 0);

    // A digit: every square that shows it.
    Grid.SetHighlight(2);
    EXPECT_FALSE(Highlighted(PairArea));
    EXPECT_TRUE(Highlighted(ManyArea));
    Grid.SetHighlight(3);
    EXPECT_TRUE(Highlighted(PairArea));
    EXPECT_TRUE(Highlighted(ManyArea));

    // Filled: pairs still go by the set (seven digits drawn), digits by the
    // digits drawn.
    Grid.SetFilled(true);
    Grid.SetHighlight(HighlightPairs);
    EXPECT_TRUE(Highlighted(PairArea));
    EXPECT_FALSE(Highlighted(ManyArea));
    EXPECT_GT(CountInk(Image, MarkArea(Grid, PairBox, PairSquare, 1), clNavy), 3);
    Grid.SetHighlight(3);
    EXPECT_FALSE(Highlighted(PairArea));
    EXPECT_FALSE(Highlighted(ManyArea));
    Grid.SetHighlight(5);
    EXPECT_TRUE(Highlighted(PairArea));

    // The hovered square keeps the selected colour on the highlight.
    Rig.Hover(Grid, PairBox, PairSquare);
    EXPECT_TRUE(Highlighted(PairArea));
    EXPECT_GT(CountInk(Image, MarkArea(Grid, PairBox, PairSquare, 1), TestSelected), 3);
    EXPECT_EQ(CountInk(Image, PairArea, clNavy), 0);
}

TEST(GridPaintTest, PencilMarksOnTheSelectedSquareOnly)
{
    TGridRig Rig(msAutoPencilSeparate);
    Rig.Scoped.Values.SetPencilSelectedOnly(true);
    TGrid& Grid = Rig.ChildGrid;
    Grid.RepaintAll();
    for (int B = 0; B < 9; ++B) {
        for (int S = 0; S < 9; ++S) {
            if (Rig.ChildCell(B, S).GetValue() == 0) {
                EXPECT_EQ(CountInk(Rig.ChildImage, SquareArea(Grid, B, S), clGreen), 0) << B << "/" << S;
            }
        }
    }
    const std::pair<int, int> Free = Rig.FreeChildSquare();
    const int Box = Free.first;
    const int Square = Free.second;
    Rig.Hover(Grid, Box, Square);
    const TRect Area = SquareArea(Grid, Box, Square);
    EXPECT_GT(CountInk(Rig.ChildImage, Area, TestSelected), 3);
    EXPECT_EQ(CountInk(Rig.ChildImage, Grid.GridRect(), TestSelected), CountInk(Rig.ChildImage, Area, TestSelected));
}

TEST(GridPaintTest, PrintStyleInsetsSquaresInTheirOwnColour)
{
    TGridRig Rig(msUserMarksSeparate);
    const std::pair<int, int> Free = Rig.FreeChildSquare();
    const int Box = Free.first;
    const int Square = Free.second;
    Rig.ChildCell(Box, Square).SetUserMark(4, true);
    Rig.ChildGrid.SetHighlight(4);

    constexpr int OriginX = 30;
    constexpr int OriginY = 20;
    for (int Index : {0, 1}) {
        QImage Image = MakeScreenBitmap(GridSize + OriginX + 10, GridSize + OriginY + 10);
        Image.fill(QColorOf(Marker));
        TQVCanvas Canvas(&Image);
        TGrid Printed(&Canvas, true, GridSize, GridSize, clBlack);
        Printed.SetOrigin(TPoint{OriginX, OriginY});
        Printed.SetLink(Rig.Game.Pyramid->GetLink(Index));
        Printed.SetHighlight(4);
        Printed.PaintAll(TPaintStyle::Print);

        // Nothing outside the placed grid.
        EXPECT_TRUE(AllColour(Image, TRect{0, 0, OriginX, Image.height()}, Marker));
        EXPECT_TRUE(AllColour(Image, TRect{0, 0, Image.width(), OriginY}, Marker));
        for (int B = 0; B < 9; ++B) {
            for (int S = 0; S < 9; ++S) {
                const TRect Area =
                    SquareArea(Printed, B, S)
                        .PlacedAt(Printed.Box(B).Square(S).X() + OriginX, Printed.Box(B).Square(S).Y() + OriginY);
                // The cell's own colour, never the partner's: the printed
                // parent is white; the child shows its linked cells shaded.
                const TColor Own = Index == 1 && S == 4 ? clSilver : clWhite;
                EXPECT_EQ(PixelAt(Image, Area.Left + 1, Area.Top + 1), clBlack);
                EXPECT_EQ(PixelAt(Image, Area.Left + 2, Area.Top + 2), Own);
                EXPECT_EQ(PixelAt(Image, Area.Right - 3, Area.Bottom - 3), Own);
                EXPECT_EQ(PixelAt(Image, Area.Right - 2, Area.Bottom - 2), clBlack);
                // Values and marks are black; no highlight or colour in print.
                EXPECT_EQ(CountColour(Image, Area, clBlue) + CountColour(Image, Area, clGreen) +
                              CountColour(Image, Area, clMoneyGreen),
                          0);
                const TCell* Cell = Rig.Game.Pyramid->GetPuzzle(Index)->CellAt(TPosition::FromBoxPlace(B, S));
                const TRect Inset{Area.Left + 2, Area.Top + 2, Area.Left + 39, Area.Top + 39};
                const int Ink = CountColour(Image, Inset, clBlack);
                if (Cell->GetValue() > 0) {
                    EXPECT_GT(Ink, 20) << B << "/" << S;
                } else if (Index == 0 || B != Box || S != Square) {
                    EXPECT_EQ(Ink, 0) << B << "/" << S;
                }
            }
        }
        if (Index == 1) {
            // The mark sits 6 right of and 2 above its screen place.
            const TGridSquare& Place = Printed.Box(Box).Square(Square);
            const TPoint Offset = Printed.MarkOffset(4);
            const int X = Place.X() + OriginX + 2 + Offset.X + 6;
            const int Y = Place.Y() + OriginY + 2 + Offset.Y - 2;
            int Dark = 0;
            for (int PY = Y; PY < Y + 8; ++PY)
                for (int PX = X; PX < X + 8; ++PX)
                    Dark += GreenOf(PixelAt(Image, PX, PY)) < 128 ? 1 : 0;
            EXPECT_GT(Dark, 3);
        }
    }
}

TEST(GridRepaintTest, OneChangeRepaintsOnlyItsSquares)
{
    TGridRig Rig(msUserMarksSeparate);
    const auto Mark = [](QImage& Image) { Image.fill(QColorOf(Marker)); };
    const auto Untouched = [](const QImage& Image, const TRect& Except) {
        int Changed = 0;
        for (int Y = 0; Y < Image.height(); ++Y)
            for (int X = 0; X < Image.width(); ++X)
                if (!Except.ContainsInclusive(X, Y) && PixelAt(Image, X, Y) != Marker)
                    ++Changed;
        return Changed == 0;
    };
    const TRect Nowhere{-10, -10, -10, -10};

    // An unlinked child cell: its square in the child grid, nothing in the
    // parent's. (A value would also repaint the squares whose candidates it
    // changes; a mark changes only its cell.)
    const std::pair<int, int> Free = Rig.FreeChildSquare();
    const int Box = Free.first;
    const int Square = Free.second;
    const auto Inclusive = [](TRect Area) { return TRect{Area.Left, Area.Top, Area.Right - 1, Area.Bottom - 1}; };
    Mark(Rig.ChildImage);
    Mark(Rig.ParentImage);
    Rig.ChildCell(Box, Square).SetUserMark(5, true);
    EXPECT_TRUE(Untouched(Rig.ChildImage, Inclusive(SquareArea(Rig.ChildGrid, Box, Square))));
    EXPECT_FALSE(Untouched(Rig.ChildImage, Nowhere));
    EXPECT_TRUE(Untouched(Rig.ParentImage, Nowhere));

    // A linked cell: its square in both grids. Layout 0: child 1's centre of
    // box 6 is square 6 of parent box 0.
    Mark(Rig.ChildImage);
    Mark(Rig.ParentImage);
    Rig.ChildCell(6, 4).SetUserMark(5, true);
    EXPECT_TRUE(Untouched(Rig.ChildImage, Inclusive(SquareArea(Rig.ChildGrid, 6, 4))));
    EXPECT_FALSE(Untouched(Rig.ChildImage, Nowhere));
    EXPECT_TRUE(Untouched(Rig.ParentImage, Inclusive(SquareArea(Rig.ParentGrid, 0, 6))));
    EXPECT_FALSE(Untouched(Rig.ParentImage, Nowhere));

    // The current highlight again: nothing.
    Mark(Rig.ChildImage);
    Rig.ChildGrid.SetHighlight(0);
    EXPECT_TRUE(Untouched(Rig.ChildImage, Nowhere));
    Rig.ChildGrid.SetHighlight(HighlightPairs);
    EXPECT_FALSE(Untouched(Rig.ChildImage, Nowhere));
    Mark(Rig.ChildImage);
    Rig.ChildGrid.SetHighlight(HighlightPairs);
    EXPECT_TRUE(Untouched(Rig.ChildImage, Nowhere));

    // The pointer: entering a box repaints that box, staying in a square
    // nothing, leaving repaints the box left.
    const TRect Box0 = Rig.ChildGrid.BoxRect().PlacedAt(Rig.ChildGrid.Box(0).X(), Rig.ChildGrid.Box(0).Y());
    Mark(Rig.ChildImage);
    Rig.ChildGrid.MouseMove(10, 10);
    EXPECT_TRUE(Untouched(Rig.ChildImage, Box0));
    EXPECT_FALSE(Untouched(Rig.ChildImage, Nowhere));
    Mark(Rig.ChildImage);
    Rig.ChildGrid.MouseMove(12, 14);
    EXPECT_TRUE(Untouched(Rig.ChildImage, Nowhere));
    Rig.ChildGrid.MouseLeave();
    EXPECT_TRUE(Untouched(Rig.ChildImage, Box0));
    EXPECT_FALSE(Untouched(Rig.ChildImage, Nowhere));
    Mark(Rig.ChildImage);
    Rig.ChildGrid.MouseLeave();
    EXPECT_TRUE(Untouched(Rig.ChildImage, Nowhere));

    // No link: painting draws nothing but the grid colour.
    Rig.ChildGrid.SetLink(nullptr);
    Mark(Rig.ChildImage);
    Rig.ChildGrid.RepaintSquare(0, 0);
    EXPECT_TRUE(Untouched(Rig.ChildImage, Nowhere));
    Rig.ChildGrid.RepaintAll();
    EXPECT_TRUE(AllColour(Rig.ChildImage, Rig.ChildGrid.GridRect(), clSkyBlue));
}

TEST(GridRepaintTest, AHeldGridPaintsOnceWhenTheLastHoldEnds)
{
    TGridRig Rig(msUserMarksSeparate);
    const std::pair<int, int> Free = Rig.FreeChildSquare();
    Rig.ChildImage.fill(QColorOf(Marker));
    Rig.ChildGrid.BeginUpdate();
    Rig.ChildGrid.BeginUpdate();
    Rig.ChildCell(Free.first, Free.second).SetUserMark(5, true);
    Rig.ChildGrid.RepaintAll();
    Rig.ChildGrid.EndUpdate();
    EXPECT_EQ(PixelAt(Rig.ChildImage, 0, 0), Marker) << "an inner hold paints nothing";
    Rig.ChildGrid.EndUpdate();
    EXPECT_TRUE(AllColour(Rig.ChildImage, TRect{0, 0, 2, 2}, clSkyBlue)) << "the last one paints the grid";
    // Nothing asked for, nothing painted; an unmatched release is harmless.
    Rig.ChildImage.fill(QColorOf(Marker));
    Rig.ChildGrid.BeginUpdate();
    Rig.ChildGrid.EndUpdate();
    Rig.ChildGrid.EndUpdate();
    EXPECT_EQ(PixelAt(Rig.ChildImage, 0, 0), Marker);
    Rig.ChildGrid.RepaintAll();
    EXPECT_NE(PixelAt(Rig.ChildImage, 0, 0), Marker);
}

}  // namespace
