// The settings dialog as the program's settings object, driven through its
// real controls: a click changes the setting in force, the program's changes
// show in the controls, the priority pair follows the highlight boxes, the
// solving page stays hidden, Help names the page's topic, and the colour
// boxes keep every colour they are given.

#include "ColourBox.h"
#include "Options.h"
#include "ScopedSettings.h"
#include "ScriptedPrompter.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

class OptionsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        Dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Dialog));
    }

    template <typename T>
    T* Child(const QString& Name)
    {
        T* Widget = Dialog.findChild<T*>(Name);
        EXPECT_NE(Widget, nullptr) << Name.toStdString();
        return Widget;
    }
    QTabWidget* Pages() { return Child<QTabWidget>(QStringLiteral("PageControl1")); }
    void ShowPage(const QString& Name) { Pages()->setCurrentWidget(Child<QWidget>(Name)); }
    // On the box or the button itself: a check box spans the page, but only
    // its indicator and caption take clicks.
    void Click(const QString& Name)
    {
        QAbstractButton* Button = Child<QAbstractButton>(Name);
        QTest::mouseClick(Button, Qt::LeftButton, {}, QPoint(8, Button->height() / 2));
    }
    bool Checked(const QString& Name) { return Child<QAbstractButton>(Name)->isChecked(); }
    bool Enabled(const QString& Name) { return Child<QWidget>(Name)->isEnabled(); }

    TfrmOptions Dialog;
};

struct TBoxOption {
    const char* Name;
    int Number;
    const char* Page;
};

const TBoxOption BoxOptions[] = {
    {"cbxHiLiteToErase", optHiLiteToErase, "tbGeneral"},
    {"cbxHiLiteToValue", optHiLiteToValue, "tbGeneral"},
    {"cbxSingleValue", optSingleValue, "tbGeneral"},
    {"cxbShowLeds", optShowLeds, "tbGeneral"},
    {"cbxProgressBars", optProgressBars, "tbGeneral"},
    {"cbxNoRemoveSoln", optNoRemoveSoln, "tbHelpers"},
    {"cbxInvalid1", optInvalid, "tbHelpers"},
    {"cbxIncorrect1", optIncorrect, "tbHelpers"},
    {"cbxMainHints", optMainHints, "tbGeneral"},
    {"cbxCongrats", optCongrats, "tbGeneral"},
};

const char* const ColourBoxNames[] = {
    nullptr,   "colNormalBg", "colShadedBg",  "colRevealed",    "colEntered",     "colLEDoff",     "colLED8",
    "colLED9", "colInvalid",  "colIncorrect", "colPencilMarks", "colPenSelected", "colHiLiteFore", "colHiLiteBack",
};

TEST(OptionsDialogLifetime, ItsValuesAreTheSettingsInForceWhileItLives)
{
    TScopedSettings Outer;
    {
        TfrmOptions Dialog;
        EXPECT_EQ(&Settings(), &Dialog.Values());
        Dialog.SetColour(colEntered, clRed);
        EXPECT_EQ(Settings().GetColour(colEntered), clRed);
    }
    EXPECT_EQ(&Settings(), &Outer.Values);
}

TEST_F(OptionsDialog, AClickOnAnyControlChangesTheSettingInForce)
{
    for (const TBoxOption& Option : BoxOptions) {
        ShowPage(QString::fromLatin1(Option.Page));
        Click(QString::fromLatin1(Option.Name));
        EXPECT_FALSE(Settings().GetOption(Option.Number)) << Option.Name;
        Click(QString::fromLatin1(Option.Name));
        EXPECT_TRUE(Settings().GetOption(Option.Number)) << Option.Name;
    }

    ShowPage(QStringLiteral("tbHelpers"));
    Click(QStringLiteral("rbIncorrectPriority1"));
    EXPECT_FALSE(Settings().GetOption(optInvalidPriority));
    Click(QStringLiteral("rbInvalidPriority1"));
    EXPECT_TRUE(Settings().GetOption(optInvalidPriority));

    // The hidden box is bound too, though nothing offers it to the player.
    Child<QCheckBox>(QStringLiteral("cbxPencilSelectedOnly"))->setChecked(true);
    EXPECT_TRUE(Settings().PencilSelectedOnly());

    ShowPage(QStringLiteral("tbAppearance"));
    for (int Number = 1; Number <= TSettingsValues::ColourCount; ++Number) {
        auto* Box = Child<TColourBox>(QString::fromLatin1(ColourBoxNames[Number]));
        QTest::keyClick(Box, Qt::Key_Down);
        EXPECT_NE(Settings().GetColour(Number), TSettingsValues::DefaultColour(Number)) << ColourBoxNames[Number];
        EXPECT_EQ(Settings().GetColour(Number), Box->Colour()) << ColourBoxNames[Number];
    }
}

TEST_F(OptionsDialog, TheProgramsChangesShowInTheControlsAtOnce)
{
    for (const TBoxOption& Option : BoxOptions) {
        Dialog.SetOption(Option.Number, false);
        EXPECT_FALSE(Checked(QString::fromLatin1(Option.Name)));
        Dialog.SetOption(Option.Number, true);
        EXPECT_TRUE(Checked(QString::fromLatin1(Option.Name)));
    }
    Dialog.SetOption(optInvalidPriority, false);
    EXPECT_TRUE(Checked(QStringLiteral("rbIncorrectPriority1")));
    EXPECT_FALSE(Checked(QStringLiteral("rbInvalidPriority1")));

    Dialog.SetColour(colLED8, clRed);
    EXPECT_EQ(Child<TColourBox>(QStringLiteral("colLED8"))->currentText(), QStringLiteral("Red"));

    // A game without invalid-entry highlighting or the solution guard.
    Dialog.SetOptionEnabled(optNoRemoveSoln, false);
    Dialog.SetOptionEnabled(optInvalid, false);
    Dialog.SetOptionEnabled(optInvalidPriority, false);
    Dialog.SetColourEnabled(colInvalid, false);
    for (const char* Name : {"cbxNoRemoveSoln", "cbxInvalid1", "rbInvalidPriority1", "rbIncorrectPriority1",
                             "colInvalid", "lblInvalidEntry"})
        EXPECT_FALSE(Enabled(QString::fromLatin1(Name))) << Name;
    for (const char* Name : {"cbxIncorrect1", "colIncorrect", "lblIncorrectEntry"})
        EXPECT_TRUE(Enabled(QString::fromLatin1(Name))) << Name;
    for (int Number : {optNoRemoveSoln, optInvalid}) {
        EXPECT_FALSE(Settings().GetOption(Number)) << Number;
        EXPECT_TRUE(Dialog.GetStoredOption(Number)) << Number;
        EXPECT_TRUE(Checked(QString::fromLatin1(Number == optInvalid ? "cbxInvalid1" : "cbxNoRemoveSoln")));
    }

    // The next game offers everything again.
    Dialog.SetOptionEnabled(optInvalid, true);
    Dialog.SetOptionEnabled(optInvalidPriority, true);
    Dialog.SetColourEnabled(colInvalid, true);
    EXPECT_TRUE(Settings().GetOption(optInvalid));
    for (const char* Name : {"cbxInvalid1", "rbInvalidPriority1", "colInvalid", "lblInvalidEntry"})
        EXPECT_TRUE(Enabled(QString::fromLatin1(Name))) << Name;
}

TEST_F(OptionsDialog, ThePriorityButtonsFollowClicksOnTheHighlightBoxes)
{
    ShowPage(QStringLiteral("tbHelpers"));
    // Invalid off: only "Incorrect has priority" makes sense, and it is forced.
    Click(QStringLiteral("cbxInvalid1"));
    EXPECT_FALSE(Enabled(QStringLiteral("rbInvalidPriority1")));
    EXPECT_FALSE(Enabled(QStringLiteral("rbIncorrectPriority1")));
    EXPECT_TRUE(Checked(QStringLiteral("rbIncorrectPriority1")));
    EXPECT_FALSE(Settings().GetOption(optInvalidPriority));

    // Both on again: the buttons come back with the forced choice.
    Click(QStringLiteral("cbxInvalid1"));
    EXPECT_TRUE(Enabled(QStringLiteral("rbInvalidPriority1")));
    EXPECT_TRUE(Checked(QStringLiteral("rbIncorrectPriority1")));
    Click(QStringLiteral("rbInvalidPriority1"));
    EXPECT_TRUE(Settings().GetOption(optInvalidPriority));

    // Incorrect off: "Invalid has priority" is checked but, disabled, reads off.
    Click(QStringLiteral("cbxIncorrect1"));
    EXPECT_FALSE(Enabled(QStringLiteral("rbInvalidPriority1")));
    EXPECT_TRUE(Checked(QStringLiteral("rbInvalidPriority1")));
    EXPECT_FALSE(Settings().GetOption(optInvalidPriority));
    EXPECT_TRUE(Dialog.GetStoredOption(optInvalidPriority));

    // A game start that offers the buttons does not bring them back while a
    // highlight box is off.
    Dialog.SetOptionEnabled(optInvalidPriority, true);
    EXPECT_FALSE(Enabled(QStringLiteral("rbInvalidPriority1")));
    EXPECT_FALSE(Settings().GetOption(optInvalidPriority));
    Click(QStringLiteral("cbxIncorrect1"));
    EXPECT_TRUE(Enabled(QStringLiteral("rbIncorrectPriority1")));
    EXPECT_TRUE(Settings().GetOption(optInvalidPriority));
}

TEST_F(OptionsDialog, TheSolvingPageNeverShowsAndEveryMethodRuns)
{
    QTabWidget* Tabs = Pages();
    ASSERT_EQ(Tabs->count(), 4);
    const int Solving = Tabs->indexOf(Child<QWidget>(QStringLiteral("tbSolving")));
    EXPECT_FALSE(Tabs->isTabVisible(Solving));
    EXPECT_EQ(Tabs->tabText(Solving), QStringLiteral("&Solving"));
    auto* Methods = Child<QListWidget>(QStringLiteral("chklbSolveMthods"));
    ASSERT_EQ(Methods->count(), TSettingsValues::MethodCount);
    EXPECT_EQ(Methods->item(5)->text(), QStringLiteral("XWings"));
    for (int Method = 0; Method < TSettingsValues::MethodCount; ++Method) {
        EXPECT_EQ(Methods->item(Method)->checkState(), Qt::Checked) << Method;
        EXPECT_TRUE(Settings().IsMethodEnabled(Method)) << Method;
    }
    Methods->item(3)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(Settings().IsMethodEnabled(3));
}

TEST_F(OptionsDialog, HelpAsksForTheTopicOfThePageShowingAndTheButtonsClose)
{
    QSignalSpy Help(&Dialog, &TfrmOptions::HelpRequested);
    const std::pair<const char*, int> Topics[] = {{"tbAppearance", 7}, {"tbGeneral", 5}, {"tbHelpers", 6}};
    for (const auto& [Page, Topic] : Topics) {
        ShowPage(QString::fromLatin1(Page));
        EXPECT_EQ(Dialog.HelpTopic(), Topic) << Page;
        Click(QStringLiteral("BitBtn3"));
        ASSERT_FALSE(Help.isEmpty());
        EXPECT_EQ(Help.takeLast().at(0).toInt(), Topic) << Page;
    }
    QTest::keyClick(&Dialog, Qt::Key_F1);
    ASSERT_FALSE(Help.isEmpty());
    EXPECT_EQ(Help.takeLast().at(0).toInt(), 6);

    Click(QStringLiteral("BitBtn2"));
    EXPECT_EQ(Dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(Dialog.isVisible());
    Dialog.show();
    Click(QStringLiteral("BitBtn1"));
    EXPECT_EQ(Dialog.result(), QDialog::Accepted);
}

TEST_F(OptionsDialog, AColourWithoutANameIsKeptAndShownByItsValue)
{
    auto* Box = Child<TColourBox>(QStringLiteral("colNormalBg"));
    const TColor Odd[] = {0x00A1B2C3, 0x01020304, 0xFF000019};
    for (TColor Colour : Odd) {
        Dialog.SetColour(colNormalBg, Colour);
        EXPECT_EQ(Settings().GetColour(colNormalBg), Colour);
        EXPECT_EQ(Box->Colour(), Colour);
        EXPECT_EQ(Box->currentIndex(), Box->CustomColourIndex());
        EXPECT_EQ(Box->currentText(), QString::asprintf("$%08X", Colour));
    }
    Dialog.SetColour(colNormalBg, clBtnFace);
    EXPECT_EQ(Box->currentText(), QStringLiteral("Button Face"));
    // The last custom colour stays on offer.
    EXPECT_EQ(Box->itemText(Box->CustomColourIndex()), QStringLiteral("$FF000019"));
}

// Picks an entry of a colour box from its open list with Return, as the
// player does.
void PickFromList(TColourBox* Box, int Index)
{
    Box->showPopup();
    Box->view()->setCurrentIndex(Box->model()->index(Index, 0));
    QTest::keyClick(Box->view(), Qt::Key_Return);
}

TEST_F(OptionsDialog, CustomAsksThePlatformColourDialogOnlyWhenPicked)
{
    TScriptedPrompter Prompter;
    ShowPage(QStringLiteral("tbAppearance"));
    auto* Box = Child<TColourBox>(QStringLiteral("colRevealed"));

    Prompter.Colours.push_back(QColor(0x10, 0x20, 0x30));
    PickFromList(Box, Box->CustomDialogIndex());
    EXPECT_EQ(Settings().GetColour(colRevealed), 0x302010u);
    EXPECT_EQ(Box->currentText(), QStringLiteral("$00302010"));

    // Cancelled: the colour and its entry stay.
    PickFromList(Box, Box->CustomDialogIndex());
    EXPECT_EQ(Settings().GetColour(colRevealed), 0x302010u);
    EXPECT_EQ(Box->currentText(), QStringLiteral("$00302010"));

    // Keys and the wheel passing over "Custom..." ask nothing.
    Prompter.Colours.push_back(QColor(255, 0, 0));
    QTest::keyClick(Box, Qt::Key_Home);
    QTest::keyClick(Box, Qt::Key_Up);
    QWheelEvent Wheel(QPointF(5, 5), Box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    for (int Turn = 0; Turn < 3; ++Turn)
        QApplication::sendEvent(Box, &Wheel);
    EXPECT_EQ(Prompter.Colours.size(), 1u);
    EXPECT_NE(Box->currentIndex(), Box->CustomDialogIndex());

    // A colour that has a name is shown by it.
    PickFromList(Box, Box->CustomDialogIndex());
    EXPECT_EQ(Settings().GetColour(colRevealed), clRed);
    EXPECT_EQ(Box->currentText(), QStringLiteral("Red"));
    EXPECT_TRUE(Prompter.Colours.empty());
}

}  // namespace
