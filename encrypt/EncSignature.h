#pragma once
// The abstract signature object with its key size.

#include "EncBase.h"

#include <cstddef>

enum TEncAsymKeySize { aks128, aks256, aks512, aks768, aks1024 };
enum TEncHashMethod { hmMD5, hmSHA1 };

class TEncSignature : public TEncBaseComponent {
public:
    TEncAsymKeySize KeySize() const { return FKeySize; }
    // Raises ECipherException for a size the signature cannot use and keeps
    // the previous one.
    virtual void SetKeySize(TEncAsymKeySize KeySize) { FKeySize = KeySize; }
    // 16, 32, 64, 96 or 128 bytes.
    static size_t KeyBytes(TEncAsymKeySize KeySize);

private:
    TEncAsymKeySize FKeySize = aks512;
};
