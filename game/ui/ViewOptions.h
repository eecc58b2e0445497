#pragma once
// The view settings as a value: the state of the View menu (pencil style,
// hidden marks, candidates or filled, highlight scope, the timer) and of the "Parent
// click selects child" box. The window keeps one and shows it in its menus;
// the settings store saves and reads it. Plain C++, no widgets.
//
// The pencil styles and the highlight scopes behave as the radio items that
// show them: choosing one drops the other, and taking one away chooses no
// other, so a store may leave none chosen.

enum class TPencilStyle { None, AutoPencilLinked, AutoPencilSeparate, UserMarksLinked, UserMarksSeparate };

enum class THighlightScope { None, ChildOnly, ParentOnly, Both };

struct TViewOptions {
    TPencilStyle PencilStyle = TPencilStyle::AutoPencilLinked;
    bool HidePencilMarks = false;
    // "&Filled" rather than "&Candidates".
    bool Filled = false;
    THighlightScope Scope = THighlightScope::Both;
    bool ParentChoosesChild = true;
    // The time played shown at the end of the step line.
    bool Timer = false;

    bool Is(TPencilStyle Style) const { return PencilStyle == Style; }
    bool Is(THighlightScope Which) const { return Scope == Which; }
    // The player's own marks rather than the automatic candidates.
    bool UserMarks() const { return Is(TPencilStyle::UserMarksLinked) || Is(TPencilStyle::UserMarksSeparate); }
    bool HighlightsParent() const { return Is(THighlightScope::ParentOnly) || Is(THighlightScope::Both); }
    bool HighlightsChild() const { return Is(THighlightScope::ChildOnly) || Is(THighlightScope::Both); }

    // A radio item of the style (scope) checked or unchecked.
    void SetStyle(TPencilStyle Style, bool Checked)
    {
        if (Checked)
            PencilStyle = Style;
        else if (PencilStyle == Style)
            PencilStyle = TPencilStyle::None;
    }
    void SetScope(THighlightScope Which, bool Checked)
    {
        if (Checked)
            Scope = Which;
        else if (Scope == Which)
            Scope = THighlightScope::None;
    }

    bool operator==(const TViewOptions&) const = default;
};
