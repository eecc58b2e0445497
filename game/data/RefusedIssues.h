#pragma once
// The issue files the catalogue refused, so that each is reported once and
// not read again at every start. Kept in a small text file beside the
// catalogue: one line a file, its name, a tab and its source (where it is, its
// size and time when refused), and a third field "open" when the file could
// not be opened or read. A file refused for its content is left alone until
// it changes (its source then differs); one refused for access is tried again
// at every start, since fixing its permissions changes neither size nor time,
// but reported only once.
//
// The list is the catalogue's memory, not the player's work: when it cannot
// be read or written, a refused file is only reported once more.

#include <set>
#include <string>

class TRefusedIssues {
public:
    // The list kept in ListFile; an empty name keeps it in memory only.
    explicit TRefusedIssues(std::string ListFile);

    void Load();
    // Writes the list whole when it changed; failures are ignored.
    void Save();

    // Whether the file Name with Source was refused for its content.
    bool Skips(const std::string& Name, const std::string& Source) const;
    // Records a refusal; answers true when it is news (the caller reports it).
    bool Refuse(const std::string& Name, const std::string& Source, bool Access);
    // Forgets the refusal of a file that has since been taken in.
    void Forget(const std::string& Name, const std::string& Source);
    // Forgets every refusal whose name and source are not in Present
    // ("name<tab>source" each): a file removed or changed is looked at afresh.
    void KeepOnly(const std::set<std::string>& Present);

    bool Changed() const { return FChanged; }

private:
    std::string FListFile;
    // "name<tab>source" of the files refused for their content and of those
    // refused for access.
    std::set<std::string> FContent;
    std::set<std::string> FAccess;
    bool FChanged = false;
};
