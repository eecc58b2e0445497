#pragma once
// What a game offers the player, read from the feature switches of its game
// record: the play mode (paper, screen or both), the aid flags and the
// pencil flags. The main window shows and hides its controls from this.

#include <cstdint>

class TPuzzleInfo;

struct TGameFeatures {
    // Play mode 0 is a paper game (printing only), 1 a screen game (no
    // printing); any other value offers both.
    bool Printing = true;
    bool PlayControls = true;
    // Aid flags (low byte): a clear bit takes the aid away.
    bool InvalidHighlighting = true;    // bit 0
    bool IncorrectHighlighting = true;  // bit 1
    bool DigitHighlighting = true;      // bit 2
    bool SolveParent = true;            // bit 4
    bool SolveChildren = true;          // bit 5
    bool SolvePyramid = true;           // bit 6
    // Pencil flags.
    bool ProtectSolution = true;     // bit 0: "Prevent removal..." may be used
    bool AutoPencilSeparate = true;  // bit 1
    bool AutoPencilLinked = true;    // bit 2
};

TGameFeatures FeaturesOf(const TPuzzleInfo& Record);
