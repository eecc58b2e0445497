// The catalogue's folder policy: which issue files it takes in from which
// folder, which it reads again, and which it refuses. A copy run in place
// takes in the files of its one folder that it does not list by name; an
// installed copy reads the program's files and the player's, and reads a file
// again when its size or time changed.
#include "GamesFile.h"

#include "DataFields.h"
#include "DistributionFile.h"

#include "Exception.h"
#include "Format.h"
#include "Platform.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <unordered_set>

std::vector<std::string> TGamesDataFile::ListIssueFiles(const std::string& Folder)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(Platform::PathFromUtf8(Folder), error);
    if (error) {
        return names;
    }
    for (const fs::directory_iterator end; it != end; it.increment(error)) {
        if (error) {
            break;
        }
        std::error_code kindError;
        if (!it->is_regular_file(kindError)) {
            continue;
        }
        std::string name = Platform::Utf8FromPath(it->path().filename());
        if (HasIssueExtension(name)) {
            names.push_back(std::move(name));
        }
    }
    // Name order, so the catalogue comes out the same on every machine.
    std::sort(names.begin(), names.end());
    return names;
}

bool TGamesDataFile::ScanIssueFolder()
{
    if (FFolders.Installed()) {
        return ScanPlayerFolders();
    }
    // A copy run in place takes in the files it does not list by name; a
    // listed file is never read again.
    bool changed = false;
    std::set<std::string> present;
    for (const std::string& name : ListIssueFiles(FFolders.BundledIssues)) {
        present.insert(name + '\t' + IssueFileSource(FFolders.BundledIssues + name, TIssueOrigin::Bundled));
        if (Listed(name) == nullptr) {
            changed = Refresh(TIssueOrigin::Bundled, name) || changed;
        }
    }
    FRefused.KeepOnly(present);
    return changed;
}

bool TGamesDataFile::ScanPlayerFolders()
{
    bool changed = false;
    const std::vector<std::string> bundled = ListIssueFiles(FFolders.BundledIssues);
    for (const std::string& name : bundled) {
        changed = Refresh(TIssueOrigin::Bundled, name) || changed;
    }
    const std::unordered_set<std::string> bundledNames(bundled.begin(), bundled.end());
    std::set<std::string> present;
    for (const std::string& name : ListIssueFiles(FFolders.PlayerIssues())) {
        const std::string source = IssueFileSource(FFolders.PlayerIssues() + name, TIssueOrigin::Player);
        present.insert(name + '\t' + source);
        if (bundledNames.count(name) != 0) {
            Refuse(TIssueOrigin::Player, name, source,
                   Format("Issue file %s in %s is not used: an issue file of that name came with the game",
                          name.c_str(), FFolders.PlayerIssues().c_str()),
                   TRefusal::Content);
            continue;
        }
        changed = Refresh(TIssueOrigin::Player, name) || changed;
    }
    // A refused file that was removed or changed is looked at afresh.
    FRefused.KeepOnly(present);
    return changed;
}

TIssueEntry* TGamesDataFile::Listed(const std::string& Name)
{
    for (TIssueEntry& issue : FContent.Issues) {
        const std::string stored = issue.GetFileName();
        if (stored == Name || DataFields::TrimBlanks(stored) == Name) {
            return &issue;
        }
    }
    return nullptr;
}

void TGamesDataFile::Refuse(TIssueOrigin Origin, const std::string& Name, const std::string& Source,
                            const std::string& Message, TRefusal Refusal)
{
    // The installed copy's own issue files are the installation's: a fault
    // of theirs is shown at every start until an upgrade mends it.
    if (FFolders.Installed() && Origin == TIssueOrigin::Bundled) {
        FReporter.ShowInstallationError(Message);
        return;
    }
    if (!FRefused.Refuse(Name, Source, Refusal == TRefusal::Access)) {
        return;
    }
    if (Origin == TIssueOrigin::Player || Refusal == TRefusal::Name) {
        FReporter.ShowMessage(Message);
    } else {
        FReporter.ShowInstallationError(Message);
    }
}

bool TGamesDataFile::Refresh(TIssueOrigin Origin, const std::string& Name)
{
    const std::string folder = FFolders.IssuesOf(Origin);
    const std::string source = IssueFileSource(folder + Name, Origin);
    TIssueEntry* listed = Listed(Name);
    // A copy run in place keeps no sources in its entries.
    const std::string entrySource = FFolders.Installed() ? source : std::string();
    if (listed != nullptr && listed->GetSource() == entrySource) {
        return false;
    }
    if (FRefused.Skips(Name, source)) {
        return false;
    }
    if (const std::string problem = IssueNameProblem(Name).English(); !problem.empty()) {
        Refuse(Origin, Name, source, problem, TRefusal::Name);
        return false;
    }
    try {
        TIssueEntry entry = ReadIssue(folder, Name);
        entry.SetSource(entrySource);
        if (Origin == TIssueOrigin::Player) {
            const int same = IssueIndex(entry.GetIssueNumber());
            const TIssueEntry* other = same >= 0 ? &FContent.Issues[static_cast<size_t>(same)] : nullptr;
            // An entry whose file is gone does not hold its issue number.
            if (other != nullptr && other != listed && FilePresent(*other)) {
                Refuse(Origin, Name, source,
                       Format("Issue file %s in %s is not used: its issue %u is listed already as %s", Name.c_str(),
                              folder.c_str(), entry.GetIssueNumber(), other->GetFileName().c_str()),
                       TRefusal::Content);
                return false;
            }
        }
        FRefused.Forget(Name, source);
        if (listed == nullptr) {
            Append(std::move(entry));
        } else {
            // Read again in place: the issue keeps its place and its games
            // are those of the file as it is now, never listed twice.
            FContent.GameCount -= static_cast<uint32_t>(listed->Games().size());
            FContent.GameCount += static_cast<uint32_t>(entry.Games().size());
            *listed = std::move(entry);
        }
        return true;
    } catch (const EFOpenError& error) {
        // Permissions may be mended without the file changing: tried again
        // at the next start, but reported only now.
        Refuse(Origin, Name, source, error.Message(), TRefusal::Access);
        return false;
    } catch (const std::exception& error) {
        // A changed file that cannot be read again stays listed with its old
        // source, so its games are refused rather than read from wrong places.
        Refuse(Origin, Name, source, error.what(), TRefusal::Content);
        return false;
    }
}
