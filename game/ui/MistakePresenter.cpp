#include "MistakePresenter.h"

#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"
#include "StepPresenter.h"
#include "StepWords.h"

#include <QLabel>

void TMistakePresenter::ShowFirstMistakeClick()
{
    TPuzzleXLink* Pyramid = FHost.StepPyramid();
    if (Pyramid == nullptr)
        return;
    FMistake = FindFirstMistake(*Pyramid);
    if (!FMistake.Found) {
        FShown = false;
        FLine.setText(tr("Every entry so far agrees with the solution."));
        return;
    }
    const TStepSquare& Square = FMistake.Square;
    const bool Parent = Square.Puzzle == 0;
    if (!Parent)
        FHost.StepShowChild(Square.Puzzle);
    const TPosition Position{Square.Row, Square.Col};
    FHost.StepGrid(Parent)->SetCursor(Position.Box(), Position.Place());
    FHost.StepActiveGrid(Parent);
    FShown = true;
    Mark();
    const QString Where = TStepWords::MistakeSquare(Square);
    FLine.setText(
        FMistake.EntriesAfter == 1
            ? tr("Your first wrong entry is %1; 1 entry came after it.").arg(Where)
            : tr("Your first wrong entry is %1; %2 entries came after it.").arg(Where).arg(FMistake.EntriesAfter));
}

void TMistakePresenter::Mark()
{
    TGrid* ParentGrid = FHost.StepGrid(true);
    TGrid* ChildGrid = FHost.StepGrid(false);
    if (!FShown || ParentGrid == nullptr || ChildGrid == nullptr)
        return;
    std::array<TStepMark, 81> Marks{};
    const TPosition Position{FMistake.Square.Row, FMistake.Square.Col};
    Marks[static_cast<size_t>(Position.Box() * 9 + Position.Place())] = TStepMark::Mistake;
    const bool Parent = FMistake.Square.Puzzle == 0;
    ParentGrid->SetStepMarks(Parent ? Marks : std::array<TStepMark, 81>{});
    ChildGrid->SetStepMarks(!Parent && FMistake.Square.Puzzle == FHost.StepChild() ? Marks
                                                                                   : std::array<TStepMark, 81>{});
}

void TMistakePresenter::ChildShown()
{
    Mark();
}

void TMistakePresenter::UndoToMistakeClick()
{
    TPuzzleXLink* Pyramid = FHost.StepPyramid();
    if (Pyramid == nullptr)
        return;
    const TFirstMistake Mistake = FindFirstMistake(*Pyramid);
    if (!Mistake.Found) {
        FLine.setText(tr("Every entry so far agrees with the solution."));
        return;
    }
    // As Undo, this leaves the game's saved state as it is.
    TUndoneEntries Undone = UndoToBeforeMistake(*Pyramid, Mistake);
    FHost.StepRefresh(false);
    FUndone = std::move(Undone);
    const QString Where = TStepWords::MistakeSquare(Mistake.Square);
    FLine.setText(
        FUndone.Count() == 1
            ? tr("1 entry taken back, the wrong one at %1 with it.").arg(Where)
            : tr("%1 entries taken back, the first wrong one at %2 with them.").arg(FUndone.Count()).arg(Where));
}

bool TMistakePresenter::CanRedo() const
{
    const TPuzzleXLink* Pyramid = FHost.StepPyramid();
    return Pyramid != nullptr && FUndone.CanRedo(*Pyramid);
}

bool TMistakePresenter::RedoEntries()
{
    TPuzzleXLink* Pyramid = FHost.StepPyramid();
    if (Pyramid == nullptr || !FUndone.CanRedo(*Pyramid)) {
        FUndone.Forget();
        return false;
    }
    ::RedoEntries(*Pyramid, FUndone);
    FHost.StepRefresh(false);
    return true;
}
