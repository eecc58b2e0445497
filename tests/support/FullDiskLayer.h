#pragma once
// A write layer that fails as a full disk does, for the writer of the
// player's files (SafeFile.h): the bytes seem to be taken, and the failure
// comes with the step that makes them reach the disk.

#include "SafeFile.h"

#include <cerrno>

class TFullDiskLayer : public TFileWriteLayer {
public:
    enum class TStage { Write, Flush, Sync, Close };

    explicit TFullDiskLayer(TStage Stage = TStage::Flush) : FStage(Stage) {}

    int Write(std::FILE* File, const void* Data, size_t Size) override
    {
        ++Calls;
        return FStage == TStage::Write ? ENOSPC : TFileWriteLayer::Write(File, Data, Size);
    }
    int Flush(std::FILE* File) override { return FStage == TStage::Flush ? ENOSPC : TFileWriteLayer::Flush(File); }
    int Sync(std::FILE* File) override { return FStage == TStage::Sync ? ENOSPC : TFileWriteLayer::Sync(File); }
    int Close(std::FILE* File) override
    {
        const int code = TFileWriteLayer::Close(File);
        return FStage == TStage::Close ? ENOSPC : code;
    }

    int Calls = 0;

private:
    TStage FStage;
};

// Puts a layer in for the lifetime of the object.
class TScopedWriteLayer {
public:
    explicit TScopedWriteLayer(TFileWriteLayer& Layer) : FPrevious(SetFileWriteLayer(&Layer)) {}
    ~TScopedWriteLayer() { SetFileWriteLayer(FPrevious); }
    TScopedWriteLayer(const TScopedWriteLayer&) = delete;
    TScopedWriteLayer& operator=(const TScopedWriteLayer&) = delete;

private:
    TFileWriteLayer* FPrevious;
};
