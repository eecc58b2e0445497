#include "CopyStream.h"

#include "Exception.h"
#include "Stream.h"

#include <algorithm>

void CopyStream(TStream& Source, int64_t SourcePosition, TStream& Dest, int64_t Count)
{
    constexpr int64_t PieceSize = 512;
    uint8_t piece[PieceSize];
    Source.SetPosition(SourcePosition);
    while (Count > 0) {
        const int64_t got = Source.Read(piece, std::min(Count, PieceSize));
        if (got <= 0) {
            throw Exception(TR_TEXT("CopyStream", "CopyStream: Not enough bytes in source stream"));
        }
        Dest.WriteBuffer(piece, got);
        Count -= got;
    }
}
