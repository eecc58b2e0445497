#include "Platform.h"

#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#include <share.h>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <sys/types.h>
#include <unistd.h>
#endif

namespace Platform {

char PathSeparator()
{
#if defined(_WIN32)
    return '\\';
#else
    return '/';
#endif
}

std::filesystem::path PathFromUtf8(const std::string& FileName)
{
    return std::filesystem::path(std::u8string(FileName.begin(), FileName.end()));
}

std::string Utf8FromPath(const std::filesystem::path& Path)
{
    const std::u8string Text = Path.u8string();
    return std::string(Text.begin(), Text.end());
}

#if defined(_WIN32)
std::wstring WideFromUtf8(const std::string& Text)
{
    if (Text.empty())
        return std::wstring();
    const int Size = MultiByteToWideChar(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
    std::wstring Result(static_cast<size_t>(Size > 0 ? Size : 0), L'\0');
    if (Size > 0)
        MultiByteToWideChar(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), Result.data(), Size);
    return Result;
}

std::string Utf8FromWide(const wchar_t* Text, size_t Length)
{
    if (Length == 0)
        return std::string();
    const int Size = WideCharToMultiByte(CP_UTF8, 0, Text, static_cast<int>(Length), nullptr, 0, nullptr, nullptr);
    std::string Result(static_cast<size_t>(Size > 0 ? Size : 0), '\0');
    if (Size > 0)
        WideCharToMultiByte(CP_UTF8, 0, Text, static_cast<int>(Length), Result.data(), Size, nullptr, nullptr);
    return Result;
}
#endif

std::FILE* OpenFile(const std::string& FileName, const char* Mode)
{
#if defined(_WIN32)
    // Others may read and write the file while we hold it, as a file opened
    // by the system's own dialogs would allow.
    const std::wstring WideMode(Mode, Mode + std::char_traits<char>::length(Mode));
    return _wfsopen(WideFromUtf8(FileName).c_str(), WideMode.c_str(), _SH_DENYNO);
#else
    return std::fopen(FileName.c_str(), Mode);
#endif
}

int SeekFile(std::FILE* File, int64_t Offset, int Whence)
{
#if defined(_WIN32)
    return _fseeki64(File, Offset, Whence);
#else
    return fseeko(File, static_cast<off_t>(Offset), Whence);
#endif
}

int64_t TellFile(std::FILE* File)
{
#if defined(_WIN32)
    return _ftelli64(File);
#else
    return static_cast<int64_t>(ftello(File));
#endif
}

bool TruncateFile(std::FILE* File, int64_t Size)
{
#if defined(_WIN32)
    return _chsize_s(_fileno(File), Size) == 0;
#else
    return ftruncate(fileno(File), static_cast<off_t>(Size)) == 0;
#endif
}

std::string ProgramFolder()
{
    std::filesystem::path program;
#if defined(_WIN32)
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    program = std::filesystem::path(std::wstring(buffer, length));
#else
    std::error_code error;
    program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        program = std::filesystem::current_path() / "program";
    }
#endif
    std::string folder = Utf8FromPath(program.parent_path());
    if (folder.empty() || folder.back() != PathSeparator()) {
        folder += PathSeparator();
    }
    return folder;
}

bool ReplaceFile(const std::string& Source, const std::string& Target)
{
    std::error_code error;
    std::filesystem::rename(PathFromUtf8(Source), PathFromUtf8(Target), error);
    return !error;
}

}  // namespace Platform
