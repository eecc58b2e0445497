// The wiring of every layout type, checked against the table of layouts
// written out here in its own terms (box/square or row/column per child c and
// link i), not through the pyramid's own link table.

#include "Puzzle.h"
#include "PuzzleXLink.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <utility>

namespace {

using TPair = std::pair<TPosition, TPosition>;  // parent cell, child cell

TPosition BS(int Box, int Square)
{
    return TPosition::FromBoxPlace(Box, Square);
}
TPosition RC(int Row, int Col)
{
    return TPosition{Row, Col};
}

// The pair for child c + 1 and link i, or nothing for the unlinked codes.
std::optional<TPair> Expected(int Layout, int c, int i)
{
    switch (Layout) {
    case 0: return TPair{BS(c, i), BS(i, 4)};
    case 1: return TPair{BS(c, i), BS(i, i)};
    case 3: return TPair{BS(i, c), BS(i, 4)};
    case 4: return TPair{BS(i, c), BS(i, c)};
    case 5: return TPair{BS(i, c), BS(i, i)};
    case 8: return TPair{BS(c, i), BS(4, i)};
    case 9: return TPair{BS(c, i), BS(c, i)};
    case 10: return TPair{RC(c, i), RC(i, i)};
    case 11: return TPair{RC(c, i), RC(i, c)};
    case 12: return TPair{RC(i, c), RC(i, i)};
    case 13: return TPair{RC(i, c), RC(c, i)};
    default: return std::nullopt;
    }
}

// Every code of the table, two codes above it and the largest byte.
const int AllLayouts[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 200, 255};

int ChildOf(const TPuzzleXLink& Pyramid, const TPuzzle* Puzzle)
{
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index)
        if (Pyramid.GetPuzzle(Index) == Puzzle)
            return Index;
    return -1;
}

class LayoutTest : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(LayoutTest, PartnersMatchTheLayoutTableBothWays)
{
    const int Layout = GetParam();
    TPuzzleXLink Pyramid(static_cast<uint8_t>(Layout), nullptr, 1, 1);
    ASSERT_EQ(Pyramid.ChildCount(), Layout == 7 ? 1 : 9);
    EXPECT_EQ(Pyramid.LayoutType(), Layout);
    EXPECT_EQ(Pyramid.Info().GetLayoutType(), Layout);
    TPuzzle* Parent = Pyramid.GetPuzzle(0);
    const bool Linked = Expected(Layout, 0, 0).has_value();

    for (int Index = 0; Index < 81; ++Index) {
        const TCell* Cell = Parent->CellByIndex(Index);
        EXPECT_EQ(Cell->ParentLinkOfCell(), nullptr);
        EXPECT_EQ(Cell->ChildLinkOfCell() != nullptr, Linked) << "parent cell " << Index;
    }
    for (int Child = 1; Child <= Pyramid.ChildCount(); ++Child) {
        int WithPartner = 0;
        for (int Index = 0; Index < 81; ++Index) {
            const TCell* Cell = Pyramid.GetPuzzle(Child)->CellByIndex(Index);
            EXPECT_EQ(Cell->ChildLinkOfCell(), nullptr);
            if (const TCell* Partner = Cell->ParentLinkOfCell()) {
                ++WithPartner;
                EXPECT_EQ(Partner->GetPuzzle(), Parent);
                EXPECT_EQ(Partner->ChildLinkOfCell(), Cell) << "child " << Child << " cell " << Index;
            }
        }
        EXPECT_EQ(WithPartner, Linked ? 9 : 0) << "child " << Child;
    }
    if (!Linked)
        return;

    std::set<int> ParentCellsSeen;
    for (int c = 0; c < 9; ++c) {
        for (int i = 0; i < 9; ++i) {
            const TPair Pair = *Expected(Layout, c, i);
            TCell* ParentCell = Parent->CellAt(Pair.first);
            TCell* ChildCell = Pyramid.GetPuzzle(c + 1)->CellAt(Pair.second);
            EXPECT_EQ(ParentCell->ChildLinkOfCell(), ChildCell) << "c " << c << " i " << i;
            EXPECT_EQ(ChildCell->ParentLinkOfCell(), ParentCell) << "c " << c << " i " << i;
            ParentCellsSeen.insert(Pair.first.Index());
            EXPECT_EQ(Pyramid.ChildForSquare(Pair.first.Box(), Pair.first.Place()), c + 1);
        }
    }
    EXPECT_EQ(ParentCellsSeen.size(), 81u);
}

TEST_P(LayoutTest, ChildForSquareNeverFollowsAMissingLink)
{
    const int Layout = GetParam();
    TPuzzleXLink Pyramid(static_cast<uint8_t>(Layout), nullptr, 1, 1);
    for (int Box = 0; Box < 9; ++Box) {
        for (int Square = 0; Square < 9; ++Square) {
            const int Child = Pyramid.ChildForSquare(Box, Square);
            const TCell* Partner = Pyramid.GetPuzzle(0)->BoxCell(Box, Square)->ChildLinkOfCell();
            if (Partner)
                EXPECT_EQ(Child, ChildOf(Pyramid, Partner->GetPuzzle()));
            else
                EXPECT_EQ(Child, 1);
        }
    }
    // The parent grid's hover position is -1 on the lines between squares.
    EXPECT_EQ(Pyramid.ChildForSquare(-1, 4), 1);
    EXPECT_EQ(Pyramid.ChildForSquare(4, -1), 1);
    EXPECT_EQ(Pyramid.ChildForSquare(9, 0), 1);
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, LayoutTest, ::testing::ValuesIn(AllLayouts));

TEST(PyramidLinks, WorkedExamples)
{
    TPuzzleXLink Centres(0, nullptr, 1, 1);
    // Parent (4,4), box 4 square 4: child 5's cell (4,4).
    EXPECT_EQ(Centres.GetPuzzle(0)->CellAt(4, 4)->ChildLinkOfCell(), Centres.GetPuzzle(5)->CellAt(4, 4));
    // Parent (0,2), box 0 square 2: child 1's centre of box 2, (1,7).
    EXPECT_EQ(Centres.GetPuzzle(0)->CellAt(0, 2)->ChildLinkOfCell(), Centres.GetPuzzle(1)->CellAt(1, 7));
    EXPECT_EQ(Centres.ChildForSquare(0, 2), 1);

    TPuzzleXLink Columns(11, nullptr, 1, 1);
    // Parent row 2 is column 2 of child 3: (2,5) goes to (5,2).
    EXPECT_EQ(Columns.GetPuzzle(0)->CellAt(2, 5)->ChildLinkOfCell(), Columns.GetPuzzle(3)->CellAt(5, 2));
    EXPECT_EQ(Columns.ChildForSquare(TPosition{2, 5}.Box(), TPosition{2, 5}.Place()), 3);
}

TEST(PyramidLinks, OneChildPyramidHasNoPuzzlesBeyondIt)
{
    TPuzzleXLink Pyramid(7, nullptr, 1, 1);
    EXPECT_NE(Pyramid.GetPuzzle(1), nullptr);
    EXPECT_NE(Pyramid.GetLink(1), nullptr);
    for (int Index = 2; Index <= 10; ++Index) {
        EXPECT_EQ(Pyramid.GetPuzzle(Index), nullptr);
        EXPECT_EQ(Pyramid.GetLink(Index), nullptr);
        EXPECT_EQ(Pyramid.GetValuesLine(Index), "");
    }
    EXPECT_EQ(Pyramid.GetPuzzle(-1), nullptr);
    // Walking all puzzles stops at the child count.
    Pyramid.SetPencilMode(4);
    EXPECT_EQ(Pyramid.GetPuzzle(1)->MarkStyle(), 4);
    EXPECT_GE(Pyramid.SolvePyramid(TMethodSet::All()), 1);
}

TEST(PyramidLinks, EachPuzzleReportsThroughItsOwnLink)
{
    TPuzzleXLink Pyramid(4, nullptr, 1, 1);
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        TQVDisplayLink* Link = Pyramid.GetLink(Index);
        EXPECT_EQ(Link->Puzzle(), Pyramid.GetPuzzle(Index));
        EXPECT_EQ(Pyramid.GetPuzzle(Index)->DisplayLink(), Link);
        EXPECT_NE(dynamic_cast<TQVDisplayPark*>(Link), nullptr);
    }
}
