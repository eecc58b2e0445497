// Random sequences of entries, undos and clears on a loaded puzzle: the
// automatic candidates and the invalid flags must always agree with the
// values the houses hold.

#include "CandidateOracle.h"
#include "ModelTestHelpers.h"

#include <gtest/gtest.h>

namespace {

void CheckInvariants(TPuzzle& Puzzle, int Step)
{
    for (int Index = 0; Index < 81; ++Index) {
        const TCell* Cell = Puzzle.CellByIndex(Index);
        if (Cell->GetValue() == 0) {
            ASSERT_EQ(Cell->Possible().Bits(), FreeDigitsOfCell(Puzzle, Index))
                << "cell " << Index << " after step " << Step;
        } else {
            // A filled cell clashes exactly when its digit is not free for it.
            const bool Clash = (FreeDigitsOfCell(Puzzle, Index) >> Cell->GetValue() & 1u) == 0;
            ASSERT_EQ(Cell->IsInvalid(), Clash) << "cell " << Index << " after step " << Step;
        }
    }
}

TEST(CandidatePropertyTest, CandidatesAndClashesFollowTheValues)
{
    for (uint64_t Seed = 0; Seed < 40; ++Seed) {
        singles::TSplitMix Random(Seed * 7919 + 1);
        const singles::TGrid81 Solution = singles::MakeSolutionGrid(Seed);
        singles::TGrid81 Givens{};
        for (uint8_t& Given : Givens)
            Given = Random.Below(3) == 0 ? 1 : 0;
        TPuzzle Puzzle;
        Puzzle.LoadPuzzle(Solution, Givens);
        CheckInvariants(Puzzle, -1);
        for (int Step = 0; Step < 250; ++Step) {
            const int Action = Random.Below(20);
            if (Action < 15) {
                // Mostly near-correct values, so that both clashes and
                // consistent fillings occur.
                const int Index = Random.Below(81);
                const int Value = Random.Below(3) == 0 ? Random.Below(10) : Solution[Index];
                Puzzle.CellByIndex(Index)->SetValue(Random.Below(6) == 0 ? 0 : Value);
            } else if (Action < 19) {
                Puzzle.Undo(1 + Random.Below(4));
            } else {
                Puzzle.ClearEntries();
            }
            CheckInvariants(Puzzle, Step);
            if (HasFatalFailure())
                return;
        }
    }
}

}  // namespace
