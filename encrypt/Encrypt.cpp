// The six exports of the Encrypt library. Each builds the objects it needs,
// uses them once and frees them before returning; nothing is kept between
// calls. Failures leave as exceptions derived from Exception.

#include "Encrypt.h"

#include "CipherException.h"
#include "CopyStream.h"
#include "EncKeyTable.h"
#include "EncMD5.h"
#include "EncRSASSA.h"
#include "EncRijndael.h"
#include "MemoryStream.h"

#include <openssl/crypto.h>

#include <array>
#include <cstring>
#include <string>

namespace {

constexpr size_t DigestSize = TEncMD5::Size;
constexpr size_t KeySize = 32;
// The largest signature the container check takes in.
constexpr uint32_t SignatureBufferSize = 1024;

bool Refuse(uint8_t* Digest)
{
    std::memset(Digest, 0, DigestSize);
    return false;
}

bool ReadUInt32(TStream& Source, uint32_t& Value)
{
    uint8_t bytes[4] = {0, 0, 0, 0};
    const bool whole = Source.ReadUpTo(bytes, 4) == 4;
    Value = static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
            (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    return whole;
}

void RunCipher(TStream& Source, TStream& Dest, const uint8_t* Key, bool Encrypt)
{
    std::array<uint8_t, KeySize> key;
    std::memcpy(key.data(), Key, KeySize);
    {
        TEncRijndael cipher;
        cipher.SetKeySize(ks256);
        cipher.SetKey(key.data());
        OPENSSL_cleanse(key.data(), key.size());
        if (Encrypt) {
            cipher.EncryptStream(Source, Dest);
        } else {
            cipher.DecryptStream(Source, Dest);
        }
    }
    Dest.SetPosition(0);
}

}  // namespace

extern "C" {

ENCRYPT_API bool GetHash(int32_t Mode, const char* Text, uint8_t* Digest)
{
    if (Mode != 1) {
        return Refuse(Digest);
    }
    TEncMD5 md5;
    md5.HashString(Text);
    md5.GetDigest(Digest);
    return true;
}

ENCRYPT_API bool GetStreamHash(int32_t Mode, TStream& Stream, uint8_t* Digest)
{
    if (Mode != 1) {
        return Refuse(Digest);
    }
    TEncMD5 md5;
    Stream.SetPosition(0);
    md5.HashStream(Stream);
    md5.GetDigest(Digest);
    Stream.SetPosition(0);
    return true;
}

ENCRYPT_API bool GetHash2(int32_t Mode, int32_t Order, const char* TextA, const char* TextB, const char* TextC,
                          uint8_t* Digest)
{
    const char* parts[3];
    switch (Order) {
    case 1: parts[0] = TextB, parts[1] = TextA, parts[2] = TextC; break;
    case 2: parts[0] = TextA, parts[1] = TextC, parts[2] = TextB; break;
    case 3: parts[0] = TextC, parts[1] = TextB, parts[2] = TextA; break;
    default: return Refuse(Digest);
    }
    if (Mode != 1) {
        return Refuse(Digest);
    }
    std::string joined;
    joined.reserve(std::strlen(TextA) + std::strlen(TextB) + std::strlen(TextC));
    for (const char* part : parts) {
        joined += part;
    }
    TEncMD5 md5;
    md5.HashBuffer(joined.data(), joined.size());
    md5.GetDigest(Digest);
    return true;
}

ENCRYPT_API void EncryptStream(TStream& Source, TStream& Dest, const uint8_t* Key)
{
    RunCipher(Source, Dest, Key, true);
}

ENCRYPT_API void DecryptStream(TStream& Source, TStream& Dest, const uint8_t* Key)
{
    RunCipher(Source, Dest, Key, false);
}

ENCRYPT_API bool VerifyStream(TStream& Source, TStream& Dest)
{
    // Short reads of the header are not failures by themselves: a missing key
    // index is refused below, a missing length or signature fails the check.
    uint8_t head[4];
    Source.ReadUpTo(head, sizeof(head));
    uint32_t keyIndex = 0;
    const bool haveIndex = ReadUInt32(Source, keyIndex);
    uint32_t signatureLength = 0;
    ReadUInt32(Source, signatureLength);
    std::array<uint8_t, SignatureBufferSize> signature{};
    int64_t signatureRead = 0;
    if (signatureLength <= SignatureBufferSize) {
        signatureRead = Source.ReadUpTo(signature.data(), signatureLength);
    }
    const int64_t payloadStart = Source.GetPosition();

    if (!haveIndex || keyIndex < 1 || keyIndex > EncKeyCount) {
        throw ECipherException(TR_TEXT("Encrypt", "Invalid signature key requested"));
    }
    if (signatureLength > SignatureBufferSize) {
        return false;
    }

    const TEncKeyEncoding encoding = EncKeyEncoding(keyIndex);
    TMemoryStream keyStream(std::vector<uint8_t>(encoding.Data, encoding.Data + encoding.Size));
    TEncRSASSA rsa;
    rsa.SetKeySize(aks1024);
    rsa.LoadSignature(signature.data(), static_cast<size_t>(signatureRead));
    rsa.LoadPublicKey(keyStream);

    TEncMD5 md5;
    md5.HashStream(Source);
    if (!rsa.VerifyDigest(md5.Digest().data())) {
        return false;
    }
    CopyStream(Source, payloadStart, Dest, Source.GetSize() - payloadStart);
    Dest.SetPosition(0);
    return true;
}
}
