#pragma once
// The games made on this computer as the catalogue keeps them: read from
// their file (MadeGamesFormat.h) at start, written whole after each game
// made or deleted. A file that is refused lists no games and stays as it is
// until a new game is made: it is then kept aside as "<file>.damaged" and a
// new file begins.
//
// Each change reads the file again first, so a game another copy of the
// program made in the meantime is kept.

#include "GamesDatFormat.h"
#include "MadeGamesFormat.h"

#include <string>

class TStream;

class TMadeGames {
public:
    explicit TMadeGames(std::string FileName);

    const std::string& FileName() const { return FFileName; }

    // Reads the file again; a missing file holds no games. Answers the
    // message of a refused file (which then lists nothing), else empty;
    // Refusal() keeps that message as a text the window layer translates.
    std::string Load();
    bool Refused() const { return FRefused; }
    const TText& Refusal() const { return FRefusal; }

    const TMadeGamesContent& Content() const { return FContent; }
    // The issue entry that lists the games, in the order they were made.
    const TIssueEntry& Issue() const { return FIssue; }
    const TMadeGame* Find(uint32_t GameNumber) const;

    // Copies game GameNumber's record into Record and its puzzle stream into
    // Stream at its position, then sets Stream to 0. Raises Exception for a
    // game not listed.
    void Open(uint32_t GameNumber, TPuzzleInfo& Record, TStream& Stream) const;

    // Gives Game the next game number and the made issue's number, keeps it
    // and writes the file whole; answers the number. Raises Exception, and
    // keeps nothing, when the game is not sound, no number is left or the
    // file cannot be written.
    uint32_t Add(TMadeGame Game);
    // Takes game GameNumber out and writes the file whole; false when it is
    // not listed. Raises Exception, changing nothing, when the file on disk
    // is refused or cannot be written.
    bool Delete(uint32_t GameNumber);

private:
    void Write(const TMadeGamesContent& Content);
    void ListGames();

    std::string FFileName;
    TMadeGamesContent FContent;
    TIssueEntry FIssue;
    bool FRefused = false;
    TText FRefusal;
};
