// The player's hands on the main window: clicks in each entry mode, the
// pop-up menu, the highlight keys, the mark styles, undo and checkpoints.
#include "MainWindowRig.h"

#include "ButtonPageControl.h"
#include "Cell.h"
#include "GridImage.h"

#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// An empty cell of the parent, not given, and the digits it shows.
struct TFreeCell {
    int Row = -1;
    int Col = -1;
    TCell* Cell = nullptr;
};

// Works in the separate auto pencil style, where a parent cell shows all of
// its own candidates.
TFreeCell FreeParentCell(TMainWindowRig& Rig, int Skip = 0)
{
    if (!Rig.Find<QAction>("AutoPencilSeparate1")->isChecked() && !Rig.Find<QAction>("UserMarksLinked1")->isChecked() &&
        !Rig.Find<QAction>("UserMarksSeparate1")->isChecked())
        Rig.Trigger("AutoPencilSeparate1");
    for (int Index = 0; Index < 81; ++Index) {
        TCell* Cell = Rig.PuzzleAt(0).CellByIndex(Index);
        if (Cell->GetValue() == 0 && Cell->Possible().Count() >= 2 && Skip-- == 0)
            return {Index / 9, Index % 9, Cell};
    }
    return {};
}

QToolButton* Button(TMainWindowRig& Rig, const QString& Name)
{
    return Rig.Find<QToolButton>(Name.toLatin1().constData());
}

void ShowSheet(TMainWindowRig& Rig, const char* Sheet)
{
    Rig.Main->PageControl()->SetActivePage(Rig.Find<QWidget>(Sheet));
}

// A digit the cell shows that is not its solution.
int WrongShownDigit(const TCell& Cell)
{
    for (int Digit = 1; Digit <= 9; ++Digit)
        if (Cell.Shown().IsSet(Digit) && Digit != Cell.GetSolution())
            return Digit;
    return 0;
}

}  // namespace

TEST(Entry, PencilAndEraseWorkOnTheAutomaticMarks)
{
    TMainWindowRig Rig;
    Rig.Start();
    Rig.Main->ChooseChildBox()->setChecked(false);
    const TFreeCell Free = FreeParentCell(Rig);
    ASSERT_NE(Free.Cell, nullptr);
    const int Solution = Free.Cell->GetSolution();
    const int Wrong = WrongShownDigit(*Free.Cell);
    // The click must not fill a cell left with one mark.
    Rig.Options->SetOption(optSingleValue, false);

    // Erasing the solution is refused while setting 7 is on; other digits go.
    ShowSheet(Rig, "tsErase");
    Button(Rig, QStringLiteral("sbErase%1").arg(Solution))->click();
    Button(Rig, QStringLiteral("sbErase%1").arg(Wrong))->click();
    Rig.ClickCell(true, Free.Row, Free.Col);
    EXPECT_TRUE(Free.Cell->Shown().IsSet(Solution));
    EXPECT_FALSE(Free.Cell->Shown().IsSet(Wrong));
    EXPECT_FALSE(Rig.Main->Saved());
    Rig.Options->SetOption(optNoRemoveSoln, false);
    Rig.ClickCell(true, Free.Row, Free.Col);
    EXPECT_FALSE(Free.Cell->Shown().IsSet(Solution));

    // "Clr" releases the nine; pencilling brings an erased digit back but
    // never adds one that is not a candidate.
    Rig.Press("cmdClrEraseSbs");
    for (int Digit = 1; Digit <= 9; ++Digit)
        EXPECT_FALSE(Button(Rig, QStringLiteral("sbErase%1").arg(Digit))->isChecked());
    ShowSheet(Rig, "tsPencil");
    for (int Digit = 1; Digit <= 9; ++Digit)
        Button(Rig, QStringLiteral("sbPencil%1").arg(Digit))->click();
    Rig.ClickCell(true, Free.Row, Free.Col);
    EXPECT_EQ(Free.Cell->Erased().Bits(), 0u);
    EXPECT_EQ(Free.Cell->Shown().Bits() & ~Free.Cell->Possible().Bits(), 0u);
    // Pencil work is not undone.
    EXPECT_EQ(Rig.PuzzleAt(0).UndoCount(), 0);
}

TEST(Entry, ClickToEnterFillsTheOnlyMarkInEveryModeButNotWithUserMarks)
{
    TMainWindowRig Rig;
    Rig.Start();
    Rig.Main->ChooseChildBox()->setChecked(false);
    const TFreeCell Free = FreeParentCell(Rig);
    ASSERT_NE(Free.Cell, nullptr);
    // Leave only the solution among the cell's marks, erasing the rest.
    Rig.Options->SetOption(optSingleValue, false);
    ShowSheet(Rig, "tsErase");
    for (int Digit = 1; Digit <= 9; ++Digit)
        if (Digit != Free.Cell->GetSolution())
            Button(Rig, QStringLiteral("sbErase%1").arg(Digit))->click();
    Rig.ClickCell(true, Free.Row, Free.Col);
    ASSERT_EQ(Free.Cell->Shown().Count(), 1);
    Rig.Options->SetOption(optSingleValue, true);

    // In a user-marks style the click does not fill the cell.
    ASSERT_TRUE(Rig.Trigger("UserMarksSeparate1"));
    ShowSheet(Rig, "tsValue");
    ShowSheet(Rig, "tsHiLite");
    Rig.ClickCell(true, Free.Row, Free.Col);
    EXPECT_EQ(Free.Cell->GetValue(), 0);
    // Back in an auto pencil style, even the Hi Lite sheet fills it.
    ASSERT_TRUE(Rig.Trigger("AutoPencilSeparate1"));
    ShowSheet(Rig, "tsHiLite");
    Rig.ClickCell(true, Free.Row, Free.Col);
    EXPECT_EQ(Free.Cell->GetValue(), Free.Cell->GetSolution());
}

TEST(Entry, UserMarksArePencilledAndErased)
{
    TMainWindowRig Rig;
    Rig.Start();
    Rig.Main->ChooseChildBox()->setChecked(false);
    ASSERT_TRUE(Rig.Trigger("UserMarksLinked1"));
    EXPECT_EQ(Rig.PuzzleAt(0).MarkStyle(), msUserMarksLinked);
    // Candidates and Filled only serve the automatic marks.
    EXPECT_FALSE(Rig.Find<QAction>("Candidates1")->isEnabled());
    const TFreeCell Free = FreeParentCell(Rig);
    ShowSheet(Rig, "tsPencil");
    Button(Rig, QStringLiteral("sbPencil2"))->click();
    Button(Rig, QStringLiteral("sbPencil7"))->click();
    Rig.ClickCell(true, Free.Row, Free.Col);
    EXPECT_EQ(Free.Cell->UserMarks().Bits(), (1u << 2) | (1u << 7));
    ShowSheet(Rig, "tsErase");
    Button(Rig, QStringLiteral("sbErase7"))->click();
    Rig.ClickCell(true, Free.Row, Free.Col);
    EXPECT_EQ(Free.Cell->UserMarks().Bits(), 1u << 2);
    EXPECT_EQ(Free.Cell->Shown().Bits(), 1u << 2);
}

TEST(Entry, HighlightKeysAndButtons)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Rig.Key(Qt::Key_5, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Main.ParentGrid()->Highlight(), 0);
    Rig.Key(Qt::Key_5, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(Main.ParentGrid()->Highlight(), 5);
    EXPECT_EQ(Main.ChildGrid()->Highlight(), 5);
    // Settings 1 and 2 make the Erase and Enter numbers follow.
    EXPECT_EQ(Main.EnterValue(), 5);
    EXPECT_TRUE(Button(Rig, QStringLiteral("sbValue5"))->isChecked());
    EXPECT_TRUE(Button(Rig, QStringLiteral("sbErase5"))->isChecked());
    EXPECT_TRUE(Button(Rig, QStringLiteral("sbHilite5"))->isChecked());
    // The pop-up menu, as it opens now, names the digit.
    Main.PopupMenu();
    EXPECT_TRUE(Rig.Find<QAction>("HiLite5s1")->isChecked());
    EXPECT_TRUE(Rig.Find<QAction>("EnterNow")->isVisible());
    EXPECT_EQ(Rig.Find<QAction>("PencilNow")->text(), QStringLiteral("Pencil 5"));

    Rig.Key(Qt::Key_Slash, Qt::ControlModifier);
    EXPECT_EQ(Main.ParentGrid()->Highlight(), 10);
    Main.PopupMenu();
    EXPECT_FALSE(Rig.Find<QAction>("EnterNow")->isVisible());
    EXPECT_EQ(Rig.Find<QAction>("EnterNow")->property("Tag").toInt(), 0);
    EXPECT_EQ(Main.EnterValue(), 5);

    // Child only: the parent grid shows no highlight.
    ASSERT_TRUE(Rig.Trigger("Childonly1"));
    EXPECT_EQ(Main.ParentGrid()->Highlight(), 0);
    EXPECT_EQ(Main.ChildGrid()->Highlight(), 10);
    Rig.Options->SetOption(optHiLiteToValue, false);
    Button(Rig, QStringLiteral("sbHilite3"))->click();
    EXPECT_EQ(Main.ChildGrid()->Highlight(), 3);
    EXPECT_EQ(Main.EnterValue(), 5);
    Button(Rig, QStringLiteral("sbHilite3"))->click();
    EXPECT_EQ(Main.ChildGrid()->Highlight(), 0);
    Main.PopupMenu();
    EXPECT_TRUE(Rig.Find<QAction>("HiLiteNone1")->isChecked());
}

TEST(Entry, PopupEditsActOnTheCellUnderTheLastRelease)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Rig.Main->ChooseChildBox()->setChecked(false);
    const TFreeCell Free = FreeParentCell(Rig);
    Rig.ClickCell(true, Free.Row, Free.Col, Qt::RightButton);
    EXPECT_EQ(Main.PopupCell(), Free.Cell);
    EXPECT_TRUE(Main.PopupMenu()->isVisible());
    Main.PopupMenu()->hide();
    const int Digit = Free.Cell->GetSolution();
    ASSERT_TRUE(Rig.Trigger(QStringLiteral("HiLite%1s1").arg(Digit).toLatin1().constData()));
    Main.PopupMenu();  // opened again, it offers the digit highlighted
    ASSERT_TRUE(Rig.Trigger("EnterNow"));
    EXPECT_EQ(Free.Cell->GetValue(), Digit);
    EXPECT_FALSE(Main.Saved());

    // The value already there changes nothing, not even the saved state.
    Main.SaveAs1Click(false);  // cancelled: no name given
    Rig.Main->LoadGame(1, 101);
    ASSERT_TRUE(Main.Saved());
    const TFreeCell Again = FreeParentCell(Rig);
    Rig.ClickCell(true, Again.Row, Again.Col, Qt::RightButton);
    Main.PopupMenu()->hide();
    ASSERT_TRUE(Rig.Trigger("Clear01"));
    EXPECT_TRUE(Main.Saved());

    // A given cell takes no value from the pop-up.
    int Given = 0;
    while (!Rig.PuzzleAt(0).CellByIndex(Given)->GetRevealed())
        ++Given;
    TCell& GivenCell = *Rig.PuzzleAt(0).CellByIndex(Given);
    Rig.ClickCell(true, Given / 9, Given % 9, Qt::RightButton);
    Main.PopupMenu()->hide();
    const int Shown = GivenCell.GetValue();
    ASSERT_TRUE(Rig.Trigger(QStringLiteral("N%11").arg(Shown % 9 + 1 == 1 ? 2 : Shown % 9 + 1).toLatin1().constData()));
    ASSERT_TRUE(Rig.Trigger("Clear01"));
    EXPECT_EQ(GivenCell.GetValue(), Shown);
    EXPECT_TRUE(GivenCell.GetRevealed());
}

TEST(Entry, HidingTheMarksHidesTheirSheetsAndBringsThemBack)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    ShowSheet(Rig, "tsPencil");
    ASSERT_TRUE(Rig.Trigger("HidePencilMarks1"));
    EXPECT_EQ(Rig.PuzzleAt(0).MarkStyle(), msHidden);
    for (const char* Sheet : {"tsPencil", "tsErase", "tsHiLite"})
        EXPECT_FALSE(Main.PageControl()->IsTabVisible(Rig.Find<QWidget>(Sheet))) << Sheet;
    EXPECT_EQ(Main.PageControl()->ActivePage(), Rig.Find<QWidget>("tsValue"));
    EXPECT_FALSE(Rig.Find<QAction>("UserMarksLinked1")->isVisible());
    EXPECT_FALSE(Rig.Find<QAction>("AutoPencilLinked1")->isVisible());
    ASSERT_TRUE(Rig.Trigger("HidePencilMarks1"));
    EXPECT_EQ(Rig.PuzzleAt(0).MarkStyle(), msAutoPencilLinked);
    for (const char* Sheet : {"tsPencil", "tsErase", "tsHiLite"})
        EXPECT_TRUE(Main.PageControl()->IsTabVisible(Rig.Find<QWidget>(Sheet))) << Sheet;
    // Filled marks apply to both grids.
    ASSERT_TRUE(Rig.Trigger("Filled1"));
    EXPECT_TRUE(Main.ParentGrid()->Filled());
    EXPECT_TRUE(Main.ChildGrid()->Filled());
}

TEST(Entry, UndoActsOnThePuzzleOfTheLastClickedGrid)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    EXPECT_EQ(Main.UndoPuzzle(), 0);
    // A value in child 1's linked cell: the parent's partner records it too.
    TCell* Linked = nullptr;
    int Row = 0, Col = 0;
    for (int Index = 0; Index < 81 && Linked == nullptr; ++Index) {
        TCell* Cell = Rig.PuzzleAt(1).CellByIndex(Index);
        if (Cell->ParentLinkOfCell() != nullptr && !Cell->GetRevealed()) {
            Linked = Cell;
            Row = Index / 9;
            Col = Index % 9;
        }
    }
    ASSERT_NE(Linked, nullptr);
    Rig.Options->SetOption(optSingleValue, false);
    Rig.Press(QStringLiteral("sbValue%1").arg(Linked->GetSolution()).toLatin1().constData());
    Rig.ClickCell(false, Row, Col);
    EXPECT_EQ(Main.UndoPuzzle(), 1);
    EXPECT_EQ(Linked->ParentLinkOfCell()->GetValue(), Linked->GetSolution());
    EXPECT_EQ(Rig.PuzzleAt(0).UndoCount(), 1);

    // Switching the child by menu does not move the undo target.
    ASSERT_TRUE(Rig.Trigger("mnuChild4"));
    ASSERT_TRUE(Rig.Trigger("Checkpoint1"));
    ASSERT_TRUE(Rig.Trigger("Checkpoint1"));
    EXPECT_EQ(Rig.PuzzleAt(1).CheckpointCount(), 1);
    ASSERT_TRUE(Rig.Trigger("Backtocheckpoint1"));
    EXPECT_EQ(Rig.PuzzleAt(1).CheckpointCount(), 1);
    ASSERT_TRUE(Rig.Trigger("Undo1"));
    EXPECT_EQ(Linked->GetValue(), 0);
    EXPECT_EQ(Linked->ParentLinkOfCell()->GetValue(), 0);
    EXPECT_EQ(Rig.PuzzleAt(0).UndoCount(), 2);
    ASSERT_TRUE(Rig.Trigger("Backtocheckpoint1"));
    EXPECT_EQ(Rig.PuzzleAt(1).CheckpointCount(), 0);
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
}

TEST(Keyboard, TheCursorMovesOnItsGridAndDigitsActByTheSheetShown)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.ChooseChildBox()->setChecked(false);
    TGrid& Parent = *Main.ParentGrid();
    TGrid& Child = *Main.ChildGrid();
    const auto At = [](const TGrid& Grid) {
        const TPosition Place = TPosition::FromBoxPlace(Grid.Cursor().Box, Grid.Cursor().Square);
        return std::pair<int, int>{Place.Row, Place.Col};
    };
    // The first movement shows the cursor on the centre square and goes no
    // further; then the keys move it, stopping at the edges.
    EXPECT_TRUE(Main.ParentActive());
    Rig.Key(Qt::Key_Right, {});
    EXPECT_EQ(At(Parent), std::make_pair(4, 4));
    for (int Step = 0; Step < 6; ++Step)
        Rig.Key(Qt::Key_Left, {});
    EXPECT_EQ(At(Parent), std::make_pair(4, 0));
    Rig.Key(Qt::Key_End, {});
    Rig.Key(Qt::Key_PageUp, {});
    Rig.Key(Qt::Key_Up, {});
    EXPECT_EQ(At(Parent), std::make_pair(0, 8));
    Rig.Key(Qt::Key_Right, {});
    EXPECT_EQ(At(Parent), std::make_pair(0, 8)) << "no wrapping round at the right edge";
    Rig.Key(Qt::Key_PageDown, {});
    Rig.Key(Qt::Key_Down, {});
    EXPECT_EQ(At(Parent), std::make_pair(8, 8)) << "nor at the bottom";
    Rig.Key(Qt::Key_Home, {});
    Rig.Key(Qt::Key_Right, {});
    EXPECT_EQ(At(Parent), std::make_pair(8, 1));
    // Tab takes the cursor to the other grid, keeping row and column.
    Rig.Key(Qt::Key_Tab, {});
    EXPECT_FALSE(Main.ParentActive());
    EXPECT_EQ(At(Child), std::make_pair(8, 1));
    Rig.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(Main.ParentActive());
    EXPECT_EQ(Main.PageControl()->ActivePage(), Rig.Find<QWidget>("tsValue"));

    // The pointer over a child square moves that grid's cursor there.
    TCell* Free = nullptr;
    int Row = 0, Col = 0;
    for (int Index = 0; Index < 81 && Free == nullptr; ++Index)
        if (TCell* Cell = Rig.PuzzleAt(1).CellByIndex(Index); Cell->GetValue() == 0 && Cell->Possible().Count() >= 2) {
            Free = Cell;
            Row = Index / 9;
            Col = Index % 9;
        }
    ASSERT_NE(Free, nullptr);
    Rig.Hover(false, Row, Col);
    EXPECT_FALSE(Main.ParentActive());
    EXPECT_EQ(At(Child), std::make_pair(Row, Col));
    int Wrong = 1;
    while (Wrong == Free->GetSolution())
        ++Wrong;
    // Enter: exactly the digit typed, its button down, undo on the child.
    Rig.Key(Qt::Key_0 + Wrong, Qt::KeypadModifier);
    EXPECT_EQ(Free->GetValue(), Wrong);
    EXPECT_TRUE(Button(Rig, QStringLiteral("sbValue%1").arg(Wrong))->isChecked());
    EXPECT_EQ(Main.UndoPuzzle(), 1);
    EXPECT_FALSE(Main.Saved());
    Rig.Key(Qt::Key_Backspace, {});
    EXPECT_EQ(Free->GetValue(), 0);
    // Erase and Pencil act on the erased candidates in an auto pencil style.
    ShowSheet(Rig, "tsErase");
    Rig.Key(Qt::Key_0 + Wrong, {});
    EXPECT_TRUE(Free->Erased().IsSet(Wrong));
    ShowSheet(Rig, "tsPencil");
    Rig.Key(Qt::Key_0 + Wrong, {});
    EXPECT_FALSE(Free->Erased().IsSet(Wrong));
    EXPECT_EQ(Free->GetValue(), 0);
    ShowSheet(Rig, "tsHiLite");
    Rig.Key(Qt::Key_7, {});
    EXPECT_EQ(Child.Highlight(), 7);
    EXPECT_EQ(Main.PageControl()->ActivePage(), Rig.Find<QWidget>("tsHiLite"));

    // A given takes no digit.
    ShowSheet(Rig, "tsValue");
    int Given = 0;
    while (!Rig.PuzzleAt(0).CellByIndex(Given)->GetRevealed())
        ++Given;
    Rig.Hover(true, Given / 9, Given % 9);
    const int Shown = Rig.PuzzleAt(0).CellByIndex(Given)->GetValue();
    Rig.Key(Qt::Key_0 + (Shown % 9 + 1), {});
    EXPECT_EQ(Rig.PuzzleAt(0).CellByIndex(Given)->GetValue(), Shown);

    // On the parent, with "Parent click selects child", one digit enters the
    // value and shows the child it is shared with.
    Main.ChooseChildBox()->setChecked(true);
    for (int Index = 0; Index < 81; ++Index) {
        TCell* Cell = Rig.PuzzleAt(0).CellByIndex(Index);
        const TBoxSquare Place{3 * (Index / 27) + (Index % 9) / 3, 3 * ((Index / 9) % 3) + Index % 3};
        const int Partner = Rig.Pyramid().ChildForSquare(Place.Box, Place.Square);
        if (Cell->GetValue() != 0 || Partner == Main.CurrentChild())
            continue;
        Rig.Hover(true, Index / 9, Index % 9);
        Rig.Key(Qt::Key_0 + Cell->GetSolution(), {});
        EXPECT_EQ(Cell->GetValue(), Cell->GetSolution());
        EXPECT_EQ(Main.CurrentChild(), Partner);
        break;
    }

    // A paper game takes no keys.
    Main.LoadGame(4, 401);
    const std::pair<int, int> Before = At(Parent);
    Rig.Key(Qt::Key_Right, {});
    Rig.Key(Qt::Key_5, {});
    EXPECT_EQ(At(Parent), Before);
}

TEST(Keyboard, RedoEntersAgainWhatUndoTookBackUntilANewEntry)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.ChooseChildBox()->setChecked(false);
    QAction* Redo = Rig.Find<QAction>("Redo1");
    EXPECT_FALSE(Redo->isEnabled());
    // Two entries on a linked child square and a free one, typed.
    const auto Type = [&](int Row, int Col, int Digit) {
        Rig.Hover(false, Row, Col);
        Rig.Key(Qt::Key_0 + Digit, {});
    };
    std::vector<TCell*> Cells;
    for (int Index = 0; Index < 81 && Cells.size() < 2; ++Index)
        if (TCell* Cell = Rig.PuzzleAt(1).CellByIndex(Index);
            Cell->GetValue() == 0 &&
            (Cells.empty() ? Cell->ParentLinkOfCell() != nullptr : Cell->ParentLinkOfCell() == nullptr))
            Cells.push_back(Cell);
    ASSERT_EQ(Cells.size(), 2u);
    for (TCell* Cell : Cells)
        Type(Cell->GetPosition().Row, Cell->GetPosition().Col, Cell->GetSolution());
    TCell& Partner = *Cells[0]->ParentLinkOfCell();
    EXPECT_EQ(Partner.GetValue(), Cells[0]->GetSolution());
    const int ChildRecords = Rig.PuzzleAt(1).UndoCount();
    const int ParentRecords = Rig.PuzzleAt(0).UndoCount();

    Rig.Key(Qt::Key_Z, Qt::ControlModifier);
    Rig.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cells[0]->GetValue(), 0);
    EXPECT_EQ(Partner.GetValue(), 0);
    EXPECT_TRUE(Redo->isEnabled());
    Rig.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Cells[0]->GetValue(), Cells[0]->GetSolution());
    EXPECT_EQ(Partner.GetValue(), Cells[0]->GetSolution());
    EXPECT_EQ(Cells[1]->GetValue(), 0);
    Rig.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cells[1]->GetValue(), Cells[1]->GetSolution());
    EXPECT_FALSE(Redo->isEnabled());
    // Both puzzles' lists are as they were before the undos.
    EXPECT_EQ(Rig.PuzzleAt(1).UndoCount(), ChildRecords);
    EXPECT_EQ(Rig.PuzzleAt(0).UndoCount(), ParentRecords);

    // A new entry after an undo leaves nothing to redo.
    Rig.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Redo->isEnabled());
    Type(Cells[0]->GetPosition().Row, Cells[0]->GetPosition().Col, Cells[0]->GetSolution() % 9 + 1);
    EXPECT_FALSE(Redo->isEnabled());
    const int Kept = Cells[1]->GetValue();
    Rig.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Cells[1]->GetValue(), Kept);
    EXPECT_FALSE(Main.Saved());
}

TEST(Keyboard, AWholeGamePlayedWithKeysAloneEndsInTheCongratulation)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    // From the top-left square, the cursor walks row by row to each empty
    // square and types its digit: the parent first, then each child, chosen
    // with Alt and its number and reached with Tab.
    const auto Walk = [&](int Puzzle) {
        Rig.Key(Qt::Key_PageUp, {});
        Rig.Key(Qt::Key_PageUp, {});
        Rig.Key(Qt::Key_Home, {});
        for (int Row = 0; Row < 9; ++Row) {
            for (int Col = 0; Col < 9; ++Col) {
                const TCell& Cell = *Rig.PuzzleAt(Puzzle).CellAt(Row, Col);
                if (Cell.GetValue() == 0)
                    Rig.Key(Qt::Key_0 + Cell.GetSolution(), {});
                if (Col < 8)
                    Rig.Key(Qt::Key_Right, {});
            }
            Rig.Key(Qt::Key_Home, {});
            Rig.Key(Qt::Key_Down, {});
        }
    };
    Walk(0);
    EXPECT_TRUE(Rig.Prompter.Messages.empty());
    for (int Child = 1; Child <= Rig.Pyramid().ChildCount(); ++Child) {
        Rig.Key(Qt::Key_0 + Child, Qt::AltModifier);
        if (Main.ParentActive())
            Rig.Key(Qt::Key_Tab, {});
        Walk(Child);
    }
    ASSERT_EQ(Rig.Prompter.Messages.size(), 1u);
    EXPECT_EQ(Rig.Prompter.Messages[0].Caption, QStringLiteral("Congratulations"));
    for (int Index = 0; Index <= Rig.Pyramid().ChildCount(); ++Index)
        EXPECT_TRUE(Rig.PuzzleAt(Index).IsSolved()) << Index;
}

TEST(Keyboard, KeysReachTheGridsFromWhicheverControlQtDeliversThemTo)
{
    // A real key goes to the widget with the focus and is handed on to its
    // parents until one takes it. Of the window's controls only the grids
    // and the step line, whose text may be selected and copied, take the
    // focus; any other would keep the digits and arrows from the grids.
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.ChooseChildBox()->setChecked(false);
    QStringList Focusable;
    for (QWidget* Control : Main.findChildren<QWidget*>())
        if ((Control->focusPolicy() & Qt::ClickFocus) != 0 && Control->isVisibleTo(&Main))
            Focusable << Control->objectName();
    Focusable.sort();
    EXPECT_EQ(Focusable.join(' ').toStdString(), "Image1 Image2 lblStep");

    TFreeCell Free = FreeParentCell(Rig);
    ASSERT_NE(Free.Cell, nullptr);
    Rig.Hover(true, Free.Row, Free.Col);
    const int Digit = Free.Cell->GetSolution();
    QTest::keyClick(Main.ParentImage(), static_cast<Qt::Key>(Qt::Key_0 + Digit));
    EXPECT_EQ(Free.Cell->GetValue(), Digit);
    QTest::keyClick(Rig.Find<QWidget>("lblStep"), Qt::Key_Delete);
    EXPECT_EQ(Free.Cell->GetValue(), 0);
    // Tab, which Qt makes a move of the focus, moves the cursor instead.
    QTest::keyClick(Main.ParentImage(), Qt::Key_Tab);
    EXPECT_FALSE(Main.ParentActive());
    QTest::keyClick(Main.ChildImage(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(Main.ParentActive());
    // Ctrl+digit highlights; Alt+H from a grid is the Hi Lite sheet.
    QTest::keyClick(Main.ChildImage(), Qt::Key_4, Qt::ControlModifier);
    EXPECT_EQ(Main.ParentGrid()->Highlight(), 4);
    QTest::keyClick(Main.ChildImage(), Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(Main.PageControl()->ActivePage(), Rig.Find<QWidget>("tsHiLite"));
    EXPECT_EQ(Main.menuBar()->activeAction(), nullptr);
}
