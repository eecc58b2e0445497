// Hints in stages through the real window: F2 tells the place to look, the
// house, the square and the whole step in turn, Shift+F2 makes the step at
// any stage, the settings choose the stage shown first; and the way back to
// the first mistake.

#include "MainWindowRig.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>

namespace {

QString StepLine(const TMainWindowRig& Rig)
{
    return Rig.Find<QLabel>("lblStep")->text();
}

struct TMarkCount {
    int House = 0;
    int Focus = 0;
};

TMarkCount MarksOn(const TGrid& Grid)
{
    TMarkCount Count;
    for (int Box = 0; Box < 9; ++Box)
        for (int Square = 0; Square < 9; ++Square) {
            Count.House += Grid.StepMark(Box, Square) == TStepMark::House;
            Count.Focus += Grid.StepMark(Box, Square) == TStepMark::Focus;
        }
    return Count;
}

TMarkCount AllMarks(TfrmMain& Main)
{
    const TMarkCount Parent = MarksOn(*Main.ParentGrid());
    const TMarkCount Child = MarksOn(*Main.ChildGrid());
    return {Parent.House + Child.House, Parent.Focus + Child.Focus};
}

const QRegularExpression SquareName(QStringLiteral("row \\d, column \\d"));

bool TellsWhole(const QString& Text)
{
    return Text.contains(QStringLiteral("must be")) || Text.contains(QStringLiteral("leave only")) ||
           Text.contains(QStringLiteral("Take "));
}

std::string Values(const TPuzzleXLink& Pyramid)
{
    std::string Text;
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index)
        Text += Pyramid.GetValuesLine(Index) + Pyramid.GetErasuresLine(Index) + "/";
    return Text;
}

QString Spoken(const QLabel& Line)
{
    return QAccessible::queryAccessibleInterface(const_cast<QLabel*>(&Line))->text(QAccessible::Name);
}

// Walks one step through its four stages, checking what each tells, marks
// and withholds; answers the four texts.
std::vector<QString> WalkStages(TMainWindowRig& Rig)
{
    TfrmMain& Main = Rig.Main.operator*();
    std::vector<QString> Texts;
    const QString First = StepLine(Rig);
    Texts.push_back(First);
    // The place to look: the puzzle and the method, nothing marked.
    EXPECT_TRUE(First.startsWith(QStringLiteral("Look at "))) << First.toStdString();
    EXPECT_FALSE(First.contains(SquareName)) << First.toStdString();
    EXPECT_FALSE(TellsWhole(First)) << First.toStdString();
    EXPECT_EQ(AllMarks(Main).House + AllMarks(Main).Focus, 0);
    const QRegularExpressionMatch Child = QRegularExpression(QStringLiteral("^Look at child (\\d)")).match(First);
    if (Child.hasMatch()) {
        EXPECT_EQ(Main.CurrentChild(), Child.captured(1).toInt());
    }
    EXPECT_EQ(Spoken(*Rig.Find<QLabel>("lblStep")), First);

    // The house: framed, named, still no square.
    Rig.Key(Qt::Key_F2, {});
    const QString House = StepLine(Rig);
    Texts.push_back(House);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Look at (row|column|box) \\d of ")).match(House).hasMatch())
        << House.toStdString();
    EXPECT_FALSE(House.contains(SquareName)) << House.toStdString();
    EXPECT_EQ(AllMarks(Main).House, 9);
    EXPECT_EQ(AllMarks(Main).Focus, 0);
    EXPECT_EQ(Spoken(*Rig.Find<QLabel>("lblStep")), House);

    // The square: the cursor on it, filled; still no digit.
    Rig.Key(Qt::Key_F2, {});
    const QString Square = StepLine(Rig);
    Texts.push_back(Square);
    EXPECT_TRUE(Square.contains(SquareName)) << Square.toStdString();
    EXPECT_FALSE(TellsWhole(Square)) << Square.toStdString();
    TGrid& Grid = Main.ParentActive() ? *Main.ParentGrid() : *Main.ChildGrid();
    EXPECT_EQ(Grid.StepMark(Grid.Cursor().Box, Grid.Cursor().Square), TStepMark::Focus);
    const TQVCell* Cell = Grid.CursorCell();
    EXPECT_TRUE(Square.contains(QStringLiteral("row %1, column %2")
                                    .arg(dynamic_cast<const TCell*>(Cell)->GetPosition().Row + 1)
                                    .arg(dynamic_cast<const TCell*>(Cell)->GetPosition().Col + 1)))
        << Square.toStdString();
    EXPECT_GE(AllMarks(Main).Focus, 1);
    EXPECT_LE(AllMarks(Main).Focus, 2);

    // The whole step.
    Rig.Key(Qt::Key_F2, {});
    const QString Whole = StepLine(Rig);
    Texts.push_back(Whole);
    EXPECT_TRUE(TellsWhole(Whole)) << Whole.toStdString();
    EXPECT_EQ(Spoken(*Rig.Find<QLabel>("lblStep")), Whole);
    return Texts;
}

}  // namespace

// A step in a child and one across a link, stage by stage; F2 on the whole
// step makes it, and the next F2 starts again at the place to look.
TEST(StepStages, FourStagesOfAStepInAChildAndOfOneAcrossALink)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    // A game whose steps rest on links early.
    Main.LoadGame(2, 201);
    Main.ChooseChildBox()->setChecked(false);
    bool InChild = false;
    bool AcrossLink = false;
    for (int Steps = 0; Steps < 300 && !(InChild && AcrossLink); ++Steps) {
        Rig.Key(Qt::Key_F2, {});
        const QString First = StepLine(Rig);
        const bool Link = First.contains(QStringLiteral("with the help of its partner"));
        const bool Child = First.startsWith(QStringLiteral("Look at child")) && !Link;
        if ((Link && !AcrossLink) || (Child && !InChild)) {
            SCOPED_TRACE(First.toStdString());
            const std::vector<QString> Texts = WalkStages(Rig);
            if (Link) {
                AcrossLink = true;
                EXPECT_TRUE(Texts[3].contains(QStringLiteral("partner"))) << Texts[3].toStdString();
                // The partner is marked where it shows.
                EXPECT_GE(AllMarks(Main).Focus, 2);
            }
            InChild = InChild || Child;
            const std::string Before = Values(Rig.Pyramid());
            Rig.Key(Qt::Key_F2, {});
            EXPECT_NE(Values(Rig.Pyramid()), Before) << "F2 on the whole step makes it";
            EXPECT_TRUE(StepLine(Rig).isEmpty());
            continue;
        }
        Rig.Key(Qt::Key_F2, Qt::ShiftModifier);
    }
    EXPECT_TRUE(InChild);
    EXPECT_TRUE(AcrossLink);
}

// Shift+F2 at the first stage makes exactly the step the whole stage tells.
TEST(StepStages, ApplyAtTheFirstStageMakesTheStepTheLastStageShows)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.ChooseChildBox()->setChecked(false);
    for (int Press = 0; Press < 4; ++Press)
        Rig.Key(Qt::Key_F2, {});
    ASSERT_TRUE(TellsWhole(StepLine(Rig))) << StepLine(Rig).toStdString();
    const std::string Start = Values(Rig.Pyramid());
    Rig.Key(Qt::Key_F2, {});
    const std::string Made = Values(Rig.Pyramid());
    ASSERT_NE(Made, Start);
    Rig.Key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Values(Rig.Pyramid()), Start);

    Rig.Key(Qt::Key_F2, {});
    ASSERT_TRUE(StepLine(Rig).startsWith(QStringLiteral("Look at "))) << StepLine(Rig).toStdString();
    Rig.Key(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(Values(Rig.Pyramid()), Made);
}

// The stage shown first is the settings dialog's choice, kept across a
// restart; looking at another child keeps the step and marks it again when
// its child is back.
TEST(StepStages, TheSettingChoosesTheFirstStageAndAnotherChildKeepsTheStep)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.ChooseChildBox()->setChecked(false);
    Rig.Options->EnsureControls();
    auto* Start = Rig.Options->findChild<QComboBox*>(QStringLiteral("cmbStepStart"));
    ASSERT_NE(Start, nullptr);
    ASSERT_EQ(Start->count(), 4);
    EXPECT_EQ(Start->currentIndex(), 0);
    const std::pair<int, const char*> Stages[] = {{1, "^Look at box \\d of "}, {2, "row \\d, column \\d"}};
    for (const auto& [Index, Pattern] : Stages) {
        Start->setCurrentIndex(Index);
        Rig.Key(Qt::Key_F2, {});
        EXPECT_TRUE(QRegularExpression(QString::fromLatin1(Pattern)).match(StepLine(Rig)).hasMatch())
            << StepLine(Rig).toStdString();
        EXPECT_FALSE(TellsWhole(StepLine(Rig)));
        Rig.Key(Qt::Key_F2, Qt::ShiftModifier);
    }
    Start->setCurrentIndex(3);
    Rig.Key(Qt::Key_F2, {});
    EXPECT_TRUE(TellsWhole(StepLine(Rig))) << StepLine(Rig).toStdString();
    Main.Store().SaveOptions(*Rig.Options);
    Rig.Options->SetStepStartStage(1);
    Main.Store().LoadOptions(*Rig.Options);
    EXPECT_EQ(Rig.Options->StepStartStage(), 4);
    EXPECT_EQ(Start->currentIndex(), 3);

    // A step in a child: another child keeps it; back, it is marked again.
    Rig.Key(Qt::Key_F2, Qt::ShiftModifier);
    for (int Steps = 0; Steps < 100 && Main.ParentActive(); ++Steps) {
        Rig.Key(Qt::Key_F2, Qt::ShiftModifier);
        Rig.Key(Qt::Key_F2, {});
    }
    if (StepLine(Rig).isEmpty())
        Rig.Key(Qt::Key_F2, {});
    ASSERT_FALSE(Main.ParentActive());
    const QString Told = StepLine(Rig);
    const int Child = Main.CurrentChild();
    const int Focus = MarksOn(*Main.ChildGrid()).Focus;
    ASSERT_GE(Focus, 1);
    Rig.Key(Qt::Key_1 + Child % 9, Qt::AltModifier);
    ASSERT_NE(Main.CurrentChild(), Child);
    EXPECT_EQ(StepLine(Rig), Told);
    Rig.Key(Qt::Key_1 + Child - 1, Qt::AltModifier);
    EXPECT_EQ(Main.CurrentChild(), Child);
    EXPECT_EQ(MarksOn(*Main.ChildGrid()).Focus, Focus);
    EXPECT_EQ(StepLine(Rig), Told);
}

// A wrong entry among later right ones, in several puzzles: Show First
// Mistake finds it, Undo to Before Mistake takes it back with everything
// after it, Redo puts all back; a game without incorrect-entry highlighting
// offers neither command.
TEST(StepStages, TheFirstMistakeIsFoundUndoneWithWhatFollowedAndRedone)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.ChooseChildBox()->setChecked(false);
    Rig.Key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(StepLine(Rig), QStringLiteral("Every entry so far agrees with the solution."));

    // One right step, then a wrong entry in the parent, then right steps.
    Rig.Key(Qt::Key_F2, Qt::ShiftModifier);
    const std::string BeforeMistake = Values(Rig.Pyramid());
    TCell* Wrong = nullptr;
    for (int Index = 80; Index >= 0 && Wrong == nullptr; --Index)
        if (TCell* Cell = Rig.PuzzleAt(0).CellByIndex(Index); Cell->GetValue() == 0)
            Wrong = Cell;
    ASSERT_NE(Wrong, nullptr);
    Rig.Hover(true, Wrong->GetPosition().Row, Wrong->GetPosition().Col);
    Rig.Key(Qt::Key_0 + Wrong->GetSolution() % 9 + 1, {});
    ASSERT_NE(Wrong->GetValue(), 0);
    const int Later = 5;
    int Made = 0;
    for (int Index = 0; Index < 81 && Made < Later; ++Index) {
        const int Puzzle = 1 + Index % 3;
        TCell* Cell = Rig.PuzzleAt(Puzzle).CellByIndex(Index);
        if (Cell->GetValue() != 0 || Cell->ParentLinkOfCell() == Wrong)
            continue;
        ASSERT_TRUE(Rig.Trigger(QStringLiteral("mnuChild%1").arg(Puzzle).toLatin1().constData()));
        Rig.Hover(false, Cell->GetPosition().Row, Cell->GetPosition().Col);
        Rig.Key(Qt::Key_0 + Cell->GetSolution(), {});
        Made += Cell->GetValue() == Cell->GetSolution();
    }
    ASSERT_EQ(Made, Later);
    const std::string AfterAll = Values(Rig.Pyramid());

    Rig.Key(Qt::Key_M, Qt::ControlModifier);
    const QString Told = StepLine(Rig);
    EXPECT_EQ(Told,
              QStringLiteral("Your first wrong entry is the parent's row %1, column %2; %3 entries came after it.")
                  .arg(Wrong->GetPosition().Row + 1)
                  .arg(Wrong->GetPosition().Col + 1)
                  .arg(Later));
    ASSERT_TRUE(Main.ParentActive());
    TGrid& Grid = *Main.ParentGrid();
    EXPECT_EQ(dynamic_cast<TCell*>(Grid.CursorCell()), Wrong);
    EXPECT_EQ(Grid.StepMark(Grid.Cursor().Box, Grid.Cursor().Square), TStepMark::Mistake);
    EXPECT_TRUE(
        SpokenSquare(Grid, Grid.Cursor().Box, Grid.Cursor().Square).endsWith(QStringLiteral(", first mistake")));

    Rig.Key(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Values(Rig.Pyramid()), BeforeMistake);
    EXPECT_EQ(Wrong->GetValue(), 0);
    EXPECT_TRUE(Rig.Find<QAction>("Redo1")->isEnabled());
    Rig.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Values(Rig.Pyramid()), AfterAll);

    // Not offered where incorrect entries are not shown.
    EXPECT_TRUE(Rig.Find<QAction>("ShowFirstMistake1")->isVisible());
    EXPECT_TRUE(Rig.Find<QAction>("UndoToMistake1")->isVisible());
    Main.LoadGame(4, 404);
    EXPECT_FALSE(Rig.Find<QAction>("ShowFirstMistake1")->isVisible());
    EXPECT_FALSE(Rig.Find<QAction>("UndoToMistake1")->isVisible());
    EXPECT_FALSE(Rig.Trigger("ShowFirstMistake1"));
}
