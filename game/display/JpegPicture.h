#pragma once
// Decoding of a JPEG picture held in memory into RGB pixels, with libjpeg.
// Plain C++: bytes in, pixels out. A damaged picture (corrupt, truncated,
// or one the library only gets through with warnings) decodes to an empty
// picture; nothing else happens, the process goes on and nothing is printed.

#include <cstddef>
#include <cstdint>
#include <vector>

struct TRgbPicture {
    int Width = 0;
    int Height = 0;
    // Width x Height pixels of three bytes (red, green, blue), rows from the
    // top, no padding.
    std::vector<uint8_t> Pixels;

    bool IsEmpty() const { return Pixels.empty(); }
};

// Pictures larger than this many pixels are refused as damaged, so that a
// forged size in a header cannot ask for gigabytes.
constexpr int64_t MaxJpegPixels = 16 * 1024 * 1024;

TRgbPicture DecodeJpeg(const uint8_t* Data, size_t Size);
