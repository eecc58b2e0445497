#include "FeatureRules.h"

#include "GameFeatures.h"
#include "PyramidSteps.h"

namespace {

using P = TFeaturePart;

void ShowAllFeatures(TFeatureView& V, bool ShowLeds, bool ShowBars)
{
    V.Show(P::Printing, true);
    V.Show(P::LedPanel, ShowLeds);
    V.Show(P::BarPanel, ShowBars);
    V.Show(P::ControlPanel, true);
    V.Show(P::EditMenu, true);
    // A paper game before may have hidden the whole View menu; nothing else
    // would bring it back for a screen game.
    V.Show(P::ViewMenu, true);
    for (P Part :
         {P::UserMarks, P::SolveSeparator, P::SolveChildren, P::SolveParent, P::SolvePyramid, P::Steps, P::Mistakes})
        V.Show(Part, true);
    V.InvalidSettings = true;
    V.IncorrectSettings = true;
    V.PrioritySettings = true;
    V.ProtectSetting = true;
}

void HidePlayControls(TFeatureView& V)
{
    for (P Part : {P::BarPanel, P::ControlPanel, P::LedPanel, P::EditMenu, P::Steps, P::Mistakes, P::UserMarks})
        V.Show(Part, false);
}

void ApplyHiLiteFeatures(TFeatureView& V, bool Offered)
{
    V.Show(P::HiLites, Offered);
}

void ApplyPencilFeatures(TFeatureView& V, bool Shown, const TGameFeatures& Game, const TViewOptions& View)
{
    V.MarkFillingEnabled = !View.Is(TPencilStyle::UserMarksLinked) && !View.Is(TPencilStyle::UserMarksSeparate);
    const bool ControlsShown = V.Shows(P::ControlPanel);
    if (Shown) {
        V.Show(P::AutoPencilSeparate, Game.AutoPencilSeparate);
        if (ControlsShown)
            V.Show(P::AutoPencilLinked, Game.AutoPencilLinked);
        else
            V.Show(P::ViewMenu, V.Shows(P::AutoPencilSeparate));
        ApplyHiLiteFeatures(V, Game.DigitHighlighting);
    } else {
        V.Show(P::AutoPencilSeparate, false);
        if (ControlsShown)
            V.Show(P::AutoPencilLinked, false);
        else
            V.Show(P::ViewMenu, false);
        ApplyHiLiteFeatures(V, false);
    }
    for (P Part : {P::MarkFilling, P::UserMarks, P::PencilSheets})
        V.Show(Part, Shown);
}

}  // namespace

TFeatureView GameFeatureView(const TFeatureView& Before, const TGameFeatures& Game, const TViewOptions& View,
                             bool ShowLeds, bool ShowBars)
{
    TFeatureView V = Before;
    ShowAllFeatures(V, ShowLeds, ShowBars);
    if (!Game.PlayControls)
        HidePlayControls(V);
    else if (!Game.Printing)
        V.Show(P::Printing, false);
    if (!Game.InvalidHighlighting) {
        V.InvalidSettings = false;
        V.PrioritySettings = false;
    }
    if (!Game.IncorrectHighlighting) {
        V.IncorrectSettings = false;
        V.PrioritySettings = false;
        V.Show(P::Mistakes, false);
    }
    if (!Game.SolveParent)
        V.Show(P::SolveParent, false);
    if (!Game.SolveChildren)
        V.Show(P::SolveChildren, false);
    if (!Game.SolvePyramid) {
        V.Show(P::SolvePyramid, false);
        V.Show(P::SolveSeparator, V.Shows(P::SolveParent) || V.Shows(P::SolveChildren));
    }
    if (!Game.ProtectSolution)
        V.ProtectSetting = false;
    if (!StepsOffered(Game))
        V.Show(P::Steps, false);
    ApplyPencilFeatures(V, true, Game, View);
    return V;
}

TFeatureView PencilFeatureView(const TFeatureView& Before, bool Shown, const TGameFeatures& Game,
                               const TViewOptions& View)
{
    TFeatureView V = Before;
    ApplyPencilFeatures(V, Shown, Game, View);
    return V;
}
