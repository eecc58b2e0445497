// Explained steps in the window: F2 shows a step on the grids and in the
// step line, F2 again (or Shift+F2) makes it as the player's own entry, and
// the game's aids decide where steps are offered.

#include "MainWindowRig.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

namespace {

QString StepLine(const TMainWindowRig& Rig)
{
    return Rig.Find<QLabel>("lblStep")->text();
}

// The cell under the active grid's cursor.
TCell* CursorCell(TfrmMain& Main)
{
    TGrid& Grid = Main.ParentActive() ? *Main.ParentGrid() : *Main.ChildGrid();
    return dynamic_cast<TCell*>(Grid.CursorCell());
}

}  // namespace

TEST(Steps, F2ShowsTheStepOnTheGridAndAgainMakesItAsAnUndoableEntry)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Rig.Options->SetStepStartStage(4);
    EXPECT_TRUE(Rig.Find<QWidget>("pnlStep")->isVisible());
    EXPECT_TRUE(StepLine(Rig).isEmpty());
    // A step in another child than the one shown brings its child up.
    Main.ChooseChildBox()->setChecked(false);
    Rig.Key(Qt::Key_F2, {});
    const QString Told = StepLine(Rig);
    ASSERT_TRUE(Told.contains(QStringLiteral("must be")) || Told.contains(QStringLiteral("leave only")))
        << Told.toStdString();
    TCell* Cell = CursorCell(Main);
    ASSERT_NE(Cell, nullptr);
    EXPECT_EQ(Cell->GetValue(), 0);
    const int Puzzle = Main.ParentActive() ? 0 : Main.CurrentChild();
    EXPECT_EQ(Cell->GetPuzzle(), &Rig.PuzzleAt(Puzzle));
    const QString Where =
        QStringLiteral("row %1, column %2").arg(Cell->GetPosition().Row + 1).arg(Cell->GetPosition().Col + 1);
    EXPECT_TRUE(Told.contains(Where)) << Told.toStdString();
    TGrid& Grid = Main.ParentActive() ? *Main.ParentGrid() : *Main.ChildGrid();
    EXPECT_EQ(Grid.StepMark(Grid.Cursor().Box, Grid.Cursor().Square), TStepMark::Focus);
    EXPECT_TRUE(SpokenSquare(Grid, Grid.Cursor().Box, Grid.Cursor().Square).endsWith(QStringLiteral(", step square")));
    EXPECT_EQ(Rig.PuzzleAt(Puzzle).UndoCount(), 0);

    // Found again, the same step; F2 again makes it.
    Rig.Key(Qt::Key_F2, {});
    EXPECT_EQ(Cell->GetValue(), Cell->GetSolution());
    EXPECT_TRUE(StepLine(Rig).isEmpty());
    EXPECT_EQ(Grid.StepMark(Grid.Cursor().Box, Grid.Cursor().Square), TStepMark::None);
    EXPECT_FALSE(Main.Saved());
    EXPECT_EQ(Main.UndoPuzzle(), Puzzle);
    Rig.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell->GetValue(), 0);

    // Shift+F2 makes the next step without showing it first. A change
    // clears the step shown, so the next F2 shows a step, not makes one.
    Rig.Key(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(Cell->GetValue(), Cell->GetSolution());
    Rig.Key(Qt::Key_F2, {});
    EXPECT_FALSE(StepLine(Rig).isEmpty());
    Rig.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell->GetValue(), 0);
    EXPECT_TRUE(StepLine(Rig).isEmpty());
    ASSERT_TRUE(Rig.Trigger("NextStep1"));
    EXPECT_EQ(Cell->GetValue(), 0);
    EXPECT_EQ(StepLine(Rig), Told);
}

// The solve commands and the steps use the methods the settings list
// checks at the time.
TEST(Steps, SolvingAndStepsUseTheMethodsTheSettingsCheck)
{
    TMainWindowRig Rig;
    Rig.Start();
    Rig.Options->SetStepStartStage(4);
    Rig.Options->EnsureControls();
    auto* Methods = Rig.Options->findChild<QListWidget*>(QStringLiteral("chklbSolveMthods"));
    ASSERT_NE(Methods, nullptr);
    for (int Method = 0; Method < Methods->count(); ++Method)
        Methods->item(Method)->setCheckState(Qt::Unchecked);
    for (const char* Command : {"SolvePyramid", "SolveChildren", "SolveMaster", "SolveChild"})
        ASSERT_TRUE(Rig.Trigger(Command));
    for (int Index = 0; Index <= Rig.Pyramid().ChildCount(); ++Index)
        EXPECT_EQ(Rig.PuzzleAt(Index).UndoCount(), 0) << Index;
    Rig.Key(Qt::Key_F2, {});
    EXPECT_EQ(StepLine(Rig), QStringLiteral("The solving methods find no further step from these entries."));

    for (int Method = 0; Method < Methods->count(); ++Method)
        Methods->item(Method)->setCheckState(Qt::Checked);
    Rig.Key(Qt::Key_F2, {});
    EXPECT_TRUE(StepLine(Rig).contains(QStringLiteral("must be")) ||
                StepLine(Rig).contains(QStringLiteral("leave only")))
        << StepLine(Rig).toStdString();
    ASSERT_TRUE(Rig.Trigger("SolvePyramid"));
    for (int Index = 0; Index <= Rig.Pyramid().ChildCount(); ++Index)
        EXPECT_TRUE(Rig.PuzzleAt(Index).IsSolved()) << Index;
}

// Steps alone play a bundled game to its end, strikes included, and the
// last one brings the congratulation.
TEST(Steps, StepsAloneReachTheCongratulation)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Rig.Options->SetStepStartStage(4);
    Main.LoadGame(2, 201);
    int Presses = 0;
    while (Rig.Prompter.Messages.empty() && Presses < 4000) {
        Rig.Key(Qt::Key_F2, {});
        ++Presses;
    }
    ASSERT_EQ(Rig.Prompter.Messages.size(), 1u) << StepLine(Rig).toStdString();
    EXPECT_EQ(Rig.Prompter.Messages[0].Caption, QStringLiteral("Congratulations"));
    for (int Index = 0; Index <= Rig.Pyramid().ChildCount(); ++Index)
        EXPECT_TRUE(Rig.PuzzleAt(Index).IsSolved()) << Index;
    Rig.Key(Qt::Key_F2, {});
    EXPECT_EQ(StepLine(Rig), QStringLiteral("Every square is filled in: there is no step left."));
}

TEST(Steps, AWrongEntryIsToldFirstAndNamedOnlyWhereTheGameShowsIncorrectEntries)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    for (const uint32_t Game : {101u, 404u}) {
        Main.LoadGame(Game / 100, Game);
        Main.ChooseChildBox()->setChecked(false);
        TCell* Wrong = nullptr;
        for (int Index = 80; Index >= 0 && Wrong == nullptr; --Index)
            if (TCell* Cell = Rig.PuzzleAt(0).CellByIndex(Index); Cell->GetValue() == 0)
                Wrong = Cell;
        ASSERT_NE(Wrong, nullptr);
        Rig.Hover(true, Wrong->GetPosition().Row, Wrong->GetPosition().Col);
        Rig.Key(Qt::Key_0 + Wrong->GetSolution() % 9 + 1, {});
        Rig.Key(Qt::Key_Home, {});
        Rig.Key(Qt::Key_F2, {});
        const QString Told = StepLine(Rig);
        if (Game == 101) {
            EXPECT_TRUE(Told.contains(QStringLiteral("which is not its solution"))) << Told.toStdString();
            EXPECT_EQ(CursorCell(Main), Wrong);
        } else {
            EXPECT_TRUE(Told.startsWith(QStringLiteral("One of the entries is wrong"))) << Told.toStdString();
            EXPECT_NE(CursorCell(Main), Wrong);
        }
        // F2 again changes nothing while the entry stands.
        Rig.Key(Qt::Key_F2, {});
        EXPECT_NE(Wrong->GetValue(), Wrong->GetSolution());
    }
}

TEST(Steps, TheGamesAidsDecideWhereStepsAreOffered)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Rig.Options->SetStepStartStage(4);
    const auto Offered = [&] {
        const bool Menu = Rig.Find<QAction>("NextStep1")->isVisible() && Rig.Find<QAction>("ApplyStep1")->isVisible();
        EXPECT_EQ(Menu, Rig.Find<QWidget>("pnlStep")->isVisible());
        EXPECT_EQ(Menu, Main.PopupMenu()->findChild<QAction*>(QStringLiteral("popNextStep"))->isVisible());
        return Menu;
    };
    EXPECT_TRUE(Offered());
    // A paper game and a game without any solving command offer none; F2
    // then does nothing.
    for (const uint32_t Game : {401u, 403u}) {
        Main.LoadGame(4, Game);
        EXPECT_FALSE(Offered()) << Game;
        Rig.Key(Qt::Key_F2, {});
        EXPECT_TRUE(StepLine(Rig).isEmpty());
    }
    // Child solving only: steps come from the children, on their own
    // candidates.
    Main.LoadGame(4, 406);
    EXPECT_TRUE(Offered());
    for (int Step = 0; Step < 30; ++Step) {
        Rig.Key(Qt::Key_F2, {});
        EXPECT_FALSE(Main.ParentActive());
        EXPECT_FALSE(StepLine(Rig).contains(QStringLiteral("partner"))) << StepLine(Rig).toStdString();
        Rig.Key(Qt::Key_F2, {});
    }
}
