#pragma once
// The games catalogue: every issue the program knows and every game in them,
// kept in "GAMES.DAT" (its bytes: GamesDatFormat.h; where it is:
// CatalogueFolders.h), so that games can be listed without opening the issue
// files and opened by number. Refused files are remembered in
// RefusedIssues.h's list.
//
// The catalogue only grows: issues are taken in but never removed. A game
// listed twice (a file renamed, or a name damaged, is listed again under its
// own name) opens from the first entry whose file serves it.
//
// It repairs itself. A damaged GAMES.DAT is reported, and every issue it
// still lists is read again from its file; a game that cannot be opened
// through its entry (a damaged record position or count) has its issue file
// read again and is tried once more.
//
// Two copies of the program take the catalogue's lock in turn while they read
// it, take issues in and write it; a copy that writes later first takes in
// what the earlier one wrote.
//
// An installed copy's catalogue is fed by two folders, the issue files that
// came with the program and the player's own. Each issue entry then records
// in its otherwise unused text field where its file is and the file's size
// and time when it was read ("B:" or "P:", size, time), so that a file that
// changed (an upgrade) is read again in place and never opened through the
// record positions of its old content. A player's file whose name is that of
// a file that came with the program, whose issue is listed already under
// another name, or that cannot be read is refused with a message once, and
// the others go on. A copy run in place keeps the one folder, as always, and
// a file of it that cannot be taken in is likewise reported once and passed
// over.
//
// The games made on this computer (MadeGames.h) are listed as one more
// issue after the publishers' issues, "Made on this computer", while there
// are any; they are kept in a file of their own and never in GAMES.DAT. An
// issue file that uses their issue number or game numbers is refused.

#include "CatalogueFolders.h"
#include "DataReporter.h"
#include "GamesDatFormat.h"
#include "MadeGames.h"
#include "PuzzleInfo.h"
#include "RefusedIssues.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class TStream;

class TGamesDataFile {
public:
    static constexpr int HeaderSize = TGamesDatContent::HeaderSize;
    static constexpr int MaxFileNameLength = MaxIssueFileNameLength;
    static_assert(MaxIssueFileNameLength == TIssueEntry::TextSize);

    // Loads ProgramFolder's catalogue, takes in the issue files of its
    // "ISSUES" folder that it does not list yet and saves it when anything
    // changed. Problems it survives go to Reporter: damaged catalogue and
    // failed saves as plain messages, an issue file that cannot be taken in
    // in the installation error box. Reporter must outlive the catalogue.
    TGamesDataFile(const std::string& ProgramFolder, TDataReporter& Reporter);
    // The same for the catalogue and issue folders of Folders.
    TGamesDataFile(const TCatalogueFolders& Folders, TDataReporter& Reporter);

    const TCatalogueFolders& Folders() const { return FFolders; }

    uint32_t GetVersion() const { return FContent.Version; }
    // The issues listed, the made games' issue last.
    int IssueCount() const;
    uint32_t GameCount() const { return FContent.GameCount; }

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
    // Whether some issue lists the game GameNumber.
    bool ListsGame(uint32_t GameNumber) const;
    // The issue and game numbers of the first game of every issue that has
    // games, in catalogue order: where to start when a game cannot be opened.
    std::vector<std::pair<uint32_t, uint32_t>> FirstGames() const;

    // Opens the game with GameNumber (found as FindGame does) from its issue
    // file: copies its record into Record and its puzzle stream into Stream
    // at Stream's position, then sets Stream to position 0. IssueNumber is
    // not used; games are found by number alone. When the game is listed more
    // than once, the entries are tried in catalogue order. An entry that does
    // not lead to its game has its issue file read again (the entry is
    // repaired and saved) and is tried once more. Errors of the issue file
    // are raised, naming it; Stream then holds what was copied before.
    void OpenGame(uint32_t IssueNumber, uint32_t GameNumber, TPuzzleInfo& Record, TStream& Stream);

    // Writes the catalogue whole, under the catalogue's lock, first taking in
    // the issues another copy of the program wrote since this one read it. A
    // failure is reported as a plain message and answers false; GAMES.DAT
    // then stays as it was.
    bool Save();

    // Copies the issue file SourceFile under its own name into the folder
    // for added issues and takes it in; answers the issue's index. Raises
    // Exception, copying nothing, when the file is not a sound issue file,
    // when its name cannot be listed or is taken (in that folder, by a file
    // that came with the program, or by an issue entry), when its issue is
    // listed already, or when the copy fails. A failed save of the catalogue
    // is reported; the copied file is then taken in at the next start.
    int AddIssueFile(const std::string& SourceFile);

    // The games made on this computer.
    const TMadeGames& Made() const { return FMade; }
    // Whether Issue is the made games' issue.
    static bool IsMadeIssue(const TIssueEntry& Issue) { return Issue.GetIssueNumber() == MadeIssueNumber; }
    // Keeps a new made game under the catalogue's lock (MadeGames.h); answers
    // its game number.
    uint32_t AddMadeGame(TMadeGame Game);
    // Deletes a made game; false when it is not listed. Publishers' games
    // cannot be deleted.
    bool DeleteMadeGame(uint32_t GameNumber);

    // The catalogue file, GAMES.DAT.
    std::string FileName() const;

private:
    class TLock;

    void Load();
    bool MadeListed() const { return !FMade.Issue().Games().empty(); }
    bool ScanIssueFolder();
    bool ScanPlayerFolders();
    // Takes in or reads again the file Name of Origin's folder; answers true
    // when the catalogue changed. Failures are reported once, the file then
    // left aside.
    bool Refresh(TIssueOrigin Origin, const std::string& Name);
    // Why a file is refused: its name cannot be listed (a plain message), it
    // could not be opened (tried again at the next start), or its content.
    enum class TRefusal { Name, Access, Content };
    // Reports Message for the file Name of Origin once (Source: the file as it
    // is now).
    void Refuse(TIssueOrigin Origin, const std::string& Name, const std::string& Source, const std::string& Message,
                TRefusal Refusal);
    TIssueEntry* Listed(const std::string& Name);
    // The issue entry of the file Name in Folder, with its games.
    TIssueEntry ReadIssue(const std::string& Folder, const std::string& Name) const;
    void Append(TIssueEntry Entry);
    TIssueOrigin OriginOf(const TIssueEntry& Issue) const;
    std::string FolderOf(const TIssueEntry& Issue) const;
    bool FilePresent(const TIssueEntry& Issue) const;
    // Reads every listed issue again from its file, after damage.
    void RereadListed();
    // Opens game Game of issue Issue (indices) as OpenGame does.
    void OpenListed(size_t Issue, size_t Game, TPuzzleInfo& Record, TStream& Stream) const;
    // Reads issue Index again from its file; answers whether it could.
    bool Repair(size_t Index);
    // Takes in the issues of the catalogue on disk that this one lacks.
    void MergeWritten();
    static std::vector<std::string> ListIssueFiles(const std::string& Folder);

    TCatalogueFolders FFolders;
    TDataReporter& FReporter;
    TRefusedIssues FRefused;
    TGamesDatContent FContent;
    TMadeGames FMade;
    // The bytes of GAMES.DAT as this copy last read or wrote them.
    std::vector<uint8_t> FOnDisk;
    int FLockDepth = 0;
    intptr_t FLockHandle = -1;
};
