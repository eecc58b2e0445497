#pragma once
// What a screen reader is told after each of the player's acts on the
// keyboard, briefly: the square the cursor came to, what an entry, a mark,
// an undo or a redo did (and where a linked partner took the value), the
// child or sheet now shown, the step's text. The facts come from
// SquareNews.h, the words are composed here, and each act's words are told
// once through the window's spoken line (Announcer.h).
//
// Ownership: the narrator holds nothing of the window; it asks for the
// scene (pyramid, grids, pictures) each time it speaks.

#include "SquareNews.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class TAnnouncer;
class TGrid;
class TGridImage;
class TPuzzleXLink;

class TNarrator {
    Q_DECLARE_TR_FUNCTIONS(TNarrator)

public:
    struct TScene {
        TPuzzleXLink* Pyramid = nullptr;
        int Child = 1;  // the child shown
        bool ParentActive = true;
        TGrid* ParentGrid = nullptr;
        TGrid* ChildGrid = nullptr;
        TGridImage* ParentImage = nullptr;
        TGridImage* ChildImage = nullptr;
        TAnnouncer* Announcer = nullptr;
    };
    using TSceneSource = std::function<TScene()>;
    explicit TNarrator(TSceneSource Scene) : FScene(std::move(Scene)) {}

    // The words, for any square and change.
    // "parent", "child 3".
    static QString PuzzleWords(int Puzzle);
    // "child 3, row 5, column 2".
    static QString SquareWords(const TPyramidSquare& Square);
    // What a grid adds to a linked square's name: "linked to child 3,
    // row 5, column 2"; empty for a square without a partner.
    static QString LinkWords(const TPyramidSquare& Partner);
    // An entry on a square: "7 entered", "cleared", "mark 5 added",
    // "marks 3 5 erased", with ", also child 3, row 5, column 2" where a
    // value reached a partner; "no change" when nothing changed.
    static QString EntryWords(const TSquareChange& Change, const TPyramidSquare& Partner);
    // An undo or redo: "undone: 7 taken back, row 4, column 4", "redone: 7
    // entered again, child 3, row 4, column 4" (the puzzle named when it is
    // not the one the keys act on); "nothing to undo" when nothing changed.
    static QString UndoWords(const TSquareChange& Change, bool Redo, int Puzzle, bool Named);

    // The acts. Each speaks once.
    // The cursor moved on its grid; with Tab it came to the other grid,
    // whose name goes first.
    void CursorMoved(bool OtherGrid);
    // A picture of the puzzle the keys act on (or of Puzzle), taken before
    // an entry, an undo or a redo; the matching call after it tells what
    // changed.
    TPuzzlePicture Before(int Puzzle = -1) const;
    int ActivePuzzle() const;
    void Entered(const TPuzzlePicture& Before);
    void Undone(const TPuzzlePicture& Before, int Puzzle, bool Redo);
    // Another child is shown: its name, and the cursor's square when the
    // keys act on the child's grid.
    void ChildShown(int Child);
    // Plain words: a sheet's name, a step's text, a message.
    void Say(const QString& Text);

private:
    TGridImage* ActiveImage(const TScene& Scene) const;
    static void Tell(const TScene& Scene, const QString& Text);
    QString CursorSquare(const TScene& Scene) const;

    TSceneSource FScene;
};
