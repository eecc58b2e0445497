// Explained steps: the next deduction of the solving methods, found from the
// player's entries, shown on the grids and in the step line, and made the
// way the player makes entries and erasures.
#include "QVMain.h"

#include "GameFeatures.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"

#include <QLabel>

std::optional<TStepRules> TfrmMain::GameStepRules() const
{
    if (FXLink == nullptr)
        return std::nullopt;
    const TGameFeatures Features = FeaturesOf(FGameRecord);
    if (!StepsOffered(Features))
        return std::nullopt;
    return StepRulesOf(Features);
}

void TfrmMain::NextStepClick()
{
    const std::optional<TStepRules> Rules = GameStepRules();
    if (!Rules)
        return;
    if (FStepShown) {
        ApplyStepClick();
        return;
    }
    ShowStep(FindPyramidStep(*FXLink, *Rules));
}

void TfrmMain::ApplyStepClick()
{
    const std::optional<TStepRules> Rules = GameStepRules();
    if (!Rules)
        return;
    const TPyramidStep Step = FStepShown ? FStep : FindPyramidStep(*FXLink, *Rules);
    if (Step.Kind != TStepKind::Value && Step.Kind != TStepKind::Strike) {
        ShowStep(Step);
        return;
    }
    PointAtStep(Step);
    ClearStep();
    FSaved = false;
    if (Step.Kind == TStepKind::Value)
        FEntry->SetUndoPuzzle(Step.Square.Puzzle);
    ApplyPyramidStep(*FXLink, Step, FView.UserMarks());
    RefreshAll(Step.Kind == TStepKind::Value);
}

void TfrmMain::PointAtStep(const TPyramidStep& Step)
{
    if (!Step.Square.Valid())
        return;
    const bool Parent = Step.Square.Puzzle == 0;
    if (!Parent)
        SelectChild(Step.Square.Puzzle);
    const TPosition Position{Step.Square.Row, Step.Square.Col};
    (Parent ? *FParentGrid : *FChildGrid).SetCursor(Position.Box(), Position.Place());
    FEntry->SetActiveGrid(Parent);
}

void TfrmMain::ShowStep(const TPyramidStep& Step)
{
    ClearStep();
    // A parent's step that rests on a link brings up the partner's child.
    if (Step.Square.Valid() && Step.Square.Puzzle == 0 && Step.Partner.Valid() && Step.Partner.Puzzle != 0)
        SelectChild(Step.Partner.Puzzle);
    PointAtStep(Step);
    if (Step.Square.Valid()) {
        std::array<std::array<TStepMark, 81>, 2> Marks{}; // parent's grid, child's grid
        const auto Mark = [&](const TStepSquare& Square, TStepMark Kind) {
            if (Square.Puzzle != 0 && Square.Puzzle != FCurrentChild)
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
        FParentGrid->SetStepMarks(Marks[0]);
        FChildGrid->SetStepMarks(Marks[1]);
    }
    FStep = Step;
    FStepShown = Step.Kind == TStepKind::Value || Step.Kind == TStepKind::Strike;
    FLblStep->setText(QString::fromStdString(ExplainStep(Step)));
}

void TfrmMain::ClearStep()
{
    FStepShown = false;
    for (TGrid* Grid : {FParentGrid.get(), FChildGrid.get()})
        if (Grid != nullptr)
            Grid->ClearStepMarks();
    if (FLblStep != nullptr)
        FLblStep->clear();
}
