#pragma once
// What grid-preview does, apart from its process set-up: reading its command
// line, listing the games of an issue file, and rendering the parent and one
// child of a game to PNG files, in screen or print style, after optional
// entries, marks, erasures, solving and a highlight.
//
// Errors (bad arguments, unreadable issue files, cells out of range, files
// that cannot be written) are raised as Exception with a message for the
// user. Rendering needs a QGuiApplication.

#include "QVDisplayGrid.h"

#include <cstdint>
#include <string>
#include <vector>

// One change to a cell of puzzle Puzzle (0 parent, 1.. children) at (Row,
// Col), both 0-8: a value (0 clears), or the digits (bit d = digit d) to add
// to the user marks or to the erasures.
struct TPreviewCellChange {
    int Puzzle = 0;
    int Row = 0;
    int Col = 0;
    int Value = 0;
    uint32_t Digits = 0;
};

struct TPreviewOptions {
    std::string IssueFile;
    bool List = false;
    int GameIndex = 1;          // 1-based, in the order of the issue
    bool ByGameNumber = false;  // choose by GameNumber instead
    uint32_t GameNumber = 0;
    int Child = 1;
    TPaintStyle Style = TPaintStyle::Screen;
    int Size = 394;
    int Dpi = 96;
    uint8_t PencilMode = 4;
    bool Filled = false;
    int Highlight = 0;
    bool Solve = false;
    std::vector<TPreviewCellChange> Values;
    std::vector<TPreviewCellChange> Marks;
    std::vector<TPreviewCellChange> Erasures;
    std::string OutPrefix = "preview";
    std::string BookletFile;  // the booklet PDF to write as well; empty for none
};

std::string PreviewUsage();
// Args without the program name.
TPreviewOptions ParsePreviewArguments(const std::vector<std::string>& Args);
// One line per game: index, game number, layout, stream kind, name.
std::string ListPreviewGames(const std::string& IssueFile);
// Writes <prefix>-parent.png and <prefix>-child<k>.png, and the booklet PDF
// when one is named; answers the names of the files written.
std::vector<std::string> RenderPreview(const TPreviewOptions& Options);
