#pragma once
// The private halves of the development signature keys whose public halves
// the Encrypt library holds (encrypt/EncKeyTable.cpp). Both files are made
// together by tools/keys/make_keys.py; a publisher with keys of their own runs
// that script again and rebuilds.

#include <cstdint>

struct TDevelopmentKey {
    const char* ModulusHex;          // most significant digit first
    const char* PrivateExponentHex;  // most significant digit first
    uint32_t PublicExponent;
};

// The key of index KeyIndex (1 to 10); nullptr for any other index.
const TDevelopmentKey* DevelopmentKey(uint32_t KeyIndex);
