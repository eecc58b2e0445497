#pragma once
// The player's hands on the grids: the pointer over them, clicks, digits and
// cursor keys, the pop-up menu's entry items and the entry-mode strip. Every
// act on a cell goes through ActOnCell, which carries out the plan of
// EntryRules.h. The controller keeps the entry state as values (the Enter
// digit, the Pencil and Erase digits pressed, the digit highlighted, the
// grid the keys act on, the puzzle the Edit commands act on, the pop-up's
// cell); the strip's buttons show it. What the window does for it (children,
// refreshes, the step line, the pop-up) it asks of its host.

#include "EntryRules.h"

#include <QPoint>
#include <Qt>

#include <array>

class QToolButton;
class QWidget;
class TButtonPageControl;
class TCell;
class TfrmOptions;
class TGrid;
class TGridImage;
class TNarrator;
class TPuzzle;
class TPuzzleXLink;
class TQVCell;
struct TViewOptions;

// The window's services to the controller.
class TEntryHost {
public:
    virtual TPuzzleXLink* EntryPyramid() const = 0;
    // nullptr before the window is first shown.
    virtual TGrid* EntryGrid(bool Parent) const = 0;
    virtual int EntryChild() const = 0;
    virtual const TViewOptions& EntryView() const = 0;
    // Shows child N (0: the child of the parent's square under the pointer);
    // false when the child shown stays.
    virtual bool ShowChild(int N) = 0;
    virtual void RefreshAfterEntry(bool Check) = 0;
    // An entry was made, so the game shown differs from the one saved.
    virtual void EntryMade() = 0;
    // The step shown is stale once the marks change.
    virtual void EntryClearsStep() = 0;
    virtual void EntryUndoPuzzleChanged() = 0;
    // Opens the pop-up menu at Position of Image.
    virtual void OpenPopup(QWidget* Image, QPoint Position) = 0;
    // Keys play only while the strip shows (a game played on the screen).
    virtual bool KeysPlay() const = 0;

protected:
    ~TEntryHost() = default;
};

// The strip's controls, made by the window.
struct TEntryStrip {
    TButtonPageControl* Pages = nullptr;
    std::array<QWidget*, 4> Sheets{};              // by TSheet
    std::array<QToolButton*, 10> ValueButtons{};   // by tag, 0 = "Del"
    std::array<QToolButton*, 10> PencilButtons{};  // 1-9
    std::array<QToolButton*, 10> EraseButtons{};   // 1-9
    std::array<QToolButton*, 11> HiLiteButtons{};  // 1-9, 10 = pairs
    TGridImage* ParentImage = nullptr;
    TGridImage* ChildImage = nullptr;
};

class TEntryController {
public:
    // Connects the strip's buttons; Window is the context of the
    // connections and the window whose focus the grids take.
    TEntryController(TEntryHost& Host, TfrmOptions*& Options, const TEntryStrip& Strip, QWidget& Window);

    int EnterValue() const { return FEnterValue; }
    int HiLite() const { return FHiLite; }
    bool ParentActive() const { return FParentActive; }
    int UndoPuzzle() const { return FUndoPuzzle; }
    TQVCell* PopupCell() const { return FPopupCell; }
    TSheet ActiveSheet() const;
    bool SheetOffered(TSheet Sheet) const;
    void ShowSheet(TSheet Sheet);

    // The one routine for every act on a cell. Parent names the grid; a
    // click and a key take the sheet shown, a pop-up item its own kind.
    void ActOnCell(bool Parent, TCell* Cell, TSheet Sheet, int Digit, TEntrySource Source);

    // The pointer and the grids.
    void Image1MouseMove(bool Parent, int X, int Y);
    void Image1MouseUp(bool Parent, Qt::MouseButton Button, QPoint Position);
    void Image1Click(bool Parent);
    // The pop-up's items on the cell under the last release.
    void menuSetValue(int Tag);
    void menuPencil(int Tag);
    void menuErase(int Tag);
    // Ctrl with a digit or "/" highlights; the other keys play on the
    // active grid's cursor. False for keys left to others.
    bool FormKeyDown(int Key, Qt::KeyboardModifiers Modifiers);
    void PopupAtCursor();

    // The strip.
    void sbValueClick(int Tag);
    void SetSbHiLite(int Tag, bool Down);
    void SetHiLite(int N);
    void ClearSpeedButtons(TSheet Sheet);
    // Both "Clr" buttons: release the nine number buttons of the sheet shown.
    void cmdClrSpeedButtons() { ClearSpeedButtons(ActiveSheet()); }

    // A game started: strip released, nothing highlighted, "Del" down, the
    // Enter sheet shown, no cursor on either grid and the keys on the
    // parent's grid.
    void StartGame();
    // The pyramid is going: no pop-up cell any more.
    void ForgetPyramid();
    // The keys act on the parent's (child's) grid from now on.
    void SetActiveGrid(bool Parent);
    void SetUndoPuzzle(int Index);
    // Who tells a screen reader what each key did (not owned; may be unset).
    void SetNarrator(TNarrator* Narrator) { FNarrator = Narrator; }

private:
    bool GridKeyDown(int Key, Qt::KeyboardModifiers Modifiers);
    void MoveCursor(int Key);
    // A digit typed on the cursor square; 0 clears.
    void KeyDigit(int Digit);
    void Pencil(TCell& Cell, int Digit);
    void Erase(TCell& Cell, int Digit);
    void TakeEnterValue(int Digit);
    TCell* PopupTarget() const;
    TPuzzle* PuzzleOf(bool Parent) const;
    bool UserMarks() const;

    TEntryHost& FHost;
    TfrmOptions*& FOptions;
    TEntryStrip FStrip;
    QWidget& FWindow;

    int FEnterValue = 0;
    std::array<bool, 10> FPencilDigits{};
    std::array<bool, 10> FEraseDigits{};
    // The digit highlighted (1-9), 10 for pairs, 0 for none.
    int FHiLite = 0;
    // The grid the keys act on: the parent's at each game start, then the
    // one last moved over by the pointer or chosen with Tab.
    bool FParentActive = true;
    // The puzzle the Edit commands act on: that of the grid last clicked or
    // typed on (0 until then).
    int FUndoPuzzle = 0;
    TQVCell* FPopupCell = nullptr;
    TPuzzle* FPopupPuzzle = nullptr;
    TNarrator* FNarrator = nullptr;
};
