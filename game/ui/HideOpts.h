#pragma once
// The per-game feature rules: at every game start every feature is made
// available, then what the game does not offer is taken away, by hiding menu
// items, sheets and panels of the main window and by disabling controls of
// the settings dialog (a disabled setting counts as off). The pencil part
// runs again on every change of the mark style. The rules hold no state.
//
// The rules reach the window only through the controls it hands them; the
// pop-up menu follows the sheets when it opens.

#include <functional>

class QAction;
class QWidget;
class TButtonPageControl;
class TfrmOptions;
class TPuzzleInfo;

// The window's controls that a game's features show, hide or disable. The
// window owns them all; they outlive the rules.
struct TFeatureControls {
    TfrmOptions* Options = nullptr;
    QWidget* PnlLeds = nullptr;
    QWidget* PnlControls = nullptr;
    QWidget* PnlBars = nullptr;
    TButtonPageControl* PageControl = nullptr;
    QWidget* EnterSheet = nullptr;
    QWidget* PencilSheet = nullptr;
    QWidget* EraseSheet = nullptr;
    QWidget* HiLiteSheet = nullptr;
    QAction* Print = nullptr;
    QAction* SaveBookletPdf = nullptr;
    QAction* EditMenu = nullptr;
    QAction* ViewMenu = nullptr;
    QAction* AutoPencilLinked = nullptr;
    QAction* AutoPencilSeparate = nullptr;
    QAction* UserMarksSeparator = nullptr;
    QAction* UserMarksLinked = nullptr;
    QAction* UserMarksSeparate = nullptr;
    QAction* CandidatesSeparator = nullptr;
    QAction* Candidates = nullptr;
    QAction* Filled = nullptr;
    QAction* HiLitesSeparator = nullptr;
    QAction* HiLitesMenu = nullptr;
    QAction* SolveSeparator = nullptr;
    QAction* SolveChild = nullptr;
    QAction* SolveChildren = nullptr;
    QAction* SolveMaster = nullptr;
    QAction* SolvePyramid = nullptr;
    QAction* StepSeparator = nullptr;
    QAction* NextStep = nullptr;
    QAction* ApplyStep = nullptr;
    QWidget* PnlStep = nullptr;
    // Fits the window round the panels shown.
    std::function<void()> FitClientHeight;
};

class THideOpts {
public:
    explicit THideOpts(TFeatureControls Controls) : FControls(std::move(Controls)) {}

    void ApplyGameFeatures(const TPuzzleInfo& Record);
    void ShowAllFeatures();
    void HidePlayControls();
    void ApplyPencilFeatures(bool Shown, const TPuzzleInfo& Record);
    void ApplyHiLiteFeatures(bool Offered);

private:
    TFeatureControls FControls;
};
