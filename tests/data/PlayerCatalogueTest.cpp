// The catalogue of an installed copy: the program's issue files are only
// read, the catalogue and the player's own issue files live in the player's
// folder, and the two folders are kept apart.

#include "DataTestFiles.h"

#include "CatalogueFolders.h"
#include "DataFields.h"
#include "GamesFile.h"
#include "IssueWriter.h"

#include "MemoryStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class PlayerCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ofstream(Program.Folder() + InstallMarkerName) << "installed\n";
        fs::create_directories(Folders().PlayerIssues());
    }

    TCatalogueFolders Folders() const { return TCatalogueFolders::Of(Program.Folder(), Player.Folder() + "data"); }
    std::string PlayerIssue(const std::string& Name) const { return Folders().PlayerIssues() + Name; }

    std::vector<TPublishedGame> Write(const std::string& FileName, uint32_t IssueNumber, uint32_t First, int Count)
    {
        std::vector<TPublishedGame> games = SampleGames(First, Count);
        WriteIssueFile(FileName, SampleHeader(IssueNumber), games, 1 + IssueNumber % 10);
        return games;
    }

    // The listing of the program folder, which nothing may change.
    std::vector<std::string> ProgramFiles() const
    {
        std::vector<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(Program.Folder()))
            files.push_back(entry.path().string() + ":" +
                            std::to_string(entry.is_regular_file() ? entry.file_size() : 0));
        std::sort(files.begin(), files.end());
        return files;
    }

    std::vector<std::string> Names(const TGamesDataFile& Catalogue) const
    {
        std::vector<std::string> names;
        for (int i = 0; i < Catalogue.IssueCount(); ++i)
            names.push_back(Catalogue.Issue(i).GetFileName());
        return names;
    }

    // The game's puzzle stream as the catalogue opens it.
    static std::vector<uint8_t> Open(TGamesDataFile& Catalogue, uint32_t Game)
    {
        TPuzzleInfo record;
        TMemoryStream stream;
        Catalogue.OpenGame(0, Game, record, stream);
        return stream.Memory();
    }

    TTempProgramFolder Program;
    TTempProgramFolder Player;
    TRecordingReporter Reporter;
};

TEST_F(PlayerCatalogueTest, TheMarkerAloneDecidesAndAnInstalledCopyWritesOnlyThePlayersFolder)
{
    EXPECT_FALSE(TCatalogueFolders::Of(Player.Folder(), Program.Folder()).Installed());
    EXPECT_EQ(TCatalogueFolders::Of(Player.Folder(), Program.Folder()).CatalogueFile(), Player.GamesDat());
    const auto bundled = Write(Program.Issue("A.ISS"), 10, 100, 3);
    const auto own = Write(Player.Folder() + "own.ISS", 20, 200, 2);
    const std::vector<std::string> before = ProgramFiles();
    {
        TGamesDataFile catalogue(Folders(), Reporter);
        EXPECT_EQ(catalogue.FileName(), Player.Folder() + "data/GAMES.DAT");
        EXPECT_EQ(Names(catalogue), std::vector<std::string>{"A.ISS"});
        EXPECT_EQ(Open(catalogue, 102), bundled[2].PuzzleStream);
    }
    EXPECT_EQ(ProgramFiles(), before);
    const std::vector<uint8_t> first = ReadFileBytes(Folders().CatalogueFile());

    // A file the player drops into the folder is taken in once, and its
    // games open from there.
    fs::copy_file(Player.Folder() + "own.ISS", PlayerIssue("own.ISS"));
    for (int start = 0; start < 2; ++start) {
        TGamesDataFile catalogue(Folders(), Reporter);
        EXPECT_EQ(Names(catalogue), (std::vector<std::string>{"A.ISS", "own.ISS"}));
        EXPECT_EQ(catalogue.GameCount(), 5u);
        EXPECT_EQ(Open(catalogue, 201), own[1].PuzzleStream);
    }
    const std::vector<uint8_t> second = ReadFileBytes(Folders().CatalogueFile());
    EXPECT_EQ(second.size(), first.size() + 212 + 2 * 160);
    {
        TGamesDataFile catalogue(Folders(), Reporter);
    }
    EXPECT_EQ(ReadFileBytes(Folders().CatalogueFile()), second);
    EXPECT_TRUE(Reporter.Quiet());
    EXPECT_EQ(ProgramFiles(), before);

    // A damaged catalogue is rebuilt from both folders, nothing twice.
    std::vector<uint8_t> damaged = second;
    damaged.resize(12 + 212 + 160);
    WriteFileBytes(Folders().CatalogueFile(), damaged);
    {
        TGamesDataFile catalogue(Folders(), Reporter);
        EXPECT_EQ(Reporter.Messages.size(), 1u);
        EXPECT_EQ(Names(catalogue), (std::vector<std::string>{"A.ISS", "own.ISS"}));
        EXPECT_EQ(catalogue.GameCount(), 5u);
    }
    EXPECT_EQ(ReadFileBytes(Folders().CatalogueFile()), second);
}

TEST_F(PlayerCatalogueTest, AChangedFileIsReadAgainInPlaceNeverThroughItsOldPositions)
{
    Write(Program.Issue("A.ISS"), 10, 100, 2);
    Write(Program.Issue("B.ISS"), 30, 300, 1);
    Write(PlayerIssue("own.ISS"), 20, 200, 2);
    {
        TGamesDataFile catalogue(Folders(), Reporter);
    }

    // The upgrade's A.ISS holds other games at other places.
    const auto upgraded = Write(Program.Issue("A.ISS"), 10, 110, 4);
    {
        TGamesDataFile catalogue(Folders(), Reporter);
        EXPECT_TRUE(Reporter.Quiet());
        EXPECT_EQ(Names(catalogue), (std::vector<std::string>{"A.ISS", "B.ISS", "own.ISS"}));
        EXPECT_EQ(catalogue.GameCount(), 7u);
        EXPECT_EQ(catalogue.Issue(0).Games().size(), 4u);
        EXPECT_EQ(Open(catalogue, 113), upgraded[3].PuzzleStream);
        // A game the old file had and the new one lacks is not opened from
        // wrong places: the first game stands in, as for any unknown number.
        EXPECT_EQ(catalogue.FindGame(101).GetGameNumber(), 110u);

        // Changed again while the catalogue is open: never opened through
        // the old places, but read again in full and opened from the new.
        const auto again = Write(Program.Issue("A.ISS"), 10, 110, 5);
        EXPECT_EQ(Open(catalogue, 114), again[4].PuzzleStream);
        EXPECT_EQ(catalogue.Issue(0).Games().size(), 5u);
        EXPECT_EQ(catalogue.GameCount(), 8u);
        EXPECT_TRUE(Reporter.Quiet());
    }

    // A changed file that cannot be read keeps its entry, but no game of it
    // opens; the other files go on.
    std::vector<uint8_t> bad = ReadFileBytes(Program.Issue("A.ISS"));
    bad.back() ^= 1;
    WriteFileBytes(Program.Issue("A.ISS"), bad);
    TGamesDataFile catalogue(Folders(), Reporter);
    EXPECT_EQ(Reporter.InstallationErrors.size(), 1u);
    EXPECT_EQ(Names(catalogue), (std::vector<std::string>{"A.ISS", "B.ISS", "own.ISS"}));
    EXPECT_NE(MessageOf([&] { Open(catalogue, 110); }), "(no exception)");
    EXPECT_EQ(Open(catalogue, 300).size(), SampleGames(300, 1)[0].PuzzleStream.size());
}

TEST_F(PlayerCatalogueTest, RefusedPlayerFilesAreReportedOnceAndTheOthersGoOn)
{
    Write(Program.Issue("A.ISS"), 10, 100, 2);
    Write(PlayerIssue("A.ISS"), 11, 110, 1);     // the name of a file that came with the game
    Write(PlayerIssue("copy.ISS"), 10, 100, 2);  // an issue listed already
    Write(PlayerIssue("bad.ISS"), 12, 120, 1);
    Write(PlayerIssue("good.ISS"), 13, 130, 1);
    std::vector<uint8_t> bad = ReadFileBytes(PlayerIssue("bad.ISS"));
    bad.back() ^= 1;
    WriteFileBytes(PlayerIssue("bad.ISS"), bad);

    const std::vector<std::string> expected = {
        "Issue file A.ISS in " + Folders().PlayerIssues() +
            " is not used: an issue file of that name came with the game",
        "Invalid file " + PlayerIssue("bad.ISS") + " - Wrong signature",
        "Issue file copy.ISS in " + Folders().PlayerIssues() + " is not used: its issue 10 is listed already as A.ISS",
    };
    for (int start = 0; start < 2; ++start) {
        TGamesDataFile catalogue(Folders(), Reporter);
        EXPECT_EQ(Names(catalogue), (std::vector<std::string>{"A.ISS", "good.ISS"}));
        EXPECT_EQ(catalogue.Issue(0).Games().size(), 2u);
    }
    EXPECT_EQ(Reporter.Messages, expected);
    EXPECT_TRUE(Reporter.InstallationErrors.empty());

    // Mended, the file is taken in.
    Write(PlayerIssue("bad.ISS"), 12, 120, 2);
    TGamesDataFile catalogue(Folders(), Reporter);
    EXPECT_EQ(Names(catalogue), (std::vector<std::string>{"A.ISS", "good.ISS", "bad.ISS"}));
    EXPECT_EQ(Reporter.Messages.size(), 3u);
}

TEST_F(PlayerCatalogueTest, AddingAFileCopiesItIntoThePlayersFolderOrRefusesIt)
{
    Write(Program.Issue("A.ISS"), 10, 100, 2);
    const auto added = Write(Player.Folder() + "new.ISS", 20, 200, 3);
    Write(Player.Folder() + "A.ISS", 21, 210, 1);
    Write(Player.Folder() + "again.ISS", 20, 200, 1);
    Write(Player.Folder() + "bad.ISS", 22, 220, 1);
    std::vector<uint8_t> bad = ReadFileBytes(Player.Folder() + "bad.ISS");
    bad[bad.size() / 2] ^= 1;
    WriteFileBytes(Player.Folder() + "bad.ISS", bad);
    {
        TGamesDataFile catalogue(Folders(), Reporter);
        EXPECT_EQ(catalogue.AddIssueFile(Player.Folder() + "new.ISS"), 1);
        EXPECT_EQ(Open(catalogue, 202), added[2].PuzzleStream);
        EXPECT_EQ(ReadFileBytes(PlayerIssue("new.ISS")), ReadFileBytes(Player.Folder() + "new.ISS"));

        EXPECT_EQ(MessageOf([&] { catalogue.AddIssueFile(Player.Folder() + "A.ISS"); }),
                  "Issue file A.ISS is not added: an issue file of that name came with the game");
        EXPECT_EQ(MessageOf([&] { catalogue.AddIssueFile(Player.Folder() + "new.ISS"); }),
                  "Issue file new.ISS is not added: an issue file of that name is in " + Folders().PlayerIssues() +
                      " already");
        EXPECT_EQ(MessageOf([&] { catalogue.AddIssueFile(Player.Folder() + "again.ISS"); }),
                  "Issue file again.ISS is not added: its issue 20 is listed already as new.ISS");
        EXPECT_EQ(MessageOf([&] { catalogue.AddIssueFile(Player.Folder() + "bad.ISS"); }),
                  "Invalid file " + Player.Folder() + "bad.ISS - Wrong signature");
        EXPECT_EQ(catalogue.IssueCount(), 2);
        EXPECT_TRUE(Reporter.Quiet());
    }
    for (const char* refused : {"A.ISS", "again.ISS", "bad.ISS", "new.ISS.new"})
        EXPECT_FALSE(fs::exists(PlayerIssue(refused))) << refused;
    TGamesDataFile catalogue(Folders(), Reporter);
    EXPECT_EQ(Names(catalogue), (std::vector<std::string>{"A.ISS", "new.ISS"}));
    EXPECT_TRUE(Reporter.Quiet());

    // A copy run in place adds to its own issue folder.
    Write(Player.Folder() + "own.ISS", 30, 300, 1);
    TGamesDataFile inPlace(Player.Folder(), Reporter);
    EXPECT_EQ(inPlace.AddIssueFile(Player.Folder() + "own.ISS"), 0);
    EXPECT_TRUE(fs::exists(Player.Issue("own.ISS")));
}

}  // namespace
