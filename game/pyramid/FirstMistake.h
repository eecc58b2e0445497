#pragma once
// The player's first mistake across the pyramid: of the entries that differ
// from their solution, the one made first, and the way back to just before
// it. Entries are ordered as the player made them, whatever puzzle each was
// made in (the records' entry numbers); a value and the copy its link
// carries into the partner puzzle are one entry.

#include "Puzzle.h"
#include "PyramidSteps.h"

#include <cstdint>
#include <string>
#include <vector>

class TPuzzleXLink;

struct TFirstMistake {
    bool Found = false;
    // The square the wrong value was entered in (of a linked pair, the one
    // the player entered it in) and the value.
    TStepSquare Square;
    int Digit = 0;
    // The entry's number, and how many entries were made after it.
    uint64_t Order = 0;
    int EntriesAfter = 0;
};

TFirstMistake FindFirstMistake(const TPuzzleXLink& Pyramid);

// Entries taken back together, kept so that they can be entered again as
// long as nothing has changed since.
class TUndoneEntries {
public:
    bool Empty() const { return FTaken.empty(); }
    int Count() const;
    // Whether Pyramid is still as the undo left it.
    bool CanRedo(const TPuzzleXLink& Pyramid) const;
    void Forget();

private:
    friend TUndoneEntries UndoToBeforeMistake(TPuzzleXLink&, const TFirstMistake&);
    friend bool RedoEntries(TPuzzleXLink&, TUndoneEntries&);

    struct TPuzzleState {
        int UndoCount = 0;
        uint64_t NextStamp = 0;
        std::string Entries;
    };
    static std::vector<TPuzzleState> StateOf(const TPuzzleXLink& Pyramid);

    const TPuzzleXLink* FPyramid = nullptr;
    std::vector<TTakenBack> FTaken;
    std::vector<TPuzzleState> FAfter;
};

// Takes back every entry from the newest down to the mistake, inclusive,
// newest first across the pyramid, linked cells following; the pyramid ends
// as it was before the mistake was made. Nothing to undo without a mistake.
TUndoneEntries UndoToBeforeMistake(TPuzzleXLink& Pyramid, const TFirstMistake& Mistake);

// Enters again all that Undone took back, when nothing has changed since;
// answers whether it did. Undone is empty afterwards either way.
bool RedoEntries(TPuzzleXLink& Pyramid, TUndoneEntries& Undone);
