// Issue-file reading on arbitrary payloads. The input is the payload; it is
// signed here with a development key so that every input gets past the
// signature check to the layout reading. Both readings must end either with
// their games or with an Exception, never a crash, hang or runaway memory.

#include "DataFields.h"
#include "DistributionFile.h"
#include "Signer.h"

#include "Exception.h"
#include "MemoryStream.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void ReadPuzzleStreams(TDistributionFile& Issue)
{
    for (int i = 0; i < Issue.GameCount(); ++i) {
        try {
            TMemoryStream& stream = Issue.PuzzleStream(i);
            if (stream.GetPosition() != 0) {
                __builtin_trap();
            }
        } catch (const Exception&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const std::vector<uint8_t> payload(Data, Data + Size);
    TMemoryStream container(SignContainer(1, payload));

    try {
        auto issue = TDistributionFile::ReadIssue(container, "fuzz.ISS");
        ReadPuzzleStreams(*issue);
        for (int i = 0; i < issue->GameCount() && i < 8; ++i) {
            container.SetPosition(0);
            try {
                auto one = TDistributionFile::ReadGame(container, "fuzz.ISS", issue->RecordPosition(i));
                ReadPuzzleStreams(*one);
            } catch (const Exception&) {
            }
        }
    } catch (const Exception&) {
    }

    // A record position of the fuzzer's choosing, from the header's
    // uninterpreted word at 76.
    if (Size >= 80) {
        container.SetPosition(0);
        try {
            auto one = TDistributionFile::ReadGame(container, "fuzz.ISS", DataFields::GetUInt32(Data + 76));
            ReadPuzzleStreams(*one);
        } catch (const Exception&) {
        }
    }
    return 0;
}
