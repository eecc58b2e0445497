#pragma once
// One 9x9 puzzle: 81 cells, nine rows, nine columns and nine boxes, the undo
// list with its checkpoints, the mark style, and the bulk-update flag under
// which whole loads and clears run without notices or undo records. The
// solving methods work on it (Solve and its steps).
//
// Ownership: the puzzle owns its cells and houses. DisplayLink is a
// reference set by the pyramid; the puzzle never frees it.
//
// Errors: LoadPuzzle raises ENoPossibilities on contradictory data (the
// puzzle is left partly loaded, but no longer in a bulk update). The texts'
// loaders raise Exception naming the first bad cell and change nothing.

#include "Cell.h"
#include "House.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct TUndoRecord {
    int Row = 0;
    int Col = 0;
    int NewValue = 0;
    int OldValue = 0;
};

// Mark styles (one byte per puzzle).
enum TMarkStyle : uint8_t {
    msInitial = 0,
    msUserMarksSeparate = 3,
    msAutoPencilSeparate = 4,
    msUserMarksLinked = 5,
    msAutoPencilLinked = 6,
    msHidden = 7,
};

// The solving methods in the order of the settings list; the item index is
// the method number given to IsMethodEnabled.
enum TSolveMethod {
    smScanning = 0,
    smPinned = 1,
    smSequence = 2,
    smLockedPairs = 3,
    smHiddenPairs = 4,
    smXWings = 5,
};

class TPuzzle final : public TQVGrid {
public:
    static constexpr int InitialUndoRoom = 60;
    static constexpr int UndoGrowth = 20;
    static constexpr int InitialCheckpointRoom = 5;
    static constexpr int CheckpointGrowth = 5;

    TPuzzle();
    ~TPuzzle() override;
    TPuzzle(const TPuzzle&) = delete;
    TPuzzle& operator=(const TPuzzle&) = delete;

    // Linked cells take the "Linked cell" colour when shaded, "Normal cell"
    // when not; other cells keep theirs.
    void SetShading(bool Shaded) override;
    // nullptr outside the grid.
    TCell* CellAt(const TPosition& Position) override;
    TCell* CellAt(int Row, int Col);
    const TCell* CellAt(int Row, int Col) const;
    TCell* CellByIndex(int Index);
    const TCell* CellByIndex(int Index) const;
    TCell* BoxCell(int Box, int Place);

    THouse& Row(int Index) { return *FRows[Index]; }
    THouse& Column(int Index) { return *FColumns[Index]; }
    TBox& Box(int Index) { return *FBoxes[Index]; }

    // The pyramid wiring: store Link in the named cell's child (parent) link.
    void SetChildLink(int Box, int Place, TCell* Link);
    void SetChildLink(const TPosition& Position, TCell* Link);
    void SetParentLink(int Box, int Place, TCell* Link);
    void SetParentLink(const TPosition& Position, TCell* Link);

    TQVDisplayNotify* DisplayLink() const { return FDisplayLink; }
    void SetDisplayLink(TQVDisplayNotify* Link) { FDisplayLink = Link; }
    bool Changed() const { return FChanged; }
    void SetChanged(bool Value) { FChanged = Value; }
    bool Updating() const { return FUpdating; }
    bool Undoing() const { return FUndoing; }
    uint8_t MarkStyle() const { return FMarkStyle; }

    // Loading and clearing.
    // 81 solution digits and 81 given flags (non-zero = given), index order.
    void LoadPuzzle(std::span<const uint8_t, 81> SolutionDigits, std::span<const uint8_t, 81> GivenFlags);
    void ClearEntries();
    // 81 decimal characters; a given cell keeps its value.
    void LoadEntries(const std::string& Text);
    // "$" and three hex digits per cell; empty text changes nothing.
    void LoadUserMarks(const std::string& Text);
    void LoadErasures(const std::string& Text);
    std::string EntriesToString() const;
    std::string UserMarksToString() const;
    std::string ErasuresToString() const;
    std::string MarksToString(int Kind) const;
    void ResetAll(bool CopyLinks, bool ClearSolution);
    void ClearUserMarks();

    void SetMarkStyle(uint8_t Style, bool Force);

    // Questions.
    bool IsSolved();
    // Filled of Total non-given cells; true when all are filled.
    bool Progress(int& Filled, int& Total) const;
    int DigitRowCount(int Digit) const;

    // Undo history. Undo answers false when it ran out of records.
    bool Undo(int Count);
    void Checkpoint();
    void BackToCheckpoint();
    // Forgets every undo record and checkpoint (a freshly started game).
    void ClearHistory();
    int UndoCount() const { return FUndoCount; }
    int CheckpointCount() const { return FCheckpointCount; }
    // Record 0..UndoCount-1; checkpoint 1..CheckpointCount.
    const TUndoRecord& UndoRecord(int Index) const { return FUndoList[Index]; }
    int CheckpointAt(int Index) const { return FCheckpoints[Index]; }
    int UndoRoom() const { return static_cast<int>(FUndoList.size()); }
    int CheckpointRoom() const { return static_cast<int>(FCheckpoints.size()); }

    // Redraws the whole grid (outside bulk updates).
    void Refresh();

    // Solving: the enabled methods in their order of precedence until none
    // makes progress; answers IsSolved.
    bool Solve();
    bool ScanStep();
    bool PinnedStep();
    bool SequenceStep();
    bool LockedPairsStep();
    bool HiddenPairsStep();

    // Services for the cells.
    void CellChanged(const TPosition& Position);
    void AddUndoRecord(int Row, int Col, int NewValue, int OldValue);

private:
    friend class TUpdateScope;
    friend class TUndoScope;
    void LoadMarks(const std::string& Text, int Kind);
    bool RunMethod(int Method);
    // Empty cells and automatic candidates, a measure that honest progress
    // of the solving steps always lowers.
    int64_t SolveMeasure() const;

    // Built in place by the constructor and never moved, so the cells' and
    // houses' references to each other stay valid.
    std::array<std::optional<TCell>, 81> FCells;
    std::array<std::optional<THouse>, 9> FRows;
    std::array<std::optional<THouse>, 9> FColumns;
    std::array<std::optional<TBox>, 9> FBoxes;
    TQVDisplayNotify* FDisplayLink = nullptr;
    bool FUpdating = false;
    bool FUndoing = false;
    int FUndoCount = 0;
    std::vector<TUndoRecord> FUndoList;
    int FCheckpointCount = 0;
    std::vector<int> FCheckpoints;
    bool FSolved = false;
    uint8_t FMarkStyle = 0;
    bool FChanged = false;
};
