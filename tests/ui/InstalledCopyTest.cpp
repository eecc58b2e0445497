// The game as an installed copy runs it, through the real window: the
// catalogue and saved games go to the player's folders, never beside the
// program; "Add Issue File..." takes a new issue in; and the home page
// command tells the player when no browser can be started.

#include "CatalogueFolders.h"
#include "IssueWriter.h"
#include "MainWindowRig.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

// The whole listing of a folder with the sizes of its files.
QStringList Listing(const QString& Folder)
{
    QStringList Files;
    QDirIterator Walk(Folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (Walk.hasNext()) {
        const QFileInfo Info(Walk.next());
        Files << Info.filePath() + QLatin1Char(':') + QString::number(Info.isFile() ? Info.size() : 0);
    }
    Files.sort();
    return Files;
}

TEST(InstalledCopy, KeepsCatalogueSavesAndAddedIssuesWithThePlayer)
{
    TMainWindowRig Rig;
    const QString Program = QString::fromStdString(Rig.ProgramFolder);
    QFile Marker(Program + QString::fromLatin1(InstallMarkerName));
    ASSERT_TRUE(Marker.open(QIODevice::WriteOnly));
    Marker.close();
    const QString Data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString Grids =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Grids");
    QDir(Data).removeRecursively();
    const QStringList Installed = Listing(Program);
    const int Bundled = static_cast<int>(
        QDir(Program + QStringLiteral("ISSUES")).entryList({QStringLiteral("*.ISS")}, QDir::Files).size());

    TfrmMain& Main = Rig.Start();
    ASSERT_NE(Main.XLink(), nullptr);
    EXPECT_TRUE(QFile::exists(Data + QStringLiteral("/GAMES.DAT")));
    EXPECT_TRUE(QFileInfo(Data + QStringLiteral("/ISSUES")).isDir());
    EXPECT_EQ(Main.Catalogue()->IssueCount(), Bundled);

    Rig.Prompter.SaveNames.push_back(Grids + QStringLiteral("/mine.sav"));
    ASSERT_TRUE(Rig.Trigger("Save1"));
    ASSERT_EQ(Rig.Prompter.SaveDialogs.size(), 1u);
    EXPECT_EQ(Rig.Prompter.SaveDialogs[0].Folder, Grids);
    EXPECT_TRUE(QFile::exists(Grids + QStringLiteral("/mine.sav")));

    // "New Pyramid..." sits below "Choose game...", then "Add Issue
    // File...", which copies the file into the player's issue folder.
    const QList<QAction*> File = Rig.Find<QMenu>("mnuFile")->actions();
    ASSERT_GE(File.size(), 3);
    EXPECT_EQ(File[0]->objectName(), QStringLiteral("mnuFileOpen"));
    EXPECT_EQ(File[1]->objectName(), QStringLiteral("NewPyramid1"));
    EXPECT_EQ(File[2]->objectName(), QStringLiteral("AddIssueFile1"));
    TIssueHeader Header;
    Header.IssueNumber = 77;
    Header.Description = "Added by the player";
    const QString Download = NewScratchFolder(QStringLiteral("download")) + QStringLiteral("/EXTRA.ISS");
    WriteIssueFile(Download.toStdString(), Header, {SampleGame(7701, 'P', 64, 1), SampleGame(7702, 'F', 64, 2)}, 3);
    Rig.Prompter.OpenNames.push_back(Download);
    ASSERT_TRUE(Rig.Trigger("AddIssueFile1"));
    EXPECT_TRUE(QFile::exists(Data + QStringLiteral("/ISSUES/EXTRA.ISS")));
    EXPECT_EQ(Main.Catalogue()->IssueCount(), Bundled + 1);
    EXPECT_EQ(Main.Catalogue()->FindGame(7702).GetGameNumber(), 7702u);
    ASSERT_EQ(Rig.Prompter.Messages.size(), 1u);
    EXPECT_EQ(Rig.Prompter.Messages[0].Kind, TMessageKind::Plain);

    // The same file again is refused with a message that names it.
    Rig.Prompter.OpenNames.push_back(Download);
    ASSERT_TRUE(Rig.Trigger("AddIssueFile1"));
    ASSERT_EQ(Rig.Prompter.Messages.size(), 2u);
    EXPECT_EQ(Rig.Prompter.Messages[1].Kind, TMessageKind::Exclamation);
    EXPECT_TRUE(Rig.Prompter.Messages[1].Text.startsWith(QStringLiteral("Issue file EXTRA.ISS is not added")));
    EXPECT_EQ(Main.Catalogue()->IssueCount(), Bundled + 1);

    // A pyramid made here is kept with the player's catalogue.
    ASSERT_TRUE(Main.NewPyramid()->Make(TNewPyramidRequest{0, TGrade{}, 1}));
    EXPECT_TRUE(QFile::exists(Data + QStringLiteral("/MYGAMES.DAT")));
    EXPECT_EQ(Main.Catalogue()->IssueCount(), Bundled + 2);

    EXPECT_EQ(Listing(Program), Installed);
}

// PATH for the life of the object.
class TScopedPath {
public:
    explicit TScopedPath(const QString& Path) : FOld(qgetenv("PATH")) { qputenv("PATH", Path.toLocal8Bit()); }
    ~TScopedPath() { qputenv("PATH", FOld); }
    TScopedPath(const TScopedPath&) = delete;
    TScopedPath& operator=(const TScopedPath&) = delete;

private:
    QByteArray FOld;
};

TEST(HomePage, TellsThePlayerWhenNoBrowserCanBeStarted)
{
    TMainWindowRig Rig;
    Rig.Start();
    const QString Folder = NewScratchFolder(QStringLiteral("path"));
    const TScopedPath Path(Folder);
    ASSERT_TRUE(Rig.Trigger("HomePage1"));
    ASSERT_EQ(Rig.Prompter.Messages.size(), 1u);
    EXPECT_EQ(Rig.Prompter.Messages[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Rig.Prompter.Messages[0].Text,
              ErrorDialogText(QStringLiteral("Unable to find start command for internet browser")));

    // With an opener on the PATH, it gets the address and nothing is shown.
    const QString Opened = Folder + QStringLiteral("/opened");
    QFile Opener(Folder + QStringLiteral("/xdg-open"));
    ASSERT_TRUE(Opener.open(QIODevice::WriteOnly));
    Opener.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n").arg(Opened).toLocal8Bit());
    Opener.close();
    Opener.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(Rig.Trigger("HomePage1"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo(Opened).size() > 0; }, 20000));
    QFile Address(Opened);
    ASSERT_TRUE(Address.open(QIODevice::ReadOnly));
    EXPECT_EQ(Address.readAll(), QByteArray("https://www.tavrelsudoku.example/"));
    EXPECT_EQ(Rig.Prompter.Messages.size(), 1u);
}

}  // namespace
