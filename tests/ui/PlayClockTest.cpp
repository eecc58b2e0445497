// The time played through the real window: the timer at the end of the step
// line, stored; the pause covering the grids, told to a screen reader as a
// notification, keeping keys off them and
// stopping the count until Pause or a click; and the count going on across
// another game, a save and a load.
#include "MainWindowRig.h"

#include "Cell.h"
#include "RecordKeeper.h"

#include <QAccessible>
#include <QLabel>

#include <gtest/gtest.h>

TEST(PlayClock, TheTimerTakesTheEndOfTheStepLineAndIsKept)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    auto* Line = Rig.Find<QLabel>("lblStep");
    auto* Timer = Rig.Find<QLabel>("lblTimer");
    ASSERT_NE(Timer, nullptr);
    const int Width = Line->width();
    EXPECT_FALSE(Timer->isVisibleTo(&Main)) << "off until asked for";
    ASSERT_TRUE(Rig.Trigger("Timer1"));
    EXPECT_TRUE(Timer->isVisibleTo(&Main));
    EXPECT_EQ(Line->width(), Width - TPlayClock::TimerWidth);
    EXPECT_EQ(Timer->geometry().right(), Line->geometry().right() + TPlayClock::TimerWidth);
    EXPECT_EQ(Timer->text(), Main.PlayClock().TimerText());
    EXPECT_EQ(Timer->accessibleName(), QStringLiteral("Time played"));
    Rig.Close();
    Rig.Start();
    EXPECT_TRUE(Rig.Find<QLabel>("lblTimer")->isVisibleTo(Rig.Main.get()));
    ASSERT_TRUE(Rig.Trigger("Timer1"));
    EXPECT_EQ(Rig.Find<QLabel>("lblStep")->width(), Width);
}

TEST(PlayClock, PauseCoversTheGridsAndStopsTheCountUntilPauseOrAClick)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.PlayClock().SetActive(true);
    auto* Cover = Rig.Find<QLabel>("lblPaused");
    ASSERT_NE(Cover, nullptr);
    ASSERT_TRUE(Rig.Trigger("Pause1"));
    EXPECT_TRUE(Main.PlayClock().Paused());
    EXPECT_TRUE(Cover->isVisibleTo(&Main));
    EXPECT_EQ(Cover->geometry(), Rig.Find<QWidget>("pnl2Grids")->rect());
    // A screen reader is told as a notification, which it speaks as it shows.
    QAccessibleInterface* Told = QAccessible::queryAccessibleInterface(Cover);
    ASSERT_NE(Told, nullptr);
    EXPECT_EQ(Told->role(), QAccessible::Notification);
    EXPECT_EQ(Told->text(QAccessible::Name), QStringLiteral("Paused"));
    const int64_t Stopped = Main.PlayClock().PlayedMs();
    QTest::qWait(30);
    EXPECT_EQ(Main.PlayClock().PlayedMs(), Stopped);
    // Keys reach no grid while it is covered.
    TCell* Free = nullptr;
    for (int Index = 0; Index < 81 && Free == nullptr; ++Index)
        if (Rig.PuzzleAt(0).CellByIndex(Index)->GetValue() == 0)
            Free = Rig.PuzzleAt(0).CellByIndex(Index);
    ASSERT_NE(Free, nullptr);
    const std::string Before = Rig.PuzzleAt(0).EntriesToString();
    Rig.Key(Qt::Key_Right, {});
    Rig.Key(Qt::Key_0 + Free->GetSolution(), {});
    EXPECT_EQ(Rig.PuzzleAt(0).EntriesToString(), Before);
    ASSERT_TRUE(Rig.Trigger("Pause1"));
    EXPECT_FALSE(Cover->isVisibleTo(&Main));
    QTest::qWait(30);
    EXPECT_GT(Main.PlayClock().PlayedMs(), Stopped);
    // A click on the cover ends the pause too.
    ASSERT_TRUE(Rig.Trigger("Pause1"));
    QTest::mouseClick(Cover, Qt::LeftButton, {}, Cover->rect().center());
    EXPECT_FALSE(Main.PlayClock().Paused());
    EXPECT_FALSE(Cover->isVisibleTo(&Main));
}

TEST(PlayClock, TheTimePlayedGoesOnAcrossAnotherGameASaveAndALoad)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    const uint32_t Game = Main.GameRecord().GetGameNumber();
    Main.PlayClock().StartCount(3723000);
    EXPECT_EQ(Main.PlayClock().TimerText(), QStringLiteral("1:02:03"));
    const QString File = QString::fromStdString(Rig.ProgramFolder) + QStringLiteral("Grids/timed.sav");
    Rig.Prompter.SaveNames.push_back(File);
    ASSERT_TRUE(Rig.Trigger("Save1"));
    Main.LoadGame(2, 201);
    EXPECT_GE(Main.Records().PlayedMs(Game), 3723000);
    EXPECT_LT(Main.PlayClock().PlayedMs(), 3723000);
    Main.LoadSavedGame(File);
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), Game);
    EXPECT_GE(Main.PlayClock().PlayedMs(), 3723000);
}
