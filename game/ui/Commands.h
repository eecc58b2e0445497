#pragma once
// The main window's commands as one table: every item of the main menu and
// of the grids' pop-up menu is a row with its object name, caption,
// shortcut, handler, the menu it sits in and the game feature that hides
// it. The menus, the pop-up, the shortcuts and the feature rules' items are
// made from the rows (QVMainMenus.cpp), so a new command is one row of the
// table (QVMainCommands.cpp).

#include "FeatureRules.h"

#include <string>
#include <vector>

class TfrmMain;

// The menus, in the order the main menu bar and the pop-up make them.
enum class TMenuId {
    None,
    File,
    Edit,
    View,
    HiLites,  // "Hi &Lites", in the View menu
    Child,
    Puzzle,
    Help,
    Popup,
    PopEnter,
    PopPencil,
    PopErase,
    PopHiLite,
    PopChild,
    Count
};

constexpr size_t MenuCount = static_cast<size_t>(TMenuId::Count);

enum class TCommandKind {
    Item,
    Separator,
    Menu,   // a submenu (or a menu of the bar): Opens names it
    Check,  // a checkable item
    Radio,  // a checkable item of the radio group Group
};

// A handler gets the item's "Tag" (0 for an item without one), read when
// the item is triggered.
using TCommandHandler = void (*)(TfrmMain& Main, int Tag);

struct TCommand {
    TMenuId Menu = TMenuId::None;  // None: the main menu bar
    TCommandKind Kind = TCommandKind::Item;
    std::string Name;
    // The caption's source text, for tr(); empty for a separator.
    const char* Caption = "";
    // Shortcuts in portable text, alternatives apart by ';'.
    std::string Keys;
    TCommandHandler Handler = nullptr;
    // The "Tag" property; -1 for none.
    int Tag = -1;
    // The feature that hides the row; Count: shown whatever the game.
    TFeaturePart Part = TFeaturePart::Count;
    TMenuId Opens = TMenuId::None;
    int Group = 0;
    bool Checked = false;
    // The key is handled elsewhere (the main menu's item, the window); the
    // item only shows it.
    bool ShowsKeyOnly = false;
    // Shown only when the pop-up names a highlighted digit.
    bool Hidden = false;
    bool Disabled = false;
    // Disabled while the catalogue holds no game.
    bool NeedsGames = false;
};
