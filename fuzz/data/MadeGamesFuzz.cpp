// The reader of the games made on this computer on arbitrary files. The
// first input byte chooses: odd, the rest is the whole file as it is; even,
// the rest gets its correct checksum appended, so that inputs reach the
// reading of the games behind it. The reader must end with the games or an
// Exception, never a crash, hang or runaway memory; a file it takes must be
// written back byte for byte and hold only sound games.

#include "MadeGamesFormat.h"

#include "Encrypt.h"
#include "Exception.h"
#include "MemoryStream.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size == 0) {
        return 0;
    }
    std::vector<uint8_t> bytes(Data + 1, Data + Size);
    if ((Data[0] & 1) == 0) {
        TMemoryStream body(bytes);
        std::array<uint8_t, 16> digest{};
        GetStreamHash(1, body, digest.data());
        bytes.insert(bytes.end(), digest.begin(), digest.end());
    }
    try {
        const TMadeGamesContent content = ReadMadeGames(bytes, "MYGAMES.DAT");
        for (const TMadeGame& game : content.Games) {
            if (!MadeGameProblem(game).empty() || game.Record.GetGameNumber() >= content.NextGameNumber) {
                __builtin_trap();
            }
        }
        if (WriteMadeGames(content) != bytes) {
            __builtin_trap();
        }
    } catch (const Exception&) {
    }
    return 0;
}
