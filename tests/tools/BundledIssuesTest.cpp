// The issues the build bundles into bin/ISSUES, read the way the game reads
// them, and the generate command itself.

#include "ExactSolver.h"
#include "Generator.h"

#include "DataReporter.h"
#include "DistributionFile.h"
#include "Encrypt.h"
#include "Format.h"
#include "GamesFile.h"
#include "MemoryStream.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
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
void SplitStream(uint8_t Layout, const std::vector<uint8_t>& Stream, TPyramidSolution& Solution, TPyramidGivens& Givens)
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

// Singles, pairs, hidden pairs, then the pyramid grades in the same order.
int GradeRank(const TGrade& Grade)
{
    return (Grade.Pyramid ? MethodLevelCount : 0) + Grade.Level;
}

}  // namespace

// Every game opens through the catalogue (signatures included) and loads; the
// set covers every layout in every grade it allows, both stream kinds and the
// other feature settings, with names of their own. The easiest and the
// hardest game of each issue are solved: exactly one solution, and the grade
// the description names is the one the methods need. The generator checked
// every game so when it made the issues.
TEST(BundledIssuesTest, TheSeasonOpensAndItsLaddersHold)
{
    ASSERT_TRUE(fs::is_directory(BundledFolder())) << "build the bundled_issues target first";
    const fs::path folder = CopyOfBundled("tavrel-bundled-issues");
    TRecordingReporter reporter;
    TGamesDataFile catalogue(folder.string(), reporter);
    EXPECT_TRUE(reporter.Messages.empty()) << reporter.Messages.front();
    EXPECT_GE(catalogue.IssueCount(), 16);
    EXPECT_GE(catalogue.GameCount(), 150u);

    uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(folder / "ISSUES")) {
        bytes += entry.file_size();
    }
    EXPECT_LT(bytes, 1024u * 1024u);

    std::set<std::pair<int, int>> layoutGrades;
    std::set<uint8_t> kinds;
    std::set<uint32_t> numbers;
    std::set<std::string> names;
    std::map<std::string, int> features;
    uint32_t games = 0;
    int solved = 0;
    for (int i = 0; i < catalogue.IssueCount(); ++i) {
        const TIssueEntry& issue = catalogue.Issue(i);
        SCOPED_TRACE(testing::Message() << "issue " << issue.GetIssueNumber());
        int previousRank = 0;
        for (size_t g = 0; g < issue.Games().size(); ++g) {
            const TGameEntry& entry = issue.Games()[g];
            ++games;
            SCOPED_TRACE(testing::Message() << "game " << entry.GetGameNumber());
            EXPECT_TRUE(numbers.insert(entry.GetGameNumber()).second) << "game number used twice";
            TPuzzleInfo record;
            TMemoryStream stream;
            catalogue.OpenGame(issue.GetIssueNumber(), entry.GetGameNumber(), record, stream);
            EXPECT_EQ(record.GetGameNumber(), entry.GetGameNumber());
            EXPECT_TRUE(names.insert(record.GameNameTrimmed()).second) << "name used twice";
            EXPECT_NE(record.GameNameTrimmed().rfind("Game ", 0), 0u) << "a name that says nothing";
            kinds.insert(record.IsEnciphered() ? 'F' : 'P');
            features["play " + std::to_string(record.GetPlayMode())]++;
            features["aid " + std::to_string(record.GetAidFlags())]++;
            features["pencil " + std::to_string(record.GetPencilFlags())]++;

            TGrade grade;
            ASSERT_TRUE(GradeOfDescription(record.GameDescriptionTrimmed(), grade)) << record.GameDescriptionTrimmed();
            layoutGrades.insert({record.GetLayoutType(), GradeRank(grade)});
            // The first four issues predate the ladder and keep their order.
            if (issue.GetIssueNumber() > 4) {
                EXPECT_GE(GradeRank(grade), previousRank) << "not ordered from easiest to hardest";
            }
            previousRank = GradeRank(grade);

            auto pyramid = TPuzzleXLink::CreateFromHeader(record, nullptr, 1, 1);
            stream.SetPosition(0);
            ASSERT_NO_THROW(pyramid->LoadFromStream(stream));
            if (g != 0 && g + 1 != issue.Games().size()) {
                continue;
            }
            ++solved;
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
            pyramid->SolvePyramid(TMethodSet::All());
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

            // The methods up to the grade finish it, those below do not, and
            // a pyramid grade has a child that its own givens leave unfinished.
            TPyramidSolution solution;
            TPyramidGivens flags;
            SplitStream(record.GetLayoutType(), stream.Memory(), solution, flags);
            const TGradeReport report = GradePyramid(solution, flags);
            EXPECT_TRUE(report.Solvable);
            EXPECT_EQ(record.GameDescriptionTrimmed(), DescribeGrade(report.Grade, report.GivenCount));
        }
    }
    EXPECT_EQ(games, catalogue.GameCount());
    EXPECT_EQ(solved, 2 * catalogue.IssueCount());
    for (int layout = 0; layout < 14; ++layout) {
        for (int rank = 0; rank < 2 * MethodLevelCount; ++rank) {
            const TGrade grade{static_cast<TMethodLevel>(rank % MethodLevelCount), rank >= MethodLevelCount};
            const bool allowed = GradeFitsLayout(grade, static_cast<uint8_t>(layout));
            EXPECT_EQ(layoutGrades.count({layout, rank}), allowed ? 1u : 0u)
                << "layout " << layout << " " << GradeName(grade);
        }
    }
    EXPECT_EQ(kinds.size(), 2u);
    for (const char* setting :
         {"play 0", "play 2", "aid 15", "aid 248", "aid 175", "pencil 0", "pencil 1", "pencil 2"}) {
        EXPECT_GE(features[setting], 3) << setting;
    }
    fs::remove_all(folder);
}

// Saved games refer to the games of the first four issues by issue and number
// and the catalogue by position: however the generator or the signing keys
// change, their payloads must not. Every bundled file must verify.
TEST(BundledIssuesTest, TheFirstFourIssuesKeepTheirPayloads)
{
    const std::pair<const char*, const char*> pinned[] = {
        {"TAVREL01.ISS", "ce00e39988c2bf75ab00781d9e0d633e"},
        {"TAVREL02.ISS", "329be2e07237a40ecca9b4dda579ebd6"},
        {"TAVREL03.ISS", "93059e15a134d08f75b6df805804164d"},
        {"TAVREL04.ISS", "1de02b65e87aaf056b1bb8bab947180d"},
    };
    for (const auto& [name, md5] : pinned) {
        TMemoryStream file(ReadFile(BundledFolder() / name));
        TMemoryStream payload;
        ASSERT_TRUE(VerifyStream(file, payload)) << name;
        uint8_t digest[16];
        ASSERT_TRUE(GetStreamHash(1, payload, digest));
        std::string hex;
        for (const uint8_t byte : digest) {
            hex += Format("%02x", byte);
        }
        EXPECT_EQ(hex, md5) << name;
    }
    int verified = 0;
    for (const auto& entry : fs::directory_iterator(BundledFolder())) {
        if (entry.path().extension() != ".ISS") {
            continue;
        }
        TMemoryStream file(ReadFile(entry.path()));
        TMemoryStream payload;
        EXPECT_TRUE(VerifyStream(file, payload)) << entry.path();
        ++verified;
    }
    EXPECT_GE(verified, 16);
}

TEST(BundledIssuesTest, GenerateCommandIsRepeatable)
{
    const fs::path program = fs::path(TAVREL_BIN_DIR) / "tavrel-issue";
    const fs::path folder = fs::temp_directory_path() / "tavrel-generate-command";
    fs::remove_all(folder);
    fs::create_directories(folder);
    auto run = [&](const std::string& Arguments) {
        std::string command =
            "\"" + program.string() + "\" generate " + Arguments + " > \"" + (folder / "out.txt").string() + "\" 2>&1";
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
