#include "Platform.h"

#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#include <share.h>
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

std::FILE* OpenFile(const std::string& FileName, const char* Mode)
{
#if defined(_WIN32)
    // Others may read and write the file while we hold it, as a file opened
    // by the system's own dialogs would allow.
    return _fsopen(FileName.c_str(), Mode, _SH_DENYNO);
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
    std::string folder = program.parent_path().string();
    if (folder.empty() || folder.back() != PathSeparator()) {
        folder += PathSeparator();
    }
    return folder;
}

bool ReplaceFile(const std::string& Source, const std::string& Target)
{
    std::error_code error;
    std::filesystem::rename(Source, Target, error);
    return !error;
}

}  // namespace Platform
