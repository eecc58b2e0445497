#include "BrowserCommand.h"

#include "Exception.h"

const TTextSource NoBrowserMessage = TR_TEXT("BrowserCommand", "Unable to find start command for internet browser");

namespace {

// The command's parameter part is read into a buffer of 1000 characters
// with its terminator.
constexpr size_t MaxParameterLength = 999;

bool IsContinuationByte(char Byte)
{
    return (static_cast<unsigned char>(Byte) & 0xC0) == 0x80;
}

}  // namespace

TBrowserCommand ParseBrowserCommand(const std::string& Command, const std::string& Address)
{
    TBrowserCommand Result;
    size_t RestStart = 0;
    if (!Command.empty() && Command[0] == '"') {
        const size_t Closing = Command.find('"', 1);
        RestStart = Closing == std::string::npos ? Command.size() : Closing + 1;
        Result.Program = Command.substr(1, (Closing == std::string::npos ? Command.size() : Closing) - 1);
    } else {
        const size_t Blank = Command.find(' ');
        RestStart = Blank == std::string::npos ? Command.size() : Blank;
        Result.Program = Command.substr(0, RestStart);
    }
    if (Result.Program.empty())
        throw Exception(NoBrowserMessage);

    std::string Rest = Command.substr(RestStart);
    if (Rest.size() > MaxParameterLength) {
        size_t Cut = MaxParameterLength;
        while (Cut > 0 && IsContinuationByte(Rest[Cut]))
            --Cut;
        Rest.resize(Cut);
    }
    const size_t Marker = Rest.find("%1");
    if (Marker == std::string::npos)
        Result.Parameters = Address;
    else
        Result.Parameters = Rest.replace(Marker, 2, Address);
    return Result;
}
