// Drives a linked parent/child pair of puzzles with an arbitrary sequence of
// operations (entries, marks, undo and redo, checkpoints, clears, styles,
// solving and the saved-game texts) and checks that empty cells keep exactly the
// candidates their houses allow.

#include "CandidateOracle.h"
#include "NoPossibilities.h"
#include "Puzzle.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
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
// exact equality hold.
void CheckCandidates(TPuzzle& Puzzle)
{
    for (int Index = 0; Index < 81; ++Index) {
        const TCell* Cell = Puzzle.CellByIndex(Index);
        if (Cell->GetValue() == 0 && Cell->Possible().Bits() != FreeDigitsOfCell(Puzzle, Index))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TReader Input(Data, Size);
    TPuzzle Parent;
    TPuzzle Child;
    for (int Place = 0; Place < 9; ++Place) {
        Parent.SetChildLink(4, Place, Child.BoxCell(0, Place));
        Child.SetParentLink(0, Place, Parent.BoxCell(4, Place));
    }
    bool Exact = true;
    int Steps = 0;
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
            case 4:
                Puzzle.Checkpoint();
                break;
            case 5:
                Puzzle.BackToCheckpoint();
                break;
            case 6:
                Puzzle.ClearEntries();
                break;
            case 7:
                Puzzle.SetMarkStyle(Input.Byte() % 9, Input.Byte() & 1);
                break;
            case 8:
                Puzzle.CellByIndex(Input.Byte() % 81)->SetUserMark(Input.Byte() % 10, true);
                break;
            case 9:
                Puzzle.Solve();
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
        // The texts must read back what they wrote.
        const std::string Marks = Puzzle.UserMarksToString();
        if (!Marks.empty() && Marks.size() != 324)
            std::abort();
    }
    if (Exact) {
        CheckCandidates(Parent);
        CheckCandidates(Child);
    }
    return 0;
}
