#pragma once
// Explained steps on the window: the next deduction of the solving methods,
// found from the player's entries, shown on the grids (its squares and the
// houses it rests on marked) and in the step line, and made the way the
// player makes entries and erasures. F2 finds and shows the next step, or
// makes the one shown; Shift+F2 makes the one shown, or the next. The
// presenter keeps the step shown; any change of the puzzles takes it away.

#include "PyramidSteps.h"

#include <optional>

class QLabel;
class TGrid;
class TPuzzleXLink;
struct TGameFeatures;

// The window's services to the presenter.
class TStepHost {
public:
    virtual TPuzzleXLink* StepPyramid() const = 0;
    // nullptr before the window is first shown.
    virtual TGrid* StepGrid(bool Parent) const = 0;
    virtual int StepChild() const = 0;
    virtual TGameFeatures StepFeatures() const = 0;
    virtual bool StepUserMarks() const = 0;
    virtual void StepShowChild(int N) = 0;
    // The cursor of the step's grid is on its square: the keys act there.
    virtual void StepActiveGrid(bool Parent) = 0;
    // A step made as the player's entry on puzzle Index (-1: marks only).
    virtual void StepMade(int Index) = 0;
    virtual void StepRefresh(bool Check) = 0;

protected:
    ~TStepHost() = default;
};

class TStepPresenter {
public:
    TStepPresenter(TStepHost& Host, QLabel& Line) : FHost(Host), FLine(Line) {}

    void NextStepClick();
    void ApplyStepClick();
    // Takes the step shown off the grids and the step line.
    void ClearStep();

private:
    // The rules of the game in play; nullopt when it offers no steps.
    std::optional<TStepRules> GameStepRules() const;
    // Shows the step's puzzle, cursor and marks, and its sentence.
    void ShowStep(const TPyramidStep& Step);
    // Brings the step's puzzle into view and the cursor onto its square.
    void PointAtStep(const TPyramidStep& Step);

    TStepHost& FHost;
    QLabel& FLine;
    // The step shown, while no change has made it stale (F2 then makes it).
    TPyramidStep FStep;
    bool FStepShown = false;
};
