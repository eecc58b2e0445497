// VerifyStream on arbitrary bytes: it answers or raises an Exception, never
// crashes, and a false answer leaves the destination untouched.

#include "Encrypt.h"
#include "Exception.h"
#include "MemoryStream.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TMemoryStream source(std::vector<uint8_t>(Data, Data + Size));
    TMemoryStream dest;
    try {
        if (VerifyStream(source, dest)) {
            // Only a genuine container passes; its payload is the tail.
            const std::vector<uint8_t>& payload = dest.Memory();
            if (dest.GetPosition() != 0 || payload.size() > Size ||
                (!payload.empty() && std::memcmp(payload.data(), Data + Size - payload.size(), payload.size()) != 0)) {
                std::abort();
            }
        } else if (dest.GetSize() != 0) {
            std::abort();
        }
    } catch (const Exception&) {
        if (dest.GetSize() != 0) {
            std::abort();
        }
    }
    return 0;
}
