// Texts the player reads, kept as an English template and its arguments: the
// English they give, and the exceptions that carry them up to the window
// layer, which translates them.

#include "Exception.h"
#include "FileStream.h"
#include "SafeFile.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

TEST(Text, FillsNumberedArgumentsInAnyOrderAndLeavesOtherPercentSigns)
{
    // A translation may put the arguments in another order than the English.
    EXPECT_EQ(TText::Fill("%2 before %1", {"one", "two"}), "two before one");
    EXPECT_EQ(TText::Fill("%1, %1 and %2", {"a", "b"}), "a, a and b");
    // A "%" that is not followed by an argument's number stays as it is: a
    // literal percent, a number without an argument, "%0", a "%" at the end.
    EXPECT_EQ(TText::Fill("50% of %1", {"the games"}), "50% of the games");
    EXPECT_EQ(TText::Fill("%1 and %3", {"x", "y"}), "x and %3");
    EXPECT_EQ(TText::Fill("%0 %", {"x"}), "%0 %");
    EXPECT_EQ(TText::Fill("%%1", {"x"}), "%x");
    // An argument's own "%1" is not filled again.
    EXPECT_EQ(TText::Fill("%1 %2", {"%2", "b"}), "%2 b");
    EXPECT_EQ(TText::Fill("", {"x"}), "");

    // The arguments of a text: numbers as printf's "%d"/"%u" show them (a
    // byte as a number, not as a character), strings, and a message inside
    // a message, which keeps its own template for the translators.
    const TText inner(TR_TEXT("Ctx", "line %1 is too long"), 7);
    const TText outer(TR_TEXT("Ctx", "Invalid file %1 - %2"), std::string("A.ISS"), inner);
    EXPECT_EQ(outer.English(), "Invalid file A.ISS - line 7 is too long");
    ASSERT_EQ(outer.Args().size(), 2u);
    EXPECT_FALSE(outer.Args()[0].Translatable());
    EXPECT_TRUE(outer.Args()[1].Translatable());
    EXPECT_STREQ(outer.Args()[1].Source(), "line %1 is too long");
    EXPECT_STREQ(outer.Context(), "Ctx");
    EXPECT_EQ(TText(TR_TEXT("Ctx", "%1 %2 %3 %4"), -5, 4294967295u, static_cast<uint8_t>(65), "name").English(),
              "-5 4294967295 65 name");

    // A plain text is shown as it is, "%1" and all; an empty one is empty.
    const TText plain(std::string("100% sure, %1"));
    EXPECT_FALSE(plain.Translatable());
    EXPECT_EQ(plain.English(), "100% sure, %1");
    EXPECT_TRUE(plain.Args().empty());
    EXPECT_EQ(TText().English(), "");
}

TEST(Text, ExceptionsKeepTheEnglishMessageAndTheTemplateWithItsArguments)
{
    const Exception raised(TR_TEXT("SavedGame", "Saved game: line %1 is longer than %2 characters"), 12, 4096);
    EXPECT_EQ(raised.Message(), "Saved game: line 12 is longer than 4096 characters");
    EXPECT_STREQ(raised.what(), raised.Message().c_str());
    ASSERT_TRUE(raised.Text().Translatable());
    EXPECT_STREQ(raised.Text().Context(), "SavedGame");
    EXPECT_STREQ(raised.Text().Source(), "Saved game: line %1 is longer than %2 characters");
    ASSERT_EQ(raised.Text().Args().size(), 2u);
    EXPECT_EQ(raised.Text().Args()[0].English(), "12");
    EXPECT_EQ(raised.Text().Args()[1].English(), "4096");

    // A message built round another exception's text keeps the inner one,
    // whether that was raised from a template or as a finished string.
    const Exception plain(std::string("Out of paper"));
    EXPECT_FALSE(plain.Text().Translatable());
    EXPECT_EQ(plain.Text().English(), "Out of paper");
    const Exception around(TR_TEXT("Ctx", "Printing failed: %1 (%2)"), plain.Text(), raised.Text());
    EXPECT_EQ(around.Message(), "Printing failed: Out of paper (Saved game: line 12 is longer than 4096 characters)");
    EXPECT_EQ(Exception(around.Text()).Message(), around.Message());

    // The derived classes take a template too, and the stream errors raised
    // without one still carry theirs.
    try {
        throw EReadError(TR_TEXT("Ctx", "Stream seek error"));
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Stream seek error");
        EXPECT_TRUE(error.Text().Translatable());
    }
    EXPECT_TRUE(EWriteError().Text().Translatable());
    EXPECT_EQ(EWriteError().Message(), "Stream write error");
}

TEST(Text, FileErrorsNameTheFileAsAnArgumentAndKeepTheirCauseTranslatable)
{
    const fs::path folder = fs::temp_directory_path() / "tavrel-text-test";
    fs::remove_all(folder);
    fs::create_directories(folder / "a folder");
    const std::string missing = (folder / "missing.sav").string();
    try {
        TFileStream stream(missing, TFileMode::fmOpenRead);
        FAIL() << "a missing file must not open";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message(), "Cannot open file \"" + missing + "\"");
        ASSERT_EQ(error.Text().Args().size(), 1u);
        EXPECT_EQ(error.Text().Args()[0].English(), missing);
        EXPECT_STREQ(error.Text().Source(), "Cannot open file \"%1\"");
    }

    // A folder in the way: the writer's own cause is a template of its own
    // inside "Cannot write %1: %2", and Cause() still reads the English.
    const std::string blocked = (folder / "a folder").string();
    try {
        WriteFileWhole(blocked, std::string("text"));
        FAIL() << "a folder must not be written over";
    } catch (const EFileWriteError& error) {
        EXPECT_EQ(error.Message(), "Cannot write " + blocked + ": it is not a regular file");
        EXPECT_EQ(error.Cause(), "it is not a regular file");
        EXPECT_TRUE(error.CauseText().Translatable());
        ASSERT_EQ(error.Text().Args().size(), 2u);
        EXPECT_TRUE(error.Text().Args()[1].Translatable());
        EXPECT_STREQ(error.Text().Args()[1].Source(), "it is not a regular file");
    }
    fs::remove_all(folder);
}

}  // namespace
