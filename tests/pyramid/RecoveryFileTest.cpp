// The recovery file: the whole state of play through its text and back, on
// a linked pyramid and on the one-child layout, and what it refuses.
#include "Exception.h"
#include "Format.h"
#include "Puzzle.h"
#include "PyramidTestSupport.h"
#include "RecoveryFile.h"

#include <gtest/gtest.h>

#include <cinttypes>

namespace {

bool SameHistory(const TPuzzleHistory& A, const TPuzzleHistory& B)
{
    return A.Undo == B.Undo && A.Checkpoints == B.Checkpoints && A.Redo == B.Redo && A.NextStamp == B.NextStamp;
}

// The same, but for the entry numbers of records written since: the two
// pyramids' entries were made one after the other.
TPuzzleHistory Unnumbered(TPuzzleHistory History)
{
    for (TUndoRecord& Record : History.Undo)
        Record.Order = 0;
    for (TRedoRecord& Entry : History.Redo)
        Entry.Record.Order = 0;
    return History;
}

// What a player leaves on each puzzle: right and wrong values (linked ones
// among them), a checkpoint, marks and erasures, and values taken back.
void Play(TPuzzleXLink& Pyramid)
{
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        TPuzzle& Puzzle = *Pyramid.GetPuzzle(Index);
        int Made = 0;
        for (int Cell = 0; Cell < 81 && Made < 6; ++Cell) {
            TCell& Place = *Puzzle.CellByIndex(Cell);
            if (Place.GetValue() != 0)
                continue;
            if (Made == 2)
                Puzzle.Checkpoint();
            Place.SetValue(Made % 3 == 1 ? Place.GetSolution() % 9 + 1 : Place.GetSolution());
            ++Made;
        }
        for (int Cell = 80, Marked = 0; Cell >= 0 && Marked < 2; --Cell) {
            TCell& Place = *Puzzle.CellByIndex(Cell);
            if (Place.GetValue() == 0) {
                Place.SetUserMark(Place.GetSolution(), true);
                Place.EraseDigit(Place.GetSolution() % 9 + 1, false);
                ++Marked;
            }
        }
        // On child 4, back past its checkpoint, and a checkpoint set again
        // below it.
        Puzzle.Undo(Index == 4 ? 5 : Index % 3 + 1);
        if (Index == 4)
            Puzzle.Checkpoint();
    }
}

std::string Recheck(std::string Text)
{
    Text.resize(Text.rfind("check "));
    return Text + Format("check %016" PRIx64 "\n", RecoveryCheck(Text));
}

std::string Refusal(const std::string& Text)
{
    try {
        ReadRecovery(Text);
    } catch (const Exception& Error) {
        return Error.Message();
    }
    return {};
}

}  // namespace

TEST(RecoveryFile, TheWholeStateOfPlayComesBackAndGoesOnAlike)
{
    for (const uint8_t Layout : {uint8_t{0}, uint8_t{7}}) {
        SCOPED_TRACE(Layout);
        TTestPyramid Played = MakeTestPyramid(Layout, 41);
        Play(*Played.Pyramid);
        TRecoveryState State;
        State.Issue = 3;
        State.Game = 307;
        State.GameName = "Centres";
        State.FileInUse = "/home/player/Grids/Centres Dec09.sav";
        State.Written = 1796000000;
        State.Child = Played.Pyramid->ChildCount();
        State.Sheet = 2;
        State.Highlight = 7;
        State.PlayedMs = 4000123;
        CapturePyramid(*Played.Pyramid, State);
        const TRecoveryState Read = ReadRecovery(RecoveryText(State));
        EXPECT_EQ(Read.GameName, State.GameName);
        EXPECT_EQ(Read.FileInUse, State.FileInUse);
        EXPECT_EQ(Read.Written, State.Written);
        EXPECT_EQ(Read.Child, State.Child);
        EXPECT_EQ(Read.Sheet, 2);
        EXPECT_EQ(Read.Highlight, 7);
        EXPECT_EQ(Read.PlayedMs, 4000123);

        TTestPyramid Restored = MakeTestPyramid(Layout, 41);
        RestorePyramid(Read, *Restored.Pyramid);
        for (int Index = 0; Index <= Played.Pyramid->ChildCount(); ++Index) {
            SCOPED_TRACE(Index);
            TPuzzle& Was = *Played.Pyramid->GetPuzzle(Index);
            TPuzzle& Now = *Restored.Pyramid->GetPuzzle(Index);
            EXPECT_EQ(Now.EntriesToString(), Was.EntriesToString());
            EXPECT_EQ(Now.UserMarksToString(), Was.UserMarksToString());
            EXPECT_EQ(Now.ErasuresToString(), Was.ErasuresToString());
            EXPECT_TRUE(SameHistory(Now.History(), Was.History()));
            EXPECT_TRUE(Was.CanRedo());
            EXPECT_EQ(Now.CanRedo(), Was.CanRedo());
        }
        // Redo, back to the checkpoint and undo act on both exactly alike,
        // linked partners included.
        for (TPuzzleXLink* Pyramid : {Played.Pyramid.get(), Restored.Pyramid.get()}) {
            Pyramid->GetPuzzle(0)->Redo();
            Pyramid->GetPuzzle(1)->BackToCheckpoint();
            Pyramid->GetPuzzle(0)->Undo(2);
        }
        for (int Index = 0; Index <= Played.Pyramid->ChildCount(); ++Index) {
            EXPECT_EQ(Restored.Pyramid->GetPuzzle(Index)->EntriesToString(),
                      Played.Pyramid->GetPuzzle(Index)->EntriesToString());
            EXPECT_TRUE(SameHistory(Unnumbered(Restored.Pyramid->GetPuzzle(Index)->History()),
                                    Unnumbered(Played.Pyramid->GetPuzzle(Index)->History())));
        }
    }
}

TEST(RecoveryFile, AnythingButTheWholeFileAsWrittenIsRefused)
{
    TTestPyramid Played = MakeTestPyramid(0, 43);
    Play(*Played.Pyramid);
    TRecoveryState State;
    State.Issue = 1;
    State.Game = 101;
    CapturePyramid(*Played.Pyramid, State);
    const std::string Text = RecoveryText(State);
    // Cut short anywhere, or one byte changed: the check refuses it.
    for (size_t Length = 0; Length < Text.size(); Length += 97)
        EXPECT_FALSE(Refusal(Text.substr(0, Length)).empty()) << Length;
    for (size_t At = 0; At < Text.size(); At += 89) {
        std::string Changed = Text;
        Changed[At] = static_cast<char>(Changed[At] ^ 0x04);
        EXPECT_FALSE(Refusal(Changed).empty()) << At;
    }
    // With a fitting check, what no writer makes is refused all the same.
    const auto Replaced = [&Text](const std::string& From, const std::string& To) {
        std::string Changed = Text;
        Changed.replace(Changed.find(From), From.size(), To);
        return Recheck(Changed);
    };
    EXPECT_EQ(Refusal(Recheck(Text)), "");
    EXPECT_NE(Refusal(Replaced("view 1,0,0,0", "view 11,0,0,0")), "");
    EXPECT_NE(Refusal(Replaced("view 1,0,0,0", "view 1,0,0")), "");
    EXPECT_NE(Refusal(Replaced("view 1,0,0,0", "view 1,0,0,0,0")), "");
    EXPECT_NE(Refusal(Replaced("history 1,", "history 2,")), "");
    EXPECT_NE(Refusal(Replaced("Tavrel Sudoku recovery 1", "Tavrel Sudoku recovery 2")), "");
    EXPECT_NE(Refusal(Replaced("history 0,", "history 0,99999999999999999999,")), "");

    // A history no puzzle could have is refused by the pyramid, as is one
    // of another shape.
    TRecoveryState Bad = ReadRecovery(Text);
    ASSERT_FALSE(Bad.Histories[0].Undo.empty());
    Bad.Histories[0].Checkpoints.push_back(-1);
    TTestPyramid Fresh = MakeTestPyramid(0, 43);
    EXPECT_THROW(RestorePyramid(Bad, *Fresh.Pyramid), Exception);
    Bad = ReadRecovery(Text);
    Bad.Histories[2].Undo[0].Stamp = Bad.Histories[2].NextStamp;
    EXPECT_THROW(RestorePyramid(Bad, *Fresh.Pyramid), Exception);
    Bad = ReadRecovery(Text);
    Bad.Histories.pop_back();
    EXPECT_THROW(RestorePyramid(Bad, *Fresh.Pyramid), Exception);
    Bad = ReadRecovery(Text);
    Bad.Game = 102;
    EXPECT_THROW(RestorePyramid(Bad, *Fresh.Pyramid), Exception);
}
