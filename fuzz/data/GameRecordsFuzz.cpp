// Arbitrary bytes as the record of games played. The first byte says
// whether the target seals the rest with the check a writer puts at its end
// (mostly it does, so that the fuzzer reaches past the check). Whatever the
// file holds, reading must end in an Exception or in records that the
// writer writes back to a file reading exactly the same.

#include "Checksum.h"
#include "Exception.h"
#include "Format.h"
#include "GameRecords.h"

#include <cinttypes>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 1)
        return 0;
    std::string Text(reinterpret_cast<const char*>(Data) + 1, Size - 1);
    if (Data[0] % 4 != 3)
        Text += Format("check %016" PRIx64 "\n", TextCheck(Text));
    try {
        const TGameRecords Records = TGameRecords::Read(Text);
        if (TGameRecords::Read(Records.Text()).All() != Records.All())
            std::abort();
    } catch (const Exception&) {
    }
    return 0;
}
