#include "CatalogueFolders.h"

#include "MadeGamesFormat.h"

#include "DistributionFile.h"

#include "Platform.h"

#include <filesystem>
#include <system_error>

const char* const InstallMarkerName = "INSTALLED";

namespace {

std::string WithSeparator(std::string Folder)
{
    if (!Folder.empty() && Folder.back() != Platform::PathSeparator() && Folder.back() != '/')
        Folder += Platform::PathSeparator();
    return Folder;
}

}  // namespace

std::string TCatalogueFolders::CatalogueFile() const
{
    return Installed() ? PlayerFolder + "GAMES.DAT" : BundledIssues + "GAMES.DAT";
}

std::string TCatalogueFolders::PlayerIssues() const
{
    return Installed() ? PlayerFolder + "ISSUES" + Platform::PathSeparator() : std::string();
}

std::string TCatalogueFolders::AddedIssues() const
{
    return Installed() ? PlayerIssues() : BundledIssues;
}

std::string TCatalogueFolders::MadeGamesFile() const
{
    return Installed() ? PlayerFolder + MadeGamesFileName : BundledIssues + MadeGamesFileName;
}

std::string TCatalogueFolders::RefusedList() const
{
    return Installed() ? PlayerFolder + "REFUSED.TXT" : BundledIssues + "REFUSED.TXT";
}

std::string TCatalogueFolders::CatalogueLock() const
{
    return CatalogueFile() + ".lock";
}

std::string TCatalogueFolders::IssuesOf(TIssueOrigin Origin) const
{
    return Origin == TIssueOrigin::Player ? PlayerIssues() : BundledIssues;
}

TCatalogueFolders TCatalogueFolders::BesideProgram(const std::string& ProgramFolder)
{
    return TCatalogueFolders{TDistributionFile::IssueFolder(ProgramFolder), std::string()};
}

TCatalogueFolders TCatalogueFolders::ForPlayer(const std::string& ProgramFolder, const std::string& PlayerDataFolder)
{
    return TCatalogueFolders{TDistributionFile::IssueFolder(ProgramFolder), WithSeparator(PlayerDataFolder)};
}

TCatalogueFolders TCatalogueFolders::Of(const std::string& ProgramFolder, const std::string& PlayerDataFolder)
{
    std::error_code error;
    const bool Installed = std::filesystem::is_regular_file(
        Platform::PathFromUtf8(WithSeparator(ProgramFolder) + InstallMarkerName), error);
    return Installed ? ForPlayer(ProgramFolder, PlayerDataFolder) : BesideProgram(ProgramFolder);
}

bool HasIssueExtension(const std::string& Name)
{
    static const char extension[] = ".iss";
    if (Name.size() < 4) {
        return false;
    }
    for (size_t i = 0; i < 4; ++i) {
        char c = Name[Name.size() - 4 + i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != extension[i]) {
            return false;
        }
    }
    return true;
}

// A stored name must name a file of the issue folder, nothing beside or
// above it.
bool IsPlainFileName(const std::string& Name)
{
    return !Name.empty() && Name != "." && Name != ".." && Name.find('/') == std::string::npos &&
           Name.find('\\') == std::string::npos && Name.find(':') == std::string::npos;
}

// Where the file is and what it is now: origin, size and last write time;
// empty when the file cannot be looked at.
std::string IssueFileSource(const std::string& FileName, TIssueOrigin Origin)
{
    std::error_code error;
    const std::filesystem::path path = Platform::PathFromUtf8(FileName);
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return std::string();
    }
    const auto time = std::filesystem::last_write_time(path, error);
    if (error) {
        return std::string();
    }
    return std::string(Origin == TIssueOrigin::Player ? "P" : "B") + ":" + std::to_string(size) + ":" +
           std::to_string(static_cast<long long>(time.time_since_epoch().count()));
}

bool FileExists(const std::string& FileName)
{
    std::error_code error;
    return std::filesystem::exists(Platform::PathFromUtf8(FileName), error);
}

// Why a file name cannot be listed, or empty when it can.
TText IssueNameProblem(const std::string& Name)
{
    if (Name.size() > static_cast<size_t>(MaxIssueFileNameLength)) {
        // A shortened name would never match its file again and the issue
        // would be taken in at every start.
        return TText(TR_TEXT("CatalogueFolders", "Issue file %1 is not used: its name is longer than %2 characters"),
                     Name, MaxIssueFileNameLength);
    }
    if (!IsPlainFileName(Name)) {
        // Such a name (a colon or backslash is legal in some file systems)
        // could never be opened as a game again.
        return TText(TR_TEXT("CatalogueFolders", "Issue file %1 is not used: its name holds a path character"), Name);
    }
    return TText();
}
