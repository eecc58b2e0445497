// The main window's zoom on screens large enough for it (the offscreen
// platform made from screens.json): every control grows with the factor, a
// click at 200% enters the square under it, 100% comes back as the design
// pixel for pixel, a resized or maximised window takes the largest factor
// that fits with the leftover centred, and the zoom and place come back
// after a restart, inside the screen.
#include "GridImage.h"
#include "LedShape.h"
#include "MainWindowRig.h"
#include "ZoomController.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

QScreen* ScreenNamed(const char* Name)
{
    for (QScreen* Screen : QGuiApplication::screens())
        if (Screen->name() == QLatin1String(Name))
            return Screen;
    return nullptr;
}

void MoveTo(TfrmMain& Main, QScreen* Screen)
{
    Main.windowHandle()->setScreen(Screen);
    Main.move(Screen->geometry().topLeft() + QPoint(20, 20));
    QApplication::processEvents();
    QApplication::processEvents();
}

void Settle()
{
    for (int Round = 0; Round < 3; ++Round)
        QApplication::processEvents();
}

// The controls whose places the design fixes, each by its place in the
// window's content.
const char* const Controls[] = {
    "pnlLeds",      "pnl2Grids",      "pnlControls", "pnlAllProgressBars", "pnlStep",         "Image1",      "Image2",
    "pnlChildLeds", "Shape1",         "Shape18",     "lblLed10",           "ChooseChild",     "pgcControls", "sbValue1",
    "sbValue0",     "ProgressMaster", "Progress5",   "Progress9",          "ProgressOverAll", "lblStep"};

std::map<std::string, QRect> Places(TMainWindowRig& Rig)
{
    auto* Content = Rig.Find<QWidget>("pnlContent");
    std::map<std::string, QRect> Found;
    for (const char* Name : Controls) {
        auto* Control = Rig.Find<QWidget>(Name);
        Found[Name] = QRect(Control->mapTo(Content, QPoint(0, 0)), Control->size());
    }
    return Found;
}

void ExpectScaled(const std::map<std::string, QRect>& Design, const std::map<std::string, QRect>& Shown, double Factor)
{
    for (const auto& [Name, Place] : Design) {
        const QRect& Now = Shown.at(Name);
        const auto Near = [Factor](int Scaled, int Designed) { return std::abs(Scaled - Designed * Factor) <= 1.0; };
        EXPECT_TRUE(Near(Now.x(), Place.x()) && Near(Now.y(), Place.y()) && Near(Now.width(), Place.width()) &&
                    Near(Now.height(), Place.height()))
            << Name << " at " << Factor << ": (" << Now.x() << ", " << Now.y() << ", " << Now.width() << " x "
            << Now.height() << ") for (" << Place.x() << ", " << Place.y() << ", " << Place.width() << " x "
            << Place.height() << ")";
    }
}

QImage ClientPicture(TfrmMain& Main)
{
    return Main.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(ZoomWindow, EveryControlGrowsWithTheZoomAndAClickAt200EntersItsSquare)
{
    QScreen* Large = ScreenNamed("Large");
    ASSERT_NE(Large, nullptr) << "start on offscreen:configfile=" TAVREL_SCREENS_FILE;
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    MoveTo(Main, Large);
    const QImage Design = ClientPicture(Main);
    const std::map<std::string, QRect> AtDesign = Places(Rig);
    const double DesignFont = Rig.Find<QLabel>("lblLed1")->font().pointSizeF();
    TZoomController& Zoom = Main.ZoomControl();

    // Zoom Out and Actual Size have nothing to do at 100%.
    EXPECT_FALSE(Rig.Find<QAction>("ZoomOut1")->isEnabled());
    EXPECT_FALSE(Rig.Find<QAction>("ActualSize1")->isEnabled());
    ASSERT_TRUE(Rig.Trigger("ZoomIn1"));
    // Ctrl+= as well as Ctrl++ zooms in.
    Rig.Key(Qt::Key_Equal, Qt::ControlModifier);
    Settle();
    EXPECT_DOUBLE_EQ(Zoom.Zoom(), 1.5);
    ExpectScaled(AtDesign, Places(Rig), 1.5);
    EXPECT_EQ(Main.centralWidget()->size(), QSize(1200, Zoom.ShownSizeAt(1.5).Height));
    EXPECT_NEAR(Rig.Find<QLabel>("lblLed1")->font().pointSizeF(), DesignFont * 1.5, 0.01);
    ASSERT_TRUE(Rig.Trigger("ZoomIn1"));
    ASSERT_TRUE(Rig.Trigger("ZoomIn1"));
    Settle();
    EXPECT_DOUBLE_EQ(Zoom.Zoom(), 2.0);
    ExpectScaled(AtDesign, Places(Rig), 2.0);

    // The grids are drawn afresh at twice the size, not enlarged: the bitmap
    // has the widget's pixels.
    auto* Image1 = Rig.Find<TGridImage>("Image1");
    EXPECT_EQ(Image1->size(), QSize(788, 788));
    EXPECT_EQ(Image1->Bitmap().size(), QSize(788, 788));

    // Ctrl+0 still takes the highlight away; Ctrl+Alt+0 is Actual Size, and
    // the window is the design again, pixel for pixel.
    Rig.Key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(Zoom.Zoom(), 2.0);
    Rig.Key(Qt::Key_0, Qt::ControlModifier | Qt::AltModifier);
    Settle();
    EXPECT_DOUBLE_EQ(Zoom.Zoom(), 1.0);
    ExpectScaled(AtDesign, Places(Rig), 1.0);
    const QImage Back = ClientPicture(Main);
    if (Back != Design) {
        const QString Folder = NewScratchFolder(QStringLiteral("zoom"));
        Design.save(Folder + QStringLiteral("/design.png"));
        Back.save(Folder + QStringLiteral("/back.png"));
        ADD_FAILURE() << "100% after 200% differs from the design: " << Folder.toStdString();
    }

    // Back to 200% for the mouse.
    Zoom.SetZoom(2.0);
    Settle();
    // A click on the middle of a free square at 200% enters into that square.
    Main.ChooseChildBox()->setChecked(false);
    for (int Index = 0; Index < 81; ++Index) {
        TCell& Cell = *Rig.PuzzleAt(0).CellByIndex(Index);
        if (Cell.GetValue() != 0)
            continue;
        Rig.Press(QStringLiteral("sbValue%1").arg(Cell.GetSolution()).toLatin1().constData());
        const QPoint Point = TMainWindowRig::CellPoint(Index / 9, Index % 9) * 2;
        QTest::mouseMove(Image1, QPoint(1, 1));
        QTest::mouseMove(Image1, Point);
        EXPECT_EQ(Main.ParentGrid()->HoverCell(), &Cell);
        QTest::mouseClick(Image1, Qt::LeftButton, {}, Point);
        EXPECT_EQ(Cell.GetValue(), Cell.GetSolution());
        // The square's rectangle on the screen, as a screen reader is told.
        const TPosition At{Index / 9, Index % 9};
        const TGridSquare& Square = Main.ParentGrid()->Box(At.Box()).Square(At.Place());
        EXPECT_EQ(Image1->FromGrid(QRect(Square.X(), Square.Y(), 41, 41)),
                  QRect(Square.X() * 2, Square.Y() * 2, 82, 82));
        // The pop-up menu opens where the pointer is.
        QTest::mouseClick(Image1, Qt::RightButton, {}, Point);
        QMenu* Popup = Main.PopupMenu();
        EXPECT_TRUE(Popup->isVisible());
        EXPECT_EQ(Popup->pos(), Image1->mapToGlobal(Point));
        Popup->hide();
        ASSERT_TRUE(Rig.Trigger("Undo1"));
        break;
    }

    // The Enter sheet's buttons are pressed where they now are.
    Rig.Press("sbValue7");
    EXPECT_EQ(Main.EnterValue(), 7);
}

TEST(ZoomWindow, AResizedOrMaximisedWindowTakesTheLargestZoomThatFits)
{
    QScreen* FullHd = ScreenNamed("FullHd");
    ASSERT_NE(FullHd, nullptr);
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    MoveTo(Main, FullHd);
    TZoomController& Zoom = Main.ZoomControl();
    const Zoom::TSize Design = Zoom.DesignSize();
    EXPECT_EQ(Design, (Zoom::TSize{800, 588}));

    // The frame dragged wider than high: the height decides, the leftover
    // width is split on both sides in the panel colour.
    const int MenuHeight = Main.height() - Main.centralWidget()->height();
    const int Height150 = Zoom.ShownSizeAt(1.5).Height;
    Main.resize(1300, Height150 + MenuHeight);
    Settle();
    EXPECT_NEAR(Zoom.Zoom(), 1.5, 0.005);
    auto* Content = Rig.Find<QWidget>("pnlContent");
    EXPECT_EQ(Content->height(), Height150);
    EXPECT_LE(std::abs(Content->x() - (1300 - Content->width() - Content->x())), 1) << "centred";
    const QImage Shown = ClientPicture(Main);
    EXPECT_EQ(QColor(Shown.pixel(10, 400)), QColor(0xC0, 0xDC, 0xC0)) << "the leftover is the panel colour";
    EXPECT_EQ(QColor(Shown.pixel(1290, 400)), QColor(0xC0, 0xDC, 0xC0));

    // Maximised on a 1920 by 1080 screen: any factor, the largest that fits.
    Main.showMaximized();
    Settle();
    const QSize Client = Main.centralWidget()->size();
    const double Fitting = std::min(Client.width() / 800.0, Client.height() / 588.0);
    EXPECT_GT(Zoom.Zoom(), 1.5);
    EXPECT_NEAR(Zoom.Zoom(), Fitting, 0.01);
    EXPECT_LE(Content->geometry().bottom(), Client.height() - 1);
    EXPECT_LE(Content->geometry().right(), Client.width() - 1);
    EXPECT_LE(std::abs(Content->x() - (Client.width() - Content->width() - Content->x())), 1) << "centred";
    // Zoom In has no step left that fits; Zoom Out takes the step below,
    // the content centred in the maximised window.
    EXPECT_FALSE(Zoom.CanZoomIn());
    const double Fitted = Zoom.Zoom();
    ASSERT_TRUE(Rig.Trigger("ZoomOut1"));
    EXPECT_DOUBLE_EQ(Zoom.Zoom(), Zoom::StepBelow(Fitted));
    EXPECT_LE(std::abs(Content->x() - (Client.width() - Content->width() - Content->x())), 1) << "centred";
    Main.showNormal();
    Settle();
    // A size that holds the content at 125% exactly gives 125%.
    Main.resize(1000, Zoom.ShownSizeAt(1.25).Height + MenuHeight);
    Settle();
    EXPECT_DOUBLE_EQ(Zoom.Zoom(), 1.25);
    EXPECT_EQ(Content->geometry(), QRect(QPoint(0, 0), QSize(1000, Zoom.ShownSizeAt(1.25).Height)));
}

TEST(ZoomWindow, TheZoomAndPlaceComeBackAfterARestartInsideTheScreen)
{
    QScreen* Large = ScreenNamed("Large");
    ASSERT_NE(Large, nullptr);
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    MoveTo(Main, Large);
    Main.ZoomControl().SetZoom(1.5);
    Main.move(Large->geometry().topLeft() + QPoint(100, 80));
    Settle();
    const QRect Before = Main.geometry();
    Rig.Close();

    TfrmMain& Again = Rig.Start();
    Settle();
    EXPECT_DOUBLE_EQ(Again.ZoomControl().Zoom(), 1.5);
    EXPECT_EQ(Again.geometry(), Before);
    Rig.Close();

    // A place stored from a larger screen, partly off it: the window comes
    // back inside the screen it starts on, at a zoom that fits there.
    TWindowPlace Stored;
    Stored.Known = true;
    Stored.Zoom = 4.0;
    Stored.X = -500;
    Stored.Y = -300;
    Stored.Width = 6000;
    Stored.Height = 4000;
    TSettingsStore().SaveWindowPlace(Stored);
    TfrmMain& Inside = Rig.Start();
    Settle();
    const QRect Screen = Inside.screen()->availableGeometry();
    EXPECT_TRUE(Screen.contains(Inside.frameGeometry())) << "the window lies inside its screen";
    const QSize Client = Inside.centralWidget()->size();
    EXPECT_LE(Inside.ZoomControl().Zoom(), std::min(Client.width() / 800.0, Client.height() / 588.0) + 1e-9);
    EXPECT_GE(Inside.ZoomControl().Zoom(), 1.0);
}

}  // namespace
