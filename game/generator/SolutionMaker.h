#pragma once
// Complete pyramid solutions for any layout type: one 9x9 solution for the
// parent and one for each child, such that every linked pair of cells holds
// the same digit. The generator builds its puzzles on them, and tests use them
// to make real pyramids.
//
// The same layout and seed always give the same solutions, on every platform:
// the maker draws from its own engine seeded with the seed and leaves the
// program's random generator alone.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One puzzle's 81 digits (or flags) in cell index order (row x 9 + column).
using TGridDigits = std::array<uint8_t, 81>;

struct TPyramidSolution {
    uint8_t LayoutType = 0;
    // 1 + the child count entries: the parent first, then child 1, 2, ...
    std::vector<TGridDigits> Puzzles;
};

// Raises Exception only if no solution could be completed, which cannot
// happen for the layout table (every linked child pattern can be completed
// from any parent solution); it guards against endless retries.
TPyramidSolution MakePyramidSolution(uint8_t LayoutType, uint64_t Seed);

// Fills the empty cells (0) of Grid with a random completion drawn from Seed.
// Answers false, leaving Grid unchanged, when the filled cells clash or admit
// no completion. Digits above 9 are refused with Exception.
bool CompleteGrid(TGridDigits& Grid, uint64_t Seed);

// Empty when Solution is complete and valid for its layout: the right number
// of puzzles, every puzzle a valid filled grid, every link pair equal.
// Otherwise a text that names the first fault.
std::string CheckPyramidSolution(const TPyramidSolution& Solution);
