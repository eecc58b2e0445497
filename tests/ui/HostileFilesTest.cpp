// What the window does with a full disk, special files and damaged issue
// files: the player's saved game is never emptied, nothing blocks, and the
// messages name the file.
#include "MainWindowRig.h"

#include "FullDiskLayer.h"

#include "Cell.h"
#include "QVSettings.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/stat.h>
#include <sys/types.h>
#endif

namespace {

QByteArray ReadAll(const QString& FileName)
{
    QFile File(FileName);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

int FreeCell(TPuzzle& Puzzle)
{
    for (int Cell = 0; Cell < 81; ++Cell)
        if (Puzzle.CellByIndex(Cell)->GetValue() == 0)
            return Cell;
    return -1;
}

// One right value entered in the parent as the player enters it.
void EnterAValue(TMainWindowRig& Rig)
{
    Rig.Main->ChooseChildBox()->setChecked(false);
    Rig.Options->SetOption(optSingleValue, false);
    const int Cell = FreeCell(Rig.PuzzleAt(0));
    const int Digit = Rig.PuzzleAt(0).CellByIndex(Cell)->GetSolution();
    Rig.Press(QStringLiteral("sbValue%1").arg(Digit).toLatin1().constData());
    Rig.ClickCell(true, Cell / 9, Cell % 9);
}

TEST(HostileFiles, AFullDiskKeepsTheSavedGameAndSaysSo)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    const QString Full = NewScratchFolder(QStringLiteral("full")) + QStringLiteral("/full.sav");
    EnterAValue(Rig);
    Rig.Prompter.SaveNames.push_back(Full);
    ASSERT_TRUE(Rig.Trigger("SaveAs1"));
    const QByteArray Saved = ReadAll(Full);
    ASSERT_FALSE(Saved.isEmpty());
    ASSERT_TRUE(Main.Saved());

    EnterAValue(Rig);
    ASSERT_FALSE(Main.Saved());
    TFullDiskLayer Disk;
    const TScopedWriteLayer Scoped(Disk);
    const size_t Shown = Rig.Prompter.Messages.size();
    QTest::keyClick(&Main, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(Rig.Prompter.Messages.size(), Shown + 1);
    EXPECT_EQ(Rig.Prompter.Messages.back().Kind, TMessageKind::Error);
    EXPECT_EQ(
        Rig.Prompter.Messages.back().Text,
        QStringLiteral("Cannot save the game in %1: No space left on device").arg(QDir::toNativeSeparators(Full)));
    EXPECT_EQ(ReadAll(Full), Saved);
    EXPECT_FALSE(Main.Saved());
    EXPECT_EQ(QDir(QFileInfo(Full).absolutePath()).entryList(QDir::Files), QStringList{QStringLiteral("full.sav")});

    // Closing: Yes to saving, the save fails, and the game stays open.
    Rig.Prompter.Answers.push_back(TAnswer::Yes);
    EXPECT_FALSE(Main.close());
    EXPECT_EQ(ReadAll(Full), Saved);
}

TEST(HostileFiles, AnUnreadableFirstIssueStillStartsAPlayableGame)
{
    TMainWindowRig Rig({QStringLiteral("TAVREL01.ISS"), QStringLiteral("TAVREL02.ISS")});
    // Taken in whole, then damaged: the catalogue lists its games still.
    {
        TfrmMain& Main = Rig.Start();
        ASSERT_EQ(Main.GameRecord().GetGameNumber(), 101u);
    }
    Rig.Close();
    const QString First = QString::fromStdString(Rig.ProgramFolder) + QStringLiteral("ISSUES/TAVREL01.ISS");
    QByteArray Bytes = ReadAll(First);
    Bytes[Bytes.size() - 1] = static_cast<char>(Bytes[Bytes.size() - 1] ^ 1);
    QFile File(First);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    File.write(Bytes);
    File.close();

    const size_t Shown = Rig.Prompter.Messages.size();
    TfrmMain& Main = Rig.Start();
    ASSERT_NE(Main.XLink(), nullptr);
    EXPECT_EQ(Main.GameRecord().GetIssueNumber(), 2u);
    // One message, naming the file.
    ASSERT_EQ(Rig.Prompter.Messages.size(), Shown + 1);
    EXPECT_TRUE(Rig.Prompter.Messages.back().Text.contains(QStringLiteral("TAVREL01.ISS - Wrong signature")))
        << Rig.Prompter.Messages.back().Text.toStdString();
}

#if !defined(_WIN32)
TEST(HostileFiles, PipesAreNamedAndNeverWaitedOn)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    const QString Folder = NewScratchFolder(QStringLiteral("pipes"));
    const QString Pipe = Folder + QStringLiteral("/pipe.sav");
    ASSERT_EQ(mkfifo(Pipe.toLocal8Bit().constData(), 0600), 0);
    const QString IssuePipe = Folder + QStringLiteral("/pipe.ISS");
    ASSERT_EQ(mkfifo(IssuePipe.toLocal8Bit().constData(), 0600), 0);

    QElapsedTimer Timer;
    Timer.start();
    size_t Shown = Rig.Prompter.Messages.size();
    Rig.Prompter.OpenNames.push_back(Pipe);
    ASSERT_TRUE(Rig.Trigger("Loadvalues1"));
    ASSERT_EQ(Rig.Prompter.Messages.size(), Shown + 1);
    EXPECT_TRUE(Rig.Prompter.Messages.back().Text.contains(Pipe)) << Rig.Prompter.Messages.back().Text.toStdString();
    EXPECT_TRUE(Rig.Prompter.Messages.back().Text.contains(QStringLiteral("not a regular file")));
    ASSERT_NE(Main.XLink(), nullptr);

    Shown = Rig.Prompter.Messages.size();
    Rig.Prompter.OpenNames.push_back(IssuePipe);
    ASSERT_TRUE(Rig.Trigger("AddIssueFile1"));
    ASSERT_EQ(Rig.Prompter.Messages.size(), Shown + 1);
    EXPECT_TRUE(Rig.Prompter.Messages.back().Text.contains(IssuePipe));
    EXPECT_LT(Timer.elapsed(), 10000);

    // A settings file that is a pipe: named once, the defaults used.
    Rig.Close();
    const QString SettingsPipe = Folder + QStringLiteral("/store.ini");
    ASSERT_EQ(mkfifo(SettingsPipe.toLocal8Bit().constData(), 0600), 0);
    TSettingsStore::UseFile(SettingsPipe);
    Shown = Rig.Prompter.Messages.size();
    TfrmMain& Again = Rig.Start();
    ASSERT_NE(Again.XLink(), nullptr);
    ASSERT_GT(Rig.Prompter.Messages.size(), Shown);
    EXPECT_TRUE(Rig.Prompter.Messages[Shown].Text.contains(SettingsPipe));
    Rig.Close();
    TSettingsStore::UseFile(Rig.SettingsFile);
}
#endif

}  // namespace
