// The game program: the application object, the main window, the settings
// dialog and the choose-game dialog, in this order, then the message loop.
//
// One diagnostic switch: --screenshot FILE starts exactly as usual, saves
// the main window as a PNG file (a BMP file for a ".bmp" name) once it has
// been painted, and exits.

#include "ChoosePuzzle.h"
#include "LanguageLoader.h"
#include "Languages.h"
#include "Options.h"
#include "Platform.h"
#include "QVMain.h"
#include "QVUtils.h"
#include "SettingsStore.h"

#include <QEvent>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

// What the window shows: the screen's own copy where the platform keeps one
// (the offscreen platform does), else the window drawn again. The copy counts
// only when it has all the window's device pixels: on a scaled screen a copy
// of the logical size is a cut-off corner.
QPixmap Picture(QWidget& Window)
{
    if (QScreen* Screen = Window.screen()) {
        const QPixmap Shown = Screen->grabWindow(Window.winId());
        const QSize Device = (QSizeF(Window.size()) * Window.devicePixelRatio()).toSize();
        if (!Shown.isNull() && Shown.size() == Device)
            return Shown;
    }
    return Window.grab();
}

// Saves the window once its first paint has reached the screen.
class TScreenshotTaker : public QObject {
public:
    TScreenshotTaker(QWidget& Window, QString FileName) : FWindow(Window), FFileName(std::move(FileName))
    {
        FWindow.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched == &FWindow && Event->type() == QEvent::Paint && !FTaken) {
            FTaken = true;
            // After this paint has been delivered, not inside it.
            QTimer::singleShot(0, this, [this] {
                // Little compression: the picture is for looking at, not
                // keeping. A ".bmp" name is written uncompressed, so timing
                // a start measures the start rather than the compression.
                const char* Kind = FFileName.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive) ? "BMP" : "PNG";
                const bool Saved = Picture(FWindow).save(FFileName, Kind, 80);
                if (!Saved)
                    std::fprintf(stderr, "TavrelSudoku: cannot write %s\n", FFileName.toLocal8Bit().constData());
                QCoreApplication::exit(Saved ? 0 : 1);
            });
        }
        return false;
    }

private:
    QWidget& FWindow;
    QString FFileName;
    bool FTaken = false;
};

}  // namespace

int main(int Argc, char** Argv)
{
    QString Screenshot;
    for (int Index = 1; Index + 1 < Argc; ++Index)
        if (std::strcmp(Argv[Index], "--screenshot") == 0)
            Screenshot = QString::fromLocal8Bit(Argv[Index + 1]);

    TTavrelApplication App(Argc, Argv);
    QApplication::setOrganizationName(QStringLiteral("Tavrel Sudoku International"));
    QApplication::setApplicationName(QStringLiteral("Tavrel Sudoku"));
    // The installed desktop entry, whose icon the desktop shows on the window.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVREL_DESKTOP_ID));
    // The help ("TavrelSudoku.HLP") is the program's own help window, whose
    // pages are compiled in; there is no file to name.

    // The language is chosen once, before any text is made.
    TLanguageLoader Language(App, TLanguageLoader::ProgramTranslations());
    {
        const std::string Chosen = TSettingsStore().ReadLanguage();
        if (Chosen == "en")
            QLocale::setDefault(QLocale(QLocale::English));
        Language.Use(PickLanguage(Chosen, TLanguageLoader::SystemLanguages()));
    }

    TfrmMain Main(Platform::ProgramFolder());
    TfrmOptions Options(&Main);
    TfrmChoosePuzzle Choose(&Main);
    Main.SetDialogs(&Options, &Choose);
    QObject::connect(&Main, &TfrmMain::Closed, &App, &QApplication::quit, Qt::QueuedConnection);

    std::unique_ptr<TScreenshotTaker> Taker;
    if (!Screenshot.isEmpty())
        Taker = std::make_unique<TScreenshotTaker>(Main, Screenshot);
    Main.show();
    return App.exec();
}
