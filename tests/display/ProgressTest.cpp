// The coloured progress bar and the main window's rules for bars, LEDs and
// the solved test, on real puzzles and pyramids.
#include "DisplayTestSupport.h"
#include "MyProgressBar.h"
#include "ProgressRules.h"
#include "Puzzle.h"
#include "PyramidTestSupport.h"

#include <QApplication>
#include <QEvent>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class TPaintCounter : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint)
            ++Paints;
        return QObject::eventFilter(Watched, Event);
    }
};

// Enters the solution digit in every empty cell of every puzzle.
void FillWithSolution(TPuzzleXLink& Pyramid)
{
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        TPuzzle& Puzzle = *Pyramid.GetPuzzle(Index);
        for (int Cell = 0; Cell < 81; ++Cell)
            if (Puzzle.CellByIndex(Cell)->GetValue() == 0)
                Puzzle.CellByIndex(Cell)->SetValue(Puzzle.CellByIndex(Cell)->GetSolution());
    }
}

TEST(MyProgressBarTest, FillsInBarColorAndRepaintsOnlyOnAChange)
{
    TMyProgressBar Bar;
    EXPECT_EQ(Bar.BarColor(), clBtnFace);
    EXPECT_EQ(Bar.property("BarColor").toUInt(), clBtnFace);
    Bar.resize(126, 16);
    ApplyBarValues(Bar, TBarValues{51, 17});
    EXPECT_EQ(Bar.maximum(), 51);
    EXPECT_EQ(Bar.value(), 17);
    Bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Bar));
    for (int Round = 0; Round < 5; ++Round)
        QApplication::processEvents();

    TPaintCounter Counter;
    Bar.installEventFilter(&Counter);
    Bar.SetBarColor(clBtnFace);
    QApplication::processEvents();
    EXPECT_EQ(Counter.Paints, 0);
    Bar.SetBarColor(clMoneyGreen);
    QApplication::processEvents();
    EXPECT_EQ(Counter.Paints, 1);
    Bar.SetBarColor(clMoneyGreen);
    QApplication::processEvents();
    EXPECT_EQ(Counter.Paints, 1);

    // A third of the inner width done, in the highlight colour; the rest and
    // the border in the bar colour.
    const QRect Filled = Bar.BarRect();
    EXPECT_EQ(Filled.left(), 3);
    EXPECT_EQ(Filled.width(), 120 * 17 / 51);
    const TColor Done = TColorOf(Bar.palette().color(QPalette::Active, QPalette::Highlight));
    ASSERT_NE(Done, clSkyBlue);
    const auto ColourAt = [&Bar](int X, int Y) { return TColorOf(Bar.grab().toImage().pixelColor(X, Y)); };
    EXPECT_EQ(ColourAt(Filled.center().x(), 8), Done);
    EXPECT_EQ(ColourAt(Filled.right() + 2, 8), clMoneyGreen);
    // The chosen child's colour shows whatever the fill: empty, half, full.
    Bar.SetBarColor(clSkyBlue);
    for (const int Position : {0, 25, 51}) {
        ApplyBarValues(Bar, TBarValues{51, Position});
        EXPECT_EQ(ColourAt(1, 1), clSkyBlue) << Position;
        EXPECT_EQ(ColourAt(124, 14), clSkyBlue) << Position;
        EXPECT_EQ(ColourAt(60, 8), Position == 0 ? clSkyBlue : Done) << Position;
    }
    ApplyBarValues(Bar, TBarValues{51, 51});
    EXPECT_EQ(Bar.BarRect().width(), 120);
    ApplyBarValues(Bar, TBarValues{51, 0});
    EXPECT_TRUE(Bar.BarRect().isEmpty());
    ApplyBarValues(Bar, TBarValues{0, 0});
    EXPECT_TRUE(Bar.BarRect().isEmpty());
}

TEST(ProgressRulesTest, BarsCountTheCellsThatAreNotGiven)
{
    TScopedSettings Scoped;
    TTestPyramid Game = MakeTestPyramid(0, 11, 30);
    const std::array<TBarValues, 10> Bars = PyramidBarValues(*Game.Pyramid);
    int SumMax = 0;
    for (int Index = 0; Index <= 9; ++Index) {
        int Givens = 0;
        for (uint8_t Flag : Game.Givens[static_cast<size_t>(Index)])
            Givens += Flag != 0 ? 1 : 0;
        EXPECT_EQ(Bars[static_cast<size_t>(Index)], (TBarValues{81 - Givens, 0})) << "puzzle " << Index;
        SumMax += 81 - Givens;
    }
    EXPECT_EQ(OverallBarValues(Bars), (TBarValues{SumMax, 0}));

    // Entries count; entries carried into a linked puzzle count there too.
    TPuzzle& Child = *Game.Pyramid->GetPuzzle(3);
    int Entered = 0;
    for (int Cell = 0; Cell < 81 && Entered < 4; ++Cell) {
        TCell& Target = *Child.CellByIndex(Cell);
        if (!Target.GetRevealed() && Target.ParentLinkOfCell() == nullptr) {
            Target.SetValue(Target.GetSolution());
            ++Entered;
        }
    }
    EXPECT_EQ(PuzzleBarValues(Child).Position, 4);
    EXPECT_EQ(OverallBarValues(PyramidBarValues(*Game.Pyramid)).Position, 4);

    // A one-child pyramid: the missing children add nothing.
    TTestPyramid Single = MakeTestPyramid(7, 12, 30);
    const std::array<TBarValues, 10> SingleBars = PyramidBarValues(*Single.Pyramid);
    EXPECT_GT(SingleBars[1].Max, 0);
    for (size_t Index = 2; Index < 10; ++Index)
        EXPECT_EQ(SingleBars[Index], (TBarValues{0, 0}));
    EXPECT_EQ(OverallBarValues(SingleBars).Max, SingleBars[0].Max + SingleBars[1].Max);
}

TEST(ProgressRulesTest, LedsFollowTheRowsThatHoldADigit)
{
    TScopedSettings Scoped;
    Scoped.Values.SetColour(colLED8, clYellow);
    TPuzzle Puzzle;
    std::array<TColor, 9> Leds = LedColours(Puzzle);
    for (TColor Colour : Leds)
        EXPECT_EQ(Colour, clMoneyGreen);

    // 5 in rows 0-7, and twice in row 0 (a row counts once): 8 rows.
    for (int Row = 0; Row < 8; ++Row)
        Puzzle.CellAt(Row, Row)->SetValue(5);
    Puzzle.CellAt(0, 8)->SetValue(5);
    EXPECT_EQ(LedColours(Puzzle)[4], clYellow);
    // The ninth row.
    Puzzle.CellAt(8, 8)->SetValue(5);
    Leds = LedColours(Puzzle);
    EXPECT_EQ(Leds[4], clGreen);
    EXPECT_EQ(Leds[3], clMoneyGreen);
    EXPECT_EQ(Leds[5], clMoneyGreen);

    // The colours are the settings in force.
    Scoped.Values.SetColour(colLED9, clNavy);
    Scoped.Values.SetColour(colLEDoff, clSilver);
    EXPECT_EQ(LedColour(9), clNavy);
    EXPECT_EQ(LedColour(7), clSilver);
    EXPECT_EQ(LedColour(0), clSilver);
}

TEST(ProgressRulesTest, SolvedTestCongratulatesWarnsOrSaysNothing)
{
    TScopedSettings Scoped;
    TTestPyramid Game = MakeTestPyramid(0, 21, 30);
    EXPECT_EQ(SolvedTest(*Game.Pyramid, true), TSolvedVerdict::None);

    FillWithSolution(*Game.Pyramid);
    EXPECT_EQ(SolvedTest(*Game.Pyramid, true), TSolvedVerdict::Congratulate);
    // Filled by a solving command (test off), or congratulations off.
    EXPECT_EQ(SolvedTest(*Game.Pyramid, false), TSolvedVerdict::None);
    Scoped.Values.SetOption(optCongrats, false);
    EXPECT_EQ(SolvedTest(*Game.Pyramid, true), TSolvedVerdict::None);
    Scoped.Values.SetOption(optCongrats, true);

    // One cell of one child swapped for another digit: complete, not solved.
    TPuzzle& Child = *Game.Pyramid->GetPuzzle(4);
    for (int Cell = 0; Cell < 81; ++Cell) {
        TCell& Target = *Child.CellByIndex(Cell);
        if (!Target.GetRevealed() && Target.ParentLinkOfCell() == nullptr) {
            Target.SetValue(Target.GetSolution() % 9 + 1);
            break;
        }
    }
    EXPECT_EQ(SolvedTest(*Game.Pyramid, true), TSolvedVerdict::Warn);

    // A valid filling that differs from the stored solution congratulates:
    // unlinked puzzles without givens, each filled with its solution's
    // digits relabelled.
    TTestPyramid Free = MakeTestPyramid(2, 22, 0);
    for (int Index = 0; Index <= Free.Pyramid->ChildCount(); ++Index) {
        TPuzzle& Puzzle = *Free.Pyramid->GetPuzzle(Index);
        for (int Cell = 0; Cell < 81; ++Cell)
            Puzzle.CellByIndex(Cell)->SetValue(Puzzle.CellByIndex(Cell)->GetSolution() % 9 + 1);
    }
    EXPECT_FALSE(Free.Pyramid->GetPuzzle(0)->CellByIndex(0)->IsCorrect());
    EXPECT_EQ(SolvedTest(*Free.Pyramid, true), TSolvedVerdict::Congratulate);

    // The one-child layout tests its two puzzles.
    TTestPyramid Single = MakeTestPyramid(7, 23, 30);
    FillWithSolution(*Single.Pyramid);
    EXPECT_EQ(SolvedTest(*Single.Pyramid, true), TSolvedVerdict::Congratulate);
}

TEST(ProgressRulesTest, ChosenChildBarIsSkyBlue)
{
    for (int Tag = 0; Tag <= 9; ++Tag)
        EXPECT_EQ(ChildBarColour(Tag, 5), Tag == 5 ? clSkyBlue : clMoneyGreen) << Tag;
    EXPECT_EQ(ChildBarColour(0, 0), clMoneyGreen);
}

}  // namespace
