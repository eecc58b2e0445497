#include "EncMD5.h"

#include "CipherException.h"
#include "EncOpenSSL.h"
#include "FileStream.h"

#include <cstring>

namespace {

// A running MD5 computation; raises when OpenSSL refuses (an MD5-less build).
class TMd5Run {
public:
    TMd5Run() : FCtx(EVP_MD_CTX_new())
    {
        if (!FCtx || EVP_DigestInit_ex(FCtx.get(), EVP_md5(), nullptr) != 1) {
            throw ECipherException(TR_TEXT("EncMD5", "MD5 digest not available"));
        }
    }
    void Update(const void* Data, size_t Size)
    {
        if (Size > 0 && EVP_DigestUpdate(FCtx.get(), Data, Size) != 1) {
            throw ECipherException(TR_TEXT("EncMD5", "MD5 digest failed"));
        }
    }
    void Final(std::array<uint8_t, TEncMD5::Size>& Digest)
    {
        unsigned int length = 0;
        if (EVP_DigestFinal_ex(FCtx.get(), Digest.data(), &length) != 1 || length != TEncMD5::Size) {
            throw ECipherException(TR_TEXT("EncMD5", "MD5 digest failed"));
        }
    }

private:
    TEvpMdCtx FCtx;
};

}  // namespace

void TEncMD5::HashString(const char* Text)
{
    HashBuffer(Text, std::strlen(Text));
}

void TEncMD5::HashStream(TStream& Stream)
{
    TMd5Run run;
    for (;;) {
        const int64_t got = Stream.Read(FBuffer.data(), static_cast<int64_t>(FBuffer.size()));
        if (got <= 0) {
            break;
        }
        run.Update(FBuffer.data(), static_cast<size_t>(got));
    }
    std::array<uint8_t, Size> digest;
    run.Final(digest);
    FDigest = digest;
}

void TEncMD5::HashFile(const std::string& FileName)
{
    TFileStream file(FileName, TFileMode::fmOpenRead);
    HashStream(file);
}

void TEncMD5::HashBuffer(const void* Data, size_t Count)
{
    TMd5Run run;
    run.Update(Data, Count);
    std::array<uint8_t, TEncMD5::Size> digest;
    run.Final(digest);
    FDigest = digest;
}

void TEncMD5::GetDigest(uint8_t* Digest) const
{
    std::memcpy(Digest, FDigest.data(), FDigest.size());
}
