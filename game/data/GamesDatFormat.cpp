#include "GamesDatFormat.h"

#include "DataFields.h"

#include "Exception.h"
#include "Stream.h"

#include <algorithm>
#include <cstring>

using DataFields::GetText;
using DataFields::GetUInt32;
using DataFields::PutText;
using DataFields::PutUInt32;

// ---- TGameEntry

TGameEntry::TGameEntry(const TPuzzleInfo& Record, uint32_t RecordPosition)
{
    PutUInt32(&FBytes[ofsRecordFormat], Record.GetRecordFormat());
    PutUInt32(&FBytes[ofsIssueNumber], Record.GetIssueNumber());
    PutUInt32(&FBytes[ofsGameNumber], Record.GetGameNumber());
    FBytes[ofsLayoutType] = Record.GetLayoutType();
    PutUInt32(&FBytes[ofsRebuildFlag], Record.GetRebuildFlag());
    FBytes[ofsByte16] = Record.GetByte16();
    // Copied as stored, so a name that fills its field keeps all 64 bytes.
    std::copy_n(Record.Data() + TPuzzleInfo::ofsGameName, TPuzzleInfo::TextSize, &FBytes[ofsGameName]);
    std::copy_n(Record.Data() + TPuzzleInfo::ofsGameDescription, TPuzzleInfo::TextSize, &FBytes[ofsGameDescription]);
    FBytes[ofsStreamKind] = Record.GetStreamKind();
    PutUInt32(&FBytes[ofsRecordPosition], RecordPosition);
}

uint32_t TGameEntry::GetRecordFormat() const
{
    return GetUInt32(&FBytes[ofsRecordFormat]);
}
uint32_t TGameEntry::GetIssueNumber() const
{
    return GetUInt32(&FBytes[ofsIssueNumber]);
}
uint32_t TGameEntry::GetGameNumber() const
{
    return GetUInt32(&FBytes[ofsGameNumber]);
}
uint32_t TGameEntry::GetRebuildFlag() const
{
    return GetUInt32(&FBytes[ofsRebuildFlag]);
}
std::string TGameEntry::GetGameName() const
{
    return GetText(&FBytes[ofsGameName], TPuzzleInfo::TextSize);
}
std::string TGameEntry::GetGameDescription() const
{
    return GetText(&FBytes[ofsGameDescription], TPuzzleInfo::TextSize);
}
uint32_t TGameEntry::GetRecordPosition() const
{
    return GetUInt32(&FBytes[ofsRecordPosition]);
}

// ---- TIssueEntry

TIssueEntry::TIssueEntry(uint32_t Version, uint32_t IssueNumber, const std::string& Description,
                         const std::string& FileName)
{
    PutUInt32(&FBytes[ofsVersion], Version);
    PutUInt32(&FBytes[ofsIssueNumber], IssueNumber);
    FBytes[ofsKind] = 'F';
    PutText(&FBytes[ofsDescription], TextSize, Description);
    PutText(&FBytes[ofsFileName], TextSize, FileName);
}

uint32_t TIssueEntry::GetVersion() const
{
    return GetUInt32(&FBytes[ofsVersion]);
}
uint32_t TIssueEntry::GetIssueNumber() const
{
    return GetUInt32(&FBytes[ofsIssueNumber]);
}
std::string TIssueEntry::GetDescription() const
{
    return GetText(&FBytes[ofsDescription], TextSize);
}
std::string TIssueEntry::GetFileName() const
{
    return GetText(&FBytes[ofsFileName], TextSize);
}
uint32_t TIssueEntry::GetGameCount() const
{
    return GetUInt32(&FBytes[ofsGameCount]);
}
std::string TIssueEntry::GetSource() const
{
    return GetText(&FBytes[ofsSource], TextSize);
}
void TIssueEntry::SetSource(const std::string& Source)
{
    PutText(&FBytes[ofsSource], TextSize, Source);
}

void TIssueEntry::AddGame(const TGameEntry& Game)
{
    FGames.push_back(Game);
    PutUInt32(&FBytes[ofsGameCount], static_cast<uint32_t>(FGames.size()));
}

TIssueEntry TIssueEntry::FromStored(const TBytes& Bytes, std::vector<TGameEntry> Games)
{
    TIssueEntry entry;
    entry.FBytes = Bytes;
    PutUInt32(&entry.FBytes[ofsGamesLink], 0);
    entry.FGames = std::move(Games);
    return entry;
}

// ---- GAMES.DAT

uint32_t TGamesDatContent::GamesHeld() const
{
    uint32_t held = 0;
    for (const TIssueEntry& issue : Issues) {
        held += static_cast<uint32_t>(issue.Games().size());
    }
    return held;
}

std::string ReadGamesDat(TStream& Source, TGamesDatContent& Content)
{
    uint8_t header[TGamesDatContent::HeaderSize];
    Source.ReadBuffer(header, TGamesDatContent::HeaderSize);
    Content.Version = GetUInt32(header);
    const uint32_t issueCount = GetUInt32(header + 4);
    const uint32_t gameCount = GetUInt32(header + 8);
    Content.GameCount = gameCount;
    Content.Issues.clear();

    uint32_t issuesFound = 0;
    uint32_t gamesFound = 0;
    try {
        const int64_t size = Source.GetSize();
        while (Source.GetPosition() < size) {
            TIssueEntry::TBytes bytes;
            Source.ReadBuffer(bytes.data(), TIssueEntry::EntrySize);
            // The stated count is not trusted for sizing: the games are read
            // one by one and a damaged count ends in a read error.
            const uint32_t games = GetUInt32(&bytes[TIssueEntry::ofsGameCount]);
            std::vector<TGameEntry> gameEntries;
            for (uint32_t game = 0; game < games; ++game) {
                TGameEntry gameEntry;
                Source.ReadBuffer(gameEntry.Bytes().data(), TGameEntry::EntrySize);
                gameEntries.push_back(gameEntry);
            }
            ++issuesFound;
            gamesFound += games;
            // Entries beyond the header's count are counted for the message
            // but never held.
            if (Content.Issues.size() < issueCount) {
                Content.Issues.push_back(TIssueEntry::FromStored(bytes, std::move(gameEntries)));
            }
        }
        if (issuesFound != issueCount || gamesFound != gameCount) {
            throw Exception(
                TR_TEXT("GamesDatFormat", "Problem with GAMES.DAT file. Expected %1 issues, %2 games: found %3 and %4"),
                issueCount, gameCount, issuesFound, gamesFound);
        }
        return std::string();
    } catch (const Exception& error) {
        Content.GameCount = Content.GamesHeld();
        return error.Message();
    }
}

std::vector<uint8_t> WriteGamesDat(const TGamesDatContent& Content)
{
    size_t size = TGamesDatContent::HeaderSize;
    for (const TIssueEntry& issue : Content.Issues) {
        size += TIssueEntry::EntrySize + issue.Games().size() * TGameEntry::EntrySize;
    }
    std::vector<uint8_t> bytes(size);
    uint8_t* at = bytes.data();
    PutUInt32(at, Content.Version);
    PutUInt32(at + 4, static_cast<uint32_t>(Content.Issues.size()));
    PutUInt32(at + 8, Content.GameCount);
    at += TGamesDatContent::HeaderSize;

    uint32_t written = 0;
    for (const TIssueEntry& issue : Content.Issues) {
        std::memcpy(at, issue.Bytes().data(), TIssueEntry::EntrySize);
        PutUInt32(at + TIssueEntry::ofsGamesLink, 0);
        at += TIssueEntry::EntrySize;
        for (const TGameEntry& game : issue.Games()) {
            std::memcpy(at, game.Bytes().data(), TGameEntry::EntrySize);
            at += TGameEntry::EntrySize;
            ++written;
        }
    }
    if (written != Content.GameCount) {
        throw Exception(TR_TEXT("GamesDatFormat", "Problem with GAMES.DAT file. Expected to write %1 games: wrote %2"),
                        Content.GameCount, written);
    }
    return bytes;
}
