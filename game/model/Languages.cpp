#include "Languages.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string Text)
{
    for (char& C : Text)
        C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
    std::replace(Text.begin(), Text.end(), '-', '_');
    return Text;
}

// The parts of a language tag: "zh_hans_cn" -> {"zh", "hans", "cn"}.
std::vector<std::string> Parts(const std::string& Tag)
{
    std::vector<std::string> Result;
    size_t Start = 0;
    while (Start <= Tag.size()) {
        const size_t End = std::min(Tag.find('_', Start), Tag.size());
        Result.push_back(Tag.substr(Start, End - Start));
        Start = End + 1;
    }
    return Result;
}

bool Has(const std::vector<std::string>& Parts, const char* Part)
{
    return std::find(Parts.begin() + 1, Parts.end(), Part) != Parts.end();
}

// The language a system tag asks for: a code, "en", or "" for none the game has.
std::string Match(const std::string& Tag)
{
    const std::vector<std::string> P = Parts(Lower(Tag));
    const std::string& Language = P.front();
    if (Language == "en" || Language == "c" || Language == "posix")
        return "en";
    if (Language == "zh")
        return Has(P, "hant") || Has(P, "tw") || Has(P, "hk") || Has(P, "mo") ? "" : "zh_CN";
    if (Language == "pt")
        return "pt_BR";
    for (const TLanguage& Offered : Languages())
        if (Lower(Offered.Code) == Language)
            return Offered.Code;
    return {};
}

}  // namespace

const std::vector<TLanguage>& Languages()
{
    static const std::vector<TLanguage> List = {
        {"en", "English", true},
        {"de", "Deutsch", true},
        {"fr", "Français", true},
        {"es", "Español", false},
        {"it", "Italiano", false},
        {"nl", "Nederlands", false},
        {"pt_BR", "Português (Brasil)", false},
        {"pl", "Polski", false},
        {"ru", "Русский", false},
        {"ja", "日本語", false},
        {"zh_CN", "简体中文", false},
    };
    return List;
}

bool KnownLanguage(const std::string& Code)
{
    return std::any_of(Languages().begin(), Languages().end(),
                       [&](const TLanguage& Language) { return Code == Language.Code; });
}

std::string PickLanguage(const std::string& Stored, const std::vector<std::string>& System)
{
    if (KnownLanguage(Stored))
        return Stored;
    for (const std::string& Tag : System)
        if (std::string Code = Match(Tag); !Code.empty())
            return Code;
    return "en";
}
