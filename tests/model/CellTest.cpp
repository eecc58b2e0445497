#include "ModelTestHelpers.h"
#include "NoPossibilities.h"

#include <gtest/gtest.h>

namespace {

TEST(BitMaskTest, CountCoversPositionsUpToHighBit)
{
    TBitMask Mask(9);
    Mask.SetBits(0xFFFFFFFFu);
    EXPECT_EQ(Mask.Count(), 10);
    Mask.SetBit(33, false);  // bit 1
    EXPECT_FALSE(Mask.IsSet(1));
    EXPECT_EQ(Mask.Count(), 9);
    Mask.SetBits(AllDigitBits);
    EXPECT_EQ(Mask.Count(), 9);
    TBitMask Wide(31);
    Wide.SetBits(0x80000001u);
    EXPECT_EQ(Wide.Count(), 2);
}

TEST(CellTest, SameValueTwiceRecordsOneEntry)
{
    TPuzzle Puzzle;
    TCell* Cell = Puzzle.CellAt(4, 4);
    Cell->SetValue(7);
    Cell->SetValue(7);
    ASSERT_EQ(Puzzle.UndoCount(), 1);
    const TUndoRecord& Record = Puzzle.UndoRecord(0);
    EXPECT_EQ(Record.Row, 4);
    EXPECT_EQ(Record.Col, 4);
    EXPECT_EQ(Record.NewValue, 7);
    EXPECT_EQ(Record.OldValue, 0);
}

TEST(CellTest, ClashMakesBothCellsInvalidUntilOneIsCleared)
{
    TPuzzle Puzzle;
    TCell* First = Puzzle.CellAt(2, 1);
    TCell* Second = Puzzle.CellAt(2, 7);
    First->SetValue(5);
    EXPECT_FALSE(First->IsInvalid());
    Second->SetValue(5);
    EXPECT_EQ(Second->Possible().Count(), 0);
    EXPECT_TRUE(Second->IsInvalid());
    EXPECT_TRUE(First->IsInvalid());
    Second->SetValue(0);
    EXPECT_FALSE(First->IsInvalid());
    EXPECT_TRUE(First->Possible().IsSet(5));
    // The cleared cell takes every digit that no longer clashes.
    EXPECT_EQ(Second->Possible().Bits(), AllDigitBits & ~DigitBits({5}));
}

TEST(CellTest, ClearingGivesTheDigitBackWhereItNoLongerClashes)
{
    TPuzzle Puzzle;
    Puzzle.CellAt(0, 0)->SetValue(3);
    Puzzle.CellAt(0, 5)->SetValue(8);  // same row, holds a value
    Puzzle.CellAt(5, 5)->SetValue(3);  // keeps 3 out of column 5
    TCell* Empty = Puzzle.CellAt(0, 4);
    EXPECT_FALSE(Empty->Possible().IsSet(3));
    Puzzle.CellAt(0, 0)->SetValue(0);
    EXPECT_TRUE(Empty->Possible().IsSet(3));
    // A filled cell regains the digit too; its own value stays valid.
    EXPECT_TRUE(Puzzle.CellAt(0, 2)->Possible().IsSet(3));
    EXPECT_FALSE(Puzzle.CellAt(0, 5)->Possible().IsSet(3));  // column 5 still holds 3
    EXPECT_TRUE(Puzzle.CellAt(1, 1)->Possible().IsSet(3));
    EXPECT_FALSE(Puzzle.CellAt(0, 5)->IsInvalid());
    Puzzle.CellAt(5, 5)->SetValue(0);
    EXPECT_TRUE(Puzzle.CellAt(0, 5)->Possible().IsSet(3));
    EXPECT_FALSE(Puzzle.CellAt(0, 5)->IsInvalid());
}

TEST(CellTest, FillSingleOnlyForEmptyCellsWithOneShownDigit)
{
    TPuzzle Puzzle;
    TCell* Cell = Puzzle.CellAt(0, 0);
    EXPECT_FALSE(Cell->FillSingle());
    Cell->KeepOnly(DigitBits({4, 6}));
    EXPECT_EQ(Cell->ShownCount(), 2);
    EXPECT_FALSE(Cell->FillSingle());
    EXPECT_EQ(Cell->GetValue(), 0);
    Cell->SetPossible(6, false);
    EXPECT_TRUE(Cell->FillSingle());
    EXPECT_EQ(Cell->GetValue(), 4);
    // Filled (and shown {4}) now: nothing more to fill.
    EXPECT_FALSE(Cell->FillSingle());
    TCell* Given = Puzzle.CellAt(8, 8);
    Given->SetSolution(2);
    Given->SetRevealed(true);
    EXPECT_EQ(Given->GetValue(), 2);
    EXPECT_FALSE(Given->FillSingle());
}

TEST(CellTest, IsCorrectComparesWithTheSolution)
{
    TPuzzle Puzzle;
    TCell* Cell = Puzzle.CellAt(3, 3);
    Cell->SetSolution(6);
    EXPECT_TRUE(Cell->IsCorrect());
    Cell->SetValue(2);
    EXPECT_FALSE(Cell->IsCorrect());
    Cell->SetValue(6);
    EXPECT_TRUE(Cell->IsCorrect());
    Cell->SetRevealed(true);
    EXPECT_TRUE(Cell->IsCorrect());
}

TEST(CellTest, ValuesOutsideTheDigitsAreIgnored)
{
    TPuzzle Puzzle;
    TCell* Cell = Puzzle.CellAt(1, 1);
    Cell->SetValue(10);
    Cell->SetValue(-1);
    Cell->SetSolution(12);
    EXPECT_EQ(Cell->GetValue(), 0);
    EXPECT_EQ(Cell->GetSolution(), 0);
    EXPECT_EQ(Puzzle.UndoCount(), 0);
}

TEST(CellTest, MaskOfKindSelectsTheStoredSets)
{
    TPuzzle Puzzle;
    TCell* Cell = Puzzle.CellAt(0, 0);
    EXPECT_EQ(&Cell->MaskOfKind(1), &Cell->UserMarks());
    EXPECT_EQ(&Cell->MaskOfKind(3), &Cell->UserMarks());
    EXPECT_EQ(&Cell->MaskOfKind(2), &Cell->Erased());
    EXPECT_EQ(&Cell->MaskOfKind(0), &Cell->Possible());
    EXPECT_EQ(&Cell->MaskOfKind(7), &Cell->Possible());
}

TEST(CellTest, ShownSetFollowsTheMarkStyle)
{
    TPuzzle Puzzle;
    TCell* Cell = Puzzle.CellAt(0, 0);
    Cell->KeepOnly(DigitBits({1, 2, 3}));
    Cell->SetUserMark(8, true);
    Cell->MaskOfKind(mkErased).SetBit(2, true);
    Cell->NotifyChange(false);
    EXPECT_EQ(Cell->Shown().Bits(), DigitBits({1, 2, 3}));
    Puzzle.SetMarkStyle(msUserMarksSeparate, false);
    EXPECT_EQ(Cell->Shown().Bits(), DigitBits({8}));
    Puzzle.SetMarkStyle(msAutoPencilSeparate, false);
    EXPECT_EQ(Cell->Shown().Bits(), DigitBits({1, 3}));
    EXPECT_EQ(Cell->ShownMarks().Bits(), DigitBits({1, 3}));

    // Hidden: untouched cells keep the previous style's set; a cell that
    // changes gets its automatic candidates. Nothing is drawn.
    TCell* Other = Puzzle.CellAt(8, 8);
    Other->MaskOfKind(mkErased).SetBit(9, true);
    Other->NotifyChange(false);
    EXPECT_FALSE(Other->HasMark(9));
    Puzzle.SetMarkStyle(msHidden, false);
    EXPECT_EQ(Cell->Shown().Bits(), DigitBits({1, 3}));
    Other->SetUserMark(1, true);
    EXPECT_EQ(Other->Shown().Bits(), AllDigitBits);
    EXPECT_EQ(Other->ShownMarks().Count(), 0);
    EXPECT_EQ(Cell->ShownMarks().Count(), 0);
}

TEST(CellTest, LinkedStylesCombineThePartnersSets)
{
    TLinkedPair Pair;
    TCell* ParentCell = Pair.ParentCell(4);
    TCell* ChildCell = Pair.ChildCell(4);
    ParentCell->SetUserMark(1, true);
    ChildCell->SetUserMark(2, true);
    ParentCell->KeepOnly(DigitBits({1, 2, 3, 4}));
    ChildCell->KeepOnly(DigitBits({2, 3, 4, 5}));
    ChildCell->MaskOfKind(mkErased).SetBit(4, true);
    ChildCell->NotifyChange(false);

    Pair.Parent.SetMarkStyle(msUserMarksLinked, false);
    Pair.Child.SetMarkStyle(msUserMarksLinked, false);
    EXPECT_EQ(ParentCell->Shown().Bits(), DigitBits({1, 2}));
    EXPECT_EQ(ChildCell->Shown().Bits(), DigitBits({1, 2}));
    // A change in one partner reaches the other's shown set.
    ChildCell->SetUserMark(7, true);
    EXPECT_TRUE(ParentCell->HasMark(7));

    Pair.Parent.SetMarkStyle(msAutoPencilLinked, false);
    Pair.Child.SetMarkStyle(msAutoPencilLinked, false);
    EXPECT_EQ(ParentCell->Shown().Bits(), DigitBits({2, 3}));
    EXPECT_EQ(ChildCell->Shown().Bits(), DigitBits({2, 3}));
    ParentCell->SetPossible(3, false);
    EXPECT_EQ(ChildCell->Shown().Bits(), DigitBits({2}));

    Pair.Parent.SetMarkStyle(msAutoPencilSeparate, false);
    EXPECT_EQ(ParentCell->Shown().Bits(), DigitBits({1, 2, 4}));
}

TEST(CellTest, ValuesAndGivensTravelOverLinks)
{
    TLinkedPair Pair;
    TCell* ParentCell = Pair.ParentCell(0);
    TCell* ChildCell = Pair.ChildCell(0);
    ChildCell->SetValue(9);
    EXPECT_EQ(ParentCell->GetValue(), 9);
    EXPECT_EQ(Pair.Parent.UndoCount(), 1);
    EXPECT_EQ(Pair.Child.UndoCount(), 1);
    // The parent's houses see the carried value.
    EXPECT_FALSE(Pair.Parent.CellAt(0, 8)->Possible().IsSet(9));
    ParentCell->SetValue(0);
    EXPECT_EQ(ChildCell->GetValue(), 0);

    ParentCell->SetSolution(4);
    ChildCell->SetSolution(4);
    ChildCell->SetRevealed(true);
    EXPECT_TRUE(ParentCell->GetRevealed());
    EXPECT_EQ(ParentCell->GetValue(), 4);
    EXPECT_EQ(ChildCell->GetValue(), 4);
    // A parent given does not make the child cell a given.
    TCell* OtherParent = Pair.ParentCell(1);
    OtherParent->SetSolution(5);
    OtherParent->SetRevealed(true);
    EXPECT_FALSE(Pair.ChildCell(1)->GetRevealed());
    EXPECT_EQ(Pair.ChildCell(1)->GetValue(), 5);
}

TEST(CellTest, ShownColourIsThePartnersInTheParent)
{
    TLinkedPair Pair;
    TSettingsScope Scope;
    Scope.Values.SetColour(colShadedBg, clMoneyGreen);
    Scope.Values.SetColour(colNormalBg, clSkyBlue);
    Pair.Child.SetShading(true);
    EXPECT_EQ(Pair.ChildCell(3)->GetColour(), clMoneyGreen);
    // A cell without a partner is a normal cell, shaded or not, in the
    // normal colour in force (a dark scheme has no white cells).
    EXPECT_EQ(Pair.Child.CellAt(0, 0)->GetColour(), clSkyBlue);
    EXPECT_EQ(Pair.ParentCell(3)->GetShownColour(), clMoneyGreen);
    EXPECT_EQ(Pair.ParentCell(3)->GetColour(), clWhite);
    Pair.Child.SetShading(false);
    EXPECT_EQ(Pair.ChildCell(3)->GetColour(), clSkyBlue);
    // The parent's cells have no parent link: never shaded.
    Pair.Parent.SetShading(true);
    EXPECT_EQ(Pair.ParentCell(3)->GetColour(), clSkyBlue);
}

TEST(CellTest, EmptyCandidatesRaiseOnlyDuringBulkUpdates)
{
    TPuzzle Puzzle;
    TCell* Cell = Puzzle.CellAt(0, 0);
    Cell->KeepOnly(DigitBits({2}));
    Cell->SetPossible(2, false);  // outside a load: allowed
    EXPECT_EQ(Cell->Possible().Count(), 0);

    singles::TGrid81 Solution = singles::MakeSolutionGrid(1);
    Solution[1] = Solution[0];  // two equal digits in row 0
    TPuzzle Bad;
    EXPECT_THROW(Bad.LoadPuzzle(Solution, NoGivens()), ENoPossibilities);
    try {
        Bad.LoadPuzzle(Solution, NoGivens());
    } catch (const ENoPossibilities& Error) {
        EXPECT_EQ(Error.Message(), "Possibilities error");
    }
}

TEST(CellTest, PencilAndEraserFollowTheMarkStyleAndSparedSolution)
{
    TSettingsScope Scope;
    TPuzzle Puzzle;
    TCell* Cell = Puzzle.CellAt(2, 3);
    Cell->SetSolution(4);
    // Auto pencil: the eraser erases a candidate, the pencil gives it back;
    // the solution digit stays while setting 7 holds.
    EXPECT_TRUE(Cell->EraseDigit(5, false));
    EXPECT_TRUE(Cell->Erased().IsSet(5));
    EXPECT_FALSE(Cell->EraseDigit(4, false));
    EXPECT_FALSE(Cell->Erased().IsSet(4));
    Scope.Values.SetOption(optNoRemoveSoln, false);
    EXPECT_TRUE(Cell->EraseDigit(4, false));
    EXPECT_TRUE(Cell->PencilDigit(5, false));
    EXPECT_EQ(Cell->Erased().Bits(), DigitBits({4}));
    EXPECT_EQ(Cell->UserMarks().Bits(), 0u);
    // User marks: the player's own marks, whatever setting 7 says.
    Scope.Values.SetOption(optNoRemoveSoln, true);
    EXPECT_TRUE(Cell->PencilDigit(4, true));
    EXPECT_TRUE(Cell->PencilDigit(7, true));
    EXPECT_TRUE(Cell->EraseDigit(4, true));
    EXPECT_EQ(Cell->UserMarks().Bits(), DigitBits({7}));
    EXPECT_EQ(Cell->Erased().Bits(), DigitBits({4}));
    // A given keeps its marks.
    TCell* Given = Puzzle.CellAt(0, 0);
    Given->SetSolution(1);
    Given->SetRevealed(true);
    EXPECT_FALSE(Given->PencilDigit(3, true));
    EXPECT_FALSE(Given->EraseDigit(3, false));
    EXPECT_EQ(Given->UserMarks().Bits() | Given->Erased().Bits(), 0u);
}

}  // namespace
