#include "ModelTestHelpers.h"

#include "SettingsValues.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Values(const TPuzzle& Puzzle)
{
    std::string Text;
    for (int Index = 0; Index < 81; ++Index)
        Text += static_cast<char>('0' + Puzzle.CellByIndex(Index)->GetValue());
    return Text;
}

std::vector<uint32_t> Candidates(const TPuzzle& Puzzle)
{
    std::vector<uint32_t> Sets;
    for (int Index = 0; Index < 81; ++Index)
        Sets.push_back(Puzzle.CellByIndex(Index)->Possible().Bits());
    return Sets;
}

void Load(TPuzzle& Puzzle, uint64_t Seed)
{
    const singles::TPuzzleData Data = singles::MakeSinglesPuzzle(Seed);
    Puzzle.LoadPuzzle(Data.Solution, Data.Given);
}

// Box 0 left with two hidden singles: 1 only at (0,0), 2 only at (1,1).
void PlaceTwoHiddenSingles(TPuzzle& Puzzle)
{
    Puzzle.CellAt(1, 3)->SetValue(1);
    Puzzle.CellAt(2, 6)->SetValue(1);
    Puzzle.CellAt(3, 1)->SetValue(1);
    Puzzle.CellAt(6, 2)->SetValue(1);
    Puzzle.CellAt(0, 4)->SetValue(2);
    Puzzle.CellAt(2, 7)->SetValue(2);
    Puzzle.CellAt(4, 0)->SetValue(2);
    Puzzle.CellAt(7, 2)->SetValue(2);
}

// The entries a solve made, in order: row, column and digit of each record.
std::vector<int> Entries(const TPuzzle& Puzzle)
{
    std::vector<int> Made;
    for (int Index = 0; Index < Puzzle.UndoCount(); ++Index) {
        const TUndoRecord& Record = Puzzle.UndoRecord(Index);
        Made.insert(Made.end(), {Record.Row, Record.Col, Record.NewValue});
    }
    return Made;
}

// The loop of precedence written out with the public steps: method k runs
// only when it is in the set and every earlier one has just failed; a
// success starts again from the first method.
void SolveStepByStep(TPuzzle& Puzzle, TMethodSet Methods)
{
    const auto Step = [&Puzzle](int Method) {
        switch (Method) {
        case 0: return Puzzle.ScanStep();
        case 1: return Puzzle.PinnedStep();
        case 2: return Puzzle.SequenceStep();
        case 3: return Puzzle.LockedPairsStep();
        default: return Puzzle.HiddenPairsStep();
        }
    };
    int Method = 0;
    while (Method < 5)
        Method = Methods.Has(Method) && Step(Method) ? 0 : Method + 1;
}

TEST(SolveTest, SinglesPuzzlesAreSolvedWithTheirSolution)
{
    for (uint64_t Seed = 0; Seed < 20; ++Seed) {
        TPuzzle Puzzle;
        Load(Puzzle, Seed);
        ASSERT_TRUE(Puzzle.Solve(TMethodSet::All())) << "seed " << Seed;
        for (int Index = 0; Index < 81; ++Index)
            ASSERT_TRUE(Puzzle.CellByIndex(Index)->IsCorrect());
        EXPECT_TRUE(Puzzle.Changed());
    }
}

TEST(SolveTest, NothingHappensWithAnEmptySet)
{
    TPuzzle Puzzle;
    Load(Puzzle, 4);
    const std::vector<uint32_t> Before = Candidates(Puzzle);
    EXPECT_FALSE(Puzzle.Solve(TMethodSet{}));
    EXPECT_EQ(Puzzle.UndoCount(), 0);
    EXPECT_EQ(Candidates(Puzzle), Before);
    EXPECT_FALSE(Puzzle.Changed());
}

TEST(SolveTest, ASolvedPuzzleAnswersTrueWithoutChanges)
{
    TPuzzle Puzzle;
    singles::TGrid81 All{};
    All.fill(1);
    Puzzle.LoadPuzzle(singles::MakeSolutionGrid(2), All);
    const std::vector<uint32_t> Before = Candidates(Puzzle);
    EXPECT_TRUE(Puzzle.Solve(TMethodSet::All()));
    EXPECT_EQ(Candidates(Puzzle), Before);
    EXPECT_FALSE(Puzzle.Changed());
}

// Solve makes the same entries in the same order as the loop of precedence,
// whichever methods the set leaves out; without Scanning every success
// starts again at Pinned.
TEST(SolveTest, EverySuccessRestartsAtTheFirstMethodOfTheSet)
{
    const TMethodSet All = TMethodSet::All();
    const TMethodSet Sets[] = {All, All.With(smScanning, false), All.With(smScanning, false).With(smPinned, false),
                               All.With(smPinned, false).With(smSequence, false)};
    for (const TMethodSet& Methods : Sets) {
        for (uint64_t Seed : {3, 8, 21}) {
            SCOPED_TRACE(testing::Message() << "seed " << Seed);
            TPuzzle Solved;
            TPuzzle ByHand;
            Load(Solved, Seed);
            Load(ByHand, Seed);
            Solved.Solve(Methods);
            SolveStepByStep(ByHand, Methods);
            ASSERT_GT(Solved.UndoCount(), 1);
            EXPECT_EQ(Entries(Solved), Entries(ByHand));
            EXPECT_EQ(Candidates(Solved), Candidates(ByHand));
        }
    }
}

TEST(SolveTest, MethodSetsHoldOnlyMethodsWithASolvingStep)
{
    EXPECT_TRUE(TMethodSet{}.Empty());
    EXPECT_EQ(TMethodSet::UpTo(smSequence),
              TMethodSet{}.With(smScanning, true).With(smPinned, true).With(smSequence, true));
    EXPECT_EQ(TMethodSet::UpTo(smXWings), TMethodSet::All());
    EXPECT_TRUE(TMethodSet::UpTo(-1).Empty());
    for (int Method : {-1, int(smXWings), 6, 8, 40})
        EXPECT_FALSE(TMethodSet::All().With(Method, true).Has(Method)) << Method;
    EXPECT_EQ(TMethodSet::All().With(smHiddenPairs, false), TMethodSet::UpTo(smLockedPairs));
}

// The settings list gives the set item by item; XWings' item changes nothing.
TEST(SolveTest, TheSettingsListGivesTheSet)
{
    TSettingsValues Values;
    EXPECT_EQ(MethodsOf(Values), TMethodSet::All());
    Values.SetMethodEnabled(smXWings, false);
    EXPECT_EQ(MethodsOf(Values), TMethodSet::All());
    for (int Method = smScanning; Method <= smHiddenPairs; ++Method) {
        TSettingsValues One;
        One.SetMethodEnabled(Method, false);
        EXPECT_EQ(MethodsOf(One), TMethodSet::All().With(Method, false)) << Method;
    }
}

TEST(SolveTest, ScanningFillsEveryHiddenSingleOfTheFirstBoxInOneStep)
{
    TPuzzle Puzzle;
    PlaceTwoHiddenSingles(Puzzle);
    EXPECT_TRUE(Puzzle.ScanStep());
    EXPECT_EQ(Puzzle.CellAt(0, 0)->GetValue(), 1);
    EXPECT_EQ(Puzzle.CellAt(1, 1)->GetValue(), 2);
    EXPECT_EQ(Puzzle.UndoCount(), 10);

    TPuzzle Other;
    PlaceTwoHiddenSingles(Other);
    EXPECT_TRUE(Other.PinnedStep());
    EXPECT_EQ(Other.UndoCount(), 9);
    EXPECT_EQ(Other.CellAt(0, 0)->GetValue(), 1);
}

TEST(SolveTest, LockedPairStrikesTheLowerDigitFirst)
{
    TPuzzle Puzzle;
    Puzzle.CellAt(0, 0)->KeepOnly(DigitBits({3, 7}));
    Puzzle.CellAt(0, 8)->KeepOnly(DigitBits({3, 7}));
    Puzzle.CellAt(0, 4)->KeepOnly(DigitBits({3, 5, 7}));
    EXPECT_TRUE(Puzzle.LockedPairsStep());
    EXPECT_EQ(Puzzle.CellAt(0, 4)->Possible().Bits(), DigitBits({5, 7}));
    for (int Col = 1; Col < 8; ++Col) {
        EXPECT_FALSE(Puzzle.CellAt(0, Col)->HasMark(3));
        EXPECT_TRUE(Puzzle.CellAt(0, Col)->HasMark(7));
    }
    EXPECT_TRUE(Puzzle.CellAt(1, 4)->HasMark(3));  // outside the row
    EXPECT_TRUE(Puzzle.LockedPairsStep());
    EXPECT_EQ(Puzzle.CellAt(0, 4)->Possible().Bits(), DigitBits({5}));
    EXPECT_EQ(Puzzle.CellAt(0, 0)->Possible().Bits(), DigitBits({3, 7}));
    EXPECT_FALSE(Puzzle.LockedPairsStep());
}

TEST(SolveTest, LockedPairOfFilledCellsTouchesOnlyEmptyCells)
{
    TPuzzle Puzzle;
    Puzzle.SetMarkStyle(msUserMarksSeparate, false);
    Puzzle.CellAt(0, 0)->SetValue(1);
    Puzzle.CellAt(0, 8)->SetValue(2);
    Puzzle.CellAt(0, 5)->SetValue(4);
    for (int Col : {0, 8}) {
        Puzzle.CellAt(0, Col)->SetUserMark(3, true);
        Puzzle.CellAt(0, Col)->SetUserMark(7, true);
    }
    Puzzle.CellAt(0, 4)->SetUserMark(3, true);
    Puzzle.CellAt(0, 5)->SetUserMark(3, true);
    Puzzle.CellAt(0, 5)->SetUserMark(9, true);
    EXPECT_TRUE(Puzzle.LockedPairsStep());
    EXPECT_FALSE(Puzzle.CellAt(0, 4)->Possible().IsSet(3));
    EXPECT_EQ(Puzzle.CellAt(0, 5)->Possible().Bits(), DigitBits({4}));
    // The user marks, which this style shows, are untouched.
    EXPECT_TRUE(Puzzle.CellAt(0, 4)->HasMark(3));
}

TEST(SolveTest, HiddenPairKeepsOnlyItsDigitsEvenErasedOnes)
{
    TPuzzle Puzzle;
    Puzzle.SetMarkStyle(msAutoPencilSeparate, false);
    for (int Place : {1, 2, 3, 4, 6, 7, 8}) {
        Puzzle.BoxCell(0, Place)->SetPossible(2, false);
        Puzzle.BoxCell(0, Place)->SetPossible(6, false);
    }
    Puzzle.BoxCell(0, 0)->KeepOnly(DigitBits({2, 4, 6}));
    TCell* Second = Puzzle.BoxCell(0, 5);
    Second->MaskOfKind(mkErased).SetBit(8, true);
    Second->NotifyChange(false);
    EXPECT_FALSE(Second->HasMark(8));
    EXPECT_TRUE(Puzzle.HiddenPairsStep());
    EXPECT_EQ(Puzzle.BoxCell(0, 0)->Possible().Bits(), DigitBits({2, 6}));
    EXPECT_EQ(Second->Possible().Bits(), DigitBits({2, 6}));
    // Both cells now show exactly the pair: no further hidden pair.
    EXPECT_FALSE(Puzzle.HiddenPairsStep());
}

// Place Place of house House of a kind: 0 rows, 1 columns, 2 boxes.
TCell* HouseCell(TPuzzle& Puzzle, int Kind, int House, int Place)
{
    return Kind == 0   ? Puzzle.CellAt(House, Place)
           : Kind == 1 ? Puzzle.CellAt(Place, House)
                       : Puzzle.BoxCell(House, Place);
}

// Each step finds its deduction in every kind of house it looks at, on a
// position where that house is the only one that has it.
TEST(SolveTest, EachStepLooksInEveryKindOfHouseItCovers)
{
    TSettingsScope Scope;
    const char* Kinds[3] = {"row", "column", "box"};
    for (int Kind = 0; Kind < 3; ++Kind) {
        SCOPED_TRACE(Kinds[Kind]);
        // A hidden single: 5 has one place left in house 3. Rows and
        // columns are Pinned's, boxes Scanning's.
        TPuzzle Single;
        for (int Place = 0; Place < 9; ++Place)
            if (Place != 4)
                HouseCell(Single, Kind, 3, Place)->SetPossible(5, false);
        EXPECT_TRUE(Kind == 2 ? Single.ScanStep() : Single.PinnedStep());
        EXPECT_EQ(HouseCell(Single, Kind, 3, 4)->GetValue(), 5);

        // A locked pair {3,7} at places 0 and 8 strikes 3 from place 4.
        TPuzzle Locked;
        HouseCell(Locked, Kind, 3, 0)->KeepOnly(DigitBits({3, 7}));
        HouseCell(Locked, Kind, 3, 8)->KeepOnly(DigitBits({3, 7}));
        HouseCell(Locked, Kind, 3, 4)->KeepOnly(DigitBits({3, 5, 7}));
        EXPECT_TRUE(Locked.LockedPairsStep());
        EXPECT_EQ(HouseCell(Locked, Kind, 3, 4)->Possible().Bits(), DigitBits({5, 7}));

        // A hidden pair: 2 and 6 fit only places 0 and 5.
        TPuzzle Hidden;
        for (int Place = 0; Place < 9; ++Place)
            if (Place != 0 && Place != 5)
                for (int Digit : {2, 6})
                    HouseCell(Hidden, Kind, 3, Place)->SetPossible(Digit, false);
        EXPECT_TRUE(Hidden.HiddenPairsStep());
        EXPECT_EQ(HouseCell(Hidden, Kind, 3, 0)->Possible().Bits(), DigitBits({2, 6}));
        EXPECT_EQ(HouseCell(Hidden, Kind, 3, 5)->Possible().Bits(), DigitBits({2, 6}));
    }
}

TEST(SolveTest, EndsInEveryMarkStyle)
{
    TSettingsScope Scope;
    singles::TSplitMix Random(77);
    for (uint8_t Style : {0, 3, 4, 5, 6, 7}) {
        for (uint64_t Seed = 0; Seed < 6; ++Seed) {
            TLinkedPair Pair;
            const singles::TPuzzleData Data = singles::MakeSinglesPuzzle(Seed);
            Pair.Parent.LoadPuzzle(Data.Solution, Data.Given);
            Pair.Child.LoadPuzzle(MatchedChildGrid(Data.Solution, Seed + 100), NoGivens());
            for (TPuzzle* Puzzle : {&Pair.Parent, &Pair.Child}) {
                Puzzle->SetMarkStyle(msUserMarksSeparate, false);
                for (int Index = 0; Index < 81; ++Index) {
                    TCell* Cell = Puzzle->CellByIndex(Index);
                    Cell->MaskOfKind(mkUserMarks).SetBits(static_cast<uint32_t>(Random.Next()) & AllDigitBits);
                    Cell->MaskOfKind(mkErased).SetBits(static_cast<uint32_t>(Random.Next()) & 0x0F0);
                }
                Puzzle->SetMarkStyle(Style, true);
            }
            Pair.Child.Solve(TMethodSet::All());
            Pair.Parent.Solve(TMethodSet::All());
            const std::string After = Values(Pair.Parent);
            const int Records = Pair.Parent.UndoCount();
            Pair.Parent.Solve(TMethodSet::All());
            // With automatic candidates everything the methods could do was
            // done by the first call. Wrong user marks may leave a value
            // swap that a later call takes up again.
            if (Style != msUserMarksSeparate && Style != msUserMarksLinked && Style != msHidden) {
                EXPECT_EQ(Values(Pair.Parent), After) << "style " << int(Style);
                EXPECT_EQ(Pair.Parent.UndoCount(), Records);
            }
        }
    }
}

TEST(SolveTest, EndsWhenWrongMarksWouldSwapAValueForEver)
{
    TSettingsScope Scope;
    TPuzzle Puzzle;
    Puzzle.SetMarkStyle(msUserMarksSeparate, false);
    TCell* Cell = Puzzle.CellAt(0, 0);
    Cell->SetValue(1);
    Cell->SetUserMark(1, true);
    Cell->SetUserMark(2, true);
    EXPECT_FALSE(Puzzle.Solve(TMethodSet::All()));
    EXPECT_NE(Cell->GetValue(), 0);
    // Hidden marks after user marks: stale sets are read as they are.
    Puzzle.SetMarkStyle(msHidden, false);
    Puzzle.CellAt(8, 8)->SetUserMark(4, true);
    EXPECT_FALSE(Puzzle.Solve(TMethodSet::All()));
}

TEST(SolveTest, AutoPencilStylesSolveLikeTheInitialStyle)
{
    TSettingsScope Scope;
    for (uint8_t Style : {4, 6, 7}) {
        TPuzzle Plain;
        TPuzzle Styled;
        Load(Plain, 31);
        Styled.SetMarkStyle(Style, false);
        Load(Styled, 31);
        EXPECT_TRUE(Plain.Solve(TMethodSet::All()));
        EXPECT_TRUE(Styled.Solve(TMethodSet::All()));
        EXPECT_EQ(Values(Plain), Values(Styled));
    }
}

}  // namespace
