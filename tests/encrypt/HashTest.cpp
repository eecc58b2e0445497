// MD5 through the library's exports: the RFC 1321 test suite, the joining
// orders of GetHash2 and the refused selectors.

#include "EncMD5.h"
#include "Encrypt.h"
#include "Exception.h"
#include "MemoryStream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct TKnownDigest {
    const char* Text;
    const char* Hex;
};

const TKnownDigest Rfc1321[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a"},
};

std::string Hex(const uint8_t* Digest)
{
    std::string hex;
    char pair[3];
    for (int i = 0; i < 16; ++i) {
        std::snprintf(pair, sizeof(pair), "%02x", Digest[i]);
        hex += pair;
    }
    return hex;
}

TMemoryStream StreamOf(const std::string& Text)
{
    return TMemoryStream(std::vector<uint8_t>(Text.begin(), Text.end()));
}

// Fails every read after the first FailAfter bytes.
class TBreakingStream : public TMemoryStream {
public:
    TBreakingStream(std::vector<uint8_t> Bytes, int64_t FailAfter) : TMemoryStream(std::move(Bytes)), FLeft(FailAfter)
    {
    }
    int64_t Read(void* Buffer, int64_t Count) override
    {
        if (Count > FLeft) {
            throw EReadError();
        }
        FLeft -= Count;
        return TMemoryStream::Read(Buffer, Count);
    }

private:
    int64_t FLeft;
};

TEST(Hash, KnownAnswersThroughEveryExport)
{
    for (const TKnownDigest& known : Rfc1321) {
        SCOPED_TRACE(known.Text);
        const std::string text = known.Text;
        uint8_t digest[16];
        ASSERT_TRUE(GetHash(1, known.Text, digest));
        EXPECT_EQ(Hex(digest), known.Hex);

        TMemoryStream stream = StreamOf(text);
        stream.SetPosition(static_cast<int64_t>(text.size() / 2));
        ASSERT_TRUE(GetStreamHash(1, stream, digest));
        EXPECT_EQ(Hex(digest), known.Hex);
        EXPECT_EQ(stream.GetPosition(), 0);

        // Split the text into three parts and hand them over so that each
        // order joins them back into the original text.
        const std::string a = text.substr(0, text.size() / 3);
        const std::string b = text.substr(a.size(), text.size() / 3);
        const std::string c = text.substr(a.size() + b.size());
        ASSERT_TRUE(GetHash2(1, 1, b.c_str(), a.c_str(), c.c_str(), digest));
        EXPECT_EQ(Hex(digest), known.Hex);
        ASSERT_TRUE(GetHash2(1, 2, a.c_str(), c.c_str(), b.c_str(), digest));
        EXPECT_EQ(Hex(digest), known.Hex);
        ASSERT_TRUE(GetHash2(1, 3, c.c_str(), b.c_str(), a.c_str(), digest));
        EXPECT_EQ(Hex(digest), known.Hex);
    }
}

TEST(Hash, OrdersJoinTheTextsAsNamed)
{
    uint8_t joined[16];
    uint8_t expected[16];
    const std::pair<int32_t, const char*> orders[] = {{1, "bac"}, {2, "acb"}, {3, "cba"}};
    for (const auto& [order, text] : orders) {
        ASSERT_TRUE(GetHash2(1, order, "a", "b", "c", joined));
        GetHash(1, text, expected);
        EXPECT_EQ(Hex(joined), Hex(expected)) << "order " << order;
    }
}

TEST(Hash, RefusedSelectorsZeroTheDigest)
{
    uint8_t digest[16];
    for (const int32_t mode : {0, 2, -1}) {
        std::fill(std::begin(digest), std::end(digest), 0xAA);
        EXPECT_FALSE(GetHash(mode, "abc", digest));
        EXPECT_EQ(Hex(digest), std::string(32, '0'));

        std::fill(std::begin(digest), std::end(digest), 0xAA);
        TMemoryStream stream = StreamOf("abc");
        stream.SetPosition(2);
        EXPECT_FALSE(GetStreamHash(mode, stream, digest));
        EXPECT_EQ(Hex(digest), std::string(32, '0'));
        EXPECT_EQ(stream.GetPosition(), 2) << "a refused stream hash leaves the stream alone";

        std::fill(std::begin(digest), std::end(digest), 0xAA);
        EXPECT_FALSE(GetHash2(mode, 1, "a", "b", "c", digest));
        EXPECT_EQ(Hex(digest), std::string(32, '0'));
    }
    // The order is judged before the mode.
    for (const int32_t order : {0, 4, -1}) {
        std::fill(std::begin(digest), std::end(digest), 0xAA);
        EXPECT_FALSE(GetHash2(1, order, "a", "b", "c", digest));
        EXPECT_EQ(Hex(digest), std::string(32, '0'));
    }
}

TEST(Hash, LongStreamsAndFailingStreams)
{
    // Past several read pieces, with a length that is not a multiple of them.
    std::vector<uint8_t> bytes(3000, 'a');
    std::string text(bytes.begin(), bytes.end());
    uint8_t expected[16];
    uint8_t digest[16];
    GetHash(1, text.c_str(), expected);
    TMemoryStream stream(bytes);
    ASSERT_TRUE(GetStreamHash(1, stream, digest));
    EXPECT_EQ(Hex(digest), Hex(expected));

    // A stream that fails raises its own error and the digest stays as it was.
    TBreakingStream broken(bytes, 2048);
    std::fill(std::begin(digest), std::end(digest), 0x55);
    try {
        GetStreamHash(1, broken, digest);
        FAIL() << "the read error must leave the call";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Stream read error");
    }
    EXPECT_EQ(Hex(digest), std::string(32, '5'));
}

TEST(Hash, DigestObjectHashesFiles)
{
    const std::string name =
        ::testing::TempDir() + "tavrel_md5_" + std::to_string(reinterpret_cast<uintptr_t>(&name)) + ".txt";
    std::FILE* file = std::fopen(name.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("message digest", file);
    std::fclose(file);
    TEncMD5 md5;
    md5.HashFile(name);
    EXPECT_EQ(Hex(md5.Digest().data()), "f96b697d7cb7938d525a2f31aaf161d0");
    std::remove(name.c_str());
    EXPECT_THROW(md5.HashFile(name), EFOpenError);
}

}  // namespace
