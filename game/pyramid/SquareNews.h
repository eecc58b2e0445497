#pragma once
// What a player's act did to the squares of the pyramid, as facts a screen
// reader can be told: where a square's linked partner is, and which square
// changed between two pictures of a puzzle (an undo, a redo, an entry) and
// how. The words are the window's; this only finds the facts.

#include "QVClasses.h"

#include <array>
#include <cstdint>

class TPuzzle;
class TPuzzleXLink;

// A square of one of the pyramid's puzzles: 0 the parent, 1 to the child
// count a child; Puzzle is -1 for no square.
struct TPyramidSquare {
    int Puzzle = -1;
    TPosition At;

    bool Valid() const { return Puzzle >= 0; }
    friend bool operator==(const TPyramidSquare&, const TPyramidSquare&) = default;
};

// The square linked to the square At of puzzle Puzzle (a parent's square's
// child partner, a child's square's parent partner); invalid when it has
// none or the puzzle is not the pyramid's.
TPyramidSquare PartnerOf(const TPuzzleXLink& Pyramid, int Puzzle, TPosition At);

// The values and shown marks of a puzzle's 81 squares.
struct TPuzzlePicture {
    std::array<uint8_t, 81> Values{};
    std::array<uint32_t, 81> Marks{};
};
TPuzzlePicture PictureOf(const TPuzzle& Puzzle);

// One square's change between two pictures, and how many squares changed.
struct TSquareChange {
    int Squares = 0;  // 0: nothing changed
    TPosition At;
    int ValueBefore = 0;
    int ValueAfter = 0;
    uint32_t MarksBefore = 0;  // digit bits, 1 << Digit
    uint32_t MarksAfter = 0;
};
// The square told of is Prefer when its value changed, else the first whose
// value changed, else Prefer when its marks changed, else the first whose
// marks changed: a value is the news, marks follow from it.
TSquareChange ChangeBetween(const TPuzzlePicture& Before, const TPuzzlePicture& After, TPosition Prefer);
