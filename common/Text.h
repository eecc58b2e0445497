#pragma once
// A text the player reads, kept as its English template and its arguments,
// so that the layers without Qt can say things that the window layer shows
// in the player's language. The template numbers its arguments "%1" to
// "%9", and a translation may put them in any order.
//
// TR_TEXT("Context", "English template") marks a template for the
// translators (scripts/update-translations.sh reads it, and TR_MARK, as
// Qt's QT_TRANSLATE_NOOP); the context groups it with the texts around it.

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

struct TTextSource {
    const char* Context = nullptr;
    const char* Source = nullptr;
};

#define TR_TEXT(Context, Source) (TTextSource{Context, Source})
// Marks a text kept as a plain string (a table of names) that the window
// layer translates in Context.
#define TR_MARK(Context, Source) Source

class TText {
public:
    TText() = default;
    // A text of no template: shown as it is, in every language.
    explicit TText(std::string Plain) : FPlain(std::move(Plain)) {}
    template <typename... TArgs>
    explicit TText(TTextSource Source, const TArgs&... Args) : FSource(Source)
    {
        FArgs.reserve(sizeof...(Args));
        (FArgs.push_back(Argument(Args)), ...);
    }

    bool Translatable() const { return FSource.Source != nullptr; }
    const char* Context() const { return FSource.Context; }
    const char* Source() const { return FSource.Source; }
    // The arguments, each a text of its own: a plain one for a number or a
    // name, a template for a message inside a message.
    const std::vector<TText>& Args() const { return FArgs; }

    // The template with its arguments in place of "%1" to "%9" (a number
    // without an argument stays as it is), or the plain text.
    std::string English() const;

    static std::string Fill(const std::string& Template, const std::vector<std::string>& Args);

private:
    static TText Argument(const std::string& Text) { return TText(Text); }
    static TText Argument(const char* Text) { return TText(std::string(Text != nullptr ? Text : "")); }
    static TText Argument(const TText& Text) { return Text; }
    template <typename T, typename = std::enable_if_t<std::is_arithmetic_v<T>>>
    static TText Argument(T Number)
    {
        return TText(std::to_string(Number));
    }

    TTextSource FSource;
    std::string FPlain;
    std::vector<TText> FArgs;
};
