// The saved-game file's text: the proposed name, line 1 and the bounds of
// the reader. The round trip through the window is in the window's tests.
#include "Exception.h"
#include "MemoryStream.h"
#include "Puzzle.h"
#include "PyramidTestSupport.h"
#include "SavedGame.h"

#include <gtest/gtest.h>

namespace {

std::string Message(const std::function<void()>& Action)
{
    try {
        Action();
    } catch (const Exception& Error) {
        return Error.Message();
    }
    return {};
}

TSavedGameName NameOf(const std::string& Text)
{
    TMemoryStream Stream(std::vector<uint8_t>(Text.begin(), Text.end()));
    return TSavedGameReader(Stream).ReadName();
}

}  // namespace

TEST(SavedGame, ProposedNameDropsTheFiveCharactersOnly)
{
    EXPECT_EQ(ProposedSaveName("What? \"A\"/B\\C*: D", 12, 6), "What ABC: D Dec06.sav");
    EXPECT_EQ(ProposedSaveName("Centres", 1, 31), "Centres Jan31.sav");
}

TEST(SavedGame, TheFirstLineNamesIssueAndGame)
{
    EXPECT_EQ(NameOf("3,12\r\n").Issue, 3u);
    EXPECT_EQ(NameOf("3,12\r\n").Game, 12u);
    EXPECT_EQ(NameOf("3,12,99\n").Game, 12u);
    EXPECT_EQ(Message([] { NameOf("abc,1\r\n"); }), "'abc' is not a valid integer value");
    EXPECT_EQ(Message([] { NameOf("3,\r\n"); }), "'' is not a valid integer value");
    EXPECT_FALSE(Message([] { NameOf("312\r\n"); }).empty());
}

TEST(SavedGame, ReadingStopsAtTheLinesItNeeds)
{
    TTestPyramid Game = MakeTestPyramid(7, 11);
    // Line 1, the parent's and child 1's lines, then lines nobody reads.
    std::string Text = "1,1\n";
    for (int Index = 0; Index <= 1; ++Index)
        Text += Game.Pyramid->GetValuesLine(Index) + "\n\n\n";
    Text += std::string(100000, 'x') + "\n";
    TMemoryStream Stream(std::vector<uint8_t>(Text.begin(), Text.end()));
    TSavedGameReader Reader(Stream);
    Reader.ReadName();
    Reader.LoadInto(*Game.Pyramid);
    EXPECT_EQ(Stream.GetPosition(), static_cast<int64_t>(Text.size()) - 100001);
    // A line longer than any the file holds is refused, not read whole.
    std::string Long = "1,1\n0,0,1," + std::string(10 * TSavedGameReader::MaxLineLength, '0');
    TMemoryStream LongStream(std::vector<uint8_t>(Long.begin(), Long.end()));
    TSavedGameReader LongReader(LongStream);
    LongReader.ReadName();
    EXPECT_EQ(Message([&] { LongReader.LoadInto(*Game.Pyramid); }),
              "Saved game: line 2 is longer than 4096 characters");
    EXPECT_LT(LongStream.GetPosition(), 2 * TSavedGameReader::MaxLineLength);
}
