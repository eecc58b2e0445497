// A pyramid loaded from arbitrary puzzle-stream bytes: the first byte is the
// layout type, the second picks the pencil mode, the rest is the stream. Bad
// streams must be refused with an Exception; a stream that loads must leave
// every linked pair in agreement, solve to an end and give its lines.

#include "Exception.h"
#include "MemoryStream.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "PyramidLinks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void CheckLinkedPairsAgree(TPuzzleXLink& Pyramid)
{
    for (const TPyramidLink& Link : PyramidLinks(Pyramid.LayoutType())) {
        const TCell* Parent = Pyramid.GetPuzzle(0)->CellByIndex(Link.ParentIndex());
        const TCell* Child = Pyramid.GetPuzzle(Link.Child)->CellByIndex(Link.ChildIndex());
        if (Parent->GetValue() != Child->GetValue() || Parent->GetSolution() != Child->GetSolution())
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 2)
        return 0;
    const uint8_t Layout = Data[0];
    const uint8_t Mode = static_cast<uint8_t>(3 + Data[1] % 5);
    TPuzzleXLink Pyramid(Layout, nullptr, 1, 1);
    TMemoryStream Stream(std::vector<uint8_t>(Data + 2, Data + Size));
    try {
        Pyramid.LoadFromStream(Stream);
    } catch (const Exception&) {
        for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index)
            if (Pyramid.GetPuzzle(Index)->Updating())
                std::abort();
        return 0;
    }
    CheckLinkedPairsAgree(Pyramid);
    Pyramid.SetPencilMode(Mode);
    Pyramid.SolvePyramid();
    CheckLinkedPairsAgree(Pyramid);
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        if (Pyramid.GetValuesLine(Index).empty())
            std::abort();
        Pyramid.GetMarksLine(Index);
        Pyramid.GetErasuresLine(Index);
    }
    return 0;
}
