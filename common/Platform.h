#pragma once
// The thin layer over what differs between Windows and the other systems:
// 64-bit file positions, truncation, the program's own folder, the
// replacement of a file by a freshly written one, and file names.
//
// File names are UTF-8 throughout the program. On Windows they reach the
// system as wide characters, never through the ANSI code page, so a folder
// such as "C:\Users\José\Documents\Grids" opens like any other.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace Platform {

// The path separator of the platform, '\\' on Windows and '/' elsewhere.
char PathSeparator();

// The file system's form of a UTF-8 file name, and back.
std::filesystem::path PathFromUtf8(const std::string& FileName);
std::string Utf8FromPath(const std::filesystem::path& Path);

#if defined(_WIN32)
// UTF-8 and the system's wide characters; invalid sequences become U+FFFD.
std::wstring WideFromUtf8(const std::string& Text);
std::string Utf8FromWide(const wchar_t* Text, size_t Length);
#endif

std::FILE* OpenFile(const std::string& FileName, const char* Mode);
int SeekFile(std::FILE* File, int64_t Offset, int Whence);
int64_t TellFile(std::FILE* File);
bool TruncateFile(std::FILE* File, int64_t Size);

// The folder of the running program file, ending in a path separator.
std::string ProgramFolder();

// Moves Source over Target in one step, so that Target is either the old file
// or the new one, never a mixture. Answers false when the move failed.
bool ReplaceFile(const std::string& Source, const std::string& Target);

// Creates FileName for writing, failing when it exists already; the new file
// gets the usual permissions (the user's defaults). nullptr on failure, with
// errno set.
std::FILE* CreateNewFile(const std::string& FileName);
// Makes File's written bytes durable on disk. Answers 0, or the error code.
int SyncFile(std::FILE* File);
// Makes the entries of Folder (a rename in it) durable where the system
// needs that asked for; a no-op elsewhere.
void SyncFolder(const std::string& Folder);

// An exclusive lock held on an open lock file, for one process at a time.
// LockFile waits until the lock is had and answers a handle, or -1 when the
// lock file cannot be opened or locked; UnlockFile closes it.
intptr_t LockFile(const std::string& FileName);
// As LockFile, but answers -1 at once when another process holds the lock.
intptr_t TryLockFile(const std::string& FileName);
void UnlockFile(intptr_t Handle);

}  // namespace Platform
