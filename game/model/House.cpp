#include "House.h"

#include "Cell.h"
#include "Puzzle.h"
#include "Step.h"

THouse::THouse(TPuzzle* Puzzle) : FPuzzle(Puzzle) {}

void THouse::PlaceCell(int Index, TCell* Cell)
{
    if (FCells[Index])
        --FValueCount[FCells[Index]->GetValue()];
    FCells[Index] = Cell;
    ++FValueCount[Cell->GetValue()];
}

void THouse::ValueChanged(int OldValue, int NewValue)
{
    --FValueCount[OldValue];
    ++FValueCount[NewValue];
}

bool THouse::Contains(const TCell* Cell) const
{
    return Cell->GetPuzzle() == FPuzzle &&
           (Cell->RowHouse() == this || Cell->ColHouse() == this || Cell->BoxHouse() == this);
}

bool THouse::IsPresentBesides(int Digit, const TCell* ExceptCell) const
{
    int Holders = FValueCount[Digit];
    if (ExceptCell->GetValue() == Digit && Contains(ExceptCell))
        --Holders;
    return Holders > 0;
}

int THouse::CountMarks(int Digit) const
{
    int Count = 0;
    for (const TCell* Cell : FCells)
        Count += Cell->Shown().IsSet(Digit) ? 1 : 0;
    return Count;
}

void THouse::SetPossibleInHouse(int Digit, bool On, const TCell* ExceptCell)
{
    // A position has exactly one cell object, so identity is SameCell here.
    for (TCell* Cell : FCells) {
        if (Cell != ExceptCell)
            Cell->SetPossible(Digit, On);
    }
}

uint32_t THouse::MarkedOnce() const
{
    uint32_t Once = 0;
    uint32_t More = 0;
    for (const TCell* Cell : FCells) {
        const uint32_t Marks = Cell->Shown().Bits();
        More |= Once & Marks;
        Once |= Marks;
    }
    return Once & ~More;
}

bool THouse::EliminateExcept(int Digit, int Keep1, int Keep2, int Keep3)
{
    bool Asked = false;
    for (int Index = 0; Index < 9; ++Index) {
        if (Index == Keep1 || Index == Keep2 || Index == Keep3)
            continue;
        TCell* Cell = FCells[Index];
        if (Cell->GetValue() == 0 && Cell->HasMark(Digit)) {
            Cell->SetPossible(Digit, false);
            Asked = true;
        }
    }
    return Asked;
}

bool THouse::FindScan(int FromDigit, TSolveStep& Step) const
{
    const uint32_t Once = MarkedOnce();
    for (int Digit = FromDigit; Digit <= 9; ++Digit) {
        if (!((Once >> Digit) & 1u) || IsPresent(Digit, nullptr))
            continue;
        for (TCell* Cell : FCells) {
            if (Cell->HasMark(Digit)) {
                Step.Cell = Cell;
                Step.Digit = Digit;
                return true;
            }
        }
    }
    return false;
}

bool THouse::ScanHouse()
{
    bool Entered = false;
    TSolveStep Step;
    // Each later digit sees the values entered for the earlier ones.
    for (int From = 1; From <= 9 && FindScan(From, Step); From = Step.Digit + 1) {
        FPuzzle->ApplyStep(Step);
        Entered = true;
    }
    return Entered;
}

bool THouse::FindPinned(int Digit, TSolveStep& Step) const
{
    if (CountMarks(Digit) != 1)
        return false;
    for (TCell* Cell : FCells) {
        if (Cell->HasMark(Digit)) {
            Step.Cell = Cell;
            Step.Digit = Digit;
            return true;
        }
    }
    return false;
}

bool THouse::PinnedInHouse(int Digit)
{
    TSolveStep Step;
    if (!FindPinned(Digit, Step))
        return false;
    FPuzzle->ApplyStep(Step);
    return true;
}

bool THouse::FindLockedPair(TSolveStep& Step) const
{
    int Listed[9];
    int ListCount = 0;
    for (int Index = 0; Index < 9; ++Index) {
        if (FCells[Index]->ShownCount() == 2)
            Listed[ListCount++] = Index;
    }
    if (ListCount < 2)
        return false;
    for (int A = 0; A < ListCount; ++A) {
        TCell* CellA = FCells[Listed[A]];
        for (int B = A + 1; B < ListCount; ++B) {
            TCell* CellB = FCells[Listed[B]];
            // Same shown digits among 1-9.
            if (((CellA->Shown().Bits() ^ CellB->Shown().Bits()) & AllDigitBits) != 0)
                continue;
            // The lower digit that some other empty cell still shows; the
            // higher one comes out when the pair is found again.
            for (int Digit = 1; Digit <= 9; ++Digit) {
                if (!CellA->HasMark(Digit))
                    continue;
                Step.LoserCount = 0;
                for (int Index = 0; Index < 9; ++Index) {
                    TCell* Cell = FCells[Index];
                    if (Index == Listed[A] || Index == Listed[B] || Cell->GetValue() != 0 || !Cell->HasMark(Digit))
                        continue;
                    Step.Losers[Step.LoserCount] = Cell;
                    Step.Lost[Step.LoserCount] = 1u << Digit;
                    ++Step.LoserCount;
                }
                if (Step.LoserCount > 0) {
                    Step.Pair = {CellA, CellB};
                    Step.PairDigits = CellA->Shown().Bits() & AllDigitBits;
                    Step.Digit = Digit;
                    return true;
                }
            }
        }
    }
    return false;
}

bool THouse::LockedPairsInHouse()
{
    TSolveStep Step;
    Step.Method = smLockedPairs;
    if (!FindLockedPair(Step))
        return false;
    FPuzzle->ApplyStep(Step);
    return true;
}

bool THouse::FindHiddenPair(TSolveStep& Step) const
{
    // For each digit, the places of the empty cells that show it.
    uint32_t PlacesOf[10] = {};
    for (int Index = 0; Index < 9; ++Index) {
        const TCell* Cell = FCells[Index];
        if (Cell->GetValue() != 0)
            continue;
        for (uint32_t Shown = Cell->Shown().Bits() & AllDigitBits; Shown != 0; Shown &= Shown - 1)
            PlacesOf[std::countr_zero(Shown)] |= 1u << Index;
    }
    for (int A = 1; A <= 9; ++A) {
        if (BitCount(PlacesOf[A]) != 2)
            continue;
        for (int B = A + 1; B <= 9; ++B) {
            if (BitCount(PlacesOf[B]) != 2)
                continue;
            const uint32_t Both = PlacesOf[A] & PlacesOf[B];
            if (BitCount(Both) != 2)
                continue;
            TCell* First = FCells[std::countr_zero(Both)];
            TCell* Second = FCells[31 - std::countl_zero(Both)];
            if (First->ShownCount() <= 2 && Second->ShownCount() <= 2)
                continue;
            const uint32_t Pair = (1u << A) | (1u << B);
            Step.Pair = {First, Second};
            Step.PairDigits = Pair;
            // KeepOnly strikes every other candidate, shown or not.
            Step.LoserCount = 0;
            for (TCell* Cell : Step.Pair) {
                const uint32_t Lost = Cell->Possible().Bits() & AllDigitBits & ~Pair;
                if (Lost == 0)
                    continue;
                Step.Losers[Step.LoserCount] = Cell;
                Step.Lost[Step.LoserCount] = Lost;
                ++Step.LoserCount;
            }
            return true;
        }
    }
    return false;
}

bool THouse::HiddenPairsInHouse()
{
    TSolveStep Step;
    Step.Method = smHiddenPairs;
    if (!FindHiddenPair(Step))
        return false;
    FPuzzle->ApplyStep(Step);
    return true;
}
