// The main window at any zoom: 100% is the design pixel for pixel, larger
// factors scale every control and keep the mouse on the squares, the zoom
// and the window's place come back after a restart, inside the screen.

#include "MainWindowRig.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

const QString WindowReference = QStringLiteral(TAVREL_SOURCE_DIR "/tests/ui/data/window-100.png");

// The client area as the screen shows it (the menu bar is the platform's).
QImage ClientPicture(TfrmMain& Main)
{
    return Main.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(Zoom, AtActualSizeTheWindowIsThePictureOfTheDesign)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    const QImage Shown = ClientPicture(Main);
    // Set to make the reference from a build that shows the design.
    if (qEnvironmentVariableIsSet("TAVREL_WRITE_WINDOW_REFERENCE")) {
        ASSERT_TRUE(Shown.save(WindowReference, "PNG", 0));
        return;
    }
    const QImage Reference = QImage(WindowReference).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(Reference.isNull()) << WindowReference.toStdString();
    ASSERT_EQ(Shown.size(), Reference.size());
    int Different = 0;
    for (int Y = 0; Y < Shown.height(); ++Y)
        for (int X = 0; X < Shown.width(); ++X)
            Different += Shown.pixel(X, Y) != Reference.pixel(X, Y);
    if (Different > 0) {
        const QString Kept = NewScratchFolder(QStringLiteral("zoom")) + QStringLiteral("/window-shown.png");
        Shown.save(Kept);
        ADD_FAILURE() << Different << " pixels differ from the design; the window as shown: " << Kept.toStdString();
    }
}

}  // namespace
