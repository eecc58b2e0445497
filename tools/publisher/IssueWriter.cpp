#include "IssueWriter.h"

#include "DataFields.h"
#include "DistributionFile.h"
#include "Signer.h"

#include "Encrypt.h"
#include "Exception.h"
#include "FileStream.h"
#include "SafeFile.h"
#include "MemoryStream.h"

#include <limits>

std::vector<uint8_t> BuildIssuePayload(const TIssueHeader& Header, const std::vector<TPublishedGame>& Games)
{
    if (Games.size() > std::numeric_limits<uint32_t>::max()) {
        throw Exception("Too many games for one issue");
    }
    TMemoryStream payload;
    std::array<uint8_t, TDistributionFile::HeaderSize> header{};
    DataFields::PutUInt32(&header[TDistributionFile::ofsVersion], TDistributionFile::FormatVersion);
    DataFields::PutUInt32(&header[TDistributionFile::ofsIssueNumber], Header.IssueNumber);
    DataFields::PutText(&header[TDistributionFile::ofsDescription], TDistributionFile::DescriptionSize,
                        Header.Description);
    DataFields::PutUInt32(&header[TDistributionFile::ofsGameCount], static_cast<uint32_t>(Games.size()));
    std::copy(Header.Key.begin(), Header.Key.end(), header.begin() + TDistributionFile::ofsKey);
    payload.WriteBuffer(header.data(), TDistributionFile::HeaderSize);

    std::vector<uint32_t> streamPositions;
    streamPositions.reserve(Games.size());
    for (const TPublishedGame& game : Games) {
        TMemoryStream stored;
        if (game.StreamKind == TPuzzleInfo::EncipheredStreamKind) {
            TMemoryStream plain(game.PuzzleStream);
            EncryptStream(plain, stored, Header.Key.data());
        } else {
            stored.Memory() = game.PuzzleStream;
        }
        const int64_t position = payload.GetPosition();
        const int64_t size = stored.GetSize();
        if (position + 4 + size > std::numeric_limits<uint32_t>::max()) {
            throw Exception("Issue payload too large");
        }
        streamPositions.push_back(static_cast<uint32_t>(position));
        payload.WriteUInt32(static_cast<uint32_t>(size));
        payload.WriteBuffer(stored.Memory().data(), size);
    }
    for (size_t i = 0; i < Games.size(); ++i) {
        // A copy, not a new record: a new one would draw filler bytes from
        // the program's generator and shift a seeded caller's sequence.
        TPuzzleInfo record = Games[i].Record;
        record.SetStreamKind(Games[i].StreamKind);
        record.SetStreamPosition(streamPositions[i]);
        record.SetIssueNumber(Header.IssueNumber);
        record.SaveToStream(payload);
    }
    return std::move(payload.Memory());
}

std::vector<uint8_t> BuildIssueFile(const TIssueHeader& Header, const std::vector<TPublishedGame>& Games,
                                    uint32_t KeyIndex, uint32_t Head)
{
    return SignContainer(KeyIndex, BuildIssuePayload(Header, Games), Head);
}

void WriteIssueFile(const std::string& FileName, const TIssueHeader& Header, const std::vector<TPublishedGame>& Games,
                    uint32_t KeyIndex, uint32_t Head)
{
    const std::vector<uint8_t> bytes = BuildIssueFile(Header, Games, KeyIndex, Head);
    WriteFileWhole(FileName, bytes.data(), bytes.size());
}

TPublishedGame SampleGame(uint32_t GameNumber, uint8_t StreamKind, size_t Length, uint64_t Seed)
{
    TPublishedGame game;
    game.Record.SetGameNumber(GameNumber);
    game.Record.SetGameName("Game " + std::to_string(GameNumber));
    game.Record.SetGameDescription("Sample game " + std::to_string(GameNumber));
    game.Record.SetLayoutType(static_cast<uint8_t>(GameNumber % 14));
    game.StreamKind = StreamKind;
    // The stream comes from its own generator, repeatable for a seed.
    uint64_t state = Seed * 0x9E3779B97F4A7C15ull + GameNumber + 1;
    game.PuzzleStream.resize(Length);
    for (uint8_t& byte : game.PuzzleStream) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        byte = static_cast<uint8_t>(state >> 56);
    }
    return game;
}
