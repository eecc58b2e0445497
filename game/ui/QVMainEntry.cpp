// The window's side of entry: the services the entry controller and the
// step presenter ask for, the mark styles of the View menu, and undo and checkpoints on the puzzle
// the entry controller names.
#include "QVMain.h"

#include "GameFeatures.h"
#include "HideOpts.h"
#include "Narrator.h"
#include "Options.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include <algorithm>

void TfrmMain::OpenPopup(QWidget* Image, QPoint Position)
{
    PopupMenu()->popup(Image->mapToGlobal(Position));
}

TGameFeatures TfrmMain::StepFeatures() const
{
    return FeaturesOf(FGameRecord);
}

void TfrmMain::StepFound()
{
    FRecords->StepShown(FGameRecord.GetGameNumber());
}

void TfrmMain::StepMade(int Index)
{
    FRecords->StepMade(FGameRecord.GetGameNumber());
    FFiles->SetSaved(false);
    if (Index >= 0)
        FEntry->SetUndoPuzzle(Index);
}

bool TfrmMain::KeysPlay() const
{
    return FPanels.Controls->isVisibleTo(this);
}

void TfrmMain::StoreViewSettings()
{
    FStore.SaveViewOptions(FView, !FGameSetsPencilStyle);
}

void TfrmMain::CandidatesToggle()
{
    StoreViewSettings();
    ApplyMarkStyle();
}

void TfrmMain::ApplyMarkStyle()
{
    if (FHideOpts)
        FHideOpts->ApplyPencilFeatures(!FView.HidePencilMarks, FeaturesOf(FGameRecord), FView);
    if (!FParentGrid || !FChildGrid)
        return;
    FParentGrid->SetFilled(false);
    FChildGrid->SetFilled(false);
    uint8_t Style;
    if (FView.HidePencilMarks) {
        Style = msHidden;
    } else if (FView.Is(TPencilStyle::UserMarksLinked)) {
        Style = msUserMarksLinked;
    } else if (FView.Is(TPencilStyle::UserMarksSeparate)) {
        Style = msUserMarksSeparate;
    } else {
        FParentGrid->SetFilled(FView.Filled);
        FChildGrid->SetFilled(FView.Filled);
        Style = FView.Is(TPencilStyle::AutoPencilLinked) ? msAutoPencilLinked : msAutoPencilSeparate;
    }
    for (const auto& Slot : FXLinks)
        if (Slot)
            Slot->SetPencilMode(Style);
    RepaintGrids();
}

void TfrmMain::PencilMarkStyle()
{
    StoreViewSettings();
    if (!FParentGrid || !FChildGrid)
        return;
    FParentGrid->SetFilled(FView.Filled);
    FChildGrid->SetFilled(FView.Filled);
    RepaintGrids();
}

void TfrmMain::ChangeHiliting()
{
    // Stored at once like the other view settings, so the choice is not
    // lost when nothing else changes before the program ends.
    StoreViewSettings();
    if (FParentGrid && FChildGrid)
        SetHiLite(std::max(FParentGrid->Highlight(), FChildGrid->Highlight()));
}

void TfrmMain::Undo1Click()
{
    const int Index = FEntry->UndoPuzzle();
    if (TPuzzle* Target = Puzzle(Index)) {
        const TPuzzlePicture Before = FNarrator->Before(Index);
        Target->Undo(1);
        RefreshAll(false);
        FNarrator->Undone(Before, Index, false);
    }
}

void TfrmMain::Redo1Click()
{
    const int Index = FEntry->UndoPuzzle();
    const TPuzzlePicture Before = FNarrator->Before(Index);
    // Entries taken back together come back together.
    if (FMistakes->RedoEntries()) {
        UpdateRedoItem();
        FNarrator->Undone(Before, Index, true);
        return;
    }
    if (TPuzzle* Target = Puzzle(Index)) {
        Target->Redo();
        RefreshAll(false);
        FNarrator->Undone(Before, Index, true);
    }
}

void TfrmMain::NextStepClick()
{
    FSteps->NextStepClick();
    FNarrator->Say(FSteps->LineText());
}

void TfrmMain::ApplyStepClick()
{
    FSteps->ApplyStepClick();
    FNarrator->Say(FSteps->LineText());
}

void TfrmMain::ParentChoosesChildClick()
{
    FChooseChild->setChecked(!FView.ParentChoosesChild);
    FStore.SaveViewOptions(FView);
    FNarrator->Say(FView.ParentChoosesChild ? tr("Parent click selects child: on")
                                            : tr("Parent click selects child: off"));
}

void TfrmMain::ChildCommand(int N)
{
    SelectChild(N);
    if (FXLink != nullptr && N >= 1 && N <= FXLink->ChildCount())
        FNarrator->ChildShown(N);
}

void TfrmMain::UpdateRedoItem()
{
    const TPuzzle* Target = Puzzle(FEntry->UndoPuzzle());
    Command("Redo1")->setEnabled((Target != nullptr && Target->CanRedo()) || (FMistakes && FMistakes->CanRedo()));
}

// Only a game that shows incorrect entries tells where they are.
bool TfrmMain::MistakesOffered() const
{
    const TGameFeatures Features = FeaturesOf(FGameRecord);
    return FXLink != nullptr && Features.PlayControls && Features.IncorrectHighlighting;
}

void TfrmMain::ShowFirstMistakeClick()
{
    if (!MistakesOffered())
        return;
    ClearStep();
    FMistakes->ShowFirstMistakeClick();
    FNarrator->Say(FSteps->LineText());
}

void TfrmMain::UndoToMistakeClick()
{
    if (!MistakesOffered())
        return;
    ClearStep();
    FMistakes->UndoToMistakeClick();
    UpdateRedoItem();
    FNarrator->Say(FSteps->LineText());
}

int TfrmMain::StepStartStage() const
{
    return FOptions != nullptr ? FOptions->StepStartStage() : 1;
}

void TfrmMain::Checkpoint1Click()
{
    if (TPuzzle* Target = Puzzle(FEntry->UndoPuzzle()))
        Target->Checkpoint();
}

void TfrmMain::Backtocheckpoint1Click()
{
    if (TPuzzle* Target = Puzzle(FEntry->UndoPuzzle())) {
        Target->BackToCheckpoint();
        RefreshAll(false);
    }
}
