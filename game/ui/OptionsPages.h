#pragma once
// The settings dialog's pages are made in more than one file; these make
// their parts alike.

#include <QString>

class QGroupBox;
class QWidget;

// The property of a page that holds its help topic.
inline constexpr const char* OptionsHelpTopicProperty = "HelpTopic";

// A settings page that carries its help topic.
QWidget* MakeOptionsPage(const QString& Name, int Topic);
QGroupBox* MakeOptionsGroup(const QString& Name, const QString& Title, QWidget* Parent);
