#include "ExactSolver.h"
#include "Generator.h"
#include "IssueGenerator.h"
#include "MadeGamesFormat.h"

#include "DistributionFile.h"
#include "Exception.h"
#include "MemoryStream.h"
#include "PyramidLinks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::vector<uint8_t> GivenDigits(const TGeneratedPyramid& Made, const TPyramidGivens& Givens)
{
    std::vector<uint8_t> digits;
    for (size_t p = 0; p < Made.Solution.Puzzles.size(); ++p) {
        for (int cell = 0; cell < 81; ++cell) {
            digits.push_back(Givens[p][cell] ? Made.Solution.Puzzles[p][cell] : 0);
        }
    }
    return digits;
}

TGeneratedPyramid Generate(uint8_t Layout, const char* Grade, uint64_t Seed, TSymmetry Symmetry = symNone)
{
    TGeneratorOptions options;
    options.LayoutType = Layout;
    EXPECT_TRUE(ParseGrade(Grade, options.Grade));
    options.Seed = Seed;
    options.Symmetry = Symmetry;
    return GeneratePyramid(options);
}

// Everything a generated pyramid promises, checked with the grader's and the
// exact solver's own means.
void CheckPyramid(const TGeneratedPyramid& Made, const TGrade& Wanted)
{
    const uint8_t layout = Made.Solution.LayoutType;
    EXPECT_EQ(CheckPyramidSolution(Made.Solution), "");
    EXPECT_EQ(Made.Report.Grade, Wanted);
    const TGradeReport again = GradePyramid(Made.Solution, Made.Givens);
    EXPECT_TRUE(again.Solvable);
    EXPECT_EQ(again.Grade, Wanted);
    EXPECT_EQ(again.GivenCount, Made.Report.GivenCount);
    EXPECT_EQ(again.GivenCount, CountGivens(layout, Made.Givens));

    const TExactSolver exact = TExactSolver::ForLayout(layout);
    std::vector<uint8_t> found;
    EXPECT_EQ(exact.CountSolutions(GivenDigits(Made, Made.Givens), 2, &found), 1);
    TGridDigits all;
    all.fill(1);
    EXPECT_EQ(found, GivenDigits(Made, TPyramidGivens(Made.Givens.size(), all)));

    for (const TPyramidLink& link : PyramidLinks(layout)) {
        EXPECT_EQ(Made.Givens[0][link.ParentIndex()] != 0, Made.Givens[link.Child][link.ChildIndex()] != 0);
    }
    EXPECT_TRUE(PyramidSolves(Made.Solution, Made.Givens, Wanted.Level));
    if (Wanted.Level > mlSingles) {
        EXPECT_FALSE(PyramidSolves(Made.Solution, Made.Givens, static_cast<TMethodLevel>(Wanted.Level - 1)));
    }
    bool someChildNeedsLinks = false;
    for (size_t child = 1; child < Made.Solution.Puzzles.size(); ++child) {
        someChildNeedsLinks = someChildNeedsLinks ||
                              !PuzzleSolvesAlone(Made.Solution.Puzzles[child], Made.Givens[child], Wanted.Level);
    }
    EXPECT_EQ(someChildNeedsLinks, Wanted.Pyramid);
}

}  // namespace

TEST(GeneratorTest, EveryGradeIsMet)
{
    const struct {
        uint8_t Layout;
        const char* Grade;
    } cases[] = {
        {0, "singles"}, {7, "singles"}, {12, "pairs"},         {2, "hidden"},
        {5, "hidden"},  {9, "pyramid"}, {11, "pyramid-pairs"}, {1, "pyramid-hidden"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << int(c.Layout) << " " << c.Grade);
        TGrade wanted;
        ASSERT_TRUE(ParseGrade(c.Grade, wanted));
        CheckPyramid(Generate(c.Layout, c.Grade, 77), wanted);
    }
}

TEST(GeneratorTest, PlainGradesAreMinimalPuzzleByPuzzle)
{
    const TGeneratedPyramid made = Generate(4, "singles", 3);
    int tried = 0;
    for (int child = 1; child <= 9; ++child) {
        for (int cell = 0; cell < 81; ++cell) {
            if (!made.Givens[child][cell]) {
                continue;
            }
            TGridDigits fewer = made.Givens[child];
            fewer[cell] = 0;
            ++tried;
            EXPECT_FALSE(PuzzleSolvesAlone(made.Solution.Puzzles[child], fewer, mlSingles))
                << "child " << child << " cell " << cell;
        }
    }
    EXPECT_EQ(tried, made.Report.GivenCount);
}

TEST(GeneratorTest, PyramidGradesAreMinimalAsAWhole)
{
    const TGeneratedPyramid made = Generate(13, "pyramid", 5);
    const TExactSolver exact = TExactSolver::ForLayout(13);
    for (int child = 1; child <= 9; ++child) {
        for (int cell = 0; cell < 81; ++cell) {
            if (!made.Givens[child][cell]) {
                continue;
            }
            TPyramidGivens fewer = made.Givens;
            fewer[child][cell] = 0;
            for (const TPyramidLink& link : PyramidLinks(13)) {
                if (link.Child == child && link.ChildIndex() == cell) {
                    fewer[0][link.ParentIndex()] = 0;
                }
            }
            const bool stillFine = exact.IsUnique(GivenDigits(made, fewer)) &&
                                   PyramidSolves(made.Solution, fewer, mlSingles);
            EXPECT_FALSE(stillFine) << "child " << child << " cell " << cell;
        }
    }
}

TEST(GeneratorTest, SameSeedSameGivensAndSymmetry)
{
    const TGeneratedPyramid a = Generate(8, "pairs", 42, symRotate);
    const TGeneratedPyramid b = Generate(8, "pairs", 42, symRotate);
    EXPECT_EQ(a.Solution.Puzzles, b.Solution.Puzzles);
    EXPECT_EQ(a.Givens, b.Givens);
    const TGeneratedPyramid c = Generate(8, "pairs", 43, symRotate);
    EXPECT_NE(a.Solution.Puzzles, c.Solution.Puzzles);
    // Every puzzle shows a pattern symmetric through its centre, the parent
    // too, although its givens come from the children.
    for (const TGeneratedPyramid* made : {&a, &c}) {
        for (const TGridDigits& flags : made->Givens) {
            for (int cell = 0; cell < 81; ++cell) {
                EXPECT_EQ(flags[cell] != 0, flags[80 - cell] != 0);
            }
        }
    }
    CheckPyramid(a, TGrade{mlLockedPairs, false});

    const TGeneratedPyramid pyramid = Generate(0, "pyramid", 8, symRotate);
    for (const TGridDigits& flags : pyramid.Givens) {
        for (int cell = 0; cell < 81; ++cell) {
            EXPECT_EQ(flags[cell] != 0, flags[80 - cell] != 0);
        }
    }
    CheckPyramid(pyramid, TGrade{mlSingles, true});
}

TEST(GeneratorTest, PyramidGradesNeedLinks)
{
    for (uint8_t layout : {2, 6, 7, 14}) {
        EXPECT_FALSE(GradeFitsLayout({mlSingles, true}, layout));
        EXPECT_TRUE(GradeFitsLayout({mlHiddenPairs, false}, layout));
        EXPECT_THROW(Generate(layout, "pyramid", 1), Exception);
    }
    EXPECT_TRUE(GradeFitsLayout({mlSingles, true}, 13));
}

TEST(GeneratorTest, IssuesAreRepeatableAndReadBack)
{
    TIssueSpec spec;
    spec.IssueNumber = 9;
    spec.Description = "Test issue";
    spec.KeyIndex = 3;
    spec.Seed = 99;
    spec.UsedGameNumbers = {901, 903};
    TGameSpec plain;
    plain.LayoutType = 7;
    plain.StreamKind = 'P';
    plain.Name = "Plain one";
    TGameSpec enciphered;
    enciphered.LayoutType = 2;  // no links: the pyramid grade falls back
    ParseGrade("pyramid", enciphered.Grade);
    enciphered.PlayMode = 0;
    enciphered.AidFlags = 0x0F;
    enciphered.PencilFlags = 2;
    TGameSpec linked;
    linked.LayoutType = 10;
    linked.Symmetry = symRotate;
    spec.Games = {plain, enciphered, linked};

    const TGeneratedIssue first = GenerateIssue(spec);
    const TGeneratedIssue second = GenerateIssue(spec);
    // The upper half of the numbers is the players' own games'.
    TIssueSpec high = spec;
    high.FirstGameNumber = MadeIssueNumber - 2;
    EXPECT_THROW(GenerateIssue(high), Exception);
    high = spec;
    high.IssueNumber = MadeIssueNumber;
    EXPECT_THROW(GenerateIssue(high), Exception);
    EXPECT_EQ(first.File, second.File);
    TIssueSpec reseeded = spec;
    reseeded.Seed = 100;
    EXPECT_NE(GenerateIssue(reseeded).File, first.File);

    ASSERT_EQ(first.Games.size(), 3u);
    EXPECT_EQ(first.Games[0].GameNumber, 902u);
    EXPECT_EQ(first.Games[1].GameNumber, 904u);
    EXPECT_EQ(first.Games[2].GameNumber, 905u);
    EXPECT_EQ(first.Games[1].Report.Grade, (TGrade{mlSingles, false}));

    TMemoryStream file(first.File);
    auto issue = TDistributionFile::ReadIssue(file, "test.ISS");
    EXPECT_EQ(issue->GetIssueNumber(), 9u);
    EXPECT_EQ(issue->GetDescription(), "Test issue");
    ASSERT_EQ(issue->GameCount(), 3);
    const char* names[] = {"Plain one", "Game 904", "Game 905"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const TPuzzleInfo& record = issue->GameRecord(i);
        EXPECT_EQ(record.GetGameNumber(), first.Games[i].GameNumber);
        EXPECT_EQ(record.GetLayoutType(), spec.Games[i].LayoutType);
        EXPECT_EQ(record.GameNameTrimmed(), names[i]);
        EXPECT_EQ(record.GetGameDescription(),
                  DescribeGrade(first.Games[i].Report.Grade, first.Games[i].Report.GivenCount));
        EXPECT_EQ(record.GetStreamKind(), spec.Games[i].StreamKind);
        EXPECT_EQ(record.GetPlayMode(), spec.Games[i].PlayMode);
        EXPECT_EQ(record.GetAidFlags(), spec.Games[i].AidFlags);
        EXPECT_EQ(record.GetPencilFlags(), spec.Games[i].PencilFlags);
        EXPECT_EQ(record.GetIssueNumber(), 9u);
        const TMemoryStream& stream = issue->PuzzleStream(i);
        EXPECT_TRUE(PyramidStreamSolves(record.GetLayoutType(), stream.Memory(), mlHiddenPairs));
    }

    spec.KeyIndex = 11;
    EXPECT_THROW(GenerateIssue(spec), Exception);
    spec.KeyIndex = 0;
    EXPECT_THROW(GenerateIssue(spec), Exception);
    // A name the record cannot hold whole is refused, not cut.
    spec.KeyIndex = 3;
    spec.Games[0].Name = std::string(TPuzzleInfo::TextSize + 1, 'x');
    EXPECT_THROW(GenerateIssue(spec), Exception);
}

TEST(GeneratorTest, GameNumbersOfIssueFilesAndFolders)
{
    const auto folder = std::filesystem::temp_directory_path() / "tavrel-generator-numbers";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    TIssueSpec spec;
    spec.Games.resize(2);
    spec.Games[0].LayoutType = 7;
    spec.Games[1].LayoutType = 7;
    auto write = [&](const std::string& Name, uint32_t Issue) {
        spec.IssueNumber = Issue;
        const TGeneratedIssue made = GenerateIssue(spec);
        std::ofstream(folder / Name, std::ios::binary)
            .write(reinterpret_cast<const char*>(made.File.data()), static_cast<std::streamsize>(made.File.size()));
    };
    write("A.ISS", 5);
    write("b.iss", 6);
    write("C.TXT", 7);
    EXPECT_EQ(GameNumbersOfIssues({folder.string()}), (std::set<uint32_t>{501, 502, 601, 602}));
    EXPECT_EQ(GameNumbersOfIssues({(folder / "C.TXT").string()}), (std::set<uint32_t>{701, 702}));
    EXPECT_THROW(GameNumbersOfIssues({(folder / "missing.ISS").string()}), Exception);
    std::filesystem::remove_all(folder);
}
