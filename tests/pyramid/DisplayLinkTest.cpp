#include "DisplayLink.h"

#include "Exception.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVSettings.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

class TRecordingGrid : public TQVDisplayGrid {
public:
    void RepaintSquare(int Box, int Square) override { Squares.push_back(TBoxSquare{Box, Square}); }
    void RepaintAll() override { ++All; }

    bool Painted(int Box, int Square) const
    {
        for (const auto& S : Squares)
            if (S == TBoxSquare{Box, Square})
                return true;
        return false;
    }

    std::vector<TBoxSquare> Squares;
    int All = 0;
};

}  // namespace

TEST(DisplayLink, TablesTranslateBothWays)
{
    TQVDisplayPark Link(3, 3);
    ASSERT_EQ(Link.Size(), 9);
    for (int Row = 0; Row < 9; ++Row) {
        for (int Col = 0; Col < 9; ++Col) {
            const TBoxSquare Place = Link.CellToBox(Row, Col);
            EXPECT_EQ(Place.Box, 3 * (Row / 3) + Col / 3);
            EXPECT_EQ(Place.Square, 3 * (Row % 3) + Col % 3);
            EXPECT_EQ(Link.BoxToCell(Place.Box, Place.Square), (TPosition{Row, Col}));
        }
    }
    EXPECT_EQ(Link.BoxToCell(2, 7), (TPosition{2, 7}));
    EXPECT_EQ(Link.BoxToCell(7, 2), (TPosition{6, 5}));
    EXPECT_EQ(Link.BoxToCell(-1, 0), (TPosition{-1, -1}));
    EXPECT_EQ(Link.CellToBox(0, 9), (TBoxSquare{-1, -1}));

    // Boxes two rows high and three wide on a 6 x 6 grid: two boxes across.
    TQVDisplayLink Small(2, 3);
    ASSERT_EQ(Small.Size(), 6);
    std::set<std::pair<int, int>> Seen;
    for (int Row = 0; Row < 6; ++Row)
        for (int Col = 0; Col < 6; ++Col) {
            const TBoxSquare Place = Small.CellToBox(Row, Col);
            Seen.insert({Place.Box, Place.Square});
            EXPECT_EQ(Small.BoxToCell(Place.Box, Place.Square), (TPosition{Row, Col}));
        }
    EXPECT_EQ(Seen.size(), 36u);
    EXPECT_EQ(Small.CellToBox(2, 3), (TBoxSquare{3, 0}));

    EXPECT_THROW(TQVDisplayLink(0, 3), Exception);
    EXPECT_THROW(TQVDisplayLink(4, 3), Exception);
}

TEST(DisplayLink, CellAtGoesThroughTheTableAndRefusesLinesBetweenSquares)
{
    TPuzzle Puzzle;
    TQVDisplayPark Link;
    EXPECT_EQ(Link.CellAt(0, 0), nullptr);  // no puzzle yet
    Link.SetPuzzle(&Puzzle);
    EXPECT_EQ(Link.CellAt(5, 1), Puzzle.CellAt(3, 7));
    EXPECT_EQ(Link.CellAt(-1, 3), nullptr);
    EXPECT_EQ(Link.CellAt(3, -1), nullptr);
    EXPECT_EQ(Link.CellAt(9, 0), nullptr);
}

TEST(DisplayLink, ChangesRepaintTheirSquareInEveryShownPuzzle)
{
    TPuzzleXLink Pyramid(0, nullptr, 1, 1);
    TRecordingGrid ParentGrid;
    TRecordingGrid ChildGrid;
    TQVDisplayLink* ChildLink = Pyramid.GetLink(1);

    // Without a grid a notice goes nowhere.
    Pyramid.GetPuzzle(1)->CellAt(1, 7)->SetValue(3);
    Pyramid.GetLink(0)->SetDisplay(&ParentGrid);
    ChildLink->SetDisplay(&ChildGrid);
    EXPECT_TRUE(ParentGrid.Squares.empty());

    // Child 1's centre of box 2, (1,7), is the parent's (0,2): box 0 square 2.
    Pyramid.GetPuzzle(1)->CellAt(1, 7)->SetValue(4);
    EXPECT_TRUE(ChildGrid.Painted(2, 4));
    EXPECT_TRUE(ParentGrid.Painted(0, 2));
    ChildGrid.Squares.clear();
    ParentGrid.Squares.clear();

    // A mark in the parent makes the partner recompute and repaint too.
    Pyramid.SetPencilMode(5);
    Pyramid.GetPuzzle(0)->CellAt(0, 2)->SetUserMark(5, true);
    EXPECT_TRUE(ParentGrid.Painted(0, 2));
    EXPECT_TRUE(ChildGrid.Painted(2, 4));
    EXPECT_TRUE(Pyramid.GetPuzzle(1)->CellAt(1, 7)->HasMark(5));

    Pyramid.GetPuzzle(1)->Refresh();
    EXPECT_EQ(ChildGrid.All, 1);
    EXPECT_EQ(ParentGrid.All, 0);

    ChildLink->SetDisplay(nullptr);
    ChildGrid.Squares.clear();
    Pyramid.GetPuzzle(1)->CellAt(0, 0)->SetValue(1);
    Pyramid.GetPuzzle(1)->Refresh();
    EXPECT_TRUE(ChildGrid.Squares.empty());
    EXPECT_EQ(ChildGrid.All, 1);
}

TEST(DisplayLink, ShowingAPuzzleShadesItsLinkedCells)
{
    TPuzzleXLink Pyramid(10, nullptr, 1, 1);
    TRecordingGrid Grid;
    TPuzzle* Child = Pyramid.GetPuzzle(2);
    // White from creation until first shown.
    EXPECT_EQ(Child->CellAt(4, 4)->GetColour(), clWhite);

    Pyramid.GetLink(2)->SetDisplay(&Grid);
    const TColor Shaded = Settings().GetColour(colShadedBg);
    const TColor Normal = Settings().GetColour(colNormalBg);
    ASSERT_NE(Shaded, Normal);
    for (int Row = 0; Row < 9; ++Row)
        for (int Col = 0; Col < 9; ++Col)
            EXPECT_EQ(Child->CellAt(Row, Col)->GetColour(), Row == Col ? Shaded : clWhite) << Row << "," << Col;
    // The parent grid paints a linked cell in its partner's colour.
    EXPECT_EQ(Pyramid.GetPuzzle(0)->CellAt(1, 3)->GetShownColour(), Shaded);
    EXPECT_EQ(Pyramid.GetPuzzle(0)->CellAt(2, 3)->GetShownColour(), clWhite);

    Pyramid.GetLink(2)->SetDisplay(nullptr);
    EXPECT_EQ(Child->CellAt(3, 3)->GetColour(), Normal);
    EXPECT_EQ(Pyramid.GetLink(2)->Display(), nullptr);
}
