#pragma once

#include <cstdint>

class TStream;

// Copies Count bytes from Source, starting at SourcePosition, to Dest at its
// current position, in pieces of at most 512 bytes. A read that returns
// nothing before Count is reached raises
// "CopyStream: Not enough bytes in source stream"; what was copied stays.
void CopyStream(TStream& Source, int64_t SourcePosition, TStream& Dest, int64_t Count);
