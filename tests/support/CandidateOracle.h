#pragma once
// What a cell's automatic candidates must be, worked out from scratch: the
// digits that no other cell of its row, column or box holds. Holds exactly
// while no candidate was struck out by hand or by a solving method.

#include "Puzzle.h"

inline uint32_t FreeDigitsOfCell(const TPuzzle& Puzzle, int Index)
{
    const TPosition A = Puzzle.CellByIndex(Index)->GetPosition();
    uint32_t Free = AllDigitBits;
    for (int Other = 0; Other < 81; ++Other) {
        const TCell* Peer = Puzzle.CellByIndex(Other);
        const TPosition B = Peer->GetPosition();
        if (Other != Index && (A.Row == B.Row || A.Col == B.Col || A.Box() == B.Box()))
            Free &= ~(1u << Peer->GetValue());
    }
    return Free;
}
