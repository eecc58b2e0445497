#include "GamesFile.h"

#include "DataFields.h"
#include "DistributionFile.h"

#include "CopyStream.h"
#include "Exception.h"
#include "FileStream.h"
#include "MemoryStream.h"
#include "Platform.h"
#include "SafeFile.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <unordered_set>

namespace {

std::vector<uint8_t> ReadWhole(const std::string& FileName)
{
    TFileStream source(FileName, TFileMode::fmOpenRead);
    std::vector<uint8_t> bytes(static_cast<size_t>(source.GetSize()));
    source.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
}

}  // namespace

// The catalogue's lock, held while it is read, scanned and written; taken
// again inside (a save while loading) it is the same lock. Without a folder
// to hold the lock file there is nothing to share and no lock.
class TGamesDataFile::TLock {
public:
    explicit TLock(TGamesDataFile& Catalogue) : FCatalogue(Catalogue)
    {
        if (FCatalogue.FLockDepth++ == 0) {
            FCatalogue.FLockHandle = Platform::LockFile(FCatalogue.FFolders.CatalogueLock());
        }
    }
    ~TLock()
    {
        if (--FCatalogue.FLockDepth == 0) {
            Platform::UnlockFile(FCatalogue.FLockHandle);
            FCatalogue.FLockHandle = -1;
        }
    }
    TLock(const TLock&) = delete;
    TLock& operator=(const TLock&) = delete;

private:
    TGamesDataFile& FCatalogue;
};

TGamesDataFile::TGamesDataFile(const std::string& ProgramFolder, TDataReporter& Reporter)
    : TGamesDataFile(TCatalogueFolders::BesideProgram(ProgramFolder), Reporter)
{
}

TGamesDataFile::TGamesDataFile(const TCatalogueFolders& Folders, TDataReporter& Reporter)
    : FFolders(Folders), FReporter(Reporter), FRefused(Folders.RefusedList()), FMade(Folders.MadeGamesFile())
{
    Load();
}

std::string TGamesDataFile::FileName() const
{
    return FFolders.CatalogueFile();
}

void TGamesDataFile::Load()
{
    // Without the folder of the catalogue (a copy run in place whose
    // "ISSUES" is missing) there is nothing to list and nowhere to keep the
    // list: nothing is written and no folder is made.
    std::error_code folderError;
    if (FFolders.Installed()) {
        // The player's folders are made at the first start; when that fails,
        // saving reports it.
        std::filesystem::create_directories(Platform::PathFromUtf8(FFolders.PlayerIssues()), folderError);
    }
    const bool writable = std::filesystem::is_directory(Platform::PathFromUtf8(FileName()).parent_path(), folderError);
    const TLock lock(*this);
    FRefused.Load();
    bool changed = false;
    try {
        FOnDisk = ReadWhole(FileName());
        TMemoryStream source(FOnDisk);
        const std::string damage = ReadGamesDat(source, FContent);
        if (!damage.empty()) {
            // What was read before the damage may be damaged too: each issue
            // it lists is read again from its file, and the scan takes in
            // the files it no longer lists.
            FReporter.ShowMessage(damage);
            RereadListed();
            changed = true;
        }
    } catch (const Exception&) {
        // Missing or without a whole header: a new, empty catalogue.
        FContent = TGamesDatContent();
        FOnDisk.clear();
        changed = true;
    }
    if (ScanIssueFolder()) {
        changed = true;
    }
    if (changed && writable) {
        Save();
    }
    FRefused.Save();
    // The player's own games; a refused file takes nothing else with it.
    if (const std::string refused = FMade.Load(); !refused.empty()) {
        FReporter.ShowMessage(refused);
    }
}

TIssueEntry TGamesDataFile::ReadIssue(const std::string& Folder, const std::string& Name) const
{
    TDistributionFile issue(Folder + Name);
    bool reserved = issue.GetIssueNumber() == MadeIssueNumber;
    for (int game = 0; game < issue.GameCount(); ++game) {
        reserved = reserved || IsMadeGameNumber(issue.GameRecord(game).GetGameNumber());
    }
    if (reserved) {
        throw Exception(
            TR_TEXT("GamesFile", "Invalid file %1 - its numbers are those of the games made on this computer"),
            (Folder + Name));
    }
    TIssueEntry entry(issue.GetVersion(), issue.GetIssueNumber(), issue.GetDescription(), Name);
    for (int game = 0; game < issue.GameCount(); ++game) {
        entry.AddGame(TGameEntry(issue.GameRecord(game), issue.RecordPosition(game)));
    }
    return entry;
}

void TGamesDataFile::Append(TIssueEntry Entry)
{
    FContent.GameCount += static_cast<uint32_t>(Entry.Games().size());
    FContent.Issues.push_back(std::move(Entry));
}

TIssueOrigin TGamesDataFile::OriginOf(const TIssueEntry& Issue) const
{
    return FFolders.Installed() && Issue.GetSource().rfind("P:", 0) == 0 ? TIssueOrigin::Player : TIssueOrigin::Bundled;
}

std::string TGamesDataFile::FolderOf(const TIssueEntry& Issue) const
{
    return FFolders.IssuesOf(OriginOf(Issue));
}

bool TGamesDataFile::FilePresent(const TIssueEntry& Issue) const
{
    const std::string name = Issue.GetFileName();
    if (!IsPlainFileName(name)) {
        return false;
    }
    std::error_code error;
    return std::filesystem::is_regular_file(Platform::PathFromUtf8(FolderOf(Issue) + name), error);
}

void TGamesDataFile::RereadListed()
{
    for (size_t i = 0; i < FContent.Issues.size(); ++i) {
        if (FilePresent(FContent.Issues[i])) {
            try {
                const std::string source = FContent.Issues[i].GetSource();
                TIssueEntry entry = ReadIssue(FolderOf(FContent.Issues[i]), FContent.Issues[i].GetFileName());
                entry.SetSource(source);
                FContent.Issues[i] = std::move(entry);
            } catch (const std::exception&) {
                // Left as read; opening its games tells what is wrong.
            }
        }
    }
    FContent.GameCount = FContent.GamesHeld();
}

int TGamesDataFile::AddIssueFile(const std::string& SourceFile)
{
    const std::string name = Platform::Utf8FromPath(Platform::PathFromUtf8(SourceFile).filename());
    if (!HasIssueExtension(name)) {
        throw Exception(TR_TEXT("GamesFile", "%1 is not an issue file (*.ISS)"), name);
    }
    if (const TText problem = IssueNameProblem(name); !problem.English().empty()) {
        throw Exception(problem);
    }
    const std::string folder = FFolders.AddedIssues();
    const TLock lock(*this);
    MergeWritten();
    if (FFolders.Installed() && FileExists(FFolders.BundledIssues + name)) {
        throw Exception(
            TR_TEXT("GamesFile", "Issue file %1 is not added: an issue file of that name came with the game"), name);
    }
    if (FileExists(folder + name) || Listed(name) != nullptr) {
        throw Exception(TR_TEXT("GamesFile", "Issue file %1 is not added: an issue file of that name is in %2 already"),
                        name, folder);
    }
    // Read once: what is checked is what is copied.
    const std::vector<uint8_t> bytes = ReadWhole(SourceFile);
    TMemoryStream container(bytes);
    const uint32_t issueNumber = TDistributionFile::ReadIssue(container, SourceFile)->GetIssueNumber();
    if (const int same = IssueIndex(issueNumber); same >= 0) {
        throw Exception(TR_TEXT("GamesFile", "Issue file %1 is not added: its issue %2 is listed already as %3"), name,
                        issueNumber, FContent.Issues[static_cast<size_t>(same)].GetFileName());
    }
    // Written whole, so the folder never holds half a file that the next
    // start would report.
    const std::string target = folder + name;
    std::error_code error;
    std::filesystem::create_directories(Platform::PathFromUtf8(folder), error);
    try {
        WriteFileWhole(target, bytes.data(), bytes.size());
    } catch (const EFileWriteError& failure) {
        throw Exception(TR_TEXT("GamesFile", "Issue file %1 could not be copied to %2: %3"), name, folder,
                        failure.CauseText());
    }
    TIssueEntry entry = ReadIssue(folder, name);
    if (FFolders.Installed()) {
        entry.SetSource(IssueFileSource(target, TIssueOrigin::Player));
    }
    Append(std::move(entry));
    Save();
    return IssueCount() - 1;
}

void TGamesDataFile::MergeWritten()
{
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadWhole(FileName());
    } catch (const Exception&) {
        return;
    }
    if (bytes == FOnDisk) {
        return;
    }
    TGamesDatContent written;
    TMemoryStream source(bytes);
    try {
        if (!ReadGamesDat(source, written).empty()) {
            return;
        }
    } catch (const Exception&) {
        return;
    }
    for (TIssueEntry& issue : written.Issues) {
        if (Listed(issue.GetFileName()) == nullptr && IssueIndex(issue.GetIssueNumber()) < 0) {
            Append(std::move(issue));
        }
    }
    FOnDisk = std::move(bytes);
}

bool TGamesDataFile::Save()
{
    try {
        const TLock lock(*this);
        MergeWritten();
        std::vector<uint8_t> bytes = WriteGamesDat(FContent);
        WriteFileWhole(FileName(), bytes.data(), bytes.size());
        FOnDisk = std::move(bytes);
        return true;
    } catch (const Exception& error) {
        FReporter.ShowText(error.Text());
        return false;
    }
}

int TGamesDataFile::IssueCount() const
{
    return static_cast<int>(FContent.Issues.size()) + (MadeListed() ? 1 : 0);
}

const TIssueEntry& TGamesDataFile::Issue(int Index) const
{
    if (FContent.Issues.empty()) {
        if (MadeListed()) {
            return FMade.Issue();
        }
        throw Exception(TR_TEXT("GamesFile", "There are no issues listed in the games file"));
    }
    if (MadeListed() && static_cast<size_t>(Index) == FContent.Issues.size()) {
        return FMade.Issue();
    }
    if (Index < 0 || static_cast<size_t>(Index) >= FContent.Issues.size()) {
        return FContent.Issues.front();
    }
    return FContent.Issues[static_cast<size_t>(Index)];
}

int TGamesDataFile::IssueIndex(uint32_t IssueNumber) const
{
    for (size_t i = 0; i < FContent.Issues.size(); ++i) {
        if (FContent.Issues[i].GetIssueNumber() == IssueNumber) {
            return static_cast<int>(i);
        }
    }
    if (IssueNumber == MadeIssueNumber && MadeListed()) {
        return static_cast<int>(FContent.Issues.size());
    }
    return -1;
}

const TIssueEntry& TGamesDataFile::IssueByNumber(uint32_t IssueNumber) const
{
    return Issue(IssueIndex(IssueNumber));
}

const TGameEntry& TGamesDataFile::FindGame(uint32_t GameNumber) const
{
    for (const TGameEntry& game : FMade.Issue().Games()) {
        if (game.GetGameNumber() == GameNumber) {
            return game;
        }
    }
    if (FContent.Issues.empty() && MadeListed()) {
        return FMade.Issue().Games().front();
    }
    if (FContent.Issues.empty()) {
        throw Exception(TR_TEXT("GamesFile", "There are no games listed in the games file"));
    }
    for (const TIssueEntry& issue : FContent.Issues) {
        for (const TGameEntry& game : issue.Games()) {
            if (game.GetGameNumber() == GameNumber) {
                return game;
            }
        }
    }
    const TIssueEntry& first = FContent.Issues.front();
    if (first.Games().empty()) {
        throw Exception(
            TR_TEXT("GamesFile", "Game %1 is not listed in the games file and its first issue has no games"),
            GameNumber);
    }
    return first.Games().front();
}

bool TGamesDataFile::ListsGame(uint32_t GameNumber) const
{
    if (FMade.Find(GameNumber) != nullptr) {
        return true;
    }
    for (const TIssueEntry& issue : FContent.Issues) {
        for (const TGameEntry& game : issue.Games()) {
            if (game.GetGameNumber() == GameNumber) {
                return true;
            }
        }
    }
    return false;
}

std::vector<std::pair<uint32_t, uint32_t>> TGamesDataFile::FirstGames() const
{
    std::vector<std::pair<uint32_t, uint32_t>> games;
    for (const TIssueEntry& issue : FContent.Issues) {
        if (!issue.Games().empty()) {
            const TGameEntry& first = issue.Games().front();
            games.emplace_back(first.GetIssueNumber(), first.GetGameNumber());
        }
    }
    if (MadeListed()) {
        games.emplace_back(MadeIssueNumber, FMade.Issue().Games().front().GetGameNumber());
    }
    return games;
}

void TGamesDataFile::OpenListed(size_t IssueIndex, size_t GameIndex, TPuzzleInfo& Record, TStream& Stream) const
{
    const TIssueEntry& issue = FContent.Issues[IssueIndex];
    const TGameEntry& game = issue.Games()[GameIndex];
    const std::string name = issue.GetFileName();
    if (!IsPlainFileName(name)) {
        throw Exception(TR_TEXT("GamesFile", "Invalid issue file name \"%1\" in the games file"), name);
    }
    const std::string folder = FolderOf(issue);
    const std::string now = FFolders.Installed() ? IssueFileSource(folder + name, OriginOf(issue)) : std::string();
    if (!now.empty() && now != issue.GetSource()) {
        // Its record positions belong to the content it had when listed.
        throw Exception(TR_TEXT("GamesFile", "Issue file %1 has changed since its games were listed"), name);
    }
    TFileStream source(folder + name, TFileMode::fmOpenRead);
    const std::unique_ptr<TDistributionFile> file = TDistributionFile::ReadGame(source, name, game.GetRecordPosition());
    if (file->GameRecord(0).GetGameNumber() != game.GetGameNumber()) {
        throw Exception(TR_TEXT("GamesFile", "Invalid file %1 - Game %2 is not where the games file says"), name,
                        game.GetGameNumber());
    }
    Record.Assign(file->GameRecord(0));
    TMemoryStream& puzzle = file->PuzzleStream(0);
    CopyStream(puzzle, 0, Stream, puzzle.GetSize());
    Stream.SetPosition(0);
}

bool TGamesDataFile::Repair(size_t Index)
{
    TIssueEntry& issue = FContent.Issues[Index];
    if (!FilePresent(issue)) {
        return false;
    }
    try {
        const std::string folder = FolderOf(issue);
        const std::string name = issue.GetFileName();
        TIssueEntry entry = ReadIssue(folder, name);
        entry.SetSource(FFolders.Installed() ? IssueFileSource(folder + name, OriginOf(issue)) : std::string());
        if (entry.Bytes() == issue.Bytes() && entry.Games().size() == issue.Games().size() &&
            std::equal(entry.Games().begin(), entry.Games().end(), issue.Games().begin(),
                       [](const TGameEntry& A, const TGameEntry& B) { return A.Bytes() == B.Bytes(); })) {
            return false;  // the entry agrees with its file: nothing to mend
        }
        FContent.GameCount -= static_cast<uint32_t>(issue.Games().size());
        FContent.GameCount += static_cast<uint32_t>(entry.Games().size());
        issue = std::move(entry);
    } catch (const std::exception&) {
        return false;
    }
    Save();
    return true;
}

void TGamesDataFile::OpenGame(uint32_t /*IssueNumber*/, uint32_t GameNumber, TPuzzleInfo& Record, TStream& Stream)
{
    // The issue is the one whose entry holds the game: a game record whose
    // issue number disagrees with its issue header still opens from its own
    // file.
    if (FMade.Find(GameNumber) != nullptr || (FContent.Issues.empty() && MadeListed())) {
        FMade.Open(FMade.Find(GameNumber) != nullptr ? GameNumber : FMade.Issue().Games().front().GetGameNumber(),
                   Record, Stream);
        return;
    }
    if (FContent.Issues.empty()) {
        throw Exception(TR_TEXT("GamesFile", "There are no games listed in the games file"));
    }
    const int64_t start = Stream.GetPosition();
    TText firstError;
    const auto attempt = [&](size_t Issue, size_t Game) {
        try {
            // Whatever an earlier attempt copied goes.
            Stream.SetPosition(start);
            Stream.SetSize(start);
            OpenListed(Issue, Game, Record, Stream);
            return true;
        } catch (const Exception& error) {
            if (firstError.English().empty()) {
                firstError = error.Text();
            }
            return false;
        } catch (const std::exception& error) {
            if (firstError.English().empty()) {
                firstError = TText(error.what());
            }
            return false;
        }
    };
    // The entries that list the game, in catalogue order; a number no issue
    // lists opens the first game of the first issue. When an entry fails and
    // its file, read again, mends it, the search starts once more.
    for (int round = 0; round < 2; ++round) {
        std::vector<std::pair<size_t, size_t>> candidates;
        for (size_t i = 0; i < FContent.Issues.size(); ++i) {
            const std::vector<TGameEntry>& games = FContent.Issues[i].Games();
            for (size_t g = 0; g < games.size(); ++g) {
                if (games[g].GetGameNumber() == GameNumber) {
                    candidates.emplace_back(i, g);
                    break;
                }
            }
        }
        if (candidates.empty()) {
            if (FContent.Issues.front().Games().empty()) {
                throw Exception(
                    TR_TEXT("GamesFile", "Game %1 is not listed in the games file and its first issue has no games"),
                    GameNumber);
            }
            candidates.emplace_back(0, 0);
        }
        bool repaired = false;
        for (const auto& [issue, game] : candidates) {
            if (attempt(issue, game)) {
                return;
            }
            if (round == 0 && Repair(issue)) {
                repaired = true;
                break;
            }
        }
        if (!repaired) {
            break;
        }
    }
    throw Exception(firstError);
}

uint32_t TGamesDataFile::AddMadeGame(TMadeGame Game)
{
    const TLock lock(*this);
    return FMade.Add(std::move(Game));
}

bool TGamesDataFile::DeleteMadeGame(uint32_t GameNumber)
{
    const TLock lock(*this);
    return FMade.Delete(GameNumber);
}
