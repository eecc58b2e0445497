#include "ColourNames.h"

#include "Text.h"

#include <cstdio>

namespace {

constexpr TColor SystemColour(unsigned Index)
{
    return 0xFF000000u | Index;
}

// System colour 25 does not exist, so it has no entry.
constexpr TNamedColour Colours[] = {
    {clBlack, TR_MARK("ColourNames", "Black")},
    {0x000080, TR_MARK("ColourNames", "Maroon")},
    {clGreen, TR_MARK("ColourNames", "Green")},
    {0x008080, TR_MARK("ColourNames", "Olive")},
    {clNavy, TR_MARK("ColourNames", "Navy")},
    {0x800080, TR_MARK("ColourNames", "Purple")},
    {0x808000, TR_MARK("ColourNames", "Teal")},
    {0x808080, TR_MARK("ColourNames", "Gray")},
    {clSilver, TR_MARK("ColourNames", "Silver")},
    {clRed, TR_MARK("ColourNames", "Red")},
    {0x00FF00, TR_MARK("ColourNames", "Lime")},
    {clYellow, TR_MARK("ColourNames", "Yellow")},
    {clBlue, TR_MARK("ColourNames", "Blue")},
    {0xFF00FF, TR_MARK("ColourNames", "Fuchsia")},
    {clAqua, TR_MARK("ColourNames", "Aqua")},
    {clWhite, TR_MARK("ColourNames", "White")},
    {clMoneyGreen, TR_MARK("ColourNames", "Money Green")},
    {clSkyBlue, TR_MARK("ColourNames", "Sky Blue")},
    {0xF0FBFF, TR_MARK("ColourNames", "Cream")},
    {0xA4A0A0, TR_MARK("ColourNames", "Medium Gray")},
    {SystemColour(0), TR_MARK("ColourNames", "Scroll Bar")},
    {SystemColour(1), TR_MARK("ColourNames", "Background")},
    {SystemColour(2), TR_MARK("ColourNames", "Active Caption")},
    {SystemColour(3), TR_MARK("ColourNames", "Inactive Caption")},
    {SystemColour(4), TR_MARK("ColourNames", "Menu")},
    {SystemColour(5), TR_MARK("ColourNames", "Window")},
    {SystemColour(6), TR_MARK("ColourNames", "Window Frame")},
    {SystemColour(7), TR_MARK("ColourNames", "Menu Text")},
    {SystemColour(8), TR_MARK("ColourNames", "Window Text")},
    {SystemColour(9), TR_MARK("ColourNames", "Caption Text")},
    {SystemColour(10), TR_MARK("ColourNames", "Active Border")},
    {SystemColour(11), TR_MARK("ColourNames", "Inactive Border")},
    {SystemColour(12), TR_MARK("ColourNames", "Application Workspace")},
    {SystemColour(13), TR_MARK("ColourNames", "Highlight")},
    {SystemColour(14), TR_MARK("ColourNames", "Highlight Text")},
    {SystemColour(15), TR_MARK("ColourNames", "Button Face")},
    {SystemColour(16), TR_MARK("ColourNames", "Button Shadow")},
    {SystemColour(17), TR_MARK("ColourNames", "Gray Text")},
    {SystemColour(18), TR_MARK("ColourNames", "Button Text")},
    {SystemColour(19), TR_MARK("ColourNames", "Inactive Caption Text")},
    {SystemColour(20), TR_MARK("ColourNames", "Button Highlight")},
    {SystemColour(21), TR_MARK("ColourNames", "3D Dark Shadow")},
    {SystemColour(22), TR_MARK("ColourNames", "3D Light")},
    {SystemColour(23), TR_MARK("ColourNames", "Info Text")},
    {SystemColour(24), TR_MARK("ColourNames", "Info Background")},
    {SystemColour(26), TR_MARK("ColourNames", "Hot Light")},
    {SystemColour(27), TR_MARK("ColourNames", "Gradient Active Caption")},
    {SystemColour(28), TR_MARK("ColourNames", "Gradient Inactive Caption")},
    {SystemColour(29), TR_MARK("ColourNames", "Menu Highlight")},
    {SystemColour(30), TR_MARK("ColourNames", "Menu Bar")},
};

static_assert(SystemColour(15) == clBtnFace);

}  // namespace

std::span<const TNamedColour> NamedColours()
{
    return Colours;
}

const char* NameOfColour(TColor Colour)
{
    for (const TNamedColour& Entry : Colours) {
        if (Entry.Value == Colour) {
            return Entry.Name;
        }
    }
    return nullptr;
}

std::string CustomColourName(TColor Colour)
{
    char Text[16];
    std::snprintf(Text, sizeof Text, "$%08X", static_cast<unsigned>(Colour));
    return Text;
}
