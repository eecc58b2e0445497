#include "ColourSchemes.h"

#include "QVSettings.h"

#include <algorithm>
#include <cmath>

namespace {

// Colours written as on a web page, red first.
constexpr TColor Hex(uint32_t RedGreenBlue)
{
    return RGBColour(static_cast<uint8_t>(RedGreenBlue >> 16), static_cast<uint8_t>(RedGreenBlue >> 8),
                     static_cast<uint8_t>(RedGreenBlue));
}

constexpr std::array<TColor, 14> ByNumber(TColor NormalBg, TColor ShadedBg, TColor Revealed, TColor Entered,
                                          TColor LedOff, TColor Led8, TColor Led9, TColor Invalid, TColor Incorrect,
                                          TColor PencilMarks, TColor Selected, TColor HiLiteFore, TColor HiLiteBack)
{
    return {0,    NormalBg, ShadedBg,  Revealed,    Entered,  LedOff,     Led8,
            Led9, Invalid,  Incorrect, PencilMarks, Selected, HiLiteFore, HiLiteBack};
}

const std::array<TColourScheme, SchemeCount> Schemes = {{
    {TSchemeId::Classic, "Classic", "Classic",
     ByNumber(clWhite, clSilver, clBlack, clBlue, clMoneyGreen, clYellow, clGreen, clAqua, clRed, clGreen, clBlue,
              clNavy, clMoneyGreen),
     true, clMoneyGreen, clBlack, clSilver, clBlack, clSilver, clBlack, clNavy, clWhite, clSkyBlue, clMoneyGreen,
     clSkyBlue, clNavy, true},
    // A dark grey room: dark cells with light digits, each colour lightened
    // until it reads at 4.5:1 on the linked cells' shade too.
    {TSchemeId::Dark, "Dark", "Dark",
     ByNumber(Hex(0x1E1E1E), Hex(0x37374A), Hex(0xFFFFFF), Hex(0x8CC8FF), Hex(0x404040), Hex(0xE0C000), Hex(0x3CC85A),
              Hex(0x5FE0E0), Hex(0xFF8080), Hex(0x8FD88F), Hex(0xFFD75F), Hex(0xFFFFFF), Hex(0x24675A)),
     false, Hex(0x2B2B2B), Hex(0xE6E6E6), Hex(0x3C3C3C), Hex(0xE6E6E6), Hex(0x2B2B2B), Hex(0xE6E6E6), Hex(0x8CC8FF),
     Hex(0x1E1E1E), Hex(0x6C87B0), Hex(0x767676), Hex(0xB4DCFF), Hex(0x1E1E1E), false},
    // Black and white: white cells in black lines on a black panel, inks
    // dark enough for 7:1 on the linked shade, a yellow highlight.
    {TSchemeId::HighContrast, "HighContrast", "High contrast",
     ByNumber(Hex(0xFFFFFF), Hex(0xE0E0E0), Hex(0x000000), Hex(0x00007F), Hex(0x000000), Hex(0xFFFF00), Hex(0x00D0FF),
              Hex(0x004848), Hex(0x800000), Hex(0x004000), Hex(0x6000C0), Hex(0x000000), Hex(0xFFFF00)),
     false, Hex(0x000000), Hex(0xFFFFFF), Hex(0x000000), Hex(0xFFFFFF), Hex(0x000000), Hex(0xFFFFFF), Hex(0xFFFF00),
     Hex(0x000000), Hex(0x000000), Hex(0x767676), Hex(0xFFFF00), Hex(0x000000), false},
}};

double Linear(uint8_t Channel)
{
    const double C = Channel / 255.0;
    return C <= 0.03928 ? C / 12.92 : std::pow((C + 0.055) / 1.055, 2.4);
}

}  // namespace

const TColourScheme& SchemeOf(TSchemeId Id)
{
    return Schemes[static_cast<size_t>(Id)];
}

std::optional<TSchemeId> SchemeNamed(std::string_view Name)
{
    for (const TColourScheme& Scheme : Schemes)
        if (Name == Scheme.StoredName)
            return Scheme.Id;
    return std::nullopt;
}

bool HasSchemeColours(TSchemeId Id, const std::array<TColor, 14>& Colours)
{
    const std::array<TColor, 14>& Own = SchemeOf(Id).Colours;
    return std::equal(Own.begin() + 1, Own.end(), Colours.begin() + 1);
}

double RelativeLuminance(TColor Colour)
{
    return 0.2126 * Linear(RedOf(Colour)) + 0.7152 * Linear(GreenOf(Colour)) + 0.0722 * Linear(BlueOf(Colour));
}

double ContrastRatio(TColor First, TColor Second)
{
    const double A = RelativeLuminance(First);
    const double B = RelativeLuminance(Second);
    return (std::max(A, B) + 0.05) / (std::min(A, B) + 0.05);
}

std::vector<TColourPair> ReadabilityPairs(const TColourScheme& Scheme)
{
    const auto& C = Scheme.Colours;
    std::vector<TColourPair> Pairs;
    const struct {
        const char* What;
        int Number;
    } Inks[] = {{"revealed value", colRevealed},  {"entered value", colEntered},
                {"invalid entry", colInvalid},    {"incorrect entry", colIncorrect},
                {"pencil marks", colPencilMarks}, {"selected square", colPenSelected}};
    for (const auto& Ink : Inks) {
        Pairs.push_back({Ink.What, C[static_cast<size_t>(Ink.Number)], C[colNormalBg]});
        Pairs.push_back({Ink.What, C[static_cast<size_t>(Ink.Number)], C[colShadedBg]});
    }
    Pairs.push_back({"highlight font", C[colHiLiteFore], C[colHiLiteBack]});
    Pairs.push_back({"selected square on the highlight", C[colPenSelected], C[colHiLiteBack]});
    Pairs.push_back({"panel text", Scheme.PanelText, Scheme.Panel});
    Pairs.push_back({"button text", Scheme.ButtonText, Scheme.Button});
    Pairs.push_back({"menu text", Scheme.MenuText, Scheme.Menu});
    Pairs.push_back({"selected menu item", Scheme.HighlightText, Scheme.Highlight});
    return Pairs;
}

std::vector<TColourPair> ShapePairs(const TColourScheme& Scheme)
{
    const auto& C = Scheme.Colours;
    // clang-format off
    return {{"bar on the panel", Scheme.Bar, Scheme.Panel},
            {"bar's done part", Scheme.BarDone, Scheme.Bar},
            {"chosen bar's done part", Scheme.BarDone, Scheme.ChosenBar},
            {"chosen bar", Scheme.ChosenBar, Scheme.Bar},
            {"LED with 8 entries", C[colLED8], Scheme.Panel},
            {"LED with 9 entries", C[colLED9], Scheme.Panel},
            {"grid lines", Scheme.GridLines, C[colNormalBg]}};
    // clang-format on
}
