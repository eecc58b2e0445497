#include "SinglesEngine.h"

#include "DistributionFile.h"
#include "Exception.h"
#include "ExactSolver.h"
#include "Grader.h"
#include "PuzzleStreamWriter.h"
#include "PyramidLinks.h"
#include "PyramidTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <random>

namespace fs = std::filesystem;

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

// The quick answers and the methods' own, at every level, for the pyramid
// and for each puzzle alone.
void ExpectQuickAgrees(const TPyramidSolution& Solution, const TPyramidGivens& Givens,
                       const std::vector<uint8_t>& Stream)
{
    for (int level = 0; level < MethodLevelCount; ++level) {
        SCOPED_TRACE(level);
        const auto methodLevel = static_cast<TMethodLevel>(level);
        EXPECT_EQ(PyramidSolves(Solution, Givens, methodLevel),
                  PyramidStreamSolves(Solution.LayoutType, Stream, methodLevel));
        for (size_t p = 0; p < Solution.Puzzles.size(); ++p) {
            EXPECT_EQ(PuzzleSolvesAlone(Solution.Puzzles[p], Givens[p], methodLevel),
                      PuzzleSolvesAloneByMethods(Solution.Puzzles[p], Givens[p], methodLevel))
                << "puzzle " << p;
        }
    }
}

}  // namespace

// Every bundled pyramid, and random ones from few givens to many, get the
// same answers from the singles closure as from the game's methods.
TEST(SinglesEngineTest, QuickAnswersAgreeWithTheMethods)
{
    int games = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(TAVREL_BIN_DIR) / "ISSUES")) {
        if (entry.path().extension() != ".ISS") {
            continue;
        }
        TDistributionFile issue(entry.path().string());
        for (int i = 0; i < issue.GameCount(); ++i) {
            SCOPED_TRACE(testing::Message() << entry.path().filename() << " game " << i);
            const std::vector<uint8_t> stream = issue.PuzzleStream(i).Memory();
            TPyramidSolution solution;
            solution.LayoutType = issue.GameRecord(i).GetLayoutType();
            TPyramidGivens givens;
            for (size_t at = 0; at + PuzzleRecordSize <= stream.size(); at += PuzzleRecordSize) {
                TGridDigits digits;
                TGridDigits flags;
                std::copy_n(stream.begin() + at + PuzzleRecordDigitsOffset, 81, digits.begin());
                std::copy_n(stream.begin() + at + PuzzleRecordGivensOffset, 81, flags.begin());
                solution.Puzzles.push_back(digits);
                givens.push_back(flags);
            }
            // A linked child cell's own digit is not read: the parent's is.
            for (const TPyramidLink& link : PyramidLinks(solution.LayoutType)) {
                solution.Puzzles[link.Child][link.ChildIndex()] = solution.Puzzles[0][link.ParentIndex()];
            }
            ASSERT_EQ(CheckPyramidSolution(solution), "");
            ExpectQuickAgrees(solution, givens, stream);
            ++games;
        }
    }
    EXPECT_GE(games, 152);

    int finished = 0;
    int open = 0;
    for (uint8_t layout : {0, 2, 4, 7, 9, 12}) {
        for (int count : {24, 30, 36, 46, 60}) {
            for (uint64_t seed = 1; seed <= 3; ++seed) {
                SCOPED_TRACE(testing::Message() << "layout " << int(layout) << " count " << count << " seed " << seed);
                const TTestPyramid test = MakeTestPyramid(layout, seed * 53 + count, count);
                ExpectQuickAgrees(test.Solution, test.Givens, test.Stream);
                const bool quick =
                    TSinglesEngine::ForLayout(layout)->SinglesFinish(GivenDigits(test.Solution, test.Givens));
                (quick ? finished : open) += 1;
            }
        }
    }
    // Both kinds, or the sample proves nothing.
    EXPECT_GT(finished, 5);
    EXPECT_GT(open, 5);
}

// Taking one more given from a pyramid with one solution: the engine finds a
// second solution exactly when the exact solver counts two, and a second
// solution is never claimed for givens the exact solver finds unique.
TEST(SinglesEngineTest, SecondSolutionsAsTheExactSolverCountsThem)
{
    int second = 0;
    int unique = 0;
    // One puzzle alone, as the generator checks children; a small and a
    // full linked pyramid, the latter on its first cells only.
    const struct {
        uint8_t Layout;
        bool Alone;
        size_t Cells;
    } cases[] = {{0, true, 81}, {7, false, 162}, {11, false, 260}};
    for (const auto& sample : cases) {
        const uint8_t layout = sample.Layout;
        const TSinglesEngine& engine = sample.Alone ? TSinglesEngine::Single() : *TSinglesEngine::ForLayout(layout);
        const TExactSolver exact = sample.Alone ? TExactSolver(1, {}) : TExactSolver::ForLayout(layout);
        TPyramidSolution solution = MakePyramidSolution(layout, 5 + layout);
        if (sample.Alone) {
            solution.Puzzles.resize(1);
        }
        std::vector<uint8_t> full;
        for (const TGridDigits& grid : solution.Puzzles) {
            full.insert(full.end(), grid.begin(), grid.end());
        }
        std::vector<uint8_t> digits = full;
        std::mt19937_64 engineOrder(layout);
        std::vector<int> order(full.size());
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), engineOrder);
        order.resize(std::min(order.size(), sample.Cells));
        for (int cell : order) {
            if (digits[cell] == 0) {
                continue;
            }
            std::vector<uint8_t> trial = digits;
            // A linked pair is one unknown: both go together.
            std::vector<int> removed = {cell};
            for (const TCellLink& link : sample.Alone ? std::vector<TCellLink>{} : LayoutLinks(layout)) {
                const int parent = link.ParentCell;
                const int child = link.Child * 81 + link.ChildCell;
                if (cell == parent || cell == child) {
                    removed = {parent, child};
                }
            }
            for (int r : removed) {
                trial[r] = 0;
            }
            const int count = exact.CountSolutions(trial, 2);
            const auto verdict = engine.Examine(trial, &full, removed, 1000000);
            SCOPED_TRACE(testing::Message() << "layout " << int(layout) << " cell " << cell);
            ASSERT_NE(verdict, TSinglesEngine::evNoSolution);
            EXPECT_EQ(verdict == TSinglesEngine::evSecond, count == 2);
            if (verdict == TSinglesEngine::evFinished) {
                EXPECT_EQ(count, 1);
            }
            if (count == 1) {
                digits = trial;
                ++unique;
            } else {
                ++second;
            }
        }
    }
    EXPECT_GT(second, 40);
    EXPECT_GT(unique, 40);

    // Clashing givens have no solution; a wrong size is refused.
    const TSinglesEngine& single = TSinglesEngine::Single();
    std::vector<uint8_t> clash(81, 0);
    clash[0] = 4;
    clash[8] = 4;
    EXPECT_EQ(single.Examine(clash, nullptr, {}, 100), TSinglesEngine::evNoSolution);
    EXPECT_FALSE(single.SinglesFinish(clash));
    EXPECT_EQ(single.Examine(std::vector<uint8_t>(81, 0), nullptr, {}, 100), TSinglesEngine::evOpen);
    EXPECT_THROW(single.SinglesFinish(std::vector<uint8_t>(80, 0)), Exception);
    EXPECT_EQ(TSinglesEngine::ForLayout(14), nullptr);
}
