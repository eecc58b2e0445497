#pragma once
// Explained steps across the pyramid: the next deduction the solving
// methods would make from the player's entries, found on a copy of the
// pyramid so that the puzzles the player sees never change, as data the
// window layer tells in the player's words (game/ui/StepWords).
//
// The copy holds the player's entries and their automatic candidates only
// (combined across the links, as the linked mark styles combine them, when
// the rules allow links). The player's own pencil marks and erasures never
// feed the reasoning, so a step is true whatever marks the player keeps.
// They only decide whether a step that strikes candidates is news: one
// whose strikes the player's grid already shows is made on the copy
// without being reported, and the search goes on.
//
// Order: method by method in the methods' order of precedence (those of
// the set the caller gives), and within a method the parent first, then the children
// in order. A step is one value, or the candidates one pair strikes out.

#include "GameFeatures.h"
#include "MethodSet.h"
#include "Step.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TPuzzleXLink;

// A square of the pyramid: puzzle 0 is the parent, 1 on the children; rows
// and columns 0-8.
struct TStepSquare {
    int Puzzle = -1;
    int Row = -1;
    int Col = -1;

    bool Valid() const { return Puzzle >= 0; }
    friend bool operator==(const TStepSquare&, const TStepSquare&) = default;
};

enum class TStepKind : uint8_t {
    Nothing,     // the methods find no step from these entries
    Complete,    // every square of the pyramid is filled
    WrongEntry,  // an entry differs from its solution
    Value,       // a square must hold a digit
    Strike,      // a pair strikes candidates out of other squares
};

struct TStepStrike {
    TStepSquare Square;
    uint32_t Digits = 0;  // bit d = digit d
};

// A square whose candidates its partner in another puzzle narrows, with that
// partner and the digits the partner rules out of it.
struct TStepLink {
    TStepSquare Square;
    TStepSquare Partner;
    uint32_t Digits = 0;
};

struct TPyramidStep {
    TStepKind Kind = TStepKind::Nothing;
    int Method = -1;
    // A value step's square; a strike's first square that loses digits; the
    // wrong entry's square (invalid when it is not to be named).
    TStepSquare Square;
    // A value step's digit; the digit a wrong entry holds; 0 for a strike
    // (a locked pair strikes both its digits in one step).
    int Digit = 0;
    // The house that proves the step, in Square's puzzle; none for a single.
    TStepHouse HouseKind = TStepHouse::None;
    int HouseIndex = -1;
    std::array<TStepSquare, 2> Pair{};
    uint32_t PairDigits = 0;
    std::vector<TStepStrike> Strikes;
    // Where the step rests on links: every square whose candidates its
    // partner narrows (a single's own square, each square of the house that
    // only its partner rules out, or a pair's squares), in the house's order.
    std::vector<TStepLink> Links;
    // The first of Links (invalid squares for none).
    TStepSquare Linked;
    TStepSquare Partner;
};

// Hints in stages: each tells a little more of the same step.
enum class TStepStage : uint8_t {
    Place = 1,   // the puzzle to look at and the method
    House = 2,   // the house that proves it (a single: its square's box)
    Square = 3,  // the square (a pair step: the pair's two squares)
    Whole = 4,   // the whole step
};

// Deductions come in stages; the other kinds are told whole at once.
bool StepHasStages(const TPyramidStep& Step);

// What a stage marks on the grids.
struct TStageMarks {
    std::vector<TStepSquare> House;
    std::vector<TStepSquare> Focus;
    // The square the cursor goes to (invalid: it stays where it is).
    TStepSquare Cursor;
};
TStageMarks StageMarksOf(const TPyramidStep& Step, TStepStage Stage);

// What a game lets the steps use.
struct TStepRules {
    bool Parent = true;    // steps may come from the parent
    bool Children = true;  // steps may come from the children
    bool Links = true;     // candidates are combined across the links
    // A wrong entry is named; otherwise only its existence is told.
    bool NameWrongEntry = true;
};

// Steps are offered in a game played on the screen that shows at least one
// solve command.
bool StepsOffered(const TGameFeatures& Features);
// Steps come from the puzzles whose solve commands the game shows (the
// children's commands for the children, the parent's for the parent) and
// rest on the links only where it shows the whole pyramid's; a game that
// shows only the whole pyramid's lets them come from every puzzle, as that
// command solves every puzzle. A wrong entry is named only where the game
// offers the highlighting of incorrect entries.
TStepRules StepRulesOf(const TGameFeatures& Features);

// The next step from the pyramid's entries. Any entry that differs from its
// solution (all puzzles, parent first, then index order) comes first, as a
// WrongEntry. Otherwise the first deduction of the methods of Methods, in
// their order of precedence. Changes nothing in Pyramid.
TPyramidStep FindPyramidStep(const TPuzzleXLink& Pyramid, const TStepRules& Rules, TMethodSet Methods);

// A short account of the step for logs and test traces, never shown to
// the player: "value 7 at 3:r2c5 by 0", "strike 1:r4c1 r4c7 by 3".
std::string StepSummary(const TPyramidStep& Step);

// The squares of the step's house (empty for none), for marking on the grid.
std::vector<TStepSquare> StepHouseSquares(const TPyramidStep& Step);

// Makes the step in Pyramid as the player would: a value through SetValue
// (recorded for undo and carried over the link), strikes as the player's
// own erasures (UserMarks: the user-mark styles, where the eraser takes the
// player's marks away). Answers whether anything changed; other kinds of
// step change nothing.
bool ApplyPyramidStep(TPuzzleXLink& Pyramid, const TPyramidStep& Step, bool UserMarks);
