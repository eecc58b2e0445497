#include "ProgressRules.h"

#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVSettings.h"

#include <QProgressBar>

TBarValues PuzzleBarValues(const TPuzzle& Puzzle)
{
    int Filled = 0;
    int Total = 0;
    Puzzle.Progress(Filled, Total);
    return {Total, Filled};
}

TBarValues OverallBarValues(std::span<const TBarValues> Bars)
{
    TBarValues Sum{0, 0};
    for (const TBarValues& Bar : Bars) {
        Sum.Max += Bar.Max;
        Sum.Position += Bar.Position;
    }
    return Sum;
}

std::array<TBarValues, 10> PyramidBarValues(const TPuzzleXLink& Pyramid)
{
    std::array<TBarValues, 10> Bars{};
    for (int Index = 0; Index < 10; ++Index) {
        const TPuzzle* Puzzle = Index <= Pyramid.ChildCount() ? Pyramid.GetPuzzle(Index) : nullptr;
        Bars[static_cast<size_t>(Index)] = Puzzle != nullptr ? PuzzleBarValues(*Puzzle) : TBarValues{0, 0};
    }
    return Bars;
}

void ApplyBarValues(QProgressBar& Bar, const TBarValues& Values)
{
    Bar.setMaximum(Values.Max);
    Bar.setValue(Values.Position);
}

TSolvedVerdict SolvedTest(const TPuzzleXLink& Pyramid, bool Test)
{
    if (!Test || !Settings().GetOption(optCongrats))
        return TSolvedVerdict::None;
    const std::array<TBarValues, 10> Bars = PyramidBarValues(Pyramid);
    const TBarValues Overall = OverallBarValues(Bars);
    if (Overall.Max != Overall.Position)
        return TSolvedVerdict::None;
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        if (!Pyramid.GetPuzzle(Index)->IsSolved())
            return TSolvedVerdict::Warn;
    }
    return TSolvedVerdict::Congratulate;
}

TColor LedColour(int Count)
{
    if (Count == 9)
        return Settings().GetColour(colLED9);
    if (Count == 8)
        return Settings().GetColour(colLED8);
    return Settings().GetColour(colLEDoff);
}

std::array<TColor, 9> LedColours(const TPuzzle& Puzzle)
{
    std::array<TColor, 9> Colours{};
    for (int Digit = 1; Digit <= 9; ++Digit)
        Colours[static_cast<size_t>(Digit - 1)] = LedColour(Puzzle.DigitRowCount(Digit));
    return Colours;
}

TColor ChildBarColour(int Tag, int Chosen, TColor Bar, TColor ChosenBar)
{
    return Chosen >= 1 && Tag == Chosen ? ChosenBar : Bar;
}
