#include "StepPresenter.h"

#include "GameFeatures.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"
#include "StepWords.h"
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
    if (FStepShown && FStage != TStepStage::Whole) {
        FStage = static_cast<TStepStage>(static_cast<int>(FStage) + 1);
        ShowStage();
        return;
    }
    if (FStepShown) {
        ApplyStepClick();
        return;
    }
    const TPyramidStep Step = FindPyramidStep(*FHost.StepPyramid(), *Rules, MethodsOf(Settings()));
    const int Start = FHost.StepStartStage();
    if (StepHasStages(Step))
        FHost.StepFound();
    ShowStep(Step,
             StepHasStages(Step) && Start >= 1 && Start <= 4 ? static_cast<TStepStage>(Start) : TStepStage::Whole);
}

void TStepPresenter::ApplyStepClick()
{
    const std::optional<TStepRules> Rules = GameStepRules();
    if (!Rules)
        return;
    TPuzzleXLink& Pyramid = *FHost.StepPyramid();
    const TPyramidStep Step = FStepShown ? FStep : FindPyramidStep(Pyramid, *Rules, MethodsOf(Settings()));
    if (!StepHasStages(Step)) {
        ShowStep(Step, TStepStage::Whole);
        return;
    }
    PointAt(Step.Square);
    ClearStep();
    FHost.StepMade(Step.Kind == TStepKind::Value ? Step.Square.Puzzle : -1);
    ApplyPyramidStep(Pyramid, Step, FHost.StepUserMarks());
    FHost.StepRefresh(Step.Kind == TStepKind::Value);
}

void TStepPresenter::PointAt(const TStepSquare& Square)
{
    if (!Square.Valid())
        return;
    const bool Parent = Square.Puzzle == 0;
    if (!Parent)
        FHost.StepShowChild(Square.Puzzle);
    const TPosition Position{Square.Row, Square.Col};
    FHost.StepGrid(Parent)->SetCursor(Position.Box(), Position.Place());
    FHost.StepActiveGrid(Parent);
}

void TStepPresenter::ShowStep(const TPyramidStep& Step, TStepStage Stage)
{
    ClearStep();
    FStep = Step;
    FStage = Stage;
    FStepShown = StepHasStages(Step);
    ShowStage();
}

void TStepPresenter::ShowStage()
{
    // The child grid shows the step's child; a parent's step that rests on
    // a link brings up its first partner's child.
    const int Puzzle = FStep.Kind == TStepKind::Strike ? FStep.Pair[0].Puzzle : FStep.Square.Puzzle;
    if (Puzzle > 0)
        FHost.StepShowChild(Puzzle);
    else if (Puzzle == 0 && FStep.Partner.Valid() && FStep.Partner.Puzzle != 0)
        FHost.StepShowChild(FStep.Partner.Puzzle);
    PointAt(StageMarksOf(FStep, FStage).Cursor);
    MarkStage();
    FLine.setText(TStepWords::Stage(FStep, FStage));
}

void TStepPresenter::MarkStage()
{
    if (FHost.StepGrid(true) == nullptr || FHost.StepGrid(false) == nullptr)
        return;
    const TStageMarks Stage = StageMarksOf(FStep, FStage);
    std::array<std::array<TStepMark, 81>, 2> Marks{};  // parent's grid, child's grid
    const int Child = FHost.StepChild();
    const auto Mark = [&](const TStepSquare& Square, TStepMark Kind) {
        if (!Square.Valid() || (Square.Puzzle != 0 && Square.Puzzle != Child))
            return;
        const TPosition Position{Square.Row, Square.Col};
        Marks[Square.Puzzle == 0 ? 0 : 1][static_cast<size_t>(Position.Box() * 9 + Position.Place())] = Kind;
    };
    for (const TStepSquare& Square : Stage.House)
        Mark(Square, TStepMark::House);
    for (const TStepSquare& Square : Stage.Focus)
        Mark(Square, TStepMark::Focus);
    FHost.StepGrid(true)->SetStepMarks(Marks[0]);
    FHost.StepGrid(false)->SetStepMarks(Marks[1]);
}

void TStepPresenter::ChildShown()
{
    if (FStepShown)
        MarkStage();
}

void TStepPresenter::ClearStep()
{
    FStepShown = false;
    for (bool Parent : {true, false})
        if (TGrid* Grid = FHost.StepGrid(Parent))
            Grid->ClearStepMarks();
    FLine.clear();
}

QString TStepPresenter::LineText() const
{
    return FLine.text();
}
