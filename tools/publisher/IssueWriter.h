#pragma once
// The publisher's side of an issue file: lays out the payload that
// TDistributionFile reads and signs it into a container.
//
// Payload: the 120-byte header, the stored stream of every game (a length
// word, then the bytes: kind 'F' enciphered under the issue key, any other
// kind the puzzle stream itself), then the game records. Each record's stream
// position is set to its stream's length word, so reading the issue in full
// and reading one game at its record position find the same bytes.
//
// The output depends only on the inputs: the records are written as given
// (their filler included) apart from the fields the writer fills in.

#include "PuzzleInfo.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct TIssueHeader {
    uint32_t IssueNumber = 0;
    std::string Description;  // at most 64 characters are kept
    std::array<uint8_t, 32> Key{};
};

struct TPublishedGame {
    // Written as given except the stream kind, the stream position and the
    // issue number, which the writer fills in.
    TPuzzleInfo Record;
    std::vector<uint8_t> PuzzleStream;
    // 'F' stores the stream enciphered under the issue key; any other value
    // stores it plain.
    uint8_t StreamKind = 'F';
};

// The payload of the issue.
std::vector<uint8_t> BuildIssuePayload(const TIssueHeader& Header, const std::vector<TPublishedGame>& Games);

// The whole signed issue file, signed with development key KeyIndex (1 to 10);
// Head goes into the container's uninterpreted first word.
std::vector<uint8_t> BuildIssueFile(const TIssueHeader& Header, const std::vector<TPublishedGame>& Games,
                                    uint32_t KeyIndex, uint32_t Head = 0);

// BuildIssueFile written to FileName (created or replaced); raises the file's
// errors.
void WriteIssueFile(const std::string& FileName, const TIssueHeader& Header, const std::vector<TPublishedGame>& Games,
                    uint32_t KeyIndex, uint32_t Head = 0);

// A game for tests and benchmarks: a record with GameNumber, the name
// "Game <number>", layout type GameNumber mod 14 and the given stream kind,
// and a puzzle stream of Length bytes drawn from Seed. The bytes are not a
// valid pyramid; the data layer does not look inside puzzle streams.
TPublishedGame SampleGame(uint32_t GameNumber, uint8_t StreamKind, size_t Length, uint64_t Seed);
