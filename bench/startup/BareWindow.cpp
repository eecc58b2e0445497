// A bare Qt main window with a menu bar and a label: what every Qt program
// pays to show a window. With --screenshot FILE it saves its first painted
// window as a PNG file and exits, as the game does.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstring>

namespace {

class TBareWindow : public QMainWindow {
public:
    explicit TBareWindow(QString Screenshot) : FScreenshot(std::move(Screenshot))
    {
        menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
        auto* Label = new QLabel(QStringLiteral("A bare window"), this);
        Label->setMinimumSize(800, 554);
        setCentralWidget(Label);
    }

protected:
    bool event(QEvent* Event) override
    {
        const bool Result = QMainWindow::event(Event);
        if (Event->type() == QEvent::Paint && !FScreenshot.isEmpty() && !FTaken) {
            FTaken = true;
            QTimer::singleShot(0, this, [this] {
                const char* Kind = FScreenshot.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive) ? "BMP" : "PNG";
                screen()->grabWindow(winId()).save(FScreenshot, Kind, 80);
                QCoreApplication::exit(0);
            });
        }
        return Result;
    }

private:
    QString FScreenshot;
    bool FTaken = false;
};

}  // namespace

int main(int Argc, char** Argv)
{
    QString Screenshot;
    for (int Index = 1; Index + 1 < Argc; ++Index)
        if (std::strcmp(Argv[Index], "--screenshot") == 0)
            Screenshot = QString::fromLocal8Bit(Argv[Index + 1]);
    QApplication App(Argc, Argv);
    TBareWindow Window(Screenshot);
    Window.show();
    return App.exec();
}
