// Saved games through the real window: the file written, the game found in
// it again after a restart, the save dialogs, damaged files, failed writes,
// and choosing a catalogue game.
#include "MainWindowRig.h"

#include "Cell.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& FileName)
{
    QFile File(FileName);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

void WriteAll(const QString& FileName, const QByteArray& Bytes)
{
    QFile File(FileName);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    File.write(Bytes);
}

// The file a pyramid's state makes, composed here from the cells alone: the
// game's numbers, then per puzzle the entries (a given as 0), the user
// marks and the erasures ("$" and three upper-case hex digits per cell, or
// nothing when the puzzle has none).
QByteArray ExpectedFile(const TMainWindowRig& Rig, uint32_t Issue, uint32_t Game)
{
    QByteArray Text = QByteArray::number(Issue) + ',' + QByteArray::number(Game) + "\r\n";
    for (int Index = 0; Index <= 9; ++Index) {
        Text += Index == 0 ? QByteArray("0,0,1,") : "1,1," + QByteArray::number(Index) + ',';
        const bool Exists = Index <= Rig.Pyramid().ChildCount();
        QByteArray Marks[2];
        bool Any[2] = {false, false};
        for (int Cell = 0; Cell < 81; ++Cell) {
            const TCell* Place = Exists ? Rig.PuzzleAt(Index).CellByIndex(Cell) : nullptr;
            Text += Place == nullptr || Place->GetRevealed() ? '0' : static_cast<char>('0' + Place->GetValue());
            const uint32_t Bits[2] = {Place ? Place->UserMarks().Bits() : 0u, Place ? Place->Erased().Bits() : 0u};
            for (int Kind = 0; Kind < 2; ++Kind) {
                Marks[Kind] += QStringLiteral("$%1").arg(Bits[Kind], 3, 16, QLatin1Char('0')).toUpper().toLatin1();
                Any[Kind] = Any[Kind] || Bits[Kind] != 0;
            }
        }
        Text += "\r\n";
        for (int Kind = 0; Kind < 2; ++Kind)
            Text += (Any[Kind] ? Marks[Kind] : QByteArray()) + "\r\n";
    }
    return Text;
}

// Value, user marks and erasures of every cell of every puzzle.
std::vector<uint32_t> State(const TMainWindowRig& Rig)
{
    std::vector<uint32_t> Cells;
    for (int Index = 0; Index <= Rig.Pyramid().ChildCount(); ++Index)
        for (int Cell = 0; Cell < 81; ++Cell) {
            const TCell& Place = *Rig.PuzzleAt(Index).CellByIndex(Cell);
            Cells.push_back(static_cast<uint32_t>(Place.GetValue()) | Place.UserMarks().Bits() << 8 |
                            Place.Erased().Bits() << 20);
        }
    return Cells;
}

// The first empty, not given cell of a puzzle from Skip on.
int FreeCell(const TMainWindowRig& Rig, int Puzzle, int Skip = 0)
{
    for (int Cell = 0; Cell < 81; ++Cell)
        if (Rig.PuzzleAt(Puzzle).CellByIndex(Cell)->GetValue() == 0 && Skip-- == 0)
            return Cell;
    return -1;
}

// A game in progress: values entered by clicks in the parent and two
// children, user marks in a child, erasures in the parent and a child.
void PlaySome(TMainWindowRig& Rig)
{
    Rig.Main->ChooseChildBox()->setChecked(false);
    Rig.Options->SetOption(optSingleValue, false);
    for (int Puzzle : {0, 3, 6}) {
        if (Puzzle > 0)
            Rig.Trigger(QStringLiteral("mnuChild%1").arg(Puzzle).toLatin1().constData());
        const int Cell = FreeCell(Rig, Puzzle);
        const int Digit = Rig.PuzzleAt(Puzzle).CellByIndex(Cell)->GetSolution();
        Rig.Press(QStringLiteral("sbValue%1").arg(Puzzle == 6 ? Digit % 9 + 1 : Digit).toLatin1().constData());
        Rig.ClickCell(Puzzle == 0, Cell / 9, Cell % 9);
    }
    TCell& Marked = *Rig.PuzzleAt(5).CellByIndex(FreeCell(Rig, 5));
    Marked.MaskOfKind(mkUserMarks).SetBits((1u << 1) | (1u << 9));
    Marked.NotifyChange(false);
    for (int Puzzle : {0, 2}) {
        TCell& Erased = *Rig.PuzzleAt(Puzzle).CellByIndex(FreeCell(Rig, Puzzle, 1));
        Erased.MaskOfKind(mkErased).SetBit(Erased.GetSolution() % 9 + 1, true);
        Erased.NotifyChange(false);
    }
}

}  // namespace

TEST(SavedGames, AGameSavedAndRestartedIsWhereThePlayerLeftIt)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    PlaySome(Rig);
    ASSERT_FALSE(Main.Saved());
    const QString Grids = QString::fromStdString(Rig.ProgramFolder) + QStringLiteral("Grids");
    const QString FileName = Grids + QStringLiteral("/my game.sav");
    Rig.Prompter.SaveNames.push_back(FileName);
    ASSERT_TRUE(Rig.Trigger("Save1"));
    ASSERT_EQ(Rig.Prompter.SaveDialogs.size(), 1u);
    const TFileDialogSpec& Dialog = Rig.Prompter.SaveDialogs[0];
    EXPECT_EQ(Dialog.Title, QStringLiteral("Save puzzle entries"));
    EXPECT_EQ(Dialog.Filter, QStringLiteral("Tavrel sudoku save files (*.sav)|*.sav|All files (*.*)|*.*"));
    EXPECT_EQ(QFileInfo(Dialog.Folder).absoluteFilePath(), QFileInfo(Grids).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(Grids).isDir());
    EXPECT_EQ(Dialog.FileName, QStringLiteral("Centres ") + QLocale::c().toString(QDate::currentDate(), "MMMdd") +
                                   QStringLiteral(".sav"));
    EXPECT_TRUE(Main.Saved());
    EXPECT_EQ(Main.windowTitle(), QStringLiteral("Tavrel Sudoku: Centres - my game.sav"));
    EXPECT_EQ(ReadAll(FileName), ExpectedFile(Rig, 1, 101));
    const TLastGame Last = Main.Store().ReadLastGame();
    EXPECT_EQ(QFileInfo(Last.Saved).absoluteFilePath(), QFileInfo(FileName).absoluteFilePath());
    EXPECT_EQ(QDir::fromNativeSeparators(Last.Folder), QFileInfo(FileName).absolutePath() + QLatin1Char('/'));
    // The numbers start-up asked the catalogue for (1 and 1: nothing was
    // stored); saving leaves them.
    EXPECT_EQ(Last.Game, 1u);
    const std::vector<uint32_t> Played = State(Rig);

    // Thrown away without a word, then started again: the last saved game.
    Rig.Close();
    TfrmMain& Again = Rig.Start();
    EXPECT_EQ(State(Rig), Played);
    EXPECT_TRUE(Again.Saved());
    EXPECT_EQ(Again.CurrentChild(), 1);
    EXPECT_EQ(Again.windowTitle(), QStringLiteral("Tavrel Sudoku: Centres - my game.sav"));
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
    // Undo takes back the newest record, which the load made.
    TPuzzle& Parent = Rig.PuzzleAt(0);
    ASSERT_GT(Parent.UndoCount(), 0);
    const TUndoRecord Newest = Parent.UndoRecord(Parent.UndoCount() - 1);
    ASSERT_TRUE(Rig.Trigger("Undo1"));
    EXPECT_EQ(Parent.CellAt(Newest.Row, Newest.Col)->GetValue(), Newest.OldValue);
    // "&Save" now writes to the same file without asking.
    ASSERT_TRUE(Rig.Trigger("Save1"));
    EXPECT_TRUE(Rig.Prompter.SaveDialogs.size() == 1u);
    EXPECT_EQ(ReadAll(FileName), ExpectedFile(Rig, 1, 101));
}

TEST(SavedGames, TheSaveDialogAsksWhenItShould)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    PlaySome(Rig);
    // Cancelled for a new game: the name stays empty and the next save asks.
    ASSERT_TRUE(Rig.Trigger("Save1"));
    EXPECT_TRUE(Main.SaveFileName().isEmpty());
    EXPECT_FALSE(Main.Saved());
    const QString FileName = NewScratchFolder(QStringLiteral("saves")) + QStringLiteral("/first.sav");
    Rig.Prompter.SaveNames.push_back(FileName);
    ASSERT_TRUE(Rig.Trigger("Save1"));
    EXPECT_EQ(Rig.Prompter.SaveDialogs.size(), 2u);
    EXPECT_EQ(Main.SaveFileName(), FileName);
    // "Save &As..." always asks; cancelling keeps the file in use.
    ASSERT_TRUE(Rig.Trigger("SaveAs1"));
    EXPECT_EQ(Rig.Prompter.SaveDialogs.size(), 3u);
    EXPECT_EQ(Rig.Prompter.SaveDialogs.back().FileName, QStringLiteral("first.sav"));
    EXPECT_EQ(Main.SaveFileName(), FileName);
    // Saving leaves the last catalogue game as it was.
    EXPECT_EQ(Main.Store().ReadLastGame().Issue, 1u);
    EXPECT_EQ(Main.Store().ReadLastGame().Game, 1u);

    // A write that fails keeps the old file, the caption and the unsaved state.
    const QByteArray Before = ReadAll(FileName);
    Rig.ClickCell(true, FreeCell(Rig, 0) / 9, FreeCell(Rig, 0) % 9);
    ASSERT_FALSE(Main.Saved());
    const QString Caption = Main.windowTitle();
    Rig.Prompter.SaveNames.push_back(QStringLiteral("/nonexistent-folder/of/nothing/x.sav"));
    ASSERT_TRUE(Rig.Trigger("SaveAs1"));
    ASSERT_FALSE(Rig.Prompter.Messages.empty());
    EXPECT_EQ(Rig.Prompter.Messages.back().Kind, TMessageKind::Error);
    EXPECT_FALSE(Main.Saved());
    EXPECT_EQ(Main.windowTitle(), Caption);
    EXPECT_EQ(Main.SaveFileName(), FileName);
    EXPECT_EQ(ReadAll(FileName), Before);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/nonexistent-folder")));

    // Yes to saving, then cancelling the dialog, still closes the window.
    Main.SetSaveFileName(QString());
    Rig.Prompter.Answers.push_back(TAnswer::Yes);
    EXPECT_TRUE(Main.close());
    ASSERT_EQ(Rig.Prompter.Confirmations.size(), 1u);
    EXPECT_EQ(Rig.Prompter.Confirmations[0], QStringLiteral("Do you want to save your current solution?"));
}

TEST(SavedGames, AFileNamesTheGameByItsNumberAlone)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    const QString FileName = NewScratchFolder(QStringLiteral("saves")) + QStringLiteral("/other.sav");
    QByteArray Text = "3,401\r\n";
    for (int Index = 0; Index <= 9; ++Index)
        Text += (Index == 0 ? QByteArray("0,0,1,") : "1,1," + QByteArray::number(Index) + ',') + QByteArray(81, '0') +
                "\r\n\r\n\r\n";
    WriteAll(FileName, Text);
    Rig.Prompter.OpenNames.push_back(FileName);
    ASSERT_TRUE(Rig.Trigger("Loadvalues1"));
    ASSERT_EQ(Rig.Prompter.OpenDialogs.size(), 1u);
    EXPECT_EQ(Rig.Prompter.OpenDialogs[0].Title, QStringLiteral("Open previous entries"));
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), 401u);
    EXPECT_EQ(Main.Store().ReadLastGame().Issue, 3u);
    EXPECT_EQ(Main.Store().ReadLastGame().Game, 401u);
    EXPECT_EQ(Main.SaveFileName(), FileName);
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
}

TEST(SavedGames, DamagedFilesAreRefusedWithoutHarm)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    const QString Folder = NewScratchFolder(QStringLiteral("damaged"));
    QByteArray Good = "1,101\r\n";
    for (int Index = 0; Index <= 9; ++Index)
        Good += (Index == 0 ? QByteArray("0,0,1,") : "1,1," + QByteArray::number(Index) + ',') + QByteArray(81, '0') +
                "\r\n\r\n\r\n";
    QByteArray Binary;
    for (int Index = 0; Index < 5000; ++Index)
        Binary += static_cast<char>((Index * 7919) % 256);
    const std::vector<std::pair<const char*, QByteArray>> Files = {
        {"empty", QByteArray()},
        {"truncated", Good.left(200)},
        {"binary", Binary},
        {"long line", "1,101\r\n0,0,1," + QByteArray(1 << 20, '1')},
        {"bad marks", "1,101\r\n0,0,1," + QByteArray(81, '0') + "\r\n$ZZZ\r\n"},
        {"no comma", "1101\r\n"},
    };
    for (const auto& [Name, Bytes] : Files) {
        const QString FileName = Folder + QLatin1Char('/') + QString::fromLatin1(Name) + QStringLiteral(".sav");
        WriteAll(FileName, Bytes);
        Rig.Trigger("mnuChild4");
        const size_t Shown = Rig.Prompter.Messages.size();
        Rig.Prompter.OpenNames.push_back(FileName);
        ASSERT_TRUE(Rig.Trigger("Loadvalues1")) << Name;
        ASSERT_EQ(Rig.Prompter.Messages.size(), Shown + 1) << Name;
        EXPECT_EQ(Rig.Prompter.Messages.back().Kind, TMessageKind::Error) << Name;
        ASSERT_NE(Main.XLink(), nullptr) << Name;
        EXPECT_EQ(Main.CurrentChild(), 1) << Name;
        for (int Index = 0; Index <= 9; ++Index)
            for (int Cell = 0; Cell < 81; ++Cell) {
                const TCell& Place = *Rig.PuzzleAt(Index).CellByIndex(Cell);
                EXPECT_TRUE(!Place.GetRevealed() || Place.GetValue() == Place.GetSolution()) << Name;
                EXPECT_EQ(Place.UserMarks().Bits() & ~AllDigitBits, 0u) << Name;
            }
    }
    // A game the catalogue does not know: told, nothing loaded onto another
    // game, and no file left in use for the next Save to write over.
    QByteArray Unknown = Good;
    Unknown.replace(0, 5, "9,999");
    const QString UnknownFile = Folder + QStringLiteral("/unknown.sav");
    WriteAll(UnknownFile, Unknown);
    Rig.Prompter.OpenNames.push_back(UnknownFile);
    Main.LoadGame(2, 201);
    const size_t Before = Rig.Prompter.Messages.size();
    ASSERT_TRUE(Rig.Trigger("Loadvalues1"));
    ASSERT_EQ(Rig.Prompter.Messages.size(), Before + 1);
    EXPECT_TRUE(Rig.Prompter.Messages.back().Text.contains(QStringLiteral("game 999 of issue 9")));
    EXPECT_TRUE(Rig.Prompter.Messages.back().Text.contains(QDir::toNativeSeparators(UnknownFile)));
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), 201u);
    EXPECT_TRUE(Main.SaveFileName().isEmpty());
    EXPECT_EQ(ReadAll(UnknownFile), Unknown);

    // A last saved file that has gone: the error, then the last game.
    Rig.Close();
    TSettingsStore Store;
    Store.SaveLastGame(2, 203, QString());
    Store.SaveLastGame(0, 0, Folder + QStringLiteral("/gone.sav"));
    const size_t Shown = Rig.Prompter.Messages.size();
    TfrmMain& Restarted = Rig.Start();
    ASSERT_EQ(Rig.Prompter.Messages.size(), Shown + 1);
    ASSERT_NE(Restarted.XLink(), nullptr);
    EXPECT_EQ(Restarted.GameRecord().GetGameNumber(), 203u);
    EXPECT_TRUE(Restarted.Store().ReadLastGame().Saved.isEmpty());
}

TEST(SavedGames, AFailedLoadNeverAimsTheNextSaveAtAnotherFile)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.LoadGame(1, 101);
    const QString Folder = NewScratchFolder(QStringLiteral("failed"));
    const QString Centres = Folder + QStringLiteral("/Centres Dec08.sav");
    Rig.PuzzleAt(0).CellByIndex(FreeCell(Rig, 0))->SetValue(3);
    Rig.Prompter.SaveNames.push_back(Centres);
    ASSERT_TRUE(Rig.Trigger("SaveAs1"));
    const QByteArray Saved = ReadAll(Centres);
    ASSERT_FALSE(Saved.isEmpty());

    // Another game's file cut short, and this game's file damaged.
    for (const QByteArray& Bytes : {QByteArray("1,102\r\n0,0,1,12\r\n"), QByteArray("1,101\r\n0,0,1,12\r\n")}) {
        const QString Bad = Folder + QStringLiteral("/bad.sav");
        WriteAll(Bad, Bytes);
        Rig.Prompter.OpenNames.push_back(Bad);
        const size_t Shown = Rig.Prompter.Messages.size();
        ASSERT_TRUE(Rig.Trigger("Loadvalues1"));
        ASSERT_EQ(Rig.Prompter.Messages.size(), Shown + 1);
        EXPECT_TRUE(Rig.Prompter.Messages.back().Text.contains(QDir::toNativeSeparators(Bad)))
            << Rig.Prompter.Messages.back().Text.toStdString();
        EXPECT_TRUE(Main.SaveFileName().isEmpty());
        EXPECT_FALSE(Main.windowTitle().contains(QStringLiteral(".sav")));
        // Save asks for a name, as Save As does; cancelled, nothing is written.
        const size_t Asked = Rig.Prompter.SaveDialogs.size();
        Rig.PuzzleAt(0).CellByIndex(FreeCell(Rig, 0))->SetValue(5);
        ASSERT_TRUE(Rig.Trigger("Save1"));
        EXPECT_EQ(Rig.Prompter.SaveDialogs.size(), Asked + 1);
        EXPECT_EQ(ReadAll(Centres), Saved);
    }
}

TEST(SavedGames, AOneChildGameKeepsTheShapeOfTheFile)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.LoadGame(1, 108);
    Rig.PuzzleAt(1).CellByIndex(FreeCell(Rig, 1))->SetValue(4);
    const QString FileName = NewScratchFolder(QStringLiteral("saves")) + QStringLiteral("/one.sav");
    Rig.Prompter.SaveNames.push_back(FileName);
    ASSERT_TRUE(Rig.Trigger("Save1"));
    const QByteArray Bytes = ReadAll(FileName);
    EXPECT_EQ(Bytes, ExpectedFile(Rig, 1, 108));
    EXPECT_EQ(Bytes.count("\r\n"), 31);
    const std::vector<uint32_t> Played = State(Rig);
    Main.LoadGame(1, 101);
    Main.LoadSavedGame(FileName);
    EXPECT_EQ(State(Rig), Played);
}

TEST(SavedGames, ChoosingAGameLoadsItAndForgetsTheFile)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.SetSaveFileName(QStringLiteral("somewhere.sav"));
    // Cancel leaves the game as it is.
    QTimer::singleShot(0, [&Rig] { Rig.Choose->reject(); });
    ASSERT_TRUE(Rig.Trigger("mnuFileOpen"));
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), 101u);
    EXPECT_EQ(Main.SaveFileName(), QStringLiteral("somewhere.sav"));
    // OK on the line of game 203.
    QTimer::singleShot(0, [&Rig] {
        auto* List = Rig.Choose->findChild<QListWidget*>(QStringLiteral("lbxGames"));
        EXPECT_EQ(List->currentRow(), 0);
        List->setCurrentRow(14 + 2);
        Rig.Choose->accept();
    });
    ASSERT_TRUE(Rig.Trigger("mnuFileOpen"));
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), 203u);
    EXPECT_TRUE(Main.SaveFileName().isEmpty());
    EXPECT_EQ(Main.Store().ReadLastGame().Game, 203u);
}
