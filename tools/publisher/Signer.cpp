#include "Signer.h"

#include "DevelopmentKeys.h"
#include "Exception.h"

#include <openssl/bn.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <array>
#include <memory>
#include <mutex>

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
    if (EVP_Digest(Data.data(), Data.size(), digest.data(), &length, EVP_md5(), nullptr) != 1 || length != DigestSize) {
        throw Exception("MD5 digest failed");
    }
    return digest;
}

// The private key in the Chinese-remainder form: two half-size powers
// instead of one full-size one, some four times faster, with the same
// signature. The primes are worked out from the modulus and the two
// exponents, so the key files need not carry them.
struct TCrtKey {
    TBigNum P;
    TBigNum Q;
    TBigNum DP;
    TBigNum DQ;
    TBigNum QInverse;
};

using TBnCtx = std::unique_ptr<BN_CTX, TBnCtxFree>;

TBigNum NewBigNum()
{
    TBigNum number(BN_new());
    if (!number) {
        throw Exception("Out of memory for a big number");
    }
    return number;
}

// A prime factor of Modulus. With e * d - 1 = 2^t * r, r odd, the powers
// g^r, g^2r, ... of a base g end in 1; the last one before that, when it is
// not -1, is a square root of 1 other than +-1, and its gcd with the modulus
// after taking one away is a prime. Null when no small base gives one.
TBigNum FactorOf(const BIGNUM* Modulus, const BIGNUM* PrivateExponent, BN_ULONG PublicExponent, BN_CTX* Ctx)
{
    TBigNum odd = NewBigNum();
    if (BN_set_word(odd.get(), PublicExponent) != 1 || BN_mul(odd.get(), odd.get(), PrivateExponent, Ctx) != 1 ||
        BN_sub_word(odd.get(), 1) != 1 || BN_is_zero(odd.get())) {
        return nullptr;
    }
    int twos = 0;
    while (!BN_is_odd(odd.get())) {
        BN_rshift1(odd.get(), odd.get());
        ++twos;
    }
    TBigNum minusOne(BN_dup(Modulus));
    TBigNum base = NewBigNum();
    TBigNum power = NewBigNum();
    TBigNum square = NewBigNum();
    TBigNum factor = NewBigNum();
    if (!minusOne || BN_sub_word(minusOne.get(), 1) != 1) {
        return nullptr;
    }
    for (BN_ULONG g = 2; g < 100; ++g) {
        if (BN_set_word(base.get(), g) != 1 || BN_mod_exp(power.get(), base.get(), odd.get(), Modulus, Ctx) != 1) {
            return nullptr;
        }
        for (int step = 0; step < twos && !BN_is_one(power.get()) && BN_cmp(power.get(), minusOne.get()) != 0; ++step) {
            if (BN_mod_sqr(square.get(), power.get(), Modulus, Ctx) != 1) {
                return nullptr;
            }
            if (BN_is_one(square.get())) {
                if (BN_sub_word(power.get(), 1) != 1 || BN_gcd(factor.get(), power.get(), Modulus, Ctx) != 1) {
                    return nullptr;
                }
                if (BN_is_one(factor.get())) {
                    return nullptr;
                }
                return factor;
            }
            std::swap(power, square);
        }
    }
    return nullptr;
}

// Signature = Message ^ d mod Modulus, by the key's two primes.
bool CrtPower(const TCrtKey& Key, const BIGNUM* Message, BIGNUM* Signature, BN_CTX* Ctx)
{
    TBigNum mp = NewBigNum();
    TBigNum mq = NewBigNum();
    TBigNum h = NewBigNum();
    return BN_mod_exp(mp.get(), Message, Key.DP.get(), Key.P.get(), Ctx) == 1 &&
           BN_mod_exp(mq.get(), Message, Key.DQ.get(), Key.Q.get(), Ctx) == 1 &&
           BN_mod_sub(h.get(), mp.get(), mq.get(), Key.P.get(), Ctx) == 1 &&
           BN_mod_mul(h.get(), h.get(), Key.QInverse.get(), Key.P.get(), Ctx) == 1 &&
           BN_mul(Signature, h.get(), Key.Q.get(), Ctx) == 1 && BN_add(Signature, Signature, mq.get()) == 1;
}

// The key in Chinese-remainder form, checked against the plain power on
// one message; null when it cannot be made, and signing then takes the
// plain power.
std::unique_ptr<TCrtKey> MakeCrtKey(const TDevelopmentKey& Source)
{
    const TBnCtx ctx(BN_CTX_new());
    if (!ctx) {
        return nullptr;
    }
    auto key = std::make_unique<TCrtKey>();
    const TBigNum modulus = FromHex(Source.ModulusHex);
    const TBigNum exponent = FromHex(Source.PrivateExponentHex);
    key->P = FactorOf(modulus.get(), exponent.get(), Source.PublicExponent, ctx.get());
    if (!key->P) {
        return nullptr;
    }
    key->Q = NewBigNum();
    key->DP = NewBigNum();
    key->DQ = NewBigNum();
    TBigNum rest = NewBigNum();
    TBigNum less = NewBigNum();
    if (BN_div(key->Q.get(), rest.get(), modulus.get(), key->P.get(), ctx.get()) != 1 || !BN_is_zero(rest.get()) ||
        !BN_copy(less.get(), key->P.get()) || BN_sub_word(less.get(), 1) != 1 ||
        BN_mod(key->DP.get(), exponent.get(), less.get(), ctx.get()) != 1 || !BN_copy(less.get(), key->Q.get()) ||
        BN_sub_word(less.get(), 1) != 1 || BN_mod(key->DQ.get(), exponent.get(), less.get(), ctx.get()) != 1) {
        return nullptr;
    }
    key->QInverse.reset(BN_mod_inverse(nullptr, key->Q.get(), key->P.get(), ctx.get()));
    if (!key->QInverse) {
        return nullptr;
    }
    BN_set_flags(key->DP.get(), BN_FLG_CONSTTIME);
    BN_set_flags(key->DQ.get(), BN_FLG_CONSTTIME);

    TBigNum probe = NewBigNum();
    TBigNum plain = NewBigNum();
    TBigNum crt = NewBigNum();
    if (BN_set_word(probe.get(), 0x10203) != 1 ||
        BN_mod_exp(plain.get(), probe.get(), exponent.get(), modulus.get(), ctx.get()) != 1 ||
        !CrtPower(*key, probe.get(), crt.get(), ctx.get()) || BN_cmp(plain.get(), crt.get()) != 0) {
        return nullptr;
    }
    return key;
}

// Made once per key and kept for the process; the keys are read only after.
const TCrtKey* CrtKey(uint32_t KeyIndex, const TDevelopmentKey& Source)
{
    static std::mutex lock;
    static std::array<std::unique_ptr<TCrtKey>, 11> keys;
    static std::array<bool, 11> tried{};
    const std::lock_guard<std::mutex> guard(lock);
    if (!tried[KeyIndex]) {
        tried[KeyIndex] = true;
        keys[KeyIndex] = MakeCrtKey(Source);
    }
    return keys[KeyIndex].get();
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

    const TBigNum message(BN_bin2bn(block.data(), static_cast<int>(block.size()), nullptr));
    const TBigNum signature(BN_new());
    const TBnCtx ctx(BN_CTX_new());
    if (!message || !signature || !ctx) {
        throw Exception("Out of memory for a big number");
    }
    bool done = false;
    if (const TCrtKey* crt = CrtKey(KeyIndex, *key)) {
        done = CrtPower(*crt, message.get(), signature.get(), ctx.get());
    } else {
        const TBigNum modulus = FromHex(key->ModulusHex);
        const TBigNum exponent = FromHex(key->PrivateExponentHex);
        BN_set_flags(exponent.get(), BN_FLG_CONSTTIME);
        done = BN_mod_exp(signature.get(), message.get(), exponent.get(), modulus.get(), ctx.get()) == 1;
    }
    std::array<uint8_t, BlockSize> signatureBytes{};
    if (!done || BN_bn2lebinpad(signature.get(), signatureBytes.data(), static_cast<int>(signatureBytes.size())) < 0) {
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
