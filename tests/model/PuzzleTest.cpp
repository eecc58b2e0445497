#include "CandidateOracle.h"
#include "ModelTestHelpers.h"
#include "NoPossibilities.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Repeat(const std::string& Piece, int Times)
{
    std::string Text;
    for (int Index = 0; Index < Times; ++Index)
        Text += Piece;
    return Text;
}

// Every empty cell's candidates are the digits its houses do not hold.
void ExpectCandidatesConsistent(TPuzzle& Puzzle)
{
    for (int Index = 0; Index < 81; ++Index) {
        const TCell* Cell = Puzzle.CellByIndex(Index);
        if (Cell->GetValue() == 0) {
            ASSERT_EQ(Cell->Possible().Bits(), FreeDigitsOfCell(Puzzle, Index)) << "cell " << Index;
        }
    }
}

TEST(PuzzleTest, NewPuzzleIsEmpty)
{
    TPuzzle Puzzle;
    EXPECT_FALSE(Puzzle.IsSolved());
    int Filled = -1;
    int Total = -1;
    EXPECT_FALSE(Puzzle.Progress(Filled, Total));
    EXPECT_EQ(Filled, 0);
    EXPECT_EQ(Total, 81);
    for (int Digit = 1; Digit <= 9; ++Digit)
        EXPECT_EQ(Puzzle.DigitRowCount(Digit), 0);
    EXPECT_EQ(Puzzle.EntriesToString(), std::string(81, '0'));
    EXPECT_EQ(Puzzle.UserMarksToString(), "");
    EXPECT_EQ(Puzzle.ErasuresToString(), "");
    EXPECT_EQ(Puzzle.CellAt(5, 5)->Possible().Bits(), AllDigitBits);
    EXPECT_EQ(Puzzle.CellAt(TPosition{9, 0}), nullptr);
    EXPECT_EQ(Puzzle.BoxCell(4, 8), Puzzle.CellAt(5, 5));
    EXPECT_EQ(Puzzle.UndoRoom(), 60);
    EXPECT_EQ(Puzzle.CheckpointRoom(), 5);
    EXPECT_FALSE(Puzzle.Changed());
}

TEST(PuzzleTest, LoadPuzzleSetsGivensAndCandidatesWithoutHistory)
{
    const singles::TPuzzleData Data = singles::MakeSinglesPuzzle(7);
    TPuzzle Puzzle;
    TRecordingDisplay Display;
    Puzzle.SetDisplayLink(&Display);
    Puzzle.LoadPuzzle(Data.Solution, Data.Given);
    EXPECT_TRUE(Display.Cells.empty());
    EXPECT_EQ(Display.Repaints, 1);
    EXPECT_FALSE(Puzzle.Changed());
    EXPECT_EQ(Puzzle.UndoCount(), 0);
    EXPECT_EQ(Puzzle.EntriesToString(), std::string(81, '0'));
    for (int Index = 0; Index < 81; ++Index) {
        const TCell* Cell = Puzzle.CellByIndex(Index);
        EXPECT_EQ(Cell->GetSolution(), Data.Solution[Index]);
        EXPECT_EQ(Cell->GetRevealed(), Data.Given[Index] != 0);
        EXPECT_EQ(Cell->GetValue(), Data.Given[Index] ? Data.Solution[Index] : 0);
    }
    ExpectCandidatesConsistent(Puzzle);
    int Filled = 0;
    int Total = 0;
    Puzzle.Progress(Filled, Total);
    EXPECT_EQ(Total, 81 - Data.GivenCount());
    EXPECT_EQ(Filled, 0);
    EXPECT_FALSE(Puzzle.Undo(1));
    EXPECT_EQ(Puzzle.EntriesToString(), std::string(81, '0'));
    // A load replaces the previous game entirely.
    Puzzle.CellByIndex(Data.Given[0] ? 1 : 0)->SetUserMark(3, true);
    Puzzle.LoadPuzzle(singles::MakeSolutionGrid(99), NoGivens());
    EXPECT_EQ(Puzzle.CellAt(0, 0)->GetSolution(), singles::MakeSolutionGrid(99)[0]);
    EXPECT_FALSE(Puzzle.CellAt(0, 0)->GetRevealed());
    EXPECT_NE(Puzzle.UserMarksToString(), "");  // marks survive a load
}

TEST(PuzzleTest, FailedLoadLeavesThePuzzleResponsive)
{
    singles::TGrid81 Solution = singles::MakeSolutionGrid(3);
    Solution[80] = Solution[79];
    TPuzzle Puzzle;
    TRecordingDisplay Display;
    Puzzle.SetDisplayLink(&Display);
    EXPECT_THROW(Puzzle.LoadPuzzle(Solution, NoGivens()), ENoPossibilities);
    EXPECT_FALSE(Puzzle.Updating());
    Puzzle.CellAt(4, 4)->SetValue(1);
    EXPECT_EQ(Puzzle.UndoCount(), 1);
    EXPECT_FALSE(Display.Cells.empty());
    // Givens clashing with each other raise as well.
    singles::TGrid81 Givens{};
    Givens[0] = Givens[1] = 1;
    singles::TGrid81 Clash = singles::MakeSolutionGrid(3);
    Clash[1] = Clash[0];
    TPuzzle Other;
    EXPECT_THROW(Other.LoadPuzzle(Clash, Givens), ENoPossibilities);
    EXPECT_FALSE(Other.Updating());
}

TEST(PuzzleTest, MarksTextsRoundTrip)
{
    TPuzzle Puzzle;
    Puzzle.CellAt(0, 0)->SetUserMark(1, true);
    Puzzle.CellAt(0, 0)->SetUserMark(9, true);
    const std::string Marks = Puzzle.UserMarksToString();
    EXPECT_EQ(Marks, "$202" + Repeat("$000", 80));
    EXPECT_EQ(Puzzle.ErasuresToString(), "");

    Puzzle.CellAt(8, 8)->MaskOfKind(mkErased).SetBits(AllDigitBits);
    Puzzle.CellAt(3, 4)->MaskOfKind(mkErased).SetBits(DigitBits({4, 5, 6, 7}));
    const std::string Erasures = Puzzle.ErasuresToString();
    ASSERT_EQ(Erasures.size(), 324u);
    EXPECT_EQ(Erasures.substr(80 * 4), "$3FE");
    EXPECT_EQ(Erasures.substr(31 * 4, 4), "$0F0");

    TPuzzle Copy;
    Copy.SetMarkStyle(msAutoPencilSeparate, false);
    Copy.LoadUserMarks(Marks);
    Copy.LoadErasures(Erasures);
    EXPECT_EQ(Copy.UserMarksToString(), Marks);
    EXPECT_EQ(Copy.ErasuresToString(), Erasures);
    // Erasures are shown at once.
    EXPECT_EQ(Copy.CellAt(8, 8)->ShownCount(), 0);
    EXPECT_EQ(Copy.CellAt(3, 4)->Shown().Bits(), DigitBits({1, 2, 3, 8, 9}));
    // Decimal fields and lower-case hex are numbers too; an empty text changes nothing.
    TPuzzle Decimal;
    Decimal.SetMarkStyle(msUserMarksSeparate, false);
    Decimal.LoadUserMarks("0006" + Repeat("$00a", 80));
    EXPECT_EQ(Decimal.CellAt(0, 0)->UserMarks().Bits(), DigitBits({1, 2}));
    EXPECT_EQ(Decimal.CellAt(8, 8)->UserMarks().Bits(), DigitBits({1, 3}));
    EXPECT_TRUE(Decimal.CellAt(0, 0)->HasMark(2));
    Decimal.LoadUserMarks("");
    EXPECT_EQ(Decimal.CellAt(0, 0)->UserMarks().Bits(), DigitBits({1, 2}));
}

TEST(PuzzleTest, BadTextsNameTheCellAndChangeNothing)
{
    TPuzzle Puzzle;
    Puzzle.CellAt(0, 0)->SetUserMark(5, true);
    Puzzle.CellAt(4, 4)->SetValue(3);
    auto MessageOf = [](auto&& Action) {
        try {
            Action();
        } catch (const Exception& Error) {
            return Error.Message();
        }
        return std::string("no error");
    };
    EXPECT_EQ(MessageOf([&] { Puzzle.LoadUserMarks(Repeat("$002", 10) + "$0G0" + Repeat("$002", 70)); }),
              "Invalid marks text: cell 10 is not a number");
    EXPECT_EQ(MessageOf([&] { Puzzle.LoadErasures(Repeat("$002", 40) + "$0"); }),
              "Invalid marks text: cell 40 is missing");
    EXPECT_EQ(MessageOf([&] { Puzzle.LoadUserMarks(Repeat("$002", 5) + "1 23" + Repeat("$002", 75)); }),
              "Invalid marks text: cell 5 is not a number");
    EXPECT_EQ(Puzzle.CellAt(0, 0)->UserMarks().Bits(), DigitBits({5}));
    EXPECT_EQ(Puzzle.CellAt(0, 1)->UserMarks().Bits(), 0u);
    EXPECT_EQ(Puzzle.ErasuresToString(), "");

    EXPECT_EQ(MessageOf([&] { Puzzle.LoadEntries(std::string(20, '1')); }), "Invalid entries text: cell 20 is missing");
    EXPECT_EQ(MessageOf([&] { Puzzle.LoadEntries(std::string(33, '0') + "x" + std::string(47, '0')); }),
              "Invalid entries text: cell 33 is not a number");
    EXPECT_EQ(Puzzle.CellAt(4, 4)->GetValue(), 3);
    EXPECT_EQ(Puzzle.UndoCount(), 1);
}

TEST(PuzzleTest, LoadEntriesEntersValuesLikeThePlayer)
{
    const singles::TPuzzleData Data = singles::MakeSinglesPuzzle(11);
    TPuzzle Puzzle;
    Puzzle.LoadPuzzle(Data.Solution, Data.Given);
    std::string Entries(81, '0');
    int Expected = 0;
    for (int Index = 0; Index < 81; ++Index) {
        if (Index % 3 == 0) {
            Entries[Index] = static_cast<char>('0' + Data.Solution[Index]);
            Expected += Data.Given[Index] ? 0 : 1;
        }
    }
    TRecordingDisplay Display;
    Puzzle.SetDisplayLink(&Display);
    Puzzle.CellAt(8, 8)->SetValue(Data.Given[80] ? 0 : 1);  // forgotten by the load
    Puzzle.LoadEntries(Entries);
    EXPECT_EQ(Puzzle.UndoCount(), Expected);
    EXPECT_FALSE(Puzzle.Changed());
    EXPECT_GE(Display.Repaints, 1);
    for (int Index = 0; Index < 81; ++Index) {
        const TCell* Cell = Puzzle.CellByIndex(Index);
        if (Cell->GetRevealed())
            EXPECT_EQ(Cell->GetValue(), Data.Solution[Index]);
        else
            EXPECT_EQ(Cell->GetValue(), Index % 3 == 0 ? Data.Solution[Index] : 0);
    }
    // Givens are not part of the text.
    std::string Written = Puzzle.EntriesToString();
    for (int Index = 0; Index < 81; ++Index) {
        if (Data.Given[Index])
            EXPECT_EQ(Written[Index], '0');
        else
            EXPECT_EQ(Written[Index], Entries[Index]);
    }
    ExpectCandidatesConsistent(Puzzle);
}

TEST(PuzzleTest, UndoListAndCheckpointsGrowInSteps)
{
    TPuzzle Puzzle;
    for (int Entry = 0; Entry < 59; ++Entry)
        Puzzle.CellByIndex(Entry)->SetValue(1 + Entry % 9);
    EXPECT_EQ(Puzzle.UndoRoom(), 60);
    Puzzle.CellByIndex(59)->SetValue(1);
    EXPECT_EQ(Puzzle.UndoRoom(), 80);
    for (int Entry = 60; Entry < 81; ++Entry)
        Puzzle.CellByIndex(Entry)->SetValue(1);
    EXPECT_EQ(Puzzle.UndoCount(), 81);
    EXPECT_EQ(Puzzle.UndoRoom(), 100);
    EXPECT_TRUE(Puzzle.Undo(81));
    EXPECT_EQ(Puzzle.EntriesToString(), std::string(81, '0'));
    ExpectCandidatesConsistent(Puzzle);
    EXPECT_FALSE(Puzzle.Undo(1));

    for (int Entry = 0; Entry < 6; ++Entry) {
        Puzzle.CellByIndex(Entry * 10)->SetValue(2);
        Puzzle.Checkpoint();
    }
    EXPECT_EQ(Puzzle.CheckpointCount(), 6);
    EXPECT_EQ(Puzzle.CheckpointRoom(), 10);
    for (int Index = 1; Index <= 6; ++Index)
        EXPECT_EQ(Puzzle.CheckpointAt(Index), Index);
}

TEST(PuzzleTest, UndoPastTheOldestRecordStops)
{
    TPuzzle Puzzle;
    Puzzle.CellAt(0, 0)->SetValue(1);
    Puzzle.CellAt(0, 0)->SetValue(2);
    Puzzle.CellAt(1, 1)->SetValue(3);
    EXPECT_TRUE(Puzzle.Undo(2));
    EXPECT_EQ(Puzzle.CellAt(0, 0)->GetValue(), 1);
    EXPECT_EQ(Puzzle.CellAt(1, 1)->GetValue(), 0);
    EXPECT_FALSE(Puzzle.Undoing());
    // A new entry overwrites the dead records.
    Puzzle.CellAt(2, 2)->SetValue(4);
    EXPECT_EQ(Puzzle.UndoCount(), 2);
    EXPECT_EQ(Puzzle.UndoRecord(1).NewValue, 4);
    EXPECT_FALSE(Puzzle.Undo(5));
    EXPECT_EQ(Puzzle.UndoCount(), 0);
    EXPECT_FALSE(Puzzle.Undoing());
    EXPECT_EQ(Puzzle.CellAt(0, 0)->GetValue(), 0);
    EXPECT_EQ(Puzzle.CellAt(2, 2)->GetValue(), 0);
}

TEST(PuzzleTest, CheckpointsMarkUndoPositions)
{
    TPuzzle Puzzle;
    Puzzle.Checkpoint();  // nothing to mark yet
    EXPECT_EQ(Puzzle.CheckpointCount(), 0);
    Puzzle.CellAt(0, 0)->SetValue(1);
    Puzzle.Checkpoint();
    Puzzle.Checkpoint();
    EXPECT_EQ(Puzzle.CheckpointCount(), 1);
    Puzzle.BackToCheckpoint();  // right after Checkpoint: nothing, and it stays
    EXPECT_EQ(Puzzle.CheckpointCount(), 1);
    EXPECT_EQ(Puzzle.CellAt(0, 0)->GetValue(), 1);

    Puzzle.CellAt(1, 1)->SetValue(2);
    Puzzle.CellAt(2, 2)->SetValue(3);
    Puzzle.BackToCheckpoint();
    EXPECT_EQ(Puzzle.UndoCount(), 1);
    EXPECT_EQ(Puzzle.CheckpointCount(), 0);
    EXPECT_EQ(Puzzle.CellAt(1, 1)->GetValue(), 0);
    EXPECT_EQ(Puzzle.CellAt(0, 0)->GetValue(), 1);

    // Undoing past a checkpoint: going back drops it without undoing more.
    Puzzle.CellAt(1, 1)->SetValue(2);
    Puzzle.Checkpoint();
    EXPECT_EQ(Puzzle.CheckpointAt(1), 2);
    Puzzle.Undo(2);
    Puzzle.BackToCheckpoint();
    EXPECT_EQ(Puzzle.CheckpointCount(), 0);
    EXPECT_EQ(Puzzle.UndoCount(), 0);
    Puzzle.BackToCheckpoint();  // none left: nothing
    EXPECT_EQ(Puzzle.UndoCount(), 0);
}

TEST(PuzzleTest, ClearEntriesOnAChildEmptiesTheLinkedParentCells)
{
    TLinkedPair Pair;
    const singles::TGrid81 ParentGrid = singles::MakeSolutionGrid(21);
    const singles::TGrid81 ChildGrid = MatchedChildGrid(ParentGrid, 22);
    auto ParentDigit = [&](int Place) { return ParentGrid[TPosition::FromBoxPlace(0, Place).Index()]; };
    singles::TGrid81 ChildGivens{};
    ChildGivens[TPosition::FromBoxPlace(8, 2).Index()] = 1;
    Pair.Parent.LoadPuzzle(ParentGrid, NoGivens());
    Pair.Child.LoadPuzzle(ChildGrid, ChildGivens);
    // The child's given made the parent cell a given; the parent, not
    // updating, recorded the value it received.
    EXPECT_TRUE(Pair.ParentCell(2)->GetRevealed());
    EXPECT_EQ(Pair.ParentCell(2)->GetValue(), ParentDigit(2));
    ASSERT_EQ(Pair.Parent.UndoCount(), 1);
    EXPECT_EQ(Pair.Parent.UndoRecord(0).OldValue, 0);
    EXPECT_EQ(Pair.Child.UndoCount(), 0);
    EXPECT_EQ(Pair.ChildCell(5)->GetSolution(), ParentDigit(5));

    Pair.ParentCell(4)->SetRevealed(true);  // a given of the parent only
    EXPECT_EQ(Pair.ChildCell(4)->GetValue(), ParentDigit(4));
    EXPECT_FALSE(Pair.ChildCell(4)->GetRevealed());
    Pair.ChildCell(0)->SetValue(ParentDigit(0));
    Pair.Child.CellAt(0, 0)->SetValue(ChildGrid[0]);
    Pair.Parent.ClearHistory();
    TRecordingDisplay ParentDisplay;
    Pair.Parent.SetDisplayLink(&ParentDisplay);
    Pair.Parent.SetChanged(false);

    Pair.Child.ClearEntries();
    EXPECT_EQ(Pair.Child.UndoCount(), 0);
    EXPECT_FALSE(Pair.Child.Changed());
    EXPECT_EQ(Pair.Child.CellAt(0, 0)->GetValue(), 0);
    EXPECT_EQ(Pair.ChildCell(2)->GetValue(), ParentDigit(2));  // the child's given stays
    EXPECT_EQ(Pair.ParentCell(0)->GetValue(), 0);
    EXPECT_EQ(Pair.ParentCell(4)->GetValue(), 0);  // whatever its given flag
    EXPECT_TRUE(Pair.ParentCell(4)->GetRevealed());
    EXPECT_EQ(Pair.Parent.UndoCount(), 2);
    EXPECT_FALSE(ParentDisplay.Cells.empty());
    EXPECT_TRUE(Pair.Parent.Changed());

    // Replaying the parent's records writes the values back over the links,
    // and the child records them as new entries.
    EXPECT_TRUE(Pair.Parent.Undo(2));
    EXPECT_EQ(Pair.ChildCell(0)->GetValue(), ParentDigit(0));
    EXPECT_EQ(Pair.ChildCell(4)->GetValue(), ParentDigit(4));
    EXPECT_EQ(Pair.Parent.UndoCount(), 0);
    EXPECT_EQ(Pair.Child.UndoCount(), 2);
}

TEST(PuzzleTest, ClearEntriesKeepsStruckCandidatesStruck)
{
    TPuzzle Puzzle;
    Puzzle.LoadPuzzle(singles::MakeSolutionGrid(5), NoGivens());
    TCell* Struck = Puzzle.CellAt(0, 8);
    Struck->SetPossible(6, false);
    Struck->SetPossible(2, false);
    Puzzle.CellAt(0, 0)->SetValue(2);
    Puzzle.CellAt(8, 8)->SetValue(7);
    EXPECT_FALSE(Struck->Possible().IsSet(7));
    Puzzle.ClearEntries();
    EXPECT_EQ(Struck->Possible().Bits(), AllDigitBits & ~DigitBits({6}));
    EXPECT_EQ(Puzzle.UndoCount(), 0);
    EXPECT_FALSE(Puzzle.Changed());
}

TEST(PuzzleTest, AnyValidFillingIsSolved)
{
    const singles::TGrid81 Stored = singles::MakeSolutionGrid(8);
    singles::TGrid81 Other = Stored;
    // Swapping two digits throughout gives another valid filling.
    for (uint8_t& Digit : Other)
        Digit = Digit == 1 ? 2 : (Digit == 2 ? 1 : Digit);
    TPuzzle Puzzle;
    Puzzle.LoadPuzzle(Stored, NoGivens());
    for (int Index = 0; Index < 80; ++Index)
        Puzzle.CellByIndex(Index)->SetValue(Other[Index]);
    EXPECT_FALSE(Puzzle.IsSolved());
    for (int Digit = 1; Digit <= 9; ++Digit)
        EXPECT_EQ(Puzzle.DigitRowCount(Digit), Digit == Other[80] ? 8 : 9);
    Puzzle.CellByIndex(80)->SetValue(Other[80]);
    EXPECT_TRUE(Puzzle.IsSolved());
    int Filled = 0;
    int Total = 0;
    EXPECT_TRUE(Puzzle.Progress(Filled, Total));
    int Wrong = 0;
    for (int Index = 0; Index < 81; ++Index)
        Wrong += Puzzle.CellByIndex(Index)->IsCorrect() ? 0 : 1;
    EXPECT_EQ(Wrong, 18);
    // The cached answer goes with the next change, and with a new load.
    Puzzle.CellByIndex(40)->SetValue(0);
    EXPECT_FALSE(Puzzle.IsSolved());
    Puzzle.CellByIndex(40)->SetValue(Other[40]);
    EXPECT_TRUE(Puzzle.IsSolved());
    Puzzle.LoadPuzzle(Stored, NoGivens());
    EXPECT_FALSE(Puzzle.IsSolved());
}

TEST(PuzzleTest, NoticesReachTheDisplayOutsideBulkUpdatesOnly)
{
    TPuzzle Puzzle;
    TRecordingDisplay Display;
    Puzzle.SetDisplayLink(&Display);
    Puzzle.CellAt(3, 6)->SetValue(4);
    ASSERT_FALSE(Display.Cells.empty());
    EXPECT_TRUE(Puzzle.Changed());
    bool SawCell = false;
    for (const TPosition& Position : Display.Cells)
        SawCell = SawCell || Position == TPosition{3, 6};
    EXPECT_TRUE(SawCell);
    Display.Cells.clear();
    Puzzle.ClearEntries();
    EXPECT_TRUE(Display.Cells.empty());
    EXPECT_EQ(Display.Repaints, 0);
    Puzzle.Refresh();
    EXPECT_EQ(Display.Repaints, 1);
    Puzzle.SetDisplayLink(nullptr);
    Puzzle.CellAt(0, 0)->SetValue(1);  // no link: nobody to tell
    EXPECT_TRUE(Display.Cells.empty());
}

}  // namespace
