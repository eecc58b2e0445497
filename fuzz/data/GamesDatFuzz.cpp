// Loading GAMES.DAT from arbitrary bytes: the catalogue must report what it
// cannot read, keep a consistent catalogue, save it and answer lookups
// without crashing.

#include "DataReporter.h"
#include "DataFields.h"
#include "GamesFile.h"
#include "RefusedIssues.h"

#include "MemoryStream.h"

#include "Exception.h"

#include <cstddef>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

class TQuietReporter : public TDataReporter {
public:
    void ShowMessage(const std::string&) override {}
    void ShowInstallationError(const std::string&) override {}
};

// Where the program folder goes: a memory file system when the machine has
// one, since the catalogue is read, and often saved, from a file per input.
std::filesystem::path TemporaryRoot()
{
    std::error_code error;
    const std::filesystem::path memory("/dev/shm");
    if (std::filesystem::is_directory(memory, error))
        return memory;
    return std::filesystem::temp_directory_path();
}

// Made once per run and never destroyed, so the exit handler that removes
// the folder can still name it.
const std::filesystem::path& ProgramFolder()
{
    static const std::filesystem::path* folder = [] {
        auto* path = new std::filesystem::path(TemporaryRoot() /
                                               ("tavrel-fuzz-games-" + std::to_string(std::random_device()())));
        std::filesystem::create_directories(*path / "ISSUES");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ProgramFolder(), ignored);
        });
        return path;
    }();
    return *folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static const std::filesystem::path Catalogue = ProgramFolder() / "ISSUES" / "GAMES.DAT";
    static const std::string Folder = (ProgramFolder() / "").string();
    {
        std::ofstream out(Catalogue, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(Data), static_cast<std::streamsize>(Size));
    }
    TQuietReporter reporter;
    TGamesDataFile catalogue(Folder, reporter);

    uint32_t held = 0;
    for (int i = 0; i < catalogue.IssueCount(); ++i) {
        const TIssueEntry& issue = catalogue.Issue(i);
        if (issue.GetGameCount() != issue.Games().size()) {
            __builtin_trap();
        }
        held += static_cast<uint32_t>(issue.Games().size());
        (void)catalogue.IssueIndex(issue.GetIssueNumber());
    }
    if (held != catalogue.GameCount()) {
        __builtin_trap();
    }
    try {
        (void)catalogue.FindGame(Size >= 20 ? Data[19] : 0);
    } catch (const Exception&) {
    }
    // Opening a game whose issue file is missing tries each entry and its
    // repair, and fails with a message.
    try {
        TPuzzleInfo record;
        TMemoryStream stream;
        catalogue.OpenGame(0, Size >= 24 ? DataFields::GetUInt32(Data + 20) : 0, record, stream);
    } catch (const Exception&) {
    }

    // The same bytes as the list of refused files: read, added to, written
    // and read again, the refusals for access never skipping the file.
    static const std::string Refused = (ProgramFolder() / "refused.txt").string();
    {
        std::ofstream out(Refused, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(Data), static_cast<std::streamsize>(Size));
    }
    TRefusedIssues list(Refused);
    list.Load();
    list.Refuse("fuzz.ISS", "B:1:2", true);
    list.Save();
    TRefusedIssues again(Refused);
    again.Load();
    if (again.Skips("fuzz.ISS", "B:1:2")) {
        __builtin_trap();
    }
    return 0;
}
