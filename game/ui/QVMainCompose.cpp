// The main window's panels and controls, top to bottom: the LED strip, the
// two grids, the entry-mode strip, the progress bars and the step line.
#include "QVMain.h"

#include "Announcer.h"
#include "ButtonPageControl.h"
#include "Narrator.h"
#include "Canvas.h"
#include "GridImage.h"
#include "LedShape.h"
#include "MyProgressBar.h"
#include "WindowScheme.h"
#include "ZoomController.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString LedHint()
{
    return QCoreApplication::translate("TfrmMain", "These LEDs can be used to select the child puzzle");
}

QString BarHint()
{
    return QCoreApplication::translate("TfrmMain", "These bars can be used to select the child puzzle");
}

QString PageHint()
{
    return QCoreApplication::translate("TfrmMain", "This option sets the value");
}

// The left and right edges of the two grids; every panel lines up with them.
constexpr int LeftX = 2;
constexpr int RightX = 399;

QWidget* MakePanel(QWidget* Owner, const char* Name, int Height)
{
    auto* Panel = new QWidget(Owner);
    Panel->setObjectName(QString::fromLatin1(Name));
    Panel->setFixedSize(TfrmMain::ClientWidth, Height);
    return Panel;
}

// Spoken as the sheet's name and the button's caption ("Pencil 5").
QToolButton* MakeSpeedButton(QWidget* Sheet, const QString& Name, const QString& Caption, int Tag)
{
    auto* Button = new QToolButton(Sheet);
    Button->setObjectName(Name);
    Button->setText(Caption);
    Button->setAccessibleName(Sheet->accessibleName() + QLatin1Char(' ') + Caption);
    Button->setAccessibleDescription(PageHint());
    Button->setProperty("Tag", Tag);
    Button->setCheckable(true);
    Button->setFocusPolicy(Qt::NoFocus);
    Button->setFixedSize(Caption.size() > 1 ? 40 : 28, 24);
    Sheet->layout()->addWidget(Button);
    return Button;
}

QWidget* MakeSheet(const char* Name, const QString& Spoken)
{
    auto* Sheet = new QWidget;
    Sheet->setObjectName(QString::fromLatin1(Name));
    Sheet->setAccessibleName(Spoken);
    auto* Layout = new QHBoxLayout(Sheet);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(2);
    return Sheet;
}

QPushButton* MakeClearButton(QWidget* Sheet, const char* Name)
{
    //: The button that releases every digit button of the sheet.
    auto* Button = new QPushButton(QCoreApplication::translate("TfrmMain", "Clr"), Sheet);
    Button->setObjectName(QString::fromLatin1(Name));
    Button->setAccessibleName(QCoreApplication::translate("TfrmMain", "%1: release all").arg(Sheet->accessibleName()));
    Button->setFocusPolicy(Qt::NoFocus);
    Button->setFixedSize(40, 24);
    Sheet->layout()->addWidget(Button);
    return Button;
}

}  // namespace

void TfrmMain::BuildPanels()
{
    // The client area shows the panel colour round the content, which holds
    // the panels at the zoom.
    auto* Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("ClientArea"));
    Client->setAutoFillBackground(true);
    QPalette Palette = Client->palette();
    Palette.setColor(QPalette::Window, QColorOf(clMoneyGreen));
    Client->setPalette(Palette);
    auto* Content = new QWidget(Client);
    Content->setObjectName(QStringLiteral("pnlContent"));
    auto* Layout = new QVBoxLayout(Content);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);

    FPanels.Leds = MakePanel(Content, "pnlLeds", LedPanelHeight);
    FPanels.Grids = MakePanel(Content, "pnl2Grids", GridPanelHeight);
    FPanels.Controls = MakePanel(Content, "pnlControls", ControlPanelHeight);
    FPanels.Bars = MakePanel(Content, "pnlAllProgressBars", BarPanelHeight);
    // The bars change with every entry; a screen reader reads them on demand.
    ReadAsStatusBar(FPanels.Bars);
    FPanels.Step = MakePanel(Content, "pnlStep", StepPanelHeight);
    for (QWidget* Panel : {FPanels.Leds, FPanels.Grids, FPanels.Controls, FPanels.Bars, FPanels.Step})
        Layout->addWidget(Panel);
    Layout->addStretch(1);
    BuildLedPanel(FPanels.Leds);
    BuildGridPanel(FPanels.Grids);
    TEntryStrip Strip;
    BuildControlPanel(FPanels.Controls, Strip);
    BuildBarPanel(FPanels.Bars);
    BuildStepPanel(FPanels.Step);
    setCentralWidget(Client);
    Strip.Pages = FPageControl;
    Strip.ParentImage = FImage1;
    Strip.ChildImage = FImage2;
    FEntry = std::make_unique<TEntryController>(static_cast<TEntryHost&>(*this), FOptions, Strip, *this);
    FAnnouncer = new TAnnouncer(FPanels.Step);
    FNarrator = std::make_unique<TNarrator>([this] {
        TNarrator::TScene Scene;
        Scene.Pyramid = FXLink;
        Scene.Child = FCurrentChild;
        Scene.ParentActive = FEntry->ParentActive();
        Scene.ParentGrid = FParentGrid.get();
        Scene.ChildGrid = FChildGrid.get();
        Scene.ParentImage = FImage1;
        Scene.ChildImage = FImage2;
        Scene.Announcer = FAnnouncer;
        return Scene;
    });
    FEntry->SetNarrator(FNarrator.get());
    // A sheet chosen (a click or its mnemonic) is said by its name.
    connect(FPageControl, &TButtonPageControl::Changed, this, [this] {
        if (const QWidget* Sheet = FPageControl->ActivePage(); Sheet != nullptr && isVisible())
            FNarrator->Say(tr("%1 sheet").arg(Sheet->accessibleName()));
    });
    // Every control is made: the zoom takes note of the design.
    (new TZoomController(*this, *Client, *Content, FStore))->NoteDesign();
}

void TfrmMain::BuildLedPanel(QWidget* Panel)
{
    // Nine lamps with their digits over each grid: the parent's counts on the
    // left half, the current child's on the right.
    const char* RowNames[2] = {"pnlMasterLeds", "pnlChildLeds"};
    const QRect RowPlaces[2] = {QRect(0, 0, 397, LedPanelHeight), QRect(397, 0, 396, LedPanelHeight)};
    constexpr int LedX[9] = {24, 64, 104, 144, 184, 224, 264, 308, 348};
    for (int Row = 0; Row < 2; ++Row) {
        auto* Strip = new QWidget(Panel);
        Strip->setObjectName(QString::fromLatin1(RowNames[Row]));
        Strip->setAccessibleName(Row == 0 ? tr("Parent's digits") : tr("Child's digits"));
        Strip->setGeometry(RowPlaces[Row]);
        for (int Digit = 1; Digit <= 9; ++Digit) {
            const int Number = Row * 9 + Digit;
            const int X = LedX[Digit - 1];
            auto* Led = new TLedShape(Digit, Strip);
            Led->setObjectName(QStringLiteral("Shape%1").arg(Number));
            Led->setGeometry(X, 4, 29, 13);
            auto* Label = new QLabel(QString::number(Digit), Strip);
            Label->setObjectName(QStringLiteral("lblLed%1").arg(Number));
            Label->setGeometry(X - 8, 4, 7, 13);
            Label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            if (Row == 1) {
                SetHint(Led, LedHint());
                SetHint(Label, LedHint());
                connect(Led, &TLedShape::MouseUp, this, Guarded([this](int Tag) { ChildCommand(Tag); }));
            }
            FLeds[static_cast<size_t>(Number - 1)] = Led;
        }
    }
}

void TfrmMain::BuildGridPanel(QWidget* Panel)
{
    FImage1 = new TGridImage(GridImageSize, GridImageSize, Panel);
    FImage1->setObjectName(QStringLiteral("Image1"));
    FImage1->move(LeftX, 0);
    FImage2 = new TGridImage(GridImageSize, GridImageSize, Panel);
    FImage2->setObjectName(QStringLiteral("Image2"));
    FImage2->move(RightX, 0);
    for (TGridImage* Image : {FImage1, FImage2}) {
        const bool Parent = Image == FImage1;
        // The keyboard belongs to the grids: they take the focus, and a
        // screen reader follows it.
        Image->setFocusPolicy(Qt::StrongFocus);
        connect(Image, &TGridImage::MouseMoved, this,
                Guarded([this, Parent](int X, int Y) { FEntry->Image1MouseMove(Parent, X, Y); }));
        connect(Image, &TGridImage::Clicked, this, Guarded([this, Parent] { FEntry->Image1Click(Parent); }));
        connect(Image, &TGridImage::MouseReleased, this,
                Guarded([this, Parent](Qt::MouseButton Button, QPoint Position) {
                    FEntry->Image1MouseUp(Parent, Button, Position);
                }));
    }
    // Shown instead of the grids when there is no game to play.
    FNoGames = new QLabel(Panel);
    FNoGames->setObjectName(QStringLiteral("lblNoGames"));
    FNoGames->setGeometry(0, 0, ClientWidth, GridPanelHeight);
    FNoGames->setAlignment(Qt::AlignCenter);
    FNoGames->setWordWrap(true);
    FNoGames->setMargin(40);
    FNoGames->setAutoFillBackground(true);
    FNoGames->hide();
    // Leaving the grids' panel ends the hover marking.
    Panel->installEventFilter(this);
}

void TfrmMain::BuildControlPanel(QWidget* Panel, TEntryStrip& Strip)
{
    FChooseChild = new QCheckBox(tr("Parent click selects child"), Panel);
    FChooseChild->setObjectName(QStringLiteral("ChooseChild"));
    FChooseChild->setChecked(true);
    FChooseChild->setGeometry(8, 26, 180, 22);
    FChooseChild->setFocusPolicy(Qt::NoFocus);
    // The box shows the view setting and changes it, whoever checks it; the
    // player's click stores it.
    connect(FChooseChild, &QCheckBox::toggled, this, [this](bool Checked) {
        FView.ParentChoosesChild = Checked;
        if (QAction* Item = Command("ParentChoosesChild1"))
            Item->setChecked(Checked);
    });
    connect(FChooseChild, &QCheckBox::clicked, this, Guarded([this] { FStore.SaveViewOptions(FView); }));

    FPageControl = new TButtonPageControl(Panel);
    FPageControl->setObjectName(QStringLiteral("pgcControls"));
    SetHint(FPageControl, PageHint());
    FPageControl->setGeometry(196, 2, ClientWidth - 200, ControlPanelHeight - 4);

    QWidget* Enter = MakeSheet("tsValue", tr("Enter"));
    for (int Tag = 1; Tag <= 9; ++Tag)
        Strip.ValueButtons[static_cast<size_t>(Tag)] =
            MakeSpeedButton(Enter, QStringLiteral("sbValue%1").arg(Tag), QString::number(Tag), Tag);
    Strip.ValueButtons[0] = MakeSpeedButton(Enter, QStringLiteral("sbValue0"), tr("Del"), 0);
    Strip.ValueButtons[0]->setAccessibleName(tr("Enter: delete"));
    Strip.ValueButtons[0]->setChecked(true);
    auto* ValueGroup = new QButtonGroup(Enter);
    ValueGroup->setExclusive(true);
    for (QToolButton* Button : Strip.ValueButtons)
        ValueGroup->addButton(Button);
    qobject_cast<QHBoxLayout*>(Enter->layout())->addStretch(1);

    QWidget* Pencil = MakeSheet("tsPencil", tr("Pencil"));
    QWidget* Erase = MakeSheet("tsErase", tr("Erase"));
    for (int Tag = 1; Tag <= 9; ++Tag) {
        Strip.PencilButtons[static_cast<size_t>(Tag)] =
            MakeSpeedButton(Pencil, QStringLiteral("sbPencil%1").arg(Tag), QString::number(Tag), Tag);
        Strip.EraseButtons[static_cast<size_t>(Tag)] =
            MakeSpeedButton(Erase, QStringLiteral("sbErase%1").arg(Tag), QString::number(Tag), Tag);
    }
    connect(MakeClearButton(Pencil, "cmdClrPencilSbs"), &QPushButton::clicked, this,
            Guarded([this] { FEntry->cmdClrSpeedButtons(); }));
    connect(MakeClearButton(Erase, "cmdClrEraseSbs"), &QPushButton::clicked, this,
            Guarded([this] { FEntry->cmdClrSpeedButtons(); }));
    qobject_cast<QHBoxLayout*>(Pencil->layout())->addStretch(1);
    qobject_cast<QHBoxLayout*>(Erase->layout())->addStretch(1);

    QWidget* HiLite = MakeSheet("tsHiLite", tr("Hi Lite"));
    for (int Tag = 1; Tag <= 10; ++Tag) {
        const QString Name = Tag == 10 ? QStringLiteral("sbHilitePr") : QStringLiteral("sbHilite%1").arg(Tag);
        QToolButton* Button =
            MakeSpeedButton(HiLite, Name, Tag == 10 ? QStringLiteral("..") : QString::number(Tag), Tag);
        if (Tag == 10)
            Button->setAccessibleName(tr("Hi Lite pairs"));
        Strip.HiLiteButtons[static_cast<size_t>(Tag)] = Button;
    }
    qobject_cast<QHBoxLayout*>(HiLite->layout())->addStretch(1);

    Strip.Sheets = {Enter, Pencil, Erase, HiLite};
    FPageControl->AddPage(Enter, tr("&Enter"));
    FPageControl->AddPage(Pencil, tr("&Pencil"));
    FPageControl->AddPage(Erase, tr("Era&se"));
    FPageControl->AddPage(HiLite, tr("&Hi Lite"));
}

void TfrmMain::BuildBarPanel(QWidget* Panel)
{
    // The children's bars come first among the panel's controls, in tag
    // order, three rows of three; then the parent's and the overall bar.
    constexpr int BarHeight = 16;
    constexpr int ChildX[3] = {404, 532, 660};
    constexpr int ChildY[3] = {3, 23, 43};
    for (int Tag = 1; Tag <= 9; ++Tag) {
        auto* Bar = new TMyProgressBar(Panel);
        Bar->setObjectName(QStringLiteral("Progress%1").arg(Tag));
        Bar->setProperty("Tag", Tag);
        SetHint(Bar, BarHint());
        Bar->setGeometry(ChildX[(Tag - 1) % 3], ChildY[(Tag - 1) / 3], 126, BarHeight);
        connect(Bar, &TMyProgressBar::MouseUp, this, Guarded([this, Tag] { SelectChild(Tag); }));
        FBars[static_cast<size_t>(Tag)] = Bar;
    }
    auto* Master = new TMyProgressBar(Panel);
    Master->setObjectName(QStringLiteral("ProgressMaster"));
    Master->setProperty("Tag", 0);
    Master->setGeometry(6, 4, 390, BarHeight);
    FBars[0] = Master;
    FProgressOverAll = new TMyProgressBar(Panel);
    FProgressOverAll->setObjectName(QStringLiteral("ProgressOverAll"));
    FProgressOverAll->setProperty("Tag", 0);
    FProgressOverAll->setGeometry(6, 63, 780, BarHeight);
    for (TMyProgressBar* Bar : FBars)
        Bar->SetBarColor(clMoneyGreen);
    FProgressOverAll->SetBarColor(clMoneyGreen);
}

void TfrmMain::BuildStepPanel(QWidget* Panel)
{
    // Two lines of the explained step, lined up with the grids. A label's
    // text is its accessible name, so a screen reader hears each new step.
    auto* Line = new QLabel(Panel);
    Line->setObjectName(QStringLiteral("lblStep"));
    Line->setAccessibleDescription(tr("Next step"));
    Line->setWordWrap(true);
    Line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The line takes the panel's width between the grids' outer edges; the
    // play clock's timer, when shown, takes its right end.
    auto* Row = new QHBoxLayout(Panel);
    Row->setContentsMargins(LeftX + 4, 1, ClientWidth - (RightX + GridImageSize - 4), 1);
    Row->setSpacing(0);
    Row->addWidget(Line, 1);
    FSteps = std::make_unique<TStepPresenter>(static_cast<TStepHost&>(*this), *Line);
    FMistakes = std::make_unique<TMistakePresenter>(static_cast<TStepHost&>(*this), *Line);
    FPlay = new TPlayClock(*Line, *FPanels.Grids);
}
