#include "Text.h"

std::string TText::Fill(const std::string& Template, const std::vector<std::string>& Args)
{
    std::string Text;
    Text.reserve(Template.size());
    for (size_t At = 0; At < Template.size(); ++At) {
        const char Next = At + 1 < Template.size() ? Template[At + 1] : '\0';
        if (Template[At] == '%' && Next >= '1' && Next <= '9' && static_cast<size_t>(Next - '1') < Args.size()) {
            Text += Args[static_cast<size_t>(Next - '1')];
            ++At;
        } else
            Text += Template[At];
    }
    return Text;
}

std::string TText::English() const
{
    if (!Translatable())
        return FPlain;
    std::vector<std::string> Filled;
    Filled.reserve(FArgs.size());
    for (const TText& Arg : FArgs)
        Filled.push_back(Arg.English());
    return Fill(FSource.Source, Filled);
}
