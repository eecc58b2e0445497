// The player's hands: the pointer over the grids, clicks in each entry mode,
// the pop-up menu, the number buttons, the highlight keys, the mark styles
// of the View menu, and undo and checkpoints.
#include "QVMain.h"

#include "ButtonPageControl.h"
#include "Cell.h"
#include "GameFeatures.h"
#include "GridImage.h"
#include "HideOpts.h"
#include "Options.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QMenu>
#include <QToolButton>

namespace {

// Every cell of the game's puzzles is a TCell; the grid hands them out as
// the abstract cell.
TCell* AsCell(TQVCell* Cell)
{
    return static_cast<TCell*>(Cell);
}

}  // namespace

void TfrmMain::Image1MouseMove(bool Parent, int X, int Y)
{
    if (!FParentGrid || !FChildGrid)
        return;
    TGrid& Tracking = Parent ? *FParentGrid : *FChildGrid;
    TGrid& Other = Parent ? *FChildGrid : *FParentGrid;
    Tracking.MouseMove(X, Y);
    Other.MouseLeave();
    // The keyboard cursor follows the pointer onto a square.
    if (const TBoxSquare Hover = Tracking.GetHover(); FXLink != nullptr && Hover.Box >= 0 && Hover.Square >= 0) {
        Tracking.SetCursor(Hover.Box, Hover.Square);
        SetActiveGrid(Parent);
    }
}

void TfrmMain::Image1MouseUp(bool Parent, Qt::MouseButton Button, QPoint Position)
{
    TGrid* Grid = Parent ? FParentGrid.get() : FChildGrid.get();
    if (Grid == nullptr || Grid->HoverCell() == nullptr)
        return;
    FPopupCell = Grid->HoverCell();
    FPopupPuzzle = Puzzle(Parent ? 0 : FCurrentChild);
    if (Button == Qt::RightButton)
        PopupMenu()->popup((Parent ? static_cast<QWidget*>(FImage1) : FImage2)->mapToGlobal(Position));
}

void TfrmMain::Image1Click(bool Parent)
{
    if (FXLink == nullptr)
        return;
    TGrid* Grid = Parent ? FParentGrid.get() : FChildGrid.get();
    SetUndoPuzzle(Parent ? 0 : FCurrentChild);
    // With "Parent click selects child", a click on a parent cell of another
    // child only shows that child.
    if (Parent && FView.ParentChoosesChild && SelectChild(0))
        return;
    TCell* Cell = AsCell(Grid->HoverCell());
    if (Cell == nullptr || Cell->GetRevealed())
        return;
    FSaved = false;
    if (FOptions->GetOption(optSingleValue) && !UserMarksStyle() && Cell->FillSingle()) {
        RefreshAll(true);
        return;
    }
    switch (ActiveSheet()) {
    case shEnter:
        Cell->SetValue(FEnterValue);
        RefreshAll(true);
        break;
    case shPencil:
        for (int Digit = 1; Digit <= 9; ++Digit)
            if (FPencilButtons[static_cast<size_t>(Digit)]->isChecked())
                Pencil(*Cell, Digit);
        break;
    case shErase:
        for (int Digit = 1; Digit <= 9; ++Digit)
            if (FEraseButtons[static_cast<size_t>(Digit)]->isChecked())
                Erase(*Cell, Digit);
        break;
    case shHiLite:
        break;
    }
}

TfrmMain::TSheet TfrmMain::ActiveSheet() const
{
    for (int Sheet = shEnter; Sheet <= shHiLite; ++Sheet)
        if (FPageControl->ActivePage() == FSheets[static_cast<size_t>(Sheet)])
            return static_cast<TSheet>(Sheet);
    return shEnter;
}

bool TfrmMain::UserMarksStyle() const
{
    return FView.UserMarks();
}

TCell* TfrmMain::PopupTarget() const
{
    // The pop-up edits act on the cell under the last release; a given cell
    // keeps its value and has no marks to edit.
    TCell* Cell = AsCell(FPopupCell);
    return Cell != nullptr && !Cell->GetRevealed() ? Cell : nullptr;
}

void TfrmMain::sbValueClick(int Tag)
{
    FEnterValue = Tag;
}

void TfrmMain::cmdClrSpeedButtons()
{
    ClearSpeedButtons(ActiveSheet());
}

void TfrmMain::SetMenuHiLite(int Tag)
{
    SetHiLite(Tag);
}

void TfrmMain::SetSbHiLite(int Tag, bool Down)
{
    SetHiLite(Down ? Tag : 0);
}

void TfrmMain::menuSetValue(int Tag)
{
    TCell* Cell = PopupTarget();
    if (Cell == nullptr || Tag == Cell->GetValue())
        return;
    FSaved = false;
    Cell->SetValue(Tag);
    RefreshAll(true);
}

void TfrmMain::menuPencil(int Tag)
{
    if (TCell* Cell = PopupTarget(); Cell != nullptr && Tag >= 1 && Tag <= 9)
        Pencil(*Cell, Tag);
}

void TfrmMain::menuErase(int Tag)
{
    if (TCell* Cell = PopupTarget(); Cell != nullptr && Tag >= 1 && Tag <= 9)
        Erase(*Cell, Tag);
}

void TfrmMain::Pencil(TCell& Cell, int Digit)
{
    ClearStep();
    FSaved = false;
    Cell.PencilDigit(Digit, UserMarksStyle());
}

void TfrmMain::Erase(TCell& Cell, int Digit)
{
    ClearStep();
    FSaved = false;
    Cell.EraseDigit(Digit, UserMarksStyle());
}

void TfrmMain::SetHiLite(int N)
{
    if (N >= 1 && N <= 9) {
        if (FOptions->GetOption(optHiLiteToErase)) {
            for (int Digit = 1; Digit <= 9; ++Digit)
                FEraseButtons[static_cast<size_t>(Digit)]->setChecked(Digit == N);
        }
        if (FOptions->GetOption(optHiLiteToValue)) {
            FEnterValue = N;
            FValueButtons[static_cast<size_t>(N)]->setChecked(true);
        }
    }
    FHiLite = N >= 0 && N <= 10 ? N : 0;
    if (FPageControl->IsTabVisible(FSheets[shHiLite])) {
        if (FParentGrid)
            FParentGrid->SetHighlight(FView.HighlightsParent() ? N : 0);
        if (FChildGrid)
            FChildGrid->SetHighlight(FView.HighlightsChild() ? N : 0);
    }
    for (int Tag = 1; Tag <= 10; ++Tag)
        FHiLiteButtons[static_cast<size_t>(Tag)]->setChecked(Tag == N);
}

bool TfrmMain::FormKeyDown(int Key, Qt::KeyboardModifiers Modifiers)
{
    // Only Ctrl itself, with no Shift or Alt; the keypad marks its keys but
    // is not a key the player holds.
    if ((Modifiers & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return GridKeyDown(Key, Modifiers);
    if (Key >= Qt::Key_0 && Key <= Qt::Key_9) {
        SetHiLite(Key - Qt::Key_0);
        return true;
    }
    if (Key == Qt::Key_Slash) {
        SetHiLite(HighlightPairs);
        return true;
    }
    return false;
}

namespace {

// A square's row and column on the grid as shown, and back.
int RowOf(const TBoxSquare& Place)
{
    return 3 * (Place.Box / 3) + Place.Square / 3;
}

int ColOf(const TBoxSquare& Place)
{
    return 3 * (Place.Box % 3) + Place.Square % 3;
}

TBoxSquare PlaceOf(int Row, int Col)
{
    return {3 * (Row / 3) + Col / 3, 3 * (Row % 3) + Col % 3};
}

}  // namespace

void TfrmMain::SetActiveGrid(bool Parent)
{
    FParentActive = Parent;
    TGridImage* Image = Parent ? FImage1 : FImage2;
    // A screen reader follows the focus; only while the window has it.
    if (isActiveWindow() && !Image->hasFocus())
        Image->setFocus(Qt::OtherFocusReason);
}

bool TfrmMain::GridKeyDown(int Key, Qt::KeyboardModifiers Modifiers)
{
    // Keys play only where the game is played on screen.
    if (FXLink == nullptr || !FParentGrid || !FChildGrid || !FPnlControls->isVisibleTo(this))
        return false;
    const Qt::KeyboardModifiers Held = Modifiers & ~Qt::KeypadModifier;
    if ((Key == Qt::Key_F10 && Held == Qt::ShiftModifier) || (Key == Qt::Key_Menu && Held == Qt::NoModifier)) {
        PopupAtCursor();
        return true;
    }
    if (Key == Qt::Key_Backtab || (Key == Qt::Key_Tab && (Held == Qt::NoModifier || Held == Qt::ShiftModifier))) {
        MoveCursor(Qt::Key_Tab);
        return true;
    }
    if (Held != Qt::NoModifier)
        return false;
    switch (Key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        MoveCursor(Key);
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        KeyDigit(0);
        return true;
    default:
        break;
    }
    if (Key >= Qt::Key_0 && Key <= Qt::Key_9) {
        KeyDigit(Key - Qt::Key_0);
        return true;
    }
    return false;
}

void TfrmMain::MoveCursor(int Key)
{
    TGrid& Grid = ActiveGrid();
    const TBoxSquare Place = Grid.Cursor();
    if (Key == Qt::Key_Tab) {
        // The other grid takes the cursor at the same row and column.
        TGrid& Other = FParentActive ? *FChildGrid : *FParentGrid;
        if (Place.Box >= 0)
            Other.SetCursor(Place.Box, Place.Square);
        else if (Other.Cursor().Box < 0)
            Other.SetCursor(4, 4);
        SetActiveGrid(!FParentActive);
        return;
    }
    // The first movement only shows the cursor, on the centre square.
    if (Place.Box < 0) {
        Grid.SetCursor(4, 4);
        SetActiveGrid(FParentActive);
        return;
    }
    int Row = RowOf(Place);
    int Col = ColOf(Place);
    switch (Key) {
    case Qt::Key_Left: Col = std::max(Col - 1, 0); break;
    case Qt::Key_Right: Col = std::min(Col + 1, 8); break;
    case Qt::Key_Up: Row = std::max(Row - 1, 0); break;
    case Qt::Key_Down: Row = std::min(Row + 1, 8); break;
    case Qt::Key_Home: Col = 0; break;
    case Qt::Key_End: Col = 8; break;
    case Qt::Key_PageUp: Row = 0; break;
    case Qt::Key_PageDown: Row = 8; break;
    default: break;
    }
    const TBoxSquare Moved = PlaceOf(Row, Col);
    Grid.SetCursor(Moved.Box, Moved.Square);
    SetActiveGrid(FParentActive);
}

void TfrmMain::KeyDigit(int Digit)
{
    TGrid& Grid = ActiveGrid();
    TCell* Cell = AsCell(Grid.CursorCell());
    if (Cell == nullptr)
        return;
    const bool Parent = FParentActive;
    SetUndoPuzzle(Parent ? 0 : FCurrentChild);
    const TSheet Sheet = Digit == 0 ? shEnter : ActiveSheet();
    switch (Sheet) {
    case shEnter: {
        if (Cell->GetRevealed() || Cell->GetValue() == Digit)
            return;
        FSaved = false;
        // Exactly the digit typed: a click's "only candidate" rule is the
        // mouse's.
        Cell->SetValue(Digit);
        if (Digit != 0) {
            FEnterValue = Digit;
            FValueButtons[static_cast<size_t>(Digit)]->setChecked(true);
        }
        // Typed on the parent, the value also brings up the child it is
        // shared with, in one key.
        if (Parent && FView.ParentChoosesChild) {
            const TBoxSquare Place = Grid.Cursor();
            SelectChild(FXLink->ChildForSquare(Place.Box, Place.Square));
        }
        RefreshAll(true);
        break;
    }
    case shPencil:
        Pencil(*Cell, Digit);
        break;
    case shErase:
        Erase(*Cell, Digit);
        break;
    case shHiLite:
        SetHiLite(Digit);
        break;
    }
}

void TfrmMain::PopupAtCursor()
{
    TGrid& Grid = ActiveGrid();
    const TBoxSquare Place = Grid.Cursor();
    TQVCell* Cell = Grid.CursorCell();
    if (Cell == nullptr)
        return;
    FPopupCell = Cell;
    FPopupPuzzle = Puzzle(FParentActive ? 0 : FCurrentChild);
    const TGridSquare& Square = Grid.Box(Place.Box).Square(Place.Square);
    const QPoint Centre(Square.X() + Grid.SquareWidth() / 2, Square.Y() + Grid.SquareHeight() / 2);
    PopupMenu()->popup((FParentActive ? static_cast<QWidget*>(FImage1) : FImage2)->mapToGlobal(Centre));
}

void TfrmMain::StoreViewSettings()
{
    FStore.SaveViewOptions(FView, !FGameSetsPencilStyle);
}

void TfrmMain::CandidatesToggle()
{
    StoreViewSettings();
    ApplyMarkStyle();
}

void TfrmMain::ApplyMarkStyle()
{
    if (FHideOpts)
        FHideOpts->ApplyPencilFeatures(!FView.HidePencilMarks, FeaturesOf(FGameRecord), FView);
    if (!FParentGrid || !FChildGrid)
        return;
    FParentGrid->SetFilled(false);
    FChildGrid->SetFilled(false);
    uint8_t Style;
    if (FView.HidePencilMarks) {
        Style = msHidden;
    } else if (FView.Is(TPencilStyle::UserMarksLinked)) {
        Style = msUserMarksLinked;
    } else if (FView.Is(TPencilStyle::UserMarksSeparate)) {
        Style = msUserMarksSeparate;
    } else {
        FParentGrid->SetFilled(FView.Filled);
        FChildGrid->SetFilled(FView.Filled);
        Style = FView.Is(TPencilStyle::AutoPencilLinked) ? msAutoPencilLinked : msAutoPencilSeparate;
    }
    for (const auto& Slot : FXLinks)
        if (Slot)
            Slot->SetPencilMode(Style);
    RepaintGrids();
}

void TfrmMain::PencilMarkStyle()
{
    StoreViewSettings();
    if (!FParentGrid || !FChildGrid)
        return;
    FParentGrid->SetFilled(FView.Filled);
    FChildGrid->SetFilled(FView.Filled);
    RepaintGrids();
}

void TfrmMain::ChangeHiliting()
{
    // Stored at once like the other view settings, so the choice is not
    // lost when nothing else changes before the program ends.
    StoreViewSettings();
    if (FParentGrid && FChildGrid)
        SetHiLite(std::max(FParentGrid->Highlight(), FChildGrid->Highlight()));
}

void TfrmMain::ClearSpeedButtons(TSheet Sheet)
{
    switch (Sheet) {
    case shEnter:
        // Exactly one Enter button is always down.
        break;
    case shPencil:
    case shErase:
        for (int Digit = 1; Digit <= 9; ++Digit)
            (Sheet == shPencil ? FPencilButtons : FEraseButtons)[static_cast<size_t>(Digit)]->setChecked(false);
        break;
    case shHiLite:
        for (int Tag = 1; Tag <= 10; ++Tag)
            FHiLiteButtons[static_cast<size_t>(Tag)]->setChecked(false);
        break;
    }
}

void TfrmMain::Undo1Click()
{
    if (TPuzzle* Target = Puzzle(FUndoPuzzle)) {
        Target->Undo(1);
        RefreshAll(false);
    }
}

void TfrmMain::Redo1Click()
{
    if (TPuzzle* Target = Puzzle(FUndoPuzzle)) {
        Target->Redo();
        RefreshAll(false);
    }
}

void TfrmMain::SetUndoPuzzle(int Index)
{
    FUndoPuzzle = Index;
    UpdateRedoItem();
}

void TfrmMain::UpdateRedoItem()
{
    const TPuzzle* Target = Puzzle(FUndoPuzzle);
    FRedo->setEnabled(Target != nullptr && Target->CanRedo());
}

void TfrmMain::Checkpoint1Click()
{
    if (TPuzzle* Target = Puzzle(FUndoPuzzle))
        Target->Checkpoint();
}

void TfrmMain::Backtocheckpoint1Click()
{
    if (TPuzzle* Target = Puzzle(FUndoPuzzle)) {
        Target->BackToCheckpoint();
        RefreshAll(false);
    }
}
