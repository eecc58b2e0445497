#pragma once
// Where the games catalogue lives and which folders of issue files feed it.
//
// A copy run from the folder it was built or unpacked in keeps everything in
// the "ISSUES" folder beside the program, which it writes. An installed copy
// (its installation leaves the marker file InstallMarkerName beside the
// program) never writes beside the program: each player's catalogue
// "GAMES.DAT" and own issue folder "ISSUES" sit in that player's data folder,
// and the issue files beside the program are only read. The marker alone
// decides, never whether the folder can be written, so an installed copy run
// by an administrator writes nothing into the installation either.

#include "Text.h"

#include <string>

// Where an issue file came from: with the program (its folder BundledIssues)
// or from the player (PlayerIssues, an installed copy only).
enum class TIssueOrigin { Bundled, Player };

// "INSTALLED", written beside the program by its installation.
extern const char* const InstallMarkerName;

// Folders end in a path separator.
struct TCatalogueFolders {
    // The issue files that came with the program.
    std::string BundledIssues;
    // The player's data folder; empty for a copy run in place.
    std::string PlayerFolder;

    bool Installed() const { return !PlayerFolder.empty(); }
    std::string CatalogueFile() const;
    // The player's own issue files, beside the catalogue; empty for a copy
    // run in place, whose one issue folder is BundledIssues.
    std::string PlayerIssues() const;
    // Where an issue file the player adds goes.
    std::string AddedIssues() const;
    // The games made on this computer, beside the catalogue.
    std::string MadeGamesFile() const;
    // The issue files that were refused, so each is reported once: in the
    // player's data folder, or beside the catalogue of a copy run in place.
    std::string RefusedList() const;
    // The lock that two copies of the program take in turn while they read
    // and write the catalogue.
    std::string CatalogueLock() const;
    // The folder of the issue files of Origin.
    std::string IssuesOf(TIssueOrigin Origin) const;

    // Everything in ProgramFolder's "ISSUES" folder.
    static TCatalogueFolders BesideProgram(const std::string& ProgramFolder);
    // The issue files beside the program, the rest in PlayerDataFolder.
    static TCatalogueFolders ForPlayer(const std::string& ProgramFolder, const std::string& PlayerDataFolder);
    // ForPlayer when ProgramFolder holds the install marker, else
    // BesideProgram.
    static TCatalogueFolders Of(const std::string& ProgramFolder, const std::string& PlayerDataFolder);
};

// The longest issue file name the catalogue can store whole.
constexpr int MaxIssueFileNameLength = 64;

// Whether Name ends in ".ISS", in any case.
bool HasIssueExtension(const std::string& Name);
// A stored name must name a file of its issue folder, nothing beside or
// above it: no separator, no drive colon, not "." or "..".
bool IsPlainFileName(const std::string& Name);
// Where the file is and what it is now, as "B:" or "P:" (Origin), size and
// last write time; empty when the file cannot be looked at.
std::string IssueFileSource(const std::string& FileName, TIssueOrigin Origin);
bool FileExists(const std::string& FileName);
// Why a file name cannot be listed, or an empty plain text when it can.
TText IssueNameProblem(const std::string& Name);
