#pragma once
// The way back to the first mistake, on the window: "Show First &Mistake"
// brings the first wrong entry the player made (across the pyramid) into
// view, marked, with the step line telling which square it is and how many
// entries came after it; "Undo to Before &Mistake" takes back, as one
// command, every entry from the newest down to that one, and Redo enters
// them all again while nothing has changed since. The finding and the
// taking back are the pyramid's (FirstMistake); this shows them.

#include "FirstMistake.h"

#include <QCoreApplication>

class QLabel;
class TStepHost;

class TMistakePresenter {
    Q_DECLARE_TR_FUNCTIONS(TMistakePresenter)

public:
    TMistakePresenter(TStepHost& Host, QLabel& Line) : FHost(Host), FLine(Line) {}

    void ShowFirstMistakeClick();
    void UndoToMistakeClick();
    // Redo of the entries taken back last; false when there is none to
    // redo (the caller then redoes on the puzzle as usual).
    bool RedoEntries();
    bool CanRedo() const;

    // The mark shown goes (the grids' step marks and the line are cleared
    // by the step presenter).
    void Clear() { FShown = false; }
    // Another child is shown: the mark follows.
    void ChildShown();
    // A new game: nothing left to redo.
    void Forget() { FUndone.Forget(); }

private:
    void Mark();

    TStepHost& FHost;
    QLabel& FLine;
    TFirstMistake FMistake;
    bool FShown = false;
    TUndoneEntries FUndone;
};
