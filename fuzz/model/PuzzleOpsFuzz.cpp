// Drives a linked parent/child pair of puzzles with an arbitrary sequence of
// operations (entries, marks, undo and redo, checkpoints, clears, styles,
// solving and the saved-game texts) and checks that empty cells keep exactly the
// candidates their houses allow.
//
// The pair is made once per process; before each input the target empties
// it and checks that it is back as made, undo room included, making it anew
// when not (PuzzleState.h).

#include "NoPossibilities.h"
#include "Puzzle.h"
#include "PuzzleState.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

class TReader {
public:
    TReader(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}
    bool AtEnd() const { return FPosition >= FSize; }
    uint8_t Byte() { return AtEnd() ? 0 : FData[FPosition++]; }
    std::string Text(size_t Length)
    {
        std::string Result;
        while (Result.size() < Length && !AtEnd())
            Result += static_cast<char>(Byte());
        return Result;
    }

private:
    const uint8_t* FData;
    size_t FSize;
    size_t FPosition = 0;
};

// Only while no candidate was struck out by hand or by the solver does the
// exact equality hold: an empty cell's candidates are the digits no cell of
// its row, column or box holds.
NOT_FUZZED void CheckCandidates(TPuzzle& Puzzle)
{
    uint32_t Rows[9] = {};
    uint32_t Cols[9] = {};
    uint32_t Boxes[9] = {};
    for (int Index = 0; Index < 81; ++Index) {
        const TCell* Cell = Puzzle.CellByIndex(Index);
        const TPosition Place = Cell->GetPosition();
        const uint32_t Bit = 1u << Cell->GetValue();
        Rows[Place.Row] |= Bit;
        Cols[Place.Col] |= Bit;
        Boxes[Place.Box()] |= Bit;
    }
    for (int Index = 0; Index < 81; ++Index) {
        const TCell* Cell = Puzzle.CellByIndex(Index);
        const TPosition Place = Cell->GetPosition();
        const uint32_t Free = AllDigitBits & ~(Rows[Place.Row] | Cols[Place.Col] | Boxes[Place.Box()]);
        if (Cell->GetValue() == 0 && Cell->Possible().Bits() != Free)
            std::abort();
    }
}

struct TPair {
    std::unique_ptr<TPuzzle> Parent;
    std::unique_ptr<TPuzzle> Child;
    TPuzzleState States[2];
};

void Make(TPair& Pair)
{
    Pair.Child.reset();
    Pair.Parent = std::make_unique<TPuzzle>();
    Pair.Child = std::make_unique<TPuzzle>();
    for (int Place = 0; Place < 9; ++Place) {
        Pair.Parent->SetChildLink(4, Place, Pair.Child->BoxCell(0, Place));
        Pair.Child->SetParentLink(0, Place, Pair.Parent->BoxCell(4, Place));
    }
    Pair.States[0] = CapturePuzzle(*Pair.Parent, true);
    Pair.States[1] = CapturePuzzle(*Pair.Child, true);
}

// The linked pair as freshly made.
TPair& EmptyPair()
{
    static TPair Pair;
    TPuzzle* const Puzzles[2] = {Pair.Parent.get(), Pair.Child.get()};
    if (!Pair.Parent || !RestorePuzzles(Puzzles, Pair.States, true, true))
        Make(Pair);
    return Pair;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TReader Input(Data, Size);
    TPair& Pair = EmptyPair();
    TPuzzle& Parent = *Pair.Parent;
    TPuzzle& Child = *Pair.Child;
    bool Exact = true;
    int Steps = 0;
    int Solves = 0;
    while (!Input.AtEnd() && Steps++ < 400) {
        TPuzzle& Puzzle = (Input.Byte() & 1) ? Child : Parent;
        const uint8_t Operation = Input.Byte() % 12;
        try {
            switch (Operation) {
            case 0:
            case 1:
            case 2: {
                TCell* Cell = Puzzle.CellByIndex(Input.Byte() % 81);
                Cell->SetValue(Input.Byte() % 11);
                break;
            }
            case 3: {
                const uint8_t Choice = Input.Byte();
                if (Choice & 0x80)
                    Puzzle.Redo();
                else
                    Puzzle.Undo(Choice % 5);
                break;
            }
            case 4: Puzzle.Checkpoint(); break;
            case 5: Puzzle.BackToCheckpoint(); break;
            case 6: Puzzle.ClearEntries(); break;
            case 7: Puzzle.SetMarkStyle(Input.Byte() % 9, Input.Byte() & 1); break;
            case 8: Puzzle.CellByIndex(Input.Byte() % 81)->SetUserMark(Input.Byte() % 10, true); break;
            case 9:
                // Solving costs more than all the other operations of an
                // input together; past the second it seldom reaches a new
                // state, so later ones are skipped to keep the rate up.
                if (Solves++ < 2)
                    Puzzle.Solve(TMethodSet::All());
                Exact = false;
                break;
            case 10: {
                const uint8_t Kind = Input.Byte() % 3;
                const std::string Text = Input.Text(Input.Byte() % 2 ? 81 : 324);
                if (Kind == 0)
                    Puzzle.LoadEntries(Text);
                else if (Kind == 1)
                    Puzzle.LoadUserMarks(Text);
                else
                    Puzzle.LoadErasures(Text);
                break;
            }
            case 11: {
                // A load from arbitrary digits: contradictions must raise,
                // and leave the puzzle usable.
                uint8_t Solution[81];
                uint8_t Givens[81];
                for (int Index = 0; Index < 81; ++Index) {
                    Solution[Index] = Input.Byte() % 10;
                    Givens[Index] = Input.Byte() % 2;
                }
                Puzzle.LoadPuzzle(Solution, Givens);
                break;
            }
            }
        } catch (const ENoPossibilities&) {
            Exact = false;
        } catch (const Exception&) {
        }
        if (Parent.Updating() || Child.Updating() || Parent.Undoing() || Child.Undoing())
            std::abort();
    }
    // The marks texts hold four characters a cell, or nothing. Checked once
    // an input: what one operation leaves, the later ones build on.
    for (const TPuzzle* Puzzle : {&Parent, &Child}) {
        for (const std::string& Marks : {Puzzle->UserMarksToString(), Puzzle->ErasuresToString()})
            if (!Marks.empty() && Marks.size() != 324)
                std::abort();
    }
    if (Exact) {
        CheckCandidates(Parent);
        CheckCandidates(Child);
    }
    return 0;
}
