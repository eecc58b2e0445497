#include "ProgressRules.h"

#include "Puzzle.h"
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

void ApplyBarValues(QProgressBar& Bar, const TBarValues& Values)
{
    Bar.setMaximum(Values.Max);
    Bar.setValue(Values.Position);
}

TSolvedVerdict SolvedTest(std::span<TPuzzle* const> Puzzles, bool Test)
{
    if (!Test || !Settings().GetOption(optCongrats) || Puzzles.empty())
        return TSolvedVerdict::None;
    TBarValues Sum{0, 0};
    for (const TPuzzle* Puzzle : Puzzles) {
        if (Puzzle == nullptr)
            return TSolvedVerdict::None;
        const TBarValues Bar = PuzzleBarValues(*Puzzle);
        Sum.Max += Bar.Max;
        Sum.Position += Bar.Position;
    }
    if (Sum.Max != Sum.Position)
        return TSolvedVerdict::None;
    for (TPuzzle* Puzzle : Puzzles) {
        if (!Puzzle->IsSolved())
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

TColor ChildBarColour(int Tag, int Chosen)
{
    return Chosen >= 1 && Tag == Chosen ? clSkyBlue : clMoneyGreen;
}
