#include "EncRSASSA.h"

#include "CipherException.h"

#include <algorithm>

size_t TEncSignature::KeyBytes(TEncAsymKeySize KeySize)
{
    switch (KeySize) {
    case aks128:
        return 16;
    case aks256:
        return 32;
    case aks512:
        return 64;
    case aks768:
        return 96;
    case aks1024:
        return 128;
    }
    return 64;
}

const char* RSADecodeMessage(TRSADecodeResult Result)
{
    switch (Result) {
    case TRSADecodeResult::Ok:
        return "";
    case TRSADecodeResult::BlockTooSmall:
        return "RSA decoding error: Block too small";
    case TRSADecodeResult::BlockTooLarge:
        return "RSA decoding error: Block too large";
    case TRSADecodeResult::InvalidBlockType:
        return "RSA decoding error: Invalid block type";
    case TRSADecodeResult::InvalidBlockFormat:
        return "RSA decoding error: Invalid block format";
    }
    return "RSA decoding error";
}

void TEncRSASSA::SetKeySize(TEncAsymKeySize KeySize)
{
    if (KeySize == aks128) {
        throw ECipherException("Invalid key size for RSASSA");
    }
    TEncSignature::SetKeySize(KeySize);
}

TRSADecodeResult TEncRSASSA::RecoverData(std::vector<uint8_t>& Data) const
{
    const TEncBigInt& modulus = FPublicKey.Modulus();
    if (modulus.IsZero()) {
        throw ECipherException("Invalid RSA public key");
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
    if (block[k - 1] != 1 && block[k - 1] != 2) {
        return TRSADecodeResult::InvalidBlockType;
    }
    for (size_t i = k - 1; i-- > 0;) {
        if (block[i] == 0) {
            Data.assign(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(i));
            return TRSADecodeResult::Ok;
        }
    }
    return TRSADecodeResult::InvalidBlockFormat;
}

bool TEncRSASSA::VerifyDigest(const uint8_t* Digest) const
{
    std::vector<uint8_t> data;
    if (RecoverData(data) != TRSADecodeResult::Ok) {
        return false;
    }
    const size_t digestSize = FHashMethod == hmSHA1 ? 20 : 16;
    data.resize(std::max(data.size(), digestSize), 0);
    return std::equal(Digest, Digest + digestSize, data.begin());
}
