#pragma once
// Scratch folders for the GUI tests: one root per test program run, a fresh
// program folder per test with the bundled issue files copied in.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QUuid>

#include <string>

// The root of everything this test program writes; removed at the end.
inline QString ScratchRoot()
{
    static const QString Root = QDir::tempPath() + QStringLiteral("/tavrel-ui-") +
                                QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                                QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    return Root;
}

// A new empty folder below the root.
inline QString NewScratchFolder(const QString& Stem)
{
    static int Counter = 0;
    const QString Folder = ScratchRoot() + QLatin1Char('/') + Stem + QString::number(++Counter);
    QDir().mkpath(Folder);
    return Folder;
}

// A program folder with "ISSUES" holding copies of the bundled issue files
// (all of them, or the named ones); ends in a separator, as the program
// folder does.
inline std::string ScratchProgramFolder(const QStringList& Issues = {})
{
    const QString Folder = NewScratchFolder(QStringLiteral("program"));
    const QDir Bundled(QStringLiteral(TAVREL_BIN_DIR "/ISSUES"));
    QDir().mkpath(Folder + QStringLiteral("/ISSUES"));
    const QStringList Names = Issues.isEmpty() ? Bundled.entryList({QStringLiteral("*.ISS")}, QDir::Files) : Issues;
    for (const QString& Name : Names)
        QFile::copy(Bundled.filePath(Name), Folder + QStringLiteral("/ISSUES/") + Name);
    return (Folder + QLatin1Char('/')).toStdString();
}
