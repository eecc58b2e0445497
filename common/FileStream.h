#pragma once
// A stream over a file on disk. The constructor opens or creates the file and
// raises EFOpenError naming it when that fails; the destructor closes it. Only
// a regular file is opened for reading: a named pipe, device or folder is
// refused at once rather than left to block the program.

#include "Stream.h"

#include <cstdio>
#include <string>

enum class TFileMode {
    fmOpenRead,       // existing file, read only
    fmOpenReadWrite,  // existing file, read and write
    fmCreate          // new or emptied file, read and write
};

class TFileStream : public TStream {
public:
    TFileStream(const std::string& FileName, TFileMode Mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t GetSize() override;
    void SetSize(int64_t NewSize) override;

    // Writes buffered bytes to disk; raises EWriteError when that fails.
    void Flush();
    const std::string& FileName() const { return FFileName; }

private:
    std::string FFileName;
    std::FILE* FHandle = nullptr;
};
