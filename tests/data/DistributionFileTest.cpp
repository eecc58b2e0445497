// Issue files made by the issue writer, read back both ways.

#include "DataTestFiles.h"

#include "DataFields.h"
#include "DistributionFile.h"
#include "IssueWriter.h"
#include "Signer.h"

#include "Encrypt.h"
#include "Exception.h"
#include "MemoryStream.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::vector<uint8_t> StreamBytes(TMemoryStream& Stream)
{
    EXPECT_EQ(Stream.GetPosition(), 0);
    return Stream.Memory();
}

class DistributionFileTest : public ::testing::Test {
protected:
    TTempProgramFolder Folder;
};

TEST_F(DistributionFileTest, FullAndSingleReadingsAgreeForEveryGame)
{
    const TIssueHeader header = SampleHeader(501);
    const std::vector<TPublishedGame> games = SampleGames(9000, 9);
    WriteIssueFile(Folder.Issue("A.ISS"), header, games, 3, 0x12345678);

    TDistributionFile full(Folder.Issue("A.ISS"));
    EXPECT_EQ(full.GetVersion(), 1u);
    EXPECT_EQ(full.GetIssueNumber(), 501u);
    EXPECT_EQ(full.GetDescription(), "Issue 501");
    ASSERT_EQ(full.GameCount(), 9);

    for (int i = 0; i < full.GameCount(); ++i) {
        SCOPED_TRACE(i);
        const TPublishedGame& written = games[static_cast<size_t>(i)];
        const TPuzzleInfo& record = full.GameRecord(i);
        EXPECT_EQ(record.GetGameNumber(), written.Record.GetGameNumber());
        EXPECT_EQ(record.GetStreamKind(), written.StreamKind);
        EXPECT_EQ(record.GetIssueNumber(), 501u);
        EXPECT_EQ(StreamBytes(full.PuzzleStream(i)), written.PuzzleStream);

        TDistributionFile single(Folder.Folder(), "A.ISS", full.RecordPosition(i));
        ASSERT_EQ(single.GameCount(), 1);
        EXPECT_EQ(single.RecordPosition(0), full.RecordPosition(i));
        EXPECT_EQ(single.GameRecord(0).Bytes(), record.Bytes());
        EXPECT_EQ(single.StoredStream(0).Memory(), full.StoredStream(i).Memory());
        EXPECT_EQ(StreamBytes(single.PuzzleStream(0)), written.PuzzleStream);
    }
}

TEST_F(DistributionFileTest, EncipheredAndPlainGamesGiveTheSamePuzzleStream)
{
    std::vector<TPublishedGame> games;
    for (const size_t length : {size_t{0}, size_t{15}, size_t{16}, size_t{17}, size_t{1760}}) {
        games.push_back(SampleGame(static_cast<uint32_t>(length), 'F', length, 7));
        games.push_back(SampleGame(static_cast<uint32_t>(length), 'X', length, 7));
    }
    WriteIssueFile(Folder.Issue("K.ISS"), SampleHeader(2), games, 1);
    TDistributionFile issue(Folder.Issue("K.ISS"));
    ASSERT_EQ(issue.GameCount(), 10);
    for (int i = 0; i < 10; i += 2) {
        SCOPED_TRACE(i);
        const size_t length = games[static_cast<size_t>(i)].PuzzleStream.size();
        // The enciphered form is whole blocks with a final counted block; the
        // plain form is stored as it is.
        EXPECT_EQ(issue.StoredStream(i).Memory().size(), 16 * (length / 16 + 1));
        EXPECT_EQ(issue.StoredStream(i + 1).Memory(), games[static_cast<size_t>(i)].PuzzleStream);
        const std::vector<uint8_t> deciphered = StreamBytes(issue.PuzzleStream(i));
        EXPECT_EQ(deciphered, StreamBytes(issue.PuzzleStream(i + 1)));
        EXPECT_EQ(deciphered.size(), length);
    }
}

TEST_F(DistributionFileTest, AShorterDecipheredStreamCarriesNoTailOfTheLastOne)
{
    std::vector<TPublishedGame> games = {SampleGame(1, 'F', 1760, 1), SampleGame(2, 'F', 17, 1)};
    WriteIssueFile(Folder.Issue("T.ISS"), SampleHeader(3), games, 2);
    TDistributionFile issue(Folder.Issue("T.ISS"));
    EXPECT_EQ(StreamBytes(issue.PuzzleStream(0)), games[0].PuzzleStream);
    EXPECT_EQ(StreamBytes(issue.PuzzleStream(1)), games[1].PuzzleStream);
    EXPECT_EQ(StreamBytes(issue.PuzzleStream(0)), games[0].PuzzleStream);
}

TEST_F(DistributionFileTest, SignatureCoversThePayloadButNotTheFirstWord)
{
    const std::string path = Folder.Issue("S.ISS");
    WriteIssueFile(path, SampleHeader(4), SampleGames(10, 3), 5);
    std::vector<uint8_t> bytes = ReadFileBytes(path);

    std::vector<uint8_t> head = bytes;
    head[0] ^= 0xFF;
    head[3] ^= 0x5A;
    WriteFileBytes(path, head);
    EXPECT_EQ(TDistributionFile(path).GameCount(), 3);

    const size_t payloadStart = 12 + 128;
    for (const size_t at : {payloadStart, payloadStart + 80, bytes.size() - 1}) {
        std::vector<uint8_t> damaged = bytes;
        damaged[at] ^= 0x01;
        WriteFileBytes(path, damaged);
        EXPECT_EQ(MessageOf([&] { TDistributionFile issue(path); }), "Invalid file " + path + " - Wrong signature");
        EXPECT_EQ(MessageOf([&] { TDistributionFile issue(Folder.Folder(), "S.ISS", 0); }),
                  "Invalid file S.ISS - Wrong signature");
    }

    std::vector<uint8_t> badKey = bytes;
    DataFields::PutUInt32(&badKey[4], 11);
    WriteFileBytes(path, badKey);
    // Every message names the file, so the player can find the bad one.
    EXPECT_EQ(MessageOf([&] { TDistributionFile issue(path); }),
              "Invalid file " + path + " - Invalid signature key requested");
}

TEST_F(DistributionFileTest, PayloadsThatBreakTheLayoutFailWithTheirMessages)
{
    const std::string path = Folder.Issue("L.ISS");
    const std::vector<uint8_t> good = BuildIssuePayload(SampleHeader(5), SampleGames(20, 2));
    const auto signedFile = [&](std::vector<uint8_t> Payload) {
        WriteFileBytes(path, SignContainer(1, Payload));
        return MessageOf([&] { TDistributionFile issue(path); });
    };

    std::vector<uint8_t> version = good;
    DataFields::PutUInt32(&version[0], 2);
    EXPECT_EQ(signedFile(version), "Invalid file " + path + " - Wrong version");

    std::vector<uint8_t> overrun = good;
    DataFields::PutUInt32(&overrun[120], static_cast<uint32_t>(good.size()));
    EXPECT_EQ(signedFile(overrun), "Invalid file " + path + " - CopyStream: Not enough bytes in source stream");

    // A count the payload cannot hold is refused before any game is read.
    std::vector<uint8_t> hugeCount = good;
    DataFields::PutUInt32(&hugeCount[72], 0xFFFFFFFFu);
    EXPECT_EQ(signedFile(hugeCount),
              "Invalid file " + path + " - Its header counts 4294967295 games, more than the file holds");
    // Each game takes 364 bytes at the least: two games and one byte fewer.
    std::vector<uint8_t> justShort(good.begin(), good.begin() + 120 + 2 * 364 - 1);
    DataFields::PutUInt32(&justShort[72], 2);
    EXPECT_EQ(signedFile(justShort), "Invalid file " + path + " - Its header counts 2 games, more than the file holds");
    // 2^31 games of zeros: refused, with no memory taken for them.
    std::vector<uint8_t> zeros(120 + 4 * 1000000, 0);
    std::copy(good.begin(), good.begin() + 120, zeros.begin());
    DataFields::PutUInt32(&zeros[72], 0x80000000u);
    EXPECT_EQ(signedFile(zeros),
              "Invalid file " + path + " - Its header counts 2147483648 games, more than the file holds");

    std::vector<uint8_t> recordCut(good.begin(), good.end() - 1);
    EXPECT_EQ(signedFile(recordCut), "Invalid file " + path + " - Stream read error");

    std::vector<uint8_t> headerCut(good.begin(), good.begin() + 119);
    EXPECT_EQ(signedFile(headerCut), "Invalid file " + path + " - Stream read error");

    // A stored stream of kind 'F' that is not whole cipher blocks.
    std::vector<TPublishedGame> plain = {SampleGame(1, 'P', 8, 1)};
    std::vector<uint8_t> damagedCipher = BuildIssuePayload(SampleHeader(5), plain);
    damagedCipher[120 + 4 + 8 + TPuzzleInfo::ofsStreamKind] = 'F';
    WriteFileBytes(path, SignContainer(1, damagedCipher));
    TDistributionFile issue(path);
    EXPECT_EQ(MessageOf([&] { issue.PuzzleStream(0); }), "Invalid file " + path + " - Invalid file format");
    EXPECT_EQ(MessageOf([&] { issue.PuzzleStream(1); }), "Game index 1 out of range (1 games)");
}

TEST_F(DistributionFileTest, GameCountZeroAndBadRecordPositions)
{
    const std::string path = Folder.Issue("Z.ISS");
    WriteIssueFile(path, SampleHeader(6), {}, 10);
    EXPECT_EQ(TDistributionFile(path).GameCount(), 0);

    WriteIssueFile(path, SampleHeader(6), SampleGames(30, 2), 10);
    TDistributionFile full(path);
    EXPECT_EQ(MessageOf([&] { TDistributionFile one(Folder.Folder(), "Z.ISS", 0xFFFFFF00u); }),
              "Invalid file Z.ISS - Stream read error");
    // A position that does not start a record reads some other bytes as one;
    // its stream position is then nonsense and the reading fails cleanly.
    EXPECT_NE(MessageOf([&] { TDistributionFile one(Folder.Folder(), "Z.ISS", full.RecordPosition(1) - 1); }),
              "(no exception)");
}

TEST(IssueWriterTest, OutputDependsOnlyOnTheInputs)
{
    const std::vector<TPublishedGame> games = SampleGames(40, 5);
    const std::vector<uint8_t> first = BuildIssueFile(SampleHeader(7), games, 4, 9);
    EXPECT_EQ(BuildIssueFile(SampleHeader(7), games, 4, 9), first);
    EXPECT_EQ(DataFields::GetUInt32(first.data()), 9u);
    EXPECT_EQ(DataFields::GetUInt32(first.data() + 4), 4u);
    EXPECT_NE(BuildIssueFile(SampleHeader(8), games, 4, 9), first);
    EXPECT_EQ(MessageOf([&] { BuildIssueFile(SampleHeader(7), games, 0); }), "Invalid signature key requested");
}

TEST(DataReporterTest, InstallationErrorBoxText)
{
    EXPECT_EQ(InstallationErrorText("Invalid file X.ISS - Wrong signature"),
              "Invalid file X.ISS - Wrong signature\n"
              "Please check your installation. Also check if there has been an update.\n"
              "Please contact us if you need any help.");
}

}  // namespace
