#include "Signer.h"

#include "DevelopmentKeys.h"
#include "Exception.h"

#include <openssl/bn.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <array>
#include <memory>

namespace {

constexpr size_t BlockSize = 128;
constexpr size_t DigestSize = 16;

struct TBnFree {
    void operator()(BIGNUM* Number) const { BN_clear_free(Number); }
};
struct TBnCtxFree {
    void operator()(BN_CTX* Ctx) const { BN_CTX_free(Ctx); }
};
using TBigNum = std::unique_ptr<BIGNUM, TBnFree>;

TBigNum FromHex(const char* Hex)
{
    BIGNUM* number = nullptr;
    if (BN_hex2bn(&number, Hex) == 0) {
        throw Exception("Invalid development key");
    }
    return TBigNum(number);
}

std::array<uint8_t, DigestSize> Md5(const std::vector<uint8_t>& Data)
{
    std::array<uint8_t, DigestSize> digest{};
    unsigned int length = 0;
    if (EVP_Digest(Data.data(), Data.size(), digest.data(), &length, EVP_md5(), nullptr) != 1 ||
        length != DigestSize) {
        throw Exception("MD5 digest failed");
    }
    return digest;
}

void PutUInt32(std::vector<uint8_t>& Out, uint32_t Value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        Out.push_back(static_cast<uint8_t>(Value >> shift));
    }
}

}  // namespace

std::vector<uint8_t> SignContainer(uint32_t KeyIndex, const std::vector<uint8_t>& Payload, uint32_t Head)
{
    const TDevelopmentKey* key = DevelopmentKey(KeyIndex);
    if (!key) {
        throw Exception("Invalid signature key requested");
    }
    const std::array<uint8_t, DigestSize> digest = Md5(Payload);

    // Most significant byte first: 0x00 0x01, filler 0xFF, 0x00, the digest
    // from its last byte to its first.
    std::array<uint8_t, BlockSize> block;
    block.fill(0xFF);
    block[0] = 0x00;
    block[1] = 0x01;
    block[BlockSize - DigestSize - 1] = 0x00;
    for (size_t i = 0; i < DigestSize; ++i) {
        block[BlockSize - 1 - i] = digest[i];
    }

    const TBigNum modulus = FromHex(key->ModulusHex);
    const TBigNum exponent = FromHex(key->PrivateExponentHex);
    const TBigNum message(BN_bin2bn(block.data(), static_cast<int>(block.size()), nullptr));
    const TBigNum signature(BN_new());
    const std::unique_ptr<BN_CTX, TBnCtxFree> ctx(BN_CTX_new());
    if (!message || !signature || !ctx) {
        throw Exception("Out of memory for a big number");
    }
    BN_set_flags(exponent.get(), BN_FLG_CONSTTIME);
    std::array<uint8_t, BlockSize> signatureBytes{};
    if (BN_mod_exp(signature.get(), message.get(), exponent.get(), modulus.get(), ctx.get()) != 1 ||
        BN_bn2lebinpad(signature.get(), signatureBytes.data(), static_cast<int>(signatureBytes.size())) < 0) {
        throw Exception("Signing failed");
    }

    std::vector<uint8_t> container;
    container.reserve(12 + BlockSize + Payload.size());
    PutUInt32(container, Head);
    PutUInt32(container, KeyIndex);
    PutUInt32(container, static_cast<uint32_t>(BlockSize));
    container.insert(container.end(), signatureBytes.begin(), signatureBytes.end());
    container.insert(container.end(), Payload.begin(), Payload.end());
    return container;
}
