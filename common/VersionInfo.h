#pragma once
// The program file's version information: its version number and the
// strings of its "StringFileInfo\040904E4\" block ("LegalCopyright",
// "CompanyName", "LegalTrademarks", "Comments", ...). On Windows they are the
// executable's version resource, read with the system's version functions;
// elsewhere the same values, which come from the same place in the build,
// are compiled in. Texts are UTF-8.

#include <cstdint>
#include <optional>
#include <string>

// The major and minor parts of the file version (the high and low 16 bits of
// its most significant 32 bits).
struct TFileVersion {
    uint16_t Major = 0;
    uint16_t Minor = 0;
};

class TVersionInfoSource {
public:
    virtual ~TVersionInfoSource() = default;

    // None when the file carries no version information.
    virtual std::optional<TFileVersion> FileVersion() const = 0;
    // The string value of that name; none when the block lacks it.
    virtual std::optional<std::string> StringValue(const std::string& Name) const = 0;
};

// The running program's own version information; read once, lives for the
// whole run.
const TVersionInfoSource& ProgramVersionInfo();
