#pragma once
// The scratch settings file as a test reads and edits it, and the settings
// dialog opened from the window and closed with OK or Cancel.

#include "MainWindowRig.h"

#include <QFile>
#include <QSettings>
#include <QTextStream>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>

// The stored file read as plain text: "[Group]" headers and "Name=value".
inline std::map<QString, QString> StoredValues(const QString& FileName)
{
    std::map<QString, QString> Values;
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly | QIODevice::Text))
        return Values;
    QString Group;
    QTextStream Stream(&File);
    while (!Stream.atEnd()) {
        const QString Line = Stream.readLine().trimmed();
        if (Line.startsWith(QLatin1Char('[')))
            Group = Line.mid(1, Line.size() - 2);
        else if (Line.contains(QLatin1Char('=')))
            Values[Group + QLatin1Char('/') + Line.section(QLatin1Char('='), 0, 0)] = Line.section(QLatin1Char('='), 1);
    }
    return Values;
}

inline void Edit(const QString& FileName, const std::function<void(QSettings&)>& Change)
{
    QSettings Store(FileName, QSettings::IniFormat);
    Change(Store);
}

// Shows the settings dialog from the window; While runs inside it, then the
// dialog closes with OK or Cancel.
inline void RunSettings(TMainWindowRig& Rig, bool Ok, const std::function<void()>& While)
{
    QTimer::singleShot(0, [&Rig, Ok, While] {
        While();
        if (Ok)
            Rig.Options->accept();
        else
            Rig.Options->reject();
    });
    ASSERT_TRUE(Rig.Trigger("Settings1"));
}
