// tavrel-issue list and catalogue on real folders: the bundled issues copied
// into a program folder of the test's own.

#include "ShellCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

#if defined(TAVREL_HAVE_SHELL)

const std::string Program = std::string(TAVREL_BIN_DIR) + "/tavrel-issue";

int CountLinesStarting(const std::string& Text, const std::string& Prefix)
{
    std::istringstream lines(Text);
    int count = 0;
    for (std::string line; std::getline(lines, line);) {
        count += line.rfind(Prefix, 0) == 0 ? 1 : 0;
    }
    return count;
}

class IssueCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Folder = fs::temp_directory_path() / ("tavrel_issue_commands_" + std::to_string(::getpid()));
        fs::remove_all(Folder);
        fs::create_directories(Folder / "ISSUES");
        for (const auto& entry : fs::directory_iterator(fs::path(TAVREL_BIN_DIR) / "ISSUES")) {
            if (entry.path().extension() == ".ISS") {
                fs::copy_file(entry.path(), Folder / "ISSUES" / entry.path().filename());
                Issues.push_back(Folder / "ISSUES" / entry.path().filename());
            }
        }
        ASSERT_FALSE(Issues.empty()) << "the build bundles issue files";
    }
    void TearDown() override { fs::remove_all(Folder); }

    fs::path Folder;
    std::vector<fs::path> Issues;
};

TEST_F(IssueCommandsTest, CatalogueTakesTheIssuesInOnceAndListsEveryGame)
{
    int status = -1;
    const std::string first = Shell(Program + " catalogue " + Folder.string(), &status);
    EXPECT_EQ(status, 0) << first;
    EXPECT_TRUE(fs::exists(Folder / "ISSUES" / "GAMES.DAT"));
    EXPECT_EQ(CountLinesStarting(first, "issue "), static_cast<int>(Issues.size())) << first;

    int games = 0;
    for (const fs::path& issue : Issues) {
        const std::string listed = Shell(Program + " list " + issue.string(), &status);
        EXPECT_EQ(status, 0) << listed;
        games += CountLinesStarting(listed, "  game ");
    }
    EXPECT_EQ(CountLinesStarting(first, "  game "), games) << "the catalogue lists the games the files hold";

    const std::string second = Shell(Program + " catalogue " + Folder.string(), &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(second, first) << "a second start adds nothing";
}

TEST_F(IssueCommandsTest, ADamagedIssueIsRefusedAndReported)
{
    const fs::path damaged = Folder / "ISSUES" / "DAMAGED.ISS";
    fs::copy_file(Issues.front(), damaged);
    {
        std::fstream file(damaged, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(-1, std::ios::end);
        file.put('\x5A');
    }
    int status = -1;
    const std::string listed = Shell(Program + " list " + damaged.string(), &status);
    EXPECT_EQ(status, 1) << listed;
    EXPECT_NE(listed.find("Invalid file " + damaged.string() + " - Wrong signature"), std::string::npos) << listed;

    Shell(Program + " list " + (Folder / "MISSING.ISS").string(), &status);
    EXPECT_EQ(status, 2);

    const std::string catalogue = Shell(Program + " catalogue " + Folder.string(), &status);
    EXPECT_EQ(status, 2) << "the take-in failure was reported";
    EXPECT_NE(catalogue.find("Please check your installation."), std::string::npos) << catalogue;
}

#endif

}  // namespace
