#include "Cell.h"

#include "House.h"
#include "NoPossibilities.h"
#include "Puzzle.h"
#include "QVSettings.h"

namespace {

bool IsCellDigitValue(int Value)
{
    return Value >= 0 && Value <= 9;
}

}  // namespace

TCell::TCell(TPuzzle* Puzzle, const TPosition& Position, THouse* RowHouse, THouse* ColHouse, THouse* BoxHouse)
    : FPosition(Position), FRowHouse(RowHouse), FColHouse(ColHouse), FBoxHouse(BoxHouse), FPuzzle(Puzzle)
{
    Reset(false);
}

void TCell::StoreValueOnly(int NewValue)
{
    if (NewValue == FValue)
        return;
    const int OldValue = FValue;
    FValue = NewValue;
    FRowHouse->ValueChanged(OldValue, NewValue);
    FColHouse->ValueChanged(OldValue, NewValue);
    FBoxHouse->ValueChanged(OldValue, NewValue);
}

bool TCell::StoreDigit(int& Target, int NewValue, bool IsValue)
{
    if (NewValue == Target || !IsCellDigitValue(NewValue))
        return false;
    const int OldValue = Target;
    if (IsValue) {
        StoreValueOnly(NewValue);
        // Only the puzzle's own undo and redo replays leave what was taken
        // back fit to enter again; bulk changes and new entries do not.
        if (!FPuzzle->Undoing()) {
            FPuzzle->DiscardRedo();
            if (!FPuzzle->Updating())
                FPuzzle->AddUndoRecord(FPosition.Row, FPosition.Col, NewValue, OldValue);
        }
    } else {
        // Undo replays values only, so a solution change is never recorded.
        Target = NewValue;
    }
    THouse* const Houses[3] = {FRowHouse, FColHouse, FBoxHouse};
    if (NewValue > 0) {
        SetAllPossible(false);
        SetPossible(NewValue, true);
        for (THouse* House : Houses)
            House->SetPossibleInHouse(NewValue, false, this);
    }
    if (OldValue > 0) {
        for (THouse* House : Houses)
            House->SetPossibleInHouse(OldValue, true, this);
    }
    if (NewValue == 0)
        RecomputePossible();
    NotifyChange(false);
    return true;
}

void TCell::SetValue(int NewValue)
{
    const TEntryClock::TChange Change;
    if (!StoreDigit(FValue, NewValue, true))
        return;
    // The partner's own equality test stops the echo.
    if (FParentLink)
        FParentLink->SetValue(NewValue);
    if (FChildLink)
        FChildLink->SetValue(NewValue);
}

void TCell::SetSolution(int NewValue)
{
    StoreDigit(FSolution, NewValue, false);
}

void TCell::ChangePossible(int Digit, bool On)
{
    if (On && (FRowHouse->HoldsBesides(Digit, FValue) || FColHouse->HoldsBesides(Digit, FValue) ||
               FBoxHouse->HoldsBesides(Digit, FValue)))
        return;
    FPossible.SetBit(Digit, On);
    NotifyChange(false);
    if (FPossible.Count() == 0 && FPuzzle->Updating())
        throw ENoPossibilities();
}

void TCell::SetUserMark(int Digit, bool On)
{
    FUserMarks.SetBit(Digit, On);
    NotifyChange(false);
}

TColor TCell::GetShownColour() const
{
    return FChildLink ? FChildLink->GetColour() : FColour;
}

void TCell::SetRevealed(bool Flag)
{
    if (FParentLink)
        FParentLink->SetRevealed(Flag);
    if (Flag == FRevealed)
        return;
    FRevealed = Flag;
    SetValue(Flag ? FSolution : 0);
    NotifyChange(false);
}

int TCell::SingleCandidate() const
{
    if (FValue != 0 || FShown.Count() != 1)
        return 0;
    const uint32_t Digits = FShown.Bits() & AllDigitBits;
    return Digits == 0 ? 0 : std::countr_zero(Digits);
}

bool TCell::FillSingle()
{
    const int Digit = SingleCandidate();
    if (Digit == 0)
        return false;
    SetValue(Digit);
    return true;
}

bool TCell::PencilDigit(int Digit, bool UserMarks)
{
    if (FRevealed || Digit < 1 || Digit > 9)
        return false;
    TBitMask& Mask = UserMarks ? FUserMarks : FErased;
    const bool On = UserMarks;
    if (Mask.IsSet(Digit) == On)
        return false;
    Mask.SetBit(Digit, On);
    NotifyChange(false);
    return true;
}

bool TCell::EraseDigit(int Digit, bool UserMarks)
{
    if (FRevealed || Digit < 1 || Digit > 9)
        return false;
    if (!UserMarks && Digit == FSolution && Settings().GetOption(optNoRemoveSoln))
        return false;
    TBitMask& Mask = UserMarks ? FUserMarks : FErased;
    const bool On = !UserMarks;
    if (Mask.IsSet(Digit) == On)
        return false;
    Mask.SetBit(Digit, On);
    NotifyChange(false);
    return true;
}

void TCell::NotifyChange(bool FromLink)
{
    ComputeShown(FPuzzle->MarkStyle());
    if (FPuzzle->Updating())
        return;
    FPuzzle->CellChanged(FPosition);
    if (!FromLink) {
        if (FChildLink)
            FChildLink->NotifyChange(true);
        if (FParentLink)
            FParentLink->NotifyChange(true);
    }
}

TBitMask& TCell::MaskOfKind(int Kind)
{
    switch (Kind) {
    case 1:
    case 3: return FUserMarks;
    case 2: return FErased;
    default: return FPossible;
    }
}

const TBitMask& TCell::MaskOfKind(int Kind) const
{
    return const_cast<TCell*>(this)->MaskOfKind(Kind);
}

void TCell::ComputeShown(int Style)
{
    if (Style < msUserMarksSeparate || Style > msAutoPencilLinked) {
        FShown.CopyFrom(FPossible);
        return;
    }
    uint32_t Bits;
    switch (Style) {
    case msUserMarksSeparate: Bits = FUserMarks.Bits(); break;
    case msUserMarksLinked:
        Bits = FUserMarks.Bits();
        if (FChildLink)
            Bits |= FChildLink->FUserMarks.Bits();
        if (FParentLink)
            Bits |= FParentLink->FUserMarks.Bits();
        break;
    case msAutoPencilSeparate: Bits = FPossible.Bits() & ~FErased.Bits(); break;
    case msAutoPencilLinked:
        Bits = FPossible.Bits() & ~FErased.Bits();
        if (FChildLink)
            Bits &= FChildLink->FPossible.Bits() & ~FChildLink->FErased.Bits();
        if (FParentLink)
            Bits &= FParentLink->FPossible.Bits() & ~FParentLink->FErased.Bits();
        break;
    default: Bits = FPossible.Bits(); break;
    }
    FShown.SetBits(Bits);
}

TBitMask TCell::ShownMarks() const
{
    if (FPuzzle->MarkStyle() == msHidden)
        return TBitMask(9);
    return FShown;
}

void TCell::SetAllPossible(bool On)
{
    FPossible.SetBits(On ? AllDigitBits : 0);
    NotifyChange(false);
}

void TCell::RecomputePossible()
{
    for (int Digit = 1; Digit <= 9; ++Digit)
        SetPossible(Digit, true);
}

void TCell::KeepOnly(uint32_t Digits)
{
    for (int Digit = 1; Digit <= 9; ++Digit) {
        if (FPossible.IsSet(Digit) && !((Digits >> Digit) & 1u))
            SetPossible(Digit, false);
    }
    NotifyChange(false);
}

void TCell::Reset(bool ClearSolution)
{
    if (ClearSolution)
        FSolution = 0;
    StoreValueOnly(0);
    FRevealed = false;
    SetAllPossible(true);
}

void TCell::CopyParentSolution()
{
    if (FParentLink)
        SetSolution(FParentLink->FSolution);
}

bool TCell::SameCell(const TCell* Other) const
{
    return Other && Other->FPuzzle == FPuzzle && Other->FPosition == FPosition;
}
