// The settings dialog's page of colours.
#include "Options.h"

#include "ColourBox.h"
#include "ColourSchemes.h"
#include "OptionsPages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The schemes' captions as the translators see them; the scheme table
// below the windows holds the same source texts.
[[maybe_unused]] constexpr const char* SchemeCaptions[] = {
    QT_TRANSLATE_NOOP("TfrmOptions", "Classic"),
    QT_TRANSLATE_NOOP("TfrmOptions", "Dark"),
    QT_TRANSLATE_NOOP("TfrmOptions", "High contrast"),
};

}  // namespace

QWidget* TfrmOptions::MakeAppearancePage()
{
    auto* Page = MakeOptionsPage(QStringLiteral("tbAppearance"), AppearanceTopic);

    auto MakeGrid = [](QGroupBox* Group) {
        auto* Grid = new QGridLayout(Group);
        Grid->setContentsMargins(8, 4, 8, 6);
        Grid->setHorizontalSpacing(8);
        Grid->setVerticalSpacing(4);
        return Grid;
    };
    // A row of label and box side by side.
    auto AddRow = [this](QGridLayout* Grid, int Row, int Number) {
        Grid->addWidget(FColourLabels[Number], Row, 0);
        Grid->addWidget(FColourBoxes[Number], Row, 1);
        Grid->setColumnStretch(1, 1);
    };
    // The label above its box, for the two narrow groups.
    auto AddStacked = [this](QGridLayout* Grid, int Row, int Number) {
        Grid->addWidget(FColourLabels[Number], Row * 2, 0);
        Grid->addWidget(FColourBoxes[Number], Row * 2 + 1, 0);
    };

    QGroupBox* Foreground = MakeOptionsGroup(QStringLiteral("grpForeground"), tr(" Foreground "), Page);
    MakeColourBox(colRevealed, QStringLiteral("colRevealed"), QStringLiteral("lblRevealed"), tr("&Revealed value"),
                  Foreground);
    MakeColourBox(colEntered, QStringLiteral("colEntered"), QStringLiteral("lblEntered"), tr("&Entered Value"),
                  Foreground);
    MakeColourBox(colInvalid, QStringLiteral("colInvalid"), QStringLiteral("lblInvalidEntry"), tr("&Invalid entry"),
                  Foreground);
    MakeColourBox(colIncorrect, QStringLiteral("colIncorrect"), QStringLiteral("lblIncorrectEntry"),
                  tr("In&correct entry"), Foreground);
    MakeColourBox(colPencilMarks, QStringLiteral("colPencilMarks"), QStringLiteral("lblPencilMarks"),
                  tr("&Pencil marks"), Foreground);
    MakeColourBox(colPenSelected, QStringLiteral("colPenSelected"), QStringLiteral("lblPenSelected"),
                  tr("&Selected square"), Foreground);
    QGridLayout* ForeGrid = MakeGrid(Foreground);
    const int ForegroundOrder[] = {colRevealed, colEntered, colInvalid, colIncorrect, colPencilMarks, colPenSelected};
    for (int Row = 0; Row < 6; ++Row)
        AddRow(ForeGrid, Row, ForegroundOrder[Row]);
    ForeGrid->setRowStretch(6, 1);

    QGroupBox* Leds = MakeOptionsGroup(QStringLiteral("grpLeds"), tr(" LEDs "), Page);
    MakeColourBox(colLEDoff, QStringLiteral("colLEDoff"), QStringLiteral("lblLEDoff"), tr("&Off"), Leds);
    MakeColourBox(colLED8, QStringLiteral("colLED8"), QStringLiteral("lblLED8"), tr("&8 Entries present"), Leds);
    MakeColourBox(colLED9, QStringLiteral("colLED9"), QStringLiteral("lblLED9"), tr("&9 Entries Present"), Leds);
    QGridLayout* LedGrid = MakeGrid(Leds);
    AddRow(LedGrid, 0, colLEDoff);
    AddRow(LedGrid, 1, colLED8);
    AddRow(LedGrid, 2, colLED9);

    QGroupBox* Background = MakeOptionsGroup(QStringLiteral("grpBackground"), tr(" Background "), Page);
    MakeColourBox(colNormalBg, QStringLiteral("colNormalBg"), QStringLiteral("lblNormalBg"), tr("&Normal cell"),
                  Background);
    MakeColourBox(colShadedBg, QStringLiteral("colShadedBg"), QStringLiteral("lblShadedBg"), tr("&Linked cell"),
                  Background);
    QGridLayout* BackGrid = MakeGrid(Background);
    AddStacked(BackGrid, 0, colNormalBg);
    AddStacked(BackGrid, 1, colShadedBg);

    QGroupBox* HiLites = MakeOptionsGroup(QStringLiteral("grpHiLites"), tr(" Hi Lites "), Page);
    MakeColourBox(colHiLiteFore, QStringLiteral("colHiLiteFore"), QStringLiteral("lblHiLiteFore"), tr("&Font"),
                  HiLites);
    MakeColourBox(colHiLiteBack, QStringLiteral("colHiLiteBack"), QStringLiteral("lblHiLiteBack"), tr("&Background"),
                  HiLites);
    QGridLayout* HiLiteGrid = MakeGrid(HiLites);
    AddStacked(HiLiteGrid, 0, colHiLiteFore);
    AddStacked(HiLiteGrid, 1, colHiLiteBack);

    // Every colour at once, from a scheme.
    FScheme = new QComboBox(Page);
    FScheme->setObjectName(QStringLiteral("cbxScheme"));
    for (int Index = 0; Index < SchemeCount; ++Index)
        FScheme->addItem(tr(SchemeOf(static_cast<TSchemeId>(Index)).Caption));
    connect(FScheme, &QComboBox::activated, this, &TfrmOptions::SchemeActivated);
    auto* SchemeLabel = new QLabel(tr("Sche&me"), Page);
    SchemeLabel->setObjectName(QStringLiteral("lblScheme"));
    SchemeLabel->setBuddy(FScheme);
    auto* SchemeRow = new QHBoxLayout;
    SchemeRow->setContentsMargins(2, 0, 2, 0);
    SchemeRow->setSpacing(8);
    SchemeRow->addWidget(SchemeLabel);
    SchemeRow->addWidget(FScheme, 1);

    // Foreground down the left; the scheme and the LEDs over the two small
    // groups on the right.
    auto* Layout = new QGridLayout(Page);
    Layout->setContentsMargins(8, 4, 8, 4);
    Layout->setHorizontalSpacing(6);
    Layout->setVerticalSpacing(4);
    Layout->addWidget(Foreground, 0, 0, 3, 1);
    Layout->addLayout(SchemeRow, 0, 1, 1, 2);
    Layout->addWidget(Leds, 1, 1, 1, 2);
    Layout->addWidget(Background, 2, 1);
    Layout->addWidget(HiLites, 2, 2);
    // Room for a hex name in the Foreground boxes and for the longer colour
    // names in the two narrow groups.
    Layout->setColumnMinimumWidth(0, 282);
    Layout->setColumnMinimumWidth(1, 156);
    Layout->setColumnMinimumWidth(2, 156);
    return Page;
}
