#include "EncRijndael.h"

#include "CipherException.h"
#include "EncOpenSSL.h"
#include "Stream.h"

#include <openssl/crypto.h>

#include <algorithm>
#include <cstring>

namespace {

const TTextSource InvalidFormat = TR_TEXT("EncRijndael", "Invalid file format");
// Blocks are taken from the source in runs of this many, never beyond the
// blocks that the source's size calls for.
constexpr int64_t RunBlocks = 64;

const EVP_CIPHER* CipherFor(TEncKeySize KeySize)
{
    switch (KeySize) {
    case ks128: return EVP_aes_128_ecb();
    case ks192: return EVP_aes_192_ecb();
    case ks256: return EVP_aes_256_ecb();
    }
    return nullptr;
}

// One prepared key schedule for a whole call.
class TBlockCipher {
public:
    TBlockCipher(TEncKeySize KeySize, const uint8_t* Key, bool Encrypt) : FCtx(EVP_CIPHER_CTX_new())
    {
        const EVP_CIPHER* cipher = CipherFor(KeySize);
        if (!FCtx || !cipher || EVP_CipherInit_ex(FCtx.get(), cipher, nullptr, Key, nullptr, Encrypt ? 1 : 0) != 1 ||
            EVP_CIPHER_CTX_set_padding(FCtx.get(), 0) != 1) {
            throw ECipherException(TR_TEXT("EncRijndael", "AES cipher not available"));
        }
    }
    // Enciphers or deciphers Count whole blocks in place.
    void Blocks(uint8_t* Data, int64_t Count)
    {
        const int length = static_cast<int>(Count * TEncRijndael::BlockSize);
        int written = 0;
        if (EVP_CipherUpdate(FCtx.get(), Data, &written, Data, length) != 1 || written != length) {
            throw ECipherException(TR_TEXT("EncRijndael", "AES cipher failed"));
        }
    }

private:
    TEvpCipherCtx FCtx;
};

// Passes Count whole blocks from Source through Cipher to Dest. Blocks that
// came whole before a short read are written before the failure is raised.
void PassBlocks(TStream& Source, TStream& Dest, TBlockCipher& Cipher, int64_t Count)
{
    std::array<uint8_t, RunBlocks * TEncRijndael::BlockSize> run;
    while (Count > 0) {
        const int64_t wanted = std::min(Count, RunBlocks);
        const int64_t got = Source.ReadUpTo(run.data(), wanted * TEncRijndael::BlockSize);
        const int64_t whole = got / TEncRijndael::BlockSize;
        if (whole > 0) {
            Cipher.Blocks(run.data(), whole);
            Dest.WriteBuffer(run.data(), whole * TEncRijndael::BlockSize);
        }
        if (whole < wanted) {
            OPENSSL_cleanse(run.data(), run.size());
            throw ECipherException(InvalidFormat);
        }
        Count -= wanted;
    }
    OPENSSL_cleanse(run.data(), run.size());
}

}  // namespace

TEncRijndael::~TEncRijndael()
{
    OPENSSL_cleanse(FKey.data(), FKey.size());
}

size_t TEncRijndael::KeyLength(TEncKeySize KeySize)
{
    switch (KeySize) {
    case ks128: return 16;
    case ks192: return 24;
    case ks256: return 32;
    }
    return 32;
}

void TEncRijndael::SetKey(const uint8_t* Key)
{
    FKey.fill(0);
    std::memcpy(FKey.data(), Key, KeyLength(FKeySize));
}

int64_t TEncRijndael::OutputSize(int64_t InputSize) const
{
    return BlockSize * (InputSize / BlockSize + 1);
}

void TEncRijndael::EncryptStream(TStream& Source, TStream& Dest)
{
    if (Mode() != cmECB) {
        throw ECipherException(TR_TEXT("EncRijndael", "Cipher mode not supported"));
    }
    TBlockCipher cipher(FKeySize, FKey.data(), true);
    const int64_t size = Source.GetSize();
    PassBlocks(Source, Dest, cipher, size / BlockSize);

    std::array<uint8_t, BlockSize> block{};
    const int64_t rest = size % BlockSize;
    if (Source.ReadUpTo(block.data(), rest) != rest) {
        throw ECipherException(InvalidFormat);
    }
    block[BlockSize - 1] = static_cast<uint8_t>(rest);
    cipher.Blocks(block.data(), 1);
    Dest.WriteBuffer(block.data(), BlockSize);
}

void TEncRijndael::DecryptStream(TStream& Source, TStream& Dest)
{
    if (Mode() != cmECB) {
        throw ECipherException(TR_TEXT("EncRijndael", "Cipher mode not supported"));
    }
    TBlockCipher cipher(FKeySize, FKey.data(), false);
    const int64_t blocks = Source.GetSize() / BlockSize;
    if (blocks > 1) {
        PassBlocks(Source, Dest, cipher, blocks - 1);
    }

    std::array<uint8_t, BlockSize> block{};
    if (Source.ReadUpTo(block.data(), BlockSize) != BlockSize) {
        throw ECipherException(InvalidFormat);
    }
    cipher.Blocks(block.data(), 1);
    const uint8_t count = block[BlockSize - 1];
    if (count >= BlockSize) {
        // A wrong key or damaged data: the count cannot be taken for true.
        OPENSSL_cleanse(block.data(), block.size());
        throw ECipherException(InvalidFormat);
    }
    Dest.WriteBuffer(block.data(), count);
    OPENSSL_cleanse(block.data(), block.size());
}
