#pragma once
// The whole game program as a test drives it: a scratch program folder with
// copies of the bundled issues, a scratch settings file, the scripted
// prompter, and the main window with its settings and choose-game dialogs,
// shown as the program shows them. Cells are clicked at their pixels, menu
// commands are triggered by their object names, keys go to the window.

#include "ChoosePuzzle.h"
#include "Options.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"
#include "QVMain.h"
#include "QVUtils.h"
#include "ScriptedPrompter.h"
#include "SettingsStore.h"
#include "UiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

struct TMainWindowRig {
    TScriptedPrompter Prompter;
    QString SettingsFile;
    std::string ProgramFolder;
    std::unique_ptr<TfrmMain> Main;
    TfrmOptions* Options = nullptr;
    TfrmChoosePuzzle* Choose = nullptr;

    // A fresh settings store; the program folder gets the named bundled issue
    // files (all of them when none are named).
    explicit TMainWindowRig(const QStringList& Issues = {})
        : SettingsFile(NewScratchFolder(QStringLiteral("settings")) + QStringLiteral("/store.ini")),
          ProgramFolder(ScratchProgramFolder(Issues))
    {
        TSettingsStore::UseFile(SettingsFile);
    }
    ~TMainWindowRig() { Close(); }
    TMainWindowRig(const TMainWindowRig&) = delete;
    TMainWindowRig& operator=(const TMainWindowRig&) = delete;

    // Builds the program's three windows in the program's order and shows
    // the main window, which starts the last game.
    TfrmMain& Start()
    {
        Main = std::make_unique<TfrmMain>(ProgramFolder);
        Options = new TfrmOptions(Main.get());
        Choose = new TfrmChoosePuzzle(Main.get());
        Main->SetDialogs(Options, Choose);
        Main->show();
        if (!QTest::qWaitForWindowExposed(Main.get()))
            ADD_FAILURE() << "the main window was not exposed";
        QApplication::processEvents();
        return *Main;
    }

    // Throws the window away without asking to save, as a crash would
    // before the game was first kept safe: no recovery file is left, so the
    // next start goes on as it would without one.
    void Close()
    {
        if (Main)
            Main->Recovery().Remove();
        Crash();
    }

    // Throws the window away as a crash would, leaving its recovery file.
    void Crash()
    {
        Main.reset();
        Options = nullptr;
        Choose = nullptr;
    }

    template <typename T = QObject>
    T* Find(const char* Name) const
    {
        return Main->findChild<T*>(QString::fromLatin1(Name));
    }

    // A menu command as the player gives it; an error it raises is shown by
    // the application's handler. False when the item is missing, hidden or
    // disabled.
    bool Trigger(const char* Name)
    {
        QAction* Item = Find<QAction>(Name);
        if (Item == nullptr || !Item->isEnabled() || !Item->isVisible())
            return false;
        RunGuarded([Item] { Item->trigger(); });
        return true;
    }

    TPuzzleXLink& Pyramid() const { return *Main->XLink(); }
    TPuzzle& PuzzleAt(int Index) const { return *Main->XLink()->GetPuzzle(Index); }

    // The pixel at the middle of the square of (Row, Col) on a grid image.
    static QPoint CellPoint(int Row, int Col)
    {
        const int X = 2 + (Col / 3) * 130 + 2 + (Col % 3) * 42 + 20;
        const int Y = 2 + (Row / 3) * 130 + 2 + (Row % 3) * 42 + 20;
        return {X, Y};
    }

    QWidget* Image(bool Parent) const { return Find<QWidget>(Parent ? "Image1" : "Image2"); }

    // Qt drops a move to where the pointer already is, so the pointer first
    // goes to the grid's corner (on the border, no square).
    void Hover(bool Parent, int Row, int Col)
    {
        QTest::mouseMove(Image(Parent), QPoint(0, 0));
        QTest::mouseMove(Image(Parent), CellPoint(Row, Col));
    }

    // Moves the pointer onto the cell and clicks it with Button.
    void ClickCell(bool Parent, int Row, int Col, Qt::MouseButton Button = Qt::LeftButton)
    {
        Hover(Parent, Row, Col);
        QTest::mouseClick(Image(Parent), Button, {}, CellPoint(Row, Col));
    }

    // Clicks a speed button or push button of the window by name.
    void Press(const char* Name)
    {
        QWidget* Button = Find<QWidget>(Name);
        QTest::mouseClick(Button, Qt::LeftButton, {}, Button->rect().center());
    }

    void Key(int KeyCode, Qt::KeyboardModifiers Modifiers)
    {
        QTest::keyClick(Main.get(), static_cast<Qt::Key>(KeyCode), Modifiers);
    }

    // How often a message with exactly Text was shown.
    int MessageCount(const QString& Text) const
    {
        int Count = 0;
        for (const QString& Shown : Prompter.Texts())
            Count += Shown == Text;
        return Count;
    }
};
