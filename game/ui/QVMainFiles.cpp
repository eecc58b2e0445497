// The file commands' services (the game loaded, the grids after printing)
// and the Help menu.
#include "QVMain.h"

#include "HelpWindow.h"
#include "Puzzle.h"
#include "QVAbout.h"
#include "QVDisplayGrid.h"
#include "PuzzleXLink.h"
#include "RecoveryFile.h"

void TfrmMain::FileLoading(const std::function<void()>& Load)
{
    // Whatever fails, the window ends on child 1 and shows what was loaded.
    const TGridsHeld Held(*this);
    const auto Finish = [this] {
        SelectChild(1);
        RefreshAll(false);
    };
    try {
        Load();
    } catch (...) {
        Finish();
        throw;
    }
    Finish();
}

void TfrmMain::FilePrinted()
{
    if (TPuzzle* Child = Puzzle(FCurrentChild))
        Child->SetShading(true);
    RepaintGrids();
}

void TfrmMain::RecoveryView(TRecoveryState& State) const
{
    State.Child = FCurrentChild;
    State.Sheet = static_cast<int>(FEntry->ActiveSheet());
    State.Highlight = FEntry->HiLite();
    State.UndoPuzzle = FEntry->UndoPuzzle();
}

void TfrmMain::RecoveryRestore(const TRecoveryState& State)
{
    FileLoading([&] {
        LoadGame(State.Issue, State.Game);
        RestorePyramid(State, *FXLink);
        const QString FileName = ToQString(State.FileInUse);
        FFiles->SetFileName(FileName);
        SetCaption(FileName);
        FFiles->SetSaved(false);
    });
    FPlay->StartCount(State.PlayedMs);
    SelectChild(State.Child);
    const auto Sheet = static_cast<TSheet>(State.Sheet);
    if (State.Sheet <= static_cast<int>(TSheet::HiLite) && FEntry->SheetOffered(Sheet))
        FEntry->ShowSheet(Sheet);
    if (State.Highlight != 0)
        FEntry->SetHiLite(State.Highlight);
    FEntry->SetUndoPuzzle(State.UndoPuzzle);
    UpdateRedoItem();
}

void TfrmMain::RecordPlayedTime()
{
    if (FXLink != nullptr)
        FRecords->Played(FGameRecord.GetGameNumber(), FPlay->PlayedMs());
}

void TfrmMain::RecordIfSolved()
{
    if (FXLink == nullptr)
        return;
    for (int Index = 0; Index <= FXLink->ChildCount(); ++Index)
        if (!FXLink->GetPuzzle(Index)->IsSolved())
            return;
    FRecords->Solved(FGameRecord.GetGameNumber(), FPlay->PlayedMs());
}

void TfrmMain::ShowHelp(QWidget* Owner, int Topic)
{
    ShowHelpTopic(Owner, Topic);
}

void TfrmMain::GameHelpClick()
{
    ShowHelp(this, 2);
}

void TfrmMain::HomePageClick()
{
    OpenBrowser(HomePageAddress);
}

void TfrmMain::AboutClick()
{
    // The box names the program; the game's title is the main window's
    // alone.
    ShowAboutBox(this);
}
