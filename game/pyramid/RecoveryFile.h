#pragma once
// The recovery file: the whole state of a game in play, written again within
// a second of each change, so that an unclean end (a crash, a power cut, a
// killed session) loses at most that second. Plain 8-bit text, lines ended
// by LF, in this order:
//
//   Tavrel Sudoku recovery 1
//   game ISSUE,GAME
//   name GAME NAME
//   file THE SAVED GAME IN USE (empty for none)
//   written SECONDS SINCE 1970
//   view CHILD SHOWN, SHEET, HIGHLIGHT, PUZZLE THE EDIT COMMANDS ACT ON
//   played MILLISECONDS
//   save LINE                      (the 31 lines of the saved-game file)
//   history PUZZLE,NEXT STAMP,UNDO RECORDS,CHECKPOINTS,VALUES TO REDO
//   u RECORD                       (each undo record, oldest first)
//   c KEPT                         (each checkpoint, oldest first)
//   r RECORD,BEFORE,AFTER,PARENT MIRROR,CHILD MIRROR
//                                  (each value to redo, newest last)
// where a RECORD is ROW,COL,NEW,OLD,STAMP,ORDER,CARRIED (TUndoRecord).
//   ...                            (a history for each puzzle, parent first)
//   check SIXTEEN HEX DIGITS       (FNV-1a, 64 bits, of all bytes before)
//
// Reading never trusts the text: a wrong check, a line out of place, a
// number out of range or a count beyond the limits below raises Exception
// before any puzzle is touched; RestorePyramid then checks what only the
// pyramid can (the saved lines, each history) and raises Exception too.

#include "Puzzle.h"

#include <cstdint>
#include <string>
#include <vector>

class TPuzzleXLink;

struct TRecoveryState {
    uint32_t Issue = 0;
    uint32_t Game = 0;
    std::string GameName;
    // The saved game in use, UTF-8; empty when none is.
    std::string FileInUse;
    int64_t Written = 0;
    int Child = 1;
    int Sheet = 0;
    int Highlight = 0;
    int UndoPuzzle = 0;
    int64_t PlayedMs = 0;
    // The saved-game text of the pyramid (SavedGame.h).
    std::string SavedGame;
    // Puzzle 0 (the parent) to the last child.
    std::vector<TPuzzleHistory> Histories;
};

// The most undo records, checkpoints and values to redo a history may hold
// in a recovery file, each.
constexpr int MaxRecoveredRecords = 100000;
// The longest line a recovery file may have.
constexpr int MaxRecoveryLineLength = 4096;

// Fills State's saved-game text and histories from Pyramid, the pyramid of
// State's game.
void CapturePyramid(const TPuzzleXLink& Pyramid, TRecoveryState& State);
std::string RecoveryText(const TRecoveryState& State);
TRecoveryState ReadRecovery(const std::string& Text);
// Lays State's entries, marks, erasures and histories over Pyramid, the
// freshly loaded pyramid of State's game.
void RestorePyramid(const TRecoveryState& State, TPuzzleXLink& Pyramid);

// The check of a recovery file's text: FNV-1a, 64 bits.
uint64_t RecoveryCheck(const std::string& Text);
