// The public key encoding reader on arbitrary bytes, and the block decoding
// with whatever small key it produced.

#include "CipherException.h"
#include "EncRSASSA.h"
#include "MemoryStream.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TMemoryStream stream(std::vector<uint8_t>(Data, Data + Size));
    TEncRSASSA rsa;
    try {
        rsa.SetKeySize(aks1024);
        rsa.LoadPublicKey(stream);
    } catch (const ECipherException&) {
        if (!rsa.PublicKey().Modulus().IsZero() || !rsa.PublicKey().Exponent().IsZero()) {
            std::abort();  // a failed load keeps the key as it was
        }
        return 0;
    }
    // Keep the exponentiation cheap: moduli of ordinary size and exponents of
    // a few bytes (the library's keys use 65537). A long exponent changes no
    // step of the decoding, only the time the power takes.
    if (rsa.PublicKey().Modulus().ByteLength() > 160 || rsa.PublicKey().Exponent().ByteLength() > 8) {
        return 0;
    }
    const std::vector<uint8_t> signature(Data, Data + std::min<size_t>(Size, 256));
    rsa.LoadSignature(signature.data(), signature.size());
    const uint8_t digest[16] = {};
    try {
        rsa.VerifyDigest(digest);
    } catch (const ECipherException&) {
        if (!rsa.PublicKey().Modulus().IsZero()) {
            std::abort();  // only an empty modulus may raise here
        }
    }
    return 0;
}
