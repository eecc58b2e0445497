#pragma once
// How the data layer tells the player about problems it survives: it shows
// nothing itself, the main window implements this interface. Failures that
// end an operation are raised as exceptions instead.

#include "Text.h"

#include <string>

class TDataReporter {
public:
    virtual ~TDataReporter() = default;
    // A plain message box with Message.
    virtual void ShowMessage(const std::string& Message) = 0;
    // The installation error box; its text is InstallationErrorText(Message).
    virtual void ShowInstallationError(const std::string& Message) = 0;
    // The same with a message the window shows in the player's language;
    // a reporter without translations shows its English.
    virtual void ShowText(const TText& Message) { ShowMessage(Message.English()); }
};

// The whole text of the installation error box: the message, then the fixed
// lines that send the player to the installation and to us.
std::string InstallationErrorText(const std::string& Message);
