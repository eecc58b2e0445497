// Arbitrary bytes as a recovery file, read and laid over a loaded pyramid as
// the main window restores a game, then undone and redone. The first byte
// picks one of three pyramids (FuzzPyramids.h) and whether the target seals
// the rest with the check a writer puts at its end (mostly it does, so that
// the fuzzer reaches past the check); the rest is the file. Whatever the
// file holds, reading and restoring must end in an Exception or a pyramid
// within the puzzles' rules, and so must undoing and redoing what it holds.

#include "Exception.h"
#include "Format.h"
#include "FuzzPyramids.h"
#include "PuzzleXLink.h"
#include "RecoveryFile.h"

#include <cinttypes>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 1)
        return 0;
    const int Choice = Data[0] % 3;
    const bool Sealed = (Data[0] / 3) % 4 != 3;
    std::string Text(reinterpret_cast<const char*>(Data) + 1, Size - 1);
    if (Sealed)
        Text += Format("check %016" PRIx64 "\n", RecoveryCheck(Text));
    TPuzzleXLink& Pyramid = FuzzPyramids::LoadedPyramid(Choice);
    try {
        const TRecoveryState State = ReadRecovery(Text);
        RestorePyramid(State, Pyramid);
    } catch (const Exception&) {
    }
    FuzzPyramids::Check(Pyramid);
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        TPuzzle& Puzzle = *Pyramid.GetPuzzle(Index);
        Puzzle.Redo();
        Puzzle.BackToCheckpoint();
        Puzzle.Undo(3);
        Puzzle.Redo();
    }
    FuzzPyramids::Check(Pyramid);
    return 0;
}
