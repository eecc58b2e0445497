// The refresh cycle: LEDs, progress bars with the solved test, the panels
// shown and the caption.
#include "QVMain.h"

#include "LedShape.h"
#include "MyProgressBar.h"
#include "Options.h"
#include "ProgressRules.h"
#include "Prompter.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"
#include "WindowScheme.h"
#include "ZoomController.h"

#include <QApplication>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>

namespace {

// A screen reader is told of a name only when it changed.
void SetSpokenName(QWidget& Widget, const QString& Name)
{
    if (Widget.accessibleName() != Name)
        Widget.setAccessibleName(Name);
}

}  // namespace

void TfrmMain::RefreshAll(bool Check)
{
    // Whatever changed the puzzles may have made the step shown stale, and
    // is kept safe within a second.
    ClearStep();
    FRecovery->Changed();
    RecordIfSolved();
    RefreshShown(Check);
}

void TfrmMain::RefreshShown(bool Check)
{
    UpdateLeds(FCurrentChild);
    UpdateLeds(0);
    UpdateProgress(Check);
    RepaintGrids();
}

TfrmMain::TGridsHeld::TGridsHeld(const TfrmMain& Main) : FGrids{Main.FParentGrid.get(), Main.FChildGrid.get()}
{
    for (TGrid* Grid : FGrids)
        if (Grid != nullptr)
            Grid->BeginUpdate();
}

TfrmMain::TGridsHeld::~TGridsHeld()
{
    for (TGrid* Grid : FGrids)
        if (Grid != nullptr)
            Grid->EndUpdate();
}

void TfrmMain::RepaintGrids()
{
    if (FXLink == nullptr || !FParentGrid || !FChildGrid)
        return;
    FParentGrid->RepaintAll();
    FChildGrid->RepaintAll();
}

void TfrmMain::UpdateLeds(int Which)
{
    const TPuzzle* Shown = Puzzle(Which);
    if (Shown == nullptr)
        return;
    const std::array<TColor, 9> Colours = LedColours(*Shown);
    const size_t First = Which == 0 ? 0 : 9;
    for (size_t Digit = 0; Digit < 9; ++Digit) {
        TLedShape& Led = *FLeds[First + Digit];
        Led.SetBrushColor(Colours[Digit]);
        const int Rows = Shown->DigitRowCount(static_cast<int>(Digit) + 1);
        SetSpokenName(Led, Rows == 1 ? tr("Digit %1: 1 row").arg(Digit + 1)
                                     : tr("Digit %1: %2 rows").arg(Digit + 1).arg(Rows));
    }
}

void TfrmMain::UpdateProgress(bool Check)
{
    if (FXLink == nullptr)
        return;
    if (FPanels.Bars->isVisibleTo(this)) {
        const std::array<TBarValues, 10> Values = PyramidBarValues(*FXLink);
        const auto Apply = [](TMyProgressBar& Bar, const TBarValues& Shown, const QString& Puzzle) {
            ApplyBarValues(Bar, Shown);
            //: A progress bar's spoken name: a puzzle, how many squares are filled of how many.
            SetSpokenName(Bar, tr("%1: %2 of %3 entered").arg(Puzzle).arg(Shown.Position).arg(Shown.Max));
        };
        for (size_t Index = 0; Index < Values.size(); ++Index)
            Apply(*FBars[Index], Values[Index], Index == 0 ? tr("Parent") : tr("Child %1").arg(Index));
        Apply(*FProgressOverAll, OverallBarValues(Values), tr("Whole pyramid"));
    }
    UpdateOverall(Check);
}

void TfrmMain::UpdateOverall(bool Check)
{
    switch (SolvedTest(*FXLink, Check)) {
    case TSolvedVerdict::None: break;
    case TSolvedVerdict::Congratulate:
        Prompts().Message(this, TMessageKind::Exclamation, tr(CongratulationsCaption), tr(PuzzleSolvedText));
        break;
    case TSolvedVerdict::Warn:
        Prompts().Message(this, TMessageKind::Warning, QString(), tr(SolutionNotCorrectText));
        break;
    }
}

void TfrmMain::ArrangePanels()
{
    // The boxes' own checked state decides, whatever the game offers.
    const bool Leds = FOptions->GetStoredOption(optShowLeds);
    const bool Bars = FOptions->GetStoredOption(optProgressBars);
    FPanels.Leds->setVisible(Leds);
    FPanels.Bars->setVisible(Bars);
    if (Bars)
        UpdateProgress(false);
    FitClientHeight();
}

void TfrmMain::FitClientHeight()
{
    // The window takes the height of the panels it shows at the zoom; a
    // hidden controls panel (a paper game) leaves no empty band.
    ZoomControl().PanelsChanged();
}

void TfrmMain::SetCaption(const QString& FileName)
{
    QString Text = QStringLiteral("Tavrel Sudoku: ") + FGameName;
    if (!FileName.isEmpty())
        Text += QStringLiteral(" - ") + QFileInfo(FileName).fileName();
    // The caption is the main window's alone: the application's display name
    // stays unset, so no dialog's caption gets the game's name appended.
    setWindowTitle(Text);
}

const TColourScheme& TfrmMain::Scheme() const
{
    return SchemeOf(FOptions != nullptr ? FOptions->Values().Scheme() : TSchemeId::Classic);
}

void TfrmMain::ApplyScheme()
{
    const TColourScheme& Shown = Scheme();
    std::vector<QMenu*> Menus;
    for (QMenu* Menu : FMenus)
        if (Menu != nullptr)
            Menus.push_back(Menu);
    std::vector<TMyProgressBar*> Bars(FBars.begin(), FBars.end());
    Bars.push_back(FProgressOverAll);
    PaintWindowScheme(Shown, *centralWidget(), menuWidget(), Menus, Bars);
    ColourBars(FCurrentChild);
    for (TGrid* Grid : {FParentGrid.get(), FChildGrid.get()})
        if (Grid != nullptr && Grid->GridColour() != Shown.GridLines) {
            Grid->SetGridColour(Shown.GridLines);
            Grid->RepaintAll();
        }
}

void TfrmMain::ColourBars(int Chosen)
{
    const TColourScheme& Shown = Scheme();
    for (TMyProgressBar* Bar : FBars)
        Bar->SetBarColor(ChildBarColour(Bar->property("Tag").toInt(), Chosen, Shown.Bar, Shown.ChosenBar));
    FProgressOverAll->SetBarColor(ChildBarColour(0, Chosen, Shown.Bar, Shown.ChosenBar));
}
