// The colour schemes: Classic is the design, Dark and High contrast keep
// every text readable (WCAG contrast ratios computed from the tables), a
// scheme chosen sets all thirteen colours, a colour changed afterwards
// makes it custom, and printing keeps its light backgrounds.

#include "ColourSchemes.h"
#include "SettingsValues.h"

#include <gtest/gtest.h>

namespace {

TEST(ColourSchemes, ContrastRatiosFollowTheWcagFormula)
{
    EXPECT_DOUBLE_EQ(ContrastRatio(clBlack, clWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(clWhite, clBlack), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(clRed, clRed), 1.0);
    // Pure red on white, the textbook example: 4.0 to two places.
    EXPECT_NEAR(ContrastRatio(clRed, clWhite), 4.0, 0.005);
    // Channels weigh differently: green is the brightest, blue the darkest.
    EXPECT_GT(RelativeLuminance(RGBColour(0, 255, 0)), RelativeLuminance(RGBColour(255, 0, 0)));
    EXPECT_GT(RelativeLuminance(RGBColour(255, 0, 0)), RelativeLuminance(RGBColour(0, 0, 255)));
}

TEST(ColourSchemes, EveryTextOfDarkAndHighContrastMeetsItsRatio)
{
    const struct {
        TSchemeId Id;
        double Text;
    } Demands[] = {{TSchemeId::Dark, 4.5}, {TSchemeId::HighContrast, 7.0}};
    for (const auto& Demand : Demands) {
        const TColourScheme& Scheme = SchemeOf(Demand.Id);
        const std::vector<TColourPair> Texts = ReadabilityPairs(Scheme);
        // Six inks on two backgrounds, the highlight's two, four of the window.
        EXPECT_EQ(Texts.size(), 18u);
        for (const TColourPair& Pair : Texts)
            EXPECT_GE(ContrastRatio(Pair.Foreground, Pair.Background), Demand.Text)
                << Scheme.StoredName << ": " << Pair.What;
        for (const TColourPair& Pair : ShapePairs(Scheme))
            EXPECT_GE(ContrastRatio(Pair.Foreground, Pair.Background), 3.0) << Scheme.StoredName << ": " << Pair.What;
        // A scheme's colours are plain colours, never the platform's.
        for (int Number = 1; Number <= 13; ++Number)
            EXPECT_FALSE(IsSystemColour(Scheme.Colours[static_cast<size_t>(Number)]));
    }
}

TEST(ColourSchemes, ClassicIsTheDesignAndEachSchemeHasItsOwnStoredName)
{
    const TColourScheme& Classic = SchemeOf(TSchemeId::Classic);
    for (int Number = 1; Number <= 13; ++Number)
        EXPECT_EQ(Classic.Colours[static_cast<size_t>(Number)], TSettingsValues::DefaultColour(Number)) << Number;
    EXPECT_TRUE(Classic.PlatformPalette);
    EXPECT_EQ(Classic.Panel, clMoneyGreen);
    EXPECT_EQ(Classic.GridLines, clSkyBlue);
    EXPECT_EQ(Classic.Bar, clMoneyGreen);
    EXPECT_EQ(Classic.ChosenBar, clSkyBlue);
    for (TSchemeId Id : {TSchemeId::Classic, TSchemeId::Dark, TSchemeId::HighContrast})
        EXPECT_EQ(SchemeNamed(SchemeOf(Id).StoredName), Id);
    EXPECT_EQ(SchemeNamed("dark"), std::nullopt);
    EXPECT_EQ(SchemeNamed(""), std::nullopt);
}

TEST(ColourSchemes, ChoosingSetsEveryColourAndAChangeMakesTheSchemeCustom)
{
    TSettingsValues Values;
    EXPECT_EQ(Values.Scheme(), TSchemeId::Classic);
    EXPECT_FALSE(Values.SchemeCustom());
    Values.ChooseScheme(TSchemeId::Dark);
    for (int Number = 1; Number <= 13; ++Number)
        EXPECT_EQ(Values.GetColour(Number), SchemeOf(TSchemeId::Dark).Colours[static_cast<size_t>(Number)]);
    EXPECT_FALSE(Values.SchemeCustom());
    Values.SetColour(colPencilMarks, clRed);
    EXPECT_TRUE(Values.SchemeCustom());
    EXPECT_EQ(Values.Scheme(), TSchemeId::Dark);
    // The same colour again gives the scheme back.
    Values.SetColour(colPencilMarks, SchemeOf(TSchemeId::Dark).Colours[colPencilMarks]);
    EXPECT_FALSE(Values.SchemeCustom());
}

TEST(ColourSchemes, PrintingKeepsLightBackgroundsUnderTheDarkSchemes)
{
    TSettingsValues Values;
    // Classic prints the player's own colours, as it always has.
    Values.SetColour(colShadedBg, clYellow);
    EXPECT_EQ(Values.PrintColour(clYellow), clYellow);
    for (TSchemeId Id : {TSchemeId::Dark, TSchemeId::HighContrast}) {
        Values.ChooseScheme(Id);
        EXPECT_EQ(Values.PrintColour(Values.GetColour(colNormalBg)), clWhite);
        EXPECT_EQ(Values.PrintColour(Values.GetColour(colShadedBg)), clSilver);
        // Another colour a cell was given stays.
        EXPECT_EQ(Values.PrintColour(clYellow), clYellow);
    }
}

}  // namespace
