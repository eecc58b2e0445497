#include "ModelTestHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using TRecordList = std::vector<std::tuple<int, int, int, int>>;

TRecordList Records(const TPuzzle& Puzzle)
{
    TRecordList List;
    for (int Index = 0; Index < Puzzle.UndoCount(); ++Index) {
        const TUndoRecord& Record = Puzzle.UndoRecord(Index);
        List.emplace_back(Record.Row, Record.Col, Record.NewValue, Record.OldValue);
    }
    return List;
}

bool AllEmpty(const TPuzzle& Puzzle)
{
    for (int Index = 0; Index < 81; ++Index) {
        if (Puzzle.CellByIndex(Index)->GetValue() != 0)
            return false;
    }
    return true;
}

TEST(RedoTest, UndoAndRedoOnLinkedCellsCancelOutOnBothPuzzles)
{
    TLinkedPair Pair;
    Pair.Parent.CellAt(4, 4)->SetValue(7);  // not linked
    Pair.ChildCell(0)->SetValue(5);
    Pair.Child.CellAt(0, 0)->SetValue(3);
    const TRecordList ChildBefore = Records(Pair.Child);
    const TRecordList ParentBefore = Records(Pair.Parent);

    ASSERT_TRUE(Pair.Child.Undo(2));
    EXPECT_EQ(Pair.ParentCell(0)->GetValue(), 0);
    EXPECT_EQ(Pair.Parent.UndoCount(), 3);  // the undo reached the parent's list
    Pair.Parent.Checkpoint();               // counts that record
    EXPECT_EQ(Pair.Child.RedoCount(), 2);

    // Back in the order first entered: the linked value, then the other.
    ASSERT_TRUE(Pair.Child.Redo());
    EXPECT_EQ(Pair.ChildCell(0)->GetValue(), 5);
    EXPECT_EQ(Pair.ParentCell(0)->GetValue(), 5);
    EXPECT_EQ(Pair.Child.CellAt(0, 0)->GetValue(), 0);
    ASSERT_TRUE(Pair.Child.Redo());
    EXPECT_EQ(Pair.Child.CellAt(0, 0)->GetValue(), 3);
    EXPECT_FALSE(Pair.Child.Redo());
    EXPECT_EQ(Records(Pair.Child), ChildBefore);
    EXPECT_EQ(Records(Pair.Parent), ParentBefore);
    EXPECT_EQ(Pair.Parent.CheckpointCount(), 0);  // its record is gone

    // The parent's undo takes back the child's entry, not the undo of it.
    ASSERT_TRUE(Pair.Parent.Undo(1));
    EXPECT_EQ(Pair.ParentCell(0)->GetValue(), 0);
    EXPECT_EQ(Pair.ChildCell(0)->GetValue(), 0);
    EXPECT_EQ(Pair.Parent.CellAt(4, 4)->GetValue(), 7);

    // The other way round: the parent's redo withdraws what its undo wrote
    // into the child's list.
    const TRecordList ChildAfterUndo = Records(Pair.Child);
    Pair.Parent.Undo(1);
    ASSERT_TRUE(Pair.Parent.Redo());
    ASSERT_TRUE(Pair.Parent.Redo());
    EXPECT_EQ(Records(Pair.Parent), ParentBefore);
    EXPECT_EQ(Records(Pair.Child), TRecordList(ChildAfterUndo.begin(), ChildAfterUndo.end() - 1));
    EXPECT_EQ(Pair.ChildCell(0)->GetValue(), 5);
    ASSERT_TRUE(Pair.Child.Undo(1));  // takes back its own entry of 3
    EXPECT_EQ(Pair.Child.CellAt(0, 0)->GetValue(), 0);
    EXPECT_EQ(Pair.ChildCell(0)->GetValue(), 5);
}

TEST(RedoTest, RedoOnAPartnerThatMovedOnIsRecordedThere)
{
    TLinkedPair Pair;
    Pair.ChildCell(0)->SetValue(5);
    Pair.Child.Undo(1);
    Pair.Parent.CellAt(4, 4)->SetValue(7);  // no value of the child changes
    ASSERT_TRUE(Pair.Child.Redo());
    EXPECT_EQ(Pair.ParentCell(0)->GetValue(), 5);
    ASSERT_EQ(Pair.Parent.UndoCount(), 4);
    // Both lists still retrace exactly the values their cells held.
    EXPECT_TRUE(Pair.Parent.Undo(4));
    EXPECT_TRUE(AllEmpty(Pair.Parent));
}

TEST(RedoTest, AnyOtherValueChangeLeavesNothingToRedo)
{
    TLinkedPair Pair;
    Pair.ChildCell(0)->SetValue(5);
    Pair.Child.CellAt(0, 0)->SetValue(3);

    // A new entry in the same puzzle.
    Pair.Child.Undo(1);
    Pair.Child.CellAt(1, 1)->SetValue(4);
    const TRecordList ChildList = Records(Pair.Child);
    EXPECT_FALSE(Pair.Child.Redo());
    EXPECT_EQ(Pair.Child.CellAt(0, 0)->GetValue(), 0);
    EXPECT_EQ(Records(Pair.Child), ChildList);

    // A value carried in over a link.
    Pair.Child.Undo(1);
    ASSERT_TRUE(Pair.Child.CanRedo());
    Pair.ParentCell(1)->SetValue(2);
    EXPECT_FALSE(Pair.Child.CanRedo());

    // Another puzzle's undo reaching over a link.
    Pair.Parent.CellAt(4, 4)->SetValue(7);
    Pair.Parent.Undo(1);
    ASSERT_TRUE(Pair.Parent.CanRedo());
    Pair.Child.Undo(1);  // the child's newest: the 2 it received
    EXPECT_EQ(Pair.ParentCell(1)->GetValue(), 0);
    EXPECT_FALSE(Pair.Parent.CanRedo());
    EXPECT_EQ(Pair.Parent.CellAt(4, 4)->GetValue(), 0);
}

TEST(RedoTest, RedoAfterBackToCheckpointReentersInOrder)
{
    TPuzzle Puzzle;
    Puzzle.CellAt(0, 0)->SetValue(1);
    Puzzle.Checkpoint();
    Puzzle.CellAt(0, 0)->SetValue(2);
    Puzzle.CellAt(1, 1)->SetValue(4);
    Puzzle.CellAt(0, 0)->SetValue(3);
    const TRecordList Full = Records(Puzzle);
    Puzzle.BackToCheckpoint();
    ASSERT_EQ(Puzzle.UndoCount(), 1);
    EXPECT_EQ(Puzzle.CellAt(0, 0)->GetValue(), 1);

    const int Expected[3][2] = {{2, 0}, {2, 4}, {3, 4}};
    for (const auto& Step : Expected) {
        ASSERT_TRUE(Puzzle.Redo());
        EXPECT_EQ(Puzzle.CellAt(0, 0)->GetValue(), Step[0]);
        EXPECT_EQ(Puzzle.CellAt(1, 1)->GetValue(), Step[1]);
    }
    EXPECT_FALSE(Puzzle.Redo());
    EXPECT_EQ(Records(Puzzle), Full);
    Puzzle.Undo(1);
    EXPECT_EQ(Puzzle.CellAt(0, 0)->GetValue(), 2);
}

TEST(RedoTest, ClearingOrLoadingLeavesNothingToRedo)
{
    const singles::TPuzzleData Data = singles::MakeSinglesPuzzle(11);
    const std::vector<std::function<void(TPuzzle&)>> Operations = {
        [](TPuzzle& Puzzle) { Puzzle.ClearHistory(); },
        [](TPuzzle& Puzzle) { Puzzle.ClearEntries(); },
        [](TPuzzle& Puzzle) { Puzzle.LoadEntries(Puzzle.EntriesToString()); },
        [&](TPuzzle& Puzzle) { Puzzle.LoadPuzzle(Data.Solution, Data.Given); },
    };
    for (size_t Index = 0; Index < Operations.size(); ++Index) {
        TPuzzle Puzzle;
        Puzzle.LoadPuzzle(Data.Solution, Data.Given);
        TCell* Cell = nullptr;
        for (int Place = 0; Cell == nullptr; ++Place) {
            if (!Puzzle.CellByIndex(Place)->GetRevealed())
                Cell = Puzzle.CellByIndex(Place);
        }
        Cell->SetValue(Cell->GetSolution());
        Puzzle.Undo(1);
        ASSERT_TRUE(Puzzle.CanRedo());
        Operations[Index](Puzzle);
        EXPECT_FALSE(Puzzle.Redo()) << "operation " << Index;
        EXPECT_EQ(Cell->GetValue(), 0) << "operation " << Index;
    }
}

}  // namespace

TEST(RedoTest, ThePuzzleTellsWhenWhatItCanUndoOrRedoChanges)
{
    TLinkedPair Pair;
    std::vector<std::pair<bool, bool>> ChildTold;
    std::vector<std::pair<bool, bool>> ParentTold;
    Pair.Child.SetHistoryListener([&] { ChildTold.emplace_back(Pair.Child.CanUndo(), Pair.Child.CanRedo()); });
    Pair.Parent.SetHistoryListener([&] { ParentTold.emplace_back(Pair.Parent.CanUndo(), Pair.Parent.CanRedo()); });
    Pair.Child.CellAt(0, 0)->SetValue(3);
    Pair.Child.CellAt(0, 1)->SetValue(4);
    const std::vector<std::pair<bool, bool>> FirstEntry = {{true, false}};
    EXPECT_EQ(ChildTold, FirstEntry);

    // Two values taken back at once: one notice, at the end.
    ChildTold.clear();
    ASSERT_TRUE(Pair.Child.Undo(2));
    const std::vector<std::pair<bool, bool>> AllUndone = {{false, true}};
    EXPECT_EQ(ChildTold, AllUndone);
    ChildTold.clear();
    ASSERT_TRUE(Pair.Child.Redo());
    ASSERT_TRUE(Pair.Child.Redo());
    const std::vector<std::pair<bool, bool>> Redone = {{true, true}, {true, false}};
    EXPECT_EQ(ChildTold, Redone);

    // A value carried in over a link drops what the parent could redo.
    Pair.ParentCell(0)->SetValue(6);
    ASSERT_TRUE(Pair.Parent.Undo(1));
    ParentTold.clear();
    ChildTold.clear();
    Pair.ChildCell(0)->SetValue(5);
    ASSERT_FALSE(ParentTold.empty());
    EXPECT_EQ(ParentTold.back(), std::make_pair(true, false));
    EXPECT_TRUE(ChildTold.empty());
    ParentTold.clear();
    Pair.Parent.ClearHistory();
    const std::vector<std::pair<bool, bool>> Cleared = {{false, false}};
    EXPECT_EQ(ParentTold, Cleared);
}
