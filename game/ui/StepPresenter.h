#pragma once
// Explained steps on the window: the next deduction of the solving methods,
// found from the player's entries, shown on the grids (its squares and the
// houses it rests on marked) and in the step line, and made the way the
// player makes entries and erasures. A step is told in stages: the puzzle to
// look at and the method, then the house, then the square, then the whole
// step. F2 finds the next step and shows the stage the settings start at,
// then each next stage, and on the whole step makes it; Shift+F2 makes the
// one shown at any stage, or the next. The presenter keeps the step shown
// while the player looks at other children; any change of the puzzles takes
// it away.

#include "PyramidSteps.h"

#include <QString>

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
    // A step was found and shown: the player took a hint.
    virtual void StepFound() = 0;
    virtual void StepRefresh(bool Check) = 0;
    // The stage a step is first shown at (1-4).
    virtual int StepStartStage() const = 0;

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
    // Another child is shown: the step shown marks what of it that child
    // holds.
    void ChildShown();

    bool StepShown() const { return FStepShown; }
    // What the step line says now.
    QString LineText() const;
    TStepStage Stage() const { return FStage; }

private:
    // The rules of the game in play; nullopt when it offers no steps.
    std::optional<TStepRules> GameStepRules() const;
    // Shows the step at Stage: its puzzle, cursor, marks and text.
    void ShowStep(const TPyramidStep& Step, TStepStage Stage);
    void ShowStage();
    // Marks the stage's squares that the grids show.
    void MarkStage();
    // Brings the square's puzzle into view and the cursor onto it.
    void PointAt(const TStepSquare& Square);

    TStepHost& FHost;
    QLabel& FLine;
    // The step shown, while no change has made it stale (F2 then makes it).
    TPyramidStep FStep;
    bool FStepShown = false;
    TStepStage FStage = TStepStage::Whole;
};
