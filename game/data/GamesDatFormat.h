#pragma once
// GAMES.DAT, the games catalogue's file, as it is stored: format version,
// issue count, game count (over all issues), then for each issue its 212-byte
// issue entry directly followed by its 160-byte game entries. All integers
// 32-bit little-endian, texts NUL-padded. TGamesDataFile (GamesFile.h) keeps
// it up to date; this file only reads and writes the bytes.

#include "PuzzleInfo.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TStream;

// One game as the catalogue lists it, filled from its game record.
class TGameEntry {
public:
    static constexpr int EntrySize = 160;
    static constexpr int ofsRecordFormat = 0;
    static constexpr int ofsIssueNumber = 4;
    static constexpr int ofsGameNumber = 8;
    static constexpr int ofsLayoutType = 12;
    static constexpr int ofsRebuildFlag = 16;
    static constexpr int ofsByte16 = 20;
    static constexpr int ofsGameName = 21;
    static constexpr int ofsGameDescription = 85;
    static constexpr int ofsStreamKind = 149;
    static constexpr int ofsRecordPosition = 152;

    using TBytes = std::array<uint8_t, EntrySize>;

    TGameEntry() = default;
    // The entry of the game whose record starts at payload offset
    // RecordPosition of its issue file.
    TGameEntry(const TPuzzleInfo& Record, uint32_t RecordPosition);

    uint32_t GetRecordFormat() const;
    uint32_t GetIssueNumber() const;
    uint32_t GetGameNumber() const;
    uint8_t GetLayoutType() const { return FBytes[ofsLayoutType]; }
    uint32_t GetRebuildFlag() const;
    uint8_t GetByte16() const { return FBytes[ofsByte16]; }
    std::string GetGameName() const;
    std::string GetGameDescription() const;
    uint8_t GetStreamKind() const { return FBytes[ofsStreamKind]; }
    uint32_t GetRecordPosition() const;

    // The entry as stored; uninterpreted bytes travel unchanged.
    const TBytes& Bytes() const { return FBytes; }
    TBytes& Bytes() { return FBytes; }

private:
    TBytes FBytes{};
};

// One issue as the catalogue lists it, with its games in issue order.
class TIssueEntry {
public:
    static constexpr int EntrySize = 212;
    static constexpr int TextSize = 64;
    static constexpr int ofsVersion = 0;
    static constexpr int ofsIssueNumber = 4;
    static constexpr int ofsKind = 8;
    static constexpr int ofsDescription = 9;
    static constexpr int ofsFileName = 73;
    static constexpr int ofsSource = 137;
    static constexpr int ofsGameCount = 204;
    static constexpr int ofsGamesLink = 208;

    using TBytes = std::array<uint8_t, EntrySize>;

    TIssueEntry() = default;
    // A new entry: version and number and description of the issue, byte 8
    // 'F', the file name (at most 64 characters, without NUL when it fills
    // the field), no games yet.
    TIssueEntry(uint32_t Version, uint32_t IssueNumber, const std::string& Description, const std::string& FileName);

    uint32_t GetVersion() const;
    uint32_t GetIssueNumber() const;
    std::string GetDescription() const;
    // The file name without folder, up to its first NUL.
    std::string GetFileName() const;
    // The game count the entry states; equal to Games().size().
    uint32_t GetGameCount() const;
    // Where the file was read from and what it was then; empty in a
    // catalogue of a copy run in place.
    std::string GetSource() const;
    void SetSource(const std::string& Source);

    const std::vector<TGameEntry>& Games() const { return FGames; }
    // Appends a game and counts it in the entry.
    void AddGame(const TGameEntry& Game);

    const TBytes& Bytes() const { return FBytes; }

    // The entry and games as read from the file: the link field zeroed, the
    // stated count kept as stored (ReadGamesDat checks it against the games).
    static TIssueEntry FromStored(const TBytes& Bytes, std::vector<TGameEntry> Games);

private:
    TBytes FBytes{};
    std::vector<TGameEntry> FGames;
};

// A copy of one game entry, for the lines of the choose-game list.
class TIssueGame {
public:
    explicit TIssueGame(const TGameEntry& Entry) : FEntry(Entry) {}
    const TGameEntry& Entry() const { return FEntry; }

private:
    TGameEntry FEntry;
};

// The whole catalogue as GAMES.DAT holds it.
struct TGamesDatContent {
    static constexpr int HeaderSize = 12;

    uint32_t Version = 1;
    uint32_t GameCount = 0;
    std::vector<TIssueEntry> Issues;

    // The games the entries hold.
    uint32_t GamesHeld() const;
};

// Reads GAMES.DAT from Source's position into Content. A header cut short
// raises EReadError. Damage after it (counts that disagree with the entries,
// an entry cut short) answers its message ("Problem with GAMES.DAT file.
// Expected %u issues, %u games: found %u and %u", or the read error); Content
// then holds the whole entries read before it, never more issues than the
// header counts, and GameCount the games they hold. A sound file answers an
// empty text. Memory stays within a small multiple of the bytes read: stated
// counts are never used for sizing.
std::string ReadGamesDat(TStream& Source, TGamesDatContent& Content);

// The bytes of Content. Raises "Problem with GAMES.DAT file. Expected to write
// %u games: wrote %u" when GameCount disagrees with the entries.
std::vector<uint8_t> WriteGamesDat(const TGamesDatContent& Content);
