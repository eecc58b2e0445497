#pragma once
// An RSA public key: modulus and public exponent, read from the stored
// encoding, a SEQUENCE (tag number 16) holding two INTEGERs (tag number 2),
// the modulus and then the exponent, each least significant byte first.

#include "EncAsymmetricKey.h"

class TEncRSAKey : public TEncAsymmetricKey {
public:
    // Raises "Invalid RSA Key" when the outer structure is not a SEQUENCE (or
    // the encoding is too long), "Invalid Asymmetric Key" when an element is
    // not an INTEGER or claims more bytes than are left. An empty modulus is
    // accepted here; the signature check refuses it.
    void LoadFromStream(TStream& Stream) override;

    const TEncBigInt& Modulus() const { return FModulus; }
    const TEncBigInt& Exponent() const { return FExponent; }

private:
    TEncBigInt FModulus;
    TEncBigInt FExponent;
};
