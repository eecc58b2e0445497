// The per-game feature rules: the pure rules from a game's features and the
// view settings to what shows, and the bundled games through the real
// window and settings dialog.
#include "FeatureRules.h"
#include "GameFeatures.h"
#include "MainWindowRig.h"
#include "SettingsFileSupport.h"

#include "ButtonPageControl.h"
#include "Cell.h"
#include "MemoryStream.h"

#include <QMenu>

#include <gtest/gtest.h>

namespace {

using P = TFeaturePart;

bool Visible(TMainWindowRig& Rig, const char* Item)
{
    return Rig.Find<QAction>(Item)->isVisible();
}

TFeatureView Start(const TGameFeatures& Game, const TViewOptions& View = {}, const TFeatureView& Before = {})
{
    return GameFeatureView(Before, Game, View, true, true);
}

TGameFeatures PaperGame()
{
    TGameFeatures Game;
    Game.PlayControls = false;
    return Game;
}

}  // namespace

TEST(FeatureRulesPure, AGameOfferingEverythingShowsEverythingAndThePanelsFollowTheSettings)
{
    const TFeatureView All = Start({});
    EXPECT_EQ(All, TFeatureView{});
    const TFeatureView NoPanels = GameFeatureView({}, {}, {}, false, false);
    EXPECT_FALSE(NoPanels.Shows(P::LedPanel));
    EXPECT_FALSE(NoPanels.Shows(P::BarPanel));
    EXPECT_TRUE(NoPanels.Shows(P::ControlPanel));
    EXPECT_TRUE(NoPanels.Shows(P::Steps));
}

TEST(FeatureRulesPure, TheSolveSeparatorStaysWhileAnySolveCommandShows)
{
    TGameFeatures Game;
    Game.SolvePyramid = false;
    EXPECT_TRUE(Start(Game).Shows(P::SolveSeparator));
    Game.SolveChildren = false;
    EXPECT_TRUE(Start(Game).Shows(P::SolveSeparator));
    Game.SolveParent = false;
    const TFeatureView None = Start(Game);
    EXPECT_FALSE(None.Shows(P::SolveSeparator));
    // Nothing to solve, so no steps either.
    EXPECT_FALSE(None.Shows(P::Steps));
    // Only the whole pyramid's command taken away decides the separator.
    TGameFeatures OnlyPyramid;
    OnlyPyramid.SolveParent = false;
    OnlyPyramid.SolveChildren = false;
    const TFeatureView Pyramid = Start(OnlyPyramid);
    EXPECT_TRUE(Pyramid.Shows(P::SolveSeparator));
    EXPECT_TRUE(Pyramid.Shows(P::SolvePyramid));
    EXPECT_FALSE(Pyramid.Shows(P::SolveParent));
    EXPECT_FALSE(Pyramid.Shows(P::SolveChildren));
    EXPECT_TRUE(Pyramid.Shows(P::Steps));
}

TEST(FeatureRulesPure, ThePriorityPairGoesWithEitherHighlightAndComesBackWithBoth)
{
    TGameFeatures Game;
    Game.InvalidHighlighting = false;
    TFeatureView Shown = Start(Game);
    EXPECT_FALSE(Shown.InvalidSettings);
    EXPECT_TRUE(Shown.IncorrectSettings);
    EXPECT_FALSE(Shown.PrioritySettings);
    Game = {};
    Game.IncorrectHighlighting = false;
    Shown = Start(Game, {}, Shown);
    EXPECT_TRUE(Shown.InvalidSettings);
    EXPECT_FALSE(Shown.IncorrectSettings);
    EXPECT_FALSE(Shown.PrioritySettings);
    Shown = Start({}, {}, Shown);
    EXPECT_TRUE(Shown.InvalidSettings && Shown.IncorrectSettings && Shown.PrioritySettings);
    Game = {};
    Game.ProtectSolution = false;
    EXPECT_FALSE(Start(Game).ProtectSetting);
}

TEST(FeatureRulesPure, HiddenMarksHideEveryPencilAidAndShowingThemBringsBackWhatTheGameOffers)
{
    TGameFeatures Game;
    Game.AutoPencilSeparate = false;
    TViewOptions View;
    View.HidePencilMarks = true;
    const TFeatureView Started = Start(Game, View);
    const TFeatureView Hidden = PencilFeatureView(Started, false, Game, View);
    for (P Part :
         {P::AutoPencilLinked, P::AutoPencilSeparate, P::UserMarks, P::MarkFilling, P::PencilSheets, P::HiLites})
        EXPECT_FALSE(Hidden.Shows(Part)) << static_cast<int>(Part);
    // A screen game keeps its View menu for "&Hide Pencil Marks".
    EXPECT_TRUE(Hidden.Shows(P::ViewMenu));
    EXPECT_TRUE(Hidden.Shows(P::Steps));
    const TFeatureView Again = PencilFeatureView(Hidden, true, Game, {});
    EXPECT_EQ(Again, Started);
    EXPECT_FALSE(Again.Shows(P::AutoPencilSeparate));
}

TEST(FeatureRulesPure, APaperGameDecidesTheViewMenuAndLeavesTheLinkedAutoPencilAsItWas)
{
    TGameFeatures NoLinked;
    NoLinked.AutoPencilLinked = false;
    const TFeatureView Before = Start(NoLinked);
    ASSERT_FALSE(Before.Shows(P::AutoPencilLinked));
    const TFeatureView Paper = Start(PaperGame(), {}, Before);
    EXPECT_FALSE(Paper.Shows(P::AutoPencilLinked));
    EXPECT_TRUE(Start(PaperGame(), {}, TFeatureView{}).Shows(P::AutoPencilLinked));
    for (P Part : {P::ControlPanel, P::LedPanel, P::BarPanel, P::EditMenu, P::Steps})
        EXPECT_FALSE(Paper.Shows(Part)) << static_cast<int>(Part);
    EXPECT_TRUE(Paper.Shows(P::ViewMenu));
    EXPECT_TRUE(Paper.Shows(P::Printing));
    // Its marks hidden, a paper game has nothing left in the View menu.
    EXPECT_FALSE(PencilFeatureView(Paper, false, PaperGame(), {}).Shows(P::ViewMenu));
    // A screen game after it.
    TGameFeatures Screen;
    Screen.Printing = false;
    const TFeatureView Next = Start(Screen, {}, Paper);
    EXPECT_FALSE(Next.Shows(P::Printing));
    EXPECT_TRUE(Next.Shows(P::ViewMenu));
    EXPECT_TRUE(Next.Shows(P::ControlPanel));
}

TEST(FeatureRulesPure, TheUserMarksTakeTheFillingAwayAndAMissingLinkedAutoPencilSetsTheStyle)
{
    TViewOptions View;
    View.PencilStyle = TPencilStyle::UserMarksSeparate;
    EXPECT_FALSE(Start({}, View).MarkFillingEnabled);
    View.PencilStyle = TPencilStyle::None;
    EXPECT_TRUE(Start({}, View).MarkFillingEnabled);
    EXPECT_FALSE(GameSetsPencilStyle(Start({})));
    TGameFeatures NoLinked;
    NoLinked.AutoPencilLinked = false;
    EXPECT_TRUE(GameSetsPencilStyle(Start(NoLinked)));
}

TEST(FeatureRules, EveryChangeOfTheMarkStyleShowsTheEnterSheet)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    for (const char* Item : {"UserMarksLinked1", "HidePencilMarks1", "HidePencilMarks1", "AutoPencilSeparate1"}) {
        Main.PageControl()->SetActivePage(Rig.Find<QWidget>("tsPencil"));
        ASSERT_TRUE(Rig.Trigger(Item)) << Item;
        EXPECT_EQ(Main.PageControl()->ActivePage(), Rig.Find<QWidget>("tsValue")) << Item;
    }
    // Hidden marks take the Pencil, Erase and Hi Lite sheets away.
    ASSERT_TRUE(Rig.Trigger("HidePencilMarks1"));
    for (const char* Sheet : {"tsPencil", "tsErase", "tsHiLite"})
        EXPECT_FALSE(Main.PageControl()->IsTabVisible(Rig.Find<QWidget>(Sheet))) << Sheet;
    EXPECT_FALSE(Visible(Rig, "UserMarksLinked1"));
    EXPECT_FALSE(Visible(Rig, "AutoPencilLinked1"));
}

TEST(FeatureRules, EachBundledGameShowsWhatItOffers)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    // A screen game: no printing.
    EXPECT_FALSE(Visible(Rig, "Print1"));
    EXPECT_FALSE(Visible(Rig, "SaveBookletPdf1"));

    // Paper, printing only, offering the separate auto pencil alone.
    Main.LoadGame(4, 401);
    EXPECT_TRUE(Visible(Rig, "Print1"));
    EXPECT_FALSE(Rig.Find<QWidget>("pnlControls")->isVisibleTo(&Main));
    EXPECT_FALSE(Visible(Rig, "mnuEditItem"));
    EXPECT_TRUE(Visible(Rig, "mnuViewItem"));
    EXPECT_TRUE(Visible(Rig, "AutoPencilSeparate1"));
    // No auto pencil (linked) offered: the view falls back to user marks.
    EXPECT_TRUE(Rig.Find<QAction>("UserMarksLinked1")->isChecked());
    // Only the grids: the window closes up round them.
    EXPECT_EQ(Main.centralWidget()->height(), 394);

    // Both printing and the playing controls.
    Main.LoadGame(4, 402);
    EXPECT_TRUE(Visible(Rig, "Print1"));
    EXPECT_TRUE(Rig.Find<QWidget>("pnlControls")->isVisibleTo(&Main));
    EXPECT_TRUE(Visible(Rig, "mnuEditItem"));

    // No solving help: no solve command and no separator above them.
    Main.LoadGame(4, 403);
    for (const char* Item : {"SolveChild", "SolveChildren", "SolveMaster", "SolvePyramid", "N9"})
        EXPECT_FALSE(Visible(Rig, Item)) << Item;

    // No highlights: settings 8, 9 and 10 read false, stored true.
    Main.LoadGame(4, 404);
    for (int Number : {optInvalid, optIncorrect, optInvalidPriority}) {
        EXPECT_FALSE(Rig.Options->GetOption(Number)) << Number;
        EXPECT_TRUE(Rig.Options->GetStoredOption(Number)) << Number;
    }
    Rig.Options->EnsureControls();
    EXPECT_FALSE(Rig.Options->findChild<QWidget*>(QStringLiteral("colInvalid"))->isEnabled());
    EXPECT_FALSE(Main.PageControl()->IsTabVisible(Rig.Find<QWidget>("tsHiLite")));
    EXPECT_FALSE(Visible(Rig, "HiLites1Item"));
    EXPECT_TRUE(Visible(Rig, "SolvePyramid"));

    // Own marks only: no auto pencil, and setting 7 is off.
    Main.LoadGame(4, 405);
    EXPECT_FALSE(Visible(Rig, "AutoPencilLinked1"));
    EXPECT_FALSE(Visible(Rig, "AutoPencilSeparate1"));
    EXPECT_FALSE(Rig.Options->GetOption(optNoRemoveSoln));
    EXPECT_TRUE(Rig.Options->GetStoredOption(optNoRemoveSoln));
    EXPECT_TRUE(Rig.Find<QAction>("UserMarksLinked1")->isChecked());
    EXPECT_EQ(Rig.PuzzleAt(0).MarkStyle(), msUserMarksLinked);

    // A full game after them brings everything back.
    Main.LoadGame(2, 201);
    EXPECT_TRUE(Rig.Options->GetOption(optInvalid));
    EXPECT_TRUE(Rig.Options->GetOption(optNoRemoveSoln));
    EXPECT_TRUE(Main.PageControl()->IsTabVisible(Rig.Find<QWidget>("tsHiLite")));
    EXPECT_TRUE(Visible(Rig, "AutoPencilLinked1"));
    EXPECT_TRUE(Visible(Rig, "SolveMaster"));
    EXPECT_EQ(Main.centralWidget()->height(), 21 + 394 + 55 + 84 + TfrmMain::StepPanelHeight);
}

TEST(FeatureRules, APaperGameWithoutTheSeparateAutoPencilHidesTheViewMenu)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    // Game 401 offers the separate style; take it away in a copy of its record.
    Main.LoadGame(4, 401);
    TPuzzleInfo Record;
    Record.Assign(Main.GameRecord());
    Record.SetPencilFlags(0);
    std::vector<uint8_t> Stream(176 * 10);
    // The pyramid kept: a record whose rebuild flag is not 1 reuses it.
    Record.SetRebuildFlag(0);
    for (int Index = 0; Index <= 9; ++Index)
        for (int Cell = 0; Cell < 81; ++Cell)
            Stream[static_cast<size_t>(Index * 176 + 12 + Cell)] =
                static_cast<uint8_t>(Rig.PuzzleAt(Index).CellByIndex(Cell)->GetSolution());
    TMemoryStream Source(Stream);
    Main.StartGame(Record, Source);
    EXPECT_FALSE(Visible(Rig, "mnuViewItem"));
    // A screen game after it shows the View menu again.
    Main.LoadGame(1, 101);
    EXPECT_TRUE(Visible(Rig, "mnuViewItem"));
}

TEST(FeatureRules, WhatAGameForcesShowsWhileItIsPlayedAndIsNeverStored)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    // A paper game offering no linked auto pencil shows the player's marks.
    Main.LoadGame(4, 401);
    EXPECT_TRUE(Rig.Find<QAction>("UserMarksLinked1")->isChecked());
    // The next game that offers the stored style shows it again.
    Main.LoadGame(4, 402);
    EXPECT_TRUE(Rig.Find<QAction>("AutoPencilLinked1")->isChecked());
    EXPECT_EQ(Rig.PuzzleAt(0).MarkStyle(), msAutoPencilLinked);
    auto Stored = StoredValues(Rig.SettingsFile);
    EXPECT_EQ(Stored[QStringLiteral("Options/AutoPencilLinked")], QStringLiteral("1"));
    EXPECT_EQ(Stored[QStringLiteral("Options/UserMarksLinked")], QStringLiteral("0"));

    // Another view choice made while a game forces the style stores that
    // choice, not the forced style.
    Main.LoadGame(4, 405);
    ASSERT_TRUE(Rig.Trigger("Childonly1"));
    Stored = StoredValues(Rig.SettingsFile);
    EXPECT_EQ(Stored[QStringLiteral("Options/HiLiteChildOnly")], QStringLiteral("1"));
    EXPECT_EQ(Stored[QStringLiteral("Options/AutoPencilLinked")], QStringLiteral("1"));
    // A style the player picks is the player's.
    ASSERT_TRUE(Rig.Trigger("UserMarksSeparate1"));
    Stored = StoredValues(Rig.SettingsFile);
    EXPECT_EQ(Stored[QStringLiteral("Options/UserMarksSeparate")], QStringLiteral("1"));
    EXPECT_EQ(Stored[QStringLiteral("Options/AutoPencilLinked")], QStringLiteral("0"));
    Main.LoadGame(4, 402);
    EXPECT_TRUE(Rig.Find<QAction>("UserMarksSeparate1")->isChecked());
}

TEST(FeatureRules, SettingsCancelledKeepTheHighlightControlsAGameTookAway)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.LoadGame(4, 404);
    bool Enabled = true;
    RunSettings(Rig, false, [] {});
    RunSettings(Rig, false, [&] {
        Enabled = Rig.Options->findChild<QWidget*>(QStringLiteral("rbInvalidPriority1"))->isEnabled() ||
                  Rig.Options->findChild<QWidget*>(QStringLiteral("rbIncorrectPriority1"))->isEnabled();
    });
    EXPECT_FALSE(Enabled);
    EXPECT_FALSE(Rig.Options->GetOption(optInvalidPriority));
}
