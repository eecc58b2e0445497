#pragma once
// AES (FIPS-197) over whole streams, computed by OpenSSL's EVP AES in ECB
// without padding. The stream format: every whole 16-byte block of the plain
// stream enciphered on its own, then a final block holding the remaining
// r < 16 plain bytes, zeros, and r at offset 15. A plain stream of L bytes
// thus enciphers to 16 * (L / 16 + 1) bytes; there is no header or check value.

#include "EncCipher.h"

#include <array>
#include <cstddef>

enum TEncKeySize { ks128, ks192, ks256 };

class TEncRijndael : public TEncSymmetricCipher {
public:
    static constexpr int64_t BlockSize = 16;

    TEncRijndael() = default;
    ~TEncRijndael() override;

    TEncKeySize KeySize() const { return FKeySize; }
    void SetKeySize(TEncKeySize KeySize) { FKeySize = KeySize; }
    // 16, 24 or 32 bytes for ks128, ks192, ks256.
    static size_t KeyLength(TEncKeySize KeySize);
    // Copies KeyLength(KeySize()) bytes of Key.
    void SetKey(const uint8_t* Key);

    // The block count comes from the size of the whole source, the bytes from
    // its current position; a source that ends inside a block raises "Invalid
    // file format" after the blocks before it were written. Deciphering
    // ignores source bytes after the last whole block, and rejects a final
    // block whose count byte is above 15 without writing any of it.
    void EncryptStream(TStream& Source, TStream& Dest) override;
    void DecryptStream(TStream& Source, TStream& Dest) override;
    int64_t OutputSize(int64_t InputSize) const override;

private:
    TEncKeySize FKeySize = ks256;
    std::array<uint8_t, 32> FKey{};
};
