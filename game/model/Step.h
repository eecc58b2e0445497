#pragma once
// One deduction of a solving method, found but not yet made: the value a
// cell must take, or the candidates a pair strikes out of a house. Solve
// finds a step and makes it at once; the step finder of the pyramid finds
// steps on a copy and explains them before the player applies them.
//
// The cells and the house are the puzzle's own; a step is valid only until
// that puzzle changes.

#include <array>
#include <cstdint>

class TCell;
class THouse;

enum class TStepHouse : uint8_t { None, Row, Column, Box };

struct TSolveStep {
    int Method = -1;
    // The house that proves the step and its kind and index 0-8; a single
    // (one candidate left) has none.
    THouse* House = nullptr;
    TStepHouse HouseKind = TStepHouse::None;
    int HouseIndex = -1;
    // A value step: the cell and the digit it must hold.
    TCell* Cell = nullptr;
    int Digit = 0;
    // A pair step: its two cells (in the house's order) and its two digits.
    std::array<TCell*, 2> Pair{};
    uint32_t PairDigits = 0;
    // A pair step: the cells that lose candidates and the digits each loses
    // from its automatic candidates, in the house's order.
    std::array<TCell*, 9> Losers{};
    std::array<uint32_t, 9> Lost{};
    int LoserCount = 0;

    bool IsValue() const { return Cell != nullptr; }
};
