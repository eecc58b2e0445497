#include "FirstMistake.h"

#include "Puzzle.h"
#include "PuzzleXLink.h"

#include <set>

namespace {

std::vector<TPuzzle*> PuzzlesOf(const TPuzzleXLink& Pyramid)
{
    std::vector<TPuzzle*> Puzzles;
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index)
        Puzzles.push_back(Pyramid.GetPuzzle(Index));
    return Puzzles;
}

}  // namespace

TFirstMistake FindFirstMistake(const TPuzzleXLink& Pyramid)
{
    TFirstMistake First;
    bool FirstCarried = true;
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        const TPuzzle& Puzzle = *Pyramid.GetPuzzle(Index);
        for (int Cell = 0; Cell < 81; ++Cell) {
            const TCell& Entry = *Puzzle.CellByIndex(Cell);
            if (Entry.GetRevealed() || Entry.IsCorrect())
                continue;
            const TPosition& Position = Entry.GetPosition();
            // The record that put the value there; a value no record tells
            // of counts as the oldest.
            const TUndoRecord* Record = Puzzle.NewestRecordOf(Position.Row, Position.Col);
            const uint64_t Order = Record != nullptr ? Record->Order : 0;
            const bool Carried = Record != nullptr && Record->Carried;
            // Of a linked pair, the square the player entered the value in.
            if (First.Found && (Order > First.Order || (Order == First.Order && (Carried || !FirstCarried))))
                continue;
            First.Found = true;
            First.Square = {Index, Position.Row, Position.Col};
            First.Digit = Entry.GetValue();
            First.Order = Order;
            FirstCarried = Carried;
        }
    }
    if (!First.Found)
        return First;
    std::set<uint64_t> After;
    for (int Index = 0; Index <= Pyramid.ChildCount(); ++Index) {
        const TPuzzle& Puzzle = *Pyramid.GetPuzzle(Index);
        for (int Record = 0; Record < Puzzle.UndoCount(); ++Record) {
            const TUndoRecord& Entry = Puzzle.UndoRecord(Record);
            if (!Entry.Carried && Entry.Order > First.Order)
                After.insert(Entry.Order);
        }
    }
    First.EntriesAfter = static_cast<int>(After.size());
    return First;
}

int TUndoneEntries::Count() const
{
    std::set<uint64_t> Entries;
    for (const TTakenBack& Taken : FTaken)
        if (!Taken.Record.Carried)
            Entries.insert(Taken.Record.Order);
    return static_cast<int>(Entries.size());
}

std::vector<TUndoneEntries::TPuzzleState> TUndoneEntries::StateOf(const TPuzzleXLink& Pyramid)
{
    std::vector<TPuzzleState> States;
    for (const TPuzzle* Puzzle : PuzzlesOf(Pyramid))
        States.push_back({Puzzle->UndoCount(), Puzzle->NextStamp(), Puzzle->EntriesToString()});
    return States;
}

bool TUndoneEntries::CanRedo(const TPuzzleXLink& Pyramid) const
{
    if (FTaken.empty() || FPyramid != &Pyramid)
        return false;
    const std::vector<TPuzzleState> Now = StateOf(Pyramid);
    if (Now.size() != FAfter.size())
        return false;
    for (size_t Index = 0; Index < Now.size(); ++Index) {
        if (Now[Index].UndoCount != FAfter[Index].UndoCount || Now[Index].NextStamp != FAfter[Index].NextStamp ||
            Now[Index].Entries != FAfter[Index].Entries)
            return false;
    }
    return true;
}

void TUndoneEntries::Forget()
{
    FPyramid = nullptr;
    FTaken.clear();
    FAfter.clear();
}

TUndoneEntries UndoToBeforeMistake(TPuzzleXLink& Pyramid, const TFirstMistake& Mistake)
{
    TUndoneEntries Undone;
    if (!Mistake.Found)
        return Undone;
    // A value no record tells of cannot be taken back; the entries after it
    // still can.
    Undone.FTaken = TPuzzle::TakeBackSince(PuzzlesOf(Pyramid), Mistake.Order == 0 ? 1 : Mistake.Order);
    Undone.FPyramid = &Pyramid;
    Undone.FAfter = TUndoneEntries::StateOf(Pyramid);
    return Undone;
}

bool RedoEntries(TPuzzleXLink& Pyramid, TUndoneEntries& Undone)
{
    const bool Can = Undone.CanRedo(Pyramid);
    if (Can)
        TPuzzle::PutBack(PuzzlesOf(Pyramid), Undone.FTaken);
    Undone.Forget();
    return Can;
}
