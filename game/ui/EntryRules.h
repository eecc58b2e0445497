#pragma once
// What an act of the player on a cell does, decided without widgets: a
// click on a grid, a digit typed on the cursor square, or an item of the
// pop-up menu. The entry controller asks for the plan and carries it out in
// its order. Plain C++.

// The sheets of the entry-mode strip.
enum class TSheet { Enter = 0, Pencil = 1, Erase = 2, HiLite = 3 };

enum class TEntrySource {
    Click,  // a click on a grid square, in the mode of the sheet shown
    Key,    // a digit (0 clears) typed on the cursor square
    Popup,  // an Enter, Pencil or Erase item of the pop-up menu
};

enum class TEntryKind { Nothing, SetValue, Pencil, Erase, HiLite };

struct TEntryFacts {
    TEntrySource Source = TEntrySource::Click;
    // The sheet shown (a click, a key) or the pop-up item's kind.
    TSheet Sheet = TSheet::Enter;
    int Digit = 0;
    // The cell: a given, and the value it holds.
    bool Revealed = false;
    int Value = 0;
    // On the parent's grid, with "Parent click selects child" checked.
    bool ParentChoosesChild = false;
    // Setting 3 in effect and automatic marks shown: a click fills a cell
    // left with one candidate.
    bool SingleFill = false;
};

struct TEntryPlan {
    // The grid acted on becomes the one the Edit commands act on.
    bool SetsUndoPuzzle = false;
    // A click on the parent first brings up the child the square is shared
    // with; when that changes the child shown, the click ends there.
    bool ChildFirst = false;
    // Nothing more happens (a given, or the value it already holds).
    bool Refused = false;
    // An entry was made: the game is no longer the one saved.
    bool Unsaved = false;
    // The click's single fill is tried before the sheet's action.
    bool TryFillSingle = false;
    TEntryKind Kind = TEntryKind::Nothing;
    // A click pencils or erases the digits pressed on the strip; a key or a
    // pop-up item the one digit.
    bool StripDigits = false;
    // A typed digit becomes the Enter sheet's digit.
    bool TakesDigit = false;
    // A value typed on the parent brings up its partner's child after it.
    bool ChildAfter = false;
    // The refresh with the solved test after a value.
    bool Refresh = false;
};

TEntryPlan PlanEntry(const TEntryFacts& Facts);
