#include "ExactSolver.h"

#include "Exception.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::vector<uint8_t> Digits(const std::string& Text)
{
    std::vector<uint8_t> digits;
    for (char ch : Text) {
        digits.push_back(ch == '.' ? 0 : static_cast<uint8_t>(ch - '0'));
    }
    return digits;
}

// A puzzle with one solution.
const std::string Puzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string Answer = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

bool HousesValid(const std::vector<uint8_t>& Solution, int Puzzle)
{
    for (int i = 0; i < 9; ++i) {
        std::set<int> row;
        std::set<int> col;
        std::set<int> box;
        for (int j = 0; j < 9; ++j) {
            row.insert(Solution[Puzzle * 81 + i * 9 + j]);
            col.insert(Solution[Puzzle * 81 + j * 9 + i]);
            box.insert(Solution[Puzzle * 81 + (3 * (i / 3) + j / 3) * 9 + 3 * (i % 3) + j % 3]);
        }
        for (const auto* house : {&row, &col, &box}) {
            if (house->size() != 9 || *house->begin() != 1 || *house->rbegin() != 9) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST(ExactSolverTest, SinglePuzzleCountsAndSolves)
{
    const TExactSolver solver(1, {});
    std::vector<uint8_t> solution;
    EXPECT_EQ(solver.CountSolutions(Digits(Puzzle), 5, &solution), 1);
    EXPECT_EQ(solution, Digits(Answer));

    // Taking givens away opens more solutions; the count stops at the limit.
    std::vector<uint8_t> open = Digits(Puzzle);
    std::fill(open.begin(), open.begin() + 27, 0);
    EXPECT_EQ(solver.CountSolutions(open, 2), 2);
    EXPECT_EQ(solver.CountSolutions(std::vector<uint8_t>(81, 0), 7), 7);
    EXPECT_EQ(solver.CountSolutions(std::vector<uint8_t>(81, 0), 1, &solution), 1);
    EXPECT_TRUE(HousesValid(solution, 0));
}

TEST(ExactSolverTest, ClashesAndBadInputHaveNoSolution)
{
    const TExactSolver solver(1, {});
    std::vector<uint8_t> clash(81, 0);
    clash[0] = 5;
    clash[80] = 5;
    clash[8] = 5;  // same row as cell 0
    EXPECT_EQ(solver.CountSolutions(clash, 2), 0);

    // No house clash but a digit left without a place in row 0.
    std::vector<uint8_t> blocked(81, 0);
    for (int col = 0; col < 8; ++col) {
        blocked[col] = static_cast<uint8_t>(col + 1);
    }
    blocked[4 * 9 + 8] = 9;
    EXPECT_EQ(solver.CountSolutions(blocked, 2), 0);

    EXPECT_THROW(solver.CountSolutions(std::vector<uint8_t>(80, 0), 2), Exception);
    std::vector<uint8_t> bad(81, 0);
    bad[3] = 10;
    EXPECT_THROW(solver.CountSolutions(bad, 2), Exception);
    EXPECT_THROW(TExactSolver(2, {{0, 2, 0}}), Exception);
    EXPECT_THROW(TExactSolver(2, {{81, 1, 0}}), Exception);
}

TEST(ExactSolverTest, LayoutLinksFollowTheTable)
{
    for (int layout = 0; layout <= 15; ++layout) {
        const auto links = LayoutLinks(static_cast<uint8_t>(layout));
        const bool unlinked = layout == 2 || layout == 6 || layout == 7 || layout > 13;
        SCOPED_TRACE(layout);
        if (unlinked) {
            EXPECT_TRUE(links.empty());
            continue;
        }
        ASSERT_EQ(links.size(), 81u);
        std::set<int> parents;
        std::set<std::pair<int, int>> childCells;
        std::vector<int> perChild(10, 0);
        for (const TCellLink& link : links) {
            parents.insert(link.ParentCell);
            childCells.insert({link.Child, link.ChildCell});
            ++perChild[link.Child];
        }
        EXPECT_EQ(parents.size(), 81u);
        EXPECT_EQ(childCells.size(), 81u);
        for (int child = 1; child <= 9; ++child) {
            EXPECT_EQ(perChild[child], 9);
        }
    }
    EXPECT_EQ(LayoutPuzzleCount(7), 2);
    EXPECT_EQ(LayoutPuzzleCount(2), 10);

    auto partner = [](uint8_t Layout, int ParentCell) {
        for (const TCellLink& link : LayoutLinks(Layout)) {
            if (link.ParentCell == ParentCell) {
                return std::make_pair(link.Child, link.ChildCell);
            }
        }
        return std::make_pair(0, -1);
    };
    EXPECT_EQ(partner(0, 4 * 9 + 4), std::make_pair(5, 4 * 9 + 4));
    EXPECT_EQ(partner(0, 0 * 9 + 2), std::make_pair(1, 1 * 9 + 7));
    EXPECT_EQ(partner(11, 2 * 9 + 5), std::make_pair(3, 5 * 9 + 2));
    EXPECT_EQ(partner(13, 7 * 9 + 3), std::make_pair(4, 3 * 9 + 7));
}

TEST(ExactSolverTest, LinkedPyramidsAreConsistent)
{
    for (uint8_t layout : {0, 4, 7, 8, 11}) {
        SCOPED_TRACE(int(layout));
        const TExactSolver solver = TExactSolver::ForLayout(layout);
        const int puzzles = solver.PuzzleCount();
        EXPECT_EQ(solver.UnknownCount(), puzzles * 81 - static_cast<int>(LayoutLinks(layout).size()));

        std::vector<uint8_t> solution;
        ASSERT_EQ(solver.CountSolutions(std::vector<uint8_t>(puzzles * 81, 0), 1, &solution), 1);
        for (int p = 0; p < puzzles; ++p) {
            EXPECT_TRUE(HousesValid(solution, p)) << "puzzle " << p;
        }
        for (const TCellLink& link : LayoutLinks(layout)) {
            EXPECT_EQ(solution[link.ParentCell], solution[link.Child * 81 + link.ChildCell]);
        }

        // The full solution less one given per puzzle is still unique, and
        // the solver fills the gaps back in.
        std::vector<uint8_t> givens = solution;
        for (int p = 0; p < puzzles; ++p) {
            givens[p * 81 + 40] = 0;
        }
        std::vector<uint8_t> again;
        EXPECT_EQ(solver.CountSolutions(givens, 2, &again), 1);
        EXPECT_EQ(again, solution);
    }
}

TEST(ExactSolverTest, LinksCarryGivensAcrossPuzzles)
{
    // Parent cell 0 and child cell 80 are one unknown.
    const TExactSolver linked(2, {{0, 1, 80}});
    std::vector<uint8_t> digits(162, 0);
    digits[0] = 3;
    digits[81 + 80] = 4;
    EXPECT_EQ(linked.CountSolutions(digits, 2), 0);

    // Open a swappable rectangle (a b / b a over two boxes) of the parent's
    // solution: alone it has two fillings. A child whose own givens force
    // its cell 80 decides the parent's corner through the link.
    const std::vector<uint8_t> answer = Digits(Answer);
    std::vector<int> corners;
    for (int r1 = 0; r1 < 9 && corners.empty(); ++r1) {
        for (int r2 = r1 + 1; r2 < 9 && corners.empty(); ++r2) {
            for (int c1 = 0; c1 < 9 && corners.empty(); ++c1) {
                for (int c2 = c1 + 1; c2 < 9 && corners.empty(); ++c2) {
                    const bool twoBoxes = (r1 / 3 == r2 / 3) != (c1 / 3 == c2 / 3);
                    if (twoBoxes && answer[r1 * 9 + c1] == answer[r2 * 9 + c2] &&
                        answer[r1 * 9 + c2] == answer[r2 * 9 + c1]) {
                        corners = {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2};
                    }
                }
            }
        }
    }
    ASSERT_FALSE(corners.empty()) << "the test grid needs a swappable rectangle";
    const TExactSolver linked2(2, {{corners[0], 1, 80}});
    std::vector<uint8_t> pyramid(162, 0);
    std::copy(answer.begin(), answer.end(), pyramid.begin());
    for (int cell : corners) {
        pyramid[cell] = 0;
    }
    // The child: the same grid with digits renamed so that its cell 80 holds
    // the parent's corner digit, all given but cell 80.
    uint8_t rename[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::swap(rename[answer[80]], rename[answer[corners[0]]]);
    for (int cell = 0; cell < 80; ++cell) {
        pyramid[81 + cell] = rename[answer[cell]];
    }
    EXPECT_EQ(TExactSolver(2, {}).CountSolutions(pyramid, 3), 2);
    std::vector<uint8_t> solution;
    EXPECT_EQ(linked2.CountSolutions(pyramid, 3, &solution), 1);
    EXPECT_EQ(std::vector<uint8_t>(solution.begin(), solution.begin() + 81), answer);
}

TEST(ExactSolverTest, StepLimitLeavesTheCountUndecided)
{
    const TExactSolver solver = TExactSolver::ForLayout(3);
    const std::vector<uint8_t> empty(810, 0);
    EXPECT_EQ(solver.CountSolutions(empty, 1000, nullptr, 20), -1);
    EXPECT_EQ(solver.CountSolutions(empty, 2, nullptr, 100000), 2);
    // A decided answer inside the limit is the same as without one.
    const TExactSolver single(1, {});
    EXPECT_EQ(single.CountSolutions(Digits(Puzzle), 2, nullptr, 50), 1);
}
