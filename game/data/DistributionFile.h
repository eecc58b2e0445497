#pragma once
// An issue file: a signed container whose payload holds the issue header, the
// stored stream of every game and one game record per game.
//
// Payload (offsets from its start; every stored position counts the same way):
//   0 format version (1), 4 issue number, 8 description (64), 72 game count G,
//   76 not interpreted, 80 issue key (32), 112 not interpreted (8),
//   120 G stored streams (a length word N, then N bytes), then G records.
//
// The object reads an issue in full (the catalogue taking it in) or a single
// game at a record position the catalogue noted (opening that game). It owns
// everything it read; it lives for one operation.
//
// Errors are raised as Exception, and every one names the file: "Invalid file
// %s - Wrong signature", "Invalid file %s - Wrong version", "Invalid file %s -
// CopyStream: Not enough bytes in source stream" for a stored stream that runs
// past the payload, the stream's read error ("Invalid file %s - Stream read
// error") for a header or record cut short, the Encrypt library's messages in
// the same form, and a header whose game count the payload cannot hold.
// A file that cannot be opened raises EFOpenError.

#include "PuzzleInfo.h"

#include "MemoryStream.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TDistributionFile {
public:
    static constexpr int HeaderSize = 120;
    static constexpr int DescriptionSize = 64;
    static constexpr int KeySize = 32;
    static constexpr uint32_t FormatVersion = 1;

    static constexpr int ofsVersion = 0;
    static constexpr int ofsIssueNumber = 4;
    static constexpr int ofsDescription = 8;
    static constexpr int ofsGameCount = 72;
    static constexpr int ofsKey = 80;

    // The issue in full from the file at FileName (a full path).
    explicit TDistributionFile(const std::string& FileName);
    // One game, at payload offset RecordPosition, of the issue file Name in
    // ProgramFolder's "ISSUES" folder. Afterwards the object holds that game
    // at index 0.
    TDistributionFile(const std::string& ProgramFolder, const std::string& Name, uint32_t RecordPosition);

    // The same two readings from a container held in Source (read from its
    // current position); FileName names it in messages.
    static std::unique_ptr<TDistributionFile> ReadIssue(TStream& Source, const std::string& FileName);
    static std::unique_ptr<TDistributionFile> ReadGame(TStream& Source, const std::string& FileName,
                                                       uint32_t RecordPosition);

    // The folder of the issue files: ProgramFolder + "ISSUES" + separator
    // (a separator is put after ProgramFolder when it has none).
    static std::string IssueFolder(const std::string& ProgramFolder);

    uint32_t GetVersion() const;
    uint32_t GetIssueNumber() const;
    std::string GetDescription() const;
    // The game count the header states; the games held are GameCount().
    uint32_t GetHeaderGameCount() const;
    const uint8_t* Key() const { return FHeader.data() + ofsKey; }
    const std::array<uint8_t, HeaderSize>& Header() const { return FHeader; }

    int GameCount() const { return static_cast<int>(FRecords.size()); }
    // Index outside 0 .. GameCount() - 1 raises Exception.
    const TPuzzleInfo& GameRecord(int Index) const;
    uint32_t RecordPosition(int Index) const;
    // The stored bytes of the game, as the file holds them.
    const TMemoryStream& StoredStream(int Index) const;

    // The game's puzzle stream at position 0: kind 'F' deciphered with the
    // issue key into the one output stream this object owns, any other kind
    // the stored stream itself. The stream stays owned by this object and is
    // reused by the next request: copy it before asking again.
    TMemoryStream& PuzzleStream(int Index);

private:
    TDistributionFile() = default;
    void ReadPayload(TStream& Source, const std::string& FileName, TMemoryStream& Payload);
    void ReadAllGames(TMemoryStream& Payload);
    void ReadOneGame(TMemoryStream& Payload, uint32_t Position);
    void CheckIndex(int Index) const;

    std::string FFileName;
    std::array<uint8_t, HeaderSize> FHeader{};
    std::vector<std::unique_ptr<TMemoryStream>> FStreams;
    std::vector<TPuzzleInfo> FRecords;
    std::vector<uint32_t> FRecordPositions;
    TMemoryStream FOutput;
};
