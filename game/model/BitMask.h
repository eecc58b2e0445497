#pragma once
// A small set of elements 0-31 held as bits; for cells bit d is digit d, so
// all nine digits are $3FE. Count covers positions 0..HighBit only and is
// kept current by every change.

#include <bit>
#include <cstdint>

class TBitMask {
public:
    explicit constexpr TBitMask(int HighBit = 9) : FHighBit(HighBit) {}

    constexpr uint32_t Bits() const { return FBits; }
    constexpr int Count() const { return FCount; }
    constexpr int HighBit() const { return FHighBit; }

    // Bit is taken mod 32.
    constexpr bool IsSet(int Bit) const { return (FBits >> (static_cast<unsigned>(Bit) & 31u)) & 1u; }
    constexpr void SetBit(int Bit, bool On)
    {
        const uint32_t Mask = 1u << (static_cast<unsigned>(Bit) & 31u);
        FBits = On ? (FBits | Mask) : (FBits & ~Mask);
        Recount();
    }
    constexpr void SetBits(uint32_t Value)
    {
        FBits = Value;
        Recount();
    }
    constexpr void Recount() { FCount = std::popcount(FBits & CountMask()); }

    friend constexpr bool operator==(const TBitMask& A, const TBitMask& B) { return A.FBits == B.FBits; }

private:
    constexpr uint32_t CountMask() const
    {
        if (FHighBit < 0)
            return 0;
        return FHighBit >= 31 ? 0xFFFFFFFFu : ((2u << FHighBit) - 1u);
    }

    uint32_t FBits = 0;
    int FHighBit;
    int FCount = 0;
};

// All nine digits of a cell mask.
constexpr uint32_t AllDigitBits = 0x3FE;
