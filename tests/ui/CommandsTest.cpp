// The commands made from the window's command table, as the player finds
// them in the menus.
#include "MainWindowRig.h"

#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// Every item under Menu, submenus included.
void Collect(QMenu* Menu, std::vector<QAction*>& Items)
{
    for (QAction* Item : Menu->actions()) {
        Items.push_back(Item);
        if (Item->menu() != nullptr)
            Collect(Item->menu(), Items);
    }
}

}  // namespace

TEST(Commands, NoTwoCommandsShareANameOrAKeyOfTheWindow)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    std::vector<QAction*> Items;
    for (QAction* Menu : Main.menuBar()->actions())
        Collect(Menu->menu(), Items);
    const size_t MainItems = Items.size();
    Collect(Main.PopupMenu(), Items);
    ASSERT_GT(Items.size(), MainItems);

    std::set<QString> Names;
    std::map<QKeySequence, QString> Keys;
    for (QAction* Item : Items) {
        // The pop-up's Enter and Erase digits keep the design's names "N"
        // and a number, which repeat.
        static const QRegularExpression DesignNumber(QStringLiteral("^N[0-9]+$"));
        if (Item->isSeparator() || Item->menu() != nullptr || DesignNumber.match(Item->objectName()).hasMatch())
            continue;
        EXPECT_TRUE(Names.insert(Item->objectName()).second) << Item->objectName().toStdString();
        // A key the window itself answers to must name one command; the
        // pop-up's items only show the main menu's keys.
        if (Item->shortcutContext() == Qt::WidgetShortcut)
            continue;
        for (const QKeySequence& Key : Item->shortcuts()) {
            const auto [Place, Fresh] = Keys.emplace(Key, Item->objectName());
            EXPECT_TRUE(Fresh) << Key.toString().toStdString() << ": " << Place->second.toStdString() << " and "
                               << Item->objectName().toStdString();
        }
    }
    // Each key shown in the pop-up is answered by the window.
    for (QAction* Item : Items) {
        if (Item->shortcutContext() == Qt::WidgetShortcut && !Item->shortcut().isEmpty() &&
            !Item->objectName().startsWith(QStringLiteral("HiLite"))) {
            EXPECT_EQ(Keys.count(Item->shortcut()), 1u) << Item->objectName().toStdString();
        }
    }
}
