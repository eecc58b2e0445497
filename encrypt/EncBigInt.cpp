#include "EncBigInt.h"

#include "CipherException.h"
#include "EncOpenSSL.h"

#include <algorithm>

namespace {

TBigNum ToBigNum(const std::vector<uint8_t>& Bytes)
{
    TBigNum number(BN_lebin2bn(Bytes.data(), static_cast<int>(Bytes.size()), nullptr));
    if (!number) {
        throw ECipherException(TR_TEXT("EncBigInt", "Out of memory for a big number"));
    }
    return number;
}

}  // namespace

TEncBigInt::TEncBigInt(const uint8_t* Data, size_t Count) : FBytes(Data, Data + Count)
{
    Trim();
}

TEncBigInt::TEncBigInt(std::vector<uint8_t> Bytes) : FBytes(std::move(Bytes))
{
    Trim();
}

void TEncBigInt::Trim()
{
    while (!FBytes.empty() && FBytes.back() == 0) {
        FBytes.pop_back();
    }
}

std::vector<uint8_t> TEncBigInt::ToBytes(size_t Size) const
{
    std::vector<uint8_t> bytes(Size, 0);
    std::copy_n(FBytes.begin(), std::min(Size, FBytes.size()), bytes.begin());
    return bytes;
}

int TEncBigInt::Compare(const TEncBigInt& Other) const
{
    if (FBytes.size() != Other.FBytes.size()) {
        return FBytes.size() < Other.FBytes.size() ? -1 : 1;
    }
    for (size_t i = FBytes.size(); i-- > 0;) {
        if (FBytes[i] != Other.FBytes[i]) {
            return FBytes[i] < Other.FBytes[i] ? -1 : 1;
        }
    }
    return 0;
}

TEncBigInt TEncBigInt::ModPow(const TEncBigInt& Exponent, const TEncBigInt& Modulus) const
{
    if (Modulus.IsZero()) {
        throw ECipherException(TR_TEXT("EncBigInt", "Division by zero in a big number"));
    }
    TBnCtx ctx(BN_CTX_new());
    TBigNum result(BN_new());
    if (!ctx || !result) {
        throw ECipherException(TR_TEXT("EncBigInt", "Out of memory for a big number"));
    }
    const TBigNum base = ToBigNum(FBytes);
    const TBigNum exponent = ToBigNum(Exponent.FBytes);
    const TBigNum modulus = ToBigNum(Modulus.FBytes);
    if (BN_mod_exp(result.get(), base.get(), exponent.get(), modulus.get(), ctx.get()) != 1) {
        throw ECipherException(TR_TEXT("EncBigInt", "Big number exponentiation failed"));
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(BN_num_bytes(result.get())));
    if (BN_bn2lebinpad(result.get(), bytes.data(), static_cast<int>(bytes.size())) < 0) {
        throw ECipherException(TR_TEXT("EncBigInt", "Big number exponentiation failed"));
    }
    return TEncBigInt(std::move(bytes));
}
