// The record of games played: its file through text and back, the first
// solving kept, what the reader refuses, and the statistics drawn from it.
#include "Checksum.h"
#include "Exception.h"
#include "Format.h"
#include "GameRecords.h"
#include "GameStatistics.h"

#include <gtest/gtest.h>

#include <cinttypes>

namespace {

std::string Resealed(std::string Text)
{
    Text.resize(Text.rfind("check "));
    return Text + Format("check %016" PRIx64 "\n", TextCheck(Text));
}

}  // namespace

TEST(GameRecords, RecordsComeBackWholeAndTheFirstSolvingStays)
{
    TGameRecords Records;
    Records.Started(101, 1000);
    Records.Started(101, 2000);
    EXPECT_EQ(Records.Find(101)->FirstStarted, 1000);
    Records.Started(4294967295u, 5).StepsShown = 3;
    TGameRecord& Helped = Records.Started(202, 7);
    Helped.PlayedMs = 4000;
    Helped.StepsMade = 2;
    Helped.Solves = 1;
    Records.Solved(202, 9000, 72000);
    Records.Solved(202, 9999, 99000);
    EXPECT_EQ(Records.Find(202)->Solved, 9000);
    EXPECT_EQ(Records.Find(202)->SolvedInMs, 72000);
    EXPECT_EQ(Records.Find(202)->PlayedMs, 72000);
    EXPECT_TRUE(Records.Find(202)->Helped());
    EXPECT_FALSE(Records.Find(101)->Helped());
    EXPECT_EQ(Records.Find(303), nullptr);

    const TGameRecords Read = TGameRecords::Read(Records.Text());
    EXPECT_EQ(Read.All(), Records.All());
    EXPECT_EQ(TGameRecords::Read(TGameRecords().Text()).All().size(), 0u);
}

TEST(GameRecords, AnythingButTheFileAsWrittenIsRefused)
{
    TGameRecords Records;
    Records.Started(101, 1000).PlayedMs = 5;
    Records.Solved(102, 2000, 3000);
    const std::string Text = Records.Text();
    for (size_t Length = 0; Length < Text.size(); ++Length)
        EXPECT_THROW(TGameRecords::Read(Text.substr(0, Length)), Exception) << Length;
    for (size_t At = 0; At < Text.size(); ++At) {
        std::string Changed = Text;
        Changed[At] = static_cast<char>(Changed[At] ^ 0x01);
        EXPECT_THROW(TGameRecords::Read(Changed), Exception) << At;
    }
    // Sealed again, what no writer makes is refused all the same.
    const auto Replaced = [&Text](const std::string& From, const std::string& To) {
        std::string Changed = Text;
        Changed.replace(Changed.find(From), From.size(), To);
        return Resealed(Changed);
    };
    EXPECT_NO_THROW(TGameRecords::Read(Resealed(Text)));
    EXPECT_THROW(TGameRecords::Read(Replaced("game 102,", "game 101,")), Exception);
    EXPECT_THROW(TGameRecords::Read(Replaced("game 102,", "game 4294967296,")), Exception);
    EXPECT_THROW(TGameRecords::Read(Replaced("game 102,", "game -102,")), Exception);
    EXPECT_THROW(TGameRecords::Read(Replaced("game 102,2000", "game 102,2000,1")), Exception);
    EXPECT_THROW(TGameRecords::Read(Replaced("game 102,2000,", "game 102,")), Exception);
    EXPECT_THROW(TGameRecords::Read(Replaced("game 102,", "gam 102,")), Exception);
    EXPECT_THROW(TGameRecords::Read(Replaced("records 1", "records 2")), Exception);
}

// The statistics' figures: a game listed twice counts once, help keeps a
// solving out of the unhelped count, and the median of an even count lies
// between the middle two, even for times near the largest a file holds.
TEST(GameStatistics, TalliesCountEachGameOnceAndTakeTheMiddleTime)
{
    TGameRecords Records;
    Records.Solved(1, 10, 90000);
    Records.Solved(2, 10, 30000);
    Records.Started(3, 10).StepsShown = 1;
    Records.Solved(3, 20, 60000);
    Records.Started(4, 10);

    const TGameTally Tally = TallyGames({4, 3, 1, 2, 3, 5}, Records);
    EXPECT_EQ(Tally.Games, 5);
    EXPECT_EQ(Tally.Started, 4);
    EXPECT_EQ(Tally.Solved, 3);
    EXPECT_EQ(Tally.SolvedWithoutHelp, 2);
    EXPECT_EQ(Tally.BestMs, 30000);
    EXPECT_EQ(Tally.MedianMs, 60000);
    EXPECT_EQ(Tally.SolvedTimesMs, (std::vector<int64_t>{30000, 60000, 90000}));

    EXPECT_EQ(TallyGames({1, 2}, Records).MedianMs, 60000);
    EXPECT_EQ(TallyGames({1, 3, 2, 7}, Records).MedianMs, 60000);
    Records.Solved(8, 10, 45001);
    EXPECT_EQ(TallyGames({2, 8}, Records).MedianMs, 37500);

    const TGameTally None = TallyGames({4, 5}, Records);
    EXPECT_EQ(None.Solved, 0);
    EXPECT_EQ(None.BestMs, 0);
    EXPECT_EQ(None.MedianMs, 0);
    EXPECT_EQ(TallyGames({}, Records).Games, 0);

    Records.Solved(9, 10, INT64_MAX);
    Records.Solved(10, 10, INT64_MAX - 1);
    EXPECT_EQ(TallyGames({9, 10}, Records).MedianMs, INT64_MAX - 1);
}
