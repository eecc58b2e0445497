#include "PuzzleStreamWriter.h"

#include "Exception.h"
#include "Format.h"
#include "MemoryStream.h"
#include "PyramidLinks.h"

#include <random>

void ApplyGivenLinkRule(uint8_t LayoutType, TPyramidGivens& Givens)
{
    for (auto& Puzzle : Givens)
        for (auto& Flag : Puzzle)
            Flag = Flag != 0 ? 1 : 0;
    for (const auto& Link : PyramidLinks(LayoutType)) {
        if (Link.Child >= static_cast<int>(Givens.size()))
            continue;
        uint8_t& ParentFlag = Givens[0][Link.ParentIndex()];
        uint8_t& ChildFlag = Givens[Link.Child][Link.ChildIndex()];
        if (ParentFlag || ChildFlag)
            ParentFlag = ChildFlag = 1;
    }
}

void WritePuzzleStream(TStream& Stream, const TPyramidSolution& Solution, const TPyramidGivens& Givens)
{
    const std::string Fault = CheckPyramidSolution(Solution);
    if (!Fault.empty())
        throw Exception("Invalid pyramid solution: " + Fault);
    if (Givens.size() != Solution.Puzzles.size())
        throw Exception(Format("Given flags for %d puzzles, the solution has %d", static_cast<int>(Givens.size()),
                               static_cast<int>(Solution.Puzzles.size())));
    TPyramidGivens Flags = Givens;
    ApplyGivenLinkRule(Solution.LayoutType, Flags);
    for (size_t Puzzle = 0; Puzzle < Solution.Puzzles.size(); ++Puzzle) {
        uint8_t Record[PuzzleRecordSize] = {};
        for (int Index = 0; Index < 81; ++Index) {
            Record[PuzzleRecordDigitsOffset + Index] = Solution.Puzzles[Puzzle][Index];
            Record[PuzzleRecordGivensOffset + Index] = Flags[Puzzle][Index];
        }
        Stream.WriteBuffer(Record, PuzzleRecordSize);
    }
}

std::vector<uint8_t> MakePuzzleStream(const TPyramidSolution& Solution, const TPyramidGivens& Givens)
{
    TMemoryStream Stream;
    WritePuzzleStream(Stream, Solution, Givens);
    return Stream.Memory();
}

TPyramidGivens RandomGivens(uint8_t LayoutType, int Count, uint64_t Seed)
{
    if (Count < 0 || Count > 81)
        throw Exception(Format("Cannot give %d cells of 81", Count));
    std::mt19937_64 Engine(Seed);
    TPyramidGivens Givens(1 + PyramidChildCount(LayoutType), TGridDigits{});
    for (auto& Puzzle : Givens) {
        std::array<int, 81> Order;
        for (int i = 0; i < 81; ++i)
            Order[i] = i;
        for (int i = 80; i > 0; --i)
            std::swap(Order[i], Order[Engine() % static_cast<uint64_t>(i + 1)]);
        for (int i = 0; i < Count; ++i)
            Puzzle[Order[i]] = 1;
    }
    ApplyGivenLinkRule(LayoutType, Givens);
    return Givens;
}
