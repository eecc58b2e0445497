#pragma once
// Puzzles for the model's tests and benchmarks, made from a seed: a valid
// solution grid shuffled by the seed, with cells taken away for as long as
// the singles methods (scanning, pinned, complete sequence) still solve it.
// Header-only; needs tavrel_model.

#include "Puzzle.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

namespace singles {

using TGrid81 = std::array<uint8_t, 81>;

struct TPuzzleData {
    TGrid81 Solution{};
    TGrid81 Given{};
    int GivenCount() const
    {
        return static_cast<int>(std::count_if(Given.begin(), Given.end(), [](uint8_t G) { return G != 0; }));
    }
};

// A small deterministic generator of its own, so the puzzles do not depend on
// the program's random generator or its state.
class TSplitMix {
public:
    explicit TSplitMix(uint64_t Seed) : FState(Seed) {}
    uint64_t Next()
    {
        uint64_t Z = (FState += 0x9E3779B97F4A7C15ull);
        Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ull;
        Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBull;
        return Z ^ (Z >> 31);
    }
    int Below(int Range) { return static_cast<int>(Next() % static_cast<uint64_t>(Range)); }
    template <typename T, size_t N>
    void Shuffle(std::array<T, N>& Items)
    {
        for (size_t Index = N - 1; Index > 0; --Index)
            std::swap(Items[Index], Items[static_cast<size_t>(Below(static_cast<int>(Index + 1)))]);
    }

private:
    uint64_t FState;
};

// A valid filled grid: the standard pattern with digits, rows inside bands,
// bands, columns inside stacks and stacks permuted, and maybe transposed.
inline TGrid81 MakeSolutionGrid(uint64_t Seed)
{
    TSplitMix Random(Seed);
    std::array<int, 9> Digits{};
    std::iota(Digits.begin(), Digits.end(), 1);
    Random.Shuffle(Digits);
    auto Order = [&Random]() {
        std::array<int, 3> Bands{0, 1, 2};
        Random.Shuffle(Bands);
        std::array<int, 9> Lines{};
        for (int Band = 0; Band < 3; ++Band) {
            std::array<int, 3> Inner{0, 1, 2};
            Random.Shuffle(Inner);
            for (int Index = 0; Index < 3; ++Index)
                Lines[Band * 3 + Index] = Bands[Band] * 3 + Inner[Index];
        }
        return Lines;
    };
    const std::array<int, 9> Rows = Order();
    const std::array<int, 9> Cols = Order();
    const bool Transpose = Random.Below(2) == 1;
    TGrid81 Grid{};
    for (int Row = 0; Row < 9; ++Row) {
        for (int Col = 0; Col < 9; ++Col) {
            const int R = Rows[Row];
            const int C = Cols[Col];
            const int Pattern = (R * 3 + R / 3 + C) % 9;
            const int Index = Transpose ? Col * 9 + Row : Row * 9 + Col;
            Grid[Index] = static_cast<uint8_t>(Digits[Pattern]);
        }
    }
    return Grid;
}

// Whether the singles methods alone fill Puzzle with its solution digits.
inline bool SolvesWithSingles(TPuzzle& Puzzle)
{
    while (Puzzle.ScanStep() || Puzzle.PinnedStep() || Puzzle.SequenceStep()) {
    }
    for (int Index = 0; Index < 81; ++Index) {
        const TCell* Cell = Puzzle.CellByIndex(Index);
        if (Cell->GetValue() != Cell->GetSolution())
            return false;
    }
    return true;
}

// Removes givens in a seeded order while the singles still solve the rest;
// stops once MinGivens remain.
inline TPuzzleData MakeSinglesPuzzle(uint64_t Seed, int MinGivens = 17)
{
    TPuzzleData Data;
    Data.Solution = MakeSolutionGrid(Seed);
    Data.Given.fill(1);
    std::array<int, 81> Order{};
    std::iota(Order.begin(), Order.end(), 0);
    TSplitMix Random(Seed ^ 0x5DEECE66Dull);
    Random.Shuffle(Order);
    TPuzzle Scratch;
    int Givens = 81;
    for (int Index : Order) {
        if (Givens <= MinGivens)
            break;
        Data.Given[Index] = 0;
        Scratch.LoadPuzzle(Data.Solution, Data.Given);
        if (SolvesWithSingles(Scratch))
            --Givens;
        else
            Data.Given[Index] = 1;
    }
    return Data;
}

}  // namespace singles
