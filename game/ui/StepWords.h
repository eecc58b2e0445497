#pragma once
// The words of Next Step and of the first-mistake lines: the sentences that
// tell a step (the whole of it or a stage), composed from the step as the
// pyramid layer finds it, in the player's language. Every sentence is one
// template with numbered arguments; the pieces that go into them (a puzzle's
// name, a square's place, a list of digits) are templates of their own.
// Rows, columns and boxes are counted from 1.

#include "PyramidSteps.h"

#include <QCoreApplication>
#include <QString>

class TStepWords {
    Q_DECLARE_TR_FUNCTIONS(TStepWords)

public:
    // One or two sentences telling the whole step.
    static QString Explain(const TPyramidStep& Step);
    // The text of a stage: no digit before the whole step, no square before
    // the square's stage; kinds without stages are told whole.
    static QString Stage(const TPyramidStep& Step, TStepStage Stage);
    // "the parent's row 3, column 5" or "child 4's row 2, column 7".
    static QString MistakeSquare(const TStepSquare& Square);
    // A solving method's name, as the settings list shows it.
    static QString MethodName(int Method);
};
