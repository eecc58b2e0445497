// The game kept safe from an unclean end, through the real window: offered
// back after a crash exactly as it was, removed by a clean close or a No, a
// damaged file told and removed, and two windows keeping files of their own.
#include "MainWindowRig.h"

#include "Cell.h"
#include "ButtonPageControl.h"
#include "RecoveryFile.h"

#include <QCheckBox>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Right and wrong values on the parent and child 2, one taken back.
void PlaySome(TMainWindowRig& Rig)
{
    TfrmMain& Main = *Rig.Main;
    Main.ChooseChildBox()->setChecked(false);
    for (int Puzzle : {0, 2}) {
        Main.SelectChild(Puzzle == 0 ? 1 : Puzzle);
        int Made = 0;
        for (int Index = 0; Index < 81 && Made < 3; ++Index) {
            TCell& Cell = *Rig.PuzzleAt(Puzzle).CellByIndex(Index);
            if (Cell.GetValue() != 0)
                continue;
            Rig.Hover(Puzzle == 0, Index / 9, Index % 9);
            Rig.Key(Qt::Key_0 + (Made == 1 ? Cell.GetSolution() % 9 + 1 : Cell.GetSolution()), {});
            ++Made;
        }
    }
    Rig.Trigger("Undo1");
    Rig.Key(Qt::Key_6, Qt::ControlModifier);
}

std::vector<std::string> Entries(TMainWindowRig& Rig)
{
    std::vector<std::string> Lines;
    for (int Index = 0; Index <= Rig.Pyramid().ChildCount(); ++Index) {
        TPuzzle& Puzzle = Rig.PuzzleAt(Index);
        Lines.push_back(Puzzle.EntriesToString() + Puzzle.UserMarksToString() + Puzzle.ErasuresToString());
        Lines.push_back(std::to_string(Puzzle.UndoCount()) + "/" + std::to_string(Puzzle.RedoCount()));
    }
    return Lines;
}

}  // namespace

TEST(Recovery, AGameEndedUncleanlyIsOfferedBackExactlyAsItWas)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.LoadGame(2, 201);
    PlaySome(Rig);
    const std::vector<std::string> Played = Entries(Rig);
    const int Child = Main.CurrentChild();
    // Written within a second of the change, without a word.
    const std::string File = Main.Recovery().FileName();
    ASSERT_FALSE(File.empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(ToQString(File)); }, 3000));
    Rig.Crash();

    Rig.Prompter.Answers.push_back(TAnswer::Yes);
    TfrmMain& Again = Rig.Start();
    ASSERT_EQ(Rig.Prompter.Confirmations.size(), 1u);
    EXPECT_TRUE(Rig.Prompter.Confirmations[0].startsWith(
        QStringLiteral("The game \"%1\" was not closed properly.").arg(Again.GameName())))
        << Rig.Prompter.Confirmations[0].toStdString();
    EXPECT_EQ(Again.GameRecord().GetGameNumber(), 201u);
    EXPECT_EQ(Entries(Rig), Played);
    EXPECT_EQ(Again.CurrentChild(), Child);
    EXPECT_EQ(Again.ParentGrid()->Highlight(), 6);
    EXPECT_FALSE(Again.Saved());
    EXPECT_TRUE(Rig.Find<QAction>("Redo1")->isEnabled());
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
    // Redo goes on from where the crash left it.
    ASSERT_TRUE(Rig.Trigger("Redo1"));

    // A clean close removes the file, whatever was answered.
    Rig.Prompter.Answers.push_back(TAnswer::No);
    const std::string Kept = Again.Recovery().FileName();
    Again.Recovery().WriteNow();
    ASSERT_TRUE(QFile::exists(ToQString(Kept)));
    EXPECT_TRUE(Again.close());
    EXPECT_FALSE(QFile::exists(ToQString(Kept)));
    Rig.Crash();
    Rig.Prompter.Confirmations.clear();
    Rig.Start();
    EXPECT_TRUE(Rig.Prompter.Confirmations.empty());
    // A game as it came, or as saved, leaves nothing to recover.
    Rig.Main->Recovery().WriteNow();
    EXPECT_FALSE(QFile::exists(ToQString(Rig.Main->Recovery().FileName())));
}

TEST(Recovery, NoRemovesTheFileAndADamagedOneIsToldAndRemoved)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    PlaySome(Rig);
    Main.Recovery().WriteNow();
    const QString File = ToQString(Main.Recovery().FileName());
    Rig.Crash();
    Rig.Prompter.Answers.push_back(TAnswer::No);
    Rig.Start();
    EXPECT_EQ(Rig.Prompter.Confirmations.size(), 1u);
    EXPECT_FALSE(QFile::exists(File));
    EXPECT_TRUE(Rig.Main->Saved());

    // Cut short by the end of the disk, say: refused whole.
    PlaySome(Rig);
    Rig.Main->Recovery().WriteNow();
    const QString Damaged = ToQString(Rig.Main->Recovery().FileName());
    Rig.Crash();
    QFile Cut(Damaged);
    ASSERT_TRUE(Cut.open(QIODevice::ReadWrite));
    ASSERT_TRUE(Cut.resize(Cut.size() / 2));
    Cut.close();
    Rig.Prompter.Confirmations.clear();
    Rig.Start();
    EXPECT_TRUE(Rig.Prompter.Confirmations.empty());
    EXPECT_EQ(Rig.MessageCount(QStringLiteral("The recovery file %1 is damaged and was removed: Recovery file: it "
                                              "has no check at its end")
                                   .arg(QDir::toNativeSeparators(Damaged))),
              1);
    EXPECT_FALSE(QFile::exists(Damaged));
    EXPECT_NE(Rig.Main->XLink(), nullptr);
}

TEST(Recovery, TwoWindowsKeepFilesOfTheirOwnAndNeitherIsOfferedTheOthers)
{
    TMainWindowRig Rig;
    TfrmMain& First = Rig.Start();
    PlaySome(Rig);
    First.Recovery().WriteNow();
    // A second copy on the same folders while the first runs.
    TfrmMain Second(Rig.ProgramFolder);
    TfrmOptions* Options = new TfrmOptions(&Second);
    TfrmChoosePuzzle* Choose = new TfrmChoosePuzzle(&Second);
    Second.SetDialogs(Options, Choose);
    Second.show();
    QApplication::processEvents();
    EXPECT_TRUE(Rig.Prompter.Confirmations.empty());
    EXPECT_NE(Second.Recovery().FileName(), First.Recovery().FileName());
    EXPECT_FALSE(Second.Recovery().FileName().empty());
}
