#pragma once
// A small set of elements 0-31 held as bits; for cells bit d is digit d, so
// all nine digits are $3FE. Count covers positions 0..HighBit only and is
// kept current by every change.

#include <bit>
#include <cstdint>

// Number of set bits. Inline arithmetic rather than std::popcount, which
// becomes a library call on targets built without the popcount instruction.
constexpr int BitCount(uint32_t Value)
{
    Value = Value - ((Value >> 1) & 0x55555555u);
    Value = (Value & 0x33333333u) + ((Value >> 2) & 0x33333333u);
    Value = (Value + (Value >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>((Value * 0x01010101u) >> 24);
}

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
        const uint32_t Old = FBits;
        FBits = On ? (FBits | Mask) : (FBits & ~Mask);
        // Only the one bit can have changed the count.
        if (Old != FBits && (Mask & CountMask()) != 0)
            FCount += On ? 1 : -1;
    }
    constexpr void SetBits(uint32_t Value)
    {
        FBits = Value;
        Recount();
    }
    // Takes another mask's bits and count (same HighBit); word by word,
    // which is cheaper right after the source was written than a copy.
    constexpr void CopyFrom(const TBitMask& Source)
    {
        FBits = Source.FBits;
        FCount = Source.FCount;
    }
    constexpr void Recount() { FCount = BitCount(FBits & CountMask()); }

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
