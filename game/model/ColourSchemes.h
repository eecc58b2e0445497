#pragma once
// The colour schemes the settings offer: each sets the thirteen colour
// settings and the colours of the main window round them (its panels, the
// menus, the grid lines, the bars). "Classic" is the design's colours and
// leaves the platform's own palette in place; "Dark" and "High contrast"
// choose every colour so that each text keeps its contrast ratio against
// what it is drawn on (ReadabilityPairs lists the pairs).
//
// Colours are $00BBGGRR values; a scheme's colours are never system colours.

#include "Colour.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

enum class TSchemeId { Classic, Dark, HighContrast };

constexpr int SchemeCount = 3;

struct TColourScheme {
    TSchemeId Id;
    // The stored name and the caption's source text.
    const char* StoredName;
    const char* Caption;
    // The thirteen colour settings by number; element 0 is unused.
    std::array<TColor, 14> Colours;
    // The window round the grids. With PlatformPalette the platform's own
    // palette stays and only the panel colour is set (as the design has it).
    bool PlatformPalette;
    TColor Panel;
    TColor PanelText;
    TColor Button;
    TColor ButtonText;
    TColor Menu;
    TColor MenuText;
    // The menus' and buttons' selected item, and the bars' done part.
    TColor Highlight;
    TColor HighlightText;
    TColor GridLines;
    TColor Bar;
    TColor ChosenBar;
    TColor BarDone;
    // Printing draws dark on light whatever the screen shows: with
    // PrintsOwnColours false the cell backgrounds print as Classic's.
    bool PrintsOwnColours;
};

const TColourScheme& SchemeOf(TSchemeId Id);
// The scheme stored under Name; nullopt for a name no scheme has.
std::optional<TSchemeId> SchemeNamed(std::string_view Name);
// Whether Colours (by number, element 0 unused) are exactly the scheme's.
bool HasSchemeColours(TSchemeId Id, const std::array<TColor, 14>& Colours);

// WCAG 2 relative luminance (0 black to 1 white) and contrast ratio (1 to 21).
double RelativeLuminance(TColor Colour);
double ContrastRatio(TColor First, TColor Second);

// A text colour and the colour it is drawn on, named for a reader.
struct TColourPair {
    const char* What;
    TColor Foreground;
    TColor Background;
};
// Every text of the window in the scheme against its background: each value
// and mark colour on both cell backgrounds, the highlighted square's marks
// (its own colour and the hovered square's) on the highlight, the panel's,
// buttons' and menus' texts.
std::vector<TColourPair> ReadabilityPairs(const TColourScheme& Scheme);
// The shapes that must stand out from what lies round them (WCAG asks 3:1
// of them): the bars on the panel, their done parts, the chosen child's bar,
// the lit LEDs, the grid lines.
std::vector<TColourPair> ShapePairs(const TColourScheme& Scheme);
