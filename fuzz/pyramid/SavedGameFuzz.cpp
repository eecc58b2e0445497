// Arbitrary bytes as a saved-game file, read over a loaded pyramid by the
// reader the main window uses. The first byte picks one of three pyramids
// (nine linked children, one child, nine unlinked children) and the mark
// style; the rest is the file. Whatever the file holds, the reader must end
// in an Exception or a pyramid within the puzzles' rules: no puzzle left in
// a bulk update, givens untouched, linked cells agreeing, marks only digits.
//
// The three pyramids are made and loaded once per process and put back as
// loaded before each file (FuzzPyramids.h).

#include "Exception.h"
#include "FuzzPyramids.h"
#include "MemoryStream.h"
#include "PuzzleXLink.h"
#include "SavedGame.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using FuzzPyramids::Check;
using FuzzPyramids::LoadedPyramid;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 1)
        return 0;
    const int Choice = Data[0] % 3;
    const uint8_t Mode = static_cast<uint8_t>(3 + (Data[0] / 3) % 5);
    TPuzzleXLink& Pyramid = LoadedPyramid(Choice);
    Pyramid.SetPencilMode(Mode);
    TMemoryStream File(std::vector<uint8_t>(Data + 1, Data + Size));
    TSavedGameReader Reader(File);
    try {
        Reader.ReadName();
        Reader.LoadInto(Pyramid);
    } catch (const Exception&) {
    }
    Check(Pyramid);
    return 0;
}
