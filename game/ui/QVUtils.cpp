#include "QVUtils.h"

#include "Exception.h"
#include "Prompter.h"

namespace {

QWidget* ActiveOwner()
{
    return QApplication::activeWindow();
}

}  // namespace

QString ErrorDialogText(const QString& Message)
{
    return Message + QLatin1Char('\n') +
           QCoreApplication::translate("TfrmMain", "Please check your installation. Also check if there has been an "
                                                   "update.\nPlease inform us of this error message.");
}

void ApplicationEvents1Exception(const QString& Message)
{
    Prompts().Message(ActiveOwner(), TMessageKind::Error, QString(), ErrorDialogText(Message));
}

void ApplicationEvents1Exception(const std::exception& Error)
{
    ApplicationEvents1Exception(MessageOf(Error));
}

bool RunGuarded(const std::function<void()>& Action)
{
    try {
        Action();
        return true;
    } catch (const std::exception& Error) {
        ApplicationEvents1Exception(Error);
    } catch (...) {
        ApplicationEvents1Exception(QCoreApplication::translate("TfrmMain", "Unknown error"));
    }
    return false;
}

TTavrelApplication::TTavrelApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {}

bool TTavrelApplication::notify(QObject* Receiver, QEvent* Event)
{
    bool Result = false;
    RunGuarded([&] { Result = QApplication::notify(Receiver, Event); });
    return Result;
}

void TMessageReporter::ShowMessage(const std::string& Message)
{
    Prompts().Message(ActiveOwner(), TMessageKind::Plain, QString(), ToQString(Message));
}

void TMessageReporter::ShowText(const TText& Message)
{
    Prompts().Message(ActiveOwner(), TMessageKind::Plain, QString(), TranslatedText(Message));
}

void TMessageReporter::ShowInstallationError(const std::string& Message)
{
    Prompts().Message(ActiveOwner(), TMessageKind::Error, QString(), ToQString(InstallationErrorText(Message)));
}

QString ToQString(const std::string& Text)
{
    return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

std::string ToStdString(const QString& Text)
{
    return Text.toUtf8().toStdString();
}

QString FromDataText(const std::string& Text)
{
    return QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
}
