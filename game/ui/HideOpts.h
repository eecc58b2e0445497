#pragma once
// Puts what the feature rules (FeatureRules.h) decide on the main window and
// the settings dialog: hides and shows menu items, sheets and panels, and
// enables or disables the dialog's controls. The menu items come from the
// command table, the sheets and panels are found by their object names once;
// the pop-up menu follows the sheets and the step items when it opens.

#include "FeatureRules.h"

#include <functional>
#include <utility>
#include <vector>

class QAction;
class QWidget;
class TButtonPageControl;
class TfrmOptions;

class THideOpts {
public:
    // Items are the menu items each part hides (from the command table);
    // the window's sheets and panels must exist; window and dialog outlive
    // the rules. FitClientHeight fits the window round the panels shown.
    THideOpts(QWidget& Window, std::vector<std::pair<TFeaturePart, QAction*>> Items, TfrmOptions& Options,
              std::function<void()> FitClientHeight);

    // What shows now, as the rules last left it.
    const TFeatureView& Shown() const { return FShown; }

    // A game start (the whole rules, then the window fitted) and a change of
    // the mark style (the pencil part).
    void ApplyGameFeatures(const TGameFeatures& Game, const TViewOptions& View);
    void ApplyPencilFeatures(bool Shown, const TGameFeatures& Game, const TViewOptions& View);

private:
    // GameStart puts the LED and bar panels too: between game starts they
    // follow settings 4 and 5 alone.
    void Put(const TFeatureView& View, bool GameStart);

    TFeatureView FShown;
    TfrmOptions& FOptions;
    std::function<void()> FFitClientHeight;
    std::vector<std::pair<TFeaturePart, QAction*>> FItems;
    std::vector<std::pair<TFeaturePart, QWidget*>> FPanels;
    TButtonPageControl* FPageControl = nullptr;
    QWidget* FEnterSheet = nullptr;
    std::vector<std::pair<TFeaturePart, QWidget*>> FSheets;
    std::vector<QAction*> FFilling;
};
