// The main menu and the grids' pop-up menu.
#include "QVMain.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* AddSeparator(QMenu* Menu, const char* Name)
{
    QAction* Separator = Menu->addSeparator();
    Separator->setObjectName(QString::fromLatin1(Name));
    return Separator;
}

QMenu* AddMenu(QWidget* Owner, QMenu* Parent, QMenuBar* Bar, const char* Name, const QString& Caption)
{
    auto* Menu = new QMenu(Caption, Owner);
    Menu->setObjectName(QString::fromLatin1(Name));
    Menu->menuAction()->setObjectName(QString::fromLatin1(Name) + QStringLiteral("Item"));
    if (Parent != nullptr)
        Parent->addMenu(Menu);
    else
        Bar->addMenu(Menu);
    return Menu;
}

QAction* Radio(QAction* Item, QActionGroup* Group, bool Checked = false)
{
    Item->setCheckable(true);
    Item->setChecked(Checked);
    Group->addAction(Item);
    return Item;
}

}  // namespace

QAction* TfrmMain::AddItem(QMenu* Menu, const char* Name, const QString& Caption, const QKeySequence& Shortcut)
{
    QAction* Item = Menu->addAction(Caption);
    Item->setObjectName(QString::fromLatin1(Name));
    if (!Shortcut.isEmpty())
        Item->setShortcut(Shortcut);
    return Item;
}

void TfrmMain::BuildMenus()
{
    QMenuBar* Bar = menuBar();
    Bar->setObjectName(QStringLiteral("MainMenu1"));

    FMnuFile = AddMenu(this, nullptr, Bar, "mnuFile", QStringLiteral("&File"));
    FFileOpen = AddItem(FMnuFile, "mnuFileOpen", QStringLiteral("Choose &game..."), QKeySequence(QStringLiteral("Ctrl+G")));
    connect(AddItem(FMnuFile, "AddIssueFile1", QStringLiteral("Add &Issue File...")), &QAction::triggered, this,
            Guarded([this] { AddIssueFileClick(); }));
    FLoadValues = AddItem(FMnuFile, "Loadvalues1", QStringLiteral("&Load saved game..."), QKeySequence(QStringLiteral("Ctrl+L")));
    FSave = AddItem(FMnuFile, "Save1", QStringLiteral("&Save"), QKeySequence(QStringLiteral("Ctrl+S")));
    FSaveAs = AddItem(FMnuFile, "SaveAs1", QStringLiteral("Save &As..."), QKeySequence(QStringLiteral("Ctrl+A")));
    AddSeparator(FMnuFile, "N1");
    FPrint = AddItem(FMnuFile, "Print1", QStringLiteral("&Print..."), QKeySequence(QStringLiteral("Ctrl+P")));
    FSaveBookletPdf = AddItem(FMnuFile, "SaveBookletPdf1", QStringLiteral("Save Booklet as P&DF..."));
    FPageSetup = AddItem(FMnuFile, "PageSetup1", QStringLiteral("Page Setup"));
    AddSeparator(FMnuFile, "N2");
    QAction* Settings = AddItem(FMnuFile, "Settings1", QStringLiteral("&Settings..."));
    AddSeparator(FMnuFile, "N3");
    QAction* Exit = AddItem(FMnuFile, "Exit1", QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+X")));
    connect(FFileOpen, &QAction::triggered, this, Guarded([this] { ChooseGameClick(); }));
    connect(FLoadValues, &QAction::triggered, this, Guarded([this] { Loadvalues1Click(); }));
    connect(FSave, &QAction::triggered, this, Guarded([this] { SaveAs1Click(false); }));
    connect(FSaveAs, &QAction::triggered, this, Guarded([this] { SaveAs1Click(true); }));
    connect(FPrint, &QAction::triggered, this, Guarded([this] { PrintClick(); }));
    connect(FSaveBookletPdf, &QAction::triggered, this, Guarded([this] { SaveBookletPdfClick(); }));
    connect(Settings, &QAction::triggered, this, Guarded([this] { SettingsClick(); }));
    connect(Exit, &QAction::triggered, this, &QWidget::close);

    FMnuEdit = AddMenu(this, nullptr, Bar, "mnuEdit", QStringLiteral("E&dit"));
    connect(AddItem(FMnuEdit, "Undo1", QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z"))),
            &QAction::triggered, this, Guarded([this] { Undo1Click(); }));
    connect(AddItem(FMnuEdit, "Checkpoint1", QStringLiteral("&Checkpoint")), &QAction::triggered, this,
            Guarded([this] { Checkpoint1Click(); }));
    connect(AddItem(FMnuEdit, "Backtocheckpoint1", QStringLiteral("U&ndo to checkpoint")), &QAction::triggered,
            this, Guarded([this] { Backtocheckpoint1Click(); }));

    FMnuView = AddMenu(this, nullptr, Bar, "mnuView", QStringLiteral("&View"));
    auto* PencilGroup = new QActionGroup(this);
    PencilGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    FAutoPencilLinked =
        Radio(AddItem(FMnuView, "AutoPencilLinked1", QStringLiteral("&Auto Pencil (Linked)")), PencilGroup, true);
    FAutoPencilSeparate = Radio(AddItem(FMnuView, "AutoPencilSeparate1", QStringLiteral("Auto &Pencil (Separate)")), PencilGroup);
    FUserMarksSeparator = AddSeparator(FMnuView, "N4");
    FUserMarksLinked = Radio(AddItem(FMnuView, "UserMarksLinked1", QStringLiteral("&User Marks (Linked)")), PencilGroup);
    FUserMarksSeparate = Radio(AddItem(FMnuView, "UserMarksSeparate1", QStringLiteral("User &Marks (Separate)")), PencilGroup);
    AddSeparator(FMnuView, "N5");
    FHidePencilMarks = AddItem(FMnuView, "HidePencilMarks1", QStringLiteral("&Hide Pencil Marks"),
                               QKeySequence(QStringLiteral("Ctrl+H")));
    FHidePencilMarks->setCheckable(true);
    for (QAction* Item : {FAutoPencilLinked, FAutoPencilSeparate, FUserMarksLinked, FUserMarksSeparate, FHidePencilMarks})
        connect(Item, &QAction::triggered, this, Guarded([this] { CandidatesToggle(); }));
    FCandidatesSeparator = AddSeparator(FMnuView, "N6");
    auto* FilledGroup = new QActionGroup(this);
    FCandidates = Radio(AddItem(FMnuView, "Candidates1", QStringLiteral("&Candidates")), FilledGroup, true);
    FFilled = Radio(AddItem(FMnuView, "Filled1", QStringLiteral("&Filled")), FilledGroup);
    for (QAction* Item : {FCandidates, FFilled})
        connect(Item, &QAction::triggered, this, Guarded([this] { PencilMarkStyle(); }));
    FHiLitesSeparator = AddSeparator(FMnuView, "N7");
    FMnuHiLites = AddMenu(this, FMnuView, Bar, "HiLites1", QStringLiteral("Hi &Lites"));
    FHiLitesMenu = FMnuHiLites->menuAction();
    auto* HiLiteGroup = new QActionGroup(this);
    FChildOnly = Radio(AddItem(FMnuHiLites, "Childonly1", QStringLiteral("&Child only")), HiLiteGroup);
    FParentOnly = Radio(AddItem(FMnuHiLites, "Parentonly1", QStringLiteral("&Parent only")), HiLiteGroup);
    FBoth = Radio(AddItem(FMnuHiLites, "Both1", QStringLiteral("&Both")), HiLiteGroup, true);
    for (QAction* Item : {FChildOnly, FParentOnly, FBoth})
        connect(Item, &QAction::triggered, this, Guarded([this] { ChangeHiliting(); }));

    FMnuChild = AddMenu(this, nullptr, Bar, "mnuChild", QStringLiteral("&Child"));
    auto* ChildGroup = new QActionGroup(this);
    for (int Tag = 1; Tag <= 9; ++Tag) {
        QAction* Item = Radio(AddItem(FMnuChild, QStringLiteral("mnuChild%1").arg(Tag).toLatin1().constData(),
                                      QStringLiteral("Child &%1").arg(Tag)),
                              ChildGroup, Tag == 1);
        Item->setProperty("Tag", Tag);
        connect(Item, &QAction::triggered, this, Guarded([this, Tag] { SelectChild(Tag); }));
        FChildItems[static_cast<size_t>(Tag)] = Item;
    }
    // Two level items kept for pyramids of more levels; they do nothing and
    // are hidden whenever a pyramid is built.
    FLevelSeparator = AddSeparator(FMnuChild, "N8");
    FLevel1 = AddItem(FMnuChild, "Level1", QStringLiteral("Level &1 (Top)"), QKeySequence(QStringLiteral("Ctrl+T")));
    FLevel2 = AddItem(FMnuChild, "Level2", QStringLiteral("Level &2 (Bottom)"), QKeySequence(QStringLiteral("Ctrl+B")));

    FMnuPuzzle = AddMenu(this, nullptr, Bar, "mnuPuzzle", QStringLiteral("Pu&zzle"));
    connect(AddItem(FMnuPuzzle, "ResetCurrent", QStringLiteral("&Reset Child")), &QAction::triggered, this,
            Guarded([this] { ResetCurrentClick(); }));
    connect(AddItem(FMnuPuzzle, "ResetAll", QStringLiteral("Reset &All")), &QAction::triggered, this,
            Guarded([this] { ResetAllClick(); }));
    connect(AddItem(FMnuPuzzle, "ResetMaster", QStringLiteral("Reset &Parent")), &QAction::triggered, this,
            Guarded([this] { ResetMasterClick(); }));
    FSolveSeparator = AddSeparator(FMnuPuzzle, "N9");
    FSolveChild = AddItem(FMnuPuzzle, "SolveChild", QStringLiteral("&Solve Child"));
    FSolveChildren = AddItem(FMnuPuzzle, "SolveChildren", QStringLiteral("Solve &Children"));
    FSolveMaster = AddItem(FMnuPuzzle, "SolveMaster", QStringLiteral("Solve P&arent"));
    FSolvePyramid = AddItem(FMnuPuzzle, "SolvePyramid", QStringLiteral("Solve &Tavrel"));
    connect(FSolveChild, &QAction::triggered, this, Guarded([this] { SolveChildClick(); }));
    connect(FSolveChildren, &QAction::triggered, this, Guarded([this] { SolveChildrenClick(); }));
    connect(FSolveMaster, &QAction::triggered, this, Guarded([this] { SolveMasterClick(); }));
    connect(FSolvePyramid, &QAction::triggered, this, Guarded([this] { SolvePyramidClick(); }));

    QMenu* Help = AddMenu(this, nullptr, Bar, "mnuHelp", QStringLiteral("&Help"));
    connect(AddItem(Help, "GameHelp1", QStringLiteral("Game Help"), QKeySequence(Qt::Key_F1)), &QAction::triggered,
            this, Guarded([this] { GameHelpClick(); }));
    connect(AddItem(Help, "HomePage1", QStringLiteral("Tavrel Sudoku Site...")), &QAction::triggered, this,
            Guarded([this] { HomePageClick(); }));
    connect(AddItem(Help, "About1", QStringLiteral("About...")), &QAction::triggered, this, Guarded([this] { AboutClick(); }));
}

void TfrmMain::BuildPopupMenu()
{
    // Opened by the window itself on a right-button release over a grid.
    FPopup = new QMenu(this);
    FPopup->setObjectName(QStringLiteral("mnuPopup"));

    FEnterNow = AddItem(FPopup, "EnterNow", QStringLiteral("Enter "));
    FEraseNow = AddItem(FPopup, "EraseNow", QStringLiteral("Erase "));
    FPencilNow = AddItem(FPopup, "PencilNow", QStringLiteral("Pencil "));
    FBarNow = AddSeparator(FPopup, "BarNow");
    for (QAction* Item : {FEnterNow, FEraseNow, FPencilNow, FBarNow}) {
        Item->setProperty("Tag", 0);
        Item->setVisible(false);
    }
    connect(FEnterNow, &QAction::triggered, this, Guarded([this] { menuSetValue(FEnterNow->property("Tag").toInt()); }));
    connect(FEraseNow, &QAction::triggered, this, Guarded([this] { menuErase(FEraseNow->property("Tag").toInt()); }));
    connect(FPencilNow, &QAction::triggered, this, Guarded([this] { menuPencil(FPencilNow->property("Tag").toInt()); }));

    QMenu* Enter = AddMenu(this, FPopup, nullptr, "SetValue1", QStringLiteral("&Enter"));
    for (int Tag = 1; Tag <= 9; ++Tag) {
        const QString Name = Tag == 1 ? QStringLiteral("Value1") : QStringLiteral("N%11").arg(Tag);
        QAction* Item = AddItem(Enter, Name.toLatin1().constData(), QStringLiteral("&%1").arg(Tag));
        Item->setProperty("Tag", Tag);
        connect(Item, &QAction::triggered, this, Guarded([this, Tag] { menuSetValue(Tag); }));
    }
    QAction* Clear = AddItem(Enter, "Clear01", QStringLiteral("Clear (&0)"));
    Clear->setProperty("Tag", 0);
    connect(Clear, &QAction::triggered, this, Guarded([this] { menuSetValue(0); }));

    FPopPencil = AddMenu(this, FPopup, nullptr, "Pencil1", QStringLiteral("&Pencil"));
    FPopErase = AddMenu(this, FPopup, nullptr, "Erase1", QStringLiteral("Era&se"));
    for (int Tag = 1; Tag <= 9; ++Tag) {
        QAction* PencilItem = AddItem(FPopPencil, QStringLiteral("mnuPencil%1").arg(Tag).toLatin1().constData(),
                                      QStringLiteral("&%1").arg(Tag));
        PencilItem->setProperty("Tag", Tag);
        connect(PencilItem, &QAction::triggered, this, Guarded([this, Tag] { menuPencil(Tag); }));
        const QString EraseName = Tag == 1 ? QStringLiteral("N11") : QStringLiteral("N%12").arg(Tag);
        QAction* EraseItem = AddItem(FPopErase, EraseName.toLatin1().constData(), QStringLiteral("&%1").arg(Tag));
        EraseItem->setProperty("Tag", Tag);
        connect(EraseItem, &QAction::triggered, this, Guarded([this, Tag] { menuErase(Tag); }));
    }

    FPopHiLite = AddMenu(this, FPopup, nullptr, "HiLite1", QStringLiteral("&Hi Lite"));
    auto* Group4 = new QActionGroup(this);
    for (int Tag = 1; Tag <= 9; ++Tag)
        FPopHiLiteItems[static_cast<size_t>(Tag)] =
            Radio(AddItem(FPopHiLite, QStringLiteral("HiLite%1s1").arg(Tag).toLatin1().constData(),
                          QStringLiteral("&%1s").arg(Tag)),
                  Group4);
    FPopHiLiteItems[10] = Radio(AddItem(FPopHiLite, "HiLitePairs1", QStringLiteral("&Pairs")), Group4);
    FPopHiLiteItems[0] = Radio(AddItem(FPopHiLite, "HiLiteNone1", QStringLiteral("None (&0)")), Group4, true);
    for (int Tag = 0; Tag <= 10; ++Tag) {
        QAction* Item = FPopHiLiteItems[static_cast<size_t>(Tag)];
        Item->setProperty("Tag", Tag);
        // The keys themselves are handled by the window (Ctrl+digit from
        // either number block); the menu only shows them.
        Item->setShortcutContext(Qt::WidgetShortcut);
        connect(Item, &QAction::triggered, this, Guarded([this, Tag] { SetMenuHiLite(Tag); }));
    }

    QMenu* Child = AddMenu(this, FPopup, nullptr, "popChild", QStringLiteral("&Child"));
    auto* ChildGroup = new QActionGroup(this);
    for (int Tag = 1; Tag <= 9; ++Tag) {
        QAction* Item = Radio(AddItem(Child, QStringLiteral("popChild%1").arg(Tag).toLatin1().constData(),
                                      QStringLiteral("Child &%1").arg(Tag)),
                              ChildGroup, Tag == 1);
        Item->setProperty("Tag", Tag);
        Item->setShortcutContext(Qt::WidgetShortcut);
        connect(Item, &QAction::triggered, this, Guarded([this, Tag] { SelectChild(Tag); }));
        FPopChildItems[static_cast<size_t>(Tag)] = Item;
    }
}

void TfrmMain::AssignShortcuts()
{
    // Group 4 of the pop-up: Ctrl and the digit, "/" for pairs, "0" for none.
    for (int Tag = 0; Tag <= 10; ++Tag) {
        const QString Key = Tag == 0 ? QStringLiteral("0") : Tag == 10 ? QStringLiteral("/") : QString::number(Tag);
        FPopHiLiteItems[static_cast<size_t>(Tag)]->setShortcut(QKeySequence(QStringLiteral("Ctrl+") + Key));
    }
    // The child items: Alt and the item's tag.
    for (int Tag = 1; Tag <= 9; ++Tag) {
        const QKeySequence Shortcut(QStringLiteral("Alt+%1").arg(Tag));
        FChildItems[static_cast<size_t>(Tag)]->setShortcut(Shortcut);
        FPopChildItems[static_cast<size_t>(Tag)]->setShortcut(Shortcut);
    }
}
