#pragma once
// The rules by which the main window fills its progress bars, colours its
// LEDs and answers the entry that completes the pyramid. They are plain
// functions over the puzzles so the main window only places their results.

#include "Colour.h"

#include <QtGlobal>
#include <array>
#include <span>

class QProgressBar;
class TPuzzle;
class TPuzzleXLink;

// What one bar shows. The defaults are those of a bar never filled.
struct TBarValues {
    int Max = 100;
    int Position = 0;

    friend constexpr bool operator==(const TBarValues&, const TBarValues&) = default;
};

// A puzzle's bar: Max = the cells that are not given, Position = those of
// them that hold a value.
TBarValues PuzzleBarValues(const TPuzzle& Puzzle);
// The overall bar: the sums of the puzzle bars' Max and Position.
TBarValues OverallBarValues(std::span<const TBarValues> Bars);
// The ten puzzle bars of a pyramid, parent first; the bars of children a
// one-child pyramid lacks are empty (Max 0, Position 0) so they add nothing
// to the sums.
std::array<TBarValues, 10> PyramidBarValues(const TPuzzleXLink& Pyramid);
// Max first, then Position, as the bar needs its range before its value.
void ApplyBarValues(QProgressBar& Bar, const TBarValues& Values);

enum class TSolvedVerdict {
    None,          // not complete, not tested, or congratulations switched off
    Congratulate,  // every house of every puzzle holds every digit
    Warn,          // complete, but some row, column or box repeats a digit
};

constexpr const char* CongratulationsCaption = QT_TRANSLATE_NOOP("TfrmMain", "Congratulations");
constexpr const char* PuzzleSolvedText = QT_TRANSLATE_NOOP("TfrmMain", "Puzzle solved");
constexpr const char* SolutionNotCorrectText = QT_TRANSLATE_NOOP("TfrmMain", "Sorry your solution is not correct.");

// The solved test after an entry. Only with Test set (the player's own
// entries; solving commands, undo and loading pass false) and "Show
// congratulations when game solved" in force, and only when the overall sums
// are equal. The sums are counted from the puzzles themselves, so the answer
// does not depend on whether the bars are on show. Every puzzle of the
// pyramid, parent and each child, must then be solved.
TSolvedVerdict SolvedTest(const TPuzzleXLink& Pyramid, bool Test);

// LED colour for a digit standing in Count rows: "9 Entries Present" at 9,
// "8 Entries present" at 8, "Off" otherwise (settings colours 7, 6, 5).
TColor LedColour(int Count);
// The nine LED colours of a puzzle's row, digit d at element d - 1.
std::array<TColor, 9> LedColours(const TPuzzle& Puzzle);

// The colour of the bar with Tag once child Chosen (1-9) is shown: ChosenBar
// (the design's sky blue) for the chosen child's bar, Bar (money green) for
// every other bar (the parent's and the overall bar carry tag 0).
TColor ChildBarColour(int Tag, int Chosen, TColor Bar = clMoneyGreen, TColor ChosenBar = clSkyBlue);
