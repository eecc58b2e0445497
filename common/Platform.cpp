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
#include <fcntl.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

#include <cerrno>

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
#if defined(_WIN32)
    return MoveFileExW(WideFromUtf8(Source).c_str(), WideFromUtf8(Target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(Source.c_str(), Target.c_str()) == 0;
#endif
}

std::FILE* CreateNewFile(const std::string& FileName)
{
#if defined(_WIN32)
    int handle = -1;
    if (_wsopen_s(&handle, WideFromUtf8(FileName).c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYNO,
                  _S_IREAD | _S_IWRITE) != 0) {
        return nullptr;
    }
    std::FILE* file = _fdopen(handle, "wb");
    if (file == nullptr) {
        _close(handle);
    }
    return file;
#else
    const int handle = ::open(FileName.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    if (handle < 0) {
        return nullptr;
    }
    std::FILE* file = fdopen(handle, "wb");
    if (file == nullptr) {
        const int error = errno;
        ::close(handle);
        errno = error;
    }
    return file;
#endif
}

int SyncFile(std::FILE* File)
{
#if defined(_WIN32)
    return _commit(_fileno(File)) == 0 ? 0 : errno;
#else
    return fsync(fileno(File)) == 0 ? 0 : errno;
#endif
}

void SyncFolder(const std::string& Folder)
{
#if defined(_WIN32)
    (void)Folder;  // the move's write-through does it
#else
    const int handle = ::open(Folder.empty() ? "." : Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        fsync(handle);
        ::close(handle);
    }
#endif
}

namespace {

intptr_t TakeLock(const std::string& FileName, bool Wait)
{
#if defined(_WIN32)
    const HANDLE handle = CreateFileW(WideFromUtf8(FileName).c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return -1;
    }
    OVERLAPPED start{};
    const DWORD flags = LOCKFILE_EXCLUSIVE_LOCK | (Wait ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
    if (!LockFileEx(handle, flags, 0, 1, 0, &start)) {
        CloseHandle(handle);
        return -1;
    }
    return reinterpret_cast<intptr_t>(handle);
#else
    const int handle = ::open(FileName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (handle < 0) {
        return -1;
    }
    while (flock(handle, Wait ? LOCK_EX : LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR) {
            ::close(handle);
            return -1;
        }
    }
    return handle;
#endif
}

}  // namespace

intptr_t LockFile(const std::string& FileName)
{
    return TakeLock(FileName, true);
}

intptr_t TryLockFile(const std::string& FileName)
{
    return TakeLock(FileName, false);
}

void UnlockFile(intptr_t Handle)
{
    if (Handle == -1) {
        return;
    }
#if defined(_WIN32)
    const HANDLE handle = reinterpret_cast<HANDLE>(Handle);
    OVERLAPPED start{};
    UnlockFileEx(handle, 0, 1, 0, &start);
    CloseHandle(handle);
#else
    flock(static_cast<int>(Handle), LOCK_UN);
    ::close(static_cast<int>(Handle));
#endif
}

}  // namespace Platform
