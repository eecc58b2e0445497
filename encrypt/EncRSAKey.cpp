#include "EncRSAKey.h"

#include "CipherException.h"

namespace {

const TTextSource InvalidRSAKey = TR_TEXT("EncRSAKey", "Invalid RSA Key");
const TTextSource InvalidAsymmetricKey = TR_TEXT("EncRSAKey", "Invalid Asymmetric Key");
constexpr uint32_t SequenceTag = 16;
constexpr uint32_t IntegerTag = 2;

}  // namespace

void TEncRSAKey::LoadFromStream(TStream& Stream)
{
    const std::vector<uint8_t> data = ReadEncoding(Stream, InvalidRSAKey);
    TReader reader(data);
    uint32_t tag = 0;
    uint32_t length = 0;
    // The outer length is not compared with the data.
    if (!reader.ReadTag(tag) || tag != SequenceTag || !reader.ReadLength(length)) {
        throw ECipherException(InvalidRSAKey);
    }
    TEncBigInt numbers[2];
    for (TEncBigInt& number : numbers) {
        if (!reader.ReadTag(tag) || !reader.ReadLength(length) || length > reader.Left() || tag != IntegerTag) {
            throw ECipherException(InvalidAsymmetricKey);
        }
        number = reader.ReadInteger(length);
    }
    FModulus = std::move(numbers[0]);
    FExponent = std::move(numbers[1]);
}
