// The games made on this computer: their file, refused whole when damaged or
// foreign, and how the catalogue lists and opens them beside the issues.

#include "DataTestFiles.h"

#include "GamesFile.h"
#include "MadeGames.h"
#include "MadeGamesFormat.h"

#include "Exception.h"
#include "MemoryStream.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A game as the file keeps it: a stream of one record per puzzle whose
// digits are 1 to 9 and whose given flags are 0 or 1.
TMadeGame SampleMadeGame(uint8_t Layout, const std::string& Name)
{
    TMadeGame game;
    game.Record.SetLayoutType(Layout);
    game.Record.SetGameName(Name);
    game.Record.SetIssueNumber(MadeIssueNumber);
    game.Record.SetStreamKind(MadeStreamKind);
    const int puzzles = Layout == 7 ? 2 : 10;
    game.Stream.assign(static_cast<size_t>(puzzles) * 176, 0);
    for (int p = 0; p < puzzles; ++p) {
        for (int cell = 0; cell < 81; ++cell) {
            game.Stream[p * 176 + 12 + cell] = static_cast<uint8_t>(1 + (cell + p) % 9);
            game.Stream[p * 176 + 93 + cell] = static_cast<uint8_t>(cell % 3 == 0);
        }
    }
    return game;
}

TMadeGamesContent SampleContent()
{
    TMadeGamesContent content;
    for (uint8_t layout : {0, 7}) {
        TMadeGame game = SampleMadeGame(layout, "Made " + std::to_string(layout));
        game.Record.SetGameNumber(content.NextGameNumber++);
        content.Games.push_back(game);
    }
    return content;
}

TEST(MadeGamesFormatTest, RoundTripAndEveryKindOfDamageIsRefusedNamingTheFile)
{
    const TMadeGamesContent content = SampleContent();
    const std::vector<uint8_t> bytes = WriteMadeGames(content);
    const TMadeGamesContent read = ReadMadeGames(bytes, "MYGAMES.DAT");
    EXPECT_EQ(read.NextGameNumber, content.NextGameNumber);
    ASSERT_EQ(read.Games.size(), 2u);
    EXPECT_EQ(read.Games[1].Record.Bytes(), content.Games[1].Record.Bytes());
    EXPECT_EQ(read.Games[1].Stream, content.Games[1].Stream);

    // Any changed byte fails the checksum; a cut or a foreign file fails too.
    for (size_t at : {size_t{9}, size_t{40}, bytes.size() / 2, bytes.size() - 1}) {
        std::vector<uint8_t> damaged = bytes;
        damaged[at] ^= 0x10;
        EXPECT_NE(MessageOf([&] { ReadMadeGames(damaged, "/x/MYGAMES.DAT"); }).find("Invalid file /x/MYGAMES.DAT"),
                  std::string::npos)
            << at;
    }
    EXPECT_NE(MessageOf([&] { ReadMadeGames({bytes.begin(), bytes.end() - 1}, "F"); }), "(no exception)");
    EXPECT_NE(MessageOf([&] { ReadMadeGames({}, "F"); }), "(no exception)");
}

TEST(MadeGamesFormatTest, SoundChecksumDoesNotMakeUnsoundGamesAcceptable)
{
    // A file written with a correct checksum over wrong content is still
    // refused: the checks of each game do not lean on the checksum.
    const auto refused = [](const std::function<void(TMadeGamesContent&)>& Spoil) {
        TMadeGamesContent content = SampleContent();
        Spoil(content);
        return MessageOf([&] { ReadMadeGames(WriteMadeGames(content), "F"); }) != "(no exception)";
    };
    EXPECT_FALSE(refused([](TMadeGamesContent&) {}));
    EXPECT_TRUE(refused([](TMadeGamesContent& C) { C.Games[0].Record.SetGameNumber(101); }));  // a publisher's
    EXPECT_TRUE(refused([](TMadeGamesContent& C) { C.Games[1].Record.SetGameNumber(FirstMadeGameNumber); }));
    EXPECT_TRUE(refused([](TMadeGamesContent& C) { C.NextGameNumber = FirstMadeGameNumber + 1; }));
    EXPECT_TRUE(refused([](TMadeGamesContent& C) { C.Games[0].Record.SetIssueNumber(1); }));
    EXPECT_TRUE(refused([](TMadeGamesContent& C) { C.Games[0].Record.SetLayoutType(14); }));
    EXPECT_TRUE(refused([](TMadeGamesContent& C) { C.Games[0].Record.SetStreamKind('F'); }));
    EXPECT_TRUE(refused([](TMadeGamesContent& C) { C.Games[0].Stream.resize(352); }));  // one child's size
    EXPECT_TRUE(refused([](TMadeGamesContent& C) { C.Games[1].Stream[12] = 10; }));
    EXPECT_TRUE(refused([](TMadeGamesContent& C) { C.Games[1].Stream[93] = 2; }));
}

TEST(MadeGamesFormatTest, IssueFileIsNeverTakenForMadeGames)
{
    TTempProgramFolder folder;
    WriteIssueFile(folder.Issue("A.ISS"), SampleHeader(1), SampleGames(101, 2), 1);
    EXPECT_NE(MessageOf([&] {
                  ReadMadeGames(ReadFileBytes(folder.Issue("A.ISS")), "A.ISS");
              }).find("not a file of games made on this computer"),
              std::string::npos);
}

class MadeGamesCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { WriteIssueFile(Folder.Issue("A.ISS"), SampleHeader(1), SampleGames(101, 3), 1); }
    std::string MadeFile() const { return Folder.Issue(MadeGamesFileName); }

    TTempProgramFolder Folder;
    TRecordingReporter Reporter;
};

TEST_F(MadeGamesCatalogueTest, MadeGamesAreListedLastOpenedByNumberAndKeptOutOfGamesDat)
{
    uint32_t first = 0;
    {
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
        EXPECT_EQ(catalogue.IssueCount(), 1);  // no made issue while there are none
        first = catalogue.AddMadeGame(SampleMadeGame(3, "Mine"));
        EXPECT_EQ(first, FirstMadeGameNumber);
        EXPECT_EQ(catalogue.AddMadeGame(SampleMadeGame(7, "Mine too")), FirstMadeGameNumber + 1);
        EXPECT_EQ(catalogue.IssueCount(), 2);
    }
    const std::vector<uint8_t> gamesDat = ReadFileBytes(Folder.GamesDat());
    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    EXPECT_TRUE(Reporter.Quiet());
    ASSERT_EQ(catalogue.IssueCount(), 2);
    const TIssueEntry& made = catalogue.Issue(1);
    EXPECT_TRUE(TGamesDataFile::IsMadeIssue(made));
    EXPECT_FALSE(TGamesDataFile::IsMadeIssue(catalogue.Issue(0)));
    EXPECT_EQ(made.GetDescription(), "Made on this computer");
    ASSERT_EQ(made.Games().size(), 2u);
    EXPECT_EQ(catalogue.IssueIndex(MadeIssueNumber), 1);
    EXPECT_TRUE(catalogue.ListsGame(first + 1));
    EXPECT_EQ(catalogue.FindGame(first + 1).GetGameName(), "Mine too");
    EXPECT_EQ(catalogue.FirstGames().back(), std::make_pair(MadeIssueNumber, first));

    TPuzzleInfo record;
    TMemoryStream stream;
    catalogue.OpenGame(MadeIssueNumber, first + 1, record, stream);
    EXPECT_EQ(record.GetLayoutType(), 7);
    EXPECT_EQ(stream.Memory(), SampleMadeGame(7, "").Stream);
    EXPECT_EQ(stream.GetPosition(), 0);
    // A publisher's game still opens from its issue.
    catalogue.OpenGame(1, 102, record, stream);
    EXPECT_EQ(record.GetGameNumber(), 102u);
    // Saving the catalogue writes no made game into GAMES.DAT.
    ASSERT_TRUE(catalogue.Save());
    EXPECT_EQ(ReadFileBytes(Folder.GamesDat()), gamesDat);
}

TEST_F(MadeGamesCatalogueTest, DeletedNumbersAreNeverHandedOutAgainAndPublishersGamesStay)
{
    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    const uint32_t a = catalogue.AddMadeGame(SampleMadeGame(0, "A"));
    const uint32_t b = catalogue.AddMadeGame(SampleMadeGame(0, "B"));
    EXPECT_TRUE(catalogue.DeleteMadeGame(b));
    EXPECT_FALSE(catalogue.DeleteMadeGame(b));
    EXPECT_FALSE(catalogue.DeleteMadeGame(101));
    EXPECT_TRUE(catalogue.ListsGame(101));
    EXPECT_EQ(catalogue.AddMadeGame(SampleMadeGame(0, "C")), b + 1);
    EXPECT_TRUE(catalogue.DeleteMadeGame(a));
    EXPECT_TRUE(catalogue.DeleteMadeGame(b + 1));
    // With none left the issue goes from the list, and numbering goes on.
    EXPECT_EQ(catalogue.IssueCount(), 1);
    EXPECT_EQ(catalogue.AddMadeGame(SampleMadeGame(0, "D")), b + 2);
}

TEST_F(MadeGamesCatalogueTest, AnotherCopysGameIsKeptWhenThisOneAddsOne)
{
    TGamesDataFile one(Folder.Folder(), Reporter);
    TGamesDataFile two(Folder.Folder(), Reporter);
    const uint32_t first = one.AddMadeGame(SampleMadeGame(0, "One"));
    EXPECT_EQ(two.AddMadeGame(SampleMadeGame(0, "Two")), first + 1);
    EXPECT_EQ(two.Made().Content().Games.size(), 2u);
}

TEST_F(MadeGamesCatalogueTest, DamagedFileIsReportedByNameAndLeavesTheIssuesAndItsBytesAlone)
{
    {
        TGamesDataFile catalogue(Folder.Folder(), Reporter);
        catalogue.AddMadeGame(SampleMadeGame(0, "Mine"));
    }
    std::vector<uint8_t> damaged = ReadFileBytes(MadeFile());
    damaged[100] ^= 1;
    WriteFileBytes(MadeFile(), damaged);

    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    ASSERT_EQ(Reporter.Messages.size(), 1u);
    EXPECT_NE(Reporter.Messages[0].find(MadeFile()), std::string::npos);
    EXPECT_EQ(catalogue.IssueCount(), 1);
    EXPECT_EQ(catalogue.Issue(0).Games().size(), 3u);
    EXPECT_EQ(ReadFileBytes(MadeFile()), damaged);
    EXPECT_NE(MessageOf([&] { catalogue.DeleteMadeGame(FirstMadeGameNumber); }), "(no exception)");
    EXPECT_EQ(ReadFileBytes(MadeFile()), damaged);

    // A new game starts a new file and keeps the damaged one aside.
    catalogue.AddMadeGame(SampleMadeGame(0, "New"));
    EXPECT_EQ(ReadFileBytes(MadeFile() + ".damaged"), damaged);
    EXPECT_EQ(catalogue.Made().Content().Games.size(), 1u);
}

TEST_F(MadeGamesCatalogueTest, IssueFileWithMadeGameNumbersIsRefused)
{
    WriteIssueFile(Folder.Issue("B.ISS"), SampleHeader(2), SampleGames(FirstMadeGameNumber, 1), 2);
    TGamesDataFile catalogue(Folder.Folder(), Reporter);
    EXPECT_EQ(catalogue.IssueCount(), 1);
    ASSERT_FALSE(Reporter.InstallationErrors.empty() && Reporter.Messages.empty());
    const std::string reported = Reporter.InstallationErrors.empty() ? Reporter.Messages[0]
                                                                     : Reporter.InstallationErrors[0];
    EXPECT_NE(reported.find("B.ISS"), std::string::npos);
}

}  // namespace
