#pragma once
// The thin layer over what differs between Windows and the other systems:
// 64-bit file positions, truncation, the program's own folder and the
// replacement of a file by a freshly written one.

#include <cstdint>
#include <cstdio>
#include <string>

namespace Platform {

// The path separator of the platform, '\\' on Windows and '/' elsewhere.
char PathSeparator();

std::FILE* OpenFile(const std::string& FileName, const char* Mode);
int SeekFile(std::FILE* File, int64_t Offset, int Whence);
int64_t TellFile(std::FILE* File);
bool TruncateFile(std::FILE* File, int64_t Size);

// The folder of the running program file, ending in a path separator.
std::string ProgramFolder();

// Moves Source over Target in one step, so that Target is either the old file
// or the new one, never a mixture. Answers false when the move failed.
bool ReplaceFile(const std::string& Source, const std::string& Target);

}  // namespace Platform
