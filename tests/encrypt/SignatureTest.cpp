// Signed containers: the development keys against the library's table, the
// container check through VerifyStream, the key encoding reader and the
// decoding of the signed block.

#include "CipherException.h"
#include "DevelopmentKeys.h"
#include "EncKeyTable.h"
#include "EncRSASSA.h"
#include "Encrypt.h"
#include "MemoryStream.h"
#include "Signer.h"

#include <openssl/bn.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace {

std::vector<uint8_t> Payload(size_t Count)
{
    std::vector<uint8_t> bytes(Count);
    for (size_t i = 0; i < Count; ++i) {
        bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    }
    return bytes;
}

std::string VerifyMessage(const std::vector<uint8_t>& Container)
{
    TMemoryStream source(Container);
    TMemoryStream dest;
    try {
        VerifyStream(source, dest);
    } catch (const Exception& error) {
        return error.Message();
    }
    return "no exception";
}

bool Verifies(const std::vector<uint8_t>& Container)
{
    TMemoryStream source(Container);
    TMemoryStream dest;
    const bool holds = VerifyStream(source, dest);
    if (!holds) {
        EXPECT_EQ(dest.GetSize(), 0) << "a failed check leaves the destination untouched";
    }
    return holds;
}

void PutUInt32(std::vector<uint8_t>& Bytes, size_t Offset, uint32_t Value)
{
    for (int i = 0; i < 4; ++i) {
        Bytes[Offset + i] = static_cast<uint8_t>(Value >> (8 * i));
    }
}

std::vector<uint8_t> LittleEndian(const char* Hex)
{
    BIGNUM* number = nullptr;
    BN_hex2bn(&number, Hex);
    std::vector<uint8_t> bytes(static_cast<size_t>(BN_num_bytes(number)));
    BN_bn2lebinpad(number, bytes.data(), static_cast<int>(bytes.size()));
    BN_free(number);
    return bytes;
}

// An encoding of a key with the given modulus and exponent contents (least
// significant byte first, written as given).
std::vector<uint8_t> KeyEncoding(const std::vector<uint8_t>& Modulus, const std::vector<uint8_t>& Exponent)
{
    std::vector<uint8_t> inner;
    for (const std::vector<uint8_t>* content : {&Modulus, &Exponent}) {
        inner.push_back(0x02);
        if (content->size() >= 128) {
            inner.push_back(0x81);
        }
        inner.push_back(static_cast<uint8_t>(content->size()));
        inner.insert(inner.end(), content->begin(), content->end());
    }
    inner.insert(inner.begin(), {0x30, 0x81, static_cast<uint8_t>(inner.size())});
    return inner;
}

TEncRSAKey LoadKey(const std::vector<uint8_t>& Encoding)
{
    TMemoryStream stream(Encoding);
    TEncRSAKey key;
    key.LoadFromStream(stream);
    return key;
}

std::string KeyMessage(const std::vector<uint8_t>& Encoding)
{
    try {
        LoadKey(Encoding);
    } catch (const Exception& error) {
        return error.Message();
    }
    return "no exception";
}

TEST(Signature, KeyTableMatchesTheDevelopmentKeys)
{
    const size_t lengths[] = {139, 139, 138, 139, 138, 139, 140, 140, 138, 140};
    for (uint32_t index = 1; index <= EncKeyCount; ++index) {
        SCOPED_TRACE(index);
        const TEncKeyEncoding encoding = EncKeyEncoding(index);
        EXPECT_EQ(encoding.Size, lengths[index - 1]);
        const TEncRSAKey key = LoadKey(std::vector<uint8_t>(encoding.Data, encoding.Data + encoding.Size));
        EXPECT_EQ(key.Modulus().ByteLength(), 128u);
        EXPECT_GE(key.Modulus().Bytes().back(), 0x80) << "a 1024-bit modulus";
        const TDevelopmentKey* privateKey = DevelopmentKey(index);
        ASSERT_NE(privateKey, nullptr);
        EXPECT_EQ(key.Modulus().Bytes(), LittleEndian(privateKey->ModulusHex));
        std::vector<uint8_t> exponent;
        for (uint32_t value = privateKey->PublicExponent; value != 0; value >>= 8) {
            exponent.push_back(static_cast<uint8_t>(value));
        }
        EXPECT_EQ(key.Exponent().Bytes(), exponent);
        // A tiny exponent would let a signature be found from the public key.
        EXPECT_GE(privateKey->PublicExponent, 257u);
    }
    EXPECT_EQ(EncKeyEncoding(0).Data, nullptr);
    EXPECT_EQ(EncKeyEncoding(11).Data, nullptr);
    EXPECT_EQ(DevelopmentKey(0), nullptr);
    EXPECT_EQ(DevelopmentKey(11), nullptr);
}

TEST(Signature, SignedContainersVerifyWithEveryKey)
{
    const std::vector<uint8_t> payload = Payload(3000);
    for (uint32_t index = 1; index <= 10; ++index) {
        const std::vector<uint8_t> container = SignContainer(index, payload, 0x12345678);
        ASSERT_EQ(container.size(), 12 + 128 + payload.size());
        EXPECT_EQ(container[0], 0x78);
        EXPECT_EQ(container[4], index);
        EXPECT_EQ(container[8], 128);
        TMemoryStream source(container);
        TMemoryStream dest;
        ASSERT_TRUE(VerifyStream(source, dest)) << "key " << index;
        EXPECT_EQ(dest.Memory(), payload);
        EXPECT_EQ(dest.GetPosition(), 0);
        EXPECT_EQ(source.GetPosition(), source.GetSize());
    }

    // An empty payload is signed by the digest of the empty message.
    TMemoryStream source(SignContainer(5, {}));
    TMemoryStream dest;
    EXPECT_TRUE(VerifyStream(source, dest));
    EXPECT_EQ(dest.GetSize(), 0);

    // The container is read from the source's position; the payload goes to
    // the destination's position.
    std::vector<uint8_t> prefixed = {9, 9, 9};
    const std::vector<uint8_t> container = SignContainer(2, {1, 2, 3});
    prefixed.insert(prefixed.end(), container.begin(), container.end());
    TMemoryStream later(prefixed);
    later.SetPosition(3);
    TMemoryStream filled(std::vector<uint8_t>{7, 7});
    filled.SetPosition(2);
    EXPECT_TRUE(VerifyStream(later, filled));
    EXPECT_EQ(filled.Memory(), (std::vector<uint8_t>{7, 7, 1, 2, 3}));
}

TEST(Signature, ChangedContainers)
{
    const std::vector<uint8_t> payload = Payload(40);
    const std::vector<uint8_t> container = SignContainer(3, payload);

    // The first four bytes are neither read nor signed.
    std::vector<uint8_t> changed = container;
    PutUInt32(changed, 0, 0xFFFFFFFF);
    EXPECT_TRUE(Verifies(changed));

    for (size_t offset = 12 + 128; offset < container.size(); ++offset) {
        changed = container;
        changed[offset] ^= 0x01;
        EXPECT_FALSE(Verifies(changed)) << "payload byte " << offset;
    }
    changed = container;
    changed.push_back(0);
    EXPECT_FALSE(Verifies(changed)) << "an added byte";
    changed = container;
    changed[12 + 50] ^= 0x80;
    EXPECT_FALSE(Verifies(changed)) << "a signature byte";

    // Signed for key 3 but naming key 4.
    changed = container;
    PutUInt32(changed, 4, 4);
    EXPECT_FALSE(Verifies(changed));

    for (const uint32_t index : {0u, 11u, 0x80000001u, 0xFFFFFFFFu}) {
        changed = container;
        PutUInt32(changed, 4, index);
        EXPECT_EQ(VerifyMessage(changed), "Invalid signature key requested") << index;
    }
    EXPECT_THROW(SignContainer(0, payload), Exception);
    EXPECT_THROW(SignContainer(11, payload), Exception);
}

TEST(Signature, DamagedHeaders)
{
    const std::vector<uint8_t> container = SignContainer(6, Payload(10));
    // Cut before the key index is whole: the index is missing.
    for (const size_t length : {0, 3, 5, 7}) {
        EXPECT_EQ(VerifyMessage(std::vector<uint8_t>(container.begin(), container.begin() + length)),
                  "Invalid signature key requested")
            << length;
    }
    // Cut in the length or the signature: the check fails.
    for (const size_t length : {8, 10, 12, 100, 139, 140}) {
        EXPECT_FALSE(Verifies(std::vector<uint8_t>(container.begin(), container.begin() + length))) << length;
    }
    // A signature length beyond the buffer, or one that swallows the payload.
    for (const uint32_t length : {0u, 127u, 129u, 1024u, 1025u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        std::vector<uint8_t> changed = container;
        PutUInt32(changed, 8, length);
        EXPECT_FALSE(Verifies(changed)) << length;
    }
    // A longer signature whose extra top bytes are zero is the same number.
    std::vector<uint8_t> padded(container.begin(), container.begin() + 12 + 128);
    padded.insert(padded.end(), 128, 0);
    padded.insert(padded.end(), container.begin() + 12 + 128, container.end());
    PutUInt32(padded, 8, 256);
    EXPECT_TRUE(Verifies(padded));
    padded[12 + 200] = 1;
    EXPECT_FALSE(Verifies(padded)) << "a second piece makes the block too large";
}

TEST(Signature, KeyEncodingReader)
{
    const std::vector<uint8_t> modulus = {0x81, 0x02, 0x03};
    const std::vector<uint8_t> exponent = {0x03};
    TEncRSAKey key = LoadKey(KeyEncoding(modulus, exponent));
    EXPECT_EQ(key.Modulus().Bytes(), modulus);
    EXPECT_EQ(key.Exponent().Bytes(), exponent);

    // The 0x00 in front goes only when the next byte is above 128.
    key = LoadKey(KeyEncoding({0x00, 0x81, 0x05}, {0x00, 0x80, 0x01}));
    EXPECT_EQ(key.Modulus().Bytes(), (std::vector<uint8_t>{0x81, 0x05}));
    EXPECT_EQ(key.Exponent().Bytes(), (std::vector<uint8_t>{0x00, 0x80, 0x01}));

    // Tags with a continued number and long-form lengths.
    key = LoadKey({0x3F, 0x80, 0x10, 0x84, 0, 0, 0, 9, 0x02, 0x82, 0x00, 0x01, 0x07, 0x02, 0x01, 0x03});
    EXPECT_EQ(key.Modulus().Bytes(), std::vector<uint8_t>{0x07});

    std::vector<uint8_t> good = KeyEncoding(modulus, exponent);
    std::vector<uint8_t> bad = good;
    bad[0] = 0x31;
    EXPECT_EQ(KeyMessage(bad), "Invalid RSA Key");
    EXPECT_EQ(KeyMessage({}), "Invalid RSA Key");
    EXPECT_EQ(KeyMessage({0x30}), "Invalid RSA Key");
    EXPECT_EQ(KeyMessage({0x1F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x00}), "Invalid RSA Key");
    bad = good;
    bad.resize(4097 + 1, 0);
    EXPECT_EQ(KeyMessage(bad), "Invalid RSA Key");
    bad.resize(4097);
    EXPECT_EQ(KeyMessage(bad), "no exception") << "trailing bytes within the limit are not read";

    bad = good;
    bad[3] = 0x04;
    EXPECT_EQ(KeyMessage(bad), "Invalid Asymmetric Key") << "modulus not an INTEGER";
    bad = good;
    bad[3 + 2 + 3] = 0x05;
    EXPECT_EQ(KeyMessage(bad), "Invalid Asymmetric Key") << "exponent not an INTEGER";
    bad = good;
    bad[4] = 0x20;
    EXPECT_EQ(KeyMessage(bad), "Invalid Asymmetric Key") << "length beyond the data";
    bad = good;
    bad.pop_back();
    EXPECT_EQ(KeyMessage(bad), "Invalid Asymmetric Key") << "exponent cut short";
    EXPECT_EQ(KeyMessage({0x30, 0x05, 0x02, 0x84, 0xFF, 0xFF, 0xFF, 0xFF}), "Invalid Asymmetric Key");

    // A failed load keeps the key as it was.
    TMemoryStream stream(std::vector<uint8_t>{0x30, 0x03, 0x02, 0x01});
    EXPECT_THROW(key.LoadFromStream(stream), ECipherException);
    EXPECT_EQ(key.Modulus().Bytes(), std::vector<uint8_t>{0x07});
}

// With the public exponent 1 the recovered block is the signature itself,
// which lets every decoding outcome be set up directly.
class TBlockDecoding : public ::testing::Test {
protected:
    void SetUp() override { UseModulusOf(128); }
    // A modulus of Bytes bytes, all $FF, and the exponent 1.
    void UseModulusOf(size_t Bytes)
    {
        std::vector<uint8_t> modulus(Bytes, 0xFF);
        TMemoryStream stream(KeyEncoding(modulus, {0x01}));
        FRsa.SetKeySize(aks1024);
        FRsa.LoadPublicKey(stream);
    }
    // Block given most significant byte first.
    TRSADecodeResult Decode(std::vector<uint8_t> Block)
    {
        std::reverse(Block.begin(), Block.end());
        FRsa.LoadSignature(Block.data(), Block.size());
        std::vector<uint8_t> data;
        return FRsa.RecoverData(data);
    }
    // The sound block for a modulus of ModulusBytes: 0x00, the type, padding,
    // 0x00, then digest bytes 15 down to 0.
    static std::vector<uint8_t> Block(size_t ModulusBytes, uint8_t Type = 1)
    {
        std::vector<uint8_t> block = {0x00, Type};
        block.resize(ModulusBytes - 17, Type == 1 ? 0xFF : 0x5A);
        block.push_back(0x00);
        for (int i = 15; i >= 0; --i) {
            block.push_back(static_cast<uint8_t>(i + 1));
        }
        return block;
    }
    static std::array<uint8_t, 16> Digest()
    {
        std::array<uint8_t, 16> digest;
        for (int i = 0; i < 16; ++i) {
            digest[static_cast<size_t>(i)] = static_cast<uint8_t>(i + 1);
        }
        return digest;
    }
    TEncRSASSA FRsa;
};

TEST_F(TBlockDecoding, TheSoundBlockFillsTheModulus)
{
    std::vector<uint8_t> block = Block(128);
    ASSERT_EQ(Decode(block), TRSADecodeResult::Ok);
    std::vector<uint8_t> data;
    ASSERT_EQ(FRsa.RecoverData(data), TRSADecodeResult::Ok);
    std::array<uint8_t, 16> digest = Digest();
    EXPECT_EQ(data, std::vector<uint8_t>(digest.begin(), digest.end()));
    EXPECT_TRUE(FRsa.VerifyDigest(digest.data()));
    digest[15] ^= 1;
    EXPECT_FALSE(FRsa.VerifyDigest(digest.data()));

    // Type 2 pads with any bytes but zero.
    EXPECT_EQ(Decode(Block(128, 2)), TRSADecodeResult::Ok);
    block[1] = 0x03;
    EXPECT_EQ(Decode(block), TRSADecodeResult::InvalidBlockType);
    EXPECT_STREQ(RSADecodeMessage(TRSADecodeResult::InvalidBlockType), "RSA decoding error: Invalid block type");

    // Eight padding bytes at the least.
    UseModulusOf(27);
    EXPECT_EQ(Decode(Block(27)), TRSADecodeResult::Ok);
    UseModulusOf(26);
    EXPECT_EQ(Decode(Block(26)), TRSADecodeResult::InvalidBlockFormat);
}

TEST_F(TBlockDecoding, AnyByteOutOfPlaceIsRefused)
{
    const std::array<uint8_t, 16> digest = Digest();
    const auto refused = [&](std::vector<uint8_t> Changed, TRSADecodeResult Expected, const char* What) {
        EXPECT_EQ(Decode(Changed), Expected) << What;
        EXPECT_FALSE(FRsa.VerifyDigest(digest.data())) << What;
    };

    // Bytes after the digest: the separator one place higher.
    std::vector<uint8_t> trailing = Block(128);
    trailing[trailing.size() - 18] = 0x00;
    trailing[trailing.size() - 17] = 0x77;
    refused(trailing, TRSADecodeResult::InvalidBlockFormat, "a byte after the digest");

    // A padding byte other than $FF, anywhere in the padding.
    for (size_t at : {size_t{2}, size_t{60}, size_t{110}}) {
        std::vector<uint8_t> block = Block(128);
        block[at] = 0xFE;
        refused(block, TRSADecodeResult::InvalidBlockFormat, "a padding byte of $FE");
    }
    // Type 2 with a zero in its padding.
    std::vector<uint8_t> zeroed = Block(128, 2);
    zeroed[40] = 0x00;
    refused(zeroed, TRSADecodeResult::InvalidBlockFormat, "a zero in type 2 padding");

    // A block shorter than the modulus, its top left to the signer's choice.
    std::vector<uint8_t> shorter = Block(128);
    shorter.erase(shorter.begin() + 2);
    refused(shorter, TRSADecodeResult::InvalidBlockFormat, "a block one byte short");
    // No separator at all.
    std::vector<uint8_t> unseparated = Block(128);
    unseparated[unseparated.size() - 17] = 0xFF;
    refused(unseparated, TRSADecodeResult::InvalidBlockFormat, "no separator");

    EXPECT_EQ(Decode({0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xAB}), TRSADecodeResult::BlockTooSmall);
    // A block longer than the key: 129 bytes in two pieces.
    std::vector<uint8_t> large(129, 0xFF);
    large[0] = 0x01;
    large[1] = 0x00;
    EXPECT_EQ(Decode(large), TRSADecodeResult::BlockTooLarge);
}

// The integer cube root of Value, rounded down.
BIGNUM* CubeRoot(const BIGNUM* Value, BN_CTX* Context)
{
    BIGNUM* low = BN_new();
    BIGNUM* high = BN_new();
    BIGNUM* middle = BN_new();
    BIGNUM* cube = BN_new();
    BN_zero(low);
    BN_one(high);
    BN_lshift(high, high, BN_num_bits(Value) / 3 + 2);
    while (BN_cmp(low, high) < 0) {
        // middle = (low + high + 1) / 2
        BN_add(middle, low, high);
        BN_add_word(middle, 1);
        BN_rshift1(middle, middle);
        BN_sqr(cube, middle, Context);
        BN_mul(cube, cube, middle, Context);
        if (BN_cmp(cube, Value) <= 0) {
            BN_copy(low, middle);
        } else {
            BN_sub(high, middle, BN_value_one());
        }
    }
    BN_free(high);
    BN_free(middle);
    BN_free(cube);
    return low;
}

// With a public exponent of 3, a number whose cube has the block's top bytes
// and the digest as its lowest bytes is found from the public key alone: the
// bytes between are whatever the cube gives. Such a forgery must never pass.
TEST(Signature, ACubeRootForgeryIsRefused)
{
    BN_CTX* context = BN_CTX_new();
    // Any 1024-bit modulus will do: the forged cube stays below it.
    const std::vector<uint8_t> modulusBytes(128, 0xFF);
    TMemoryStream keyStream(KeyEncoding(modulusBytes, {0x03}));
    TEncRSASSA rsa;
    rsa.SetKeySize(aks1024);
    rsa.LoadPublicKey(keyStream);

    // A digest whose lowest byte is odd has a cube root modulo 2^128.
    std::array<uint8_t, 16> digest;
    for (int i = 0; i < 16; ++i) {
        digest[static_cast<size_t>(i)] = static_cast<uint8_t>(0x35 + 11 * i);
    }
    BIGNUM* digestNumber = BN_lebin2bn(digest.data(), 16, nullptr);

    // The low 128 bits: bit by bit, x^3 = digest modulo 2^128.
    BIGNUM* low = BN_new();
    BIGNUM* cube = BN_new();
    BN_one(low);
    for (int bit = 1; bit < 128; ++bit) {
        BN_sqr(cube, low, context);
        BN_mul(cube, cube, low, context);
        BN_sub(cube, cube, digestNumber);
        if (BN_is_bit_set(cube, bit)) {
            BN_set_bit(low, bit);
        }
    }
    // The top: 00 01, eight $FF, 00 and then anything, 128 bytes in all.
    std::vector<uint8_t> top(128, 0x00);
    top[1] = 0x01;
    std::fill(top.begin() + 2, top.begin() + 10, 0xFF);
    BIGNUM* target = BN_bin2bn(top.data(), static_cast<int>(top.size()), nullptr);
    BN_set_bit(target, 8 * 117 - 8);  // aim inside the range, not at its edge
    BIGNUM* high = CubeRoot(target, context);
    BN_rshift(high, high, 128);
    BN_add_word(high, 1);
    BN_lshift(high, high, 128);
    BIGNUM* forged = BN_new();
    BN_add(forged, high, low);

    std::array<uint8_t, 128> signature{};
    ASSERT_EQ(BN_bn2lebinpad(forged, signature.data(), 128), 128);
    BN_sqr(cube, forged, context);
    BN_mul(cube, cube, forged, context);
    std::array<uint8_t, 128> block{};
    ASSERT_EQ(BN_bn2binpad(cube, block.data(), 128), 128);

    // The forgery is real: type 1, eight $FF, a zero, and the digest (last
    // byte first) at the bottom, as a loose check reads a block.
    ASSERT_EQ(block[0], 0x00);
    ASSERT_EQ(block[1], 0x01);
    for (int i = 2; i < 10; ++i) {
        ASSERT_EQ(block[static_cast<size_t>(i)], 0xFF);
    }
    ASSERT_EQ(block[10], 0x00);
    for (int i = 0; i < 16; ++i) {
        ASSERT_EQ(block[127 - static_cast<size_t>(i)], digest[static_cast<size_t>(i)]);
    }

    rsa.LoadSignature(signature.data(), signature.size());
    std::vector<uint8_t> data;
    EXPECT_EQ(rsa.RecoverData(data), TRSADecodeResult::InvalidBlockFormat);
    EXPECT_FALSE(rsa.VerifyDigest(digest.data()));

    for (BIGNUM* number : {digestNumber, low, cube, target, high, forged}) {
        BN_free(number);
    }
    BN_CTX_free(context);
}

TEST(Signature, KeySizesAndEmptyModulus)
{
    TEncRSASSA rsa;
    EXPECT_EQ(rsa.KeySize(), aks512);
    EXPECT_EQ(rsa.HashMethod(), hmMD5);
    rsa.SetKeySize(aks768);
    EXPECT_THROW(rsa.SetKeySize(aks128), ECipherException);
    EXPECT_EQ(rsa.KeySize(), aks768);

    TMemoryStream stream(KeyEncoding({}, {0x03}));
    rsa.LoadPublicKey(stream);
    const uint8_t digest[16] = {};
    try {
        rsa.VerifyDigest(digest);
        FAIL() << "an empty modulus must raise";
    } catch (const ECipherException& error) {
        EXPECT_EQ(error.Message(), "Invalid RSA public key");
    }
}

}  // namespace
