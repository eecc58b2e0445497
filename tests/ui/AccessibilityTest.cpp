// What a screen reader finds in the main window, read through Qt's
// accessibility interfaces: the grids as tables of named cells whose focus
// follows the keyboard cursor, and the LEDs, bars and strip buttons by name.
// The events each key sends are caught with an update handler in place of
// the platform's bridge; what a real screen reader makes of them is
// scripts/orca-check.sh's part.
#include "MainWindowRig.h"

#include "Announcer.h"
#include "Cell.h"
#include "GridImage.h"
#include "Narrator.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"
#include "SquareNews.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>

#include <gtest/gtest.h>

TEST(Accessibility, GridsAreTablesOfNamedCellsWhoseFocusFollowsTheCursor)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    Main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Main));

    QAccessibleInterface* Parent = QAccessible::queryAccessibleInterface(Main.ParentImage());
    ASSERT_NE(Parent, nullptr);
    EXPECT_EQ(Parent->role(), QAccessible::Table);
    EXPECT_EQ(Parent->text(QAccessible::Name), QStringLiteral("Parent"));
    ASSERT_EQ(Parent->childCount(), 81);
    ASSERT_NE(Parent->tableInterface(), nullptr);
    EXPECT_EQ(Parent->tableInterface()->rowCount(), 9);
    QAccessibleInterface* Child = QAccessible::queryAccessibleInterface(Main.ChildImage());
    ASSERT_TRUE(Rig.Trigger("mnuChild3"));
    EXPECT_EQ(Child->text(QAccessible::Name), QStringLiteral("Child 3"));

    // A given, and an empty cell with its marks.
    int Given = 0;
    while (!Rig.PuzzleAt(0).CellByIndex(Given)->GetRevealed())
        ++Given;
    const TCell& GivenCell = *Rig.PuzzleAt(0).CellByIndex(Given);
    EXPECT_TRUE(Parent->tableInterface()
                    ->cellAt(Given / 9, Given % 9)
                    ->text(QAccessible::Name)
                    .startsWith(QStringLiteral("Row %1, column %2: %3, given")
                                    .arg(Given / 9 + 1)
                                    .arg(Given % 9 + 1)
                                    .arg(GivenCell.GetValue())));
    int Free = 0;
    while (Rig.PuzzleAt(0).CellByIndex(Free)->GetValue() != 0)
        ++Free;
    TCell& FreeCell = *Rig.PuzzleAt(0).CellByIndex(Free);
    QAccessibleInterface* Spoken = Parent->tableInterface()->cellAt(Free / 9, Free % 9);
    const QString Place = QStringLiteral("Row %1, column %2: ").arg(Free / 9 + 1).arg(Free % 9 + 1);
    EXPECT_TRUE(Spoken->text(QAccessible::Name).startsWith(Place + QStringLiteral("empty, marks ")))
        << Spoken->text(QAccessible::Name).toStdString();

    // The cursor is the focused cell; a digit typed there is in its name.
    Main.ChooseChildBox()->setChecked(false);
    Rig.Hover(true, Free / 9, Free % 9);
    Rig.Key(Qt::Key_Right, {});
    Rig.Key(Qt::Key_Left, {});
    EXPECT_TRUE(Main.ParentImage()->hasFocus());
    EXPECT_EQ(Parent->focusChild(), Spoken);
    EXPECT_TRUE(Spoken->state().focused);
    int Wrong = 1;
    while (Wrong == FreeCell.GetSolution())
        ++Wrong;
    Rig.Key(Qt::Key_0 + Wrong, {});
    const QString Entered = Spoken->text(QAccessible::Name);
    EXPECT_TRUE(Entered.startsWith(Place + QStringLiteral("%1, entered").arg(Wrong))) << Entered.toStdString();
    EXPECT_TRUE(Entered.contains(QStringLiteral(", incorrect"))) << Entered.toStdString();
    // A digit that repeats a given of its row is said to be invalid.
    int Repeated = 0;
    for (int Col = 0; Col < 9 && Repeated == 0; ++Col)
        if (const TCell& Other = *Rig.PuzzleAt(0).CellByIndex(Free / 9 * 9 + Col); Other.GetRevealed())
            Repeated = Other.GetValue();
    ASSERT_NE(Repeated, 0);
    Rig.Key(Qt::Key_0 + Repeated, {});
    const QString Clash = Spoken->text(QAccessible::Name);
    EXPECT_TRUE(Clash.startsWith(Place + QStringLiteral("%1, entered, invalid, incorrect").arg(Repeated)))
        << Clash.toStdString();
    Rig.Key(Qt::Key_Tab, {});
    EXPECT_TRUE(Main.ChildImage()->hasFocus());
    EXPECT_EQ(Child->focusChild(), Child->tableInterface()->cellAt(Free / 9, Free % 9));

    // The LEDs, bars and buttons say what they are and show.
    EXPECT_TRUE(Rig.Find<QWidget>("Shape14")->accessibleName().startsWith(QStringLiteral("Digit 5: ")));
    const QString Bar = Rig.Find<QWidget>("Progress3")->accessibleName();
    EXPECT_TRUE(Bar.startsWith(QStringLiteral("Child 3: ")) && Bar.endsWith(QStringLiteral(" entered")))
        << Bar.toStdString();
    EXPECT_EQ(Rig.Find<QWidget>("sbPencil5")->accessibleName(), QStringLiteral("Pencil 5"));
}

namespace {

// The accessibility events sent while it lives, in place of a bridge.
class TEventLog {
public:
    struct TSeen {
        QAccessible::Event Type;
        QObject* Object;
        int Child;
    };
    TEventLog()
    {
        Seen().clear();
        QAccessible::installUpdateHandler(&Note);
        QAccessible::setActive(true);
    }
    ~TEventLog()
    {
        QAccessible::setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }
    static std::vector<TSeen>& Seen()
    {
        static std::vector<TSeen> List;
        return List;
    }
    void Clear() { Seen().clear(); }
    // How many events of a type went to Object (and its child Child).
    int Count(QAccessible::Event Type, const QObject* Object, int Child = -2) const
    {
        int Count = 0;
        for (const TSeen& Each : Seen())
            Count += Each.Type == Type && Each.Object == Object && (Child == -2 || Each.Child == Child);
        return Count;
    }
    // No object was told the same kind of news twice.
    bool EachOnce() const
    {
        for (size_t A = 0; A < Seen().size(); ++A)
            for (size_t B = A + 1; B < Seen().size(); ++B)
                if (Seen()[A].Type == Seen()[B].Type && Seen()[A].Object == Seen()[B].Object &&
                    Seen()[A].Child == Seen()[B].Child)
                    return false;
        return true;
    }

private:
    static void Note(QAccessibleEvent* Event) { Seen().push_back({Event->type(), Event->object(), Event->child()}); }
};

struct TSpokenRig : TMainWindowRig {
    TfrmMain& Main = Start();
    TAnnouncer& Line = *Find<TAnnouncer>("Announcer");
    TEventLog Log;

    TSpokenRig()
    {
        Main.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Main));
        Main.ChooseChildBox()->setChecked(false);
    }
    // A key as the player types it: to the widget with the focus. Answers
    // what the spoken line said for it, once ("" when it said nothing or
    // said it more than once).
    QString Said(int KeyCode, Qt::KeyboardModifiers Modifiers = {})
    {
        Log.Clear();
        Line.Say(QString());
        QWidget* Target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : Main.window();
        QTest::keyClick(Target, static_cast<Qt::Key>(KeyCode), Modifiers);
        // Without a platform bridge Qt sends no events; the line's text is
        // then what would have been told.
        if (QAccessible::isActive() && Log.Count(QAccessible::ObjectShow, Line.Line()) != 1)
            return QString();
        return Line.Text();
    }
    QString CursorSquare(bool Parent) const
    {
        const TGrid& Grid = Parent ? *Main.ParentGrid() : *Main.ChildGrid();
        return SpokenSquare(Grid, Grid.Cursor().Box, Grid.Cursor().Square);
    }
};

}  // namespace

TEST(Accessibility, EachKeyIsSpokenOnceAndBriefly)
{
    TSpokenRig Rig;
    TfrmMain& Main = Rig.Main;
    // A move says the square reached, Up and Down too: one square's words.
    QString Said = Rig.Said(Qt::Key_Right);
    EXPECT_TRUE(Said.startsWith(QStringLiteral("Row 5, column 5: "))) << Said.toStdString();
    Said = Rig.Said(Qt::Key_Up);
    EXPECT_EQ(Said, Rig.CursorSquare(true));
    EXPECT_TRUE(Said.startsWith(QStringLiteral("Row 4, column 5: "))) << Said.toStdString();
    Said = Rig.Said(Qt::Key_Down);
    EXPECT_EQ(Said, Rig.CursorSquare(true));

    // A digit on a free linked square: what happened and where the partner
    // got it; the square's name changes once, and nothing is told twice.
    TPuzzleXLink& Pyramid = *Main.XLink();
    int Free = 0;
    while (Rig.PuzzleAt(0).CellByIndex(Free)->GetValue() != 0 ||
           !PartnerOf(Pyramid, 0, TPosition::FromIndex(Free)).Valid())
        ++Free;
    const TPosition At = TPosition::FromIndex(Free);
    const TPyramidSquare Partner = PartnerOf(Pyramid, 0, At);
    Rig.Hover(true, At.Row, At.Col);
    EXPECT_TRUE(Rig.Said(Qt::Key_Left).startsWith(QStringLiteral("Row %1, column %2: ").arg(At.Row + 1).arg(At.Col)));
    EXPECT_TRUE(
        Rig.Said(Qt::Key_Right).startsWith(QStringLiteral("Row %1, column %2: empty").arg(At.Row + 1).arg(At.Col + 1)));
    EXPECT_TRUE(Rig.CursorSquare(true).endsWith(QStringLiteral(", linked to child %1, row %2, column %3")
                                                    .arg(Partner.Puzzle)
                                                    .arg(Partner.At.Row + 1)
                                                    .arg(Partner.At.Col + 1)))
        << Rig.CursorSquare(true).toStdString();
    const int Digit = Rig.PuzzleAt(0).CellByIndex(Free)->GetSolution();
    Said = Rig.Said(Qt::Key_0 + Digit);
    EXPECT_EQ(Said, QStringLiteral("%1 entered, also child %2, row %3, column %4")
                        .arg(Digit)
                        .arg(Partner.Puzzle)
                        .arg(Partner.At.Row + 1)
                        .arg(Partner.At.Col + 1));
    // The events themselves only where Qt has a bridge to send them on (a
    // desktop session; the offscreen platform has none).
    if (QAccessible::isActive()) {
        EXPECT_EQ(Rig.Log.Count(QAccessible::NameChanged, Main.ParentImage(), Free), 1);
        EXPECT_TRUE(Rig.Log.EachOnce());
        EXPECT_LE(TEventLog::Seen().size(), 8u) << TEventLog::Seen().size();
    }

    // Undo and redo say what was taken back and entered again.
    const QString Where = QStringLiteral("row %1, column %2").arg(At.Row + 1).arg(At.Col + 1);
    EXPECT_EQ(Rig.Said(Qt::Key_Z, Qt::ControlModifier),
              QStringLiteral("undone: %1 taken back, %2").arg(Digit).arg(Where));
    EXPECT_EQ(Rig.Said(Qt::Key_Y, Qt::ControlModifier),
              QStringLiteral("redone: %1 entered again, %2").arg(Digit).arg(Where));

    // A child, a sheet, the other grid, the step.
    EXPECT_EQ(Rig.Said(Qt::Key_3, Qt::AltModifier), QStringLiteral("Child 3"));
    // A sheet the game offers is said by its name.
    Said = Rig.Said(Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(Said.isEmpty() || Said == QStringLiteral("Pencil sheet")) << Said.toStdString();
    EXPECT_FALSE(Rig.Said(Qt::Key_5).isEmpty());
    Said = Rig.Said(Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(Said.isEmpty() || Said == QStringLiteral("Enter sheet")) << Said.toStdString();
    Said = Rig.Said(Qt::Key_Tab);
    EXPECT_EQ(Said, QStringLiteral("Child 3, ") + Rig.CursorSquare(false));
    EXPECT_TRUE(Main.ChildImage()->hasFocus());
    EXPECT_TRUE(Rig.CursorSquare(false).contains(QStringLiteral(", linked to parent, row ")) ||
                !PartnerOf(Pyramid, 3,
                           TPosition::FromBoxPlace(Main.ChildGrid()->Cursor().Box, Main.ChildGrid()->Cursor().Square))
                     .Valid());
    Said = Rig.Said(Qt::Key_4, Qt::AltModifier);
    EXPECT_EQ(Said, QStringLiteral("Child 4, ") + Rig.CursorSquare(false));
    Said = Rig.Said(Qt::Key_F2);
    EXPECT_FALSE(Said.isEmpty());
    EXPECT_EQ(Said, Rig.Find<QLabel>("lblStep")->text());
    // The first mistake's line is told as the step's is.
    Said = Rig.Said(Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(Said.isEmpty());
    EXPECT_EQ(Said, Rig.Find<QLabel>("lblStep")->text());
}

TEST(Accessibility, PencilMarksAndErasuresSayTheMark)
{
    EXPECT_EQ(TNarrator::EntryWords(TSquareChange{1, {}, 0, 0, 1u << 3, (1u << 3) | (1u << 5)}, {}),
              QStringLiteral("mark 5 added"));
    EXPECT_EQ(TNarrator::EntryWords(TSquareChange{1, {}, 0, 0, (1u << 3) | (1u << 5) | (1u << 6), 1u << 5}, {}),
              QStringLiteral("marks 3 6 erased"));
    EXPECT_EQ(TNarrator::EntryWords(TSquareChange{2, {}, 4, 0, 0, 0}, TPyramidSquare{2, {0, 1}}),
              QStringLiteral("4 cleared, also child 2, row 1, column 2"));
    EXPECT_EQ(TNarrator::EntryWords(TSquareChange{}, {}), QStringLiteral("no change"));
    EXPECT_EQ(TNarrator::UndoWords(TSquareChange{}, true, 0, false), QStringLiteral("nothing to redo"));
    EXPECT_EQ(TNarrator::UndoWords(TSquareChange{1, {2, 3}, 0, 6, 0, 0}, false, 4, true),
              QStringLiteral("undone: 6 back, child 4, row 3, column 4"));
}

TEST(Accessibility, TheKeyboardStaysOnTheGridAfterEveryShortcut)
{
    TSpokenRig Rig;
    TfrmMain& Main = Rig.Main;
    Rig.Said(Qt::Key_Right);
    ASSERT_TRUE(Main.ParentImage()->hasFocus());
    const auto OnAGrid = [&] {
        return (Main.ParentImage()->hasFocus() || Main.ChildImage()->hasFocus()) && !Main.menuBar()->hasFocus() &&
               Main.menuBar()->activeAction() == nullptr;
    };
    struct TKey {
        int Key;
        Qt::KeyboardModifiers Modifiers;
    };
    std::vector<TKey> Keys;
    for (int Digit = 1; Digit <= 9; ++Digit)
        Keys.push_back({Qt::Key_0 + Digit, Qt::AltModifier});
    for (int Mnemonic : {Qt::Key_E, Qt::Key_P, Qt::Key_S, Qt::Key_H})
        Keys.push_back({Mnemonic, Qt::AltModifier});
    for (int Digit : {1, 0})
        Keys.push_back({Qt::Key_0 + Digit, Qt::ControlModifier});
    Keys.push_back({Qt::Key_Z, Qt::ControlModifier});
    Keys.push_back({Qt::Key_Y, Qt::ControlModifier});
    Keys.push_back({Qt::Key_H, Qt::ControlModifier});
    Keys.push_back({Qt::Key_F2, {}});
    Keys.push_back({Qt::Key_F2, Qt::ShiftModifier});
    Keys.push_back({Qt::Key_Tab, {}});
    Keys.push_back({Qt::Key_Alt, {}});
    for (const TKey& Key : Keys) {
        QWidget* Before = QApplication::focusWidget();
        Rig.Said(Key.Key, Key.Modifiers);
        EXPECT_TRUE(OnAGrid()) << "key " << Key.Key << " modifiers " << Key.Modifiers;
        if (Key.Key != Qt::Key_Tab && Key.Key != Qt::Key_F2 && Key.Key != Qt::Key_Z && Key.Key != Qt::Key_Y) {
            EXPECT_EQ(QApplication::focusWidget(), Before) << "key " << Key.Key;
        }
    }
    // A screen reader hands each key back late, as a posted event, so the
    // Alt of Alt+3 may arrive on its own after the shortcut was taken: the
    // menu bar does not take the keyboard for it.
    QWidget* Grid = QApplication::focusWidget();
    QTest::keyClick(Grid, Qt::Key_3, Qt::AltModifier);
    QCoreApplication::postEvent(Grid, new QKeyEvent(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier));
    QCoreApplication::postEvent(Grid, new QKeyEvent(QEvent::KeyRelease, Qt::Key_3, Qt::AltModifier));
    QCoreApplication::postEvent(Grid, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier));
    QCoreApplication::processEvents();
    EXPECT_TRUE(OnAGrid());
    EXPECT_EQ(QApplication::focusWidget(), Grid);
}

TEST(Accessibility, TheBoxUnderTheGridsIsInTheChildMenuAndAPaperGameShowsNoOldCursor)
{
    TSpokenRig Rig;
    TfrmMain& Main = Rig.Main;
    auto* Item = Rig.Find<QAction>("ParentChoosesChild1");
    ASSERT_NE(Item, nullptr);
    EXPECT_EQ(Item->isChecked(), Main.ChooseChildBox()->isChecked());
    const bool Was = Main.ChooseChildBox()->isChecked();
    ASSERT_TRUE(Rig.Trigger("ParentChoosesChild1"));
    EXPECT_EQ(Main.ChooseChildBox()->isChecked(), !Was);
    EXPECT_EQ(Item->isChecked(), !Was);
    EXPECT_EQ(Rig.Line.Text(), Was ? QStringLiteral("Parent click selects child: off")
                                   : QStringLiteral("Parent click selects child: on"));
    // The box clicked shows in the menu.
    Main.ChooseChildBox()->click();
    EXPECT_EQ(Item->isChecked(), Was);

    Rig.Said(Qt::Key_Right);
    Rig.Said(Qt::Key_Tab);
    ASSERT_GE(Main.ParentGrid()->Cursor().Box, 0);
    Main.LoadGame(4, 401);
    EXPECT_EQ(Main.ParentGrid()->Cursor().Box, -1);
    EXPECT_EQ(Main.ChildGrid()->Cursor().Box, -1);
}
