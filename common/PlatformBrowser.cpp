// The platform's part of opening a web address: the registered browser
// command on Windows, the desktop's opener elsewhere.
#include "BrowserCommand.h"

#include "Exception.h"
#include "Platform.h"

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#else
#include <spawn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <thread>

extern char** environ;
#endif

namespace {

#if defined(_WIN32)

// The default value of the key, UTF-8; empty when the key or value is
// missing or not a string.
std::string RegisteredBrowserCommand()
{
    const wchar_t* const Key = L"HTTP\\shell\\open\\command";
    // Read as stored, as the command has always been read: unexpanded.
    const DWORD Flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    DWORD Size = 0;
    if (RegGetValueW(HKEY_CLASSES_ROOT, Key, nullptr, Flags, nullptr, nullptr, &Size) != ERROR_SUCCESS || Size == 0)
        return std::string();
    std::wstring Value(Size / sizeof(wchar_t) + 1, L'\0');
    Size = static_cast<DWORD>(Value.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CLASSES_ROOT, Key, nullptr, Flags, nullptr, Value.data(), &Size) != ERROR_SUCCESS)
        return std::string();
    return Platform::Utf8FromWide(Value.c_str(), std::wcslen(Value.c_str()));
}

#else

// The first executable regular file named Program in the folders of PATH;
// empty when there is none. Empty PATH entries (the current folder) are not
// searched: the address would otherwise go to whatever program sits there.
std::string FindOnPath(const std::string& Program)
{
    const char* Path = std::getenv("PATH");
    const std::string Folders = Path != nullptr ? Path : "/usr/local/bin:/usr/bin:/bin";
    size_t Start = 0;
    while (Start <= Folders.size()) {
        size_t End = Folders.find(':', Start);
        if (End == std::string::npos)
            End = Folders.size();
        if (End > Start) {
            const std::string Candidate = Folders.substr(Start, End - Start) + "/" + Program;
            struct stat Info {};
            if (stat(Candidate.c_str(), &Info) == 0 && S_ISREG(Info.st_mode) && access(Candidate.c_str(), X_OK) == 0)
                return Candidate;
        }
        Start = End + 1;
    }
    return std::string();
}

#endif

}  // namespace

void OpenBrowser(const std::string& Address)
{
    if (Address.empty())
        throw Exception(NoBrowserMessage);
#if defined(_WIN32)
    const TBrowserCommand Command = ParseBrowserCommand(RegisteredBrowserCommand(), Address);
    const std::wstring Program = Platform::WideFromUtf8(Command.Program);
    const std::wstring Parameters = Platform::WideFromUtf8(Command.Parameters);
    const HINSTANCE Started =
        ShellExecuteW(nullptr, L"open", Program.c_str(), Parameters.c_str(), nullptr, SW_SHOWNORMAL);
    // The shell answers a value above 32 when it started the program.
    if (reinterpret_cast<INT_PTR>(Started) <= 32)
        throw Exception(NoBrowserMessage);
#else
    const std::string Opener = FindOnPath("xdg-open");
    if (Opener.empty())
        throw Exception(NoBrowserMessage);
    std::string Argument = Address;
    char* Arguments[] = {const_cast<char*>(Opener.c_str()), Argument.data(), nullptr};
    pid_t Child = 0;
    if (posix_spawn(&Child, Opener.c_str(), nullptr, nullptr, Arguments, environ) != 0)
        throw Exception(NoBrowserMessage);
    // The opener may run as long as the browser it starts; it is reaped
    // aside so the window goes on at once and no finished process lingers.
    std::thread([Child] {
        int Status = 0;
        while (waitpid(Child, &Status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
#endif
}
