#pragma once
// A stream held in memory. It owns its bytes; Memory() gives direct access for
// callers that build or inspect whole buffers.

#include "Stream.h"

#include <cstdint>
#include <vector>

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> Bytes) : FData(std::move(Bytes)) {}

    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t GetSize() override { return static_cast<int64_t>(FData.size()); }
    void SetSize(int64_t NewSize) override;

    // Empties the stream and puts the position at 0.
    void Clear();
    const std::vector<uint8_t>& Memory() const { return FData; }
    std::vector<uint8_t>& Memory() { return FData; }

private:
    std::vector<uint8_t> FData;
    int64_t FPosition = 0;
};
