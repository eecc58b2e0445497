#pragma once
// The languages the game speaks besides its own English, and which of them
// a player reads: the one chosen in the settings, or else the first of the
// system's languages the game has (a regional form takes its language's
// translation: "de-AT" reads German, "pt-PT" Brazilian Portuguese; Chinese
// in traditional characters is not taken for simplified). An English
// system language before any other keeps English.

#include <string>
#include <vector>

struct TLanguage {
    // The stored name and the translation files' suffix ("pt_BR").
    const char* Code;
    // The language's name in that language, as the settings list shows it.
    const char* OwnName;
    // Whether the help pages are written in it too.
    bool Help;
};

// English first ("en"), then the translations in the settings list's order.
const std::vector<TLanguage>& Languages();

// The stored choice of the system's language.
inline constexpr const char* SystemLanguage = "System";

// The code of the language to read ("en" for English). Stored is the
// settings' choice (a code, or SystemLanguage, or anything else: the
// system's); System the system's languages, most wanted first, in the
// BCP 47 form ("de-DE", "zh-Hans-CN") or with underscores.
std::string PickLanguage(const std::string& Stored, const std::vector<std::string>& System);

// Whether Code names one of Languages().
bool KnownLanguage(const std::string& Code);
