#pragma once
// Program-wide services of the game's windows: the application object whose
// event dispatch is the one place every escaping error is shown, the texts
// of the error and installation boxes, and the catalogue's reporter.

#include "DataReporter.h"
#include "Translated.h"

#include <QApplication>
#include <QString>

#include <exception>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

// The error dialog's text: the message, then the lines that send the player
// to the installation and to us.
QString ErrorDialogText(const QString& Message);
// Shows an error that reached the top in the error dialog (through the
// prompter); the program then goes on.
void ApplicationEvents1Exception(const std::exception& Error);
void ApplicationEvents1Exception(const QString& Message);

// Runs Action; an exception that escapes it is shown in the error dialog
// instead of ending the program. Answers false when one did.
bool RunGuarded(const std::function<void()>& Action);

// A slot that shows what its handler raises in the error dialog, so that no
// exception crosses the emission of a signal (Qt's own code is not made to
// pass exceptions on). Takes whatever arguments the signal gives.
template <typename THandler>
auto Guarded(THandler Handler)
{
    return [Handler = std::move(Handler)](auto&&... Args) {
        RunGuarded([&] {
            // Like a plain slot, the handler may take none of the arguments.
            if constexpr (std::is_invocable_v<const THandler&, decltype(Args)...>)
                Handler(Args...);
            else
                Handler();
        });
    };
}

// The game's application object. Every event (a menu command, a click, a
// key, a dialog's button) is dispatched through notify, which catches what
// escapes a handler and shows it.
class TTavrelApplication : public QApplication {
    Q_OBJECT

public:
    TTavrelApplication(int& Argc, char** Argv);
    bool notify(QObject* Receiver, QEvent* Event) override;
};

// The catalogue's reporter: plain messages and the installation error box
// through the prompter.
class TMessageReporter final : public TDataReporter {
public:
    void ShowMessage(const std::string& Message) override;
    void ShowInstallationError(const std::string& Message) override;
    void ShowText(const TText& Message) override;
};

// Messages and file names: UTF-8, as the lower layers take them (their
// platform layer hands file names to the system in its own form).
QString ToQString(const std::string& Text);
std::string ToStdString(const QString& Text);
// Texts of the data files (game names and descriptions): 8-bit characters.
QString FromDataText(const std::string& Text);
