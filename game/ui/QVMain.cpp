// The main window's creation, first showing and closing, the keys it hands
// to the entry controller, and the events it watches for its controls:
// hints, and leaving the grids.
#include "QVMain.h"

#include "ButtonPageControl.h"
#include "ChoosePuzzle.h"
#include "HideOpts.h"
#include "Options.h"
#include "PlayerFolders.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"
#include "ZoomController.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

TfrmMain::TfrmMain(const std::string& ProgramFolder, QWidget* Owner)
    : QMainWindow(Owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      FProgramFolder(ProgramFolder)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tavrel Sudoku"));
    FFiles = std::make_unique<TFileCommands>(static_cast<TFileHost&>(*this), FStore, *this, FProgramFolder);
    BuildPanels();
    BuildMenus();
    // The window is as large as its panels at the zoom; a frame dragged or
    // the window maximised sets the zoom (the zoom controller).
    connect(&ZoomControl(), &TZoomController::ZoomChanged, this, [this] { UpdateZoomItems(); });

    FCatalogue = std::make_unique<TGamesDataFile>(PlayerCatalogueFolders(FProgramFolder), FReporter);
    const std::string& Catalogue = FCatalogue->Folders().CatalogueFile();
    const std::string PlayerFolder = Catalogue.substr(0, Catalogue.find_last_of("/\\") + 1);
    FRecovery = std::make_unique<TRecoveryKeeper>(static_cast<TRecoveryHost&>(*this), *this, PlayerFolder);
    FRecords = std::make_unique<TRecordKeeper>(*this, PlayerFolder);
    FNewPyramid = std::make_unique<TNewPyramidController>(static_cast<TNewPyramidHost&>(*this));
    EnableGameMenus();
}

TfrmMain::~TfrmMain()
{
    // The zoom and place stored while the store is still there.
    if (FShown)
        ZoomControl().StorePlace();
    // The grids go before the pyramid they draw, so nothing paints through a
    // freed link.
    ForgetPyramid();
    FChildGrid.reset();
    FParentGrid.reset();
}

TZoomController& TfrmMain::ZoomControl() const
{
    // Made with the panels, so it is there for the window's whole life.
    return *findChild<TZoomController*>(QString(), Qt::FindDirectChildrenOnly);
}

void TfrmMain::SetDialogs(TfrmOptions* Options, TfrmChoosePuzzle* Choose)
{
    FOptions = Options;
    FChoose = Choose;
    // The feature rules disable the settings dialog's controls too.
    if (FOptions != nullptr)
        FHideOpts = std::make_unique<THideOpts>(*this, FeatureItems(), *FOptions, [this] { FitClientHeight(); });
    if (FOptions != nullptr)
        connect(FOptions, &TfrmOptions::HelpRequested, this, Guarded([this](int Topic) { ShowHelp(FOptions, Topic); }));
    if (FChoose != nullptr) {
        FChoose->SetRecords(FRecords.get());
        connect(FChoose, &TfrmChoosePuzzle::HelpRequested, this,
                Guarded([this](int Topic) { ShowHelp(FChoose, Topic); }));
        FChoose->SetDeleteHandler([this](const TGameEntry& Game) { return FNewPyramid->DeleteGame(Game); });
    }
}

void TfrmMain::showEvent(QShowEvent* Event)
{
    QMainWindow::showEvent(Event);
    if (FShown)
        return;
    FShown = true;
    FormShow();
}

bool TfrmMain::FormCloseQuery()
{
    // A save that fails keeps the window open, so the game is not lost.
    bool MayClose = false;
    RunGuarded([&] { MayClose = QuerySave(); });
    return MayClose;
}

void TfrmMain::closeEvent(QCloseEvent* Event)
{
    if (FormCloseQuery()) {
        // A clean end: nothing is left to recover, whatever was saved.
        RecordPlayedTime();
        FRecovery->Remove();
        ZoomControl().StorePlace();
        Event->accept();
        emit Closed();
    } else {
        Event->ignore();
    }
}

void TfrmMain::ApplicationEvents1Idle()
{
    for (TGrid* Grid : {FParentGrid.get(), FChildGrid.get()})
        if (Grid != nullptr && Grid->PointerInside())
            Grid->MouseLeave();
}

bool TfrmMain::HelpSharesHiLiteKey() const
{
    const auto* Tab = findChild<QPushButton*>(QStringLiteral("tsHiLiteTab"));
    return Tab != nullptr && QKeySequence::mnemonic(Tab->text()) == QKeySequence(Qt::ALT | Qt::Key_H) &&
           QKeySequence::mnemonic(MenuOf(TMenuId::Help)->title()) == QKeySequence(Qt::ALT | Qt::Key_H);
}

bool TfrmMain::AltHPressed()
{
    if (FPanels.Controls->isVisibleTo(this) && FEntry->SheetOffered(TSheet::HiLite)) {
        FEntry->ShowSheet(TSheet::HiLite);
        return true;
    }
    QAction* Help = MenuOf(TMenuId::Help)->menuAction();
    if (!Help->isVisible())
        return false;
    menuBar()->setActiveAction(Help);
    return true;
}

void TfrmMain::SetHint(QWidget* Control, const QString& Hint)
{
    Control->setToolTip(Hint);
    Control->installEventFilter(this);
}

bool TfrmMain::eventFilter(QObject* Watched, QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::Leave:
        // Qt has no idle turn to look for the control under the pointer;
        // the grids' panel being left is the moment it would find another.
        if (Watched == FPanels.Grids)
            ApplicationEvents1Idle();
        break;
    case QEvent::ToolTip:
        // Hints follow setting 11.
        if (!FShowHints)
            return true;
        break;
    default: break;
    }
    return QMainWindow::eventFilter(Watched, Event);
}

// Keys. The window's controls other than the grids never take the focus,
// so every key the menus' shortcuts leave reaches the window from the grid
// that has the focus (or the window itself) along Qt's own path: the grid
// does not take it and hands it on to its parents. The entry controller
// decides what a key does; Tab and Shift+Tab, which Qt turns into a move of
// the focus, arrive as that move.

bool TfrmMain::event(QEvent* Event)
{
    if (Event->type() == QEvent::ShortcutOverride) {
        // Alt+H would be both the "&Help" menu's and the "&Hi Lite" tab's
        // mnemonic, which cancel out; the window gives it one meaning. (A
        // translation may give the two other letters.)
        const auto* Key = static_cast<QKeyEvent*>(Event);
        if (Key->key() == Qt::Key_H && Key->modifiers() == Qt::AltModifier && HelpSharesHiLiteKey()) {
            Event->accept();
            return true;
        }
    }
    return QMainWindow::event(Event);
}

void TfrmMain::keyPressEvent(QKeyEvent* Event)
{
    // The grids are covered while the game is paused.
    if (FPlay->Paused()) {
        QMainWindow::keyPressEvent(Event);
        return;
    }
    if (Event->key() == Qt::Key_H && Event->modifiers() == Qt::AltModifier && HelpSharesHiLiteKey() && AltHPressed())
        return;
    if (FEntry->FormKeyDown(Event->key(), Event->modifiers()))
        return;
    QMainWindow::keyPressEvent(Event);
}

void TfrmMain::changeEvent(QEvent* Event)
{
    // Time is played while the window is active.
    // Time is played while the window is active and not minimised; a
    // window minimised pauses.
    const QEvent::Type Type = Event->type();
    if ((Type == QEvent::ActivationChange || Type == QEvent::WindowStateChange) && FPlay != nullptr) {
        if (isMinimized())
            FPlay->SetPaused(true);
        FPlay->SetActive(isActiveWindow() && !isMinimized());
        if (!isActiveWindow())
            RecordPlayedTime();
    }
    QMainWindow::changeEvent(Event);
}

bool TfrmMain::focusNextPrevChild(bool Next)
{
    // While keys play, Tab takes the cursor to the other grid.
    if (FEntry->FormKeyDown(Next ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier))
        return true;
    return QMainWindow::focusNextPrevChild(Next);
}
