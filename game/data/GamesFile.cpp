#include "GamesFile.h"

#include "DataFields.h"
#include "DistributionFile.h"

#include "CopyStream.h"
#include "Exception.h"
#include "FileStream.h"
#include "Format.h"
#include "MemoryStream.h"
#include "Platform.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unordered_set>

using DataFields::GetText;
using DataFields::GetUInt32;
using DataFields::PutText;
using DataFields::PutUInt32;

// ---- TGameEntry

TGameEntry::TGameEntry(const TPuzzleInfo& Record, uint32_t RecordPosition)
{
    PutUInt32(&FBytes[ofsRecordFormat], Record.GetRecordFormat());
    PutUInt32(&FBytes[ofsIssueNumber], Record.GetIssueNumber());
    PutUInt32(&FBytes[ofsGameNumber], Record.GetGameNumber());
    FBytes[ofsLayoutType] = Record.GetLayoutType();
    PutUInt32(&FBytes[ofsRebuildFlag], Record.GetRebuildFlag());
    FBytes[ofsByte16] = Record.GetByte16();
    // Copied as stored, so a name that fills its field keeps all 64 bytes.
    std::copy_n(Record.Data() + TPuzzleInfo::ofsGameName, TPuzzleInfo::TextSize, &FBytes[ofsGameName]);
    std::copy_n(Record.Data() + TPuzzleInfo::ofsGameDescription, TPuzzleInfo::TextSize, &FBytes[ofsGameDescription]);
    FBytes[ofsStreamKind] = Record.GetStreamKind();
    PutUInt32(&FBytes[ofsRecordPosition], RecordPosition);
}

uint32_t TGameEntry::GetRecordFormat() const { return GetUInt32(&FBytes[ofsRecordFormat]); }
uint32_t TGameEntry::GetIssueNumber() const { return GetUInt32(&FBytes[ofsIssueNumber]); }
uint32_t TGameEntry::GetGameNumber() const { return GetUInt32(&FBytes[ofsGameNumber]); }
uint32_t TGameEntry::GetRebuildFlag() const { return GetUInt32(&FBytes[ofsRebuildFlag]); }
std::string TGameEntry::GetGameName() const { return GetText(&FBytes[ofsGameName], TPuzzleInfo::TextSize); }
std::string TGameEntry::GetGameDescription() const
{
    return GetText(&FBytes[ofsGameDescription], TPuzzleInfo::TextSize);
}
uint32_t TGameEntry::GetRecordPosition() const { return GetUInt32(&FBytes[ofsRecordPosition]); }

// ---- TIssueEntry

TIssueEntry::TIssueEntry(uint32_t Version, uint32_t IssueNumber, const std::string& Description,
                         const std::string& FileName)
{
    PutUInt32(&FBytes[ofsVersion], Version);
    PutUInt32(&FBytes[ofsIssueNumber], IssueNumber);
    FBytes[ofsKind] = 'F';
    PutText(&FBytes[ofsDescription], TextSize, Description);
    PutText(&FBytes[ofsFileName], TextSize, FileName);
}

uint32_t TIssueEntry::GetVersion() const { return GetUInt32(&FBytes[ofsVersion]); }
uint32_t TIssueEntry::GetIssueNumber() const { return GetUInt32(&FBytes[ofsIssueNumber]); }
std::string TIssueEntry::GetDescription() const { return GetText(&FBytes[ofsDescription], TextSize); }
std::string TIssueEntry::GetFileName() const { return GetText(&FBytes[ofsFileName], TextSize); }
uint32_t TIssueEntry::GetGameCount() const { return GetUInt32(&FBytes[ofsGameCount]); }
std::string TIssueEntry::GetSource() const { return GetText(&FBytes[ofsSource], TextSize); }
void TIssueEntry::SetSource(const std::string& Source) { PutText(&FBytes[ofsSource], TextSize, Source); }

void TIssueEntry::AddGame(const TGameEntry& Game)
{
    FGames.push_back(Game);
    PutUInt32(&FBytes[ofsGameCount], static_cast<uint32_t>(FGames.size()));
}

// ---- TGamesDataFile

namespace {

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
std::string FileSource(const std::string& FileName, char Origin)
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
    return std::string(1, Origin) + ":" + std::to_string(size) + ":" +
           std::to_string(static_cast<long long>(time.time_since_epoch().count()));
}

bool FileExists(const std::string& FileName)
{
    std::error_code error;
    return std::filesystem::exists(Platform::PathFromUtf8(FileName), error);
}

// Why a file name cannot be listed, or empty when it can.
std::string NameProblem(const std::string& Name)
{
    if (Name.size() > static_cast<size_t>(TGamesDataFile::MaxFileNameLength)) {
        // A shortened name would never match its file again and the issue
        // would be taken in at every start.
        return Format("Issue file %s is not used: its name is longer than %d characters", Name.c_str(),
                      TGamesDataFile::MaxFileNameLength);
    }
    if (!IsPlainFileName(Name)) {
        // Such a name (a colon or backslash is legal in some file systems)
        // could never be opened as a game again.
        return Format("Issue file %s is not used: its name holds a path character", Name.c_str());
    }
    return std::string();
}

}  // namespace

TGamesDataFile::TGamesDataFile(const std::string& ProgramFolder, TDataReporter& Reporter)
    : TGamesDataFile(TCatalogueFolders::BesideProgram(ProgramFolder), Reporter)
{
}

TGamesDataFile::TGamesDataFile(const TCatalogueFolders& Folders, TDataReporter& Reporter)
    : FFolders(Folders), FReporter(Reporter)
{
    Load();
}

std::string TGamesDataFile::FileName() const
{
    return FFolders.CatalogueFile();
}

void TGamesDataFile::Load()
{
    if (FFolders.Installed()) {
        // The player's folders are made at the first start; when that fails,
        // saving reports it.
        std::error_code ignored;
        std::filesystem::create_directories(Platform::PathFromUtf8(FFolders.PlayerIssues()), ignored);
        LoadRefused();
    }
    bool changed = false;
    try {
        TFileStream source(FileName(), TFileMode::fmOpenRead);
        uint8_t header[HeaderSize];
        source.ReadBuffer(header, HeaderSize);
        FVersion = GetUInt32(header);
        const uint32_t issueCount = GetUInt32(header + 4);
        const uint32_t gameCount = GetUInt32(header + 8);
        FGameCount = gameCount;
        // A damaged catalogue is cut back to what was read; saving it makes
        // the file agree again instead of reporting the same damage forever.
        changed = !ReadEntries(source, issueCount, gameCount);
    } catch (const Exception&) {
        // Missing or without a whole header: a new, empty catalogue.
        FVersion = 1;
        FGameCount = 0;
        FIssues.clear();
        changed = true;
    }
    if (ScanIssueFolder()) {
        changed = true;
    }
    // Without the folder of the catalogue (a copy run in place whose
    // "ISSUES" is missing) there is nothing to list and nowhere to keep the
    // list: nothing is written and no folder is made.
    std::error_code folderError;
    if (changed && std::filesystem::is_directory(Platform::PathFromUtf8(FileName()).parent_path(), folderError)) {
        Save();
    }
    if (FRefusedChanged) {
        SaveRefused();
    }
}

bool TGamesDataFile::ReadEntries(TStream& Source, uint32_t IssueCountRead, uint32_t GameCountRead)
{
    uint32_t issuesFound = 0;
    uint32_t gamesFound = 0;
    try {
        const int64_t size = Source.GetSize();
        while (Source.GetPosition() < size) {
            TIssueEntry entry;
            Source.ReadBuffer(entry.FBytes.data(), TIssueEntry::EntrySize);
            PutUInt32(&entry.FBytes[TIssueEntry::ofsGamesLink], 0);
            // The stated count is not trusted for sizing: the games are read
            // one by one and a damaged count ends in a read error.
            const uint32_t games = entry.GetGameCount();
            for (uint32_t game = 0; game < games; ++game) {
                TGameEntry gameEntry;
                Source.ReadBuffer(gameEntry.Bytes().data(), TGameEntry::EntrySize);
                entry.FGames.push_back(gameEntry);
            }
            ++issuesFound;
            gamesFound += games;
            // Entries beyond the header's count are counted for the message
            // but never held.
            if (FIssues.size() < IssueCountRead) {
                FIssues.push_back(std::move(entry));
            }
        }
        if (issuesFound != IssueCountRead || gamesFound != GameCountRead) {
            throw Exception(Format("Problem with GAMES.DAT file. Expected %u issues, %u games: found %u and %u",
                                   IssueCountRead, GameCountRead, issuesFound, gamesFound));
        }
        return true;
    } catch (const Exception& error) {
        FReporter.ShowMessage(error.Message());
        uint32_t held = 0;
        for (const TIssueEntry& issue : FIssues) {
            held += static_cast<uint32_t>(issue.Games().size());
        }
        FGameCount = held;
        return false;
    }
}

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
    std::unordered_set<std::string> listed;
    for (const TIssueEntry& issue : FIssues) {
        const std::string stored = issue.GetFileName();
        listed.insert(stored);
        listed.insert(DataFields::TrimBlanks(stored));
    }
    bool changed = false;
    try {
        for (const std::string& name : ListIssueFiles(FFolders.BundledIssues)) {
            if (listed.count(name) != 0) {
                continue;
            }
            if (const std::string problem = NameProblem(name); !problem.empty()) {
                FReporter.ShowMessage(problem);
                continue;
            }
            Append(ReadIssue(FFolders.BundledIssues, name));
            listed.insert(name);
            changed = true;
        }
    } catch (const std::exception& error) {
        // Issues taken in so far stay and are saved by the caller.
        FReporter.ShowInstallationError(error.what());
    }
    return changed;
}

bool TGamesDataFile::ScanPlayerFolders()
{
    bool changed = false;
    const std::vector<std::string> bundled = ListIssueFiles(FFolders.BundledIssues);
    for (const std::string& name : bundled) {
        changed = Refresh(FFolders.BundledIssues, name, 'B') || changed;
    }
    const std::unordered_set<std::string> bundledNames(bundled.begin(), bundled.end());
    std::set<std::string> present;
    for (const std::string& name : ListIssueFiles(FFolders.PlayerIssues())) {
        const std::string source = FileSource(FFolders.PlayerIssues() + name, 'P');
        present.insert(name + '\t' + source);
        if (bundledNames.count(name) != 0) {
            Refuse(name, source,
                   Format("Issue file %s in %s is not used: an issue file of that name came with the game", name.c_str(),
                          FFolders.PlayerIssues().c_str()));
            continue;
        }
        changed = Refresh(FFolders.PlayerIssues(), name, 'P') || changed;
    }
    // A refused file that was removed or changed is looked at afresh.
    for (auto it = FRefused.begin(); it != FRefused.end();) {
        if (present.count(*it) == 0) {
            it = FRefused.erase(it);
            FRefusedChanged = true;
        } else {
            ++it;
        }
    }
    return changed;
}

TIssueEntry* TGamesDataFile::Listed(const std::string& Name)
{
    for (TIssueEntry& issue : FIssues) {
        const std::string stored = issue.GetFileName();
        if (stored == Name || DataFields::TrimBlanks(stored) == Name) {
            return &issue;
        }
    }
    return nullptr;
}

void TGamesDataFile::Refuse(const std::string& Name, const std::string& Source, const std::string& Message)
{
    if (FRefused.insert(Name + '\t' + Source).second) {
        FRefusedChanged = true;
        FReporter.ShowMessage(Message);
    }
}

bool TGamesDataFile::Refresh(const std::string& Folder, const std::string& Name, char Origin)
{
    const std::string source = FileSource(Folder + Name, Origin);
    TIssueEntry* listed = Listed(Name);
    if (listed != nullptr && listed->GetSource() == source) {
        return false;
    }
    if (Origin == 'P' && FRefused.count(Name + '\t' + source) != 0) {
        return false;
    }
    const auto report = [&](const std::string& message) {
        if (Origin == 'P') {
            Refuse(Name, source, message);
        } else {
            FReporter.ShowInstallationError(message);
        }
    };
    if (const std::string problem = NameProblem(Name); !problem.empty()) {
        report(problem);
        return false;
    }
    try {
        TIssueEntry entry = ReadIssue(Folder, Name);
        entry.SetSource(source);
        if (Origin == 'P') {
            const int same = IssueIndex(entry.GetIssueNumber());
            if (same >= 0 && &FIssues[static_cast<size_t>(same)] != listed) {
                report(Format("Issue file %s in %s is not used: its issue %u is listed already as %s", Name.c_str(),
                              Folder.c_str(), entry.GetIssueNumber(),
                              FIssues[static_cast<size_t>(same)].GetFileName().c_str()));
                return false;
            }
        }
        if (listed == nullptr) {
            Append(std::move(entry));
        } else {
            // Read again in place: the issue keeps its place and its games
            // are those of the file as it is now, never listed twice.
            FGameCount -= static_cast<uint32_t>(listed->Games().size());
            FGameCount += static_cast<uint32_t>(entry.Games().size());
            *listed = std::move(entry);
        }
        return true;
    } catch (const std::exception& error) {
        // A changed file that cannot be read again stays listed with its old
        // source, so its games are refused rather than read from wrong places.
        report(error.what());
        return false;
    }
}

TIssueEntry TGamesDataFile::ReadIssue(const std::string& Folder, const std::string& Name) const
{
    TDistributionFile issue(Folder + Name);
    TIssueEntry entry(issue.GetVersion(), issue.GetIssueNumber(), issue.GetDescription(), Name);
    entry.FGames.reserve(static_cast<size_t>(issue.GameCount()));
    for (int game = 0; game < issue.GameCount(); ++game) {
        entry.AddGame(TGameEntry(issue.GameRecord(game), issue.RecordPosition(game)));
    }
    return entry;
}

void TGamesDataFile::Append(TIssueEntry Entry)
{
    FGameCount += static_cast<uint32_t>(Entry.Games().size());
    FIssues.push_back(std::move(Entry));
}

std::string TGamesDataFile::FolderOf(const TIssueEntry& Issue) const
{
    return FFolders.Installed() && Issue.GetSource().rfind("P:", 0) == 0 ? FFolders.PlayerIssues()
                                                                         : FFolders.BundledIssues;
}

void TGamesDataFile::LoadRefused()
{
    std::ifstream list(Platform::PathFromUtf8(FFolders.RefusedList()));
    std::string line;
    while (std::getline(list, line)) {
        if (line.find('\t') != std::string::npos) {
            FRefused.insert(line);
        }
    }
}

void TGamesDataFile::SaveRefused() const
{
    // Losing this list only means a refused file is reported once more.
    std::ofstream list(Platform::PathFromUtf8(FFolders.RefusedList()), std::ios::trunc);
    for (const std::string& line : FRefused) {
        list << line << '\n';
    }
}

int TGamesDataFile::AddIssueFile(const std::string& SourceFile)
{
    const std::string name = Platform::Utf8FromPath(Platform::PathFromUtf8(SourceFile).filename());
    if (!HasIssueExtension(name)) {
        throw Exception(Format("%s is not an issue file (*.ISS)", name.c_str()));
    }
    if (const std::string problem = NameProblem(name); !problem.empty()) {
        throw Exception(problem);
    }
    const std::string folder = FFolders.AddedIssues();
    if (FFolders.Installed() && FileExists(FFolders.BundledIssues + name)) {
        throw Exception(Format("Issue file %s is not added: an issue file of that name came with the game", name.c_str()));
    }
    if (FileExists(folder + name) || Listed(name) != nullptr) {
        throw Exception(Format("Issue file %s is not added: an issue file of that name is in %s already", name.c_str(),
                               folder.c_str()));
    }
    const uint32_t issueNumber = TDistributionFile(SourceFile).GetIssueNumber();
    if (const int same = IssueIndex(issueNumber); same >= 0) {
        throw Exception(Format("Issue file %s is not added: its issue %u is listed already as %s", name.c_str(),
                               issueNumber, FIssues[static_cast<size_t>(same)].GetFileName().c_str()));
    }
    // Copied under a temporary name and then moved, so the folder never
    // holds half a file that the next start would report.
    const std::string target = folder + name;
    const std::string temporary = target + ".new";
    std::error_code error;
    std::filesystem::create_directories(Platform::PathFromUtf8(folder), error);
    std::filesystem::copy_file(Platform::PathFromUtf8(SourceFile), Platform::PathFromUtf8(temporary),
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error || !Platform::ReplaceFile(temporary, target)) {
        std::error_code ignored;
        std::filesystem::remove(Platform::PathFromUtf8(temporary), ignored);
        throw Exception(Format("Issue file %s could not be copied to %s", name.c_str(), folder.c_str()));
    }
    TIssueEntry entry = ReadIssue(folder, name);
    if (FFolders.Installed()) {
        entry.SetSource(FileSource(target, 'P'));
    }
    Append(std::move(entry));
    Save();
    return IssueCount() - 1;
}

std::vector<uint8_t> TGamesDataFile::Serialise() const
{
    size_t size = HeaderSize;
    for (const TIssueEntry& issue : FIssues) {
        size += TIssueEntry::EntrySize + issue.Games().size() * TGameEntry::EntrySize;
    }
    std::vector<uint8_t> bytes(size);
    uint8_t* at = bytes.data();
    PutUInt32(at, FVersion);
    PutUInt32(at + 4, static_cast<uint32_t>(FIssues.size()));
    PutUInt32(at + 8, FGameCount);
    at += HeaderSize;

    uint32_t written = 0;
    for (const TIssueEntry& issue : FIssues) {
        std::memcpy(at, issue.FBytes.data(), TIssueEntry::EntrySize);
        PutUInt32(at + TIssueEntry::ofsGamesLink, 0);
        at += TIssueEntry::EntrySize;
        for (const TGameEntry& game : issue.Games()) {
            std::memcpy(at, game.Bytes().data(), TGameEntry::EntrySize);
            at += TGameEntry::EntrySize;
            ++written;
        }
    }
    if (written != FGameCount) {
        throw Exception(
            Format("Problem with GAMES.DAT file. Expected to write %u games: wrote %u", FGameCount, written));
    }
    return bytes;
}

bool TGamesDataFile::Save()
{
    const std::string target = FileName();
    const std::string temporary = target + ".new";
    try {
        const std::vector<uint8_t> bytes = Serialise();
        {
            TFileStream file(temporary, TFileMode::fmCreate);
            file.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
            file.Flush();
        }
        if (!Platform::ReplaceFile(temporary, target)) {
            throw Exception(Format("Could not replace %s", target.c_str()));
        }
        return true;
    } catch (const Exception& error) {
        std::error_code ignored;
        std::filesystem::remove(Platform::PathFromUtf8(temporary), ignored);
        FReporter.ShowMessage(error.Message());
        return false;
    }
}

const TIssueEntry& TGamesDataFile::Issue(int Index) const
{
    if (FIssues.empty()) {
        throw Exception("There are no issues listed in the games file");
    }
    if (Index < 0 || static_cast<size_t>(Index) >= FIssues.size()) {
        return FIssues.front();
    }
    return FIssues[static_cast<size_t>(Index)];
}

int TGamesDataFile::IssueIndex(uint32_t IssueNumber) const
{
    for (size_t i = 0; i < FIssues.size(); ++i) {
        if (FIssues[i].GetIssueNumber() == IssueNumber) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const TIssueEntry& TGamesDataFile::IssueByNumber(uint32_t IssueNumber) const
{
    return Issue(IssueIndex(IssueNumber));
}

const TGameEntry& TGamesDataFile::FindGame(uint32_t GameNumber) const
{
    return *FindGameAndIssue(GameNumber).second;
}

std::pair<const TIssueEntry*, const TGameEntry*> TGamesDataFile::FindGameAndIssue(uint32_t GameNumber) const
{
    if (FIssues.empty()) {
        throw Exception("There are no games listed in the games file");
    }
    for (const TIssueEntry& issue : FIssues) {
        for (const TGameEntry& game : issue.Games()) {
            if (game.GetGameNumber() == GameNumber) {
                return {&issue, &game};
            }
        }
    }
    const TIssueEntry& first = FIssues.front();
    if (first.Games().empty()) {
        throw Exception(Format("Game %u is not listed in the games file and its first issue has no games", GameNumber));
    }
    return {&first, &first.Games().front()};
}

void TGamesDataFile::OpenGame(uint32_t /*IssueNumber*/, uint32_t GameNumber, TPuzzleInfo& Record,
                              TStream& Stream) const
{
    // The issue is the one whose entry holds the game: a game record whose
    // issue number disagrees with its issue header still opens from its own
    // file.
    const auto [issue, game] = FindGameAndIssue(GameNumber);
    const std::string name = issue->GetFileName();
    if (!IsPlainFileName(name)) {
        throw Exception(Format("Invalid issue file name \"%s\" in the games file", name.c_str()));
    }
    const std::string folder = FolderOf(*issue);
    const std::string now = FFolders.Installed() ? FileSource(folder + name, folder == FFolders.BundledIssues ? 'B' : 'P')
                                                 : std::string();
    if (!now.empty() && now != issue->GetSource()) {
        // Its record positions belong to the content it had when listed.
        throw Exception(Format("Issue file %s has changed since its games were listed", name.c_str()));
    }
    TFileStream source(folder + name, TFileMode::fmOpenRead);
    const std::unique_ptr<TDistributionFile> file = TDistributionFile::ReadGame(source, name, game->GetRecordPosition());
    Record.Assign(file->GameRecord(0));
    TMemoryStream& puzzle = file->PuzzleStream(0);
    CopyStream(puzzle, 0, Stream, puzzle.GetSize());
    Stream.SetPosition(0);
}
