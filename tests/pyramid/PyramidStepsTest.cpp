// The step finder on made pyramids: what comes before any step, what the
// game's rules keep out, and that finding leaves the player's puzzles alone.

#include "Puzzle.h"
#include "PyramidSteps.h"
#include "PyramidTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Everything of the player's a find must leave as it was.
std::string StateOf(const TPuzzleXLink& Pyramid)
{
    std::string State;
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        const TPuzzle& Puzzle = *Pyramid.GetPuzzle(Index);
        State += Pyramid.GetValuesLine(Index) + Pyramid.GetMarksLine(Index) + Pyramid.GetErasuresLine(Index) +
                 std::to_string(Puzzle.UndoCount()) + "/";
        for (int Cell = 0; Cell < 81; ++Cell)
            State += std::to_string(Puzzle.CellByIndex(Cell)->Shown().Bits()) + ",";
    }
    return State;
}

// An empty child cell without a parent partner.
TCell* UnlinkedEmptyCell(TPuzzle& Child)
{
    for (int Index = 0; Index < 81; ++Index) {
        TCell* Cell = Child.CellByIndex(Index);
        if (Cell->GetValue() == 0 && Cell->ParentLinkOfCell() == nullptr)
            return Cell;
    }
    return nullptr;
}

} // namespace

TEST(PyramidStepsTest, AWrongEntryComesFirstAndFindingChangesNothing)
{
    TTestPyramid T = MakeTestPyramid(5, 7, 40);
    TPuzzleXLink& P = *T.Pyramid;
    P.SetPencilMode(msAutoPencilLinked);
    TCell* Cell = UnlinkedEmptyCell(*P.GetPuzzle(3));
    ASSERT_NE(Cell, nullptr);
    Cell->SetValue(Cell->GetSolution() % 9 + 1);
    P.GetPuzzle(0)->CellByIndex(40)->EraseDigit(Cell->GetSolution(), false);
    const std::string Before = StateOf(P);

    const TPyramidStep Named = FindPyramidStep(P, TStepRules{}, TMethodSet::All());
    EXPECT_EQ(Named.Kind, TStepKind::WrongEntry);
    EXPECT_EQ(Named.Square, (TStepSquare{3, Cell->GetPosition().Row, Cell->GetPosition().Col}));
    EXPECT_EQ(ExplainStep(Named), "Child 3, row " + std::to_string(Cell->GetPosition().Row + 1) + ", column " +
                                      std::to_string(Cell->GetPosition().Col + 1) + " holds " +
                                      std::to_string(Cell->GetValue()) +
                                      ", which is not its solution: take it back before the next step.");
    TStepRules Withheld;
    Withheld.NameWrongEntry = false;
    const TPyramidStep Unnamed = FindPyramidStep(P, Withheld, TMethodSet::All());
    EXPECT_EQ(Unnamed.Kind, TStepKind::WrongEntry);
    EXPECT_FALSE(Unnamed.Square.Valid());
    EXPECT_EQ(ExplainStep(Unnamed).find("row"), std::string::npos);

    Cell->SetValue(0);
    const std::string Cleared = StateOf(P);
    const TPyramidStep Step = FindPyramidStep(P, TStepRules{}, TMethodSet::All());
    EXPECT_TRUE(Step.Kind == TStepKind::Value || Step.Kind == TStepKind::Strike);
    EXPECT_EQ(StateOf(P), Cleared);
    EXPECT_NE(Before, Cleared);
}

TEST(PyramidStepsTest, AnEmptyPyramidGivesNothingAndAFullOneIsComplete)
{
    TTestPyramid Empty = MakeTestPyramid(2, 3, 0);
    const TPyramidStep None = FindPyramidStep(*Empty.Pyramid, TStepRules{}, TMethodSet::All());
    EXPECT_EQ(None.Kind, TStepKind::Nothing);
    EXPECT_EQ(ExplainStep(None), "The solving methods find no further step from these entries.");
    TTestPyramid Full = MakeTestPyramid(5, 3, 81);
    EXPECT_EQ(FindPyramidStep(*Full.Pyramid, TStepRules{}, TMethodSet::All()).Kind, TStepKind::Complete);
}

// Steps from the children only, or without the links, keep to what the game
// allows all the way and stay true.
TEST(PyramidStepsTest, TheRulesKeepStepsToTheAllowedPuzzlesAndOwnCandidates)
{
    for (const bool Links : {true, false}) {
        TTestPyramid T = MakeTestPyramid(5, 11, 45);
        TPuzzleXLink& P = *T.Pyramid;
        P.SetPencilMode(Links ? msAutoPencilLinked : msAutoPencilSeparate);
        TStepRules Rules;
        Rules.Parent = Links;
        Rules.Children = true;
        Rules.Links = Links;
        int Steps = 0;
        for (;; ++Steps) {
            const TPyramidStep Step = FindPyramidStep(P, Rules, TMethodSet::All());
            if (Step.Kind != TStepKind::Value && Step.Kind != TStepKind::Strike)
                break;
            SCOPED_TRACE(ExplainStep(Step));
            EXPECT_TRUE(Links || Step.Square.Puzzle != 0);
            EXPECT_TRUE(Links || !Step.Partner.Valid());
            if (Step.Kind == TStepKind::Value) {
                const TCell& Cell = *P.GetPuzzle(Step.Square.Puzzle)->CellAt(Step.Square.Row, Step.Square.Col);
                EXPECT_EQ(Step.Digit, Cell.GetSolution());
                if (!Links && Step.HouseKind == TStepHouse::None) {
                    EXPECT_EQ(Cell.Shown().Bits() & AllDigitBits, 1u << Step.Digit);
                }
            }
            ASSERT_TRUE(ApplyPyramidStep(P, Step, false));
        }
        EXPECT_GT(Steps, 20);
    }
    TTestPyramid T = MakeTestPyramid(5, 11, 45);
    TStepRules Neither;
    Neither.Parent = false;
    Neither.Children = false;
    EXPECT_EQ(FindPyramidStep(*T.Pyramid, Neither, TMethodSet::All()).Kind, TStepKind::Nothing);
}
