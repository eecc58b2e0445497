// The record of games through the real window: a game solved is recorded
// once, with its time; the help it took is counted; Choose Game marks it and
// tells its record; the record outlives the window; a damaged file is put
// aside and told; the statistics window counts the games by grade and by
// issue.
#include "MainWindowRig.h"

#include "GamesFile.h"
#include "HelpWindow.h"
#include "RecordKeeper.h"
#include "Statistics.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

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

TEST(Records, TheStatisticsWindowCountsTheGamesByGradeAndByIssue)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    const TGamesDataFile& Catalogue = *Main.Catalogue();
    // The first game solved with help; two more of the first issue solved
    // without.
    const std::vector<TGameEntry>& First = Catalogue.Issue(0).Games();
    ASSERT_GE(First.size(), 3u);
    ASSERT_EQ(Main.GameRecord().GetGameNumber(), First[0].GetGameNumber());
    ASSERT_TRUE(Rig.Trigger("SolvePyramid"));
    const int64_t Helped = Main.Records().Records().Find(First[0].GetGameNumber())->SolvedInMs;
    Main.Records().Solved(First[1].GetGameNumber(), 3000000);
    Main.Records().Solved(First[2].GetGameNumber(), 1000000);
    uint32_t Total = 0;
    size_t IssuesWithGames = 0;
    for (int Index = 0; Index < Catalogue.IssueCount(); ++Index) {
        Total += static_cast<uint32_t>(Catalogue.Issue(Index).Games().size());
        IssuesWithGames += !Catalogue.Issue(Index).Games().empty();
    }

    std::vector<TfrmStatistics::TLine> Grades, Issues;
    QString Summary, LastGradeRow, HelpPage;
    int GradeRows = 0;
    QTimer::singleShot(0, [&] {
        auto* Window = qobject_cast<TfrmStatistics*>(QApplication::activeModalWidget());
        ASSERT_NE(Window, nullptr);
        Grades = Window->GradeLines();
        Issues = Window->IssueLines();
        Summary = Window->findChild<QLabel*>(QStringLiteral("lblSummary"))->text();
        auto* Table = Window->findChild<QTableWidget*>(QStringLiteral("grdGrades"));
        GradeRows = Table->rowCount();
        for (int Column = 0; Column < Table->columnCount(); ++Column)
            LastGradeRow += Table->item(Table->rowCount() - 1, Column)->text() + QLatin1Char('|');
        QTest::mouseClick(Window->findChild<QPushButton*>(QStringLiteral("btnHelp")), Qt::LeftButton);
        HelpPage = HelpWindow() != nullptr ? HelpWindow()->CurrentPage().fileName() : QString();
        QTest::mouseClick(Window->findChild<QPushButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
    });
    ASSERT_TRUE(Rig.Trigger("Statistics1"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Close closes the window";
    EXPECT_EQ(HelpPage, QStringLiteral("records.html"));

    EXPECT_EQ(Summary, QStringLiteral("You have solved 3 of %1 games, 2 of them without help.").arg(Total));
    // One line a grade the catalogue has, then all games.
    ASSERT_FALSE(Grades.empty());
    EXPECT_EQ(GradeRows, static_cast<int>(Grades.size()) + 1);
    uint32_t Graded = 0;
    int Solved = 0;
    for (const TfrmStatistics::TLine& Line : Grades) {
        Graded += static_cast<uint32_t>(Line.Tally.Games);
        Solved += Line.Tally.Solved;
        EXPECT_NE(Line.Name, QStringLiteral("Other games")) << "every bundled game names its grade";
    }
    EXPECT_EQ(Graded, Total);
    EXPECT_EQ(Solved, 3);
    EXPECT_EQ(Grades.front().Name, QStringLiteral("Singles"));
    const QString Best = TRecordKeeper::Duration(std::min<int64_t>(Helped, 1000000));
    const QString Median = TRecordKeeper::Duration(std::clamp<int64_t>(Helped, 1000000, 3000000));
    EXPECT_EQ(LastGradeRow, QStringLiteral("All games|3 of %1|%2|%3|2|").arg(Total).arg(Best, Median));

    // The first issue holds all three; the others none.
    ASSERT_EQ(Issues.size(), IssuesWithGames);
    EXPECT_EQ(Issues[0].Tally.Solved, 3);
    EXPECT_EQ(Issues[0].Tally.SolvedWithoutHelp, 2);
    EXPECT_EQ(Issues[0].Tally.Games, static_cast<int>(First.size()));
    for (size_t Index = 1; Index < Issues.size(); ++Index)
        EXPECT_EQ(Issues[Index].Tally.Solved, 0) << Issues[Index].Name.toStdString();
    if (HelpWindow() != nullptr)
        HelpWindow()->close();
}
