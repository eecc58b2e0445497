#pragma once
// A house: nine cells of one puzzle that must hold each digit once (a row, a
// column or a box). In a row the index is the column, in a column the row,
// in a box the place. The puzzle owns its houses; the cells are references.
//
// The house counts the values its cells hold, so that presence tests are
// constant-time; the cells report every change of their value to their
// three houses.

#include <array>
#include <cstdint>

class TCell;
class TPuzzle;
struct TSolveStep;

class THouse {
public:
    explicit THouse(TPuzzle* Puzzle);
    virtual ~THouse() = default;
    THouse(const THouse&) = delete;
    THouse& operator=(const THouse&) = delete;

    TCell* CellAt(int Index) const { return FCells[Index]; }
    TPuzzle* GetPuzzle() const { return FPuzzle; }
    void PlaceCell(int Index, TCell* Cell);

    // Some cell other than ExceptCell (nullptr = none) holds Digit as value.
    bool IsPresent(int Digit, const TCell* ExceptCell) const
    {
        if (Digit < 0 || Digit > 9)
            return false;
        return ExceptCell ? IsPresentBesides(Digit, ExceptCell) : FValueCount[Digit] > 0;
    }
    bool IsAbsent(int Digit, const TCell* ExceptCell) const { return !IsPresent(Digit, ExceptCell); }
    // Cells (values or not) whose shown marks hold Digit.
    int CountMarks(int Digit) const;
    // The digits (as bits) that exactly one cell of the house shows.
    uint32_t MarkedOnce() const;
    void SetPossibleInHouse(int Digit, bool On, const TCell* ExceptCell);
    // Strikes Digit out of every empty cell that shows it, except the three
    // indices (-1 = none); true when at least one cell was asked.
    bool EliminateExcept(int Digit, int Keep1, int Keep2, int Keep3);

    // Solving steps (see TPuzzle::Solve). Each finder answers whether the
    // house holds its method's next deduction and fills the step's cells and
    // digits, changing nothing; the step of the same name makes it.
    // FindScan looks at digits from FromDigit on.
    bool FindScan(int FromDigit, TSolveStep& Step) const;
    bool FindPinned(int Digit, TSolveStep& Step) const;
    bool FindLockedPair(TSolveStep& Step) const;
    bool FindHiddenPair(TSolveStep& Step) const;
    bool ScanHouse();
    bool PinnedInHouse(int Digit);
    bool LockedPairsInHouse();
    bool HiddenPairsInHouse();

    // Kept current by the cells.
    void ValueChanged(int OldValue, int NewValue);
    // IsPresent for a cell of this house holding MemberValue as ExceptCell.
    bool HoldsBesides(int Digit, int MemberValue) const
    {
        return Digit >= 0 && Digit <= 9 && FValueCount[Digit] > (MemberValue == Digit ? 1 : 0);
    }

private:
    bool Contains(const TCell* Cell) const;
    bool IsPresentBesides(int Digit, const TCell* ExceptCell) const;

    std::array<TCell*, 9> FCells{};
    TPuzzle* FPuzzle;
    // How many cells hold each value 0-9.
    std::array<uint8_t, 10> FValueCount{};
};

class TBox : public THouse {
public:
    using THouse::THouse;
};
