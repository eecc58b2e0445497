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
#include "MethodSet.h"
#include "Step.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct TUndoRecord {
    int Row = 0;
    int Col = 0;
    int NewValue = 0;
    int OldValue = 0;
    // Names the record within its puzzle's history: stamps are never reused,
    // so a stamp that is still on top of the list is that very record.
    uint64_t Stamp = 0;
    // The entry that wrote the record, numbered across all puzzles in the
    // order entries are made (TEntryClock): a value and the copies its links
    // carry into other puzzles share one number. Carried marks such a copy,
    // and every record an undo writes into a partner puzzle.
    uint64_t Order = 0;
    bool Carried = false;
    friend bool operator==(const TUndoRecord&, const TUndoRecord&) = default;
};

// A value that Undo took back: the record, the value the cell held before
// the undo (entered again by Redo) and the one it left there, and the
// stamps of the records the undo wrote into the partner puzzles over the
// cell's parent and child links (0 = none).
struct TRedoRecord {
    TUndoRecord Record;
    int Before = 0;
    int After = 0;
    uint64_t ParentMirror = 0;
    uint64_t ChildMirror = 0;
    friend bool operator==(const TRedoRecord&, const TRedoRecord&) = default;
};

// A puzzle's whole undo history, as a copy kept outside the puzzle holds it.
struct TPuzzleHistory {
    // Oldest first.
    std::vector<TUndoRecord> Undo;
    // Each the number of records the checkpoint keeps, oldest first.
    std::vector<int> Checkpoints;
    // Newest last.
    std::vector<TRedoRecord> Redo;
    // The stamp the next record takes.
    uint64_t NextStamp = 1;
};

// Numbers the value changes of every puzzle in the order they are made: one
// number for a value set from outside any other and for the values its links
// carry on. All puzzles run on one thread, so one clock serves them all.
class TEntryClock {
public:
    // The number of the change under way (the newest one made).
    static uint64_t Now() { return FLast; }
    // Whether the change under way is carried over a link from another cell.
    static bool Carrying() { return FDepth > 1; }
    // Numbers from now on come after Order (a history put back).
    static void Reach(uint64_t Order)
    {
        if (FLast < Order)
            FLast = Order;
    }

    // A value change, for its lifetime; nested ones are carried on.
    class TChange {
    public:
        TChange()
        {
            if (FDepth++ == 0)
                ++FLast;
        }
        ~TChange() { --FDepth; }
        TChange(const TChange&) = delete;
        TChange& operator=(const TChange&) = delete;
    };

private:
    static inline uint64_t FLast = 0;
    static inline int FDepth = 0;
};

struct TTakenBack;

// Mark styles (one byte per puzzle).
enum TMarkStyle : uint8_t {
    msInitial = 0,
    msUserMarksSeparate = 3,
    msAutoPencilSeparate = 4,
    msUserMarksLinked = 5,
    msAutoPencilLinked = 6,
    msHidden = 7,
};

class TPuzzle final : public TQVGrid {
public:
    static constexpr int InitialUndoRoom = 60;
    static constexpr int UndoGrowth = 20;
    static constexpr int InitialCheckpointRoom = 5;
    static constexpr int CheckpointGrowth = 5;
    // The most records a checkpoint of a history put back may keep.
    static constexpr int MaxCheckpointRecords = 1 << 24;

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

    // Undo history. Undo answers false when it ran out of records. Every
    // value that Undo (and so BackToCheckpoint) takes back is kept for Redo.
    bool Undo(int Count);
    void Checkpoint();
    void BackToCheckpoint();
    // Enters again the newest value that Undo took back, through SetValue so
    // that it is carried over the cell's links, and puts its record back on
    // the undo list, where Undo takes it back again. Values taken back
    // together come back one call at a time, in the order they were first
    // entered. Answers false, changing nothing, when there is nothing to
    // redo.
    //
    // Nothing to redo once any value of this puzzle changes other than by
    // its own Undo and Redo: a new entry, a value carried in over a link
    // (including another puzzle's undo or redo), solving, a load, a clear or
    // ClearHistory. So a redo never re-enters a value into a position that
    // changed underneath it, and the cell it writes always still holds what
    // the undo left there.
    //
    // Linked cells: taking a linked value back writes the change into the
    // partner's undo list like any value carried over a link. Redo keeps
    // both lists true histories (undoing each list to its start retraces
    // exactly the values its cells held) and, where it can, makes Undo and
    // Redo cancel out on both: if the partner's newest record is still the
    // one that undo wrote, Redo withdraws it instead of recording the
    // re-entered value on top, so the partner's next Undo takes back what
    // it took back before the undo, not the undo itself. The partner's
    // checkpoints above its shortened list go with the withdrawn record.
    // If the partner has recorded anything since, the re-entered value is
    // recorded there as a new entry, as any value carried over a link is.
    bool Redo();
    bool CanUndo() const { return FUndoCount > 0; }
    bool CanRedo() const { return !FRedoList.empty(); }
    // Called whenever CanUndo or CanRedo changes (a window enables its Undo
    // and Redo from it); an undo or a redo tells it once, when it has ended.
    void SetHistoryListener(std::function<void()> Listener) { FHistoryListener = std::move(Listener); }
    int RedoCount() const { return static_cast<int>(FRedoList.size()); }
    // Forgets every undo record, checkpoint and value to redo (a freshly
    // started game).
    void ClearHistory();
    int UndoCount() const { return FUndoCount; }
    int CheckpointCount() const { return FCheckpointCount; }
    // Record 0..UndoCount-1; checkpoint 1..CheckpointCount.
    const TUndoRecord& UndoRecord(int Index) const { return FUndoList[Index]; }
    int CheckpointAt(int Index) const { return FCheckpoints[Index]; }
    int UndoRoom() const { return static_cast<int>(FUndoList.size()); }
    // The whole history, and a history put back in its place (the values,
    // marks and erasures must be those it was taken with). RestoreHistory
    // raises Exception, changing nothing, on a history no puzzle could have:
    // a square or digit out of range, a checkpoint below 0 or above
    // MaxCheckpointRecords, a stamp not below NextStamp.
    TPuzzleHistory History() const;
    void RestoreHistory(const TPuzzleHistory& History);
    // The newest record about the cell, nullptr for none.
    const TUndoRecord* NewestRecordOf(int Row, int Col) const;
    // A change stamp: it moves whenever a record is written (and never comes
    // back), so equal stamps and counts mean an unchanged history.
    uint64_t NextStamp() const { return FNextStamp; }

    // Takes back together, on all of Puzzles (a pyramid's), every record of
    // order First or later, newest first, setting each cell back to the value
    // before it with its linked cells following; no puzzle records the
    // changes, so each list ends as it was before entry First and every
    // value as it was then. What was taken back, in the order taken, for
    // PutBack; nothing is left to redo on any single puzzle.
    static std::vector<TTakenBack> TakeBackSince(const std::vector<TPuzzle*>& Puzzles, uint64_t First);
    // Enters again, oldest first, what TakeBackSince took back and puts the
    // records back on their lists, as they were before. The caller makes
    // sure nothing has changed since.
    static void PutBack(const std::vector<TPuzzle*>& Puzzles, const std::vector<TTakenBack>& Taken);
    int CheckpointRoom() const { return static_cast<int>(FCheckpoints.size()); }

    // Redraws the whole grid (outside bulk updates).
    void Refresh();

    // Solving: the methods of the set in their order of precedence until
    // none makes progress; answers IsSolved.
    bool Solve(TMethodSet Methods);
    bool ScanStep();
    bool PinnedStep();
    bool SequenceStep();
    bool LockedPairsStep();
    bool HiddenPairsStep();
    // The deduction the step of Method (smScanning to smHiddenPairs) would
    // make next, found without changing anything; false when it makes none.
    // A scanning step is the first digit of the first box that has one.
    bool FindStep(int Method, TSolveStep& Step);
    // Makes exactly the deduction found (one value, or one pair's strikes)
    // the way the method's step makes it.
    void ApplyStep(const TSolveStep& Step);

    // Services for the cells.
    void CellChanged(const TPosition& Position);
    void AddUndoRecord(int Row, int Col, int NewValue, int OldValue);
    // Called for every value change that is not this puzzle's own undo or
    // redo: what was taken back no longer fits the position.
    void DiscardRedo()
    {
        FRedoList.clear();
        TellHistory();
    }

private:
    // The newest record goes, without touching the cell.
    TUndoRecord PopRecord();

    friend class TUpdateScope;
    friend class TUndoScope;
    friend class THistoryNotice;
    // Calls the history listener when CanUndo or CanRedo differs from what
    // it was last told.
    void TellHistory();
    void LoadMarks(const std::string& Text, int Kind);
    bool RunMethod(int Method);
    // Empty cells and automatic candidates, a measure that honest progress
    // of the solving steps always lowers.
    int64_t SolveMeasure() const;
    void PushUndoRecord(const TUndoRecord& Record);
    // The stamp of Partner's newest record when that record is about Partner
    // and no older than FirstStamp, else 0.
    static uint64_t RecordWrittenSince(const TCell* Partner, uint64_t FirstStamp);
    static uint64_t NextStampOf(const TCell* Partner);
    // Whether Partner's newest record is still the one stamped Mirror and
    // set the cell from Before, so that a redo entering Before may withdraw
    // it.
    static bool CanWithdraw(const TCell* Partner, uint64_t Mirror, int Before);
    // Drops the newest record after a partner's redo undid its change, with
    // the checkpoints that counted it; the value changed by another puzzle's
    // hand, so nothing is left to redo here either.
    void Withdraw();

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
    uint64_t FNextStamp = 1;
    // Newest last.
    std::vector<TRedoRecord> FRedoList;
    std::function<void()> FHistoryListener;
    bool FToldUndo = false;
    bool FToldRedo = false;
    int FCheckpointCount = 0;
    std::vector<int> FCheckpoints;
    bool FSolved = false;
    uint8_t FMarkStyle = 0;
    bool FChanged = false;
};

// A record TPuzzle::TakeBackSince took back, with its puzzle.
struct TTakenBack {
    TPuzzle* Puzzle = nullptr;
    TUndoRecord Record;
};
