// DecryptStream on arbitrary bytes under a key taken from the input: it
// writes at most the source's whole blocks less the count byte's spare room,
// or raises "Invalid file format".

#include "Encrypt.h"
#include "Exception.h"
#include "MemoryStream.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    uint8_t key[32] = {};
    const size_t keyBytes = Size < 32 ? Size : 32;
    for (size_t i = 0; i < keyBytes; ++i) {
        key[i] = Data[i];
    }
    TMemoryStream source(std::vector<uint8_t>(Data + keyBytes, Data + Size));
    TMemoryStream dest;
    const int64_t blocks = source.GetSize() / 16;
    try {
        DecryptStream(source, dest, key);
        if (blocks < 1 || dest.GetSize() > blocks * 16 - 1 || dest.GetSize() < (blocks - 1) * 16 ||
            dest.GetPosition() != 0) {
            std::abort();
        }
    } catch (const Exception& error) {
        if (error.Message() != "Invalid file format") {
            std::abort();
        }
    }
    return 0;
}
