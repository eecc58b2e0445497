#pragma once
// Real pyramids for tests of any area: a solution from the solution maker,
// random givens and the puzzle stream the publisher would write, loaded into
// a TPuzzleXLink. Header-only; the test program links tavrel_pyramid and
// tavrel_publisher.

#include "MemoryStream.h"
#include "PuzzleStreamWriter.h"
#include "PuzzleXLink.h"
#include "SolutionMaker.h"

#include <memory>

struct TTestPyramid {
    TPyramidSolution Solution;
    TPyramidGivens Givens;  // as written, after the link rule
    std::vector<uint8_t> Stream;
    std::unique_ptr<TPuzzleXLink> Pyramid;
};

// A loaded pyramid of the layout with GivenCount random givens per puzzle
// (81 gives a solved pyramid). Save numbers 1 and 1, as the main window uses.
inline TTestPyramid MakeTestPyramid(uint8_t LayoutType, uint64_t Seed, int GivenCount = 30)
{
    TTestPyramid Result;
    Result.Solution = MakePyramidSolution(LayoutType, Seed);
    Result.Givens = RandomGivens(LayoutType, GivenCount, Seed + 1);
    Result.Stream = MakePuzzleStream(Result.Solution, Result.Givens);
    Result.Pyramid = std::make_unique<TPuzzleXLink>(LayoutType, nullptr, 1, 1);
    TMemoryStream Stream(Result.Stream);
    Result.Pyramid->LoadFromStream(Stream);
    return Result;
}
