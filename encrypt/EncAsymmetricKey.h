#pragma once
// The base of the public keys read from their stored encoding, and the reader
// of that tag-length-value form.
//
// A tag byte's low five bits give the tag number; 31 there means the number
// continues in the following bytes, seven bits each, while the top bit is
// set. A length byte below 128 is the length; with its top bit set, its low
// seven bits count the length bytes that follow, most significant first.

#include "EncBigInt.h"
#include "Text.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TStream;

class TEncAsymmetricKey {
public:
    // The whole encoding of a key may not exceed this many bytes.
    static constexpr int64_t MaxEncodingSize = 4097;

    TEncAsymmetricKey() = default;
    virtual ~TEncAsymmetricKey() = default;

    // Reads the key from Stream's current position to its end. On failure
    // raises ECipherException and keeps the key as it was.
    virtual void LoadFromStream(TStream& Stream) = 0;

protected:
    // A cursor over the bytes of one encoding. Tag numbers and lengths that do
    // not fit 32 bits are answered as UINT32_MAX, which no check accepts.
    class TReader {
    public:
        explicit TReader(const std::vector<uint8_t>& Data) : FData(Data) {}
        size_t Left() const { return FData.size() - FPosition; }
        // Each answers false when the encoding ends first.
        bool ReadTag(uint32_t& Number);
        bool ReadLength(uint32_t& Length);
        // The content of an INTEGER of Length bytes (at most Left()), least
        // significant byte first after the 0x00 that an encoder puts in front
        // of a least significant byte above 128.
        TEncBigInt ReadInteger(uint32_t Length);

    private:
        const std::vector<uint8_t>& FData;
        size_t FPosition = 0;
    };

    // The bytes from Stream's position to its end; raises ECipherException
    // with FailMessage when they exceed MaxEncodingSize.
    static std::vector<uint8_t> ReadEncoding(TStream& Stream, const TTextSource& FailMessage);
};
