#include "Options.h"

#include "ColourBox.h"
#include "LanguageLoader.h"
#include "Languages.h"
#include "OptionsPages.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

QWidget* MakeOptionsPage(const QString& Name, int Topic)
{
    auto* Page = new QWidget;
    Page->setObjectName(Name);
    Page->setProperty(OptionsHelpTopicProperty, Topic);
    return Page;
}

QGroupBox* MakeOptionsGroup(const QString& Name, const QString& Title, QWidget* Parent)
{
    auto* Group = new QGroupBox(Title, Parent);
    Group->setObjectName(Name);
    return Group;
}

TfrmOptions::TfrmOptions(QWidget* Owner) : QDialog(Owner), FPrevious(&Settings())
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Settings"));
    setFixedSize(634, 308);

    FormCreate();
    InstallSettings(&FValues);
}

void TfrmOptions::setVisible(bool Visible)
{
    if (Visible)
        EnsureControls();
    QDialog::setVisible(Visible);
}

void TfrmOptions::EnsureControls()
{
    // The controls are made when the dialog is first shown: the program
    // starts without paying for them, and until then the values alone hold
    // the settings, so the two cannot disagree.
    if (FPageControl != nullptr)
        return;
    FPageControl = new QTabWidget(this);
    FPageControl->setObjectName(QStringLiteral("PageControl1"));
    FPageControl->addTab(MakeGeneralPage(), tr("&General"));
    FPageControl->addTab(MakeHelpersPage(), tr("&Helpers"));
    FPageControl->addTab(MakeAppearancePage(), tr("&Appearance"));
    // The solving-method list is kept but never offered: every method runs.
    FPageControl->setTabVisible(FPageControl->addTab(MakeSolvingPage(), tr("&Solving")), false);
    FPageControl->setCurrentIndex(0);
    connect(FPageControl, &QTabWidget::currentChanged, this, &TfrmOptions::PageControl1Change);

    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(4, 4, 4, 0);
    Layout->setSpacing(0);
    Layout->addWidget(FPageControl, 1);
    Layout->addWidget(MakeButtonPanel());

    ShowValues();
}

TfrmOptions::~TfrmOptions()
{
    // Someone who installed settings after us keeps them.
    if (&Settings() == &FValues)
        InstallSettings(FPrevious);
}

QCheckBox* TfrmOptions::MakeOptionBox(int Number, const QString& Name, const QString& Caption, QWidget* Parent)
{
    auto* Box = new QCheckBox(Caption, Parent);
    Box->setObjectName(Name);
    FOptionBoxes[Number] = Box;
    connect(Box, &QCheckBox::toggled, this, [this, Number](bool Checked) { OptionBoxToggled(Number, Checked); });
    return Box;
}

TColourBox* TfrmOptions::MakeColourBox(int Number, const QString& Name, const QString& LabelName,
                                       const QString& Caption, QWidget* Parent)
{
    auto* Box = new TColourBox(Parent);
    Box->setObjectName(Name);
    auto* Label = new QLabel(Caption, Parent);
    Label->setObjectName(LabelName);
    Label->setBuddy(Box);
    FColourBoxes[Number] = Box;
    FColourLabels[Number] = Label;
    connect(Box, &TColourBox::ColourChanged, this, [this, Number](TColor Colour) {
        FValues.SetColour(Number, Colour);
        ShowValues();
    });
    return Box;
}

QWidget* TfrmOptions::MakeGeneralPage()
{
    auto* Page = MakeOptionsPage(QStringLiteral("tbGeneral"), GeneralTopic);
    auto* Layout = new QVBoxLayout(Page);
    Layout->setContentsMargins(16, 12, 16, 12);
    Layout->setSpacing(8);
    QCheckBox* SingleValue =
        MakeOptionBox(optSingleValue, QStringLiteral("cbxSingleValue"), tr("Click to enter"), Page);
    SingleValue->setToolTip(tr("Mouse click sets value if only on possibile value left. (Ignores pencil marks.)"));
    QCheckBox* ShowLeds = MakeOptionBox(optShowLeds, QStringLiteral("cxbShowLeds"), tr("Show LEDs"), Page);
    ShowLeds->setToolTip(
        tr("Turn on/off the nearly completed indication LEDs. These can also be used  to select child grids."));
    Layout->addWidget(SingleValue);
    Layout->addWidget(ShowLeds);
    Layout->addWidget(
        MakeOptionBox(optProgressBars, QStringLiteral("cbxProgressBars"), tr("Show progress bars"), Page));
    Layout->addWidget(MakeOptionBox(optHiLiteToValue, QStringLiteral("cbxHiLiteToValue"),
                                    tr("Make Value number same as Hi Lite"), Page));
    Layout->addWidget(MakeOptionBox(optHiLiteToErase, QStringLiteral("cbxHiLiteToErase"),
                                    tr("Make Erase number same as Hi Lite"), Page));
    Layout->addWidget(
        MakeOptionBox(optMainHints, QStringLiteral("cbxMainHints"), tr("Show hints on main screen"), Page));
    Layout->addWidget(
        MakeOptionBox(optCongrats, QStringLiteral("cbxCongrats"), tr("Show congratulations when game solved"), Page));
    Layout->addLayout(MakeStepStartRow(Page));
    Layout->addLayout(MakeLanguageRow(Page));
    FLanguageNote = new QLabel(tr("The game speaks the language chosen from its next start."), Page);
    FLanguageNote->setObjectName(QStringLiteral("lblLanguageNote"));
    FLanguageNote->setWordWrap(true);
    Layout->addWidget(FLanguageNote);
    Layout->addStretch(1);
    return Page;
}

QHBoxLayout* TfrmOptions::MakeLanguageRow(QWidget* Page)
{
    auto* Row = new QHBoxLayout;
    FLanguageBox = new QComboBox(Page);
    FLanguageBox->setObjectName(QStringLiteral("cmbLanguage"));
    //: The choice of the language the system uses.
    FLanguageBox->addItem(tr("System"), QString::fromLatin1(SystemLanguage));
    // Each language in its own name, for its readers to find.
    for (const TLanguage& Language : Languages())
        FLanguageBox->addItem(QString::fromUtf8(Language.OwnName), QString::fromLatin1(Language.Code));
    auto* Label = new QLabel(tr("&Language:"), Page);
    Label->setObjectName(QStringLiteral("lblLanguage"));
    Label->setBuddy(FLanguageBox);
    connect(FLanguageBox, &QComboBox::currentIndexChanged, this, [this](int Index) {
        FLanguage = FLanguageBox->itemData(Index).toString().toStdString();
        ShowValues();
    });
    Row->addWidget(Label);
    Row->addWidget(FLanguageBox);
    Row->addStretch(1);
    return Row;
}

void TfrmOptions::SetLanguage(const std::string& Language)
{
    FLanguage = KnownLanguage(Language) ? Language : std::string(SystemLanguage);
    ShowValues();
}

QHBoxLayout* TfrmOptions::MakeStepStartRow(QWidget* Page)
{
    auto* Row = new QHBoxLayout;
    FStepStart = new QComboBox(Page);
    FStepStart->setObjectName(QStringLiteral("cmbStepStart"));
    for (const char* Stage : {QT_TR_NOOP("the place to look"), QT_TR_NOOP("the house"), QT_TR_NOOP("the square"),
                              QT_TR_NOOP("the whole step")})
        FStepStart->addItem(tr(Stage));
    auto* Label = new QLabel(tr("Next Step shows at first:"), Page);
    Label->setObjectName(QStringLiteral("lblStepStart"));
    Label->setBuddy(FStepStart);
    connect(FStepStart, &QComboBox::currentIndexChanged, this,
            [this](int Index) { FValues.SetStepStartStage(Index + 1); });
    Row->addWidget(Label);
    Row->addWidget(FStepStart);
    Row->addStretch(1);
    return Row;
}

void TfrmOptions::SetStepStartStage(int Stage)
{
    FValues.SetStepStartStage(Stage);
    ShowValues();
}

QWidget* TfrmOptions::MakeHelpersPage()
{
    auto* Page = MakeOptionsPage(QStringLiteral("tbHelpers"), HelpersTopic);
    auto* Layout = new QVBoxLayout(Page);
    Layout->setContentsMargins(16, 12, 16, 12);
    Layout->setSpacing(10);
    Layout->addWidget(MakeOptionBox(optNoRemoveSoln, QStringLiteral("cbxNoRemoveSoln"),
                                    tr("Prevent removal of auto pencil marked solution  "), Page));

    QGroupBox* Wrong = MakeOptionsGroup(QStringLiteral("grpWrongEntries"), tr(" Wrong Entries "), Page);
    auto* Grid = new QGridLayout(Wrong);
    Grid->setContentsMargins(12, 10, 12, 10);
    Grid->setHorizontalSpacing(40);
    Grid->setVerticalSpacing(8);
    Grid->addWidget(MakeOptionBox(optInvalid, QStringLiteral("cbxInvalid1"), tr("Highlight &Invalid Entries"), Wrong),
                    0, 0);
    Grid->addWidget(
        MakeOptionBox(optIncorrect, QStringLiteral("cbxIncorrect1"), tr("Highlight In&correct Entries"), Wrong), 1, 0);
    // The pair shares the group box, which makes the buttons exclusive.
    FInvalidPriority = new QRadioButton(tr("In&valid Has Priority"), Wrong);
    FInvalidPriority->setObjectName(QStringLiteral("rbInvalidPriority1"));
    FInvalidPriority->setToolTip(tr("This setting gives slightly less hep than incorrect priority"));
    FIncorrectPriority = new QRadioButton(tr("Inco&rrect Has Priority"), Wrong);
    FIncorrectPriority->setObjectName(QStringLiteral("rbIncorrectPriority1"));
    Grid->addWidget(FInvalidPriority, 0, 1);
    Grid->addWidget(FIncorrectPriority, 1, 1);
    Grid->setColumnStretch(2, 1);
    connect(FInvalidPriority, &QRadioButton::toggled, this, [this](bool Checked) {
        if (Checked)
            PriorityButtonToggled(true);
    });
    connect(FIncorrectPriority, &QRadioButton::toggled, this, [this](bool Checked) {
        if (Checked)
            PriorityButtonToggled(false);
    });
    Layout->addWidget(Wrong);

    FPencilSelectedOnly = new QCheckBox(tr("Pencil mark selected square only"), Page);
    FPencilSelectedOnly->setObjectName(QStringLiteral("cbxPencilSelectedOnly"));
    FPencilSelectedOnly->setVisible(false);
    connect(FPencilSelectedOnly, &QCheckBox::toggled, this,
            [this](bool Checked) { FValues.SetPencilSelectedOnly(Checked); });
    Layout->addWidget(FPencilSelectedOnly);
    Layout->addStretch(1);
    return Page;
}

QWidget* TfrmOptions::MakeSolvingPage()
{
    auto* Page = new QWidget;
    Page->setObjectName(QStringLiteral("tbSolving"));
    auto* Layout = new QVBoxLayout(Page);
    QGroupBox* Methods = MakeOptionsGroup(QStringLiteral("grpSolveMethods"), tr(" Method to use "), Page);
    auto* MethodsLayout = new QVBoxLayout(Methods);
    FSolveMethods = new QListWidget(Methods);
    FSolveMethods->setObjectName(QStringLiteral("chklbSolveMthods"));
    // Item order is method order: the solver asks for methods by item index.
    for (const char* Name : TSettingsValues::MethodNames) {
        auto* Item = new QListWidgetItem(QCoreApplication::translate("TSettingsValues", Name), FSolveMethods);
        Item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        Item->setCheckState(Qt::Checked);
    }
    connect(FSolveMethods, &QListWidget::itemChanged, this, &TfrmOptions::MethodItemChanged);
    MethodsLayout->addWidget(FSolveMethods);
    Layout->addWidget(Methods);
    return Page;
}

QWidget* TfrmOptions::MakeButtonPanel()
{
    auto* Panel = new QWidget(this);
    Panel->setObjectName(QStringLiteral("pnlButtons"));
    auto* Layout = new QHBoxLayout(Panel);
    Layout->setContentsMargins(8, 6, 8, 8);
    Layout->setSpacing(8);
    Layout->addStretch(1);
    auto MakeButton = [&](const QString& Name, const QString& Caption, QStyle::StandardPixmap Icon) {
        auto* Button = new QPushButton(style()->standardIcon(Icon), Caption, Panel);
        Button->setObjectName(Name);
        Button->setMinimumWidth(88);
        Layout->addWidget(Button);
        return Button;
    };
    QPushButton* Ok = MakeButton(QStringLiteral("BitBtn1"), tr("OK"), QStyle::SP_DialogOkButton);
    QPushButton* Cancel = MakeButton(QStringLiteral("BitBtn2"), tr("Cancel"), QStyle::SP_DialogCancelButton);
    QPushButton* Help = MakeButton(QStringLiteral("BitBtn3"), tr("&Help"), QStyle::SP_DialogHelpButton);
    Ok->setDefault(true);
    connect(Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancel, &QPushButton::clicked, this, &TfrmOptions::BitBtn2Click);
    connect(Help, &QPushButton::clicked, this, &TfrmOptions::BitBtn3Click);
    return Panel;
}

void TfrmOptions::FormCreate()
{
    for (int Method = 0; Method < TSettingsValues::MethodCount; ++Method)
        FValues.SetMethodEnabled(Method, true);
    ShowValues();
}

void TfrmOptions::PageControl1Change(int Index)
{
    const QVariant Topic = FPageControl->widget(Index) != nullptr
                               ? FPageControl->widget(Index)->property(OptionsHelpTopicProperty)
                               : QVariant();
    if (Topic.isValid())
        FHelpTopic = Topic.toInt();
}

void TfrmOptions::BitBtn2Click()
{
    // Closes with Cancel; the window then reloads every setting from the
    // store, which takes back what the player changed.
    reject();
}

void TfrmOptions::BitBtn3Click()
{
    emit HelpRequested(FHelpTopic);
}

void TfrmOptions::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_F1 && Event->modifiers() == Qt::NoModifier) {
        BitBtn3Click();
        return;
    }
    QDialog::keyPressEvent(Event);
}

void TfrmOptions::OptionBoxToggled(int Number, bool Checked)
{
    // For the two highlight boxes the values apply the priority rule, which
    // may move and disable the priority buttons.
    FValues.SetOption(Number, Checked);
    ShowValues();
}

void TfrmOptions::PriorityButtonToggled(bool InvalidHasPriority)
{
    FValues.SetOption(optInvalidPriority, InvalidHasPriority);
    ShowValues();
}

void TfrmOptions::MethodItemChanged(QListWidgetItem* Item)
{
    FValues.SetMethodEnabled(FSolveMethods->row(Item), Item->checkState() == Qt::Checked);
}

void TfrmOptions::SetOption(int Number, bool Value)
{
    FValues.SetOption(Number, Value);
    ShowValues();
}

void TfrmOptions::SetScheme(TSchemeId Scheme)
{
    FValues.SetScheme(Scheme);
    ShowValues();
}

void TfrmOptions::SchemeActivated(int Index)
{
    if (Index < 0 || Index >= SchemeCount)
        return;
    FValues.ChooseScheme(static_cast<TSchemeId>(Index));
    ShowValues();
}

void TfrmOptions::SetColour(int Number, TColor Colour)
{
    FValues.SetColour(Number, Colour);
    ShowValues();
}

void TfrmOptions::SetOptionEnabled(int Number, bool Enabled)
{
    FValues.SetOptionEnabled(Number, Enabled);
    if (Number == optInvalidPriority && Enabled)
        FValues.SetPriorityStatus();
    ShowValues();
}

void TfrmOptions::SetColourEnabled(int Number, bool Enabled)
{
    FValues.SetColourEnabled(Number, Enabled);
    ShowValues();
}

void TfrmOptions::ShowValues()
{
    if (FPageControl == nullptr)
        return;
    {
        const QSignalBlocker Blocker(FLanguageBox);
        FLanguageBox->setCurrentIndex(std::max(0, FLanguageBox->findData(QString::fromStdString(FLanguage))));
        // The note shows while the choice differs from what this run speaks.
        FLanguageNote->setVisible(PickLanguage(FLanguage, TLanguageLoader::SystemLanguages()) !=
                                  TLanguageLoader::Current());
    }
    for (int Number = 1; Number <= TSettingsValues::OptionCount; ++Number) {
        QCheckBox* Box = FOptionBoxes[Number];
        if (Box == nullptr)
            continue;
        const QSignalBlocker Blocker(Box);
        Box->setChecked(FValues.GetStoredOption(Number));
        Box->setEnabled(FValues.IsOptionEnabled(Number));
    }
    {
        const QSignalBlocker InvalidBlocker(FInvalidPriority);
        const QSignalBlocker IncorrectBlocker(FIncorrectPriority);
        // Exclusive buttons are unchecked only by checking their partner.
        (FValues.GetStoredOption(optInvalidPriority) ? FInvalidPriority : FIncorrectPriority)->setChecked(true);
        FInvalidPriority->setEnabled(FValues.IsOptionEnabled(optInvalidPriority));
        FIncorrectPriority->setEnabled(FValues.IsOptionEnabled(optInvalidPriority));
    }
    {
        const QSignalBlocker Blocker(FPencilSelectedOnly);
        FPencilSelectedOnly->setChecked(FValues.PencilSelectedOnly());
    }
    for (int Number = 1; Number <= TSettingsValues::ColourCount; ++Number) {
        FColourBoxes[Number]->SetColour(FValues.GetColour(Number));
        FColourBoxes[Number]->setEnabled(FValues.IsColourEnabled(Number));
        FColourLabels[Number]->setEnabled(FValues.IsColourEnabled(Number));
    }
    {
        // "Custom" is offered only while it is what the colours are.
        const QSignalBlocker Blocker(FScheme);
        const bool Custom = FValues.SchemeCustom();
        if (Custom && FScheme->count() == SchemeCount)
            FScheme->addItem(tr("Custom"));
        else if (!Custom && FScheme->count() > SchemeCount)
            FScheme->removeItem(SchemeCount);
        FScheme->setCurrentIndex(Custom ? SchemeCount : static_cast<int>(FValues.Scheme()));
    }
    {
        const QSignalBlocker Blocker(FStepStart);
        FStepStart->setCurrentIndex(FValues.StepStartStage() - 1);
    }
    const QSignalBlocker Blocker(FSolveMethods);
    for (int Method = 0; Method < FSolveMethods->count(); ++Method)
        FSolveMethods->item(Method)->setCheckState(FValues.IsMethodEnabled(Method) ? Qt::Checked : Qt::Unchecked);
}
