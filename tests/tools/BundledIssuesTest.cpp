// The issues the build bundles into bin/ISSUES, read the way the game reads
// them, and the generate command itself.

#include "ExactSolver.h"
#include "Grader.h"

#include "DataReporter.h"
#include "DistributionFile.h"
#include "GamesFile.h"
#include "MemoryStream.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace fs = std::filesystem;

namespace {

class TRecordingReporter : public TDataReporter {
public:
    void ShowMessage(const std::string& Message) override { Messages.push_back(Message); }
    void ShowInstallationError(const std::string& Message) override { Messages.push_back(Message); }
    std::vector<std::string> Messages;
};

fs::path BundledFolder()
{
    return fs::path(TAVREL_BIN_DIR) / "ISSUES";
}

// A program folder of its own holding a copy of the bundled issues, so that
// the catalogue written there leaves the build's folder alone.
fs::path CopyOfBundled(const char* Name)
{
    const fs::path folder = fs::temp_directory_path() / Name;
    fs::remove_all(folder);
    fs::create_directories(folder / "ISSUES");
    for (const auto& entry : fs::directory_iterator(BundledFolder())) {
        if (entry.path().extension() == ".ISS") {
            fs::copy_file(entry.path(), folder / "ISSUES" / entry.path().filename());
        }
    }
    return folder;
}

std::vector<uint8_t> ReadFile(const fs::path& Path)
{
    std::ifstream in(Path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Solution and given flags as the stream carries them.
void SplitStream(uint8_t Layout, const std::vector<uint8_t>& Stream, TPyramidSolution& Solution,
                 TPyramidGivens& Givens)
{
    Solution.LayoutType = Layout;
    const size_t puzzles = static_cast<size_t>(LayoutPuzzleCount(Layout));
    ASSERT_EQ(Stream.size(), puzzles * TPuzzleXLink::StreamRecordSize);
    for (size_t p = 0; p < puzzles; ++p) {
        TGridDigits digits{};
        TGridDigits flags{};
        for (int cell = 0; cell < 81; ++cell) {
            digits[cell] = Stream[p * TPuzzleXLink::StreamRecordSize + TPuzzleXLink::StreamDigitsOffset + cell];
            flags[cell] = Stream[p * TPuzzleXLink::StreamRecordSize + TPuzzleXLink::StreamGivensOffset + cell];
        }
        Solution.Puzzles.push_back(digits);
        Givens.push_back(flags);
    }
}

}  // namespace

TEST(BundledIssuesTest, EveryGameOpensSolvesAndIsUnique)
{
    ASSERT_TRUE(fs::is_directory(BundledFolder())) << "build the bundled_issues target first";
    const fs::path folder = CopyOfBundled("tavrel-bundled-issues");
    TRecordingReporter reporter;
    TGamesDataFile catalogue(folder.string(), reporter);
    EXPECT_TRUE(reporter.Messages.empty()) << reporter.Messages.front();
    ASSERT_GE(catalogue.IssueCount(), 4);

    std::set<int> layouts;
    std::set<std::string> grades;
    std::set<uint8_t> kinds;
    std::set<uint32_t> numbers;
    int otherFeatures = 0;
    uint32_t games = 0;
    for (int i = 0; i < catalogue.IssueCount(); ++i) {
        const TIssueEntry& issue = catalogue.Issue(i);
        for (const TGameEntry& entry : issue.Games()) {
            ++games;
            SCOPED_TRACE(testing::Message() << "game " << entry.GetGameNumber());
            EXPECT_TRUE(numbers.insert(entry.GetGameNumber()).second) << "game number used twice";
            TPuzzleInfo record;
            TMemoryStream stream;
            catalogue.OpenGame(issue.GetIssueNumber(), entry.GetGameNumber(), record, stream);
            EXPECT_EQ(record.GetGameNumber(), entry.GetGameNumber());
            layouts.insert(record.GetLayoutType());
            kinds.insert(record.IsEnciphered() ? 'F' : 'P');
            otherFeatures += record.GetPlayMode() != 1 || record.GetAidFlags() != 255 || record.GetPencilFlags() != 7;

            auto pyramid = TPuzzleXLink::CreateFromHeader(record, nullptr, 1, 1);
            stream.SetPosition(0);
            ASSERT_NO_THROW(pyramid->LoadFromStream(stream));
            const int puzzles = pyramid->ChildCount() + 1;
            std::vector<uint8_t> givens;
            std::vector<uint8_t> stored;
            for (int p = 0; p < puzzles; ++p) {
                for (int cell = 0; cell < 81; ++cell) {
                    const TCell* c = pyramid->GetPuzzle(p)->CellByIndex(cell);
                    givens.push_back(c->GetRevealed() ? static_cast<uint8_t>(c->GetSolution()) : 0);
                    stored.push_back(static_cast<uint8_t>(c->GetSolution()));
                }
            }
            pyramid->SetPencilMode(msAutoPencilLinked);
            pyramid->SolvePyramid();
            for (int p = 0; p < puzzles; ++p) {
                TPuzzle& puzzle = *pyramid->GetPuzzle(p);
                EXPECT_TRUE(puzzle.IsSolved()) << "puzzle " << p;
                for (int cell = 0; cell < 81; ++cell) {
                    EXPECT_TRUE(puzzle.CellByIndex(cell)->IsCorrect());
                }
            }
            std::vector<uint8_t> found;
            EXPECT_EQ(TExactSolver::ForLayout(record.GetLayoutType()).CountSolutions(givens, 2, &found), 1);
            EXPECT_EQ(found, stored);

            // The description names the grade the game really has.
            TPyramidSolution solution;
            TPyramidGivens flags;
            SplitStream(record.GetLayoutType(), stream.Memory(), solution, flags);
            const TGradeReport report = GradePyramid(solution, flags);
            EXPECT_TRUE(report.Solvable);
            EXPECT_EQ(record.GameDescriptionTrimmed(), DescribeGrade(report.Grade, report.GivenCount));
            grades.insert(GradeKeyword(report.Grade));
        }
    }
    EXPECT_EQ(games, catalogue.GameCount());
    EXPECT_EQ(layouts.size(), 14u);
    EXPECT_EQ(grades.size(), 6u);
    EXPECT_EQ(kinds.size(), 2u);
    EXPECT_GE(otherFeatures, 3);
    fs::remove_all(folder);
}

TEST(BundledIssuesTest, GenerateCommandIsRepeatable)
{
    const fs::path program = fs::path(TAVREL_BIN_DIR) / "tavrel-issue";
    const fs::path folder = fs::temp_directory_path() / "tavrel-generate-command";
    fs::remove_all(folder);
    fs::create_directories(folder);
    auto run = [&](const std::string& Arguments) {
        std::string command = "\"" + program.string() + "\" generate " + Arguments + " > \"" +
                              (folder / "out.txt").string() + "\" 2>&1";
#ifdef _WIN32
        command = "\"" + command + "\"";  // cmd.exe strips one pair of outer quotes
#endif
        return std::system(command.c_str());
    };
    const std::string arguments = " --issue 12 --seed 7 --layouts 7,2 --grades hidden,pairs --kind plain";
    ASSERT_EQ(run("\"" + (folder / "A.ISS").string() + "\"" + arguments), 0);
    ASSERT_EQ(run("\"" + (folder / "B.ISS").string() + "\"" + arguments), 0);
    const std::vector<uint8_t> a = ReadFile(folder / "A.ISS");
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, ReadFile(folder / "B.ISS"));

    // Game numbers avoid those of the issues it is told about.
    ASSERT_EQ(run("\"" + (folder / "C.ISS").string() + "\" --issue 12 --seed 7 --layouts 7 --known \"" +
                  (folder / "A.ISS").string() + "\""),
              0);
    TMemoryStream c(ReadFile(folder / "C.ISS"));
    EXPECT_EQ(TDistributionFile::ReadIssue(c, "C.ISS")->GameRecord(0).GetGameNumber(), 1203u);

    EXPECT_NE(run("\"" + (folder / "D.ISS").string() + "\" --issue 1 --grades nonsense"), 0);
    EXPECT_NE(run("\"" + (folder / "D.ISS").string() + "\" --issue 1 --layouts 2 --grades pyramid --key-index 11"), 0);
    EXPECT_NE(run("\"" + (folder / "D.ISS").string() + "\" --layouts 3"), 0);
    EXPECT_FALSE(fs::exists(folder / "D.ISS"));
    fs::remove_all(folder);
}
