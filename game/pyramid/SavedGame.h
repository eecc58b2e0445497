#pragma once
// The saved-game file: plain 8-bit text, lines ended by CR LF, 31 lines.
// Line 1 names the catalogue game ("issue,game", decimal); then for puzzle
// 0 (the parent) to 9 its values line, its user-marks line and its
// erased-candidates line, as the pyramid composes them. A pyramid with one
// child writes the lines of children 2 to 9 as empty puzzles, so every file
// has the same shape; reading ignores them.
//
// Reading never trusts the file: it reads at most the 31 lines it needs, a
// line at most MaxLineLength bytes, and every line is checked before a
// puzzle takes it. An error is raised as Exception; what was laid over the
// puzzles before it stays.

#include <cstdint>
#include <string>

class TPuzzleXLink;
class TStream;

constexpr int SavedGameLineCount = 31;

struct TSavedGameName {
    uint32_t Issue = 0;
    uint32_t Game = 0;
};

// The whole file for a pyramid of the catalogue game Issue / Game.
std::string SavedGameText(const TPuzzleXLink& Pyramid, uint32_t Issue, uint32_t Game);

// The proposed file name: the game name without any of the five characters
// " ? * / \, a blank, the English short month name and the two-digit day
// ("Dec06"), ".sav". Month is 1-12.
std::string ProposedSaveName(const std::string& GameName, int Month, int Day);

class TSavedGameReader {
public:
    static constexpr int MaxLineLength = 4096;

    // Reads from Source's position; the stream is not owned.
    explicit TSavedGameReader(TStream& Source) : FSource(Source) {}

    // Line 1: the text up to the first comma is the issue number, the text
    // after it up to the next comma (or the end) the game number.
    TSavedGameName ReadName();
    // Lays the lines of puzzles 0 to the pyramid's ChildCount over them, in
    // file order; the lines a one-child pyramid has no puzzle for are not
    // read.
    void LoadInto(TPuzzleXLink& Pyramid);

private:
    std::string ReadLine();
    // The digit field of a values line: what follows its third comma.
    std::string DigitField(const std::string& Line) const;

    TStream& FSource;
    int FLinesRead = 0;
};
