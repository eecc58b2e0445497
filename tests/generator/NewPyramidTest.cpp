// New pyramids as the game makes them: one solution, the grade's hardest
// method needed, the links needed for the linked grades; what a layout
// offers, the names they are kept under, and cancelling.

#include "ExactSolver.h"
#include "Grader.h"
#include "MadeGamesFormat.h"
#include "NewPyramid.h"
#include "PyramidLinks.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr int RecordBytes = 176;

struct TStreamParts {
    std::vector<uint8_t> Givens;    // digits of the given cells, 0 elsewhere
    std::vector<uint8_t> Solution;  // every digit
    std::vector<TGridDigits> Digits;
    std::vector<TGridDigits> Flags;
};

TStreamParts Parts(const TNewPyramid& Pyramid)
{
    TStreamParts parts;
    const int puzzles = LayoutPuzzleCount(Pyramid.LayoutType);
    EXPECT_EQ(Pyramid.Stream.size(), static_cast<size_t>(puzzles * RecordBytes));
    for (int p = 0; p < puzzles; ++p) {
        TGridDigits digits{};
        TGridDigits flags{};
        std::memcpy(digits.data(), Pyramid.Stream.data() + p * RecordBytes + 12, 81);
        std::memcpy(flags.data(), Pyramid.Stream.data() + p * RecordBytes + 93, 81);
        for (int cell = 0; cell < 81; ++cell) {
            parts.Solution.push_back(digits[cell]);
            parts.Givens.push_back(flags[cell] ? digits[cell] : 0);
        }
        parts.Digits.push_back(digits);
        parts.Flags.push_back(flags);
    }
    return parts;
}

// Checks a made pyramid against its request with the exact solver and the
// methods, independently of the generator's own report.
void ExpectMadeAsAsked(const TNewPyramid& Pyramid, const TGrade& Grade)
{
    SCOPED_TRACE(std::string(LayoutDisplayName(Pyramid.LayoutType)) + ", " + GradeDisplayName(Grade));
    EXPECT_EQ(Pyramid.Grade, Grade);
    const TStreamParts parts = Parts(Pyramid);
    std::vector<uint8_t> found;
    ASSERT_TRUE(TExactSolver::ForLayout(Pyramid.LayoutType).IsUnique(parts.Givens, &found));
    EXPECT_EQ(found, parts.Solution);
    EXPECT_TRUE(PyramidStreamSolves(Pyramid.LayoutType, Pyramid.Stream, Grade.Level));
    if (Grade.Level > mlSingles) {
        EXPECT_FALSE(
            PyramidStreamSolves(Pyramid.LayoutType, Pyramid.Stream, static_cast<TMethodLevel>(Grade.Level - 1)));
    }
    // Plain grades: every puzzle that holds givens of its own is finished
    // alone. Linked grades: some child is not, so the links are needed.
    const bool linked = LayoutHasLinks(Pyramid.LayoutType);
    bool allAlone = true;
    for (size_t p = linked ? 1 : 0; p < parts.Digits.size(); ++p) {
        allAlone = allAlone && PuzzleSolvesAlone(parts.Digits[p], parts.Flags[p], Grade.Level);
    }
    EXPECT_EQ(allAlone, !Grade.Pyramid);
}

TEST(NewPyramidTest, EveryLayoutAtOneGradeAndEveryGradeOnTwoLayouts)
{
    const TGrade pairs{mlLockedPairs, false};
    for (int layout = 0; layout < LayoutTypeCount; ++layout) {
        ExpectMadeAsAsked(MakeNewPyramid({layout, pairs, 100u + static_cast<uint64_t>(layout)}), pairs);
    }
    // Layout 0 has links, layout 6 has none: it is not offered the linked
    // grades.
    for (int layout : {0, 6}) {
        for (const TGrade& grade : GradesForLayout(layout)) {
            ExpectMadeAsAsked(MakeNewPyramid({layout, grade, 7}), grade);
        }
    }
}

TEST(NewPyramidTest, LayoutsOfferOnlyTheGradesTheyCanHave)
{
    EXPECT_EQ(GradesForLayout(AnyLayout).size(), 6u);
    for (int layout = 0; layout < LayoutTypeCount; ++layout) {
        const bool links = layout != 2 && layout != 6 && layout != 7;
        EXPECT_EQ(GradesForLayout(layout).size(), links ? 6u : 3u) << layout;
    }
    for (const uint8_t layout : LayoutsForGrade({mlSingles, true})) {
        EXPECT_TRUE(layout != 2 && layout != 6 && layout != 7);
    }
    EXPECT_THROW(MakeNewPyramid({7, TGrade{mlSingles, true}, 1}), Exception);
    EXPECT_THROW(MakeNewPyramid({14, TGrade{}, 1}), Exception);
    // Any layout picks one that allows the grade.
    const TGrade linkedPairs{mlLockedPairs, true};
    const TNewPyramid any = MakeNewPyramid({AnyLayout, linkedPairs, 3});
    EXPECT_TRUE(GradeFitsLayout(linkedPairs, any.LayoutType));
}

TEST(NewPyramidTest, SameRequestSameGameAndARecordTheMadeGamesFileTakes)
{
    const TNewPyramidRequest request{4, TGrade{mlSingles, false}, 99};
    const TNewPyramid one = MakeNewPyramid(request);
    EXPECT_EQ(MakeNewPyramid(request).Stream, one.Stream);

    std::tm when{};
    when.tm_mon = 11;
    when.tm_mday = 9;
    when.tm_hour = 14;
    when.tm_min = 5;
    EXPECT_EQ(NewPyramidName(0, TGrade{mlLockedPairs, false}, when), "Centres, Locked Pairs, Dec09 14:05");
    // The longest layout and grade still fit the record's field whole.
    const std::string longest = NewPyramidName(12, TGrade{mlHiddenPairs, true}, when);
    EXPECT_LE(longest.size(), 64u);
    EXPECT_EQ(longest.substr(longest.size() - 11), "Dec09 14:05");

    TMadeGame game{NewPyramidRecord(one, "Same places"), one.Stream};
    game.Record.SetGameNumber(FirstMadeGameNumber);
    EXPECT_EQ(MadeGameProblem(game), "");
    EXPECT_EQ(game.Record.GetPlayMode(), 1);
    EXPECT_EQ(game.Record.GetAidFlags(), 255);
    EXPECT_EQ(game.Record.GetPencilFlags(), 7);
    EXPECT_EQ(game.Record.GetRebuildFlag(), 1u);
}

TEST(NewPyramidTest, CancelledAtOnceGivesUp)
{
    std::atomic<bool> cancel{true};
    EXPECT_THROW(MakeNewPyramid({0, TGrade{mlHiddenPairs, true}, 1}, &cancel), EGenerationCancelled);
}

}  // namespace

// A game's grade is read back from the description it was given, and only
// from a description of exactly that form.
TEST(NewPyramidTest, TheGradeComesBackFromTheDescriptionAndNothingElseReadsAsOne)
{
    for (const TGrade& Grade : GradesForLayout(AnyLayout)) {
        TGrade Read{mlHiddenPairs, !Grade.Pyramid};
        ASSERT_TRUE(GradeOfDescription(DescribeGrade(Grade, 212), Read)) << DescribeGrade(Grade, 212);
        EXPECT_EQ(Read, Grade) << DescribeGrade(Grade, 212);
    }
    for (const char* Other :
         {"", "Singles", "Singles, givens", "Singles,  givens", "Singles, 2x givens", "Singles, 21 givens.",
          "Pyramid, 21 givens", "Locked Pairs, 21 givens, hard", "Easy as pie", "Pyramid, XWings, 200 givens"}) {
        TGrade Read;
        EXPECT_FALSE(GradeOfDescription(Other, Read)) << Other;
    }
}
