#pragma once
// The games catalogue: every issue the program knows and every game in them,
// kept in "GAMES.DAT" (CatalogueFolders.h says where), so that games can be
// listed without opening the issue files and opened by number.
//
// GAMES.DAT: format version, issue count, game count (over all issues), then
// for each issue its 212-byte issue entry directly followed by its 160-byte
// game entries. All integers 32-bit little-endian, texts NUL-padded.
//
// The catalogue only grows: issues are taken in but never removed.
//
// An installed copy's catalogue is fed by two folders, the issue files that
// came with the program and the player's own. Each issue entry then records
// in its otherwise unused text field where its file is and the file's size
// and time when it was read ("B:" or "P:", size, time), so that a file that
// changed (an upgrade) is read again in place and never opened through the
// record positions of its old content. A player's file whose name is that of
// a file that came with the program, whose issue is listed already under
// another name, or that cannot be read is refused with a message once, and
// the others go on. A copy run in place keeps the one folder, as always.

#include "CatalogueFolders.h"
#include "DataReporter.h"
#include "PuzzleInfo.h"

#include <array>
#include <set>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class TStream;

// One game as the catalogue lists it, filled from its game record.
class TGameEntry {
public:
    static constexpr int EntrySize = 160;
    static constexpr int ofsRecordFormat = 0;
    static constexpr int ofsIssueNumber = 4;
    static constexpr int ofsGameNumber = 8;
    static constexpr int ofsLayoutType = 12;
    static constexpr int ofsRebuildFlag = 16;
    static constexpr int ofsByte16 = 20;
    static constexpr int ofsGameName = 21;
    static constexpr int ofsGameDescription = 85;
    static constexpr int ofsStreamKind = 149;
    static constexpr int ofsRecordPosition = 152;

    using TBytes = std::array<uint8_t, EntrySize>;

    TGameEntry() = default;
    // The entry of the game whose record starts at payload offset
    // RecordPosition of its issue file.
    TGameEntry(const TPuzzleInfo& Record, uint32_t RecordPosition);

    uint32_t GetRecordFormat() const;
    uint32_t GetIssueNumber() const;
    uint32_t GetGameNumber() const;
    uint8_t GetLayoutType() const { return FBytes[ofsLayoutType]; }
    uint32_t GetRebuildFlag() const;
    uint8_t GetByte16() const { return FBytes[ofsByte16]; }
    std::string GetGameName() const;
    std::string GetGameDescription() const;
    uint8_t GetStreamKind() const { return FBytes[ofsStreamKind]; }
    uint32_t GetRecordPosition() const;

    // The entry as stored; uninterpreted bytes travel unchanged.
    const TBytes& Bytes() const { return FBytes; }
    TBytes& Bytes() { return FBytes; }

private:
    TBytes FBytes{};
};

// One issue as the catalogue lists it, with its games in issue order.
class TIssueEntry {
public:
    static constexpr int EntrySize = 212;
    static constexpr int TextSize = 64;
    static constexpr int ofsVersion = 0;
    static constexpr int ofsIssueNumber = 4;
    static constexpr int ofsKind = 8;
    static constexpr int ofsDescription = 9;
    static constexpr int ofsFileName = 73;
    static constexpr int ofsSource = 137;
    static constexpr int ofsGameCount = 204;
    static constexpr int ofsGamesLink = 208;

    using TBytes = std::array<uint8_t, EntrySize>;

    TIssueEntry() = default;
    // A new entry: version and number and description of the issue, byte 8
    // 'F', the file name (at most 64 characters, without NUL when it fills
    // the field), no games yet.
    TIssueEntry(uint32_t Version, uint32_t IssueNumber, const std::string& Description, const std::string& FileName);

    uint32_t GetVersion() const;
    uint32_t GetIssueNumber() const;
    std::string GetDescription() const;
    // The file name without folder, up to its first NUL.
    std::string GetFileName() const;
    // The game count the entry states; equal to Games().size().
    uint32_t GetGameCount() const;
    // Where the file was read from and what it was then; empty in a
    // catalogue of a copy run in place.
    std::string GetSource() const;
    void SetSource(const std::string& Source);

    const std::vector<TGameEntry>& Games() const { return FGames; }
    // Appends a game and counts it in the entry.
    void AddGame(const TGameEntry& Game);

    const TBytes& Bytes() const { return FBytes; }

private:
    friend class TGamesDataFile;
    TBytes FBytes{};
    std::vector<TGameEntry> FGames;
};

// A copy of one game entry, for the lines of the choose-game list.
class TIssueGame {
public:
    explicit TIssueGame(const TGameEntry& Entry) : FEntry(Entry) {}
    const TGameEntry& Entry() const { return FEntry; }

private:
    TGameEntry FEntry;
};

class TGamesDataFile {
public:
    static constexpr int HeaderSize = 12;
    static constexpr int MaxFileNameLength = TIssueEntry::TextSize;

    // Loads ProgramFolder's catalogue, takes in the issue files of its
    // "ISSUES" folder that it does not list yet and saves it when anything
    // changed. Problems it survives go to Reporter: damaged catalogue and
    // failed saves as plain messages, an issue file that cannot be taken in
    // in the installation error box. Reporter must outlive the catalogue.
    TGamesDataFile(const std::string& ProgramFolder, TDataReporter& Reporter);
    // The same for the catalogue and issue folders of Folders.
    TGamesDataFile(const TCatalogueFolders& Folders, TDataReporter& Reporter);

    const TCatalogueFolders& Folders() const { return FFolders; }

    uint32_t GetVersion() const { return FVersion; }
    int IssueCount() const { return static_cast<int>(FIssues.size()); }
    uint32_t GameCount() const { return FGameCount; }

    // The issue at Index; an index outside the list gives the first issue.
    // An empty catalogue raises Exception.
    const TIssueEntry& Issue(int Index) const;
    // The first issue with IssueNumber in catalogue order, or -1.
    int IssueIndex(uint32_t IssueNumber) const;
    // The issue at IssueIndex(IssueNumber): the first issue when none has it.
    const TIssueEntry& IssueByNumber(uint32_t IssueNumber) const;

    // The first game with GameNumber in catalogue order; when none has it,
    // the first game of the first issue. Raises "There are no games listed in
    // the games file" for an empty catalogue, and a clear Exception when the
    // number is not listed and the first issue has no games.
    const TGameEntry& FindGame(uint32_t GameNumber) const;

    // Opens the game with GameNumber (found as FindGame does) from its issue
    // file: copies its record into Record and its puzzle stream into Stream
    // at Stream's position, then sets Stream to position 0. IssueNumber is
    // not used; games are found by number alone. Errors of the issue file are
    // raised; Stream then holds what was copied before the error.
    void OpenGame(uint32_t IssueNumber, uint32_t GameNumber, TPuzzleInfo& Record, TStream& Stream) const;

    // Writes the catalogue to a temporary file and moves it over GAMES.DAT,
    // so the old catalogue stays whole until the new one is. A failure is
    // reported as a plain message and answers false.
    bool Save();

    // Copies the issue file SourceFile under its own name into the folder
    // for added issues and takes it in; answers the issue's index. Raises
    // Exception, copying nothing, when the file is not a sound issue file,
    // when its name cannot be listed or is taken (in that folder, by a file
    // that came with the program, or by an issue entry), when its issue is
    // listed already, or when the copy fails. A failed save of the catalogue
    // is reported; the copied file is then taken in at the next start.
    int AddIssueFile(const std::string& SourceFile);

    // The catalogue file, GAMES.DAT.
    std::string FileName() const;

private:
    std::pair<const TIssueEntry*, const TGameEntry*> FindGameAndIssue(uint32_t GameNumber) const;
    void Load();
    // Answers false when the entries disagreed with the header (reported).
    bool ReadEntries(TStream& Source, uint32_t IssueCountRead, uint32_t GameCountRead);
    bool ScanIssueFolder();
    bool ScanPlayerFolders();
    // Takes in or reads again the file Name of Folder (Origin 'B' for the
    // program's issue files, 'P' for the player's); answers true when the
    // catalogue changed. Failures are reported, the file then left aside.
    bool Refresh(const std::string& Folder, const std::string& Name, char Origin);
    void Refuse(const std::string& Name, const std::string& Source, const std::string& Message);
    TIssueEntry* Listed(const std::string& Name);
    // The issue entry of the file Name in Folder, with its games.
    TIssueEntry ReadIssue(const std::string& Folder, const std::string& Name) const;
    void Append(TIssueEntry Entry);
    std::string FolderOf(const TIssueEntry& Issue) const;
    static std::vector<std::string> ListIssueFiles(const std::string& Folder);
    void LoadRefused();
    void SaveRefused() const;
    std::vector<uint8_t> Serialise() const;

    TCatalogueFolders FFolders;
    TDataReporter& FReporter;
    // The player's refused files as name + tab + source; reported once each.
    std::set<std::string> FRefused;
    bool FRefusedChanged = false;
    uint32_t FVersion = 1;
    uint32_t FGameCount = 0;
    std::vector<TIssueEntry> FIssues;
};
