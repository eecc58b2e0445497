#pragma once
// What a puzzle holds that a later operation can see, for fuzz targets that
// keep their puzzles from one input to the next: a target puts its puzzles
// back with the model's own operations and then compares them with the state
// they had when made (or loaded). Anything that differs means the reset was
// not exact, and the target makes its puzzles anew, so that an input never
// sees what the one before it left behind and a reproducer replays alone as
// it ran in the campaign.
//
// Undo and checkpoint room (the capacity the lists grew to) is compared only
// when the caller asks: it is never read back, it only decides when a list
// grows, and the targets that undo ask for it.

#include "Puzzle.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The checking and resetting here is the target's own work, not code under
// test: left out of the coverage, so that it neither steers the fuzzer nor
// pays for comparison tracing.
#define NOT_FUZZED __attribute__((no_sanitize("coverage")))

struct TCellState {
    int Value = 0;
    int Solution = 0;
    bool Revealed = false;
    uint32_t Possible = 0;
    uint32_t UserMarks = 0;
    uint32_t Erased = 0;
    uint32_t Shown = 0;
    int PossibleCount = 0;
    int ShownCount = 0;
    TColor Colour{};
    const TCell* ParentLink = nullptr;
    const TCell* ChildLink = nullptr;
    friend bool operator==(const TCellState&, const TCellState&) = default;
};

// Everything of a puzzle but its cells.
struct TPuzzleFields {
    int DigitRows[10] = {};
    uint8_t MarkStyle = 0;
    bool Changed = false;
    bool Updating = false;
    bool Undoing = false;
    int UndoCount = 0;
    int CheckpointCount = 0;
    int UndoRoom = 0;
    int CheckpointRoom = 0;
    friend bool operator==(const TPuzzleFields&, const TPuzzleFields&) = default;
};

struct TPuzzleState {
    TCellState Cells[81];
    TPuzzleFields Fields;
};

NOT_FUZZED inline TCellState CaptureCell(const TCell& Cell)
{
    TCellState State;
    State.Value = Cell.GetValue();
    State.Solution = Cell.GetSolution();
    State.Revealed = Cell.GetRevealed();
    State.Possible = Cell.Possible().Bits();
    State.UserMarks = Cell.UserMarks().Bits();
    State.Erased = Cell.Erased().Bits();
    State.Shown = Cell.Shown().Bits();
    State.PossibleCount = Cell.Possible().Count();
    State.ShownCount = Cell.ShownCount();
    State.Colour = Cell.GetColour();
    State.ParentLink = Cell.ParentLinkOfCell();
    State.ChildLink = Cell.ChildLinkOfCell();
    return State;
}

NOT_FUZZED inline TPuzzleFields CaptureFields(const TPuzzle& Puzzle, bool WithRoom)
{
    TPuzzleFields Fields;
    // The houses' value counts, through the one question that reads them.
    for (int Digit = 0; Digit <= 9; ++Digit)
        Fields.DigitRows[Digit] = Puzzle.DigitRowCount(Digit);
    Fields.MarkStyle = Puzzle.MarkStyle();
    Fields.Changed = Puzzle.Changed();
    Fields.Updating = Puzzle.Updating();
    Fields.Undoing = Puzzle.Undoing();
    Fields.UndoCount = Puzzle.UndoCount();
    Fields.CheckpointCount = Puzzle.CheckpointCount();
    if (WithRoom) {
        Fields.UndoRoom = Puzzle.UndoRoom();
        Fields.CheckpointRoom = Puzzle.CheckpointRoom();
    }
    return Fields;
}

NOT_FUZZED inline TPuzzleState CapturePuzzle(const TPuzzle& Puzzle, bool WithRoom)
{
    TPuzzleState State;
    for (int Index = 0; Index < 81; ++Index)
        State.Cells[Index] = CaptureCell(*Puzzle.CellByIndex(Index));
    State.Fields = CaptureFields(Puzzle, WithRoom);
    return State;
}

NOT_FUZZED inline std::vector<TPuzzleState> CapturePuzzles(std::span<TPuzzle* const> Puzzles, bool WithRoom)
{
    std::vector<TPuzzleState> States;
    for (const TPuzzle* Puzzle : Puzzles)
        States.push_back(CapturePuzzle(*Puzzle, WithRoom));
    return States;
}

// Each puzzle as its state (one per puzzle, in the same order).
NOT_FUZZED inline bool PuzzlesMatch(std::span<TPuzzle* const> Puzzles, std::span<const TPuzzleState> States,
                                    bool WithRoom)
{
    if (Puzzles.size() != States.size())
        return false;
    for (size_t Index = 0; Index < Puzzles.size(); ++Index) {
        const TPuzzle& Puzzle = *Puzzles[Index];
        const TPuzzleState& State = States[Index];
        for (int Place = 0; Place < 81; ++Place)
            if (!(CaptureCell(*Puzzle.CellByIndex(Place)) == State.Cells[Place]))
                return false;
        if (!(CaptureFields(Puzzle, WithRoom) == State.Fields))
            return false;
    }
    return true;
}

// Takes off what play and loading laid over a set of linked puzzles:
// entries, marks, erasures and history, and the mark style back to the
// initial one. With Unload the solutions and the givens go too (the state of
// new puzzles). A filled cell's candidates depend on the order of earlier
// entries, so they are set back to those of States (one per puzzle, in the
// same order). Partners echo entries and notices to each other, so the
// history and the changed flag go last, over the whole set.
NOT_FUZZED inline void ResetPuzzles(std::span<TPuzzle* const> Puzzles, std::span<const TPuzzleState> States,
                                    bool Unload)
{
    static const std::string NoMarks(81 * 4, '0');
    for (TPuzzle* Puzzle : Puzzles) {
        if (Unload)
            Puzzle->ResetAll(false, true);
        else
            Puzzle->ClearEntries();
        bool Marked = false;
        for (int Place = 0; Place < 81 && !Marked; ++Place) {
            const TCell& Cell = *Puzzle->CellByIndex(Place);
            Marked = Cell.UserMarks().Bits() != 0 || Cell.Erased().Bits() != 0;
        }
        if (Marked) {
            Puzzle->LoadUserMarks(NoMarks);
            Puzzle->LoadErasures(NoMarks);
        }
    }
    for (size_t Index = 0; Index < Puzzles.size() && Index < States.size(); ++Index) {
        for (int Place = 0; Place < 81; ++Place) {
            TCell& Cell = *Puzzles[Index]->CellByIndex(Place);
            const uint32_t Wanted = States[Index].Cells[Place].Possible;
            for (int Digit = 1; Digit <= 9; ++Digit)
                if (((Cell.Possible().Bits() ^ Wanted) >> Digit) & 1u)
                    Cell.SetPossible(Digit, ((Wanted >> Digit) & 1u) != 0);
        }
    }
    for (TPuzzle* Puzzle : Puzzles) {
        Puzzle->SetMarkStyle(msInitial, true);
        Puzzle->ClearHistory();
        Puzzle->SetChanged(false);
    }
}

// Puzzles back as States say (skipping the reset when nothing changed);
// false when the reset could not make them so.
NOT_FUZZED inline bool RestorePuzzles(std::span<TPuzzle* const> Puzzles, std::span<const TPuzzleState> States,
                                      bool Unload, bool WithRoom)
{
    if (PuzzlesMatch(Puzzles, States, WithRoom))
        return true;
    ResetPuzzles(Puzzles, States, Unload);
    return PuzzlesMatch(Puzzles, States, WithRoom);
}
