// The main menu and the grids' pop-up menu.
#include "QVMain.h"

#include "ButtonPageControl.h"
#include "HideOpts.h"
#include "PuzzleXLink.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
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

QAction* TfrmMain::AddItem(QMenu* Menu, const char* Name, const QString& Caption, std::function<void()> Handler,
                           const QKeySequence& Shortcut)
{
    QAction* Item = Menu->addAction(Caption);
    Item->setObjectName(QString::fromLatin1(Name));
    if (!Shortcut.isEmpty())
        Item->setShortcut(Shortcut);
    if (Handler)
        connect(Item, &QAction::triggered, this, Guarded([Handler = std::move(Handler)] { Handler(); }));
    return Item;
}

void TfrmMain::BuildMenus()
{
    QMenuBar* Bar = menuBar();
    Bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto Keys = [](const char* Text) { return QKeySequence(QString::fromLatin1(Text)); };

    FMnuFile = AddMenu(this, nullptr, Bar, "mnuFile", QStringLiteral("&File"));
    AddItem(FMnuFile, "mnuFileOpen", QStringLiteral("Choose &game..."), [this] { ChooseGameClick(); }, Keys("Ctrl+G"));
    AddItem(FMnuFile, "AddIssueFile1", QStringLiteral("Add &Issue File..."), [this] { AddIssueFileClick(); });
    AddItem(FMnuFile, "Loadvalues1", QStringLiteral("&Load saved game..."), [this] { Loadvalues1Click(); }, Keys("Ctrl+L"));
    AddItem(FMnuFile, "Save1", QStringLiteral("&Save"), [this] { SaveAs1Click(false); }, Keys("Ctrl+S"));
    AddItem(FMnuFile, "SaveAs1", QStringLiteral("Save &As..."), [this] { SaveAs1Click(true); }, Keys("Ctrl+A"));
    AddSeparator(FMnuFile, "N1");
    AddItem(FMnuFile, "Print1", QStringLiteral("&Print..."), [this] { PrintClick(); }, Keys("Ctrl+P"));
    AddItem(FMnuFile, "SaveBookletPdf1", QStringLiteral("Save Booklet as P&DF..."), [this] { SaveBookletPdfClick(); });
    FPageSetup = AddItem(FMnuFile, "PageSetup1", QStringLiteral("Page Setup"), nullptr);
    AddSeparator(FMnuFile, "N2");
    AddItem(FMnuFile, "Settings1", QStringLiteral("&Settings..."), [this] { SettingsClick(); });
    AddSeparator(FMnuFile, "N3");
    AddItem(FMnuFile, "Exit1", QStringLiteral("E&xit"), [this] { close(); }, Keys("Ctrl+X"));

    FMnuEdit = AddMenu(this, nullptr, Bar, "mnuEdit", QStringLiteral("E&dit"));
    AddItem(FMnuEdit, "Undo1", QStringLiteral("&Undo"), [this] { Undo1Click(); }, Keys("Ctrl+Z"));
    FRedo = AddItem(FMnuEdit, "Redo1", QStringLiteral("&Redo"), [this] { Redo1Click(); });
    FRedo->setShortcuts({Keys("Ctrl+Y"), Keys("Ctrl+Shift+Z")});
    FRedo->setEnabled(false);
    AddItem(FMnuEdit, "Checkpoint1", QStringLiteral("&Checkpoint"), [this] { Checkpoint1Click(); });
    AddItem(FMnuEdit, "Backtocheckpoint1", QStringLiteral("U&ndo to checkpoint"), [this] { Backtocheckpoint1Click(); });

    FMnuView = AddMenu(this, nullptr, Bar, "mnuView", QStringLiteral("&View"));
    auto* PencilGroup = new QActionGroup(this);
    PencilGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    // Picking a pencil style is the player's choice, stored even where the
    // game had chosen one.
    const auto ChoosePencilStyle = [this](TPencilStyle Style) {
        return [this, Style] {
            FView.PencilStyle = Style;
            FGameSetsPencilStyle = false;
            CandidatesToggle();
        };
    };
    FAutoPencilLinked = Radio(AddItem(FMnuView, "AutoPencilLinked1", QStringLiteral("&Auto Pencil (Linked)"),
                                      ChoosePencilStyle(TPencilStyle::AutoPencilLinked)),
                              PencilGroup, true);
    FAutoPencilSeparate = Radio(AddItem(FMnuView, "AutoPencilSeparate1", QStringLiteral("Auto &Pencil (Separate)"),
                                        ChoosePencilStyle(TPencilStyle::AutoPencilSeparate)),
                                PencilGroup);
    AddSeparator(FMnuView, "N4");
    FUserMarksLinked = Radio(AddItem(FMnuView, "UserMarksLinked1", QStringLiteral("&User Marks (Linked)"),
                                     ChoosePencilStyle(TPencilStyle::UserMarksLinked)),
                             PencilGroup);
    FUserMarksSeparate = Radio(AddItem(FMnuView, "UserMarksSeparate1", QStringLiteral("User &Marks (Separate)"),
                                       ChoosePencilStyle(TPencilStyle::UserMarksSeparate)),
                               PencilGroup);
    AddSeparator(FMnuView, "N5");
    FHidePencilMarks = AddItem(FMnuView, "HidePencilMarks1", QStringLiteral("&Hide Pencil Marks"), [this] {
        FView.HidePencilMarks = !FView.HidePencilMarks;
        CandidatesToggle();
    }, Keys("Ctrl+H"));
    FHidePencilMarks->setCheckable(true);
    AddSeparator(FMnuView, "N6");
    auto* FilledGroup = new QActionGroup(this);
    const auto ChooseFilled = [this](bool Filled) {
        return [this, Filled] {
            FView.Filled = Filled;
            PencilMarkStyle();
        };
    };
    FCandidates = Radio(AddItem(FMnuView, "Candidates1", QStringLiteral("&Candidates"), ChooseFilled(false)),
                        FilledGroup, true);
    FFilled = Radio(AddItem(FMnuView, "Filled1", QStringLiteral("&Filled"), ChooseFilled(true)), FilledGroup);
    AddSeparator(FMnuView, "N7");
    FMnuHiLites = AddMenu(this, FMnuView, Bar, "HiLites1", QStringLiteral("Hi &Lites"));
    auto* HiLiteGroup = new QActionGroup(this);
    const auto HiLiting = [this](THighlightScope Scope) {
        return [this, Scope] {
            FView.Scope = Scope;
            ChangeHiliting();
        };
    };
    FChildOnly = Radio(AddItem(FMnuHiLites, "Childonly1", QStringLiteral("&Child only"), HiLiting(THighlightScope::ChildOnly)),
                       HiLiteGroup);
    FParentOnly = Radio(
        AddItem(FMnuHiLites, "Parentonly1", QStringLiteral("&Parent only"), HiLiting(THighlightScope::ParentOnly)),
        HiLiteGroup);
    FBoth = Radio(AddItem(FMnuHiLites, "Both1", QStringLiteral("&Both"), HiLiting(THighlightScope::Both)), HiLiteGroup,
                  true);

    FMnuChild = AddMenu(this, nullptr, Bar, "mnuChild", QStringLiteral("&Child"));
    auto* ChildGroup = new QActionGroup(this);
    for (int Tag = 1; Tag <= 9; ++Tag) {
        QAction* Item = Radio(AddItem(FMnuChild, QStringLiteral("mnuChild%1").arg(Tag).toLatin1().constData(),
                                      QStringLiteral("Child &%1").arg(Tag), [this, Tag] { SelectChild(Tag); }),
                              ChildGroup, Tag == 1);
        Item->setProperty("Tag", Tag);
        FChildItems[static_cast<size_t>(Tag)] = Item;
    }
    // Two level items kept for pyramids of more levels; they do nothing and
    // are hidden whenever a pyramid is built.
    FLevelSeparator = AddSeparator(FMnuChild, "N8");
    FLevel1 = AddItem(FMnuChild, "Level1", QStringLiteral("Level &1 (Top)"), nullptr, Keys("Ctrl+T"));
    FLevel2 = AddItem(FMnuChild, "Level2", QStringLiteral("Level &2 (Bottom)"), nullptr, Keys("Ctrl+B"));

    FMnuPuzzle = AddMenu(this, nullptr, Bar, "mnuPuzzle", QStringLiteral("Pu&zzle"));
    AddItem(FMnuPuzzle, "ResetCurrent", QStringLiteral("&Reset Child"), [this] { ResetCurrentClick(); });
    AddItem(FMnuPuzzle, "ResetAll", QStringLiteral("Reset &All"), [this] { ResetAllClick(); });
    AddItem(FMnuPuzzle, "ResetMaster", QStringLiteral("Reset &Parent"), [this] { ResetMasterClick(); });
    AddSeparator(FMnuPuzzle, "N9");
    AddItem(FMnuPuzzle, "NextStep1", QStringLiteral("&Next Step"), [this] { NextStepClick(); },
                        QKeySequence(Qt::Key_F2));
    AddItem(FMnuPuzzle, "ApplyStep1", QStringLiteral("Appl&y Step"), [this] { ApplyStepClick(); },
            QKeySequence(Qt::SHIFT | Qt::Key_F2));
    AddSeparator(FMnuPuzzle, "N13");
    AddItem(FMnuPuzzle, "SolveChild", QStringLiteral("&Solve Child"), [this] { SolveChildClick(); });
    AddItem(FMnuPuzzle, "SolveChildren", QStringLiteral("Solve &Children"), [this] { SolveChildrenClick(); });
    AddItem(FMnuPuzzle, "SolveMaster", QStringLiteral("Solve P&arent"), [this] { SolveMasterClick(); });
    AddItem(FMnuPuzzle, "SolvePyramid", QStringLiteral("Solve &Tavrel"), [this] { SolvePyramidClick(); });

    FMnuHelp = AddMenu(this, nullptr, Bar, "mnuHelp", QStringLiteral("&Help"));
    AddItem(FMnuHelp, "GameHelp1", QStringLiteral("Game Help"), [this] { GameHelpClick(); }, QKeySequence(Qt::Key_F1));
    AddItem(FMnuHelp, "HomePage1", QStringLiteral("Tavrel Sudoku Site..."), [this] { HomePageClick(); });
    AddItem(FMnuHelp, "About1", QStringLiteral("About..."), [this] { AboutClick(); });
}

void TfrmMain::BuildPopupMenu()
{
    // Opened by the window itself on a right-button release over a grid;
    // made then, since a game may be played without it.
    FPopup = new QMenu(this);
    FPopup->setObjectName(QStringLiteral("mnuPopup"));

    FEnterNow = AddItem(FPopup, "EnterNow", QStringLiteral("Enter "),
                        [this] { FEntry->menuSetValue(FEnterNow->property("Tag").toInt()); });
    FEraseNow = AddItem(FPopup, "EraseNow", QStringLiteral("Erase "),
                        [this] { FEntry->menuErase(FEraseNow->property("Tag").toInt()); });
    FPencilNow = AddItem(FPopup, "PencilNow", QStringLiteral("Pencil "),
                         [this] { FEntry->menuPencil(FPencilNow->property("Tag").toInt()); });
    FBarNow = AddSeparator(FPopup, "BarNow");
    for (QAction* Item : {FEnterNow, FEraseNow, FPencilNow, FBarNow}) {
        Item->setProperty("Tag", 0);
        Item->setVisible(false);
    }

    QMenu* Enter = AddMenu(this, FPopup, nullptr, "SetValue1", QStringLiteral("&Enter"));
    for (int Tag = 1; Tag <= 9; ++Tag) {
        const QString Name = Tag == 1 ? QStringLiteral("Value1") : QStringLiteral("N%11").arg(Tag);
        AddItem(Enter, Name.toLatin1().constData(), QStringLiteral("&%1").arg(Tag), [this, Tag] { FEntry->menuSetValue(Tag); })
            ->setProperty("Tag", Tag);
    }
    AddItem(Enter, "Clear01", QStringLiteral("Clear (&0)"), [this] { FEntry->menuSetValue(0); })->setProperty("Tag", 0);

    FPopPencil = AddMenu(this, FPopup, nullptr, "Pencil1", QStringLiteral("&Pencil"));
    FPopErase = AddMenu(this, FPopup, nullptr, "Erase1", QStringLiteral("Era&se"));
    for (int Tag = 1; Tag <= 9; ++Tag) {
        AddItem(FPopPencil, QStringLiteral("mnuPencil%1").arg(Tag).toLatin1().constData(), QStringLiteral("&%1").arg(Tag),
                [this, Tag] { FEntry->menuPencil(Tag); })
            ->setProperty("Tag", Tag);
        const QString EraseName = Tag == 1 ? QStringLiteral("N11") : QStringLiteral("N%12").arg(Tag);
        AddItem(FPopErase, EraseName.toLatin1().constData(), QStringLiteral("&%1").arg(Tag), [this, Tag] { FEntry->menuErase(Tag); })
            ->setProperty("Tag", Tag);
    }

    FPopHiLite = AddMenu(this, FPopup, nullptr, "HiLite1", QStringLiteral("&Hi Lite"));
    auto* Group4 = new QActionGroup(this);
    const auto HiLiteItem = [&](int Tag, const char* Name, const QString& Caption) {
        QAction* Item = Radio(AddItem(FPopHiLite, Name, Caption, [this, Tag] { FEntry->SetHiLite(Tag); }), Group4, Tag == 0);
        Item->setProperty("Tag", Tag);
        // The keys themselves are handled by the window (Ctrl+digit from
        // either number block); the menu only shows them.
        Item->setShortcutContext(Qt::WidgetShortcut);
        FPopHiLiteItems[static_cast<size_t>(Tag)] = Item;
    };
    for (int Tag = 1; Tag <= 9; ++Tag)
        HiLiteItem(Tag, QStringLiteral("HiLite%1s1").arg(Tag).toLatin1().constData(), QStringLiteral("&%1s").arg(Tag));
    HiLiteItem(10, "HiLitePairs1", QStringLiteral("&Pairs"));
    HiLiteItem(0, "HiLiteNone1", QStringLiteral("None (&0)"));
    // Ctrl and the digit, "/" for pairs, "0" for none.
    for (int Tag = 0; Tag <= 10; ++Tag) {
        const QString Key = Tag == 0 ? QStringLiteral("0") : Tag == 10 ? QStringLiteral("/") : QString::number(Tag);
        FPopHiLiteItems[static_cast<size_t>(Tag)]->setShortcut(QKeySequence(QStringLiteral("Ctrl+") + Key));
    }

    FPopStepBar = AddSeparator(FPopup, "popStepBar");
    FPopNextStep = AddItem(FPopup, "popNextStep", QStringLiteral("&Next Step"), [this] { NextStepClick(); });
    FPopApplyStep = AddItem(FPopup, "popApplyStep", QStringLiteral("Appl&y Step"), [this] { ApplyStepClick(); });
    // The keys are the main menu's; the pop-up only shows them.
    for (QAction* Item : {FPopNextStep, FPopApplyStep})
        Item->setShortcutContext(Qt::WidgetShortcut);
    FPopNextStep->setShortcut(QKeySequence(Qt::Key_F2));
    FPopApplyStep->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F2));

    QMenu* Child = AddMenu(this, FPopup, nullptr, "popChild", QStringLiteral("&Child"));
    auto* ChildGroup = new QActionGroup(this);
    for (int Tag = 1; Tag <= 9; ++Tag) {
        QAction* Item = Radio(AddItem(Child, QStringLiteral("popChild%1").arg(Tag).toLatin1().constData(),
                                      QStringLiteral("Child &%1").arg(Tag), [this, Tag] { SelectChild(Tag); }),
                              ChildGroup, Tag == 1);
        Item->setProperty("Tag", Tag);
        Item->setShortcutContext(Qt::WidgetShortcut);
        Item->setShortcut(QKeySequence(QStringLiteral("Alt+%1").arg(Tag)));
        FPopChildItems[static_cast<size_t>(Tag)] = Item;
    }
}

void TfrmMain::AssignShortcuts()
{
    // The child items: Alt and the item's tag.
    for (int Tag = 1; Tag <= 9; ++Tag)
        FChildItems[static_cast<size_t>(Tag)]->setShortcut(QKeySequence(QStringLiteral("Alt+%1").arg(Tag)));
}

QMenu* TfrmMain::PopupMenu()
{
    PreparePopup();
    return FPopup;
}

void TfrmMain::PreparePopup()
{
    if (FPopup == nullptr)
        BuildPopupMenu();
    // The quick items name the digit highlighted; the submenus follow the
    // sheets the game offers; the child items the pyramid's children.
    const int HiLite = FEntry->HiLite();
    const bool HiLiteOffered = FEntry->SheetOffered(TSheet::HiLite);
    const bool Digit = HiLiteOffered && HiLite >= 1 && HiLite <= 9;
    const QStringList Captions = {QStringLiteral("Enter "), QStringLiteral("Erase "), QStringLiteral("Pencil ")};
    const std::array<QAction*, 3> Quick = {FEnterNow, FEraseNow, FPencilNow};
    for (size_t Index = 0; Index < Quick.size(); ++Index) {
        Quick[Index]->setText(Captions[static_cast<int>(Index)] + (Digit ? QString::number(HiLite) : QString()));
        Quick[Index]->setProperty("Tag", Digit ? HiLite : 0);
        Quick[Index]->setVisible(Digit);
    }
    FBarNow->setVisible(Digit);
    FPopHiLiteItems[static_cast<size_t>(HiLite >= 0 && HiLite <= 10 ? HiLite : 0)]->setChecked(true);
    FPopHiLite->menuAction()->setVisible(HiLiteOffered);
    FPopPencil->menuAction()->setVisible(FEntry->SheetOffered(TSheet::Pencil));
    FPopErase->menuAction()->setVisible(FEntry->SheetOffered(TSheet::Erase));
    for (QAction* Item : {FPopStepBar, FPopNextStep, FPopApplyStep})
        Item->setVisible(!FHideOpts || FHideOpts->Shown().Shows(TFeaturePart::Steps));
    const int Children = FXLink != nullptr ? FXLink->ChildCount() : 9;
    for (int Tag = 1; Tag <= 9; ++Tag) {
        QAction* Item = FPopChildItems[static_cast<size_t>(Tag)];
        Item->setEnabled(Tag <= Children);
        Item->setChecked(Tag == FCurrentChild);
    }
}

void TfrmMain::ShowViewOptions()
{
    // Checking a radio item unchecks the others of its group; unchecking one
    // checks no other, so a view with no style chosen shows none.
    const std::array<std::pair<QAction*, TPencilStyle>, 4> Styles = {{
        {FAutoPencilLinked, TPencilStyle::AutoPencilLinked},
        {FAutoPencilSeparate, TPencilStyle::AutoPencilSeparate},
        {FUserMarksLinked, TPencilStyle::UserMarksLinked},
        {FUserMarksSeparate, TPencilStyle::UserMarksSeparate},
    }};
    for (const auto& [Item, Style] : Styles)
        Item->setChecked(FView.Is(Style));
    FHidePencilMarks->setChecked(FView.HidePencilMarks);
    FCandidates->setChecked(!FView.Filled);
    FFilled->setChecked(FView.Filled);
    const std::array<std::pair<QAction*, THighlightScope>, 3> Scopes = {{
        {FChildOnly, THighlightScope::ChildOnly},
        {FParentOnly, THighlightScope::ParentOnly},
        {FBoth, THighlightScope::Both},
    }};
    for (const auto& [Item, Scope] : Scopes)
        Item->setChecked(FView.Is(Scope));
    FChooseChild->setChecked(FView.ParentChoosesChild);
}
