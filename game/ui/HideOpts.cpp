#include "HideOpts.h"

#include "ButtonPageControl.h"
#include "GameFeatures.h"
#include "Options.h"
#include "PyramidSteps.h"

#include <QAction>
#include <QWidget>

void THideOpts::ApplyGameFeatures(const TPuzzleInfo& Record)
{
    const TFeatureControls& C = FControls;
    const TGameFeatures Features = FeaturesOf(Record);
    ShowAllFeatures();
    if (!Features.PlayControls) {
        HidePlayControls();
    } else if (!Features.Printing) {
        C.Print->setVisible(false);
        C.SaveBookletPdf->setVisible(false);
    }
    TfrmOptions& Options = *C.Options;
    if (!Features.InvalidHighlighting) {
        Options.SetOptionEnabled(optInvalid, false);
        Options.SetOptionEnabled(optInvalidPriority, false);
        Options.SetColourEnabled(colInvalid, false);
    }
    if (!Features.IncorrectHighlighting) {
        Options.SetOptionEnabled(optIncorrect, false);
        Options.SetOptionEnabled(optInvalidPriority, false);
        Options.SetColourEnabled(colIncorrect, false);
    }
    if (!Features.SolveParent)
        C.SolveMaster->setVisible(false);
    if (!Features.SolveChildren) {
        C.SolveChild->setVisible(false);
        C.SolveChildren->setVisible(false);
    }
    if (!Features.SolvePyramid) {
        C.SolvePyramid->setVisible(false);
        C.SolveSeparator->setVisible(C.SolveMaster->isVisible() || C.SolveChild->isVisible()
                                     || C.SolveChildren->isVisible());
    }
    if (!Features.ProtectSolution)
        Options.SetOptionEnabled(optNoRemoveSoln, false);
    if (!StepsOffered(Features)) {
        for (QAction* Item : {C.StepSeparator, C.NextStep, C.ApplyStep})
            Item->setVisible(false);
        C.PnlStep->setVisible(false);
    }
    ApplyPencilFeatures(true, Record);
    C.FitClientHeight();
}

void THideOpts::ShowAllFeatures()
{
    const TFeatureControls& C = FControls;
    C.Print->setVisible(true);
    C.SaveBookletPdf->setVisible(true);
    C.PnlLeds->setVisible(C.Options->GetOption(optShowLeds));
    C.PnlBars->setVisible(C.Options->GetOption(optProgressBars));
    C.PnlControls->setVisible(true);
    C.EditMenu->setVisible(true);
    // A paper game before may have hidden the whole View menu; nothing else
    // would bring it back for a screen game.
    C.ViewMenu->setVisible(true);
    for (QAction* Item : {C.UserMarksLinked, C.UserMarksSeparate, C.UserMarksSeparator, C.SolveSeparator, C.SolveChild,
                          C.SolveChildren, C.SolveMaster, C.SolvePyramid, C.StepSeparator, C.NextStep, C.ApplyStep})
        Item->setVisible(true);
    C.PnlStep->setVisible(true);
    for (int Number : {optNoRemoveSoln, optInvalid, optIncorrect, optInvalidPriority})
        C.Options->SetOptionEnabled(Number, true);
    C.Options->SetColourEnabled(colInvalid, true);
    C.Options->SetColourEnabled(colIncorrect, true);
}

void THideOpts::HidePlayControls()
{
    const TFeatureControls& C = FControls;
    C.PnlBars->setVisible(false);
    C.PnlControls->setVisible(false);
    C.PnlLeds->setVisible(false);
    C.EditMenu->setVisible(false);
    C.PnlStep->setVisible(false);
    for (QAction* Item : {C.UserMarksLinked, C.UserMarksSeparate, C.UserMarksSeparator, C.StepSeparator, C.NextStep,
                          C.ApplyStep})
        Item->setVisible(false);
}

void THideOpts::ApplyPencilFeatures(bool Shown, const TPuzzleInfo& Record)
{
    const TFeatureControls& C = FControls;
    const TGameFeatures Features = FeaturesOf(Record);
    const bool AutoStyles = !C.UserMarksLinked->isChecked() && !C.UserMarksSeparate->isChecked();
    C.Candidates->setEnabled(AutoStyles);
    C.Filled->setEnabled(AutoStyles);
    const bool ControlsShown = !C.PnlControls->isHidden();
    if (Shown) {
        C.AutoPencilSeparate->setVisible(Features.AutoPencilSeparate);
        if (ControlsShown)
            C.AutoPencilLinked->setVisible(Features.AutoPencilLinked);
        else
            C.ViewMenu->setVisible(C.AutoPencilSeparate->isVisible());
        ApplyHiLiteFeatures(Features.DigitHighlighting);
    } else {
        C.AutoPencilSeparate->setVisible(false);
        if (ControlsShown)
            C.AutoPencilLinked->setVisible(false);
        else
            C.ViewMenu->setVisible(false);
        ApplyHiLiteFeatures(false);
    }
    for (QAction* Item : {C.CandidatesSeparator, C.Candidates, C.Filled, C.UserMarksLinked, C.UserMarksSeparate,
                          C.UserMarksSeparator})
        Item->setVisible(Shown);
    C.PageControl->SetTabVisible(C.PencilSheet, Shown);
    C.PageControl->SetTabVisible(C.EraseSheet, Shown);
}

void THideOpts::ApplyHiLiteFeatures(bool Offered)
{
    const TFeatureControls& C = FControls;
    C.PageControl->SetTabVisible(C.HiLiteSheet, Offered);
    C.HiLitesMenu->setVisible(Offered);
    C.HiLitesSeparator->setVisible(Offered);
    C.PageControl->SetActivePage(C.EnterSheet);
}
