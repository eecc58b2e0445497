#include "HideOpts.h"

#include "ButtonPageControl.h"
#include "Options.h"

#include <QAction>
#include <QWidget>

namespace {

using P = TFeaturePart;

struct TWidgetPart {
    P Part;
    const char* Name;
};

constexpr TWidgetPart PanelParts[] = {{P::LedPanel, "pnlLeds"},
                                      {P::ControlPanel, "pnlControls"},
                                      {P::BarPanel, "pnlAllProgressBars"},
                                      {P::Steps, "pnlStep"}};

constexpr TWidgetPart SheetParts[] = {
    {P::HiLites, "tsHiLite"}, {P::PencilSheets, "tsPencil"}, {P::PencilSheets, "tsErase"}};

template <typename T>
T* Named(QWidget& Window, const char* Name)
{
    T* Found = Window.findChild<T*>(QString::fromLatin1(Name));
    Q_ASSERT(Found != nullptr);
    return Found;
}

}  // namespace

THideOpts::THideOpts(QWidget& Window, std::vector<std::pair<TFeaturePart, QAction*>> Items, TfrmOptions& Options,
                     std::function<void()> FitClientHeight)
    : FOptions(Options), FFitClientHeight(std::move(FitClientHeight)), FItems(std::move(Items))
{
    for (const TWidgetPart& Panel : PanelParts)
        FPanels.emplace_back(Panel.Part, Named<QWidget>(Window, Panel.Name));
    FPageControl = Named<TButtonPageControl>(Window, "pgcControls");
    FEnterSheet = Named<QWidget>(Window, "tsValue");
    for (const TWidgetPart& Sheet : SheetParts)
        FSheets.emplace_back(Sheet.Part, Named<QWidget>(Window, Sheet.Name));
    FFilling = {Named<QAction>(Window, "Candidates1"), Named<QAction>(Window, "Filled1")};
}

void THideOpts::ApplyGameFeatures(const TGameFeatures& Game, const TViewOptions& View)
{
    const bool ShowLeds = FOptions.GetOption(optShowLeds);
    const bool ShowBars = FOptions.GetOption(optProgressBars);
    Put(GameFeatureView(FShown, Game, View, ShowLeds, ShowBars), true);
    FFitClientHeight();
}

void THideOpts::ApplyPencilFeatures(bool Shown, const TGameFeatures& Game, const TViewOptions& View)
{
    Put(PencilFeatureView(FShown, Shown, Game, View), false);
}

void THideOpts::Put(const TFeatureView& View, bool GameStart)
{
    FShown = View;
    for (const auto& [Part, Item] : FItems)
        Item->setVisible(View.Shows(Part));
    for (QAction* Item : FFilling)
        Item->setEnabled(View.MarkFillingEnabled);
    for (const auto& [Part, Panel] : FPanels)
        if (GameStart || (Part != P::LedPanel && Part != P::BarPanel))
            Panel->setVisible(View.Shows(Part));
    for (const auto& [Part, Sheet] : FSheets)
        FPageControl->SetTabVisible(Sheet, View.Shows(Part));
    FPageControl->SetActivePage(FEnterSheet);
    if (!GameStart)
        return;
    // The settings as a game start leaves them: every one made available,
    // then the game's taken away. The order counts: enabling the priority
    // pair settles it from both highlight boxes, disabling one leaves the
    // pair as it is.
    for (int Number : {optNoRemoveSoln, optInvalid, optIncorrect, optInvalidPriority})
        FOptions.SetOptionEnabled(Number, true);
    FOptions.SetColourEnabled(colInvalid, true);
    FOptions.SetColourEnabled(colIncorrect, true);
    if (!View.InvalidSettings) {
        FOptions.SetOptionEnabled(optInvalid, false);
        FOptions.SetOptionEnabled(optInvalidPriority, false);
        FOptions.SetColourEnabled(colInvalid, false);
    }
    if (!View.IncorrectSettings) {
        FOptions.SetOptionEnabled(optIncorrect, false);
        FOptions.SetOptionEnabled(optInvalidPriority, false);
        FOptions.SetColourEnabled(colIncorrect, false);
    }
    if (!View.ProtectSetting)
        FOptions.SetOptionEnabled(optNoRemoveSoln, false);
}
