#pragma once
// An unsigned big integer held least significant byte first, without zero
// bytes at the top (zero is the empty number). The arithmetic that RSA needs
// is done by OpenSSL's BIGNUM.

#include <cstddef>
#include <cstdint>
#include <vector>

class TEncBigInt {
public:
    TEncBigInt() = default;
    // Count bytes, least significant first.
    TEncBigInt(const uint8_t* Data, size_t Count);
    explicit TEncBigInt(std::vector<uint8_t> Bytes);

    // Least significant byte first, no zero bytes at the top.
    const std::vector<uint8_t>& Bytes() const { return FBytes; }
    size_t ByteLength() const { return FBytes.size(); }
    bool IsZero() const { return FBytes.empty(); }
    // Size bytes, least significant first, zero-filled at the top; a number
    // longer than Size is cut to its Size least significant bytes.
    std::vector<uint8_t> ToBytes(size_t Size) const;

    // Below zero, zero or above zero as this number is less than, equal to or
    // greater than Other.
    int Compare(const TEncBigInt& Other) const;
    bool operator==(const TEncBigInt& Other) const { return FBytes == Other.FBytes; }

    // This number raised to Exponent, modulo Modulus; raises ECipherException
    // for a zero modulus.
    TEncBigInt ModPow(const TEncBigInt& Exponent, const TEncBigInt& Modulus) const;

private:
    void Trim();

    std::vector<uint8_t> FBytes;
};
