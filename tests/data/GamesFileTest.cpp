// The games catalogue over real issue files in temporary program folders.

#include "DataTestFiles.h"
#include "FullDiskLayer.h"

#include "DataFields.h"
#include "DistributionFile.h"
#include "GamesFile.h"
#include "IssueWriter.h"

#include "Exception.h"
#include "MemoryStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

namespace {

class GamesFileTest : public ::testing::Test {
protected:
    // Writes an issue file of Count sample games numbered from First.
    std::vector<TPublishedGame> AddIssue(const std::string& Name, uint32_t IssueNumber, uint32_t First, int Count)
    {
        std::vector<TPublishedGame> games = SampleGames(First, Count);
        WriteIssueFile(Folder.Issue(Name), SampleHeader(IssueNumber), games, 1 + IssueNumber % 10);
        return games;
    }

    std::vector<std::string> IssueNames(const TGamesDataFile& Catalogue)
    {
        std::vector<std::string> names;
        for (int i = 0; i < Catalogue.IssueCount(); ++i) {
            names.push_back(Catalogue.Issue(i).GetFileName());
        }
        return names;
    }

    TTempProgramFolder Folder;
    TRecordingReporter Reporter;
};

TEST_F(GamesFileTest, FirstStartTakesInEveryIssueInNameOrderAndSaves)
{
    const auto second = AddIssue("b.iss", 20, 200, 3);
    const auto first = AddIssue("A.ISS", 10, 100, 4);
    AddIssue("C.ISX", 30, 300, 1);
    std::filesystem::create_directory(Folder.Issue("D.ISS"));

    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    EXPECT_TRUE(Reporter.Quiet());
    EXPECT_EQ(IssueNames(catalogue), (std::vector<std::string>{"A.ISS", "b.iss"}));
    EXPECT_EQ(catalogue.GameCount(), 7u);

    const TIssueEntry& issue = catalogue.Issue(0);
    EXPECT_EQ(issue.GetVersion(), 1u);
    EXPECT_EQ(issue.GetIssueNumber(), 10u);
    EXPECT_EQ(issue.GetDescription(), "Issue 10");
    EXPECT_EQ(issue.GetGameCount(), 4u);
    EXPECT_EQ(issue.Bytes()[TIssueEntry::ofsKind], 'F');
    ASSERT_EQ(issue.Games().size(), 4u);
    TDistributionFile file(Folder.Issue("A.ISS"));
    for (int i = 0; i < 4; ++i) {
        const TGameEntry& game = issue.Games()[static_cast<size_t>(i)];
        const TPuzzleInfo& record = first[static_cast<size_t>(i)].Record;
        EXPECT_EQ(game.GetGameNumber(), record.GetGameNumber());
        EXPECT_EQ(game.GetIssueNumber(), 10u);
        EXPECT_EQ(game.GetLayoutType(), record.GetLayoutType());
        EXPECT_EQ(game.GetRecordFormat(), 1u);
        EXPECT_EQ(game.GetRebuildFlag(), 1u);
        EXPECT_EQ(game.GetGameName(), record.GetGameName());
        EXPECT_EQ(game.GetGameDescription(), record.GetGameDescription());
        EXPECT_EQ(game.GetStreamKind(), first[static_cast<size_t>(i)].StreamKind);
        EXPECT_EQ(game.GetRecordPosition(), file.RecordPosition(i));
    }

    const std::vector<uint8_t> saved = ReadFileBytes(Folder.GamesDat());
    ASSERT_EQ(saved.size(), 12u + 2 * 212 + 7 * 160);
    EXPECT_EQ(DataFields::GetUInt32(&saved[0]), 1u);
    EXPECT_EQ(DataFields::GetUInt32(&saved[4]), 2u);
    EXPECT_EQ(DataFields::GetUInt32(&saved[8]), 7u);
    EXPECT_EQ(DataFields::GetText(&saved[12 + 73], 64), "A.ISS");
    EXPECT_EQ(DataFields::GetUInt32(&saved[12 + 204]), 4u);
    EXPECT_EQ(DataFields::GetText(&saved[12 + 212 + 4 * 160 + 73], 64), "b.iss");
    EXPECT_FALSE(std::filesystem::exists(Folder.GamesDat() + ".new"));
}

TEST_F(GamesFileTest, LaterStartsAddOnlyNewOrRenamedFiles)
{
    AddIssue("A.ISS", 10, 100, 2);
    {
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
    }
    const std::vector<uint8_t> afterFirst = ReadFileBytes(Folder.GamesDat());

    {
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
        EXPECT_EQ(catalogue.IssueCount(), 1);
    }
    EXPECT_EQ(ReadFileBytes(Folder.GamesDat()), afterFirst);

    std::filesystem::rename(Folder.Issue("A.ISS"), Folder.Issue("Renamed.ISS"));
    AddIssue("B.ISS", 11, 110, 1);
    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    EXPECT_EQ(IssueNames(catalogue), (std::vector<std::string>{"A.ISS", "B.ISS", "Renamed.ISS"}));
    EXPECT_EQ(catalogue.GameCount(), 5u);
    EXPECT_TRUE(Reporter.Quiet());
    // The first of two entries of the same issue number wins.
    EXPECT_EQ(catalogue.IssueIndex(10), 0);
    EXPECT_EQ(catalogue.IssueIndex(11), 1);
    EXPECT_EQ(catalogue.IssueIndex(99), -1);
    EXPECT_EQ(catalogue.IssueByNumber(99).GetFileName(), "A.ISS");
    EXPECT_EQ(catalogue.Issue(7).GetFileName(), "A.ISS");
}

TEST_F(GamesFileTest, LongFileNames)
{
    const std::string name64 = std::string(60, 'n') + ".ISS";
    const std::string name65 = std::string(61, 'm') + ".ISS";
    AddIssue(name64, 1, 10, 1);
    AddIssue(name65, 2, 20, 1);
    AddIssue("z.ISS", 3, 30, 1);
    {
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
        EXPECT_EQ(IssueNames(catalogue), (std::vector<std::string>{name64, "z.ISS"}));
        ASSERT_EQ(Reporter.Messages.size(), 1u);
        EXPECT_EQ(Reporter.Messages[0], "Issue file " + name65 + " is not used: its name is longer than 64 characters");
    }
    const std::vector<uint8_t> saved = ReadFileBytes(Folder.GamesDat());
    // A name that fills its field is stored without NUL: the next field follows.
    EXPECT_EQ(std::string(saved.begin() + 12 + 73, saved.begin() + 12 + 137), name64);

    // Reported once, not at every start.
    Reporter.Messages.clear();
    TGamesDataFile again(Folder.Folder(), Reporter);
    EXPECT_EQ(again.IssueCount(), 2);
    EXPECT_TRUE(Reporter.Quiet());
}

#if !defined(_WIN32)
TEST_F(GamesFileTest, NamesThatCouldNotBeOpenedAgainAreNotTakenIn)
{
    // Legal file names here, but no game of them could be opened later.
    AddIssue("a:b.ISS", 1, 10, 1);
    AddIssue("c\\d.ISS", 2, 20, 1);
    AddIssue("e.ISS", 3, 30, 1);
    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    EXPECT_EQ(IssueNames(catalogue), (std::vector<std::string>{"e.ISS"}));
    ASSERT_EQ(Reporter.Messages.size(), 2u);
    EXPECT_EQ(Reporter.Messages[0], "Issue file a:b.ISS is not used: its name holds a path character");
}
#endif

TEST_F(GamesFileTest, FindingAndOpeningGames)
{
    const auto a = AddIssue("A.ISS", 10, 100, 4);
    const auto b = AddIssue("B.ISS", 20, 200, 5);
    TGamesDataFile catalogue(Folder.Folder(), Reporter);

    for (const auto* games : {&a, &b}) {
        for (const TPublishedGame& game : *games) {
            const uint32_t number = game.Record.GetGameNumber();
            SCOPED_TRACE(number);
            EXPECT_EQ(catalogue.FindGame(number).GetGameNumber(), number);
            TPuzzleInfo record;
            TMemoryStream stream;
            catalogue.OpenGame(0, number, record, stream);
            EXPECT_EQ(record.GetGameNumber(), number);
            EXPECT_EQ(record.GetGameName(), game.Record.GetGameName());
            EXPECT_EQ(stream.GetPosition(), 0);
            EXPECT_EQ(stream.Memory(), game.PuzzleStream);
        }
    }

    EXPECT_EQ(catalogue.FindGame(555).GetGameNumber(), 100u);
    TPuzzleInfo record;
    TMemoryStream stream;
    catalogue.OpenGame(20, 555, record, stream);
    EXPECT_EQ(record.GetGameNumber(), 100u);
    EXPECT_EQ(stream.Memory(), a[0].PuzzleStream);

    std::filesystem::remove(Folder.Issue("B.ISS"));
    const std::string message = MessageOf([&] { catalogue.OpenGame(0, 201, record, stream); });
    EXPECT_NE(message.find("B.ISS"), std::string::npos) << message;
}

TEST_F(GamesFileTest, CataloguesWithoutGamesToFallBackOn)
{
    {
        TGamesDataFile empty(Folder.Folder(), Reporter);
        EXPECT_EQ(empty.IssueCount(), 0);
        EXPECT_EQ(ReadFileBytes(Folder.GamesDat()), std::vector<uint8_t>({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(MessageOf([&] { empty.FindGame(1); }), "There are no games listed in the games file");
        EXPECT_EQ(MessageOf([&] { empty.Issue(0); }), "There are no issues listed in the games file");
    }
    AddIssue("A.ISS", 10, 100, 0);
    AddIssue("B.ISS", 20, 200, 2);
    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    ASSERT_EQ(catalogue.IssueCount(), 2);
    EXPECT_EQ(catalogue.FindGame(201).GetGameNumber(), 201u);
    EXPECT_EQ(MessageOf([&] { catalogue.FindGame(5); }),
              "Game 5 is not listed in the games file and its first issue has no games");
    EXPECT_TRUE(Reporter.Quiet());
}

TEST_F(GamesFileTest, ABadIssueFileIsPassedOverOnceAndTheOthersGoOn)
{
    AddIssue("A.ISS", 10, 100, 2);
    AddIssue("B.ISS", 20, 200, 2);
    AddIssue("C.ISS", 30, 300, 2);
    std::vector<uint8_t> bad = ReadFileBytes(Folder.Issue("B.ISS"));
    bad.back() ^= 1;
    WriteFileBytes(Folder.Issue("B.ISS"), bad);
    {
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
        EXPECT_EQ(IssueNames(catalogue), (std::vector<std::string>{"A.ISS", "C.ISS"}));
        EXPECT_TRUE(Reporter.Messages.empty());
        EXPECT_EQ(Reporter.InstallationErrors,
                  (std::vector<std::string>{"Invalid file " + Folder.Issue("B.ISS") + " - Wrong signature"}));
    }
    // The next start neither reads it again nor tells of it again.
    Reporter.InstallationErrors.clear();
    {
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
        EXPECT_EQ(IssueNames(catalogue), (std::vector<std::string>{"A.ISS", "C.ISS"}));
        EXPECT_TRUE(Reporter.Quiet());
    }
    // Mended, it is taken in.
    AddIssue("B.ISS", 20, 200, 2);
    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    EXPECT_EQ(IssueNames(catalogue), (std::vector<std::string>{"A.ISS", "C.ISS", "B.ISS"}));
    EXPECT_TRUE(Reporter.Quiet());
}

TEST_F(GamesFileTest, AGameListedTwiceOpensFromTheEntryWhoseFileIsThere)
{
    const auto games = AddIssue("A.ISS", 10, 100, 2);
    {
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
    }
    std::filesystem::rename(Folder.Issue("A.ISS"), Folder.Issue("Renamed.ISS"));
    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    ASSERT_EQ(IssueNames(catalogue), (std::vector<std::string>{"A.ISS", "Renamed.ISS"}));
    TPuzzleInfo record;
    TMemoryStream stream;
    catalogue.OpenGame(0, 101, record, stream);
    EXPECT_EQ(record.GetGameNumber(), 101u);
    EXPECT_EQ(stream.Memory(), games[1].PuzzleStream);
    EXPECT_TRUE(Reporter.Quiet());
    EXPECT_EQ(catalogue.FirstGames(), (std::vector<std::pair<uint32_t, uint32_t>>{{10, 100}, {10, 100}}));
    EXPECT_TRUE(catalogue.ListsGame(101));
    EXPECT_FALSE(catalogue.ListsGame(102));
}

TEST_F(GamesFileTest, TwoCopiesWriteInTurnAndTheLaterKeepsWhatTheEarlierWrote)
{
    AddIssue("A.ISS", 10, 100, 1);
    TGamesDataFile first(Folder.Folder(), Reporter);
    TGamesDataFile second(Folder.Folder(), Reporter);
    const TTempProgramFolder elsewhere;
    WriteIssueFile(elsewhere.Issue("B.ISS"), SampleHeader(20), SampleGames(200, 1), 2);
    WriteIssueFile(elsewhere.Issue("C.ISS"), SampleHeader(30), SampleGames(300, 1), 3);
    first.AddIssueFile(elsewhere.Issue("B.ISS"));
    // The second copy never saw B.ISS taken in; its own addition keeps it.
    second.AddIssueFile(elsewhere.Issue("C.ISS"));
    EXPECT_TRUE(Reporter.Quiet());
    TGamesDataFile after(Folder.Folder(), Reporter);
    EXPECT_EQ(IssueNames(after), (std::vector<std::string>{"A.ISS", "B.ISS", "C.ISS"}));
    EXPECT_EQ(after.GameCount(), 3u);
    // No temporary of either is left.
    const std::set<std::string> expected = {"A.ISS", "B.ISS", "C.ISS", "GAMES.DAT", "GAMES.DAT.lock"};
    for (const auto& entry : std::filesystem::directory_iterator(Folder.Issue(""))) {
        EXPECT_EQ(expected.count(entry.path().filename().string()), 1u) << entry.path();
    }
}

class DamagedGamesDatTest : public GamesFileTest {
protected:
    // A sound GAMES.DAT listing A.ISS (3 games) and B.ISS (2 games).
    void SetUp() override
    {
        AddIssue("A.ISS", 10, 100, 3);
        AddIssue("B.ISS", 20, 200, 2);
        {
            TGamesDataFile catalogue(Folder.Folder(), Reporter);
        }
        Sound = ReadFileBytes(Folder.GamesDat());
        ASSERT_EQ(Sound.size(), 12u + 2 * 212 + 5 * 160);
    }
    std::vector<uint8_t> Sound;
};

TEST_F(DamagedGamesDatTest, WrongCountsAreReportedAndWhatWasReadIsKept)
{
    std::vector<uint8_t> damaged = Sound;
    DataFields::PutUInt32(&damaged[4], 3);
    DataFields::PutUInt32(&damaged[8], 9);
    WriteFileBytes(Folder.GamesDat(), damaged);
    {
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
        EXPECT_EQ(Reporter.Messages,
                  (std::vector<std::string>{"Problem with GAMES.DAT file. Expected 3 issues, 9 games: found 2 and 5"}));
        EXPECT_EQ(IssueNames(catalogue), (std::vector<std::string>{"A.ISS", "B.ISS"}));
        EXPECT_EQ(catalogue.GameCount(), 5u);
    }
    // Saved back in agreement with its entries: the next start is quiet.
    EXPECT_EQ(ReadFileBytes(Folder.GamesDat()), Sound);
    Reporter.Messages.clear();
    TGamesDataFile again(Folder.Folder(), Reporter);
    EXPECT_TRUE(Reporter.Quiet());
}

TEST_F(DamagedGamesDatTest, AGameCountAloneThatDisagreesIsReported)
{
    for (const uint32_t stated : {4u, 6u}) {
        std::vector<uint8_t> damaged = Sound;
        DataFields::PutUInt32(&damaged[8], stated);
        WriteFileBytes(Folder.GamesDat(), damaged);
        Reporter.Messages.clear();
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
        EXPECT_EQ(Reporter.Messages, (std::vector<std::string>{"Problem with GAMES.DAT file. Expected 2 issues, " +
                                                               std::to_string(stated) + " games: found 2 and 5"}));
        EXPECT_EQ(catalogue.GameCount(), 5u);
        EXPECT_EQ(ReadFileBytes(Folder.GamesDat()), Sound);
    }
}

TEST_F(DamagedGamesDatTest, SurplusEntriesAreNeverHeld)
{
    std::vector<uint8_t> damaged = Sound;
    DataFields::PutUInt32(&damaged[4], 1);
    WriteFileBytes(Folder.GamesDat(), damaged);
    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    EXPECT_EQ(Reporter.Messages,
              (std::vector<std::string>{"Problem with GAMES.DAT file. Expected 1 issues, 5 games: found 2 and 5"}));
    // B.ISS is no longer listed, so its file is taken in afresh.
    EXPECT_EQ(IssueNames(catalogue), (std::vector<std::string>{"A.ISS", "B.ISS"}));
    EXPECT_EQ(catalogue.GameCount(), 5u);
    EXPECT_EQ(ReadFileBytes(Folder.GamesDat()), Sound);
}

TEST_F(DamagedGamesDatTest, CutShortKeepsWholeEntries)
{
    for (const size_t cut : {size_t{12 + 212 + 3 * 160 + 100}, size_t{12 + 212 + 3 * 160 + 212 + 10}}) {
        SCOPED_TRACE(cut);
        WriteFileBytes(Folder.GamesDat(), std::vector<uint8_t>(Sound.begin(), Sound.begin() + cut));
        std::filesystem::rename(Folder.Issue("B.ISS"), Folder.Issue("B.hidden"));
        Reporter.Messages.clear();
        {
            TGamesDataFile catalogue(Folder.Folder(), Reporter);
            EXPECT_EQ(Reporter.Messages, (std::vector<std::string>{"Stream read error"}));
            EXPECT_EQ(IssueNames(catalogue), (std::vector<std::string>{"A.ISS"}));
            EXPECT_EQ(catalogue.GameCount(), 3u);
        }
        std::filesystem::rename(Folder.Issue("B.hidden"), Folder.Issue("B.ISS"));
        Reporter.Messages.clear();
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
        EXPECT_TRUE(Reporter.Quiet());
        EXPECT_EQ(IssueNames(catalogue), (std::vector<std::string>{"A.ISS", "B.ISS"}));
    }
    // A header cut short is a new catalogue.
    WriteFileBytes(Folder.GamesDat(), std::vector<uint8_t>(Sound.begin(), Sound.begin() + 11));
    Reporter.Messages.clear();
    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    EXPECT_TRUE(Reporter.Quiet());
    EXPECT_EQ(ReadFileBytes(Folder.GamesDat()), Sound);
}

TEST_F(DamagedGamesDatTest, AFailedSaveLeavesTheOldCatalogueWhole)
{
    AddIssue("C.ISS", 30, 300, 1);
    TFullDiskLayer full;
    const TScopedWriteLayer scoped(full);
    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    EXPECT_EQ(catalogue.IssueCount(), 3);
    ASSERT_EQ(Reporter.Messages.size(), 1u);
    EXPECT_EQ(Reporter.Messages[0], "Cannot write " + Folder.GamesDat() + ": No space left on device");
    EXPECT_EQ(ReadFileBytes(Folder.GamesDat()), Sound);
}

// One damaged entry never leaves an issue's games unplayable: each damage
// the file can take is mended at the next start or the next opening.
TEST_F(DamagedGamesDatTest, DamagedEntriesRepairThemselves)
{
    const auto opens = [&](TGamesDataFile& Catalogue, uint32_t Game) {
        TPuzzleInfo record;
        TMemoryStream stream;
        Catalogue.OpenGame(0, Game, record, stream);
        return record.GetGameNumber() == Game;
    };
    const size_t issueA = 12;
    const size_t gameA1 = issueA + 212 + 160;
    const size_t issueB = issueA + 212 + 3 * 160;

    // A game count: the damage is told, every issue read again from its file.
    std::vector<uint8_t> damaged = Sound;
    DataFields::PutUInt32(&damaged[issueA + TIssueEntry::ofsGameCount], 4);
    WriteFileBytes(Folder.GamesDat(), damaged);
    {
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
        ASSERT_EQ(Reporter.Messages.size(), 1u);
        EXPECT_EQ(IssueNames(catalogue), (std::vector<std::string>{"A.ISS", "B.ISS"}));
        EXPECT_EQ(catalogue.GameCount(), 5u);
        EXPECT_TRUE(opens(catalogue, 102));
        EXPECT_TRUE(opens(catalogue, 201));
    }
    EXPECT_EQ(ReadFileBytes(Folder.GamesDat()), Sound);

    // A record position: the opening reads the file again and saves the mend.
    damaged = Sound;
    DataFields::PutUInt32(&damaged[gameA1 + TGameEntry::ofsRecordPosition], 130);
    WriteFileBytes(Folder.GamesDat(), damaged);
    Reporter.Messages.clear();
    {
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
        EXPECT_TRUE(opens(catalogue, 101));
        EXPECT_TRUE(Reporter.Quiet());
    }
    EXPECT_EQ(ReadFileBytes(Folder.GamesDat()), Sound);

    // A file name: the file is taken in again under its own name and its
    // games open from there.
    damaged = Sound;
    damaged[issueB + TIssueEntry::ofsFileName] = 'X';
    WriteFileBytes(Folder.GamesDat(), damaged);
    {
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
        EXPECT_TRUE(opens(catalogue, 200));
        EXPECT_TRUE(opens(catalogue, 201));
        EXPECT_TRUE(Reporter.Quiet());
    }

    // A damaged entry that cannot be mended still leaves the others.
    damaged = Sound;
    DataFields::PutUInt32(&damaged[gameA1 + TGameEntry::ofsRecordPosition], 130);
    WriteFileBytes(Folder.GamesDat(), damaged);
    std::filesystem::remove(Folder.Issue("A.ISS"));
    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    EXPECT_THROW(opens(catalogue, 101), Exception);
    EXPECT_TRUE(opens(catalogue, 200));
    EXPECT_EQ(catalogue.FirstGames(), (std::vector<std::pair<uint32_t, uint32_t>>{{10, 100}, {20, 200}}));
}

}  // namespace
