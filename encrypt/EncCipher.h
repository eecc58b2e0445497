#pragma once
// The abstract cipher, and the symmetric cipher that adds the cipher mode.

#include "EncBase.h"

#include <cstdint>

class TStream;

enum TEncCipherMode { cmECB, cmCBC };

class TEncCipher : public TEncBaseComponent {
public:
    // Read Source from its current position and write Dest from its current
    // position; Dest is never truncated. Failures raise ECipherException.
    virtual void EncryptStream(TStream& Source, TStream& Dest) = 0;
    virtual void DecryptStream(TStream& Source, TStream& Dest) = 0;
    // The enciphered size of InputSize plain bytes.
    virtual int64_t OutputSize(int64_t InputSize) const = 0;
};

class TEncSymmetricCipher : public TEncCipher {
public:
    TEncCipherMode Mode() const { return FMode; }
    void SetMode(TEncCipherMode Mode) { FMode = Mode; }

private:
    TEncCipherMode FMode = cmECB;
};
