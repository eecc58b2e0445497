// The solving methods of a puzzle, in their fixed order of precedence.

#include "Puzzle.h"

// Each method's step finds its deduction with FindStep and makes it, so
// that solving and the explained steps of the pyramid share one reasoning.
bool TPuzzle::ScanStep()
{
    return RunMethod(smScanning);
}

bool TPuzzle::PinnedStep()
{
    return RunMethod(smPinned);
}

bool TPuzzle::SequenceStep()
{
    return RunMethod(smSequence);
}

bool TPuzzle::LockedPairsStep()
{
    return RunMethod(smLockedPairs);
}

bool TPuzzle::HiddenPairsStep()
{
    return RunMethod(smHiddenPairs);
}

bool TPuzzle::FindStep(int Method, TSolveStep& Step)
{
    Step = TSolveStep{};
    Step.Method = Method;
    const auto Found = [&Step](THouse& House, TStepHouse Kind, int Index) {
        Step.House = &House;
        Step.HouseKind = Kind;
        Step.HouseIndex = Index;
        return true;
    };
    switch (Method) {
    case smScanning:
        for (int Index = 0; Index < 9; ++Index) {
            if (FBoxes[Index]->FindScan(1, Step))
                return Found(*FBoxes[Index], TStepHouse::Box, Index);
        }
        return false;
    case smPinned:
        for (int Index = 0; Index < 9; ++Index) {
            // Only digits that some cell of the row or column shows alone can
            // be pinned there.
            const uint32_t Candidates = FRows[Index]->MarkedOnce() | FColumns[Index]->MarkedOnce();
            if ((Candidates & AllDigitBits) == 0)
                continue;
            for (int Digit = 1; Digit <= 9; ++Digit) {
                if (!FRows[Index]->IsPresent(Digit, nullptr) && FRows[Index]->FindPinned(Digit, Step))
                    return Found(*FRows[Index], TStepHouse::Row, Index);
                if (!FColumns[Index]->IsPresent(Digit, nullptr) && FColumns[Index]->FindPinned(Digit, Step))
                    return Found(*FColumns[Index], TStepHouse::Column, Index);
            }
        }
        return false;
    case smSequence:
        for (auto& Cell : FCells) {
            if (const int Digit = Cell->SingleCandidate(); Digit != 0) {
                Step.Cell = &*Cell;
                Step.Digit = Digit;
                return true;
            }
        }
        return false;
    case smLockedPairs:
    case smHiddenPairs: {
        const bool Locked = Method == smLockedPairs;
        for (int Index = 0; Index < 9; ++Index) {
            const std::pair<THouse*, TStepHouse> Houses[3] = {{&*FRows[Index], TStepHouse::Row},
                                                              {&*FColumns[Index], TStepHouse::Column},
                                                              {&*FBoxes[Index], TStepHouse::Box}};
            for (const auto& [House, Kind] : Houses) {
                if (Locked ? House->FindLockedPair(Step) : House->FindHiddenPair(Step))
                    return Found(*House, Kind, Index);
            }
        }
        return false;
    }
    default: return false;
    }
}

void TPuzzle::ApplyStep(const TSolveStep& Step)
{
    if (Step.Cell != nullptr) {
        Step.Cell->SetValue(Step.Digit);
    } else if (Step.Method == smLockedPairs) {
        for (int Index = 0; Index < Step.LoserCount; ++Index)
            Step.Losers[Index]->SetPossible(Step.Digit, false);
    } else if (Step.Method == smHiddenPairs) {
        Step.Pair[0]->KeepOnly(Step.PairDigits);
        Step.Pair[1]->KeepOnly(Step.PairDigits);
    }
}

bool TPuzzle::RunMethod(int Method)
{
    TSolveStep Step;
    if (!FindStep(Method, Step))
        return false;
    // A box's scan enters every digit it finds in one pass.
    if (Method == smScanning)
        return Step.House->ScanHouse();
    ApplyStep(Step);
    return true;
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
bool TPuzzle::Solve(TMethodSet Methods)
{
    int64_t Lowest = SolveMeasure();
    int Method = FirstSolveMethod;
    while (Method <= LastSolveMethod) {
        if (Methods.Has(Method) && RunMethod(Method)) {
            const int64_t Measure = SolveMeasure();
            if (Measure < Lowest) {
                Lowest = Measure;
                Method = FirstSolveMethod;
                continue;
            }
        }
        ++Method;
    }
    return IsSolved();
}
