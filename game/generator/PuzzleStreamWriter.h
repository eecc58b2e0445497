#pragma once
// Writes the puzzle stream that the pyramid loads: 1 + child count records of
// 176 bytes, the parent first, each holding 12 head bytes (zero), the 81
// solution digits, the 81 given flags and 2 padding bytes (zero).
//
// The link rule for givens: the pyramid loads the parent first and each child
// then passes its given flags on to the linked parent cells, so a linked cell
// is given exactly when its child record says so. The writer therefore flags a
// linked pair in both records whenever either side is asked to be given.

#include "SolutionMaker.h"

#include <cstdint>
#include <vector>

class TStream;

constexpr int PuzzleRecordSize = 176;
constexpr int PuzzleRecordDigitsOffset = 12;
constexpr int PuzzleRecordGivensOffset = 93;

// Given flags per puzzle in the order of TPyramidSolution::Puzzles; non-zero
// means given.
using TPyramidGivens = std::vector<TGridDigits>;

// Spreads each given flag of a linked pair to its partner (both become 1);
// other flags are normalised to 0 or 1.
void ApplyGivenLinkRule(uint8_t LayoutType, TPyramidGivens& Givens);

// Writes the records at the stream's position. Raises Exception when the
// solution is not a valid pyramid solution for its layout or the givens do
// not match it in count; the stream's write error when writing fails.
void WritePuzzleStream(TStream& Stream, const TPyramidSolution& Solution, const TPyramidGivens& Givens);
std::vector<uint8_t> MakePuzzleStream(const TPyramidSolution& Solution, const TPyramidGivens& Givens);

// Random givens for tests and benchmarks: Count distinct cells of every
// puzzle drawn from Seed, then the link rule (so linked puzzles may end with a
// few more). Not a generator: the puzzles need not have a unique solution.
TPyramidGivens RandomGivens(uint8_t LayoutType, int Count, uint64_t Seed);
