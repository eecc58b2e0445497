// What a screen reader finds in the main window, read through Qt's
// accessibility interfaces: the grids as tables of named cells whose focus
// follows the keyboard cursor, and the LEDs, bars and strip buttons by name.
// (The offscreen platform has no accessibility bridge, so the events that
// announce changes are not seen here.)
#include "MainWindowRig.h"

#include "Cell.h"
#include "GridImage.h"

#include <QAccessible>
#include <QCheckBox>

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
    EXPECT_EQ(
        Parent->tableInterface()->cellAt(Given / 9, Given % 9)->text(QAccessible::Name),
        QStringLiteral("Row %1, column %2: %3, given").arg(Given / 9 + 1).arg(Given % 9 + 1).arg(GivenCell.GetValue()));
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
    EXPECT_TRUE(Entered.endsWith(QStringLiteral(", incorrect"))) << Entered.toStdString();
    // A digit that repeats a given of its row is said to be invalid.
    int Repeated = 0;
    for (int Col = 0; Col < 9 && Repeated == 0; ++Col)
        if (const TCell& Other = *Rig.PuzzleAt(0).CellByIndex(Free / 9 * 9 + Col); Other.GetRevealed())
            Repeated = Other.GetValue();
    ASSERT_NE(Repeated, 0);
    Rig.Key(Qt::Key_0 + Repeated, {});
    const QString Clash = Spoken->text(QAccessible::Name);
    EXPECT_EQ(Clash, Place + QStringLiteral("%1, entered, invalid, incorrect").arg(Repeated)) << Clash.toStdString();
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
