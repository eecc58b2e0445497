#include "FileStream.h"

#include "Exception.h"
#include "Platform.h"

#include <filesystem>
#include <system_error>

TFileStream::TFileStream(const std::string& FileName, TFileMode Mode) : FFileName(FileName)
{
    const char* mode = "rb";
    switch (Mode) {
    case TFileMode::fmOpenRead: mode = "rb"; break;
    case TFileMode::fmOpenReadWrite: mode = "r+b"; break;
    case TFileMode::fmCreate: mode = "w+b"; break;
    }
    if (Mode != TFileMode::fmCreate) {
        // A named pipe or a device would block the program in the open or the
        // first read, waiting for a writer that never comes; a folder cannot
        // be read as a file.
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(Platform::PathFromUtf8(FileName), error);
        if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
            throw EFOpenError(TR_TEXT("FileStream", "Cannot open file \"%1\": it is not a regular file"), FileName);
        }
    }
    FHandle = Platform::OpenFile(FileName, mode);
    if (FHandle == nullptr) {
        if (Mode == TFileMode::fmCreate) {
            throw EFOpenError(TR_TEXT("FileStream", "Cannot create file \"%1\""), FileName);
        }
        throw EFOpenError(TR_TEXT("FileStream", "Cannot open file \"%1\""), FileName);
    }
}

TFileStream::~TFileStream()
{
    if (FHandle != nullptr) {
        std::fclose(FHandle);
    }
}

int64_t TFileStream::Read(void* Buffer, int64_t Count)
{
    if (Count <= 0) {
        return 0;
    }
    return static_cast<int64_t>(std::fread(Buffer, 1, static_cast<size_t>(Count), FHandle));
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count)
{
    if (Count <= 0) {
        return 0;
    }
    return static_cast<int64_t>(std::fwrite(Buffer, 1, static_cast<size_t>(Count), FHandle));
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin)
{
    int whence = SEEK_SET;
    switch (Origin) {
    case TSeekOrigin::soBeginning: whence = SEEK_SET; break;
    case TSeekOrigin::soCurrent: whence = SEEK_CUR; break;
    case TSeekOrigin::soEnd: whence = SEEK_END; break;
    }
    if (!(Origin == TSeekOrigin::soCurrent && Offset == 0)) {
        if (Platform::SeekFile(FHandle, Offset, whence) != 0) {
            throw EReadError(TR_TEXT("FileStream", "Stream seek error"));
        }
    }
    return Platform::TellFile(FHandle);
}

int64_t TFileStream::GetSize()
{
    const int64_t here = Platform::TellFile(FHandle);
    Platform::SeekFile(FHandle, 0, SEEK_END);
    const int64_t size = Platform::TellFile(FHandle);
    Platform::SeekFile(FHandle, here, SEEK_SET);
    return size;
}

void TFileStream::SetSize(int64_t NewSize)
{
    std::fflush(FHandle);
    if (!Platform::TruncateFile(FHandle, NewSize)) {
        throw EWriteError();
    }
}

void TFileStream::Flush()
{
    if (std::fflush(FHandle) != 0) {
        throw EWriteError();
    }
}
