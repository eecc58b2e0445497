#pragma once
// The main window: the parent grid and one child grid side by side, the two
// LED rows, the entry-mode strip, the progress bars and the menus. Every
// command of the player arrives here and goes on to the pyramid, its puzzles
// or the grids; afterwards the window refreshes LEDs, bars and grids.
//
// The class is one window that wires its parts; each feature has a room of
// its own: EntryController (pointer, clicks, keys, the strip, the pop-up's
// entry items; EntryRules decides what an act on a cell does), StepPresenter
// (explained steps: the step shown, its marks, the step line),
// MistakePresenter (the first mistake and the way back to it), HideOpts with
// FeatureRules (what a game's features show), ViewOptions (the View menu's
// settings), FileCommands (saving, loading, the booklet), RecoveryKeeper
// (the game kept safe from an unclean end), RecordKeeper (the
// record of every game played), PlayClock (time played, the timer, the
// pause), ZoomController (the zoom, the window's size and place) with
// WindowScheme (the colour scheme round the grids). The window's own
// code is kept in files by concern: QVMain.cpp (creation, showing, closing, the keys),
// QVMainCompose.cpp (panels and widgets), QVMainMenus.cpp (main and pop-up
// menus, the View menu shown from the view settings), QVMainGame.cpp
// (start-up, game loading, children, commands), QVMainEntry.cpp (the entry
// controller's and step presenter's services, mark styles, undo),
// QVMainRefresh.cpp (LEDs, bars, panels, caption), QVMainFiles.cpp (the
// file commands' services, help), QVMainIssues.cpp (issue files the player
// adds). NewPyramidController makes new pyramids and deletes made games.
//
// Ownership: the window owns the pyramid, both grids, the catalogue and its
// reporter; the settings and choose-game dialogs are the program's and are
// only referenced (they must outlive the window's use of them).

#include "Commands.h"
#include "EntryController.h"
#include "FileCommands.h"
#include "GamesFile.h"
#include "HideOpts.h"
#include "MistakePresenter.h"
#include "Narrator.h"
#include "NewPyramidController.h"
#include "Prompter.h"
#include "PuzzleInfo.h"
#include "PlayClock.h"
#include "RecordKeeper.h"
#include "RecoveryKeeper.h"
#include "StepPresenter.h"
#include "QVUtils.h"
#include "SettingsStore.h"
#include "ViewOptions.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QKeyEvent;
class QActionGroup;
class QCheckBox;
class QLabel;
class QMenu;
class QToolButton;
class QWidget;
class TAnnouncer;
class TButtonPageControl;
class TCell;
class TfrmChoosePuzzle;
class TfrmOptions;
class TGrid;
class TGridImage;
class TLedShape;
class TMyProgressBar;
class TPuzzle;
class TPuzzleXLink;
class TQVCell;
class TStream;
class TZoomController;
struct TColourScheme;

class TfrmMain : public QMainWindow,
                 private TEntryHost,
                 private TStepHost,
                 private TFileHost,
                 private TRecoveryHost,
                 private TNewPyramidHost {
    Q_OBJECT

public:
    static constexpr int GridImageSize = 394;
    static constexpr int ClientWidth = 800;
    static constexpr int LedPanelHeight = 21;
    static constexpr int GridPanelHeight = 394;
    static constexpr int ControlPanelHeight = 55;
    static constexpr int BarPanelHeight = 84;
    static constexpr int StepPanelHeight = 34;
    static constexpr int PyramidSlots = 10;

    // Opens the catalogue of ProgramFolder (ending in a separator) and builds
    // the window; the game starts when the window is first shown.
    explicit TfrmMain(const std::string& ProgramFolder, QWidget* Owner = nullptr);
    ~TfrmMain() override;

    // The program's settings dialog and choose-game dialog; both must be set
    // before the window is first shown.
    void SetDialogs(TfrmOptions* Options, TfrmChoosePuzzle* Choose);

    // Games and children.
    void LoadGame(uint32_t Issue, uint32_t Game);
    void StartGame(const TPuzzleInfo& Record, TStream& Stream);
    bool SelectChild(int N);
    // The player's choice of child (menu, Alt+digit, LED): shown and said.
    void ChildCommand(int N);
    // The Child menu's mirror of "Parent click selects child": flips the
    // box, stores the choice and says it.
    void ParentChoosesChildClick();
    void AttachGrids();
    // Every puzzle in the cell colours in force: the parent and child Shown
    // as on screen (linked cells shaded), the other children plain.
    void ShadePuzzles(int Shown);
    void EnableGameMenus();

    // Refresh cycle.
    void RefreshAll(bool Check);
    // RefreshAll without taking the step shown away (a child chosen).
    void RefreshShown(bool Check);
    void UpdateLeds(int Which);
    void UpdateProgress(bool Check);
    void UpdateOverall(bool Check);
    void ArrangePanels();
    void SetCaption(const QString& FileName);

    // Entry (the entry controller's) and the View menu.
    void SetHiLite(int N) { FEntry->SetHiLite(N); }
    void ClearSpeedButtons(TSheet Sheet) { FEntry->ClearSpeedButtons(Sheet); }
    void CandidatesToggle();
    void PencilMarkStyle();
    void ChangeHiliting();

    // Saving and loading (the file commands'); false when the player
    // cancelled.
    bool QuerySave() { return FFiles->QuerySave(); }
    // Answers false when the file could not be written (the player was
    // told; the game stays unsaved), true when it was written or the save
    // dialog was cancelled.
    bool SaveAs1Click(bool SaveAs) { return FFiles->Save(SaveAs); }
    void LoadSavedGame(const QString& FileName) { FFiles->LoadSavedGame(FileName); }

    // The keeper of the recovery file (made with the catalogue).
    TRecoveryKeeper& Recovery() const { return *FRecovery; }
    // The record of every game played.
    TRecordKeeper& Records() const { return *FRecords; }
    // The zoom and the window's size and place (a child of the window).
    TZoomController& ZoomControl() const;
    // The time played, the timer and the pause.
    TPlayClock& PlayClock() const { return *FPlay; }

    // State, for the other windows of the program and for tests.
    TPuzzleXLink* XLink() const { return FXLink; }
    int CurrentChild() const { return FCurrentChild; }
    int UndoPuzzle() const { return FEntry->UndoPuzzle(); }
    int EnterValue() const { return FEntry->EnterValue(); }
    bool Saved() const { return FFiles->Saved(); }
    const QString& GameName() const { return FGameName; }
    const TPuzzleInfo& GameRecord() const { return FGameRecord; }
    TGrid* ParentGrid() const { return FParentGrid.get(); }
    TGrid* ChildGrid() const { return FChildGrid.get(); }
    TGridImage* ParentImage() const { return FImage1; }
    bool ParentActive() const { return FEntry->ParentActive(); }
    TGridImage* ChildImage() const { return FImage2; }
    TGamesDataFile* Catalogue() const { return FCatalogue.get(); }
    TNewPyramidController* NewPyramid() const { return FNewPyramid.get(); }
    TSettingsStore& Store() { return FStore; }
    TfrmOptions* Options() const { return FOptions; }
    TButtonPageControl* PageControl() const { return FPageControl; }
    // The pop-up menu as it would open now (made on first use).
    QMenu* PopupMenu();
    QCheckBox* ChooseChildBox() const { return FChooseChild; }
    TQVCell* PopupCell() const { return FEntry->PopupCell(); }
    // The save dialog's file name: the file in use, empty for a new game.
    const QString& SaveFileName() const { return FFiles->FileName(); }
    void SetSaveFileName(const QString& Name) { FFiles->SetFileName(Name); }
    // The view settings shown in the View menu and the "Parent click
    // selects child" box.
    const TViewOptions& ViewOptions() const { return FView; }

signals:
    // The window closed for good (the player did not cancel).
    void Closed();

protected:
    void showEvent(QShowEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    bool event(QEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    bool focusNextPrevChild(bool Next) override;
    void changeEvent(QEvent* Event) override;

private:
    // A key to the names below and in the entry controller, which are those
    // of the game's design: Image1* handle either grid picture (Parent tells
    // which); sb* are the entry strip's speed buttons; menu* are the pop-up
    // menu's items; *1Click are the main menu's items; a "hint" is a tooltip.

    // QVMain.cpp: creation, closing, keys, the events watched for the
    // controls.
    bool FormCloseQuery();
    // Ends the hover marking of the grids once the pointer has left them.
    void ApplicationEvents1Idle();
    // Whether the Help menu and the Hi Lite tab both take Alt+H.
    bool HelpSharesHiLiteKey() const;
    // Alt+H is "&Hi Lite" while that sheet's tab shows, "&Help" otherwise.
    bool AltHPressed();

    // QVMainCompose.cpp: panels and controls.
    // A control's hint (tooltip), shown while setting 11 asks for hints.
    void SetHint(QWidget* Control, const QString& Hint);
    void BuildPanels();
    void BuildLedPanel(QWidget* Panel);
    void BuildGridPanel(QWidget* Panel);
    // Makes the entry-mode strip, which Strip hands to the entry controller.
    void BuildControlPanel(QWidget* Panel, TEntryStrip& Strip);
    void BuildBarPanel(QWidget* Panel);
    void BuildStepPanel(QWidget* Panel);
    // The colour scheme in force, and the window round the grids painted in
    // it (the panels, menus, grid lines and bars).
    const TColourScheme& Scheme() const;
    void ApplyScheme();
    // The bars in the scheme's colours, the chosen child's standing out.
    void ColourBars(int Chosen);

    // QVMainMenus.cpp and QVMainCommands.cpp: the command table, and the
    // main menu and the pop-up menu made from it. A row's handler runs
    // guarded, so its errors reach the error dialog.
    static const std::vector<TCommand>& CommandTable();
    // Groups holds the radio groups made so far, by the rows' numbers.
    void MakeCommand(const TCommand& Row, std::map<int, QActionGroup*>& Groups);
    void BuildMenus();
    // A command (or a menu's item) by object name; nullptr for none, or for
    // a pop-up item before the pop-up was first opened.
    QAction* Command(const std::string& Name) const;
    QMenu* MenuOf(TMenuId Menu) const;
    // The menu items the feature rules show and hide.
    std::vector<std::pair<TFeaturePart, QAction*>> FeatureItems() const;
    // The View menu's choices.
    void ChoosePencilStyle(TPencilStyle Style);
    void ChooseFilled(bool Filled);
    void ChooseScope(THighlightScope Scope);
    void TimerClick();
    void PauseClick();
    // The View menu's zoom commands; their states follow the zoom.
    void ZoomInClick();
    void ZoomOutClick();
    void ActualSizeClick();
    void UpdateZoomItems();
    // The pop-up menu is made when first opened; each time it opens it takes
    // its state from the window (highlight, child, sheets offered).
    void BuildPopupMenu();
    void PreparePopup();
    // The View menu's items and the "Parent click selects child" box show
    // the view settings.
    void ShowViewOptions();

    // QVMainGame.cpp: start-up, games, children, File and Puzzle commands.
    void FormShow();
    void StartUpGame();
    // Puts a built and loaded pyramid in place of the old one.
    void NewXLink(std::unique_ptr<TPuzzleXLink> Pyramid);
    void ForgetPyramid();
    void ShowNoGames();
    TPuzzle* Puzzle(int Index) const;
    void ChooseGameClick();
    void SettingsClick();
    // The statistics window, with this game's time played so far.
    void StatisticsClick();
    void ResetCurrentClick();
    void ResetAllClick();
    void ResetMasterClick();
    void SolveChildClick();
    void SolveChildrenClick();
    void SolveMasterClick();
    void SolvePyramidClick();

    // The entry controller's services (QVMainEntry.cpp).
    TPuzzleXLink* EntryPyramid() const override { return FXLink; }
    TGrid* EntryGrid(bool Parent) const override { return Parent ? FParentGrid.get() : FChildGrid.get(); }
    int EntryChild() const override { return FCurrentChild; }
    const TViewOptions& EntryView() const override { return FView; }
    bool ShowChild(int N) override { return SelectChild(N); }
    void RefreshAfterEntry(bool Check) override { RefreshAll(Check); }
    void EntryMade() override { FFiles->SetSaved(false); }
    void EntryClearsStep() override { ClearStep(); }
    void EntryUndoPuzzleChanged() override { UpdateRedoItem(); }
    void OpenPopup(QWidget* Image, QPoint Position) override;
    bool KeysPlay() const override;

    // QVMainEntry.cpp: mark styles, undo.
    // The mark style of the View menu applied to the pyramid and the grids,
    // without storing it (a game start applies what the game allows).
    void ApplyMarkStyle();
    // Stores the view settings; the pencil style only where it is the
    // player's choice rather than the game's.
    void StoreViewSettings();
    void Undo1Click();
    // Enters again what Undo took back on the same puzzle.
    void Redo1Click();
    // "&Redo" is enabled exactly when the puzzle the commands act on has
    // something to enter again; the puzzles tell when that changes.
    void UpdateRedoItem();
    void Checkpoint1Click();
    void Backtocheckpoint1Click();

    // QVMainRefresh.cpp: refresh helpers.
    void FitClientHeight();
    // Holds both grids' repaints through a bulk change (a game started or
    // loaded, a child chosen, a puzzle solved): each grid paints once when
    // the outermost hold ends, whatever the change asked for on the way.
    class TGridsHeld {
    public:
        explicit TGridsHeld(const TfrmMain& Main);
        ~TGridsHeld();
        TGridsHeld(const TGridsHeld&) = delete;
        TGridsHeld& operator=(const TGridsHeld&) = delete;

    private:
        std::array<TGrid*, 2> FGrids;
    };
    // Both grids drawn afresh from their puzzles. The full repaint stays
    // where a change reaches cells no notice names: mark styles, settings,
    // the shading after printing, a refresh after bulk changes.
    void RepaintGrids();

    // Explained steps (the step presenter's); its services in QVMainEntry.cpp.
    // Each says the step line's text.
    void NextStepClick();
    void ApplyStepClick();
    void ClearStep()
    {
        if (FSteps)
            FSteps->ClearStep();
        if (FMistakes)
            FMistakes->Clear();
    }
    // The first mistake (the mistake presenter's).
    bool MistakesOffered() const;
    void ShowFirstMistakeClick();
    void UndoToMistakeClick();
    TPuzzleXLink* StepPyramid() const override { return FXLink; }
    TGrid* StepGrid(bool Parent) const override { return EntryGrid(Parent); }
    int StepChild() const override { return FCurrentChild; }
    TGameFeatures StepFeatures() const override;
    bool StepUserMarks() const override { return FView.UserMarks(); }
    void StepShowChild(int N) override { SelectChild(N); }
    void StepActiveGrid(bool Parent) override { FEntry->SetActiveGrid(Parent); }
    void StepMade(int Index) override;
    void StepFound() override;
    void StepRefresh(bool Check) override { RefreshAll(Check); }
    int StepStartStage() const override;

    // QVMainIssues.cpp: an issue file the player adds.
    void AddIssueFileClick();

    // The new pyramids' services (QVMainIssues.cpp).
    void NewPyramidClick() { FNewPyramid->NewPyramidClick(); }
    QWidget* NewPyramidOwner() override { return this; }
    TGamesDataFile& NewPyramidCatalogue() override { return *FCatalogue; }
    TSettingsStore& NewPyramidStore() override { return FStore; }
    bool NewPyramidMayStart() override { return QuerySave(); }
    void NewPyramidStart(uint32_t Issue, uint32_t Game) override;
    void NewPyramidHelp(QWidget* Owner, int Topic) override { ShowHelp(Owner, Topic); }
    void NewPyramidGamesChanged() override { EnableGameMenus(); }

    // The file commands' services (QVMainFiles.cpp) and their menu items.
    TPuzzleXLink* FilePyramid() const override { return FXLink; }
    const TPuzzleInfo& FileGame() const override { return FGameRecord; }
    const QString& FileGameName() const override { return FGameName; }
    TGamesDataFile& FileCatalogue() const override { return *FCatalogue; }
    void FileLoadGame(uint32_t Issue, uint32_t Game) override { LoadGame(Issue, Game); }
    void FileCaption(const QString& FileName) override { SetCaption(FileName); }
    void FileLoading(const std::function<void()>& Load) override;
    void FilePrinted() override;
    void Loadvalues1Click() { FFiles->Load(); }
    void PrintClick() { FFiles->Print(); }
    void SaveBookletPdfClick() { FFiles->SaveBookletPdf(); }

    // The recovery keeper's services (QVMainFiles.cpp).
    TPuzzleXLink* RecoveryPyramid() const override { return FXLink; }
    const TPuzzleInfo& RecoveryGame() const override { return FGameRecord; }
    const QString& RecoveryGameName() const override { return FGameName; }
    QString RecoveryFileInUse() const override { return FFiles->FileName(); }
    int64_t RecoveryPlayedMs() const override { return FPlay->PlayedMs(); }
    bool RecoveryNeeded() const override { return !FFiles->Saved(); }
    void RecoveryView(TRecoveryState& State) const override;
    void RecoveryRestore(const TRecoveryState& State) override;
    // The game on the board has been played for the time counted so far.
    void RecordPlayedTime();
    // The first solving goes on the game's record, by the player's hand or
    // the solve commands', congratulated or not.
    void RecordIfSolved();

    // QVMainFiles.cpp: help.
    void GameHelpClick();
    void HomePageClick();
    void AboutClick();
    void ShowHelp(QWidget* Owner, int Topic);

    // The program's parts the window works with.
    std::string FProgramFolder;
    TMessageReporter FReporter;
    TSettingsStore FStore;
    TfrmOptions* FOptions = nullptr;
    TfrmChoosePuzzle* FChoose = nullptr;
    std::unique_ptr<THideOpts> FHideOpts;
    std::unique_ptr<TEntryController> FEntry;
    std::unique_ptr<TNarrator> FNarrator;
    TAnnouncer* FAnnouncer = nullptr;
    std::unique_ptr<TStepPresenter> FSteps;
    std::unique_ptr<TMistakePresenter> FMistakes;
    std::unique_ptr<TFileCommands> FFiles;
    std::unique_ptr<TRecoveryKeeper> FRecovery;
    std::unique_ptr<TRecordKeeper> FRecords;
    // Owned by the grids' panel.
    TPlayClock* FPlay = nullptr;
    std::unique_ptr<TNewPyramidController> FNewPyramid;
    TViewOptions FView;

    // Window state.
    QString FGameName;
    std::unique_ptr<TGrid> FParentGrid;
    std::unique_ptr<TGrid> FChildGrid;
    TPuzzleXLink* FXLink = nullptr;
    std::array<std::unique_ptr<TPuzzleXLink>, PyramidSlots> FXLinks;
    int FCurrentChild = 0;
    std::unique_ptr<TGamesDataFile> FCatalogue;
    TPuzzleInfo FGameRecord;
    bool FShown = false;
    bool FShowHints = true;
    // The game decides the pencil style shown (it offers no linked auto
    // pencil) until the player picks one.
    bool FGameSetsPencilStyle = false;

    // Panels and controls (QVMainCompose.cpp).
    // The client area's panels, top to bottom ("pnlLeds", "pnl2Grids",
    // "pnlControls", "pnlAllProgressBars", "pnlStep").
    struct TPanels {
        QWidget* Leds = nullptr;
        QWidget* Grids = nullptr;
        QWidget* Controls = nullptr;
        QWidget* Bars = nullptr;
        QWidget* Step = nullptr;
    } FPanels;
    std::array<TLedShape*, 18> FLeds{};
    TGridImage* FImage1 = nullptr;
    TGridImage* FImage2 = nullptr;
    QLabel* FNoGames = nullptr;
    QCheckBox* FChooseChild = nullptr;
    TButtonPageControl* FPageControl = nullptr;
    std::array<TMyProgressBar*, 10> FBars{};  // by puzzle index
    TMyProgressBar* FProgressOverAll = nullptr;

    // The menus and the commands made from the command table, by menu and
    // by object name (QVMainMenus.cpp); the pop-up's when first opened.
    std::array<QMenu*, MenuCount> FMenus{};
    std::map<std::string, QAction*> FCommands;
};
