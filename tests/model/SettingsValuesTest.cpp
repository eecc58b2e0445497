// The settings values: defaults, the availability rule of the effective value,
// and the priority pair of the two highlight settings.

#include "QVSettings.h"
#include "SettingsValues.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsValues, AFreshObjectHasEveryOptionOnAndEveryMethodEnabled)
{
    const TSettingsValues values;
    for (int number = 1; number <= 12; ++number) {
        EXPECT_EQ(values.GetOption(number), number != 6) << "setting " << number;
    }
    EXPECT_FALSE(values.GetOption(0));
    EXPECT_FALSE(values.GetOption(13));
    EXPECT_FALSE(values.GetOption(-1));
    for (int method = 0; method < 6; ++method) {
        EXPECT_TRUE(values.IsMethodEnabled(method));
    }
    EXPECT_FALSE(values.IsMethodEnabled(6));
    EXPECT_FALSE(values.PencilSelectedOnly());
}

TEST(SettingsValues, ColoursHaveTheirDefaultsAndUnknownNumbersReadZero)
{
    TSettingsValues values;
    const TColor expected[14] = {0,       clWhite, clSilver, clBlack, clBlue, clMoneyGreen, clYellow,
                                 clGreen, clAqua,  clRed,    clGreen, clBlue, clNavy,       clMoneyGreen};
    for (int number = 1; number <= 13; ++number) {
        EXPECT_EQ(values.GetColour(number), expected[number]) << "colour " << number;
    }
    EXPECT_EQ(values.GetColour(0), 0u);
    EXPECT_EQ(values.GetColour(14), 0u);
    values.SetColour(14, clRed);
    EXPECT_EQ(values.GetColour(14), 0u);
    values.SetColour(colShadedBg, 0x123456);
    EXPECT_EQ(values.GetColour(colShadedBg), 0x123456u);
}

TEST(SettingsValues, ADisabledOrHiddenSettingReadsOffButKeepsItsStoredState)
{
    TSettingsValues values;
    values.SetOptionEnabled(optInvalid, false);
    EXPECT_FALSE(values.GetOption(optInvalid));
    EXPECT_TRUE(values.GetStoredOption(optInvalid));
    values.SetOptionVisible(optShowLeds, false);
    EXPECT_FALSE(values.GetOption(optShowLeds));
    EXPECT_TRUE(values.GetStoredOption(optShowLeds));
    // Settings without availability rules ignore the flags.
    values.SetOptionEnabled(optCongrats, false);
    EXPECT_TRUE(values.GetOption(optCongrats));
    // Setting 10 counts its enabled state but not its visibility.
    values.SetOptionVisible(optInvalidPriority, false);
    EXPECT_TRUE(values.GetOption(optInvalidPriority));
    values.SetOptionEnabled(optInvalidPriority, false);
    EXPECT_FALSE(values.GetOption(optInvalidPriority));
    EXPECT_TRUE(values.GetStoredOption(optInvalidPriority));
}

TEST(SettingsValues, ThePriorityPairFollowsTheHighlightBoxes)
{
    TSettingsValues values;
    // Unchecking the invalid box leaves the incorrect box alone: its button wins.
    values.SetOption(optInvalid, false);
    EXPECT_FALSE(values.IsOptionEnabled(optInvalidPriority));
    EXPECT_TRUE(values.IncorrectHasPriority());
    EXPECT_FALSE(values.GetOption(optInvalidPriority));

    // Both checked again: the buttons come back, keeping the last choice.
    values.SetOption(optInvalid, true);
    EXPECT_TRUE(values.IsOptionEnabled(optInvalidPriority));
    EXPECT_TRUE(values.IncorrectHasPriority());
    values.SetOption(optInvalidPriority, true);
    EXPECT_TRUE(values.GetOption(optInvalidPriority));

    // Only the invalid box checked: "Invalid has priority" is forced on.
    values.SetOption(optIncorrect, false);
    EXPECT_FALSE(values.IncorrectHasPriority());
    EXPECT_FALSE(values.GetOption(optInvalidPriority)) << "disabled buttons read off";
    EXPECT_TRUE(values.GetStoredOption(optInvalidPriority));

    // Setting 10 runs the rule first, then takes the value.
    values.SetOption(optIncorrect, true);
    values.SetOption(optInvalidPriority, false);
    EXPECT_TRUE(values.IncorrectHasPriority());
    EXPECT_TRUE(values.IsOptionEnabled(optInvalidPriority));
}

TEST(SettingsValues, APairTheGameDisabledStaysDisabledWhenTheRuleRunsAgain)
{
    TSettingsValues values;
    values.SetOptionEnabled(optInvalid, false);
    values.SetOptionEnabled(optInvalidPriority, false);
    // Reloading the stored settings (Cancel in the dialog) sets both boxes.
    values.SetOption(optInvalid, true);
    values.SetOption(optIncorrect, true);
    values.SetOption(optInvalidPriority, true);
    EXPECT_FALSE(values.IsOptionEnabled(optInvalidPriority));
    EXPECT_TRUE(values.GetStoredOption(optInvalidPriority)) << "the player's choice is kept";
    // The next game offers both highlights again.
    values.SetOptionEnabled(optInvalid, true);
    values.SetOptionEnabled(optInvalidPriority, true);
    values.SetPriorityStatus();
    EXPECT_TRUE(values.IsOptionEnabled(optInvalidPriority));
    EXPECT_TRUE(values.GetOption(optInvalidPriority));
}

TEST(SettingsValues, InstalledSettingsAreWhatEveryLayerReads)
{
    TSettingsValues values;
    values.SetMethodEnabled(0, false);
    values.SetColour(colEntered, clRed);
    InstallSettings(&values);
    EXPECT_FALSE(Settings().IsMethodEnabled(0));
    EXPECT_EQ(Settings().GetColour(colEntered), clRed);
    InstallSettings(nullptr);
    EXPECT_TRUE(Settings().IsMethodEnabled(0));
    EXPECT_EQ(Settings().GetColour(colEntered), clBlue);
}

}  // namespace
