#pragma once
// One cell of a puzzle: entered value, solution digit, given flag and four
// digit sets (automatic candidates, the player's marks, the player's
// erasures and the set shown under the puzzle's mark style). A cell may be
// linked to one cell of a parent puzzle and to one cell of a child puzzle;
// values are carried over the links and linked mark styles combine the
// partners' sets.
//
// Ownership: the puzzle creates and owns its cells; houses, the puzzle and
// the linked cells are references only. Links are set once, by the pyramid
// wiring, and are never cleared.

#include "BitMask.h"
#include "QVClasses.h"

class THouse;
class TPuzzle;

// Mark kinds, as MaskOfKind and the marks texts use them.
enum TMarkKind {
    mkPossible = 0,
    mkUserMarks = 1,
    mkErased = 2,
};

class TCell final : public TQVCell {
public:
    TCell(TPuzzle* Puzzle, const TPosition& Position, THouse* RowHouse, THouse* ColHouse, THouse* BoxHouse);
    TCell(const TCell&) = delete;
    TCell& operator=(const TCell&) = delete;

    int GetValue() const override { return FValue; }
    // Enters a value (0 clears), keeps the candidates of the cell's houses up
    // to date, records an undo entry outside bulk updates and undo replays,
    // and carries the value to the linked cells. Values outside 0-9 are
    // ignored.
    void SetValue(int NewValue) override;
    bool HasMark(int Digit) const override { return FShown.IsSet(Digit); }
    // Adds or removes an automatic candidate. A digit entered elsewhere in the
    // cell's houses is never added. Raises ENoPossibilities when a removal
    // empties the candidates during a bulk update.
    void SetPossible(int Digit, bool On) override
    {
        if (FPossible.IsSet(Digit) != On)
            ChangePossible(Digit, On);
    }
    bool HasUserMark(int Digit) const override { return FUserMarks.IsSet(Digit); }
    void SetUserMark(int Digit, bool On) override;
    int GetSolution() const override { return FSolution; }
    // Like SetValue for the solution digit; does not follow links.
    void SetSolution(int NewValue) override;
    TColor GetColour() const override { return FColour; }
    TColor GetShownColour() const override;
    bool IsInvalid() const override { return FValue != 0 && !FPossible.IsSet(FValue); }
    bool IsCorrect() const override { return FValue == 0 || FValue == FSolution; }
    bool GetRevealed() const override { return FRevealed; }
    // Makes the cell a given (showing its solution digit) or not; the parent
    // partner follows first.
    void SetRevealed(bool Flag) override;
    bool FillSingle() override;
    // The one digit an empty cell shows, 0 when it is filled or shows none
    // or several (what FillSingle enters).
    int SingleCandidate() const;
    // The player's pencil and eraser. In the user-mark styles (UserMarks)
    // they set and clear the player's own mark of Digit; otherwise the pencil
    // gives an erased candidate back and the eraser erases one, except the
    // solution digit while setting 7 ("prevent removal of the solution")
    // is in force. A given cell keeps its marks. Answers whether a mark
    // changed; a change is reported like any other.
    bool PencilDigit(int Digit, bool UserMarks);
    bool EraseDigit(int Digit, bool UserMarks);

    // Recomputes Shown and, outside bulk updates, reports the change to the
    // puzzle and (unless FromLink) lets the linked cells recompute theirs.
    void NotifyChange(bool FromLink);
    // The stored mask of a kind: 1 and 3 user marks, 2 erasures, any other
    // the automatic candidates. A caller that changes it calls
    // NotifyChange(false) afterwards.
    TBitMask& MaskOfKind(int Kind);
    const TBitMask& MaskOfKind(int Kind) const;
    void ComputeShown(int Style);
    // Shown, or nothing while the puzzle's style hides the marks.
    TBitMask ShownMarks() const;
    int ShownCount() const { return FShown.Count(); }
    void SetAllPossible(bool On);
    void RecomputePossible();
    // Keeps only the listed digits (bits of Digits) among the candidates.
    void KeepOnly(uint32_t Digits);
    // Back to the creation state, except marks, erasures, colour and links;
    // touches no other cell and records nothing.
    void Reset(bool ClearSolution);
    void CopyParentSolution();
    bool SameCell(const TCell* Other) const;

    const TBitMask& Possible() const { return FPossible; }
    const TBitMask& UserMarks() const { return FUserMarks; }
    const TBitMask& Erased() const { return FErased; }
    const TBitMask& Shown() const { return FShown; }
    const TPosition& GetPosition() const { return FPosition; }
    TPuzzle* GetPuzzle() const { return FPuzzle; }
    THouse* RowHouse() const { return FRowHouse; }
    THouse* ColHouse() const { return FColHouse; }
    THouse* BoxHouse() const { return FBoxHouse; }
    TCell* ParentLinkOfCell() const { return FParentLink; }
    TCell* ChildLinkOfCell() const { return FChildLink; }
    void SetParentLinkOfCell(TCell* Link) { FParentLink = Link; }
    void SetChildLinkOfCell(TCell* Link) { FChildLink = Link; }
    void SetColour(TColor Colour) { FColour = Colour; }

private:
    // Writes Value or Solution (Target) and runs the candidate upkeep shared
    // by SetValue and SetSolution; answers false when nothing changed.
    bool StoreDigit(int& Target, int NewValue, bool IsValue);
    void StoreValueOnly(int NewValue);
    void ChangePossible(int Digit, bool On);

    int FValue = 0;
    int FSolution = 0;
    bool FRevealed = false;
    TBitMask FPossible{9};
    TBitMask FUserMarks{9};
    TBitMask FErased{9};
    TBitMask FShown{9};
    TPosition FPosition;
    THouse* FRowHouse;
    THouse* FColHouse;
    THouse* FBoxHouse;
    TPuzzle* FPuzzle;
    TCell* FParentLink = nullptr;
    TCell* FChildLink = nullptr;
    TColor FColour = clWhite;
};
