// Which language a player reads: the choice in the settings, else the
// first of the system's languages the game has.

#include "Languages.h"

#include <gtest/gtest.h>

TEST(Languages, TheChoiceWinsThenTheSystemsFirstLanguageTheGameHas)
{
    // A choice of a language the game has wins over the system's.
    EXPECT_EQ(PickLanguage("fr", {"de-DE"}), "fr");
    EXPECT_EQ(PickLanguage("en", {"de-DE", "de"}), "en");
    // The system's choice, or a stored name no language has, follows the
    // system's languages in order.
    EXPECT_EQ(PickLanguage(SystemLanguage, {"de-DE", "de", "en-US"}), "de");
    EXPECT_EQ(PickLanguage("klingon", {"ja-JP"}), "ja");
    EXPECT_EQ(PickLanguage(SystemLanguage, {"sv-SE", "nl-BE", "fr"}), "nl");
    // English asked for before anything the game translates keeps English.
    EXPECT_EQ(PickLanguage(SystemLanguage, {"en-GB", "de"}), "en");
    EXPECT_EQ(PickLanguage(SystemLanguage, {"sv-SE"}), "en");
    EXPECT_EQ(PickLanguage(SystemLanguage, {}), "en");
    // Regional forms take their language's translation, either spelling.
    EXPECT_EQ(PickLanguage(SystemLanguage, {"pt-PT"}), "pt_BR");
    EXPECT_EQ(PickLanguage(SystemLanguage, {"pt_BR"}), "pt_BR");
    EXPECT_EQ(PickLanguage(SystemLanguage, {"ES-mx"}), "es");
    // Chinese in simplified characters only.
    EXPECT_EQ(PickLanguage(SystemLanguage, {"zh-Hans-CN"}), "zh_CN");
    EXPECT_EQ(PickLanguage(SystemLanguage, {"zh-CN"}), "zh_CN");
    EXPECT_EQ(PickLanguage(SystemLanguage, {"zh-Hant-TW", "zh-TW", "ja"}), "ja");
    EXPECT_EQ(PickLanguage(SystemLanguage, {"zh-HK"}), "en");

    // Every language is offered under a distinct code, English first.
    ASSERT_FALSE(Languages().empty());
    EXPECT_STREQ(Languages().front().Code, "en");
    for (size_t A = 0; A < Languages().size(); ++A)
        for (size_t B = A + 1; B < Languages().size(); ++B)
            EXPECT_STRNE(Languages()[A].Code, Languages()[B].Code);
    EXPECT_TRUE(KnownLanguage("pt_BR"));
    EXPECT_FALSE(KnownLanguage(SystemLanguage));
}
