#pragma once
// The per-game feature rules as pure functions: from what the game offers
// and the view settings to which parts of the main window show and which
// settings of the settings dialog may be used (a disabled setting counts as
// off). At every game start everything is made available, then what the
// game does not offer is taken away; the pencil part runs again on every
// change of the mark style. Plain C++, no widgets: THideOpts puts the answer
// on the window.
//
// The answer depends on the one before: a run leaves alone what its steps
// do not reach (a paper game never decides "&Auto Pencil (Linked)", hidden
// marks never decide the "&View" menu of a screen game), so each run takes
// what shows now and answers what shows after it.

#include "ViewOptions.h"

#include <array>
#include <cstddef>

struct TGameFeatures;

// The parts of the window that the rules show and hide.
enum class TFeaturePart {
    Printing,  // "&Print..." and "Save Booklet as P&DF..."
    LedPanel,
    ControlPanel,
    BarPanel,
    EditMenu,  // "E&dit"
    ViewMenu,  // "&View"
    AutoPencilLinked,
    AutoPencilSeparate,
    UserMarks,       // both user-marks items and the separator above them
    MarkFilling,     // "&Candidates", "&Filled" and the separator above them
    PencilSheets,    // the Pencil and Erase sheets and their pop-up submenus
    HiLites,         // the Hi Lite sheet, its pop-up submenu, "Hi &Lites" and the separator above it
    SolveSeparator,  // the separator above the solve commands
    SolveChildren,   // "&Solve Child" and "Solve &Children"
    SolveParent,     // "Solve P&arent"
    SolvePyramid,    // "Solve &Tavrel"
    Steps,           // "&Next Step", "Appl&y Step", their separator and the step line
    Mistakes,        // "Show First &Mistake" and "Undo to Before &Mistake"
    Count
};

constexpr size_t FeaturePartCount = static_cast<size_t>(TFeaturePart::Count);

struct TFeatureView {
    // Everything shows until a game takes it away.
    std::array<bool, FeaturePartCount> Parts = [] {
        std::array<bool, FeaturePartCount> All{};
        All.fill(true);
        return All;
    }();
    // "&Candidates" and "&Filled" may be chosen (only for automatic marks).
    bool MarkFillingEnabled = true;
    // The settings dialog: the invalid-entry highlight box and colour, the
    // incorrect-entry ones, the priority pair and "Prevent removal ...".
    bool InvalidSettings = true;
    bool IncorrectSettings = true;
    bool PrioritySettings = true;
    bool ProtectSetting = true;

    bool Shows(TFeaturePart Part) const { return Parts[static_cast<size_t>(Part)]; }
    void Show(TFeaturePart Part, bool Shown) { Parts[static_cast<size_t>(Part)] = Shown; }

    bool operator==(const TFeatureView&) const = default;
};

// A game start: every feature made available (the LED and bar panels as
// settings 4 and 5 say), then taken away as the game's record says, then
// the pencil part with the marks shown.
TFeatureView GameFeatureView(const TFeatureView& Before, const TGameFeatures& Game, const TViewOptions& View,
                             bool ShowLeds, bool ShowBars);

// The pencil part: with Shown false (pencil marks hidden) every pencil and
// highlight aid is hidden; with it true the game's offer decides.
TFeatureView PencilFeatureView(const TFeatureView& Before, bool Shown, const TGameFeatures& Game,
                               const TViewOptions& View);

// The game decides the pencil style shown, not the player, when it does not
// offer the linked auto pencil; that style is then never stored.
inline bool GameSetsPencilStyle(const TFeatureView& Shown)
{
    return !Shown.Shows(TFeaturePart::AutoPencilLinked);
}
