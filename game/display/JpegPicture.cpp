#include "JpegPicture.h"

#include <csetjmp>
#include <cstdio>
#include <limits>
#include <new>

// jpeglib.h expects size_t and FILE to be declared before it.
#include <jpeglib.h>

namespace {

// libjpeg's error manager with a way back: the library's fatal errors jump
// back into DecodeInto instead of ending the process.
struct TJpegErrors {
    jpeg_error_mgr Manager;
    std::jmp_buf Return;
};

[[noreturn]] void LeaveDecoding(j_common_ptr Info)
{
    std::longjmp(reinterpret_cast<TJpegErrors*>(Info->err)->Return, 1);
}

// Warnings are counted by the library (num_warnings) and judged afterwards;
// none of its messages reach the console.
void KeepQuiet(j_common_ptr) {}

// Sizes the pixel buffer; false when there is no memory for it. Kept apart
// from DecodeInto, which must hold no exception handling between its setjmp
// and a jump back.
bool MakeRoom(TRgbPicture& Picture, size_t Bytes) noexcept
{
    try {
        Picture.Pixels.resize(Bytes);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// Decodes into Picture, which lives in the caller's frame: between setjmp
// and a jump back only C structures of this frame are touched, so the jump
// skips no destructor. Answers false for a damaged picture; Picture may then
// hold a part of it.
bool DecodeInto(const uint8_t* Data, size_t Size, TRgbPicture& Picture)
{
    jpeg_decompress_struct Info;
    TJpegErrors Errors;
    Info.err = jpeg_std_error(&Errors.Manager);
    Errors.Manager.error_exit = LeaveDecoding;
    Errors.Manager.output_message = KeepQuiet;
    if (setjmp(Errors.Return)) {
        jpeg_destroy_decompress(&Info);
        return false;
    }
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, Data, static_cast<unsigned long>(Size));
    if (jpeg_read_header(&Info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&Info);
        return false;
    }
    Info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&Info);
    const int64_t Pixels = static_cast<int64_t>(Info.output_width) * Info.output_height;
    if (Info.output_components != 3 || Pixels == 0 || Pixels > MaxJpegPixels) {
        jpeg_destroy_decompress(&Info);
        return false;
    }
    jpeg_start_decompress(&Info);
    const size_t RowBytes = static_cast<size_t>(Info.output_width) * 3;
    Picture.Width = static_cast<int>(Info.output_width);
    Picture.Height = static_cast<int>(Info.output_height);
    if (!MakeRoom(Picture, RowBytes * Info.output_height)) {
        jpeg_destroy_decompress(&Info);
        return false;
    }
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW Row = Picture.Pixels.data() + RowBytes * Info.output_scanline;
        jpeg_read_scanlines(&Info, &Row, 1);
    }
    jpeg_finish_decompress(&Info);
    const bool Sound = Errors.Manager.num_warnings == 0;
    jpeg_destroy_decompress(&Info);
    return Sound;
}

}  // namespace

TRgbPicture DecodeJpeg(const uint8_t* Data, size_t Size)
{
    TRgbPicture Picture;
    if (Data == nullptr || Size == 0 || Size > std::numeric_limits<unsigned long>::max() ||
        !DecodeInto(Data, Size, Picture))
        return TRgbPicture();
    return Picture;
}
