// The JPEG decoder on the program's own picture and on damaged copies of
// it: a damaged picture decodes to nothing, and the process goes on.

#include "JpegPicture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> ProgramPictureBytes()
{
    std::ifstream File(TAVREL_SOURCE_DIR "/game/ui/about/AboutPicture.jpg", std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>());
}

// The offset of the first marker FF Code.
size_t MarkerAt(const std::vector<uint8_t>& Bytes, uint8_t Code)
{
    for (size_t Index = 0; Index + 1 < Bytes.size(); ++Index)
        if (Bytes[Index] == 0xFF && Bytes[Index + 1] == Code)
            return Index;
    return Bytes.size();
}

TRgbPicture Decode(const std::vector<uint8_t>& Bytes)
{
    return DecodeJpeg(Bytes.data(), Bytes.size());
}

TEST(JpegPicture, ProgramPictureDecodesTo267By70)
{
    const std::vector<uint8_t> Bytes = ProgramPictureBytes();
    ASSERT_FALSE(Bytes.empty());
    const TRgbPicture Picture = Decode(Bytes);
    ASSERT_FALSE(Picture.IsEmpty());
    EXPECT_EQ(Picture.Width, 267);
    EXPECT_EQ(Picture.Height, 70);
    ASSERT_EQ(Picture.Pixels.size(), 267u * 70u * 3u);
    // The navy frame round the picture: blue well above red and green.
    EXPECT_LT(Picture.Pixels[0], 60);
    EXPECT_GT(Picture.Pixels[2], 90);
}

TEST(JpegPicture, DamagedPicturesDecodeToNothing)
{
    const std::vector<uint8_t> Good = ProgramPictureBytes();
    const size_t Frame = MarkerAt(Good, 0xC0);
    const size_t Scan = MarkerAt(Good, 0xDA);
    ASSERT_LT(Frame, Good.size());
    ASSERT_LT(Scan + 400, Good.size());

    std::vector<std::vector<uint8_t>> Damaged;
    Damaged.emplace_back(Good.begin(), Good.begin() + static_cast<long>(Good.size() / 2));  // truncated in the scan
    Damaged.emplace_back(Good.begin(), Good.begin() + static_cast<long>(Scan / 2));         // truncated in the header
    std::vector<uint8_t> Copy = Good;
    Copy[Frame + 4] = 7;  // a sample precision libjpeg refuses
    Damaged.push_back(Copy);
    Copy = Good;
    Copy[Scan + 300] = 0xFF;  // a marker in the middle of the scan
    Copy[Scan + 301] = 0xD9;
    Damaged.push_back(Copy);
    Copy = Good;
    for (size_t Index = Scan + 200; Index < Scan + 400; ++Index)
        Copy[Index] = static_cast<uint8_t>(Index * 37);
    Damaged.push_back(Copy);
    const std::string Text = "not a picture at all";
    Damaged.emplace_back(Text.begin(), Text.end());

    for (size_t Index = 0; Index < Damaged.size(); ++Index) {
        const TRgbPicture Picture = Decode(Damaged[Index]);
        EXPECT_TRUE(Picture.IsEmpty()) << "damaged picture " << Index;
        EXPECT_EQ(Picture.Width, 0) << "damaged picture " << Index;
    }
    EXPECT_TRUE(DecodeJpeg(nullptr, 0).IsEmpty());
    EXPECT_FALSE(Decode(Good).IsEmpty()) << "the decoder recovers after damaged pictures";
}

}  // namespace
