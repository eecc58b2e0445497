// The list of refused issue files: a file refused for its content is left
// alone until it changes, one that could not be opened is tried again at
// every start and told of once, and the list survives a restart.

#include "DataTestFiles.h"
#include "RefusedIssues.h"

#include <gtest/gtest.h>

namespace {

TEST(RefusedIssuesTest, ContentIsSkippedAndAccessIsTriedAgainButToldOnce)
{
    TTempProgramFolder Folder;
    const std::string File = Folder.Issue("REFUSED.TXT");
    {
        TRefusedIssues List(File);
        List.Load();
        EXPECT_TRUE(List.Refuse("bad.ISS", "P:10:1", false));
        EXPECT_FALSE(List.Refuse("bad.ISS", "P:10:1", false)) << "told once";
        EXPECT_TRUE(List.Refuse("locked.ISS", "P:20:2", true));
        EXPECT_FALSE(List.Refuse("locked.ISS", "P:20:2", true)) << "told once";
        EXPECT_TRUE(List.Skips("bad.ISS", "P:10:1"));
        EXPECT_FALSE(List.Skips("bad.ISS", "P:11:1")) << "a changed file is looked at afresh";
        EXPECT_FALSE(List.Skips("locked.ISS", "P:20:2")) << "mended permissions change neither size nor time";
        List.Save();
    }
    TRefusedIssues Again(File);
    Again.Load();
    EXPECT_TRUE(Again.Skips("bad.ISS", "P:10:1"));
    EXPECT_FALSE(Again.Skips("locked.ISS", "P:20:2"));
    EXPECT_FALSE(Again.Refuse("locked.ISS", "P:20:2", true)) << "not told again after a restart";
    // Taken in at last: forgotten, so a later refusal is news again.
    Again.Forget("locked.ISS", "P:20:2");
    EXPECT_TRUE(Again.Refuse("locked.ISS", "P:20:2", true));
    // Files no longer there are forgotten.
    Again.KeepOnly({"bad.ISS\tP:10:1"});
    EXPECT_TRUE(Again.Refuse("locked.ISS", "P:20:2", true));
    EXPECT_TRUE(Again.Changed());
}

TEST(RefusedIssuesTest, ADamagedListIsReadForWhatItHolds)
{
    TTempProgramFolder Folder;
    const std::string File = Folder.Issue("REFUSED.TXT");
    // Lines written by an earlier version (two fields), a line without a
    // tab, an access line, and no newline at the end.
    WriteFileBytes(File, std::vector<uint8_t>({'a',  '\t', 'B',  ':', '1', '\n', 'n',  'o', 't', 'a', 'b',
                                               '\n', 'c',  '\t', 'P', ':', '2',  '\t', 'o', 'p', 'e', 'n'}));
    TRefusedIssues List(File);
    List.Load();
    EXPECT_TRUE(List.Skips("a", "B:1"));
    EXPECT_FALSE(List.Skips("notab", ""));
    EXPECT_FALSE(List.Skips("c", "P:2"));
    EXPECT_FALSE(List.Refuse("c", "P:2", true));
    EXPECT_FALSE(List.Changed());
    // A list kept nowhere still remembers for the run.
    TRefusedIssues Memory("");
    Memory.Load();
    EXPECT_TRUE(Memory.Refuse("x", "y", false));
    EXPECT_TRUE(Memory.Skips("x", "y"));
    Memory.Save();
}

}  // namespace
