#pragma once
// MD5 (RFC 1321) behind the digest object, computed by OpenSSL's EVP MD5.

#include "EncHash.h"

#include <array>

class TEncMD5 : public TEncHash {
public:
    static constexpr size_t Size = 16;
    // Streams are read in pieces of this many bytes.
    static constexpr size_t ReadSize = 1024;

    size_t DigestSize() const override { return Size; }
    void HashString(const char* Text) override;
    void HashStream(TStream& Stream) override;
    void HashFile(const std::string& FileName) override;
    void HashBuffer(const void* Data, size_t Count) override;
    void GetDigest(uint8_t* Digest) const override;

    const std::array<uint8_t, Size>& Digest() const { return FDigest; }

private:
    std::array<uint8_t, Size> FDigest{};
    std::array<uint8_t, ReadSize> FBuffer{};
};
