#pragma once
// The colour scheme's look of the main window round the grids: the panels
// and their texts, the buttons, the menus and the bars' done parts. Classic
// keeps the platform's palette and sets only the design's panel colour, as
// the window always had; the other schemes set a palette of their own. The
// grids and the bars' own colours are the window's to set (they follow the
// scheme's GridLines, Bar and ChosenBar).

#include "ColourSchemes.h"

#include <vector>

class QMenu;
class QWidget;
class TMyProgressBar;

void PaintWindowScheme(const TColourScheme& Scheme, QWidget& Client, QWidget* MenuBar, const std::vector<QMenu*>& Menus,
                       const std::vector<TMyProgressBar*>& Bars);
