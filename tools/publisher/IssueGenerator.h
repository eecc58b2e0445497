#pragma once
// Whole issues of generated games: each game gets its own pyramid from the
// generator, a game record with its name, features and a description naming
// its grade and given count, and the issue is written and signed by the
// issue writer.
//
// The issue is the same, byte for byte, for the same request: game
// seeds and the issue key are drawn from the issue's seed, and the program's
// random generator (the records' filler) is seeded with it before the
// records are made.

#include "Generator.h"
#include "IssueWriter.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

struct TGameSpec {
    uint8_t LayoutType = 0;
    // A pyramid grade on a layout without links falls back to the plain
    // grade of the same level.
    TGrade Grade;
    TSymmetry Symmetry = symNone;
    std::string Name;  // empty: "Game <number>"
    uint8_t StreamKind = TPuzzleInfo::EncipheredStreamKind;
    uint8_t PlayMode = 1;
    uint16_t AidFlags = 255;
    uint8_t PencilFlags = 7;
};

struct TIssueSpec {
    uint32_t IssueNumber = 1;
    std::string Description;
    uint32_t KeyIndex = 1;  // container signing key, 1 to 10
    uint64_t Seed = 1;
    // Game numbers are handed out upwards from here, skipping the used ones,
    // and stay below MadeIssueNumber (the upper half is the players' own);
    // 0 starts at IssueNumber x 100 + 1 (at 1 when that leaves the range).
    uint32_t FirstGameNumber = 0;
    std::set<uint32_t> UsedGameNumbers;
    std::vector<TGameSpec> Games;
};

struct TGeneratedGame {
    uint32_t GameNumber = 0;
    std::string Name;
    uint8_t LayoutType = 0;
    TGradeReport Report;
    int Attempts = 0;
    double Milliseconds = 0;  // time the generator took, for the publisher's log
};

struct TGeneratedIssue {
    std::vector<uint8_t> File;  // the signed issue file
    std::vector<TGeneratedGame> Games;
};

// Raises Exception for an issue number in the players' range, a key index
// outside 1 to 10, a description or game
// name longer than its 64-byte field, more games than free game numbers, or a
// grade the generator could not meet. Before it returns, the signed file is
// read back as the game reads it and must hold exactly the graded pyramids.
TGeneratedIssue GenerateIssue(const TIssueSpec& Spec);

// The game numbers of issue files: each path is an issue file or a folder
// whose "*.ISS" files are read (not its subfolders). Files whose signature or
// format does not hold raise their reading errors.
std::set<uint32_t> GameNumbersOfIssues(const std::vector<std::string>& Paths);

// A seed of its own for game Index of an issue seeded with Seed.
uint64_t GameSeed(uint64_t Seed, uint32_t Index);
