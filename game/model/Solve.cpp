// The solving methods of a puzzle, in their fixed order of precedence.

#include "Puzzle.h"
#include "QVSettings.h"

bool TPuzzle::ScanStep()
{
    for (auto& Box : FBoxes) {
        if (Box->ScanHouse())
            return true;
    }
    return false;
}

bool TPuzzle::PinnedStep()
{
    // Nothing changes before the first hit, so each house's singly marked
    // digits can be taken once; PinnedInHouse confirms the count.
    for (int Index = 0; Index < 9; ++Index) {
        const uint32_t Candidates = FRows[Index]->MarkedOnce() | FColumns[Index]->MarkedOnce();
        if ((Candidates & AllDigitBits) == 0)
            continue;
        for (int Digit = 1; Digit <= 9; ++Digit) {
            if (!FRows[Index]->IsPresent(Digit, nullptr) && FRows[Index]->PinnedInHouse(Digit))
                return true;
            if (!FColumns[Index]->IsPresent(Digit, nullptr) && FColumns[Index]->PinnedInHouse(Digit))
                return true;
        }
    }
    return false;
}

bool TPuzzle::SequenceStep()
{
    for (auto& Cell : FCells) {
        if (Cell->FillSingle())
            return true;
    }
    return false;
}

bool TPuzzle::LockedPairsStep()
{
    for (int Index = 0; Index < 9; ++Index) {
        if (FRows[Index]->LockedPairsInHouse() || FColumns[Index]->LockedPairsInHouse() || FBoxes[Index]->LockedPairsInHouse())
            return true;
    }
    return false;
}

bool TPuzzle::HiddenPairsStep()
{
    for (int Index = 0; Index < 9; ++Index) {
        if (FRows[Index]->HiddenPairsInHouse() || FColumns[Index]->HiddenPairsInHouse() ||
            FBoxes[Index]->HiddenPairsInHouse())
            return true;
    }
    return false;
}

bool TPuzzle::RunMethod(int Method)
{
    switch (Method) {
    case smScanning:
        return ScanStep();
    case smPinned:
        return PinnedStep();
    case smSequence:
        return SequenceStep();
    case smLockedPairs:
        return LockedPairsStep();
    case smHiddenPairs:
        return HiddenPairsStep();
    default:
        return false;
    }
}

int64_t TPuzzle::SolveMeasure() const
{
    int64_t Empty = 0;
    int64_t Candidates = 0;
    for (const auto& Cell : FCells) {
        Empty += Cell->GetValue() == 0 ? 1 : 0;
        Candidates += Cell->Possible().Count();
    }
    // Filling a cell outweighs any number of candidates it gives back.
    return Empty * 1024 + Candidates;
}

// A step's answer counts as progress only when it took the puzzle below the
// lowest measure reached so far (fewer empty cells, or as many and fewer
// candidates). Honest steps always do; steps that strike digits the shown
// marks no longer hold (the user-mark styles) or that swap values back and
// forth (wrong marks on filled cells) would otherwise repeat for ever.
bool TPuzzle::Solve()
{
    int64_t Lowest = SolveMeasure();
    int Method = smScanning;
    while (Method <= smHiddenPairs) {
        if (Settings().IsMethodEnabled(Method) && RunMethod(Method)) {
            const int64_t Measure = SolveMeasure();
            if (Measure < Lowest) {
                Lowest = Measure;
                Method = smScanning;
                continue;
            }
        }
        ++Method;
    }
    return IsSolved();
}
