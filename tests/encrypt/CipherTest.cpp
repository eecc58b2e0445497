// The AES-256 stream format: the FIPS-197 vector, the lengths of the
// enciphered form, round trips and every way a source can be refused.

#include "CipherException.h"
#include "EncRijndael.h"
#include "Encrypt.h"
#include "MemoryStream.h"

#include <openssl/evp.h>

#include <gtest/gtest.h>

#if defined(__linux__)
#include <dlfcn.h>
#endif

#include <numeric>
#include <string>

namespace {

std::vector<uint8_t> Sequence(size_t Count, uint8_t First = 0)
{
    std::vector<uint8_t> bytes(Count);
    std::iota(bytes.begin(), bytes.end(), First);
    return bytes;
}

const std::vector<uint8_t> Key = Sequence(32);

std::vector<uint8_t> Encrypt(const std::vector<uint8_t>& Plain, const std::vector<uint8_t>& WithKey = Key)
{
    TMemoryStream source(Plain);
    TMemoryStream dest;
    EncryptStream(source, dest, WithKey.data());
    EXPECT_EQ(dest.GetPosition(), 0);
    return dest.Memory();
}

std::vector<uint8_t> Decrypt(const std::vector<uint8_t>& Cipher)
{
    TMemoryStream source(Cipher);
    TMemoryStream dest;
    DecryptStream(source, dest, Key.data());
    EXPECT_EQ(dest.GetPosition(), 0);
    return dest.Memory();
}

// One raw AES-256 block enciphered under Key, beside the library.
std::vector<uint8_t> RawBlock(const std::vector<uint8_t>& Plain)
{
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    std::vector<uint8_t> out(16);
    int length = 0;
    EVP_EncryptInit_ex(ctx, EVP_aes_256_ecb(), nullptr, Key.data(), nullptr);
    EVP_CIPHER_CTX_set_padding(ctx, 0);
    EVP_EncryptUpdate(ctx, out.data(), &length, Plain.data(), 16);
    EVP_CIPHER_CTX_free(ctx);
    return out;
}

std::string MessageOf(TStream& Source, TStream& Dest)
{
    try {
        DecryptStream(Source, Dest, Key.data());
    } catch (const Exception& error) {
        return error.Message();
    }
    return "no exception";
}

TEST(Cipher, Fips197Aes256Vector)
{
    const std::vector<uint8_t> plain = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                        0x88, 0x99, 0xaa, 0xbb, 0xcc, 0xdd, 0xee, 0xff};
    const std::vector<uint8_t> expected = {0x8e, 0xa2, 0xb7, 0xca, 0x51, 0x67, 0x45, 0xbf,
                                           0xea, 0xfc, 0x49, 0x90, 0x4b, 0x49, 0x60, 0x89};
    const std::vector<uint8_t> cipher = Encrypt(plain);
    ASSERT_EQ(cipher.size(), 32u);
    EXPECT_EQ(std::vector<uint8_t>(cipher.begin(), cipher.begin() + 16), expected);
    // The final block of a whole-block stream holds no data and a count of 0.
    EXPECT_EQ(std::vector<uint8_t>(cipher.begin() + 16, cipher.end()), RawBlock(std::vector<uint8_t>(16, 0)));
    EXPECT_EQ(Decrypt(cipher), plain);
}

TEST(Cipher, LengthsAndRoundTrips)
{
    const std::pair<size_t, size_t> lengths[] = {{0, 16},  {15, 16},     {16, 32},     {17, 32},
                                                 {40, 48}, {1000, 1008}, {1024, 1040}, {5000, 5008}};
    for (const auto& [plainLength, cipherLength] : lengths) {
        SCOPED_TRACE(plainLength);
        const std::vector<uint8_t> plain = Sequence(plainLength, 7);
        const std::vector<uint8_t> cipher = Encrypt(plain);
        EXPECT_EQ(cipher.size(), cipherLength);
        EXPECT_EQ(TEncRijndael().OutputSize(static_cast<int64_t>(plainLength)), static_cast<int64_t>(cipherLength));
        EXPECT_EQ(Decrypt(cipher), plain);
    }
    // The final block carries the remaining bytes, zeros and their count.
    std::vector<uint8_t> final = {1, 2, 3, 4, 5};
    final.resize(16, 0);
    final[15] = 5;
    EXPECT_EQ(Encrypt({1, 2, 3, 4, 5}), RawBlock(final));
}

TEST(Cipher, BlocksAreEncipheredOnTheirOwn)
{
    std::vector<uint8_t> plain(48, 0);
    std::fill(plain.begin(), plain.begin() + 16, 0x5A);
    std::fill(plain.begin() + 32, plain.end(), 0x5A);
    const std::vector<uint8_t> cipher = Encrypt(plain);
    EXPECT_TRUE(std::equal(cipher.begin(), cipher.begin() + 16, cipher.begin() + 32));
    EXPECT_FALSE(std::equal(cipher.begin(), cipher.begin() + 16, cipher.begin() + 16));
    // A different key gives other bytes, and deciphering does not notice.
    EXPECT_NE(Encrypt(plain, Sequence(32, 1)), cipher);
}

TEST(Cipher, DecipheringIgnoresBytesAfterTheLastWholeBlock)
{
    const std::vector<uint8_t> plain = Sequence(20);
    std::vector<uint8_t> cipher = Encrypt(plain);
    cipher.resize(40, 0xEE);
    EXPECT_EQ(Decrypt(cipher), plain);

    // A 16-byte stream is only a final block.
    EXPECT_EQ(Decrypt(Encrypt(Sequence(9))), Sequence(9));
}

TEST(Cipher, DestinationIsWrittenFromItsPositionAndNotTruncated)
{
    TMemoryStream source(Encrypt({1, 2, 3}));
    TMemoryStream dest(std::vector<uint8_t>(10, 0xCC));
    dest.SetPosition(2);
    DecryptStream(source, dest, Key.data());
    EXPECT_EQ(dest.GetPosition(), 0);
    EXPECT_EQ(dest.Memory(), (std::vector<uint8_t>{0xCC, 0xCC, 1, 2, 3, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC}));
}

TEST(Cipher, RefusedSources)
{
    // Fewer than 16 bytes: no final block to read.
    for (const size_t length : {0, 1, 15}) {
        TMemoryStream source(Sequence(length));
        TMemoryStream dest;
        EXPECT_EQ(MessageOf(source, dest), "Invalid file format");
        EXPECT_EQ(dest.GetSize(), 0);
    }

    // A source not at 0 runs out inside a block; the blocks before stay.
    {
        const std::vector<uint8_t> plain = Sequence(40);
        TMemoryStream source(Encrypt(plain));
        source.SetPosition(16);
        TMemoryStream dest;
        EXPECT_EQ(MessageOf(source, dest), "Invalid file format");
        // The final block was taken for a whole one and passed through as it is.
        ASSERT_EQ(dest.GetSize(), 32);
        EXPECT_TRUE(std::equal(plain.begin() + 16, plain.begin() + 32, dest.Memory().begin()));

        TMemoryStream plainSource(plain);
        plainSource.SetPosition(3);
        TMemoryStream cipherDest;
        try {
            EncryptStream(plainSource, cipherDest, Key.data());
            ADD_FAILURE() << "enciphering a short source must fail";
        } catch (const ECipherException& error) {
            EXPECT_EQ(error.Message(), "Invalid file format");
        }
        EXPECT_EQ(cipherDest.GetSize(), 32) << "the two whole blocks are written";
    }

    // A final block whose count byte is above 15 (a wrong key or damage) is
    // refused, and nothing of it is written.
    for (const uint8_t count : {16, 17, 0x80, 0xFF}) {
        std::vector<uint8_t> final = Sequence(16, 0x40);
        final[15] = count;
        std::vector<uint8_t> cipher = Encrypt(Sequence(16));
        const std::vector<uint8_t> bad = RawBlock(final);
        std::copy(bad.begin(), bad.end(), cipher.begin() + 16);
        TMemoryStream source(cipher);
        TMemoryStream dest;
        EXPECT_EQ(MessageOf(source, dest), "Invalid file format") << int(count);
        EXPECT_EQ(dest.Memory(), Sequence(16));
    }
}

TEST(Cipher, OnlyEcbIsOffered)
{
    TEncRijndael cipher;
    EXPECT_EQ(cipher.Mode(), cmECB);
    cipher.SetMode(cmCBC);
    TMemoryStream source(Sequence(16));
    TMemoryStream dest;
    EXPECT_THROW(cipher.EncryptStream(source, dest), ECipherException);
    EXPECT_EQ(dest.GetSize(), 0);
}

TEST(Cipher, FailuresCrossTheSharedLibraryAsException)
{
#if defined(__linux__)
    // The export called here is the one in the loaded library file, not a copy
    // linked into the test program.
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&DecryptStream), &info), 0);
    EXPECT_NE(std::string(info.dli_fname).find("libEncrypt"), std::string::npos) << info.dli_fname;
#endif
    TMemoryStream source(Sequence(5));
    TMemoryStream dest;
    try {
        DecryptStream(source, dest, Key.data());
        FAIL() << "a short source must raise";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Invalid file format");
    }
}

}  // namespace
