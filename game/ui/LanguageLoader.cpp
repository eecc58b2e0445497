#include "LanguageLoader.h"

#include "Languages.h"
#include "Platform.h"
#include "QVUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

std::string& CurrentCode()
{
    static std::string Code = "en";
    return Code;
}

}  // namespace

TLanguageLoader::TLanguageLoader(QCoreApplication& App, const QString& Folder) : FApp(App), FFolder(Folder) {}

TLanguageLoader::~TLanguageLoader()
{
    for (const std::unique_ptr<QTranslator>* Translator : {&FGame, &FQt})
        if (*Translator)
            FApp.removeTranslator(Translator->get());
}

const std::string& TLanguageLoader::Current()
{
    return CurrentCode();
}

std::vector<std::string> TLanguageLoader::SystemLanguages()
{
    std::vector<std::string> Tags;
    for (const QString& Tag : QLocale::system().uiLanguages())
        Tags.push_back(Tag.toStdString());
    return Tags;
}

QString TLanguageLoader::ProgramTranslations()
{
    return QDir(ToQString(Platform::ProgramFolder())).filePath(QStringLiteral("translations"));
}

bool TLanguageLoader::Use(const std::string& Code)
{
    for (std::unique_ptr<QTranslator>* Translator : {&FGame, &FQt})
        if (*Translator) {
            FApp.removeTranslator(Translator->get());
            Translator->reset();
        }
    CurrentCode() = "en";
    if (!KnownLanguage(Code) || Code == "en")
        return false;
    const QString Name = QString::fromStdString(Code);
    auto Game = std::make_unique<QTranslator>();
    // An empty or damaged file does not load; the texts stay English.
    if (!Game->load(QStringLiteral("TavrelSudoku_") + Name, FFolder) || Game->isEmpty())
        return false;
    FApp.installTranslator(Game.get());
    FGame = std::move(Game);
    // Qt's own texts: beside the program where a copy brings them along,
    // else where this Qt keeps them.
    auto Qt = std::make_unique<QTranslator>();
    if (Qt->load(QStringLiteral("qtbase_") + Name, FFolder) ||
        Qt->load(QStringLiteral("qtbase_") + Name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        FApp.installTranslator(Qt.get());
        FQt = std::move(Qt);
    }
    QLocale::setDefault(QLocale(Name));
    CurrentCode() = Code;
    return true;
}
