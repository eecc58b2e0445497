#include "ColourNames.h"

#include <cstdio>

namespace {

constexpr TColor SystemColour(unsigned Index)
{
    return 0xFF000000u | Index;
}

// System colour 25 does not exist, so it has no entry.
constexpr TNamedColour Colours[] = {
    {clBlack, "Black"},
    {0x000080, "Maroon"},
    {clGreen, "Green"},
    {0x008080, "Olive"},
    {clNavy, "Navy"},
    {0x800080, "Purple"},
    {0x808000, "Teal"},
    {0x808080, "Gray"},
    {clSilver, "Silver"},
    {clRed, "Red"},
    {0x00FF00, "Lime"},
    {clYellow, "Yellow"},
    {clBlue, "Blue"},
    {0xFF00FF, "Fuchsia"},
    {clAqua, "Aqua"},
    {clWhite, "White"},
    {clMoneyGreen, "Money Green"},
    {clSkyBlue, "Sky Blue"},
    {0xF0FBFF, "Cream"},
    {0xA4A0A0, "Medium Gray"},
    {SystemColour(0), "Scroll Bar"},
    {SystemColour(1), "Background"},
    {SystemColour(2), "Active Caption"},
    {SystemColour(3), "Inactive Caption"},
    {SystemColour(4), "Menu"},
    {SystemColour(5), "Window"},
    {SystemColour(6), "Window Frame"},
    {SystemColour(7), "Menu Text"},
    {SystemColour(8), "Window Text"},
    {SystemColour(9), "Caption Text"},
    {SystemColour(10), "Active Border"},
    {SystemColour(11), "Inactive Border"},
    {SystemColour(12), "Application Workspace"},
    {SystemColour(13), "Highlight"},
    {SystemColour(14), "Highlight Text"},
    {SystemColour(15), "Button Face"},
    {SystemColour(16), "Button Shadow"},
    {SystemColour(17), "Gray Text"},
    {SystemColour(18), "Button Text"},
    {SystemColour(19), "Inactive Caption Text"},
    {SystemColour(20), "Button Highlight"},
    {SystemColour(21), "3D Dark Shadow"},
    {SystemColour(22), "3D Light"},
    {SystemColour(23), "Info Text"},
    {SystemColour(24), "Info Background"},
    {SystemColour(26), "Hot Light"},
    {SystemColour(27), "Gradient Active Caption"},
    {SystemColour(28), "Gradient Inactive Caption"},
    {SystemColour(29), "Menu Highlight"},
    {SystemColour(30), "Menu Bar"},
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
