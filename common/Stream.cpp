#include "Stream.h"

#include "Exception.h"

int64_t TStream::ReadUpTo(void* Buffer, int64_t Count)
{
    auto* bytes = static_cast<uint8_t*>(Buffer);
    int64_t total = 0;
    while (total < Count) {
        const int64_t got = Read(bytes + total, Count - total);
        if (got <= 0) {
            break;
        }
        total += got;
    }
    return total;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count)
{
    if (Count <= 0) {
        return;
    }
    if (Read(Buffer, Count) != Count) {
        throw EReadError();
    }
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count)
{
    if (Count <= 0) {
        return;
    }
    if (Write(Buffer, Count) != Count) {
        throw EWriteError();
    }
}

uint32_t TStream::ReadUInt32()
{
    uint8_t bytes[4];
    ReadBuffer(bytes, 4);
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

void TStream::WriteUInt32(uint32_t Value)
{
    const uint8_t bytes[4] = {static_cast<uint8_t>(Value), static_cast<uint8_t>(Value >> 8),
                              static_cast<uint8_t>(Value >> 16), static_cast<uint8_t>(Value >> 24)};
    WriteBuffer(bytes, 4);
}

uint8_t TStream::ReadByte()
{
    uint8_t value = 0;
    ReadBuffer(&value, 1);
    return value;
}
