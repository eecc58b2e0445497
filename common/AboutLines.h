#pragma once
// The lines of the About box, composed from a version-information source:
// the product name, "Version %u.%u", the legal notice, the comment and the
// trademark line. Plain text, UTF-8.

#include "VersionInfo.h"

#include <string>

struct TAboutLines {
    std::string ProductName;
    std::string Version;
    std::string Notice;
    std::string Comments;
    std::string TradeMarks;
};

// The notice line when the file's "LegalCopyright" is empty or missing.
extern const char* const DefaultNoticeText;
// The owner named on the trademark line when "CompanyName" is empty or
// missing.
extern const char* const DefaultOwnerName;
// The comment the About command passes: a notice about sharing the program
// and its issue files.
extern const char* const SharingNoticeText;

// ProductName is the application title; Comment replaces whatever comment
// the file carries. A file without a version number leaves the version line
// empty, its design text; a missing or empty "LegalTrademarks" leaves the
// trademark line empty.
TAboutLines ComposeAboutLines(const TVersionInfoSource& Source, const std::string& ProductName,
                              const std::string& Comment);
