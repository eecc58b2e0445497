// The main menu and the grids' pop-up menu, made from the command table
// (QVMainCommands.cpp), and the View menu shown from the view settings.
#include "QVMain.h"

#include "ButtonPageControl.h"
#include "HideOpts.h"
#include "PuzzleXLink.h"
#include "ZoomController.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>

namespace {

bool InPopup(TMenuId Menu)
{
    return Menu >= TMenuId::Popup;
}

// The menu bar's style, without the bare Alt key's menu navigation: Alt
// pressed and released alone would take the keyboard to the menu bar, and
// so would the Alt of a shortcut (Alt+3, a sheet's mnemonic) whenever its
// key events reach the bar out of order, as they do while a screen reader
// vets each key; the next digits then act on the menu. The menus open with
// their own mnemonics (Alt+F, Alt+D, ...). The window owns the style; the
// bar, made before it, is destroyed before it.
class TMenuBarStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget,
                  QStyleHintReturn* Return) const override
    {
        if (Hint == QStyle::SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(Hint, Option, Widget, Return);
    }
};

QList<QKeySequence> Shortcuts(const std::string& Keys)
{
    QList<QKeySequence> List;
    for (const QString& Key : QString::fromStdString(Keys).split(QLatin1Char(';'), Qt::SkipEmptyParts))
        List.append(QKeySequence(Key));
    return List;
}

}  // namespace

QAction* TfrmMain::Command(const std::string& Name) const
{
    const auto Found = FCommands.find(Name);
    return Found != FCommands.end() ? Found->second : nullptr;
}

QMenu* TfrmMain::MenuOf(TMenuId Menu) const
{
    return FMenus[static_cast<size_t>(Menu)];
}

void TfrmMain::MakeCommand(const TCommand& Row, std::map<int, QActionGroup*>& Groups)
{
    const QString Name = QString::fromStdString(Row.Name);
    QString Caption = tr(Row.Caption);
    if (Row.Tag >= 0 && Caption.contains(QStringLiteral("%1")))
        Caption = Caption.arg(Row.Tag);
    QAction* Item = nullptr;
    switch (Row.Kind) {
    case TCommandKind::Separator:
        Item = MenuOf(Row.Menu)->addSeparator();
        Item->setObjectName(Name);
        break;
    case TCommandKind::Menu: {
        auto* Menu = new QMenu(Caption, this);
        Menu->setObjectName(Name);
        Menu->menuAction()->setObjectName(Name + QStringLiteral("Item"));
        if (Row.Menu == TMenuId::None)
            menuBar()->addMenu(Menu);
        else
            MenuOf(Row.Menu)->addMenu(Menu);
        FMenus[static_cast<size_t>(Row.Opens)] = Menu;
        Item = Menu->menuAction();
        break;
    }
    case TCommandKind::Item:
    case TCommandKind::Check:
    case TCommandKind::Radio: {
        Item = MenuOf(Row.Menu)->addAction(Caption);
        Item->setObjectName(Name);
        if (Row.ShowsKeyOnly)
            Item->setShortcutContext(Qt::WidgetShortcut);
        Item->setShortcuts(Shortcuts(Row.Keys));
        if (Row.Handler != nullptr)
            connect(Item, &QAction::triggered, this,
                    Guarded([this, Item, Handler = Row.Handler] { Handler(*this, Item->property("Tag").toInt()); }));
        if (Row.Kind != TCommandKind::Item)
            Item->setCheckable(true);
        if (Row.Kind == TCommandKind::Radio) {
            Item->setChecked(Row.Checked);
            QActionGroup*& Group = Groups[Row.Group];
            if (Group == nullptr)
                Group = new QActionGroup(this);
            Group->addAction(Item);
        }
        break;
    }
    }
    if (Row.Tag >= 0)
        Item->setProperty("Tag", Row.Tag);
    if (Row.Hidden)
        Item->setVisible(false);
    if (Row.Disabled)
        Item->setEnabled(false);
    FCommands[Row.Name] = Item;
}

void TfrmMain::BuildMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    auto* Style = new TMenuBarStyle;
    Style->setParent(this);
    menuBar()->setStyle(Style);
    std::map<int, QActionGroup*> Groups;
    for (const TCommand& Row : CommandTable())
        if (!InPopup(Row.Menu))
            MakeCommand(Row, Groups);
}

void TfrmMain::BuildPopupMenu()
{
    // Opened by the window itself on a right-button release over a grid;
    // made then, since a game may be played without it.
    auto* Popup = new QMenu(this);
    Popup->setObjectName(QStringLiteral("mnuPopup"));
    FMenus[static_cast<size_t>(TMenuId::Popup)] = Popup;
    std::map<int, QActionGroup*> Groups;
    for (const TCommand& Row : CommandTable())
        if (InPopup(Row.Menu))
            MakeCommand(Row, Groups);
    // The pop-up's menus take the colour scheme as the main menu's have.
    ApplyScheme();
}

std::vector<std::pair<TFeaturePart, QAction*>> TfrmMain::FeatureItems() const
{
    std::vector<std::pair<TFeaturePart, QAction*>> Items;
    for (const TCommand& Row : CommandTable())
        if (Row.Part != TFeaturePart::Count && !InPopup(Row.Menu))
            Items.emplace_back(Row.Part, Command(Row.Name));
    return Items;
}

void TfrmMain::EnableGameMenus()
{
    const bool Enabled = FCatalogue && FCatalogue->IssueCount() > 0;
    for (const TCommand& Row : CommandTable())
        if (Row.NeedsGames)
            Command(Row.Name)->setEnabled(Enabled);
}

QMenu* TfrmMain::PopupMenu()
{
    PreparePopup();
    return MenuOf(TMenuId::Popup);
}

void TfrmMain::PreparePopup()
{
    if (MenuOf(TMenuId::Popup) == nullptr)
        BuildPopupMenu();
    // The quick items name the digit highlighted; the submenus follow the
    // sheets the game offers; the child items the pyramid's children.
    const int HiLite = FEntry->HiLite();
    const bool HiLiteOffered = FEntry->SheetOffered(TSheet::HiLite);
    const bool Digit = HiLiteOffered && HiLite >= 1 && HiLite <= 9;
    const std::array<std::pair<const char*, QString>, 3> Quick = {{
        {"EnterNow", tr("Enter ")},
        {"EraseNow", tr("Erase ")},
        {"PencilNow", tr("Pencil ")},
    }};
    for (const auto& [Name, Caption] : Quick) {
        QAction* Item = Command(Name);
        Item->setText(Caption + (Digit ? QString::number(HiLite) : QString()));
        Item->setProperty("Tag", Digit ? HiLite : 0);
        Item->setVisible(Digit);
    }
    Command("BarNow")->setVisible(Digit);
    const int Checked = HiLite >= 1 && HiLite <= 9 ? HiLite : HiLite == 10 ? 10 : 0;
    Command(Checked == 0    ? std::string("HiLiteNone1")
            : Checked == 10 ? std::string("HiLitePairs1")
                            : QStringLiteral("HiLite%1s1").arg(Checked).toStdString())
        ->setChecked(true);
    MenuOf(TMenuId::PopHiLite)->menuAction()->setVisible(HiLiteOffered);
    MenuOf(TMenuId::PopPencil)->menuAction()->setVisible(FEntry->SheetOffered(TSheet::Pencil));
    MenuOf(TMenuId::PopErase)->menuAction()->setVisible(FEntry->SheetOffered(TSheet::Erase));
    for (const char* Name : {"popStepBar", "popNextStep", "popApplyStep"})
        Command(Name)->setVisible(!FHideOpts || FHideOpts->Shown().Shows(TFeaturePart::Steps));
    const int Children = FXLink != nullptr ? FXLink->ChildCount() : 9;
    for (int Tag = 1; Tag <= 9; ++Tag) {
        QAction* Item = Command(QStringLiteral("popChild%1").arg(Tag).toStdString());
        Item->setEnabled(Tag <= Children);
        Item->setChecked(Tag == FCurrentChild);
    }
}

void TfrmMain::ChoosePencilStyle(TPencilStyle Style)
{
    FView.PencilStyle = Style;
    FGameSetsPencilStyle = false;
    CandidatesToggle();
}

void TfrmMain::ChooseFilled(bool Filled)
{
    FView.Filled = Filled;
    PencilMarkStyle();
}

void TfrmMain::ChooseScope(THighlightScope Scope)
{
    FView.Scope = Scope;
    ChangeHiliting();
}

void TfrmMain::ShowViewOptions()
{
    // Checking a radio item unchecks the others of its group; unchecking one
    // checks no other, so a view with no style chosen shows none.
    const std::array<std::pair<const char*, TPencilStyle>, 4> Styles = {{
        {"AutoPencilLinked1", TPencilStyle::AutoPencilLinked},
        {"AutoPencilSeparate1", TPencilStyle::AutoPencilSeparate},
        {"UserMarksLinked1", TPencilStyle::UserMarksLinked},
        {"UserMarksSeparate1", TPencilStyle::UserMarksSeparate},
    }};
    for (const auto& [Name, Style] : Styles)
        Command(Name)->setChecked(FView.Is(Style));
    Command("HidePencilMarks1")->setChecked(FView.HidePencilMarks);
    Command("Candidates1")->setChecked(!FView.Filled);
    Command("Filled1")->setChecked(FView.Filled);
    const std::array<std::pair<const char*, THighlightScope>, 3> Scopes = {{
        {"Childonly1", THighlightScope::ChildOnly},
        {"Parentonly1", THighlightScope::ParentOnly},
        {"Both1", THighlightScope::Both},
    }};
    for (const auto& [Name, Scope] : Scopes)
        Command(Name)->setChecked(FView.Is(Scope));
    FChooseChild->setChecked(FView.ParentChoosesChild);
    Command("Timer1")->setChecked(FView.Timer);
    if (FPlay != nullptr)
        FPlay->ShowTimer(FView.Timer);
}

void TfrmMain::TimerClick()
{
    FView.Timer = !FView.Timer;
    FPlay->ShowTimer(FView.Timer);
    FStore.SaveViewOptions(FView, !FGameSetsPencilStyle);
}

void TfrmMain::PauseClick()
{
    FPlay->SetPaused(!FPlay->Paused());
}

void TfrmMain::ZoomInClick()
{
    ZoomControl().ZoomIn();
}

void TfrmMain::ZoomOutClick()
{
    ZoomControl().ZoomOut();
}

void TfrmMain::ActualSizeClick()
{
    ZoomControl().ActualSize();
}

void TfrmMain::UpdateZoomItems()
{
    const TZoomController& Zoom = ZoomControl();
    if (QAction* In = Command("ZoomIn1"))
        In->setEnabled(Zoom.CanZoomIn());
    if (QAction* Out = Command("ZoomOut1"))
        Out->setEnabled(Zoom.CanZoomOut());
    if (QAction* Actual = Command("ActualSize1"))
        Actual->setEnabled(Zoom.CanZoomOut());
}
