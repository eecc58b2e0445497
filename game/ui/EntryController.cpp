#include "EntryController.h"

#include "ButtonPageControl.h"
#include "Cell.h"
#include "GridImage.h"
#include "Narrator.h"
#include "Options.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"
#include "QVUtils.h"
#include "ViewOptions.h"

#include <QToolButton>

#include <algorithm>

namespace {

// Every cell of the game's puzzles is a TCell; the grid hands them out as
// the abstract cell.
TCell* AsCell(TQVCell* Cell)
{
    return static_cast<TCell*>(Cell);
}

size_t At(int Digit)
{
    return static_cast<size_t>(Digit);
}

}  // namespace

TEntryController::TEntryController(TEntryHost& Host, TfrmOptions*& Options, const TEntryStrip& Strip, QWidget& Window)
    : FHost(Host), FOptions(Options), FStrip(Strip), FWindow(Window)
{
    for (QToolButton* Button : FStrip.ValueButtons)
        QObject::connect(Button, &QToolButton::clicked, &FWindow,
                         Guarded([this, Button] { sbValueClick(Button->property("Tag").toInt()); }));
    // The pressed digits are the controller's; the buttons show them and
    // report every change, whoever makes it.
    for (int Digit = 1; Digit <= 9; ++Digit) {
        QObject::connect(FStrip.PencilButtons[At(Digit)], &QToolButton::toggled, &FWindow,
                         [this, Digit](bool Down) { FPencilDigits[At(Digit)] = Down; });
        QObject::connect(FStrip.EraseButtons[At(Digit)], &QToolButton::toggled, &FWindow,
                         [this, Digit](bool Down) { FEraseDigits[At(Digit)] = Down; });
    }
    for (int Tag = 1; Tag <= 10; ++Tag)
        QObject::connect(FStrip.HiLiteButtons[At(Tag)], &QToolButton::clicked, &FWindow,
                         Guarded([this, Tag](bool Down) { SetSbHiLite(Tag, Down); }));
}

TSheet TEntryController::ActiveSheet() const
{
    for (int Sheet = 0; Sheet < 4; ++Sheet)
        if (FStrip.Pages->ActivePage() == FStrip.Sheets[At(Sheet)])
            return static_cast<TSheet>(Sheet);
    return TSheet::Enter;
}

bool TEntryController::SheetOffered(TSheet Sheet) const
{
    return FStrip.Pages->IsTabVisible(FStrip.Sheets[static_cast<size_t>(Sheet)]);
}

void TEntryController::ShowSheet(TSheet Sheet)
{
    FStrip.Pages->SetActivePage(FStrip.Sheets[static_cast<size_t>(Sheet)]);
}

bool TEntryController::UserMarks() const
{
    return FHost.EntryView().UserMarks();
}

TPuzzle* TEntryController::PuzzleOf(bool Parent) const
{
    TPuzzleXLink* Pyramid = FHost.EntryPyramid();
    return Pyramid != nullptr ? Pyramid->GetPuzzle(Parent ? 0 : FHost.EntryChild()) : nullptr;
}

void TEntryController::ActOnCell(bool Parent, TCell* Cell, TSheet Sheet, int Digit, TEntrySource Source)
{
    TEntryFacts Facts;
    Facts.Source = Source;
    Facts.Sheet = Sheet;
    Facts.Digit = Digit;
    Facts.Revealed = Cell != nullptr && Cell->GetRevealed();
    Facts.Value = Cell != nullptr ? Cell->GetValue() : 0;
    Facts.ParentChoosesChild = Parent && FHost.EntryView().ParentChoosesChild;
    Facts.SingleFill = FOptions->GetOption(optSingleValue) && !UserMarks();
    const TEntryPlan Plan = PlanEntry(Facts);

    if (Plan.SetsUndoPuzzle)
        SetUndoPuzzle(Parent ? 0 : FHost.EntryChild());
    // The click's choice of child comes before the cell: the pointer names
    // the square whatever it holds.
    if (Plan.ChildFirst && FHost.ShowChild(0))
        return;
    if (Cell == nullptr || Plan.Refused)
        return;
    if (Plan.Unsaved)
        FHost.EntryMade();
    if (Plan.TryFillSingle && Cell->FillSingle()) {
        FHost.RefreshAfterEntry(true);
        return;
    }
    switch (Plan.Kind) {
    case TEntryKind::Nothing: break;
    case TEntryKind::SetValue:
        Cell->SetValue(Source == TEntrySource::Click ? FEnterValue : Digit);
        if (Plan.TakesDigit)
            TakeEnterValue(Digit);
        // Typed on the parent, the value also brings up the child it is
        // shared with, in one key.
        if (Plan.ChildAfter) {
            const TBoxSquare Place = FHost.EntryGrid(Parent)->Cursor();
            FHost.ShowChild(FHost.EntryPyramid()->ChildForSquare(Place.Box, Place.Square));
        }
        break;
    case TEntryKind::Pencil:
    case TEntryKind::Erase: {
        const bool Pencilling = Plan.Kind == TEntryKind::Pencil;
        if (!Plan.StripDigits) {
            Pencilling ? Pencil(*Cell, Digit) : Erase(*Cell, Digit);
            break;
        }
        const std::array<bool, 10>& Pressed = Pencilling ? FPencilDigits : FEraseDigits;
        for (int Each = 1; Each <= 9; ++Each)
            if (Pressed[At(Each)])
                Pencilling ? Pencil(*Cell, Each) : Erase(*Cell, Each);
        break;
    }
    case TEntryKind::HiLite: SetHiLite(Digit); break;
    }
    if (Plan.Refresh)
        FHost.RefreshAfterEntry(true);
}

void TEntryController::Pencil(TCell& Cell, int Digit)
{
    FHost.EntryClearsStep();
    Cell.PencilDigit(Digit, UserMarks());
}

void TEntryController::Erase(TCell& Cell, int Digit)
{
    FHost.EntryClearsStep();
    Cell.EraseDigit(Digit, UserMarks());
}

void TEntryController::TakeEnterValue(int Digit)
{
    FEnterValue = Digit;
    FStrip.ValueButtons[At(Digit)]->setChecked(true);
}

void TEntryController::Image1MouseMove(bool Parent, int X, int Y)
{
    TGrid* Tracking = FHost.EntryGrid(Parent);
    TGrid* Other = FHost.EntryGrid(!Parent);
    if (Tracking == nullptr || Other == nullptr)
        return;
    Tracking->MouseMove(X, Y);
    Other->MouseLeave();
    // The keyboard cursor follows the pointer onto a square.
    if (const TBoxSquare Hover = Tracking->GetHover();
        FHost.EntryPyramid() != nullptr && Hover.Box >= 0 && Hover.Square >= 0) {
        Tracking->SetCursor(Hover.Box, Hover.Square);
        SetActiveGrid(Parent);
    }
}

void TEntryController::Image1MouseUp(bool Parent, Qt::MouseButton Button, QPoint Position)
{
    TGrid* Grid = FHost.EntryGrid(Parent);
    if (Grid == nullptr || Grid->HoverCell() == nullptr)
        return;
    FPopupCell = Grid->HoverCell();
    FPopupPuzzle = PuzzleOf(Parent);
    if (Button == Qt::RightButton)
        FHost.OpenPopup(Parent ? FStrip.ParentImage : FStrip.ChildImage, Position);
}

void TEntryController::Image1Click(bool Parent)
{
    if (FHost.EntryPyramid() == nullptr)
        return;
    ActOnCell(Parent, AsCell(FHost.EntryGrid(Parent)->HoverCell()), ActiveSheet(), FEnterValue, TEntrySource::Click);
}

TCell* TEntryController::PopupTarget() const
{
    return AsCell(FPopupCell);
}

void TEntryController::menuSetValue(int Tag)
{
    ActOnCell(false, PopupTarget(), TSheet::Enter, Tag, TEntrySource::Popup);
}

void TEntryController::menuPencil(int Tag)
{
    ActOnCell(false, PopupTarget(), TSheet::Pencil, Tag, TEntrySource::Popup);
}

void TEntryController::menuErase(int Tag)
{
    ActOnCell(false, PopupTarget(), TSheet::Erase, Tag, TEntrySource::Popup);
}

void TEntryController::KeyDigit(int Digit)
{
    TGrid* Grid = FHost.EntryGrid(FParentActive);
    TCell* Cell = AsCell(Grid->CursorCell());
    if (Cell == nullptr)
        return;
    const TPuzzlePicture Before = FNarrator != nullptr ? FNarrator->Before() : TPuzzlePicture{};
    ActOnCell(FParentActive, Cell, ActiveSheet(), Digit, TEntrySource::Key);
    if (FNarrator != nullptr)
        FNarrator->Entered(Before);
}

void TEntryController::sbValueClick(int Tag)
{
    FEnterValue = Tag;
}

void TEntryController::SetSbHiLite(int Tag, bool Down)
{
    SetHiLite(Down ? Tag : 0);
}

void TEntryController::SetHiLite(int N)
{
    if (N >= 1 && N <= 9) {
        if (FOptions->GetOption(optHiLiteToErase)) {
            for (int Digit = 1; Digit <= 9; ++Digit)
                FStrip.EraseButtons[At(Digit)]->setChecked(Digit == N);
        }
        if (FOptions->GetOption(optHiLiteToValue))
            TakeEnterValue(N);
    }
    FHiLite = N >= 0 && N <= 10 ? N : 0;
    if (SheetOffered(TSheet::HiLite)) {
        const TViewOptions& View = FHost.EntryView();
        if (TGrid* Parent = FHost.EntryGrid(true))
            Parent->SetHighlight(View.HighlightsParent() ? N : 0);
        if (TGrid* Child = FHost.EntryGrid(false))
            Child->SetHighlight(View.HighlightsChild() ? N : 0);
    }
    for (int Tag = 1; Tag <= 10; ++Tag)
        FStrip.HiLiteButtons[At(Tag)]->setChecked(Tag == N);
}

void TEntryController::ClearSpeedButtons(TSheet Sheet)
{
    switch (Sheet) {
    case TSheet::Enter:
        // Exactly one Enter button is always down.
        break;
    case TSheet::Pencil:
    case TSheet::Erase:
        for (int Digit = 1; Digit <= 9; ++Digit)
            (Sheet == TSheet::Pencil ? FStrip.PencilButtons : FStrip.EraseButtons)[At(Digit)]->setChecked(false);
        break;
    case TSheet::HiLite:
        for (int Tag = 1; Tag <= 10; ++Tag)
            FStrip.HiLiteButtons[At(Tag)]->setChecked(false);
        break;
    }
}

void TEntryController::StartGame()
{
    ClearSpeedButtons(TSheet::Pencil);
    ClearSpeedButtons(TSheet::Erase);
    ClearSpeedButtons(TSheet::HiLite);
    SetHiLite(0);
    FEnterValue = 0;
    FStrip.ValueButtons[0]->setChecked(true);
    ShowSheet(TSheet::Enter);
    // A new game shows no cursor until the first key, so a game played on
    // paper never shows the last one's.
    for (const bool Parent : {true, false})
        if (TGrid* Grid = FHost.EntryGrid(Parent))
            Grid->SetCursor(-1, -1);
    SetActiveGrid(true);
}

void TEntryController::ForgetPyramid()
{
    FPopupCell = nullptr;
    FPopupPuzzle = nullptr;
}

void TEntryController::SetUndoPuzzle(int Index)
{
    FUndoPuzzle = Index;
    FHost.EntryUndoPuzzleChanged();
}

bool TEntryController::FormKeyDown(int Key, Qt::KeyboardModifiers Modifiers)
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

void TEntryController::SetActiveGrid(bool Parent)
{
    FParentActive = Parent;
    if (TGrid* Grid = FHost.EntryGrid(true))
        Grid->SetCursorActive(Parent);
    if (TGrid* Grid = FHost.EntryGrid(false))
        Grid->SetCursorActive(!Parent);
    TGridImage* Image = Parent ? FStrip.ParentImage : FStrip.ChildImage;
    // A screen reader follows the focus; only while the window has it.
    if (FWindow.isActiveWindow() && !Image->hasFocus())
        Image->setFocus(Qt::OtherFocusReason);
}

bool TEntryController::GridKeyDown(int Key, Qt::KeyboardModifiers Modifiers)
{
    // Keys play only where the game is played on screen.
    if (FHost.EntryPyramid() == nullptr || FHost.EntryGrid(true) == nullptr || FHost.EntryGrid(false) == nullptr ||
        !FHost.KeysPlay())
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
    case Qt::Key_PageDown: MoveCursor(Key); return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace: KeyDigit(0); return true;
    default: break;
    }
    if (Key >= Qt::Key_0 && Key <= Qt::Key_9) {
        KeyDigit(Key - Qt::Key_0);
        return true;
    }
    return false;
}

void TEntryController::MoveCursor(int Key)
{
    TGrid& Grid = *FHost.EntryGrid(FParentActive);
    const TBoxSquare Place = Grid.Cursor();
    if (Key == Qt::Key_Tab) {
        // The other grid takes the cursor at the same row and column.
        TGrid& Other = *FHost.EntryGrid(!FParentActive);
        if (Place.Box >= 0)
            Other.SetCursor(Place.Box, Place.Square);
        else if (Other.Cursor().Box < 0)
            Other.SetCursor(4, 4);
        SetActiveGrid(!FParentActive);
        if (FNarrator != nullptr)
            FNarrator->CursorMoved(true);
        return;
    }
    // The first movement only shows the cursor, on the centre square.
    if (Place.Box < 0) {
        Grid.SetCursor(4, 4);
        SetActiveGrid(FParentActive);
        if (FNarrator != nullptr)
            FNarrator->CursorMoved(false);
        return;
    }
    const TPosition From = TPosition::FromBoxPlace(Place.Box, Place.Square);
    int Row = From.Row;
    int Col = From.Col;
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
    const TPosition Moved{Row, Col};
    Grid.SetCursor(Moved.Box(), Moved.Place());
    SetActiveGrid(FParentActive);
    if (FNarrator != nullptr)
        FNarrator->CursorMoved(false);
}

void TEntryController::PopupAtCursor()
{
    TGrid& Grid = *FHost.EntryGrid(FParentActive);
    const TBoxSquare Place = Grid.Cursor();
    TQVCell* Cell = Grid.CursorCell();
    if (Cell == nullptr)
        return;
    FPopupCell = Cell;
    FPopupPuzzle = PuzzleOf(FParentActive);
    const TGridSquare& Square = Grid.Box(Place.Box).Square(Place.Square);
    const QPoint Centre(Square.X() + Grid.SquareWidth() / 2, Square.Y() + Grid.SquareHeight() / 2);
    TGridImage* Image = FParentActive ? FStrip.ParentImage : FStrip.ChildImage;
    FHost.OpenPopup(Image, Image->FromGrid(Centre));
}
