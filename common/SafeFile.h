#pragma once
// Files the player owns (saved games, the games catalogue, the list of refused
// issue files, booklets) are written whole or not at all. The bytes go to a
// fresh temporary file beside the target; it is flushed, synced to disk and
// closed, each step checked, and only then moved over the target in one step.
// When anything fails the temporary is removed, the old file stays exactly as
// it was, and EFileWriteError names the file and the system's cause ("No space
// left on device").
//
// A file without write permission is never replaced, whoever runs the
// program: the player made it read-only, and that holds for an administrator
// too. A new file gets the user's default permissions, a replaced one keeps
// its own.
//
// Temporaries are named "<target>.<8 hex digits>.tmp". A program stopped in the
// middle of a write leaves one behind; writing into a folder removes those of
// its temporaries (and those an earlier version left, "<name>.sav.XXXXXX")
// that are more than an hour old.

#include "Exception.h"

#include <cstddef>
#include <cstdio>
#include <string>

// A file that could not be written whole. Message() reads "Cannot write
// <file>: <cause>"; the file and the cause (in English) are kept apart for
// callers that say it their own way. The cause is the system's text of an
// error code, or a text of the writer's own that Text() carries translatable.
class EFileWriteError : public EWriteError {
public:
    EFileWriteError(const std::string& FileName, const TText& Cause);
    const std::string& FileName() const { return FFileName; }
    const std::string& Cause() const { return FCause; }
    const TText& CauseText() const { return FCauseText; }

private:
    std::string FFileName;
    std::string FCause;
    TText FCauseText;
};

// The file operations the writer uses. Each answers 0 or the system's error
// code (an errno value). Tests put in a layer that fails as a full disk does.
class TFileWriteLayer {
public:
    virtual ~TFileWriteLayer() = default;
    virtual int Write(std::FILE* File, const void* Data, size_t Size);
    virtual int Flush(std::FILE* File);
    virtual int Sync(std::FILE* File);
    virtual int Close(std::FILE* File);
};

// Replaces the layer the writer uses (nullptr: the system's) and answers the
// one it used before.
TFileWriteLayer* SetFileWriteLayer(TFileWriteLayer* Layer);

// Writes Size bytes of Data as FileName, whole or not at all.
void WriteFileWhole(const std::string& FileName, const void* Data, size_t Size);
void WriteFileWhole(const std::string& FileName, const std::string& Text);

// Removes the stale temporaries of Folder (see above); answers how many.
int RemoveStaleTemporaries(const std::string& Folder);

// Whether FileName names a temporary of the writer's.
bool IsWriterTemporary(const std::string& FileName);
