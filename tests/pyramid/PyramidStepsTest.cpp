// The step finder on made pyramids: what comes before any step, what the
// game's rules keep out, and that finding leaves the player's puzzles alone.

#include "Puzzle.h"
#include "PyramidSteps.h"
#include "PyramidTestSupport.h"

#include "PyramidLinks.h"

#include <gtest/gtest.h>

#include <functional>

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

}  // namespace

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
    EXPECT_EQ(Named.Digit, Cell->GetValue());
    TStepRules Withheld;
    Withheld.NameWrongEntry = false;
    const TPyramidStep Unnamed = FindPyramidStep(P, Withheld, TMethodSet::All());
    EXPECT_EQ(Unnamed.Kind, TStepKind::WrongEntry);
    EXPECT_FALSE(Unnamed.Square.Valid());

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
            SCOPED_TRACE(StepSummary(Step));
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

namespace {

uint32_t ShownDigits(const TPuzzleXLink& Pyramid, const TStepSquare& Square)
{
    return Pyramid.GetPuzzle(Square.Puzzle)->CellAt(Square.Row, Square.Col)->Shown().Bits() & AllDigitBits;
}

// Plays steps from the start of made pyramids of Layout, handing each step to
// Check before it is made, until Check answers true or the seeds run out.
bool PlayUntil(uint8_t Layout, const std::function<bool(TPuzzleXLink&, const TPyramidStep&)>& Check)
{
    for (uint64_t Seed = 1; Seed <= 12; ++Seed) {
        TTestPyramid T = MakeTestPyramid(Layout, Seed, 26);
        TPuzzleXLink& P = *T.Pyramid;
        P.SetPencilMode(msAutoPencilLinked);
        for (int Steps = 0; Steps < 400; ++Steps) {
            const TPyramidStep Step = FindPyramidStep(P, TStepRules{}, TMethodSet::All());
            if (Step.Kind != TStepKind::Value && Step.Kind != TStepKind::Strike)
                break;
            if (Check(P, Step))
                return true;
            if (!ApplyPyramidStep(P, Step, false))
                break;
        }
    }
    return false;
}

}  // namespace

// A step that rests on a link names the square the link narrows and, as its
// partner, exactly the square the layout links it to.
TEST(PyramidStepsTest, AStepThatRestsOnALinkNamesItsPartner)
{
    for (const uint8_t Layout : {uint8_t{0}, uint8_t{3}, uint8_t{11}}) {
        SCOPED_TRACE(static_cast<int>(Layout));
        int Linked = 0;
        PlayUntil(Layout, [&](TPuzzleXLink&, const TPyramidStep& Step) {
            EXPECT_EQ(Step.Linked.Valid(), Step.Partner.Valid());
            if (!Step.Partner.Valid())
                return false;
            bool Partners = false;
            for (const TPyramidLink& Link : PyramidLinks(Layout)) {
                const TStepSquare Parent{0, Link.ParentRow, Link.ParentCol};
                const TStepSquare Child{Link.Child, Link.ChildRow, Link.ChildCol};
                Partners = Partners || (Step.Linked == Parent && Step.Partner == Child) ||
                           (Step.Linked == Child && Step.Partner == Parent);
            }
            EXPECT_TRUE(Partners) << StepSummary(Step);
            EXPECT_FALSE(Step.Links.empty()) << StepSummary(Step);
            return ++Linked >= 5;
        });
        EXPECT_GE(Linked, 1) << "no step rested on a link";
    }
}

// Making a strike takes out exactly the digits it names from exactly the
// squares it names: every other square shows what it showed.
TEST(PyramidStepsTest, AStrikeTakesOutExactlyWhatItNames)
{
    int Strikes = 0;
    PlayUntil(0, [&](TPuzzleXLink& P, const TPyramidStep& Step) {
        if (Step.Kind != TStepKind::Strike)
            return false;
        SCOPED_TRACE(StepSummary(Step));
        std::vector<std::pair<TStepSquare, uint32_t>> Before;
        for (int Puzzle = 0; Puzzle <= P.ChildCount(); ++Puzzle)
            for (int Row = 0; Row < 9; ++Row)
                for (int Col = 0; Col < 9; ++Col)
                    Before.push_back({{Puzzle, Row, Col}, ShownDigits(P, {Puzzle, Row, Col})});
        if (Step.Method == smLockedPairs) {
            // The other squares of the house that show either digit of the
            // pair: one step strikes both.
            std::vector<TStepSquare> Expected;
            for (const TStepSquare& Square : StepHouseSquares(Step))
                if (Square != Step.Pair[0] && Square != Step.Pair[1] &&
                    P.GetPuzzle(Square.Puzzle)->CellAt(Square.Row, Square.Col)->GetValue() == 0 &&
                    (ShownDigits(P, Square) & Step.PairDigits) != 0)
                    Expected.push_back(Square);
            std::vector<TStepSquare> Named;
            for (const TStepStrike& Strike : Step.Strikes)
                Named.push_back(Strike.Square);
            EXPECT_EQ(Named, Expected);
        }
        EXPECT_TRUE(ApplyPyramidStep(P, Step, false));
        // In the linked style a square shows what its partner shows, so a
        // strike on either is seen on both.
        const auto PartnerOf = [&](const TStepSquare& Square) {
            for (const TPyramidLink& Link : PyramidLinks(P.LayoutType())) {
                const TStepSquare Parent{0, Link.ParentRow, Link.ParentCol};
                const TStepSquare Child{Link.Child, Link.ChildRow, Link.ChildCol};
                if (Square == Parent)
                    return Child;
                if (Square == Child)
                    return Parent;
            }
            return TStepSquare{};
        };
        for (const auto& [Square, Shown] : Before) {
            uint32_t Own = 0;
            uint32_t Struck = 0;
            const TStepSquare Partner = PartnerOf(Square);
            for (const TStepStrike& Strike : Step.Strikes) {
                if (Strike.Square == Square) {
                    Own |= Strike.Digits;
                    Struck |= Strike.Digits;
                }
                if (Partner.Valid() && Strike.Square == Partner) {
                    Struck |= Strike.Digits;
                }
            }
            EXPECT_EQ(ShownDigits(P, Square), Shown & ~Struck)
                << Square.Puzzle << " " << Square.Row << " " << Square.Col;
            EXPECT_EQ(Shown & Own, Own) << "a strike names only digits the square shows";
        }
        return ++Strikes >= 6;
    });
    EXPECT_GE(Strikes, 1) << "no strike was found";
}
