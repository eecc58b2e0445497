// The first mistake across the pyramid: entries ordered as the player made
// them whatever puzzle they were made in, and the way back to before it.

#include "FirstMistake.h"
#include "Puzzle.h"
#include "PyramidTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Empty cells of the puzzle, linked or not as asked.
std::vector<TCell*> EmptyCells(TPuzzle& Puzzle, bool Linked, size_t Count)
{
    std::vector<TCell*> Cells;
    for (int Index = 0; Index < 81 && Cells.size() < Count; ++Index) {
        TCell* Cell = Puzzle.CellByIndex(Index);
        const bool IsLinked = Cell->ParentLinkOfCell() != nullptr || Cell->ChildLinkOfCell() != nullptr;
        if (Cell->GetValue() == 0 && IsLinked == Linked)
            Cells.push_back(Cell);
    }
    return Cells;
}

int Wrong(const TCell* Cell)
{
    return Cell->GetSolution() % 9 + 1;
}

std::string Values(const TPuzzleXLink& Pyramid)
{
    std::string Text;
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index)
        Text += Pyramid.GetValuesLine(Index) + "/";
    return Text;
}

}  // namespace

// Wrong entries in child 3, then the parent (linked), then child 1: the one
// made first is the mistake, whatever the puzzles' order, and a linked one
// is named where the player entered it.
TEST(FirstMistakeTest, TheFirstWrongEntryIsTheOneTheplayerMadeFirstAcrossThePuzzles)
{
    TTestPyramid T = MakeTestPyramid(5, 7, 40);
    TPuzzleXLink& P = *T.Pyramid;
    EXPECT_FALSE(FindFirstMistake(P).Found);
    TCell* InChild3 = EmptyCells(*P.GetPuzzle(3), false, 1).at(0);
    TCell* InParent = EmptyCells(*P.GetPuzzle(0), true, 1).at(0);
    std::vector<TCell*> InChild1 = EmptyCells(*P.GetPuzzle(1), false, 2);
    ASSERT_EQ(InChild1.size(), 2u);

    InChild1[0]->SetValue(InChild1[0]->GetSolution());
    InParent->SetValue(Wrong(InParent));
    InChild3->SetValue(Wrong(InChild3));
    InChild1[1]->SetValue(Wrong(InChild1[1]));
    TFirstMistake First = FindFirstMistake(P);
    ASSERT_TRUE(First.Found);
    EXPECT_EQ(First.Square, (TStepSquare{0, InParent->GetPosition().Row, InParent->GetPosition().Col}));
    EXPECT_EQ(First.Digit, Wrong(InParent));
    EXPECT_EQ(First.EntriesAfter, 2);

    // Taken back and entered again, the parent's entry comes after the
    // others: child 3's is now first.
    InParent->SetValue(0);
    InParent->SetValue(Wrong(InParent));
    First = FindFirstMistake(P);
    EXPECT_EQ(First.Square, (TStepSquare{3, InChild3->GetPosition().Row, InChild3->GetPosition().Col}));
    EXPECT_EQ(First.EntriesAfter, 3);
}

// Undo to before the mistake takes back it and everything after it in all
// puzzles, linked partners following, leaves what came before, and Redo
// enters all again; a change in between leaves nothing to redo.
TEST(FirstMistakeTest, UndoToBeforeTheMistakeAndRedoMoveThePyramidAsAWhole)
{
    TTestPyramid T = MakeTestPyramid(5, 7, 40);
    TPuzzleXLink& P = *T.Pyramid;
    TCell* Before = EmptyCells(*P.GetPuzzle(2), false, 1).at(0);
    TCell* Mistake = EmptyCells(*P.GetPuzzle(4), true, 1).at(0);
    TCell* Partner = Mistake->ParentLinkOfCell();
    ASSERT_NE(Partner, nullptr);
    std::vector<TCell*> After = EmptyCells(*P.GetPuzzle(0), true, 3);
    Before->SetValue(Before->GetSolution());
    const std::string AtStart = Values(P);
    std::vector<int> Counts;
    for (int Index = 0; Index <= P.ChildCount(); ++Index)
        Counts.push_back(P.GetPuzzle(Index)->UndoCount());
    Mistake->SetValue(Wrong(Mistake));
    for (TCell* Cell : After)
        Cell->SetValue(Cell->GetSolution());
    // One of the later entries is taken back by Undo on its partner's
    // puzzle, which records the change there.
    TCell* UndoneOverLink = After[2]->ChildLinkOfCell();
    ASSERT_NE(UndoneOverLink, nullptr);
    ASSERT_TRUE(UndoneOverLink->GetPuzzle()->Undo(1));
    const std::string AtEnd = Values(P);
    std::vector<int> EndCounts;
    for (int Index = 0; Index <= P.ChildCount(); ++Index)
        EndCounts.push_back(P.GetPuzzle(Index)->UndoCount());

    TUndoneEntries Undone = UndoToBeforeMistake(P, FindFirstMistake(P));
    EXPECT_EQ(Values(P), AtStart);
    EXPECT_EQ(Partner->GetValue(), 0);
    EXPECT_EQ(Before->GetValue(), Before->GetSolution());
    EXPECT_FALSE(FindFirstMistake(P).Found);
    for (int Index = 0; Index <= P.ChildCount(); ++Index)
        EXPECT_EQ(P.GetPuzzle(Index)->UndoCount(), Counts[static_cast<size_t>(Index)]) << Index;

    ASSERT_TRUE(Undone.CanRedo(P));
    EXPECT_TRUE(RedoEntries(P, Undone));
    EXPECT_EQ(Values(P), AtEnd);
    EXPECT_EQ(Partner->GetValue(), Wrong(Mistake));
    for (int Index = 0; Index <= P.ChildCount(); ++Index)
        EXPECT_EQ(P.GetPuzzle(Index)->UndoCount(), EndCounts[static_cast<size_t>(Index)]) << Index;

    Undone = UndoToBeforeMistake(P, FindFirstMistake(P));
    Before->SetValue(0);
    EXPECT_FALSE(Undone.CanRedo(P));
    EXPECT_FALSE(RedoEntries(P, Undone));
    EXPECT_EQ(Mistake->GetValue(), 0);
}
