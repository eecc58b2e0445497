#pragma once
// Opening a web address in the player's browser, and the browser command
// registered for web addresses on Windows, taken apart: the program to start
// and the parameters to give it for one address.

#include "Text.h"

#include <string>

// "Unable to find start command for internet browser".
extern const TTextSource NoBrowserMessage;

struct TBrowserCommand {
    // The program file, without the quotes that may surround it in the
    // command.
    std::string Program;
    std::string Parameters;
};

// Command is the registered command line, UTF-8. A quoted program part runs
// to the next double quote, an unquoted one to the first blank. The rest of
// the command (at most 999 characters, never cut inside a character) is the
// parameters with its first "%1" replaced by Address; a rest without "%1",
// or no rest, gives Address alone. Raises Exception(NoBrowserMessage) when
// the command names no program (empty, blank, or "").
TBrowserCommand ParseBrowserCommand(const std::string& Command, const std::string& Address);

// Starts the browser on Address and returns without waiting for it. On
// Windows the command is the default value of the classes-root key
// "HTTP\shell\open\command", taken apart as above and started with the
// "open" verb; elsewhere the desktop's opener of web addresses, "xdg-open"
// found on the PATH, is started on Address. Raises Exception(NoBrowserMessage)
// when Address is empty, when there is no command or opener, or when it
// cannot be started.
void OpenBrowser(const std::string& Address);
