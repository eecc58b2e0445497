#pragma once
// The language of this run: picked once at start from the settings' choice
// and the system's languages (Languages.h), with the game's translation and
// Qt's own (the standard dialogs' buttons and captions) installed, and the
// default locale set to it so that dates and numbers read as its readers
// write them. A translation file that is missing or unreadable leaves the
// game in English, never with empty texts.

#include <QString>

#include <memory>
#include <string>
#include <vector>

class QCoreApplication;
class QTranslator;

class TLanguageLoader {
public:
    // Folder holds the game's translation files ("TavrelSudoku_de.qm").
    TLanguageLoader(QCoreApplication& App, const QString& Folder);
    ~TLanguageLoader();
    TLanguageLoader(const TLanguageLoader&) = delete;
    TLanguageLoader& operator=(const TLanguageLoader&) = delete;

    // Installs the translations of Code ("en": none); answers whether the
    // game's own translation loaded. Earlier ones are taken away first.
    bool Use(const std::string& Code);

    // The language in use, "en" until another loads.
    static const std::string& Current();
    // The system's languages, most wanted first.
    static std::vector<std::string> SystemLanguages();
    // The folder beside the program where its translations are.
    static QString ProgramTranslations();

private:
    QCoreApplication& FApp;
    QString FFolder;
    std::unique_ptr<QTranslator> FGame;
    std::unique_ptr<QTranslator> FQt;
};
