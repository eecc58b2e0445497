// The record of games through the real window: a game solved is recorded
// once, with its time; the help it took is counted; Choose Game marks it and
// tells its record; the record outlives the window; a damaged file is put
// aside and told.
#include "MainWindowRig.h"

#include "RecordKeeper.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>

#include <gtest/gtest.h>

TEST(Records, ASolvedGameIsRecordedOnceWithItsHelpAndChooseGameShowsIt)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    const uint32_t Game = Main.GameRecord().GetGameNumber();
    ASSERT_NE(Main.Records().Records().Find(Game), nullptr) << "started on showing";
    EXPECT_EQ(Main.Records().Records().Find(Game)->Solved, 0);
    ASSERT_TRUE(Rig.Trigger("NextStep1"));
    ASSERT_TRUE(Rig.Trigger("SolvePyramid"));
    const TGameRecord Record = *Main.Records().Records().Find(Game);
    EXPECT_NE(Record.Solved, 0);
    EXPECT_EQ(Record.StepsShown, 1);
    EXPECT_EQ(Record.Solves, 1);
    // Solving again changes nothing of the first solving.
    ASSERT_TRUE(Rig.Trigger("SolvePyramid"));
    EXPECT_EQ(Main.Records().Records().Find(Game)->Solved, Record.Solved);
    EXPECT_EQ(Main.Records().Records().Find(Game)->SolvedInMs, Record.SolvedInMs);
    EXPECT_TRUE(Main.Records().Summary(Game).startsWith(QStringLiteral("Solved ")))
        << Main.Records().Summary(Game).toStdString();
    EXPECT_TRUE(Main.Records().Summary(Game).endsWith(QStringLiteral(", 1 step shown, solve commands used")));

    // The record outlives the window, and Choose Game shows it.
    Rig.Close();
    Rig.Start();
    ASSERT_NE(Rig.Main->Records().Records().Find(Game), nullptr);
    EXPECT_EQ(Rig.Main->Records().Records().Find(Game)->Solved, Record.Solved);
    Rig.Choose->SetCatalogue(Rig.Main->Catalogue());
    Rig.Choose->FillGames();
    auto* Games = Rig.Choose->findChild<QListWidget*>();
    ASSERT_NE(Games, nullptr);
    ASSERT_GT(Games->count(), 1);
    EXPECT_FALSE(Games->item(0)->icon().isNull());
    EXPECT_EQ(Games->item(0)->data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("solved"));
    EXPECT_TRUE(Games->item(1)->data(Qt::AccessibleDescriptionRole).toString().isEmpty());
    auto* Description = Rig.Choose->findChild<QLabel*>(QStringLiteral("lblDescription"));
    ASSERT_NE(Description, nullptr);
    EXPECT_TRUE(Description->text().contains(Rig.Main->Records().Summary(Game)));
}

TEST(Records, ADamagedFileIsPutAsideToldAndANewRecordBegun)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    const std::string File = Main.Records().FileName();
    Rig.Close();
    QFile::remove(ToQString(File));
    QFile Damaged(ToQString(File));
    ASSERT_TRUE(Damaged.open(QIODevice::WriteOnly));
    Damaged.write("Tavrel Sudoku records 1\ngame 101,1,2,3\ncheck 0000000000000000\n");
    Damaged.close();
    Rig.Start();
    EXPECT_EQ(Rig.Prompter.Messages.size(), 1u);
    EXPECT_TRUE(QFile::exists(ToQString(File) + QStringLiteral(".damaged")));
    ASSERT_NE(Rig.Main->Records().Records().Find(Rig.Main->GameRecord().GetGameNumber()), nullptr);
}
