#include "ExactSolver.h"
#include "Generator.h"
#include "Grader.h"

#include "Puzzle.h"
#include "PyramidLinks.h"
#include "PyramidTestSupport.h"
#include "QVSettings.h"
#include "SettingsValues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

std::vector<uint8_t> GivenDigits(const TPyramidSolution& Solution, const TPyramidGivens& Givens)
{
    std::vector<uint8_t> digits;
    for (size_t p = 0; p < Solution.Puzzles.size(); ++p) {
        for (int cell = 0; cell < 81; ++cell) {
            digits.push_back(Givens[p][cell] ? Solution.Puzzles[p][cell] : 0);
        }
    }
    return digits;
}

std::vector<uint8_t> AllDigits(const TPyramidSolution& Solution)
{
    std::vector<uint8_t> digits;
    for (const TGridDigits& grid : Solution.Puzzles) {
        digits.insert(digits.end(), grid.begin(), grid.end());
    }
    return digits;
}

}  // namespace

TEST(GraderTest, GradeNamesAndKeywords)
{
    for (int level = 0; level < MethodLevelCount; ++level) {
        for (bool pyramid : {false, true}) {
            const TGrade grade{static_cast<TMethodLevel>(level), pyramid};
            TGrade parsed{mlHiddenPairs, !pyramid};
            ASSERT_TRUE(ParseGrade(GradeKeyword(grade), parsed)) << GradeKeyword(grade);
            EXPECT_EQ(parsed, grade);
        }
    }
    TGrade grade;
    EXPECT_FALSE(ParseGrade("Singles", grade));
    EXPECT_FALSE(ParseGrade("pyramid-", grade));
    EXPECT_FALSE(ParseGrade("", grade));
    EXPECT_EQ(DescribeGrade({mlLockedPairs, false}, 212), "Locked Pairs, 212 givens");
    EXPECT_EQ(DescribeGrade({mlHiddenPairs, true}, 160), "Pyramid, Hidden Locked Pairs, 160 givens");
    EXPECT_EQ(GradeName({mlSingles, true}), "Pyramid, Singles");
}

// Each level adds its method to the ones before; the methods checked in the
// settings in force play no part in a check.
TEST(GraderTest, LevelsNameTheirMethodsWhateverTheSettings)
{
    const TMethodSet singles = LevelMethods(mlSingles);
    EXPECT_TRUE(singles.Has(smScanning) && singles.Has(smPinned) && singles.Has(smSequence));
    EXPECT_FALSE(singles.Has(smLockedPairs) || singles.Has(smHiddenPairs));
    EXPECT_EQ(LevelMethods(mlLockedPairs), singles.With(smLockedPairs, true));
    EXPECT_EQ(LevelMethods(mlHiddenPairs), TMethodSet::All());

    // Every puzzle with its top row to fill: singles finish it.
    const TPyramidSolution solution = MakePyramidSolution(0, 5);
    TGridDigits rowless;
    rowless.fill(1);
    std::fill(rowless.begin(), rowless.begin() + 9, 0);
    const TPyramidGivens givens(solution.Puzzles.size(), rowless);
    TSettingsValues none;
    for (int method = 0; method < TSettingsValues::MethodCount; ++method) {
        none.SetMethodEnabled(method, false);
    }
    InstallSettings(&none);
    EXPECT_TRUE(PyramidSolves(solution, givens, mlSingles));
    EXPECT_TRUE(PuzzleSolvesAlone(solution.Puzzles[1], rowless, mlSingles));
    EXPECT_EQ(&Settings(), &none);
    InstallSettings(nullptr);
}

TEST(GraderTest, CountsLinkedGivensOnce)
{
    TGridDigits none{};
    TPyramidGivens givens(10, none);
    const TPyramidLink link = PyramidLinks(4)[13];
    givens[link.Child][link.ChildIndex()] = 1;  // a linked child cell
    EXPECT_EQ(CountGivens(4, givens), 1);
    givens[0][link.ParentIndex()] = 1;  // the same pair from the parent's side
    EXPECT_EQ(CountGivens(4, givens), 1);
    // Without links every flag is a given of its own.
    givens[link.Child][(link.ChildIndex() + 1) % 81] = 1;
    EXPECT_EQ(CountGivens(2, givens), 3);
    TGridDigits all;
    all.fill(1);
    EXPECT_EQ(CountGivens(0, TPyramidGivens(10, all)), 729);
    EXPECT_EQ(CountGivens(7, TPyramidGivens(2, all)), 162);
}

TEST(GraderTest, SolvedAndHopelessPyramids)
{
    TGridDigits all;
    all.fill(1);
    TGridDigits none{};
    for (uint8_t layout : {0, 7, 11}) {
        SCOPED_TRACE(int(layout));
        const TPyramidSolution solution = MakePyramidSolution(layout, 11);
        const size_t puzzles = solution.Puzzles.size();
        const TGradeReport full = GradePyramid(solution, TPyramidGivens(puzzles, all));
        EXPECT_TRUE(full.Solvable);
        EXPECT_EQ(full.Grade, (TGrade{mlSingles, false}));
        const TGradeReport empty = GradePyramid(solution, TPyramidGivens(puzzles, none));
        EXPECT_FALSE(empty.Solvable);
        EXPECT_EQ(empty.GivenCount, 0);
        EXPECT_TRUE(PuzzleSolvesAlone(solution.Puzzles[1], all, mlSingles));
        EXPECT_FALSE(PuzzleSolvesAlone(solution.Puzzles[1], none, mlHiddenPairs));
    }
}

// The exact solver and the five methods must agree: whatever the methods
// finish has exactly one solution, the stored one; whatever has two or more
// they cannot finish; and no value they enter ever differs from the unique
// solution.
TEST(GraderTest, ExactSolverHeldAgainstTheMethods)
{
    int finished = 0;
    int unfinished = 0;
    int ambiguous = 0;
    for (uint8_t layout : {0, 2, 4, 7, 10, 13}) {
        const TExactSolver exact = TExactSolver::ForLayout(layout);
        for (int count : {22, 27, 32, 40}) {
            for (uint64_t seed = 1; seed <= 3; ++seed) {
                SCOPED_TRACE(testing::Message() << "layout " << int(layout) << " count " << count << " seed " << seed);
                TTestPyramid test = MakeTestPyramid(layout, seed * 31 + count, count);
                std::vector<uint8_t> found;
                const int solutions = exact.CountSolutions(GivenDigits(test.Solution, test.Givens), 2, &found);
                ASSERT_GE(solutions, 1);
                test.Pyramid->SetPencilMode(msAutoPencilLinked);
                test.Pyramid->SolvePyramid(TMethodSet::All());
                bool complete = true;
                bool wrong = false;
                for (int p = 0; p <= test.Pyramid->ChildCount(); ++p) {
                    const TPuzzle& puzzle = *test.Pyramid->GetPuzzle(p);
                    for (int cell = 0; cell < 81; ++cell) {
                        const int value = puzzle.CellByIndex(cell)->GetValue();
                        complete = complete && value != 0;
                        wrong = wrong || (solutions == 1 && value != 0 && value != found[p * 81 + cell]);
                    }
                }
                EXPECT_FALSE(wrong);
                if (complete) {
                    ++finished;
                    EXPECT_EQ(solutions, 1);
                    EXPECT_EQ(found, AllDigits(test.Solution));
                } else {
                    ++unfinished;
                }
                ambiguous += solutions > 1;
                EXPECT_EQ(complete, PyramidSolves(test.Solution, test.Givens, mlHiddenPairs));
            }
        }
    }
    // The sample must hold all three kinds, or it proves nothing.
    EXPECT_GT(finished, 0);
    EXPECT_GT(unfinished, 0);
    EXPECT_GT(ambiguous, 0);
}

TEST(GraderTest, ExactSolverLinksAreThePyramids)
{
    for (int layout = 0; layout <= 14; ++layout) {
        SCOPED_TRACE(layout);
        TPuzzleXLink pyramid(static_cast<uint8_t>(layout), nullptr, 1, 1);
        std::vector<TCellLink> wired;
        TPuzzle& parent = *pyramid.GetPuzzle(0);
        for (int cell = 0; cell < 81; ++cell) {
            const TCell* partner = parent.CellByIndex(cell)->ChildLinkOfCell();
            if (partner == nullptr) {
                continue;
            }
            for (int child = 1; child <= pyramid.ChildCount(); ++child) {
                if (partner->GetPuzzle() == pyramid.GetPuzzle(child)) {
                    wired.push_back({cell, child, partner->GetPosition().Index()});
                }
            }
        }
        const auto table = LayoutLinks(static_cast<uint8_t>(layout));
        ASSERT_EQ(wired.size(), table.size());
        auto key = [](const TCellLink& Link) { return std::make_tuple(Link.ParentCell, Link.Child, Link.ChildCell); };
        std::vector<std::tuple<int, int, int>> a;
        std::vector<std::tuple<int, int, int>> b;
        for (size_t i = 0; i < table.size(); ++i) {
            a.push_back(key(wired[i]));
            b.push_back(key(table[i]));
        }
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        EXPECT_EQ(a, b);
        EXPECT_EQ(pyramid.ChildCount() + 1, LayoutPuzzleCount(static_cast<uint8_t>(layout)));
    }
}
