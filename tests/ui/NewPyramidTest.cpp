// New pyramids through the real window: Ctrl+N and the dialog, the made
// game played, saved, restarted and loaded again, listed in "Choose Game"
// after a restart and deleted there, a damaged file of made games, and the
// progress dialog of a slow one.

#include "MainWindowRig.h"

#include "Cell.h"
#include "GridImage.h"
#include "MadeGamesFormat.h"
#include "NewPyramidController.h"
#include "NewPyramidDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

// Answers the New Pyramid dialog once it shows: Layout and Grade, then OK.
void AnswerDialog(TMainWindowRig& Rig, int Layout, const TGrade& Grade)
{
    QTimer::singleShot(0, [&Rig, Layout, Grade] {
        TfrmNewPyramid* Dialog = Rig.Main->NewPyramid()->Dialog();
        EXPECT_TRUE(Dialog->isVisible());
        Dialog->LayoutBox()->setCurrentIndex(Dialog->LayoutBox()->findData(Layout));
        Dialog->GradeBox()->setCurrentIndex(Dialog->GradeBox()->findData(Grade.Level + (Grade.Pyramid ? 3 : 0)));
        auto* Ok = Dialog->findChild<QPushButton*>(QStringLiteral("btnOk"));
        QTest::mouseClick(Ok, Qt::LeftButton);
    });
}

// Counts the paint events of a widget.
class TPaintCounter : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        Paints += Event->type() == QEvent::Paint;
        return QObject::eventFilter(Watched, Event);
    }
};

std::vector<int> Values(const TMainWindowRig& Rig)
{
    std::vector<int> Cells;
    for (int Index = 0; Index <= Rig.Pyramid().ChildCount(); ++Index)
        for (int Cell = 0; Cell < 81; ++Cell)
            Cells.push_back(Rig.PuzzleAt(Index).CellByIndex(Cell)->GetValue());
    return Cells;
}

// Enters the solution digit of the first empty cell of child 2 by clicks.
void EnterOne(TMainWindowRig& Rig)
{
    Rig.Main->ChooseChildBox()->setChecked(false);
    Rig.Trigger("mnuChild2");
    for (int Cell = 0; Cell < 81; ++Cell) {
        const TCell& Place = *Rig.PuzzleAt(2).CellByIndex(Cell);
        if (Place.GetValue() == 0) {
            Rig.Press(QStringLiteral("sbValue%1").arg(Place.GetSolution()).toLatin1().constData());
            Rig.ClickCell(false, Cell / 9, Cell % 9);
            return;
        }
    }
}

QStringList ChooseGameLines(TMainWindowRig& Rig)
{
    Rig.Choose->SetCatalogue(Rig.Main->Catalogue());
    Rig.Choose->FillGames();
    QStringList Lines;
    auto* List = Rig.Choose->findChild<QListWidget*>(QStringLiteral("lbxGames"));
    for (int Row = 0; Row < List->count(); ++Row)
        Lines << List->item(Row)->text();
    return Lines;
}

TEST(NewPyramid, CtrlNMakesAGameThatIsPlayedSavedAndFoundAgainAfterARestart)
{
    TMainWindowRig Rig({QStringLiteral("TAVREL01.ISS")});
    TfrmMain& Main = Rig.Start();
    const TGrade Pairs{mlLockedPairs, false};
    AnswerDialog(Rig, 3, Pairs);
    Rig.Key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(Main.XLink(), nullptr);
    EXPECT_EQ(Main.GameRecord().GetIssueNumber(), MadeIssueNumber);
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), FirstMadeGameNumber);
    EXPECT_EQ(Main.GameRecord().GetLayoutType(), 3);
    EXPECT_TRUE(Main.GameName().startsWith(QStringLiteral("Box centres, Locked Pairs, ")))
        << Main.GameName().toStdString();
    EXPECT_TRUE(Main.Saved());
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
    // The choice is remembered for the next time.
    EXPECT_EQ(Main.Store().ReadNewPyramidChoice().Layout, 3);
    EXPECT_EQ(Main.Store().ReadNewPyramidChoice().Grade, Pairs);

    EnterOne(Rig);
    ASSERT_FALSE(Main.Saved());
    const QString FileName = NewScratchFolder(QStringLiteral("saves")) + QStringLiteral("/made.sav");
    Rig.Prompter.SaveNames.push_back(FileName);
    ASSERT_TRUE(Rig.Trigger("Save1"));
    ASSERT_TRUE(Main.Saved());
    const std::vector<int> Played = Values(Rig);
    std::vector<int> Givens;
    for (int Cell = 0; Cell < 81; ++Cell)
        Givens.push_back(Rig.PuzzleAt(4).CellByIndex(Cell)->GetRevealed());

    // Restarted: the last saved game comes back, and after another game the
    // save loads again with the same givens and entries.
    Rig.Close();
    TfrmMain& Again = Rig.Start();
    EXPECT_EQ(Values(Rig), Played);
    Again.LoadGame(1, 101);
    ASSERT_NE(Values(Rig), Played);
    Again.LoadSavedGame(FileName);
    EXPECT_EQ(Values(Rig), Played);
    EXPECT_EQ(Again.GameRecord().GetGameNumber(), FirstMadeGameNumber);
    for (int Cell = 0; Cell < 81; ++Cell)
        EXPECT_EQ(Rig.PuzzleAt(4).CellByIndex(Cell)->GetRevealed(), Givens[static_cast<size_t>(Cell)] != 0);
    // "Choose Game" lists it after the publisher's games.
    const QStringList Lines = ChooseGameLines(Rig);
    ASSERT_EQ(Lines.size(), 15);
    EXPECT_EQ(Lines.back(), Again.GameName());
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
}

TEST(NewPyramid, MadeGamesAreDeletedAfterAskingAndPublishersGamesCannotBe)
{
    TMainWindowRig Rig({QStringLiteral("TAVREL01.ISS")});
    TfrmMain& Main = Rig.Start();
    for (int Layout : {0, 7}) {
        AnswerDialog(Rig, Layout, TGrade{});
        ASSERT_TRUE(Rig.Trigger("NewPyramid1"));
    }
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), FirstMadeGameNumber + 1);
    ASSERT_EQ(ChooseGameLines(Rig).size(), 16);
    auto* List = Rig.Choose->findChild<QListWidget*>(QStringLiteral("lbxGames"));
    auto* Delete = Rig.Choose->findChild<QPushButton*>(QStringLiteral("btnDelete"));
    List->setCurrentRow(0);
    EXPECT_FALSE(Delete->isEnabled());
    List->setCurrentRow(14);
    ASSERT_TRUE(Delete->isEnabled());
    // "No" keeps it; "Yes" deletes it and the list follows.
    Rig.Prompter.Answers.push_back(TAnswer::No);
    QTest::mouseClick(Delete, Qt::LeftButton);
    EXPECT_EQ(List->count(), 16);
    Rig.Prompter.Answers.push_back(TAnswer::Yes);
    QTest::mouseClick(Delete, Qt::LeftButton);
    ASSERT_EQ(Rig.Prompter.Confirmations.size(), 2u);
    EXPECT_TRUE(Rig.Prompter.Confirmations[1].contains(QStringLiteral("Centres, Singles, ")));
    EXPECT_EQ(List->count(), 15);
    EXPECT_FALSE(Main.Catalogue()->ListsGame(FirstMadeGameNumber));
    EXPECT_TRUE(Main.Catalogue()->ListsGame(FirstMadeGameNumber + 1));
    // After a restart the deleted game stays gone; the next one gets a new
    // number.
    Rig.Close();
    Rig.Start();
    EXPECT_EQ(ChooseGameLines(Rig).size(), 15);
    AnswerDialog(Rig, 1, TGrade{});
    ASSERT_TRUE(Rig.Trigger("NewPyramid1"));
    EXPECT_EQ(Rig.Main->GameRecord().GetGameNumber(), FirstMadeGameNumber + 2);
}

TEST(NewPyramid, DamagedFileOfMadeGamesIsNamedAndThePublishersGamesPlayOn)
{
    TMainWindowRig Rig({QStringLiteral("TAVREL01.ISS")});
    Rig.Start();
    AnswerDialog(Rig, 0, TGrade{});
    ASSERT_TRUE(Rig.Trigger("NewPyramid1"));
    Rig.Close();
    const QString Made = QString::fromStdString(Rig.ProgramFolder) + QStringLiteral("ISSUES/MYGAMES.DAT");
    QFile File(Made);
    ASSERT_TRUE(File.open(QIODevice::ReadWrite));
    File.seek(200);
    File.write("damage");
    File.close();

    TfrmMain& Main = Rig.Start();
    ASSERT_EQ(Rig.Prompter.Messages.size(), 1u);
    EXPECT_TRUE(Rig.Prompter.Messages[0].Text.contains(QStringLiteral("MYGAMES.DAT")));
    // The last game is gone with the file; a publisher's game is on the
    // board and the list holds only the publisher's games.
    ASSERT_NE(Main.XLink(), nullptr);
    EXPECT_EQ(Main.GameRecord().GetIssueNumber(), 1u);
    EXPECT_EQ(ChooseGameLines(Rig).size(), 14);
    Main.LoadGame(1, 105);
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), 105u);
}

TEST(NewPyramid, SlowOneShowsProgressThatCancelsAndTheWindowPaintsMeanwhile)
{
    TMainWindowRig Rig({QStringLiteral("TAVREL01.ISS")});
    TfrmMain& Main = Rig.Start();
    const uint32_t Before = Main.GameRecord().GetGameNumber();
    // A maker that waits for its cancel flag, as a slow generator would.
    Main.NewPyramid()->SetMaker([](const TNewPyramidRequest&, const std::atomic<bool>* Cancel) -> TNewPyramid {
        while (!*Cancel)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        throw EGenerationCancelled();
    });
    TPaintCounter Counter;
    Main.ParentImage()->installEventFilter(&Counter);
    bool Shown = false;
    int Ticks = 0;
    QTimer Watch;
    QObject::connect(&Watch, &QTimer::timeout, [&] {
        // The window paints what it is asked to while the pyramid is made.
        Main.ParentImage()->update();
        QProgressDialog* Progress = Main.NewPyramid()->Progress();
        if (Progress == nullptr || Shown || ++Ticks < 3)
            return;
        Shown = true;
        EXPECT_TRUE(Progress->isVisible());
        QTest::mouseClick(Progress->findChild<QPushButton*>(), Qt::LeftButton);
    });
    Watch.start(50);
    const auto Start = std::chrono::steady_clock::now();
    EXPECT_FALSE(Main.NewPyramid()->Make(TNewPyramidRequest{}));
    const auto Waited = std::chrono::steady_clock::now() - Start;
    Main.ParentImage()->removeEventFilter(&Counter);
    EXPECT_TRUE(Shown);
    EXPECT_GE(Counter.Paints, 5);
    EXPECT_GE(Waited, std::chrono::milliseconds(TNewPyramidController::ProgressDelayMs));
    // Cancelled: no message, no game kept, the game on the board stays.
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), Before);
    EXPECT_FALSE(Main.Catalogue()->ListsGame(FirstMadeGameNumber));
}

}  // namespace
