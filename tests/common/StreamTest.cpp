// Streams and CopyStream: the behaviour the data files and the Encrypt
// library rely on at the ends of streams.

#include "CopyStream.h"
#include "Exception.h"
#include "FileStream.h"
#include "Format.h"
#include "MemoryStream.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<uint8_t> Bytes(int Count)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(Count));
    for (int i = 0; i < Count; ++i) {
        bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(i * 7 + 1);
    }
    return bytes;
}

TEST(MemoryStream, ReadsShortAtTheEndAndBufferReadsRaise)
{
    TMemoryStream stream(Bytes(10));
    uint8_t buffer[16] = {};
    stream.SetPosition(6);
    EXPECT_EQ(stream.Read(buffer, 16), 4);
    EXPECT_EQ(stream.Read(buffer, 16), 0);
    stream.SetPosition(8);
    try {
        stream.ReadBuffer(buffer, 3);
        FAIL() << "a short ReadBuffer must raise";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Stream read error");
    }
    EXPECT_THROW(stream.Seek(-1, TSeekOrigin::soBeginning), EReadError);
}

TEST(MemoryStream, WritesPastTheEndGrowAndIntegersAreLittleEndian)
{
    TMemoryStream stream;
    stream.SetPosition(2);
    stream.WriteUInt32(0x04030201u);
    ASSERT_EQ(stream.GetSize(), 6);
    EXPECT_EQ(stream.Memory(), (std::vector<uint8_t>{0, 0, 1, 2, 3, 4}));
    stream.SetPosition(2);
    EXPECT_EQ(stream.ReadUInt32(), 0x04030201u);
    stream.SetSize(3);
    EXPECT_EQ(stream.GetPosition(), 3);
}

TEST(CopyStream, CopiesInPiecesFromTheGivenPositionAndRaisesWhenShort)
{
    TMemoryStream source(Bytes(2000));
    TMemoryStream dest;
    dest.WriteByte(0xAA);
    CopyStream(source, 100, dest, 1300);
    ASSERT_EQ(dest.GetSize(), 1301);
    EXPECT_EQ(dest.Memory()[0], 0xAA);
    EXPECT_TRUE(std::equal(dest.Memory().begin() + 1, dest.Memory().end(), source.Memory().begin() + 100));

    TMemoryStream shortDest;
    try {
        CopyStream(source, 1900, shortDest, 600);
        FAIL() << "copying past the end must raise";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "CopyStream: Not enough bytes in source stream");
    }
    EXPECT_EQ(shortDest.GetSize(), 100) << "what was copied before the end stays";
}

TEST(FileStream, CreatesReadsBackAndNamesAMissingFile)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tavrel_stream_test";
    std::filesystem::create_directories(folder);
    const std::string name = (folder / "data.bin").string();
    {
        TFileStream file(name, TFileMode::fmCreate);
        const std::vector<uint8_t> bytes = Bytes(700);
        file.WriteBuffer(bytes.data(), 700);
        EXPECT_EQ(file.GetSize(), 700);
    }
    {
        TFileStream file(name, TFileMode::fmOpenRead);
        TMemoryStream copy;
        CopyStream(file, 0, copy, file.GetSize());
        EXPECT_EQ(copy.Memory(), Bytes(700));
        EXPECT_EQ(file.Write("x", 1), 0) << "a read-only file takes no bytes";
    }
    const std::string missing = (folder / "missing.bin").string();
    try {
        TFileStream file(missing, TFileMode::fmOpenRead);
        FAIL();
    } catch (const EFOpenError& error) {
        EXPECT_NE(error.Message().find(missing), std::string::npos);
    }
    std::filesystem::remove_all(folder);
}

TEST(Format, FormatsLikePrintf)
{
    EXPECT_EQ(Format("Invalid file %s - Wrong signature", "A.ISS"), "Invalid file A.ISS - Wrong signature");
    EXPECT_EQ(Format("Expected %u issues, %u games", 3u, 40u), "Expected 3 issues, 40 games");
    EXPECT_EQ(Format("%s", ""), "");
}

}  // namespace
