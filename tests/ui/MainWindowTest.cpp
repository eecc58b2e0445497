// The main window driven as a player drives it: start-up, a whole game
// played by clicks, the commands that act on the game, and the refresh.
#include "MainWindowRig.h"

#include "ButtonPageControl.h"
#include "Cell.h"
#include "GridImage.h"
#include "HelpWindow.h"
#include "LedShape.h"
#include "MyProgressBar.h"
#include "ProgressRules.h"
#include "Exception.h"

#include <QCheckBox>
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QFile>
#include <QDir>
#include <QTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QString Solved = QStringLiteral("Puzzle solved");
const QString NotCorrect = QStringLiteral("Sorry your solution is not correct.");

struct TCellPlace {
    int Puzzle = -1;
    int Row = 0;
    int Col = 0;
};

// Enters the solution into every empty cell, puzzle by puzzle, with the
// Enter buttons and clicks on the grids, except the last empty cell, which
// is returned. Parent clicks do not choose the child.
TCellPlace FillAllButOne(TMainWindowRig& Rig)
{
    if (Rig.Main->ChooseChildBox()->isChecked())
        Rig.Main->ChooseChildBox()->click();
    std::vector<TCellPlace> Empty;
    const int Children = Rig.Pyramid().ChildCount();
    for (int Index = 0; Index <= Children; ++Index) {
        for (int Row = 0; Row < 9; ++Row)
            for (int Col = 0; Col < 9; ++Col) {
                const TCell& Cell = *Rig.PuzzleAt(Index).CellAt(Row, Col);
                if (Cell.GetValue() == 0)
                    Empty.push_back({Index, Row, Col});
            }
    }
    // Cells are entered in the order found; linked cells filled through a
    // partner are skipped. The last one still empty is left.
    TCellPlace Last;
    for (size_t Position = 0; Position < Empty.size(); ++Position) {
        const TCellPlace& Place = Empty[Position];
        const TCell& Cell = *Rig.PuzzleAt(Place.Puzzle).CellAt(Place.Row, Place.Col);
        if (Cell.GetValue() != 0)
            continue;
        bool Another = false;
        for (size_t Later = Position + 1; Later < Empty.size() && !Another; ++Later)
            Another = Rig.PuzzleAt(Empty[Later].Puzzle).CellAt(Empty[Later].Row, Empty[Later].Col)->GetValue() == 0;
        if (!Another) {
            Last = Place;
            break;
        }
        if (Place.Puzzle > 0)
            Rig.Trigger(QStringLiteral("mnuChild%1").arg(Place.Puzzle).toLatin1().constData());
        Rig.Press(QStringLiteral("sbValue%1").arg(Cell.GetSolution()).toLatin1().constData());
        Rig.ClickCell(Place.Puzzle == 0, Place.Row, Place.Col);
        EXPECT_EQ(Cell.GetValue(), Cell.GetSolution());
    }
    if (Last.Puzzle > 0)
        Rig.Trigger(QStringLiteral("mnuChild%1").arg(Last.Puzzle).toLatin1().constData());
    return Last;
}

}  // namespace

TEST(MainWindow, StartsOnTheFirstCatalogueGameWithTheWindowAsDesigned)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    ASSERT_NE(Main.XLink(), nullptr);
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), 101u);
    EXPECT_EQ(Main.windowTitle(), QStringLiteral("Tavrel Sudoku: Centres"));
    EXPECT_EQ(Main.CurrentChild(), 1);
    EXPECT_TRUE(Main.Saved());
    EXPECT_EQ(Main.centralWidget()->size(), QSize(800, 21 + 394 + 55 + 84 + TfrmMain::StepPanelHeight));
    for (const char* Name :
         {"pnlLeds",     "pnl2Grids",      "pnlControls",     "pnlAllProgressBars", "Image1",  "Image2",
          "ChooseChild", "pgcControls",    "tsValue",         "tsPencil",           "tsErase", "tsHiLite",
          "sbValue0",    "sbHilitePr",     "cmdClrPencilSbs", "cmdClrEraseSbs",     "Shape1",  "Shape18",
          "Progress9",   "ProgressMaster", "ProgressOverAll", "MainMenu1"})
        EXPECT_NE(Rig.Find<QObject>(Name), nullptr) << Name;
    EXPECT_EQ(Main.PopupMenu()->objectName(), QStringLiteral("mnuPopup"));
    EXPECT_EQ(Rig.Find<QWidget>("Image2")->geometry(), QRect(399, 0, 394, 394));
    // The LEDs: 29 by 13 in both rows at the same places, the label 8 pixels
    // to the left; the bars: the parent's, three rows of three children's
    // and the whole pyramid's, all 16 high, with no captions of their own.
    EXPECT_EQ(Rig.Find<QWidget>("pnlChildLeds")->geometry(), QRect(397, 0, 396, 21));
    const int LedX[9] = {24, 64, 104, 144, 184, 224, 264, 308, 348};
    for (int Number = 1; Number <= 18; ++Number) {
        const int X = LedX[(Number - 1) % 9];
        EXPECT_EQ(Rig.Find<QWidget>(QStringLiteral("Shape%1").arg(Number).toLatin1().constData())->geometry(),
                  QRect(X, 4, 29, 13))
            << Number;
        EXPECT_EQ(Rig.Find<QWidget>(QStringLiteral("lblLed%1").arg(Number).toLatin1().constData())->x(), X - 8);
    }
    EXPECT_EQ(Rig.Find<QWidget>("ProgressMaster")->geometry(), QRect(6, 4, 390, 16));
    EXPECT_EQ(Rig.Find<QWidget>("ProgressOverAll")->geometry(), QRect(6, 63, 780, 16));
    for (int Tag = 1; Tag <= 9; ++Tag)
        EXPECT_EQ(Rig.Find<QWidget>(QStringLiteral("Progress%1").arg(Tag).toLatin1().constData())->geometry(),
                  QRect(404 + (Tag - 1) % 3 * 128, 3 + (Tag - 1) / 3 * 20, 126, 16))
            << Tag;
    EXPECT_TRUE(Rig.Find<QWidget>("pnlAllProgressBars")->findChildren<QLabel*>().isEmpty());
    EXPECT_EQ(Rig.Find<QAction>("mnuChild4")->shortcut(), QKeySequence(QStringLiteral("Alt+4")));
    EXPECT_EQ(Rig.Find<QAction>("HiLitePairs1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+/")));
    EXPECT_FALSE(Rig.Find<QAction>("PageSetup1")->isVisible());
    EXPECT_FALSE(Rig.Find<QAction>("Level1")->isVisible());
    // The catalogue game is stored as the last game.
    EXPECT_EQ(Main.Store().ReadLastGame().Issue, 1u);
    EXPECT_TRUE(Main.Store().ReadLastGame().Saved.isEmpty());
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
}

TEST(MainWindow, AWholeGameByClicksCongratulatesOnTheLastEntryOnly)
{
    TMainWindowRig Rig;
    Rig.Start();
    const TCellPlace Last = FillAllButOne(Rig);
    ASSERT_GE(Last.Puzzle, 0);
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
    EXPECT_FALSE(Rig.Main->Saved());
    const int Digit = Rig.PuzzleAt(Last.Puzzle).CellAt(Last.Row, Last.Col)->GetSolution();
    Rig.Press(QStringLiteral("sbValue%1").arg(Digit).toLatin1().constData());
    Rig.ClickCell(Last.Puzzle == 0, Last.Row, Last.Col);
    ASSERT_EQ(Rig.Prompter.Messages.size(), 1u);
    EXPECT_EQ(Rig.Prompter.Messages[0].Caption, QStringLiteral("Congratulations"));
    EXPECT_EQ(Rig.Prompter.Messages[0].Text, Solved);
    // The bars show the whole pyramid filled.
    const auto* Overall = Rig.Find<TMyProgressBar>("ProgressOverAll");
    EXPECT_EQ(Overall->value(), Overall->maximum());
}

TEST(MainWindow, AWrongLastDigitWarnsInsteadOfCongratulating)
{
    TMainWindowRig Rig;
    Rig.Start();
    const TCellPlace Last = FillAllButOne(Rig);
    const int Digit = Rig.PuzzleAt(Last.Puzzle).CellAt(Last.Row, Last.Col)->GetSolution();
    // "Click to enter" would fill the one candidate left, the right digit.
    Rig.Options->SetOption(optSingleValue, false);
    const int Wrong = Digit % 9 + 1;
    Rig.Press(QStringLiteral("sbValue%1").arg(Wrong).toLatin1().constData());
    Rig.ClickCell(Last.Puzzle == 0, Last.Row, Last.Col);
    EXPECT_EQ(Rig.Prompter.Texts(), std::vector<QString>{NotCorrect});
}

TEST(MainWindow, SolvingAndResettingNeverCongratulate)
{
    TMainWindowRig Rig;
    Rig.Start();
    ASSERT_TRUE(Rig.Trigger("SolvePyramid"));
    for (int Index = 0; Index <= Rig.Pyramid().ChildCount(); ++Index)
        EXPECT_TRUE(Rig.PuzzleAt(Index).IsSolved()) << Index;
    ASSERT_TRUE(Rig.Trigger("ResetAll"));
    int Filled = 0, Total = 0;
    Rig.PuzzleAt(0).Progress(Filled, Total);
    EXPECT_EQ(Filled, 0);
    ASSERT_TRUE(Rig.Trigger("SolveChildren"));
    ASSERT_TRUE(Rig.Trigger("SolveMaster"));
    ASSERT_TRUE(Rig.Trigger("SolveChild"));
    ASSERT_TRUE(Rig.Trigger("ResetCurrent"));
    ASSERT_TRUE(Rig.Trigger("ResetMaster"));
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
    // Reset and solve commands leave the game saved.
    EXPECT_TRUE(Rig.Main->Saved());
}

TEST(MainWindow, ChildrenAreChosenByMenuLedsBarsAndParentClicks)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    ASSERT_TRUE(Rig.Trigger("mnuChild5"));
    EXPECT_EQ(Main.CurrentChild(), 5);
    Main.PopupMenu();
    EXPECT_TRUE(Rig.Find<QAction>("popChild5")->isChecked());
    EXPECT_EQ(Rig.Find<TMyProgressBar>("Progress5")->BarColor(), clSkyBlue);
    EXPECT_EQ(Rig.Find<TMyProgressBar>("Progress1")->BarColor(), clMoneyGreen);
    EXPECT_EQ(Rig.Find<TMyProgressBar>("ProgressMaster")->BarColor(), clMoneyGreen);
    EXPECT_EQ(Main.ChildGrid()->Link(), Rig.Pyramid().GetLink(5));
    // Only the shown child has its linked cells shaded.
    EXPECT_EQ(Rig.PuzzleAt(5).CellAt(4, 4)->GetColour(), clSilver);
    EXPECT_EQ(Rig.PuzzleAt(1).CellAt(4, 4)->GetColour(), clWhite);

    // Child row LED 7 and bar 3 choose; a parent row LED does nothing.
    QTest::mouseClick(Rig.Find<QWidget>("Shape16"), Qt::LeftButton);
    EXPECT_EQ(Main.CurrentChild(), 7);
    QTest::mouseClick(Rig.Find<QWidget>("Shape2"), Qt::LeftButton);
    EXPECT_EQ(Main.CurrentChild(), 7);
    QTest::mouseClick(Rig.Find<QWidget>("Progress3"), Qt::LeftButton);
    EXPECT_EQ(Main.CurrentChild(), 3);

    // Layout 0: parent box 0 holds the centres of child 1's boxes. With
    // "Parent click selects child" the first click only switches.
    int Row = 0, Col = 0;
    for (int Index = 0; Index < 9 && Rig.PuzzleAt(0).CellAt(Index / 3, Index % 3)->GetRevealed(); ++Index) {
        Row = (Index + 1) / 3;
        Col = (Index + 1) % 3;
    }
    ASSERT_LT(Row, 3) << "parent box 0 is all given";
    Rig.Press(QStringLiteral("sbValue%1").arg(Rig.PuzzleAt(0).CellAt(Row, Col)->GetSolution()).toLatin1().constData());
    Rig.ClickCell(true, Row, Col);
    EXPECT_EQ(Main.CurrentChild(), 1);
    EXPECT_EQ(Rig.PuzzleAt(0).CellAt(Row, Col)->GetValue(), 0);
    Rig.ClickCell(true, Row, Col);
    EXPECT_NE(Rig.PuzzleAt(0).CellAt(Row, Col)->GetValue(), 0);
    EXPECT_EQ(Rig.PuzzleAt(1).CellAt(3 * Row + 1, 3 * Col + 1)->GetValue(),
              Rig.PuzzleAt(0).CellAt(Row, Col)->GetValue());
}

TEST(MainWindow, AnEntryReachesBothGridBitmapsByItself)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    // Parent box 0 of layout 0 holds the box centres of child 1, shown.
    TCell* Found = nullptr;
    for (int Index = 0; Index < 9 && Found == nullptr; ++Index)
        if (!Rig.PuzzleAt(0).CellAt(Index / 3, Index % 3)->GetRevealed())
            Found = Rig.PuzzleAt(0).CellAt(Index / 3, Index % 3);
    ASSERT_NE(Found, nullptr);
    TCell& Parent = *Found;
    const QImage Before = Main.ChildImage()->Bitmap().copy();
    Parent.SetValue(Parent.GetSolution());
    EXPECT_NE(Main.ChildImage()->Bitmap(), Before);
    // And the widget was told: a repaint shows the new pixels.
    const QImage Shown = Main.ChildImage()->grab().toImage().convertToFormat(Before.format());
    EXPECT_EQ(Shown, Main.ChildImage()->Bitmap());
}

TEST(MainWindow, LeavingTheGridsClearsTheHoverMarking)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Rig.Hover(true, 4, 4);
    EXPECT_EQ(Main.ParentGrid()->HoverBox(), 4);
    Rig.Hover(false, 2, 2);
    EXPECT_EQ(Main.ParentGrid()->HoverBox(), -1);
    EXPECT_EQ(Main.ChildGrid()->HoverBox(), 0);
    QEvent Leave(QEvent::Leave);
    QApplication::sendEvent(Rig.Find<QWidget>("pnl2Grids"), &Leave);
    EXPECT_EQ(Main.ChildGrid()->HoverBox(), -1);
    EXPECT_FALSE(Main.ChildGrid()->PointerInside());
}

TEST(MainWindow, AnEmptyCatalogueOpensTheWindowWithTheGameMenusOff)
{
    // An "ISSUES" folder without issue files, and none at all: the window
    // opens on its "No games" page with no box before it.
    for (const bool FolderMissing : {false, true}) {
        SCOPED_TRACE(FolderMissing ? "missing folder" : "empty folder");
        TMainWindowRig Rig(QStringList{QStringLiteral("NONE.ISS")});
        if (FolderMissing) {
            ASSERT_TRUE(QDir(QString::fromStdString(Rig.ProgramFolder) + QStringLiteral("ISSUES")).removeRecursively());
        }
        TfrmMain& Main = Rig.Start();
        EXPECT_EQ(Main.XLink(), nullptr);
        EXPECT_TRUE(Rig.Prompter.Messages.empty()) << Rig.Prompter.Messages.front().Text.toStdString();
        for (const char* Name : {"mnuFileOpen", "Loadvalues1", "Save1", "SaveAs1", "Print1", "SaveBookletPdf1",
                                 "mnuEditItem", "mnuViewItem", "mnuChildItem", "mnuPuzzleItem"})
            EXPECT_FALSE(Rig.Find<QAction>(Name)->isEnabled()) << Name;
        const auto* Label = Rig.Find<QLabel>("lblNoGames");
        ASSERT_TRUE(Label->isVisible());
        EXPECT_TRUE(Label->text().contains(QStringLiteral("No games were found")));
        EXPECT_TRUE(Label->text().contains(QStringLiteral("ISSUES")));
        // No command reaches a pyramid that is not there.
        // (Modal boxes and the browser stay shut.)
        // A new pyramid can be made without any issue; its dialog is modal.
        EXPECT_TRUE(Rig.Find<QAction>("NewPyramid1")->isEnabled());
        const QStringList Skipped = {QStringLiteral("Exit1"),       QStringLiteral("Settings1"),
                                     QStringLiteral("About1"),      QStringLiteral("HomePage1"),
                                     QStringLiteral("NewPyramid1"), QStringLiteral("Statistics1")};
        for (QAction* Item : Main.findChildren<QAction*>())
            if (!Skipped.contains(Item->objectName()) && Item->menu() == nullptr)
                RunGuarded([Item] { Item->trigger(); });
        Rig.ClickCell(true, 0, 0);
        Rig.ClickCell(false, 0, 0, Qt::RightButton);
        Rig.Key(Qt::Key_5, Qt::ControlModifier);
        EXPECT_EQ(Main.XLink(), nullptr);
    }
}

TEST(MainWindow, OneChildGamesDisableTheMissingChildren)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.LoadGame(1, 108);
    ASSERT_EQ(Rig.Pyramid().ChildCount(), 1);
    Main.PopupMenu();
    for (int Tag = 2; Tag <= 9; ++Tag) {
        EXPECT_FALSE(Rig.Find<QAction>(QStringLiteral("mnuChild%1").arg(Tag).toLatin1().constData())->isEnabled());
        EXPECT_FALSE(Rig.Find<QAction>(QStringLiteral("popChild%1").arg(Tag).toLatin1().constData())->isEnabled());
        EXPECT_FALSE(Rig.Find<QWidget>(QStringLiteral("Progress%1").arg(Tag).toLatin1().constData())->isEnabled());
    }
    EXPECT_FALSE(Main.SelectChild(4));
    QTest::mouseClick(Rig.Find<QWidget>("Shape14"), Qt::LeftButton);
    EXPECT_EQ(Main.CurrentChild(), 1);
    ASSERT_TRUE(Rig.Trigger("SolveChildren"));
    ASSERT_TRUE(Rig.Trigger("SolvePyramid"));
    ASSERT_TRUE(Rig.Trigger("ResetAll"));
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
    // Back to nine children: the controls come back.
    Main.LoadGame(1, 101);
    EXPECT_TRUE(Rig.Find<QAction>("mnuChild9")->isEnabled());
}

TEST(MainWindow, ErrorsThatEscapeAnEventAreShownAndTheProgramGoesOn)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    // An object whose event handler fails, as any handler of the program may.
    struct TThrower : QObject {
        bool event(QEvent* Event) override
        {
            if (Event->type() == QEvent::User)
                throw Exception("Something broke");
            return QObject::event(Event);
        }
    } Thrower;
    QCoreApplication::postEvent(&Thrower, new QEvent(QEvent::User));
    QApplication::processEvents();
    ASSERT_EQ(Rig.Prompter.Messages.size(), 1u);
    EXPECT_EQ(Rig.Prompter.Messages[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Rig.Prompter.Messages[0].Text,
              QStringLiteral("Something broke\nPlease check your installation. Also check if there has been an "
                             "update.\nPlease inform us of this error message."));
    // A game that cannot be read leaves the game being played in place.
    TPuzzleXLink* Before = Main.XLink();
    QFile::remove(QString::fromStdString(Rig.ProgramFolder) + QStringLiteral("ISSUES/TAVREL02.ISS"));
    EXPECT_FALSE(RunGuarded([&] { Main.LoadGame(2, 201); }));
    EXPECT_EQ(Rig.Prompter.Messages.back().Text.section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("Unable to read puzzle - contact Tavrel Sudoku about your game files"));
    EXPECT_EQ(Main.XLink(), Before);
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), 101u);
}

TEST(MainWindow, AltHIsTheHiLiteSheetWhileItShowsAndHelpOtherwise)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    QTest::keyClick(&Main, Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(Main.PageControl()->ActivePage(), Rig.Find<QWidget>("tsHiLite"));
    EXPECT_EQ(Main.menuBar()->activeAction(), nullptr);
    // A game without digit highlighting hides the sheet's tab.
    Main.LoadGame(4, 404);
    QTest::keyClick(&Main, Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(Main.menuBar()->activeAction(), Rig.Find<QAction>("mnuHelpItem"));
    EXPECT_EQ(Main.PageControl()->ActivePage(), Rig.Find<QWidget>("tsValue"));
    if (QWidget* Open = QApplication::activePopupWidget())
        Open->close();
}

TEST(MainWindow, HelpMenuOpensGameHelpAndTheCaptionIsTheMainWindowsAlone)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    QTest::keyClick(&Main, Qt::Key_F1);
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->CurrentPage(), THelpWindow::TopicPage(2));
    HelpWindow()->close();
    // The window system adds the application's display name to every
    // window's title: it never carries the game's caption.
    EXPECT_FALSE(QApplication::applicationDisplayName().contains(QStringLiteral("Centres")));
    QString Shown;
    QTimer::singleShot(0, [&Shown] {
        if (QWidget* Box = QApplication::activeModalWidget()) {
            Shown = Box->windowTitle();
            Box->close();
        }
    });
    ASSERT_TRUE(Rig.Trigger("About1"));
    EXPECT_EQ(Shown, QStringLiteral("About"));
    EXPECT_EQ(Main.windowTitle(), QStringLiteral("Tavrel Sudoku: Centres"));
    // Boxes without a caption of their own carry the application's title.
    EXPECT_EQ(MessageCaption(TMessageKind::Error, QString()), QStringLiteral("Tavrel Sudoku"));
    EXPECT_EQ(MessageCaption(TMessageKind::Plain, QString()), QStringLiteral("Tavrel Sudoku"));
    EXPECT_EQ(MessageCaption(TMessageKind::Warning, QString()), QStringLiteral("Warning"));
    EXPECT_EQ(MessageCaption(TMessageKind::Exclamation, QStringLiteral("Congratulations")),
              QStringLiteral("Congratulations"));
}

TEST(MainWindow, PrintingLeavesOnlyTheChildOnScreenShaded)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    // A game for paper and screen: both printing commands are offered.
    Main.LoadGame(4, 402);
    ASSERT_TRUE(Rig.Trigger("mnuChild6"));
    const auto LinkedShading = [&Rig](int Index) {
        for (int Cell = 0; Cell < 81; ++Cell)
            if (Rig.PuzzleAt(Index).CellByIndex(Cell)->ParentLinkOfCell() != nullptr)
                return Rig.PuzzleAt(Index).CellByIndex(Cell)->GetColour();
        return TColor(0);
    };
    const QString Folder = NewScratchFolder(QStringLiteral("booklet"));
    Rig.Prompter.SaveNames.push_back(Folder + QStringLiteral("/booklet.pdf"));
    ASSERT_TRUE(Rig.Trigger("SaveBookletPdf1"));
    EXPECT_GT(QFileInfo(Folder + QStringLiteral("/booklet.pdf")).size(), 1000);
    EXPECT_EQ(Rig.Prompter.SaveDialogs.back().FileName, QStringLiteral("Paper or screen ") +
                                                            QLocale::c().toString(QDate::currentDate(), "MMMdd") +
                                                            QStringLiteral(".pdf"));
    // The print dialog set to print into a file.
    Rig.Prompter.PrinterAnswers.push_back(true);
    Rig.Prompter.PrinterSetup = [&Folder](QPrinter& Printer) {
        Printer.setOutputFormat(QPrinter::PdfFormat);
        Printer.setOutputFileName(Folder + QStringLiteral("/printed.pdf"));
    };
    ASSERT_TRUE(Rig.Trigger("Print1"));
    EXPECT_TRUE(QFileInfo::exists(Folder + QStringLiteral("/printed.pdf")));
    for (int Index = 1; Index <= 9; ++Index)
        EXPECT_EQ(LinkedShading(Index), Index == 6 ? clSilver : clWhite) << Index;
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
    // A screen game offers neither.
    Main.LoadGame(1, 101);
    EXPECT_FALSE(Rig.Trigger("Print1"));
    EXPECT_FALSE(Rig.Trigger("SaveBookletPdf1"));
}
