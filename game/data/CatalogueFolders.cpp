#include "CatalogueFolders.h"

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
    const bool Installed =
        std::filesystem::is_regular_file(Platform::PathFromUtf8(WithSeparator(ProgramFolder) + InstallMarkerName), error);
    return Installed ? ForPlayer(ProgramFolder, PlayerDataFolder) : BesideProgram(ProgramFolder);
}
