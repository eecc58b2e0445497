#include "SolutionMaker.h"

#include "Exception.h"
#include "Format.h"
#include "PyramidLinks.h"

#include <bit>
#include <random>

namespace {

constexpr uint16_t AllDigits = 0x3FE;

// Randomised depth-first filling over bit masks. The search visits the empty
// cell with fewest candidates first and tries its digits in a random order;
// a node budget turns an unlucky search into a retry with fresh randomness.
class TGridFiller {
public:
    TGridFiller(TGridDigits& Grid, std::mt19937_64& Engine) : FGrid(Grid), FEngine(Engine) {}

    // Answers false when the filled cells clash.
    bool Start()
    {
        for (int Index = 0; Index < 81; ++Index) {
            const int Digit = FGrid[Index];
            if (Digit == 0)
                continue;
            const uint16_t Bit = static_cast<uint16_t>(1u << Digit);
            const int Row = Index / 9, Col = Index % 9, Box = TPosition{Row, Col}.Box();
            if ((FRows[Row] | FCols[Col] | FBoxes[Box]) & Bit)
                return false;
            Place(Index, Digit);
        }
        return true;
    }

    enum TResult { rSolved, rNoSolution, rBudgetSpent };

    TResult Fill(long Budget)
    {
        FBudget = Budget;
        const TResult Result = Search();
        return Result;
    }

private:
    void Place(int Index, int Digit)
    {
        const uint16_t Bit = static_cast<uint16_t>(1u << Digit);
        const int Row = Index / 9, Col = Index % 9;
        FGrid[Index] = static_cast<uint8_t>(Digit);
        FRows[Row] |= Bit;
        FCols[Col] |= Bit;
        FBoxes[TPosition{Row, Col}.Box()] |= Bit;
    }

    void Remove(int Index)
    {
        const int Row = Index / 9, Col = Index % 9;
        const uint16_t Bit = static_cast<uint16_t>(1u << FGrid[Index]);
        FGrid[Index] = 0;
        FRows[Row] &= static_cast<uint16_t>(~Bit);
        FCols[Col] &= static_cast<uint16_t>(~Bit);
        FBoxes[TPosition{Row, Col}.Box()] &= static_cast<uint16_t>(~Bit);
    }

    uint16_t Candidates(int Index) const
    {
        const int Row = Index / 9, Col = Index % 9;
        return static_cast<uint16_t>(AllDigits & ~(FRows[Row] | FCols[Col] | FBoxes[TPosition{Row, Col}.Box()]));
    }

    TResult Search()
    {
        if (--FBudget < 0)
            return rBudgetSpent;
        int Best = -1;
        int BestCount = 10;
        uint16_t BestMask = 0;
        for (int Index = 0; Index < 81; ++Index) {
            if (FGrid[Index] != 0)
                continue;
            const uint16_t Mask = Candidates(Index);
            const int Count = std::popcount(Mask);
            if (Count < BestCount) {
                Best = Index;
                BestCount = Count;
                BestMask = Mask;
                if (Count <= 1)
                    break;
            }
        }
        if (Best < 0)
            return rSolved;
        if (BestCount == 0)
            return rNoSolution;

        int Digits[9];
        int Count = 0;
        for (int Digit = 1; Digit <= 9; ++Digit)
            if (BestMask & (1u << Digit))
                Digits[Count++] = Digit;
        // Fisher-Yates with the engine's raw output: the same on every platform.
        for (int i = Count - 1; i > 0; --i) {
            const int j = static_cast<int>(FEngine() % static_cast<uint64_t>(i + 1));
            std::swap(Digits[i], Digits[j]);
        }
        for (int k = 0; k < Count; ++k) {
            Place(Best, Digits[k]);
            const TResult Result = Search();
            if (Result != rNoSolution)
                return Result;  // solved, or out of budget with the grid left as is
            Remove(Best);
        }
        return rNoSolution;
    }

    TGridDigits& FGrid;
    std::mt19937_64& FEngine;
    std::array<uint16_t, 9> FRows{};
    std::array<uint16_t, 9> FCols{};
    std::array<uint16_t, 9> FBoxes{};
    long FBudget = 0;
};

constexpr long NodeBudget = 20000;
constexpr int MaxAttempts = 200;

// Completes Grid with Engine; false when the givens admit no completion (or
// every attempt ran out of budget). Grid is unchanged on failure.
bool CompleteWith(TGridDigits& Grid, std::mt19937_64& Engine)
{
    for (const uint8_t Digit : Grid)
        if (Digit > 9)
            throw Exception(Format("Solution digit %d out of range", Digit));
    for (int Attempt = 0; Attempt < MaxAttempts; ++Attempt) {
        TGridDigits Work = Grid;
        TGridFiller Filler(Work, Engine);
        if (!Filler.Start())
            return false;
        const auto Result = Filler.Fill(NodeBudget);
        if (Result == TGridFiller::rSolved) {
            Grid = Work;
            return true;
        }
        if (Result == TGridFiller::rNoSolution)
            return false;
    }
    return false;
}

std::string CheckGrid(const TGridDigits& Grid, int Puzzle)
{
    std::array<uint16_t, 27> Seen{};
    for (int Index = 0; Index < 81; ++Index) {
        const int Digit = Grid[Index];
        if (Digit < 1 || Digit > 9)
            return Format("puzzle %d cell %d holds %d", Puzzle, Index, Digit);
        const int Row = Index / 9, Col = Index % 9;
        const uint16_t Bit = static_cast<uint16_t>(1u << Digit);
        for (const int House : {Row, 9 + Col, 18 + TPosition{Row, Col}.Box()}) {
            if (Seen[House] & Bit)
                return Format("puzzle %d repeats %d in house %d", Puzzle, Digit, House);
            Seen[House] |= Bit;
        }
    }
    return {};
}

}  // namespace

bool CompleteGrid(TGridDigits& Grid, uint64_t Seed)
{
    std::mt19937_64 Engine(Seed);
    return CompleteWith(Grid, Engine);
}

TPyramidSolution MakePyramidSolution(uint8_t LayoutType, uint64_t Seed)
{
    std::mt19937_64 Engine(Seed);
    const int ChildCount = PyramidChildCount(LayoutType);
    const auto Links = PyramidLinks(LayoutType);

    // A parent for which some child cannot be completed is drawn again; the
    // linked child patterns make that impossible, so one round is the rule.
    for (int Round = 0; Round < 20; ++Round) {
        TPyramidSolution Result;
        Result.LayoutType = LayoutType;
        Result.Puzzles.assign(1 + ChildCount, TGridDigits{});
        if (!CompleteWith(Result.Puzzles[0], Engine))
            continue;
        for (const auto& Link : Links)
            Result.Puzzles[Link.Child][Link.ChildIndex()] = Result.Puzzles[0][Link.ParentIndex()];
        bool Complete = true;
        for (int Child = 1; Child <= ChildCount && Complete; ++Child)
            Complete = CompleteWith(Result.Puzzles[Child], Engine);
        if (Complete)
            return Result;
    }
    throw Exception(TR_TEXT("SolutionMaker", "No pyramid solution found for layout %1"), LayoutType);
}

std::string CheckPyramidSolution(const TPyramidSolution& Solution)
{
    const int Expected = 1 + PyramidChildCount(Solution.LayoutType);
    if (static_cast<int>(Solution.Puzzles.size()) != Expected)
        return Format("layout %d needs %d puzzles, not %d", Solution.LayoutType, Expected,
                      static_cast<int>(Solution.Puzzles.size()));
    for (int Puzzle = 0; Puzzle < Expected; ++Puzzle) {
        std::string Fault = CheckGrid(Solution.Puzzles[Puzzle], Puzzle);
        if (!Fault.empty())
            return Fault;
    }
    for (const auto& Link : PyramidLinks(Solution.LayoutType))
        if (Solution.Puzzles[0][Link.ParentIndex()] != Solution.Puzzles[Link.Child][Link.ChildIndex()])
            return Format("parent cell %d differs from cell %d of child %d", Link.ParentIndex(), Link.ChildIndex(),
                          Link.Child);
    return {};
}
