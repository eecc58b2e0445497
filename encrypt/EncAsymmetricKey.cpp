#include "EncAsymmetricKey.h"

#include "CipherException.h"
#include "Stream.h"

#include <limits>

namespace {

constexpr uint32_t TooLarge = std::numeric_limits<uint32_t>::max();

// Appends Bits low bits of Part to Value, saturating at TooLarge.
uint32_t Append(uint32_t Value, unsigned Bits, uint32_t Part)
{
    if (Value == TooLarge || Value > (TooLarge >> Bits)) {
        return TooLarge;
    }
    return (Value << Bits) | Part;
}

}  // namespace

bool TEncAsymmetricKey::TReader::ReadTag(uint32_t& Number)
{
    if (Left() < 1) {
        return false;
    }
    Number = FData[FPosition++] & 0x1F;
    if (Number != 31) {
        return true;
    }
    Number = 0;
    for (;;) {
        if (Left() < 1) {
            return false;
        }
        const uint8_t byte = FData[FPosition++];
        Number = Append(Number, 7, byte & 0x7F);
        if ((byte & 0x80) == 0) {
            return true;
        }
    }
}

bool TEncAsymmetricKey::TReader::ReadLength(uint32_t& Length)
{
    if (Left() < 1) {
        return false;
    }
    const uint8_t first = FData[FPosition++];
    if (first < 128) {
        Length = first;
        return true;
    }
    const size_t count = first & 0x7F;
    if (Left() < count) {
        return false;
    }
    Length = 0;
    for (size_t i = 0; i < count; ++i) {
        Length = Append(Length, 8, FData[FPosition++]);
    }
    return true;
}

TEncBigInt TEncAsymmetricKey::TReader::ReadInteger(uint32_t Length)
{
    size_t start = FPosition;
    const size_t end = FPosition + Length;
    FPosition = end;
    if (Length >= 2 && FData[start] == 0 && FData[start + 1] > 128) {
        ++start;
    }
    return TEncBigInt(FData.data() + start, end - start);
}

std::vector<uint8_t> TEncAsymmetricKey::ReadEncoding(TStream& Stream, const TTextSource& FailMessage)
{
    const int64_t left = Stream.GetSize() - Stream.GetPosition();
    if (left > MaxEncodingSize) {
        throw ECipherException(FailMessage);
    }
    std::vector<uint8_t> data(static_cast<size_t>(left > 0 ? left : 0));
    if (!data.empty()) {
        Stream.ReadBuffer(data.data(), static_cast<int64_t>(data.size()));
    }
    return data;
}
