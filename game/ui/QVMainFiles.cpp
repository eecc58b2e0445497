// The file commands' services (the game loaded, the grids after printing)
// and the Help menu.
#include "QVMain.h"

#include "HelpWindow.h"
#include "Puzzle.h"
#include "QVAbout.h"
#include "QVDisplayGrid.h"

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
