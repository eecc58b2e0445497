#pragma once
// The player's own games: pyramids made on this computer, kept with their
// game records and puzzle streams (solution digits and givens) in a file of
// the player's, beside the catalogue. Nothing is made again from a seed, so
// a newer generator never changes a game already made.
//
// No private key ships with the game, so the file is not signed: it carries
// an MD5 checksum of everything before it, and a file that fails any check
// is refused whole with a message naming it. Its first bytes are a magic of
// its own, which no signed issue file starts with, and its games carry the
// made issue's number, which no issue file may use, so neither is ever taken
// for the other.
//
// Layout (integers 32-bit little-endian):
//   0   8  magic "TVMADE\r\n"
//   8   4  format version, 1
//   12  4  the next game number to hand out (never lowered, so the number of
//          a deleted game is never given again)
//   16  4  game count G
//   20     G games, each its 360-byte game record, a 4-byte length N and
//          the N bytes of its puzzle stream
//   end 16 MD5 of every byte before it
//
// Game numbers: made games take the upper half of the 32-bit range, from
// FirstMadeGameNumber upwards; publishers' games keep the lower half (the
// catalogue refuses an issue file that lists a game up there).

#include "PuzzleInfo.h"
#include "Text.h"

#include <cstdint>
#include <string>
#include <vector>

// The issue number of the games made on this computer.
constexpr uint32_t MadeIssueNumber = 0x80000000u;
constexpr uint32_t FirstMadeGameNumber = 0x80000001u;
// Whether a game number belongs to the range of made games.
constexpr bool IsMadeGameNumber(uint32_t GameNumber)
{
    return GameNumber >= MadeIssueNumber;
}

// "MYGAMES.DAT", beside GAMES.DAT.
extern const char* const MadeGamesFileName;
// "Made on this computer": the description of their issue.
extern const char* const MadeIssueDescription;

// A made game's stream kind: the stored stream is the puzzle stream itself.
constexpr uint8_t MadeStreamKind = 'P';

struct TMadeGame {
    TPuzzleInfo Record;
    std::vector<uint8_t> Stream;
};

struct TMadeGamesContent {
    static constexpr int HeaderSize = 20;
    static constexpr int ChecksumSize = 16;

    uint32_t NextGameNumber = FirstMadeGameNumber;
    std::vector<TMadeGame> Games;
};

// Empty when Game can be kept as a made game: record format 1, rebuild flag
// 1, the made issue's number, a made game number, a layout type 0 to 13, the
// plain stream kind, and a puzzle stream of one 176-byte record per puzzle
// of the layout whose digits are 1 to 9 and given flags 0 or 1. Otherwise
// the first fault. MadeGameProblemText gives the fault as a text the window
// layer translates (an empty plain text when there is none).
std::string MadeGameProblem(const TMadeGame& Game);
TText MadeGameProblemText(const TMadeGame& Game);

// Reads a whole made-games file. Raises Exception naming FileName ("Invalid
// file %s - ...") when anything is wrong: size, magic, version, checksum,
// counts, a game that MadeGameProblem refuses, a game number listed twice or
// not below the next number. Memory stays within a small multiple of the
// bytes given.
TMadeGamesContent ReadMadeGames(const std::vector<uint8_t>& Bytes, const std::string& FileName);

// The bytes of Content, checksum included.
std::vector<uint8_t> WriteMadeGames(const TMadeGamesContent& Content);
