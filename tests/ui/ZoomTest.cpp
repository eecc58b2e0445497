// The main window at 100% is the design pixel for pixel (the larger zooms
// are tried on larger screens, in the scaled program), and the colour
// schemes colour the window round the grids and are kept.

#include "MainWindowRig.h"
#include "SettingsFileSupport.h"

#include "Canvas.h"
#include "ColourBox.h"
#include "ColourSchemes.h"
#include "GridImage.h"
#include "MyProgressBar.h"

#include <QComboBox>
#include <QImage>
#include <QScreen>

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

// On a screen smaller than the window (this platform's 800 by 600) the
// first start puts the window inside the screen, so the place kept at the
// close is the one the next start keeps: a second start leaves the
// settings as they were.
TEST(Zoom, ASecondStartKeepsThePlaceTheFirstStored)
{
    TMainWindowRig Rig;
    TfrmMain& First = Rig.Start();
    ASSERT_NE(First.screen(), nullptr);
    EXPECT_TRUE(First.screen()->availableGeometry().contains(First.frameGeometry().topLeft()));
    Rig.Close();
    const TWindowPlace Stored = TSettingsStore().ReadWindowPlace();
    Rig.Start();
    Rig.Close();
    const TWindowPlace Again = TSettingsStore().ReadWindowPlace();
    EXPECT_EQ(Again.X, Stored.X);
    EXPECT_EQ(Again.Y, Stored.Y);
    EXPECT_EQ(Again.Width, Stored.Width);
    EXPECT_EQ(Again.Height, Stored.Height);
}

}  // namespace

namespace {

// The colour of one pixel inside a square's background (its top-left
// corner, clear of any digit).
TColor SquareBackground(TGridImage& Image, int Box, int Square)
{
    const int X = 2 + (Box % 3) * 130 + 2 + (Square % 3) * 42 + 1;
    const int Y = 2 + (Box / 3) * 130 + 2 + (Square / 3) * 42 + 1;
    return TColorOf(QColor(Image.Bitmap().pixel(X, Y)));
}

TEST(ColourScheme, ChosenOnTheColoursPageItColoursTheWindowAndIsKept)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    const TColourScheme& Dark = SchemeOf(TSchemeId::Dark);
    RunSettings(Rig, true, [&] {
        Rig.Options->EnsureControls();
        auto* Scheme = Rig.Options->findChild<QComboBox*>(QStringLiteral("cbxScheme"));
        ASSERT_NE(Scheme, nullptr);
        // Classic, Dark, High contrast; Custom only once a colour is changed.
        EXPECT_EQ(Scheme->count(), 3);
        EXPECT_EQ(Scheme->currentText(), QStringLiteral("Classic"));
        Scheme->setCurrentIndex(1);
        emit Scheme->activated(1);
        EXPECT_EQ(Rig.Options->GetColour(colNormalBg), Dark.Colours[colNormalBg]);
        EXPECT_EQ(Rig.Options->GetColour(colHiLiteBack), Dark.Colours[colHiLiteBack]);
        // A colour changed by hand: the scheme shows as "Custom", and the
        // other colours stay the scheme's.
        auto* Pencil = Rig.Options->findChild<TColourBox*>(QStringLiteral("colPencilMarks"));
        ASSERT_NE(Pencil, nullptr);
        Pencil->SetColour(clYellow);
        emit Pencil->ColourChanged(clYellow);
        EXPECT_EQ(Scheme->count(), 4);
        EXPECT_EQ(Scheme->currentText(), QStringLiteral("Custom"));
        // Choosing the scheme again gives all its colours back.
        emit Scheme->activated(1);
        EXPECT_EQ(Scheme->count(), 3);
        EXPECT_EQ(Rig.Options->GetColour(colPencilMarks), Dark.Colours[colPencilMarks]);
    });
    // The window round the grids, the grid lines, the cells and the bars.
    auto* Client = Main.centralWidget();
    EXPECT_EQ(TColorOf(Client->palette().color(QPalette::Window)), Dark.Panel);
    EXPECT_EQ(TColorOf(Client->palette().color(QPalette::WindowText)), Dark.PanelText);
    EXPECT_EQ(Main.ParentGrid()->GridColour(), Dark.GridLines);
    EXPECT_EQ(TColorOf(QColor(Main.ParentImage()->Bitmap().pixel(0, 0))), Dark.GridLines);
    for (int Index = 0; Index < 81; ++Index) {
        const TBoxSquare Place = Rig.Pyramid().GetLink(0)->CellToBox(Index / 9, Index % 9);
        const TColor Shown = SquareBackground(*Main.ParentImage(), Place.Box, Place.Square);
        EXPECT_TRUE(Shown == Dark.Colours[colNormalBg] || Shown == Dark.Colours[colShadedBg]) << Index;
    }
    EXPECT_EQ(Rig.Find<TMyProgressBar>("Progress1")->BarColor(), Dark.ChosenBar);
    EXPECT_EQ(Rig.Find<TMyProgressBar>("Progress2")->BarColor(), Dark.Bar);
    EXPECT_EQ(TColorOf(Main.menuWidget()->palette().color(QPalette::Window)), Dark.Menu);

    // Kept: the next start is dark again.
    Rig.Close();
    TfrmMain& Again = Rig.Start();
    EXPECT_EQ(Rig.Options->Values().Scheme(), TSchemeId::Dark);
    EXPECT_EQ(TColorOf(Again.centralWidget()->palette().color(QPalette::Window)), Dark.Panel);
    EXPECT_EQ(Again.ParentGrid()->GridColour(), Dark.GridLines);

    // Classic gives the design's window back, pixel for pixel.
    RunSettings(Rig, true, [&] {
        Rig.Options->EnsureControls();
        emit Rig.Options->findChild<QComboBox*>(QStringLiteral("cbxScheme"))->activated(0);
    });
    EXPECT_EQ(Again.ParentGrid()->GridColour(), clSkyBlue);
    EXPECT_EQ(TColorOf(Again.centralWidget()->palette().color(QPalette::Window)), clMoneyGreen);
    EXPECT_EQ(ClientPicture(Again), QImage(WindowReference).convertToFormat(QImage::Format_RGB32));
}

}  // namespace
