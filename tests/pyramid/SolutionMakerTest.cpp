#include "SolutionMaker.h"

#include "Exception.h"
#include "PuzzleStreamWriter.h"
#include "PyramidLinks.h"

#include <gtest/gtest.h>

namespace {

const int AllLayouts[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 255};

class MakerLayoutTest : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(MakerLayoutTest, MakesValidConsistentPyramidsForManySeeds)
{
    const uint8_t Layout = static_cast<uint8_t>(GetParam());
    for (uint64_t Seed = 0; Seed < 40; ++Seed) {
        const TPyramidSolution S = MakePyramidSolution(Layout, Seed);
        ASSERT_EQ(CheckPyramidSolution(S), "") << "seed " << Seed;
        ASSERT_EQ(S.Puzzles.size(), Layout == 7 ? 2u : 10u);
    }
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, MakerLayoutTest, ::testing::ValuesIn(AllLayouts));

TEST(SolutionMaker, SameSeedSameSolutionOtherSeedOther)
{
    const TPyramidSolution A = MakePyramidSolution(5, 42);
    const TPyramidSolution B = MakePyramidSolution(5, 42);
    const TPyramidSolution C = MakePyramidSolution(5, 43);
    EXPECT_EQ(A.Puzzles, B.Puzzles);
    EXPECT_NE(A.Puzzles[0], C.Puzzles[0]);
    // Unlinked children are not copies of each other or of the parent.
    const TPyramidSolution U = MakePyramidSolution(2, 1);
    EXPECT_NE(U.Puzzles[1], U.Puzzles[2]);
    EXPECT_NE(U.Puzzles[0], U.Puzzles[1]);
}

TEST(SolutionMaker, CheckNamesEachKindOfFault)
{
    const TPyramidSolution Good = MakePyramidSolution(0, 3);

    TPyramidSolution Broken = Good;
    Broken.Puzzles.pop_back();
    EXPECT_NE(CheckPyramidSolution(Broken).find("needs 10 puzzles"), std::string::npos);

    // Swapping two digits of a row keeps rows whole but breaks a column.
    Broken = Good;
    std::swap(Broken.Puzzles[2][0], Broken.Puzzles[2][1]);
    EXPECT_NE(CheckPyramidSolution(Broken).find("puzzle 2 repeats"), std::string::npos);

    Broken = Good;
    Broken.Puzzles[4][10] = 0;
    EXPECT_NE(CheckPyramidSolution(Broken).find("holds 0"), std::string::npos);

    // A valid child that disagrees with its parent partner: relabel it.
    Broken = Good;
    for (auto& Digit : Broken.Puzzles[6])
        Digit = static_cast<uint8_t>(Digit % 9 + 1);
    EXPECT_NE(CheckPyramidSolution(Broken).find("child 6"), std::string::npos);
}

TEST(SolutionMaker, CompleteGridKeepsGivensAndRefusesClashes)
{
    TGridDigits Grid{};
    Grid[0] = 5;
    Grid[80] = 9;
    ASSERT_TRUE(CompleteGrid(Grid, 7));
    EXPECT_EQ(Grid[0], 5);
    EXPECT_EQ(Grid[80], 9);
    TPyramidSolution One{7, {Grid, Grid}};
    EXPECT_EQ(CheckPyramidSolution(One), "");

    TGridDigits Clash{};
    Clash[0] = 3;
    Clash[8] = 3;
    EXPECT_FALSE(CompleteGrid(Clash, 1));
    EXPECT_EQ(Clash[1], 0);

    // No digit is left for cell 0: its row holds 1-8, its column 9.
    TGridDigits Stuck{};
    for (int Col = 1; Col < 9; ++Col)
        Stuck[Col] = static_cast<uint8_t>(Col);
    Stuck[9 * 4] = 9;
    EXPECT_FALSE(CompleteGrid(Stuck, 1));

    TGridDigits Bad{};
    Bad[3] = 12;
    EXPECT_THROW(CompleteGrid(Bad, 1), Exception);
}

TEST(PuzzleStreamWriter, RecordsHoldDigitsAndGivensAtTheirOffsets)
{
    const TPyramidSolution S = MakePyramidSolution(13, 4);
    TPyramidGivens Givens(10, TGridDigits{});
    Givens[3][20] = 7;  // any non-zero value is written as 1
    const std::vector<uint8_t> Bytes = MakePuzzleStream(S, Givens);
    ASSERT_EQ(Bytes.size(), 10u * PuzzleRecordSize);
    for (int Puzzle = 0; Puzzle < 10; ++Puzzle) {
        const uint8_t* Record = Bytes.data() + Puzzle * PuzzleRecordSize;
        for (int i = 0; i < PuzzleRecordDigitsOffset; ++i)
            EXPECT_EQ(Record[i], 0);
        for (int Cell = 0; Cell < 81; ++Cell)
            ASSERT_EQ(Record[PuzzleRecordDigitsOffset + Cell], S.Puzzles[Puzzle][Cell]);
        EXPECT_EQ(Record[174], 0);
        EXPECT_EQ(Record[175], 0);
    }
    EXPECT_EQ(Bytes[3 * PuzzleRecordSize + PuzzleRecordGivensOffset + 20], 1);
}

TEST(PuzzleStreamWriter, LinkedGivenIsFlaggedOnBothSides)
{
    // Layout 13: parent column c is row c of child c + 1.
    TPyramidGivens Givens(10, TGridDigits{});
    Givens[0][5 * 9 + 2] = 1;  // parent (5,2): child 3, cell (2,5)
    Givens[7][6 * 9 + 0] = 1;  // child 7 (6,0): parent (0,6)
    Givens[7][6 * 9 + 1] = 0;
    ApplyGivenLinkRule(13, Givens);
    EXPECT_EQ(Givens[3][2 * 9 + 5], 1);
    EXPECT_EQ(Givens[0][0 * 9 + 6], 1);
    int Count = 0;
    for (const auto& Puzzle : Givens)
        for (const uint8_t Flag : Puzzle)
            Count += Flag;
    EXPECT_EQ(Count, 4);

    // Unlinked layouts leave every flag where it was.
    TPyramidGivens Alone(10, TGridDigits{});
    Alone[0][40] = 1;
    ApplyGivenLinkRule(6, Alone);
    EXPECT_EQ(Alone[5][40], 0);
}

TEST(PuzzleStreamWriter, RefusesSolutionsTheGameCouldNotLoad)
{
    TPyramidSolution S = MakePyramidSolution(1, 2);
    TPyramidGivens Givens(10, TGridDigits{});
    EXPECT_THROW(MakePuzzleStream(S, TPyramidGivens(9, TGridDigits{})), Exception);
    S.Puzzles[0][0] = S.Puzzles[0][1];
    EXPECT_THROW(MakePuzzleStream(S, Givens), Exception);
    EXPECT_THROW(RandomGivens(1, 82, 1), Exception);
}

TEST(PuzzleStreamWriter, RandomGivensTakeTheCountPerPuzzleBeforeTheLinkRule)
{
    const TPyramidGivens Unlinked = RandomGivens(2, 30, 9);
    for (const auto& Puzzle : Unlinked) {
        int Count = 0;
        for (const uint8_t Flag : Puzzle)
            Count += Flag;
        EXPECT_EQ(Count, 30);
    }
    const TPyramidGivens Linked = RandomGivens(9, 30, 9);
    for (const auto& Link : PyramidLinks(9))
        EXPECT_EQ(Linked[0][Link.ParentIndex()], Linked[Link.Child][Link.ChildIndex()]);
    EXPECT_EQ(RandomGivens(9, 30, 9), Linked);
}
