// The facts a screen reader is told: each square's linked partner, found
// both ways and for the unlinked layouts, and which square's change is the
// news between two pictures of a puzzle.
#include "Cell.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "SquareNews.h"

#include <gtest/gtest.h>

TEST(SquareNewsTest, PartnersAreFoundBothWaysAndOnlyWhereLinked)
{
    // Layout 0: parent box c, square i goes with child c + 1's box i centre.
    TPuzzleXLink Pyramid(0, nullptr, 0, 0);
    const TPosition ParentAt = TPosition::FromBoxPlace(2, 7);
    const TPyramidSquare Child = PartnerOf(Pyramid, 0, ParentAt);
    ASSERT_TRUE(Child.Valid());
    EXPECT_EQ(Child.Puzzle, 3);
    EXPECT_EQ(Child.At, TPosition::FromBoxPlace(7, 4));
    EXPECT_EQ(PartnerOf(Pyramid, 3, Child.At), (TPyramidSquare{0, ParentAt}));
    // A child's square off the links, a puzzle or place outside the pyramid.
    EXPECT_FALSE(PartnerOf(Pyramid, 3, TPosition::FromBoxPlace(7, 3)).Valid());
    EXPECT_FALSE(PartnerOf(Pyramid, 10, ParentAt).Valid());
    EXPECT_FALSE(PartnerOf(Pyramid, 0, TPosition{9, 0}).Valid());
    TPuzzleXLink Unlinked(2, nullptr, 0, 0);
    EXPECT_FALSE(PartnerOf(Unlinked, 0, ParentAt).Valid());
}

TEST(SquareNewsTest, AValueIsTheNewsBeforeMarksAndTheCursorsSquareFirst)
{
    TPuzzlePicture Before;
    TPuzzlePicture After = Before;
    EXPECT_EQ(ChangeBetween(Before, After, TPosition{0, 0}).Squares, 0);

    // Marks changed at 3 and the cursor's 40, a value at 60: the value.
    After.Marks[3] = 1u << 4;
    After.Marks[40] = 1u << 2;
    After.Values[60] = 7;
    TSquareChange Change = ChangeBetween(Before, After, TPosition::FromIndex(40));
    EXPECT_EQ(Change.Squares, 3);
    EXPECT_EQ(Change.At, TPosition::FromIndex(60));
    EXPECT_EQ(Change.ValueAfter, 7);
    // Values at 20 and the cursor's 60: the cursor's; without a cursor the first.
    After.Values[20] = 2;
    EXPECT_EQ(ChangeBetween(Before, After, TPosition::FromIndex(60)).At, TPosition::FromIndex(60));
    EXPECT_EQ(ChangeBetween(Before, After, TPosition{-1, -1}).At, TPosition::FromIndex(20));
    // Marks only: the cursor's square when its marks changed, else the first.
    After.Values = Before.Values;
    Change = ChangeBetween(Before, After, TPosition::FromIndex(40));
    EXPECT_EQ(Change.At, TPosition::FromIndex(40));
    EXPECT_EQ(Change.MarksBefore, 0u);
    EXPECT_EQ(Change.MarksAfter, 1u << 2);
    EXPECT_EQ(ChangeBetween(Before, After, TPosition::FromIndex(50)).At, TPosition::FromIndex(3));
}

TEST(SquareNewsTest, APictureHoldsValuesAndTheMarksOfEmptySquaresOnly)
{
    TPuzzleXLink Pyramid(0, nullptr, 0, 0);
    TPuzzle& Parent = *Pyramid.GetPuzzle(0);
    Pyramid.SetPencilMode(msUserMarksSeparate);
    Parent.CellByIndex(5)->SetUserMark(3, true);
    Parent.CellByIndex(6)->SetUserMark(3, true);
    Parent.CellByIndex(6)->SetValue(8);
    const TPuzzlePicture Picture = PictureOf(Parent);
    EXPECT_EQ(Picture.Marks[5], 1u << 3);
    EXPECT_EQ(Picture.Values[6], 8);
    EXPECT_EQ(Picture.Marks[6], 0u);
}
