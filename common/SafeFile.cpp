#include "SafeFile.h"

#include "Format.h"
#include "Platform.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

EFileWriteError::EFileWriteError(const std::string& FileName, const TText& Cause)
    : EWriteError(TR_TEXT("SafeFile", "Cannot write %1: %2"), FileName, Cause), FFileName(FileName),
      FCause(Cause.English()), FCauseText(Cause)
{
}

int TFileWriteLayer::Write(std::FILE* File, const void* Data, size_t Size)
{
    errno = 0;
    if (Size > 0 && std::fwrite(Data, 1, Size, File) != Size) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

int TFileWriteLayer::Flush(std::FILE* File)
{
    errno = 0;
    return std::fflush(File) == 0 ? 0 : (errno != 0 ? errno : EIO);
}

int TFileWriteLayer::Sync(std::FILE* File)
{
    return Platform::SyncFile(File);
}

int TFileWriteLayer::Close(std::FILE* File)
{
    errno = 0;
    return std::fclose(File) == 0 ? 0 : (errno != 0 ? errno : EIO);
}

namespace {

TFileWriteLayer SystemLayer;
TFileWriteLayer* CurrentLayer = &SystemLayer;

// The system's text of an error code: it is not translated.
TText Cause(int Code)
{
    return TText(std::generic_category().message(Code));
}

std::string TemporaryName(const std::string& Target)
{
    static std::mt19937_64 generator(
        std::random_device{}() ^ static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return Target + Format(".%08x.tmp", static_cast<unsigned>(generator() & 0xFFFFFFFFu));
}

bool IsHex(char C)
{
    return (C >= '0' && C <= '9') || (C >= 'a' && C <= 'f');
}

bool IsAlphanumeric(char C)
{
    return (C >= '0' && C <= '9') || (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}

// "<name>.sav.XXXXXX", the temporaries an earlier version's saves left.
bool IsOldSaveTemporary(const std::string& Name)
{
    if (Name.size() < 12 || Name.compare(Name.size() - 11, 5, ".sav.") != 0) {
        return false;
    }
    for (size_t i = Name.size() - 6; i < Name.size(); ++i) {
        if (!IsAlphanumeric(Name[i])) {
            return false;
        }
    }
    return true;
}

// Refuses to replace a file the player made read-only.
void CheckWritable(const std::string& FileName)
{
    std::error_code error;
    const fs::file_status status = fs::status(Platform::PathFromUtf8(FileName), error);
    if (error || !fs::exists(status)) {
        return;
    }
    if (!fs::is_regular_file(status)) {
        throw EFileWriteError(FileName, TText(TR_TEXT("SafeFile", "it is not a regular file")));
    }
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        throw EFileWriteError(FileName, TText(TR_TEXT("SafeFile", "%1 (the file is read-only)"), Cause(EACCES)));
    }
}

}  // namespace

TFileWriteLayer* SetFileWriteLayer(TFileWriteLayer* Layer)
{
    TFileWriteLayer* previous = CurrentLayer == &SystemLayer ? nullptr : CurrentLayer;
    CurrentLayer = Layer != nullptr ? Layer : &SystemLayer;
    return previous;
}

bool IsWriterTemporary(const std::string& FileName)
{
    // ".<8 hex digits>.tmp" at the end
    if (FileName.size() < 14 || FileName.compare(FileName.size() - 4, 4, ".tmp") != 0 ||
        FileName[FileName.size() - 13] != '.') {
        return false;
    }
    for (size_t i = FileName.size() - 12; i < FileName.size() - 4; ++i) {
        if (!IsHex(FileName[i])) {
            return false;
        }
    }
    return true;
}

int RemoveStaleTemporaries(const std::string& Folder)
{
    int removed = 0;
    std::error_code error;
    fs::directory_iterator it(Platform::PathFromUtf8(Folder.empty() ? std::string(".") : Folder), error);
    if (error) {
        return 0;
    }
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_iterator end; it != end; it.increment(error)) {
        if (error) {
            break;
        }
        const std::string name = Platform::Utf8FromPath(it->path().filename());
        if (!IsWriterTemporary(name) && !IsOldSaveTemporary(name)) {
            continue;
        }
        std::error_code fileError;
        if (!it->is_regular_file(fileError)) {
            continue;
        }
        const auto written = fs::last_write_time(it->path(), fileError);
        // A younger one may be another copy's write under way.
        if (fileError || now - written < std::chrono::hours(1)) {
            continue;
        }
        if (fs::remove(it->path(), fileError)) {
            ++removed;
        }
    }
    return removed;
}

void WriteFileWhole(const std::string& FileName, const void* Data, size_t Size)
{
    CheckWritable(FileName);
    const fs::path target = Platform::PathFromUtf8(FileName);
    const std::string folder = Platform::Utf8FromPath(target.parent_path());
    RemoveStaleTemporaries(folder);

    std::string temporary;
    std::FILE* file = nullptr;
    for (int attempt = 0; attempt < 16 && file == nullptr; ++attempt) {
        temporary = TemporaryName(FileName);
        file = Platform::CreateNewFile(temporary);
        if (file == nullptr && errno != EEXIST) {
            throw EFileWriteError(FileName, Cause(errno));
        }
    }
    if (file == nullptr) {
        throw EFileWriteError(FileName, Cause(EEXIST));
    }
    const auto fail = [&](int Code, bool Open) {
        if (Open) {
            std::fclose(file);
        }
        std::error_code ignored;
        fs::remove(Platform::PathFromUtf8(temporary), ignored);
        throw EFileWriteError(FileName, Cause(Code));
    };
    if (const int code = CurrentLayer->Write(file, Data, Size); code != 0) {
        fail(code, true);
    }
    if (const int code = CurrentLayer->Flush(file); code != 0) {
        fail(code, true);
    }
    // Synced before the move: after a power cut the name then leads to the
    // old bytes or the new ones, never to an empty file.
    if (const int code = CurrentLayer->Sync(file); code != 0) {
        fail(code, true);
    }
    if (const int code = CurrentLayer->Close(file); code != 0) {
        fail(code, false);
    }
    std::error_code error;
    if (fs::exists(target, error)) {
        // A replaced file keeps its permissions.
        const fs::perms permissions = fs::status(target, error).permissions();
        if (!error) {
            fs::permissions(Platform::PathFromUtf8(temporary), permissions, error);
        }
    }
    if (!Platform::ReplaceFile(temporary, FileName)) {
        fail(errno != 0 ? errno : EIO, false);
    }
    Platform::SyncFolder(folder);
}

void WriteFileWhole(const std::string& FileName, const std::string& Text)
{
    WriteFileWhole(FileName, Text.data(), Text.size());
}
