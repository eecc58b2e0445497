#pragma once
// The RSA signature check of the signed containers.
//
// The signature s, read as a number, is raised to the public exponent:
// m = s^e mod n. A signature longer than the modulus is taken in pieces of the
// modulus's length from its least significant end, each raised and reduced on
// its own and joined in the same order. m, most significant byte first, must
// fill the modulus exactly: 0x00, the type 0x01 or 0x02, at least eight
// padding bytes (all 0xFF for type 1, none zero for type 2), one 0x00 and then
// the digest and nothing else, its last byte as digest byte 0. Anything looser
// lets a signature be made from the public key alone.

#include "EncRSAKey.h"
#include "EncSignature.h"

#include <cstdint>
#include <vector>

class TStream;

// The ways a recovered block can fail to decode, with the messages the
// decoding gives them.
enum class TRSADecodeResult { Ok, BlockTooSmall, BlockTooLarge, InvalidBlockType, InvalidBlockFormat };
const char* RSADecodeMessage(TRSADecodeResult Result);

class TEncRSASSA : public TEncSignature {
public:
    // Every size above aks128; aks128 raises "Invalid key size for RSASSA".
    void SetKeySize(TEncAsymKeySize KeySize) override;
    TEncHashMethod HashMethod() const { return FHashMethod; }
    void SetHashMethod(TEncHashMethod HashMethod) { FHashMethod = HashMethod; }

    // Count signature bytes, least significant first.
    void LoadSignature(const uint8_t* Data, size_t Count) { FSignature = TEncBigInt(Data, Count); }
    const TEncBigInt& Signature() const { return FSignature; }
    // Reads the public key from its stored encoding (TEncRSAKey::LoadFromStream).
    void LoadPublicKey(TStream& Stream) { FPublicKey.LoadFromStream(Stream); }
    const TEncRSAKey& PublicKey() const { return FPublicKey; }

    static constexpr size_t MinimumPadding = 8;

    // Recovers the signed block and, when it decodes, its digest bytes (least
    // significant byte first). Raises "Invalid RSA public key" for an empty
    // modulus. A block of the wrong length or with any padding or separator
    // byte out of place is InvalidBlockFormat.
    TRSADecodeResult RecoverData(std::vector<uint8_t>& Data) const;
    // True when the signature's data carries Digest (16 bytes for hmMD5, 20
    // for hmSHA1). Decoding failures answer false; an empty modulus raises.
    bool VerifyDigest(const uint8_t* Digest) const;

private:
    // 16 bytes for hmMD5, 20 for hmSHA1.
    size_t DigestSize() const;

    TEncHashMethod FHashMethod = hmMD5;
    TEncRSAKey FPublicKey;
    TEncBigInt FSignature;
};
