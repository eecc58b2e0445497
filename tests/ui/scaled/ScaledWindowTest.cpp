// The main window on screens with device pixel ratios 2, 1.5 and 1 (the
// offscreen platform made from screens.json): the grid bitmaps have the
// ratio of the screen the window is on and are painted again in full when it
// moves to another, the pictures show exactly their bitmaps, and a click at
// a cell's logical pixel still enters that cell.
#include "GridImage.h"
#include "MainWindowRig.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace {

QScreen* ScreenWithRatio(double Ratio)
{
    for (QScreen* Screen : QGuiApplication::screens())
        if (Screen->devicePixelRatio() == Ratio)
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

// A free parent cell, entered with its solution by a click on its square.
void EnterOneCellByClick(TMainWindowRig& Rig)
{
    Rig.Main->ChooseChildBox()->setChecked(false);
    for (int Index = 0; Index < 81; ++Index) {
        TCell& Cell = *Rig.PuzzleAt(0).CellByIndex(Index);
        if (Cell.GetValue() != 0)
            continue;
        Rig.Press(QStringLiteral("sbValue%1").arg(Cell.GetSolution()).toLatin1().constData());
        Rig.ClickCell(true, Index / 9, Index % 9);
        EXPECT_EQ(Rig.Main->ParentGrid()->HoverCell(), &Cell);
        EXPECT_EQ(Cell.GetValue(), Cell.GetSolution());
        return;
    }
    ADD_FAILURE() << "no free parent cell";
}

TEST(ScaledWindow, GridBitmapsFollowTheScreenRatioAndClicksLandOnTheirCells)
{
    for (const double Ratio : {2.0, 1.5, 1.0})
        ASSERT_NE(ScreenWithRatio(Ratio), nullptr) << "no screen of ratio " << Ratio << ": start on "
                                                   << "offscreen:configfile=" TAVREL_SCREENS_FILE;
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    // The window starts on the primary screen, the one of ratio 2.
    for (const double Ratio : {2.0, 1.5, 1.0, 2.0}) {
        SCOPED_TRACE(Ratio);
        MoveTo(Main, ScreenWithRatio(Ratio));
        ASSERT_EQ(Main.devicePixelRatio(), Ratio);
        for (TGridImage* Image : {Main.ParentImage(), Main.ChildImage()}) {
            // Logical size for the layout, device pixels in the bitmap.
            EXPECT_EQ(Image->size(), QSize(394, 394));
            EXPECT_EQ(Image->PixelRatio(), Ratio);
            EXPECT_EQ(Image->Bitmap().size(), QSize(qRound(394 * Ratio), qRound(394 * Ratio)));
            const QImage Shown = Image->grab().toImage().convertToFormat(Image->Bitmap().format());
            EXPECT_EQ(Shown, Image->Bitmap());
        }
        // The bitmap made for the new ratio was painted in full: painting
        // everything again changes nothing.
        const QImage Before = Main.ChildImage()->Bitmap().copy();
        Main.ChildGrid()->RepaintAll();
        EXPECT_EQ(Main.ChildImage()->Bitmap(), Before);

        EnterOneCellByClick(Rig);
    }
}

}  // namespace

int main(int Argc, char** Argv)
{
    // The screens must exist when the application starts.
    const QByteArray Platform = qgetenv("QT_QPA_PLATFORM");
    if (Platform.isEmpty() || Platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TAVREL_SCREENS_FILE);
    ::testing::InitGoogleTest(&Argc, Argv);
    return RUN_ALL_TESTS();
}
