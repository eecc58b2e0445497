#include "EncRSASSA.h"

#include "CipherException.h"

#include <algorithm>

size_t TEncSignature::KeyBytes(TEncAsymKeySize KeySize)
{
    switch (KeySize) {
    case aks128: return 16;
    case aks256: return 32;
    case aks512: return 64;
    case aks768: return 96;
    case aks1024: return 128;
    }
    return 64;
}

const char* RSADecodeMessage(TRSADecodeResult Result)
{
    switch (Result) {
    case TRSADecodeResult::Ok: return "";
    case TRSADecodeResult::BlockTooSmall: return "RSA decoding error: Block too small";
    case TRSADecodeResult::BlockTooLarge: return "RSA decoding error: Block too large";
    case TRSADecodeResult::InvalidBlockType: return "RSA decoding error: Invalid block type";
    case TRSADecodeResult::InvalidBlockFormat: return "RSA decoding error: Invalid block format";
    }
    return "RSA decoding error";
}

void TEncRSASSA::SetKeySize(TEncAsymKeySize KeySize)
{
    if (KeySize == aks128) {
        throw ECipherException(TR_TEXT("EncRSASSA", "Invalid key size for RSASSA"));
    }
    TEncSignature::SetKeySize(KeySize);
}

size_t TEncRSASSA::DigestSize() const
{
    return FHashMethod == hmSHA1 ? 20 : 16;
}

TRSADecodeResult TEncRSASSA::RecoverData(std::vector<uint8_t>& Data) const
{
    const TEncBigInt& modulus = FPublicKey.Modulus();
    if (modulus.IsZero()) {
        throw ECipherException(TR_TEXT("EncRSASSA", "Invalid RSA public key"));
    }
    const size_t pieceSize = modulus.ByteLength();
    const std::vector<uint8_t>& signature = FSignature.Bytes();
    std::vector<uint8_t> joined;
    for (size_t start = 0; start < signature.size(); start += pieceSize) {
        const size_t count = std::min(pieceSize, signature.size() - start);
        const TEncBigInt piece(signature.data() + start, count);
        const std::vector<uint8_t> result = piece.ModPow(FPublicKey.Exponent(), modulus).ToBytes(pieceSize);
        joined.insert(joined.end(), result.begin(), result.end());
    }
    const TEncBigInt m(std::move(joined));
    const std::vector<uint8_t>& block = m.Bytes();

    const size_t k = block.size();
    if (k <= 10) {
        return TRSADecodeResult::BlockTooSmall;
    }
    if (k > KeyBytes(KeySize())) {
        return TRSADecodeResult::BlockTooLarge;
    }
    const uint8_t type = block[k - 1];
    if (type != 1 && type != 2) {
        return TRSADecodeResult::InvalidBlockType;
    }
    // The block fills the modulus exactly: a zero byte on top (dropped from
    // the number), the type, at least eight padding bytes, one zero and the
    // digest with nothing after it. A shorter block, or bytes of the
    // signer's choice anywhere, would let a signature be made without the
    // private key.
    const size_t digestSize = DigestSize();
    if (k + 1 != pieceSize || k < 1 + MinimumPadding + 1 + digestSize) {
        return TRSADecodeResult::InvalidBlockFormat;
    }
    const size_t separator = digestSize;  // the zero between padding and digest
    if (block[separator] != 0) {
        return TRSADecodeResult::InvalidBlockFormat;
    }
    for (size_t i = separator + 1; i < k - 1; ++i) {
        // Type 1 pads with $FF, type 2 with any byte but zero.
        if (type == 1 ? block[i] != 0xFF : block[i] == 0) {
            return TRSADecodeResult::InvalidBlockFormat;
        }
    }
    Data.assign(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(digestSize));
    return TRSADecodeResult::Ok;
}

bool TEncRSASSA::VerifyDigest(const uint8_t* Digest) const
{
    std::vector<uint8_t> data;
    if (RecoverData(data) != TRSADecodeResult::Ok) {
        return false;
    }
    return data.size() == DigestSize() && std::equal(data.begin(), data.end(), Digest);
}
