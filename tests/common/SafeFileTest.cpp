// The writer of the player's files: whole or not at all, on a full disk, on a
// read-only file and after a program stopped in the middle of a write; and
// files that are not regular files never block a reader.

#include "FullDiskLayer.h"

#include "Exception.h"
#include "FileStream.h"
#include "Platform.h"
#include "SafeFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <sys/stat.h>
#include <sys/types.h>
#endif

namespace fs = std::filesystem;

namespace {

class SafeFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FFolder = fs::temp_directory_path() /
                  ("tavrel-safefile-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(FFolder);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(FFolder / "game.sav", fs::perms::owner_all, ignored);
        fs::remove_all(FFolder, ignored);
    }
    std::string File(const char* Name) const { return (FFolder / Name).string(); }
    static std::string Read(const std::string& Name)
    {
        std::ifstream in(Name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(FFolder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path FFolder;
};

TEST_F(SafeFileTest, AFullDiskNeverCostsTheOldFile)
{
    const std::string target = File("game.sav");
    WriteFileWhole(target, std::string("the old game\n"));
    ASSERT_EQ(Read(target), "the old game\n");

    const std::string big(200000, 'x');
    for (const auto stage : {TFullDiskLayer::TStage::Write, TFullDiskLayer::TStage::Flush, TFullDiskLayer::TStage::Sync,
                             TFullDiskLayer::TStage::Close}) {
        TFullDiskLayer full(stage);
        const TScopedWriteLayer scoped(full);
        try {
            WriteFileWhole(target, big);
            FAIL() << "a write that did not reach the disk must fail";
        } catch (const EFileWriteError& error) {
            EXPECT_EQ(error.FileName(), target);
            EXPECT_EQ(error.Cause(), "No space left on device");
            EXPECT_EQ(error.Message(), "Cannot write " + target + ": No space left on device");
        }
        EXPECT_EQ(full.Calls, 1);
        EXPECT_EQ(Read(target), "the old game\n");
        EXPECT_EQ(Names(), std::vector<std::string>{"game.sav"}) << "no temporary stays behind";
    }

    // With room again, the new file replaces the old one whole.
    WriteFileWhole(target, big);
    EXPECT_EQ(Read(target), big);
    EXPECT_EQ(Names(), std::vector<std::string>{"game.sav"});
}

TEST_F(SafeFileTest, ReadOnlyFilesAreRespectedAndPermissionsKept)
{
    const std::string target = File("game.sav");
    WriteFileWhole(target, std::string("kept"));
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    // Refused whoever runs the program, an administrator too.
    EXPECT_THROW(WriteFileWhole(target, std::string("replaced")), EFileWriteError);
    EXPECT_EQ(Read(target), "kept");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::group_read);

    // A replaced file keeps its own permissions.
    const fs::perms own = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(target, own);
    WriteFileWhole(target, std::string("replaced"));
    EXPECT_EQ(Read(target), "replaced");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, own);

    // Writing over a folder is refused, the folder left alone.
    fs::create_directory(FFolder / "folder.sav");
    EXPECT_THROW(WriteFileWhole(File("folder.sav"), std::string("x")), EFileWriteError);
    EXPECT_TRUE(fs::is_directory(FFolder / "folder.sav"));

    // A file that cannot be made: its folder is missing.
    try {
        WriteFileWhole(File("missing/game.sav"), std::string("x"));
        FAIL();
    } catch (const EFileWriteError& error) {
        EXPECT_EQ(error.Cause(), "No such file or directory");
    }
}

TEST_F(SafeFileTest, StaleTemporariesGoAndYoungOnesStay)
{
    const auto age = [&](const char* Name, std::chrono::minutes Minutes) {
        std::ofstream(File(Name)) << "partial";
        fs::last_write_time(File(Name), fs::file_time_type::clock::now() - Minutes);
    };
    age("game.sav.0123abcd.tmp", std::chrono::minutes(90));   // ours, stopped long ago
    age("other.sav.89abcdef.tmp", std::chrono::minutes(5));   // another copy's, under way
    age("game.sav.Ab12Cd", std::chrono::minutes(120));        // an earlier version's
    age("notes.sav.txt", std::chrono::minutes(120));          // the player's own
    age("game.sav.0123ABCD.tmp", std::chrono::minutes(120));  // not of our form
    WriteFileWhole(File("new.sav"), std::string("x"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"game.sav.0123ABCD.tmp", "new.sav", "notes.sav.txt",
                                                 "other.sav.89abcdef.tmp"}));
    EXPECT_TRUE(IsWriterTemporary("a.sav.0123abcd.tmp"));
    EXPECT_FALSE(IsWriterTemporary("a.sav.0123abc.tmp"));
    EXPECT_FALSE(IsWriterTemporary("a.sav"));
}

#if !defined(_WIN32)
TEST_F(SafeFileTest, ANewFileHasTheUsersDefaultPermissions)
{
    const mode_t old = umask(022);
    WriteFileWhole(File("new.sav"), std::string("x"));
    umask(old);
    EXPECT_EQ(fs::status(File("new.sav")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(SafeFileTest, APipeOrAFolderIsRefusedAtOnceNeverWaitedOn)
{
    const std::string pipe = File("pipe.sav");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& name : {pipe, FFolder.string()}) {
        try {
            TFileStream stream(name, TFileMode::fmOpenRead);
            FAIL() << name << " must be refused";
        } catch (const EFOpenError& error) {
            EXPECT_EQ(error.Message(), "Cannot open file \"" + name + "\": it is not a regular file");
        }
    }
    EXPECT_THROW(TFileStream(pipe, TFileMode::fmOpenReadWrite), EFOpenError);
    // Nor is a pipe written over.
    EXPECT_THROW(WriteFileWhole(pipe, std::string("x")), EFileWriteError);
}
#endif

TEST_F(SafeFileTest, TheCatalogueLockIsHeldByOneAtATime)
{
    const std::string lock = File("GAMES.DAT.lock");
    const intptr_t first = Platform::LockFile(lock);
    ASSERT_NE(first, -1);
    Platform::UnlockFile(first);
    const intptr_t again = Platform::LockFile(lock);
    EXPECT_NE(again, -1) << "an unlocked lock can be taken again";
    Platform::UnlockFile(again);
    EXPECT_EQ(Platform::LockFile(File("missing/GAMES.DAT.lock")), -1);
}

}  // namespace
