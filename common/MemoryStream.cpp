#include "MemoryStream.h"

#include "Exception.h"

#include <algorithm>
#include <cstring>

int64_t TMemoryStream::Read(void* Buffer, int64_t Count)
{
    const int64_t size = GetSize();
    if (Count <= 0 || FPosition >= size) {
        return 0;
    }
    const int64_t n = std::min(Count, size - FPosition);
    std::memcpy(Buffer, FData.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count)
{
    if (Count <= 0) {
        return 0;
    }
    const int64_t end = FPosition + Count;
    if (end > GetSize()) {
        FData.resize(static_cast<size_t>(end));
    }
    std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
    FPosition = end;
    return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin)
{
    int64_t base = 0;
    switch (Origin) {
    case TSeekOrigin::soBeginning: base = 0; break;
    case TSeekOrigin::soCurrent: base = FPosition; break;
    case TSeekOrigin::soEnd: base = GetSize(); break;
    }
    const int64_t target = base + Offset;
    if (target < 0) {
        throw EReadError(TR_TEXT("MemoryStream", "Stream seek error"));
    }
    FPosition = target;
    return FPosition;
}

void TMemoryStream::SetSize(int64_t NewSize)
{
    FData.resize(static_cast<size_t>(std::max<int64_t>(0, NewSize)));
    FPosition = std::min(FPosition, GetSize());
}

void TMemoryStream::Clear()
{
    FData.clear();
    FPosition = 0;
}
