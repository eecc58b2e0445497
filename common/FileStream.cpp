#include "FileStream.h"

#include "Exception.h"
#include "Format.h"
#include "Platform.h"

TFileStream::TFileStream(const std::string& FileName, TFileMode Mode) : FFileName(FileName)
{
    const char* mode = "rb";
    switch (Mode) {
    case TFileMode::fmOpenRead: mode = "rb"; break;
    case TFileMode::fmOpenReadWrite: mode = "r+b"; break;
    case TFileMode::fmCreate: mode = "w+b"; break;
    }
    FHandle = Platform::OpenFile(FileName, mode);
    if (FHandle == nullptr) {
        if (Mode == TFileMode::fmCreate) {
            throw EFOpenError(Format("Cannot create file \"%s\"", FileName.c_str()));
        }
        throw EFOpenError(Format("Cannot open file \"%s\"", FileName.c_str()));
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
            throw EReadError("Stream seek error");
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
