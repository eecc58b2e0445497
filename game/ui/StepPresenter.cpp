#include "StepPresenter.h"

#include "GameFeatures.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"
#include "QVSettings.h"

#include <QLabel>

std::optional<TStepRules> TStepPresenter::GameStepRules() const
{
    if (FHost.StepPyramid() == nullptr)
        return std::nullopt;
    const TGameFeatures Features = FHost.StepFeatures();
    if (!StepsOffered(Features))
        return std::nullopt;
    return StepRulesOf(Features);
}

void TStepPresenter::NextStepClick()
{
    const std::optional<TStepRules> Rules = GameStepRules();
    if (!Rules)
        return;
    if (FStepShown) {
        ApplyStepClick();
        return;
    }
    ShowStep(FindPyramidStep(*FHost.StepPyramid(), *Rules, MethodsOf(Settings())));
}

void TStepPresenter::ApplyStepClick()
{
    const std::optional<TStepRules> Rules = GameStepRules();
    if (!Rules)
        return;
    TPuzzleXLink& Pyramid = *FHost.StepPyramid();
    const TPyramidStep Step = FStepShown ? FStep : FindPyramidStep(Pyramid, *Rules, MethodsOf(Settings()));
    if (Step.Kind != TStepKind::Value && Step.Kind != TStepKind::Strike) {
        ShowStep(Step);
        return;
    }
    PointAtStep(Step);
    ClearStep();
    FHost.StepMade(Step.Kind == TStepKind::Value ? Step.Square.Puzzle : -1);
    ApplyPyramidStep(Pyramid, Step, FHost.StepUserMarks());
    FHost.StepRefresh(Step.Kind == TStepKind::Value);
}

void TStepPresenter::PointAtStep(const TPyramidStep& Step)
{
    if (!Step.Square.Valid())
        return;
    const bool Parent = Step.Square.Puzzle == 0;
    if (!Parent)
        FHost.StepShowChild(Step.Square.Puzzle);
    const TPosition Position{Step.Square.Row, Step.Square.Col};
    FHost.StepGrid(Parent)->SetCursor(Position.Box(), Position.Place());
    FHost.StepActiveGrid(Parent);
}

void TStepPresenter::ShowStep(const TPyramidStep& Step)
{
    ClearStep();
    // A parent's step that rests on a link brings up the partner's child.
    if (Step.Square.Valid() && Step.Square.Puzzle == 0 && Step.Partner.Valid() && Step.Partner.Puzzle != 0)
        FHost.StepShowChild(Step.Partner.Puzzle);
    PointAtStep(Step);
    if (Step.Square.Valid()) {
        std::array<std::array<TStepMark, 81>, 2> Marks{};  // parent's grid, child's grid
        const int Child = FHost.StepChild();
        const auto Mark = [&](const TStepSquare& Square, TStepMark Kind) {
            if (Square.Puzzle != 0 && Square.Puzzle != Child)
                return;
            const TPosition Position{Square.Row, Square.Col};
            Marks[Square.Puzzle == 0 ? 0 : 1][static_cast<size_t>(Position.Box() * 9 + Position.Place())] = Kind;
        };
        for (const TStepSquare& Square : StepHouseSquares(Step))
            Mark(Square, TStepMark::House);
        for (const TStepStrike& Strike : Step.Strikes)
            Mark(Strike.Square, TStepMark::Focus);
        Mark(Step.Square, TStepMark::Focus);
        Mark(Step.Partner, TStepMark::Focus);
        FHost.StepGrid(true)->SetStepMarks(Marks[0]);
        FHost.StepGrid(false)->SetStepMarks(Marks[1]);
    }
    FStep = Step;
    FStepShown = Step.Kind == TStepKind::Value || Step.Kind == TStepKind::Strike;
    FLine.setText(QString::fromStdString(ExplainStep(Step)));
}

void TStepPresenter::ClearStep()
{
    FStepShown = false;
    for (bool Parent : {true, false})
        if (TGrid* Grid = FHost.StepGrid(Parent))
            Grid->ClearStepMarks();
    FLine.clear();
}
