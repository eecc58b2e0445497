#include "Translated.h"

#include "Exception.h"

#include <QCoreApplication>

QString TranslatedText(const TText& Text)
{
    if (!Text.Translatable())
        return QString::fromStdString(Text.English());
    const QString Template = QCoreApplication::translate(Text.Context(), Text.Source());
    const std::vector<TText>& Args = Text.Args();
    // One pass, so that an argument holding "%2" stays as it is.
    QString Filled;
    Filled.reserve(Template.size());
    for (qsizetype At = 0; At < Template.size(); ++At) {
        const QChar Next = At + 1 < Template.size() ? Template[At + 1] : QChar();
        const int Index = Next.unicode() - '1';
        if (Template[At] == QLatin1Char('%') && Index >= 0 && Index < 9 && static_cast<size_t>(Index) < Args.size()) {
            Filled += TranslatedText(Args[static_cast<size_t>(Index)]);
            ++At;
        } else
            Filled += Template[At];
    }
    return Filled;
}

TText TextOf(const std::exception& Error)
{
    if (const auto* Own = dynamic_cast<const Exception*>(&Error); Own != nullptr && Own->Text().Translatable())
        return Own->Text();
    return TText(std::string(Error.what()));
}

QString MessageOf(const std::exception& Error)
{
    if (const auto* Own = dynamic_cast<const Exception*>(&Error); Own != nullptr && Own->Text().Translatable())
        return TranslatedText(Own->Text());
    return QString::fromUtf8(Error.what());
}
