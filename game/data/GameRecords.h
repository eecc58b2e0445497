#pragma once
// The record of every game played, by game number: when it was first
// started, the time played, whether and when it was solved and in what time,
// and how much help it took (explained steps shown and made, solve
// commands). The player's own small file, plain 8-bit text, lines ended by
// LF:
//
//   Tavrel Sudoku records 1
//   game GAME,FIRST STARTED,PLAYED MS,SOLVED,SOLVED IN MS,SHOWN,MADE,SOLVES
//   ...                         (one line a game; times in seconds since
//                                1970, SOLVED 0 while unsolved)
//   check SIXTEEN HEX DIGITS    (FNV-1a, 64 bits, of all bytes before)
//
// Reading never trusts the text: anything but the whole file as written
// raises Exception.

#include <cstdint>
#include <map>
#include <string>

struct TGameRecord {
    int64_t FirstStarted = 0;
    int64_t PlayedMs = 0;
    // 0 while the game is unsolved.
    int64_t Solved = 0;
    int64_t SolvedInMs = 0;
    int StepsShown = 0;
    int StepsMade = 0;
    int Solves = 0;

    bool Helped() const { return StepsShown > 0 || StepsMade > 0 || Solves > 0; }
    friend bool operator==(const TGameRecord&, const TGameRecord&) = default;
};

class TGameRecords {
public:
    // nullptr for a game never started.
    const TGameRecord* Find(uint32_t Game) const;
    // The game's record, made (first started Now) when there is none.
    TGameRecord& Started(uint32_t Game, int64_t Now);
    // Marks the game solved, once: the first solving counts.
    void Solved(uint32_t Game, int64_t Now, int64_t PlayedMs);
    const std::map<uint32_t, TGameRecord>& All() const { return FRecords; }

    std::string Text() const;
    static TGameRecords Read(const std::string& Text);

private:
    std::map<uint32_t, TGameRecord> FRecords;
};

// The most games a records file may hold.
constexpr int MaxRecordedGames = 100000;
