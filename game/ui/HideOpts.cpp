#include "HideOpts.h"

#include "ButtonPageControl.h"
#include "GameFeatures.h"
#include "Options.h"
#include "QVMain.h"

#include <QAction>
#include <QMenu>

void THideOpts::ApplyGameFeatures(const TPuzzleInfo& Record)
{
    const TGameFeatures Features = FeaturesOf(Record);
    ShowAllFeatures();
    if (!Features.PlayControls) {
        HidePlayControls();
    } else if (!Features.Printing) {
        FMain.FPrint->setVisible(false);
        FMain.FSaveBookletPdf->setVisible(false);
    }
    TfrmOptions& Options = *FMain.FOptions;
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
        FMain.FSolveMaster->setVisible(false);
    if (!Features.SolveChildren) {
        FMain.FSolveChild->setVisible(false);
        FMain.FSolveChildren->setVisible(false);
    }
    if (!Features.SolvePyramid) {
        FMain.FSolvePyramid->setVisible(false);
        FMain.FSolveSeparator->setVisible(FMain.FSolveMaster->isVisible() || FMain.FSolveChild->isVisible()
                                          || FMain.FSolveChildren->isVisible());
    }
    if (!Features.ProtectSolution)
        Options.SetOptionEnabled(optNoRemoveSoln, false);
    ApplyPencilFeatures(true, Record);
    FMain.FitClientHeight();
}

void THideOpts::ShowAllFeatures()
{
    TfrmMain& Main = FMain;
    Main.FPrint->setVisible(true);
    Main.FSaveBookletPdf->setVisible(true);
    Main.FPnlLeds->setVisible(Main.FOptions->GetOption(optShowLeds));
    Main.FPnlBars->setVisible(Main.FOptions->GetOption(optProgressBars));
    Main.FPnlControls->setVisible(true);
    Main.FMnuEdit->menuAction()->setVisible(true);
    // A paper game before may have hidden the whole View menu; nothing else
    // would bring it back for a screen game.
    Main.FMnuView->menuAction()->setVisible(true);
    for (QAction* Item : {Main.FUserMarksLinked, Main.FUserMarksSeparate, Main.FUserMarksSeparator,
                          Main.FSolveSeparator, Main.FSolveChild, Main.FSolveChildren, Main.FSolveMaster,
                          Main.FSolvePyramid})
        Item->setVisible(true);
    for (int Number : {optNoRemoveSoln, optInvalid, optIncorrect, optInvalidPriority})
        Main.FOptions->SetOptionEnabled(Number, true);
    Main.FOptions->SetColourEnabled(colInvalid, true);
    Main.FOptions->SetColourEnabled(colIncorrect, true);
}

void THideOpts::HidePlayControls()
{
    TfrmMain& Main = FMain;
    Main.FPnlBars->setVisible(false);
    Main.FPnlControls->setVisible(false);
    Main.FPnlLeds->setVisible(false);
    Main.FMnuEdit->menuAction()->setVisible(false);
    for (QAction* Item : {Main.FUserMarksLinked, Main.FUserMarksSeparate, Main.FUserMarksSeparator})
        Item->setVisible(false);
}

void THideOpts::ApplyPencilFeatures(bool Shown, const TPuzzleInfo& Record)
{
    TfrmMain& Main = FMain;
    const TGameFeatures Features = FeaturesOf(Record);
    const bool AutoStyles = !Main.FUserMarksLinked->isChecked() && !Main.FUserMarksSeparate->isChecked();
    Main.FCandidates->setEnabled(AutoStyles);
    Main.FFilled->setEnabled(AutoStyles);
    const bool ControlsShown = Main.FPnlControls->isVisibleTo(&Main);
    if (Shown) {
        Main.FAutoPencilSeparate->setVisible(Features.AutoPencilSeparate);
        if (ControlsShown)
            Main.FAutoPencilLinked->setVisible(Features.AutoPencilLinked);
        else
            Main.FMnuView->menuAction()->setVisible(Main.FAutoPencilSeparate->isVisible());
        ApplyHiLiteFeatures(Features.DigitHighlighting);
    } else {
        Main.FAutoPencilSeparate->setVisible(false);
        if (ControlsShown)
            Main.FAutoPencilLinked->setVisible(false);
        else
            Main.FMnuView->menuAction()->setVisible(false);
        ApplyHiLiteFeatures(false);
    }
    for (QAction* Item : {Main.FCandidatesSeparator, Main.FCandidates, Main.FFilled, Main.FUserMarksLinked,
                          Main.FUserMarksSeparate, Main.FUserMarksSeparator, Main.FPopPencil->menuAction(),
                          Main.FPopErase->menuAction()})
        Item->setVisible(Shown);
    Main.FPageControl->SetTabVisible(Main.FSheets[TfrmMain::shPencil], Shown);
    Main.FPageControl->SetTabVisible(Main.FSheets[TfrmMain::shErase], Shown);
}

void THideOpts::ApplyHiLiteFeatures(bool Offered)
{
    TfrmMain& Main = FMain;
    Main.FPageControl->SetTabVisible(Main.FSheets[TfrmMain::shHiLite], Offered);
    Main.FPopHiLite->menuAction()->setVisible(Offered);
    Main.FHiLitesMenu->setVisible(Offered);
    Main.FHiLitesSeparator->setVisible(Offered);
    Main.FPageControl->SetActivePage(Main.FSheets[TfrmMain::shEnter]);
}
