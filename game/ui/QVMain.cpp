// The main window's creation, first showing, closing and the events it
// watches for its controls: previewed keys, hints, leaving the grids, and a
// release over a child's bar.
#include "QVMain.h"

#include "ButtonPageControl.h"
#include "ChoosePuzzle.h"
#include "HideOpts.h"
#include "Options.h"
#include "PlayerFolders.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>

TfrmMain::TfrmMain(const std::string& ProgramFolder, QWidget* Owner)
    : QMainWindow(Owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                             Qt::MSWindowsFixedSizeDialogHint),
      FProgramFolder(ProgramFolder)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tavrel Sudoku"));
    const QString SaveFilter = QStringLiteral("Tavrel sudoku save files (*.sav)|*.sav|All files (*.*)|*.*");
    ValueSaveDialog.Title = QStringLiteral("Save puzzle entries");
    ValueSaveDialog.Filter = SaveFilter;
    ValueSaveDialog.DefaultSuffix = QStringLiteral("sav");
    ValueSaveDialog.PromptOverwrite = true;
    ValueOpenDialog.Title = QStringLiteral("Open previous entries");
    ValueOpenDialog.Filter = SaveFilter;
    BuildPanels();
    BuildMenus();
    // The window keeps the size of its panels; ArrangePanels changes it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    FCatalogue = std::make_unique<TGamesDataFile>(PlayerCatalogueFolders(FProgramFolder), FReporter);
    EnableGameMenus();
    // KeyPreview: keys are seen by the window before its controls; and hints
    // follow setting 11.
    qApp->installEventFilter(this);
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
    // The grids go before the pyramid they draw, so nothing paints through a
    // freed link.
    ForgetPyramid();
    FChildGrid.reset();
    FParentGrid.reset();
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
    if (FChoose != nullptr)
        connect(FChoose, &TfrmChoosePuzzle::HelpRequested, this,
                Guarded([this](int Topic) { ShowHelp(FChoose, Topic); }));
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

bool TfrmMain::AltHPressed()
{
    if (FPnlControls->isVisibleTo(this) && FEntry->SheetOffered(TSheet::HiLite)) {
        FEntry->ShowSheet(TSheet::HiLite);
        return true;
    }
    QAction* Help = MenuOf(TMenuId::Help)->menuAction();
    if (!Help->isVisible())
        return false;
    menuBar()->setActiveAction(Help);
    return true;
}

bool TfrmMain::eventFilter(QObject* Watched, QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::Leave:
        // Qt has no idle turn to look for the control under the pointer;
        // the grids' panel being left is the moment it would find another.
        if (Watched == FPnl2Grids)
            ApplicationEvents1Idle();
        break;
    case QEvent::ShortcutOverride:
        // Alt+H would be both the "&Help" menu's and the "&Hi Lite" tab's
        // mnemonic, which cancel out; the window gives it one meaning.
        if (auto* Widget = qobject_cast<QWidget*>(Watched); Widget != nullptr && Widget->window() == this) {
            const auto* Key = static_cast<QKeyEvent*>(Event);
            if (Key->key() == Qt::Key_H && Key->modifiers() == Qt::AltModifier) {
                Event->accept();
                return true;
            }
        }
        break;
    case QEvent::KeyPress:
        // The menu bar, once Alt has taken the keyboard to it, keeps its
        // arrow keys.
        if (auto* Widget = qobject_cast<QWidget*>(Watched);
            Widget != nullptr && Widget->window() == this && qobject_cast<QMenuBar*>(Widget) == nullptr) {
            const auto* Key = static_cast<QKeyEvent*>(Event);
            if (Key->key() == Qt::Key_H && Key->modifiers() == Qt::AltModifier && AltHPressed())
                return true;
            if (FEntry->FormKeyDown(Key->key(), Key->modifiers()))
                return true;
        }
        break;
    case QEvent::ToolTip:
        if (auto* Widget = qobject_cast<QWidget*>(Watched);
            Widget != nullptr && Widget->window() == this && !FShowHints)
            return true;
        break;
    default: break;
    }
    return QMainWindow::eventFilter(Watched, Event);
}
