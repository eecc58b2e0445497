// The About box's lines from full, partial and missing version information,
// the program's own version information, and the taking apart of the
// registered browser command.

#include "AboutLines.h"
#include "BrowserCommand.h"
#include "Exception.h"
#include "VersionInfo.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class TFakeVersionInfo final : public TVersionInfoSource {
public:
    std::optional<TFileVersion> Version;
    std::map<std::string, std::string> Strings;

    std::optional<TFileVersion> FileVersion() const override { return Version; }
    std::optional<std::string> StringValue(const std::string& Name) const override
    {
        const auto Found = Strings.find(Name);
        if (Found == Strings.end())
            return std::nullopt;
        return Found->second;
    }
};

TEST(AboutLines, FullPartialAndMissingVersionInformation)
{
    TFakeVersionInfo Full;
    Full.Version = TFileVersion{3, 12};
    Full.Strings = {{"LegalCopyright", "(C) 2031 Owner Ltd"},
                    {"CompanyName", "Owner Ltd"},
                    {"LegalTradeMarks", "Pyramid, Links"},
                    {"Comments", "The file's own comment"}};
    TAboutLines Lines = ComposeAboutLines(Full, "Tavrel Sudoku", "Passed comment");
    EXPECT_EQ(Lines.ProductName, "Tavrel Sudoku");
    EXPECT_EQ(Lines.Version, "Version 3.12");
    EXPECT_EQ(Lines.Notice, "(C) 2031 Owner Ltd");
    EXPECT_EQ(Lines.Comments, "Passed comment");
    EXPECT_EQ(Lines.TradeMarks, "The following are registered trademarks of Owner Ltd Pyramid, Links");

    // Empty values count as missing: the notice keeps its fixed text, the
    // owner falls back to the fixed name.
    TFakeVersionInfo Partial;
    Partial.Version = TFileVersion{65535, 0};
    Partial.Strings = {{"LegalCopyright", ""}, {"CompanyName", ""}, {"LegalTradeMarks", "Pyramid"}};
    Lines = ComposeAboutLines(Partial, "Name", "");
    EXPECT_EQ(Lines.Version, "Version 65535.0");
    EXPECT_EQ(Lines.Notice, DefaultNoticeText);
    EXPECT_EQ(Lines.TradeMarks,
              std::string("The following are registered trademarks of ") + DefaultOwnerName + " Pyramid");
    EXPECT_EQ(Lines.Comments, "");

    Partial.Strings = {{"CompanyName", "Owner Ltd"}, {"LegalTradeMarks", ""}};
    EXPECT_EQ(ComposeAboutLines(Partial, "Name", "").TradeMarks, "");

    const TFakeVersionInfo Missing;
    Lines = ComposeAboutLines(Missing, "Name", SharingNoticeText);
    EXPECT_EQ(Lines.Version, "");
    EXPECT_EQ(Lines.Notice, DefaultNoticeText);
    EXPECT_EQ(Lines.TradeMarks, "");
    EXPECT_EQ(Lines.Comments, SharingNoticeText);
}

TEST(AboutLines, ProgramVersionNumberAndStringsComeFromOnePlace)
{
    const TVersionInfoSource& Info = ProgramVersionInfo();
    const std::optional<TFileVersion> Version = Info.FileVersion();
    const std::optional<std::string> Text = Info.StringValue("FileVersion");
    ASSERT_TRUE(Version.has_value());
    ASSERT_TRUE(Text.has_value());
    EXPECT_EQ(Text->rfind(std::to_string(Version->Major) + "." + std::to_string(Version->Minor) + ".", 0), 0u) << *Text;
    // Names compare without regard to case, as the system's version
    // functions compare them ("LegalTradeMarks" finds "LegalTrademarks").
    EXPECT_EQ(Info.StringValue("fileVERSION"), Text);
    EXPECT_FALSE(Info.StringValue("FileVersionX").has_value());
    EXPECT_FALSE(Info.StringValue("").has_value());
}

TEST(BrowserCommand, ProgramPartParametersAndTheAddress)
{
    const std::string Address = "https://www.tavrelsudoku.example/";
    TBrowserCommand Start = ParseBrowserCommand(R"("C:\Program Files\Web\web.exe" -new "%1" -again %1)", Address);
    EXPECT_EQ(Start.Program, R"(C:\Program Files\Web\web.exe)");
    EXPECT_EQ(Start.Parameters, R"( -new "https://www.tavrelsudoku.example/" -again %1)");

    Start = ParseBrowserCommand(R"("C:\Web\web.exe" -nohome)", Address);
    EXPECT_EQ(Start.Program, R"(C:\Web\web.exe)");
    EXPECT_EQ(Start.Parameters, Address);

    Start = ParseBrowserCommand(R"(C:\Web\web.exe)", Address);
    EXPECT_EQ(Start.Program, R"(C:\Web\web.exe)");
    EXPECT_EQ(Start.Parameters, Address);

    Start = ParseBrowserCommand(R"(C:\Web\web.exe -url %1)", Address);
    EXPECT_EQ(Start.Program, R"(C:\Web\web.exe)");
    EXPECT_EQ(Start.Parameters, " -url " + Address);

    // A quote that never closes: the whole command is the program.
    Start = ParseBrowserCommand(R"("C:\Web\web.exe %1)", Address);
    EXPECT_EQ(Start.Program, R"(C:\Web\web.exe %1)");
    EXPECT_EQ(Start.Parameters, Address);

    for (const std::string Command : {"", " -url %1", "\"\" %1"}) {
        try {
            ParseBrowserCommand(Command, Address);
            ADD_FAILURE() << "no program in [" << Command << "] must raise";
        } catch (const Exception& Error) {
            EXPECT_EQ(Error.Message(), "Unable to find start command for internet browser");
        }
    }
}

TEST(BrowserCommand, RestIsCutAt999CharactersBeforeTheAddressGoesIn)
{
    const std::string Address = "https://a.example/";
    // "%1" beyond the cut is lost, so the address stands alone.
    std::string Command = "web.exe " + std::string(997, 'x') + " %1";
    EXPECT_EQ(ParseBrowserCommand(Command, Address).Parameters, Address);

    Command = "web.exe %1" + std::string(2000, 'y');
    const std::string Parameters = ParseBrowserCommand(Command, Address).Parameters;
    EXPECT_EQ(Parameters, " " + Address + std::string(999 - 3, 'y'));

    // A cut that would split a character leaves the whole character out.
    Command = "web.exe %1" + std::string(995, 'z') + "\xC3\xA9" + "tail";
    EXPECT_EQ(ParseBrowserCommand(Command, Address).Parameters, " " + Address + std::string(995, 'z'));
}

}  // namespace
