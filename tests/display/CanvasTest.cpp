#include "Canvas.h"
#include "DisplayTestSupport.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QImage BitmapAt(int Dpi, int Size = 200)
{
    QImage Image = MakeScreenBitmap(Size, Size);
    const int DotsPerMetre = static_cast<int>(Dpi / 0.0254 + 0.5);
    Image.setDotsPerMeterX(DotsPerMetre);
    Image.setDotsPerMeterY(DotsPerMetre);
    return Image;
}

TEST(CanvasTest, FontSizesFollowTheSurfaceResolution)
{
    QImage Screen = MakeScreenBitmap(100, 100);
    TQVCanvas Canvas(&Screen);
    ASSERT_TRUE(Canvas.IsActive());
    EXPECT_EQ(Canvas.PixelsPerInchY(), 96);
    Canvas.SetFontName("Arial");

    // Positive: points at 96 dpi, so 24 is a 32-pixel em and 8 is 11.
    Canvas.SetFontSize(24);
    EXPECT_EQ(Canvas.FontPixelSize(), 32);
    Canvas.SetFontSize(8);
    EXPECT_EQ(Canvas.FontPixelSize(), 11);

    // Negative: the character cell is that many pixels high, whatever the
    // boldness.
    for (bool Bold : {false, true}) {
        Canvas.SetFontBold(Bold);
        Canvas.SetFontSize(-11);
        EXPECT_EQ(Canvas.TextHeight("8"), 11) << "bold " << Bold;
        Canvas.SetFontSize(-40);
        EXPECT_EQ(Canvas.TextHeight("8"), 40) << "bold " << Bold;
    }

    // A printer-like surface: points scale with its resolution, and pixel
    // heights keep their size on paper.
    QImage Print = BitmapAt(600);
    TQVCanvas PrintCanvas(&Print);
    EXPECT_EQ(PrintCanvas.PixelsPerInchY(), 600);
    PrintCanvas.SetFontSize(21);
    EXPECT_EQ(PrintCanvas.FontPixelSize(), 175);
    PrintCanvas.SetFontSize(-8);
    EXPECT_EQ(PrintCanvas.TextHeight("8"), 50);
}

TEST(CanvasTest, ArialResolvesToAMetricCompatibleFace)
{
    if (QFontDatabase::hasFamily("Arial")) {
        EXPECT_EQ(ResolveFontFamily("Arial"), "Arial");
    } else {
        ASSERT_TRUE(QFontDatabase::hasFamily("Liberation Sans")) << "fonts-liberation2 is part of the set-up";
        EXPECT_EQ(ResolveFontFamily("Arial"), "Liberation Sans");
        EXPECT_EQ(ResolveFontFamily("arial"), "Liberation Sans");
    }
    EXPECT_EQ(ResolveFontFamily("No Such Face 123"), "No Such Face 123");

    // The face really drawn is the resolved one.
    QImage Image = MakeScreenBitmap(50, 50);
    TQVCanvas Canvas(&Image);
    Canvas.SetFontName("Arial");
    Canvas.SetFontSize(24);
    Canvas.TextOut(0, 0, "Ab");
    EXPECT_EQ(QFontInfo(Canvas.Painter().font()).family(), ResolveFontFamily("Arial"));
}

TEST(CanvasTest, ColoursAreBgrAndSystemColoursComeFromThePalette)
{
    EXPECT_EQ(QColorOf(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(QColorOf(clSkyBlue), QColor(0xA6, 0xCA, 0xF0));
    EXPECT_EQ(TColorOf(QColor(0xA6, 0xCA, 0xF0)), clSkyBlue);
    EXPECT_EQ(QColorOf(clBtnFace), QGuiApplication::palette().color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(QColorOf(0xFF000005), QGuiApplication::palette().color(QPalette::Active, QPalette::Base));
    EXPECT_EQ(QColorOf(0xFF000008), QGuiApplication::palette().color(QPalette::Active, QPalette::Text));
}

TEST(CanvasTest, RectanglesAndPolygonsCoverTheirPixels)
{
    QImage Image = MakeScreenBitmap(100, 100);
    TQVCanvas Canvas(&Image);

    // Right and bottom lie outside a filled rectangle.
    Canvas.SetBrushColour(clRed);
    Canvas.FillRect(TRect{10, 10, 20, 30});
    EXPECT_TRUE(AllColour(Image, TRect{10, 10, 20, 30}, clRed));
    EXPECT_EQ(PixelAt(Image, 20, 15), clWhite);
    EXPECT_EQ(PixelAt(Image, 15, 30), clWhite);
    EXPECT_EQ(PixelAt(Image, 9, 9), clWhite);

    // A frame is one pixel just inside the rectangle, in the brush colour.
    Canvas.SetBrushColour(clBlue);
    Canvas.FrameRect(TRect{40, 40, 50, 50});
    EXPECT_EQ(CountColour(Image, TRect{40, 40, 50, 50}, clBlue), 36);
    EXPECT_EQ(PixelAt(Image, 45, 45), clWhite);
    EXPECT_EQ(PixelAt(Image, 49, 49), clBlue);

    // A rectangular polygon covers its vertices: 42 x 42 pixels through
    // (0,0)-(41,41), outlined in the pen and filled with the brush.
    const TPoint Corners[4] = {{50, 50}, {91, 50}, {91, 91}, {50, 91}};
    Canvas.SetBrushColour(clMoneyGreen);
    Canvas.SetPenColour(clSkyBlue);
    Canvas.Polygon(Corners, 4);
    EXPECT_EQ(CountColour(Image, TRect{50, 50, 92, 92}, clSkyBlue), 4 * 41);
    EXPECT_TRUE(AllColour(Image, TRect{51, 51, 91, 91}, clMoneyGreen));
    EXPECT_EQ(PixelAt(Image, 92, 70), clWhite);
    EXPECT_EQ(PixelAt(Image, 70, 92), clWhite);
}

TEST(CanvasTest, TextIsPlacedByItsCellAndFillsItsBackgroundOnlyWithASolidBrush)
{
    QImage Image = MakeScreenBitmap(120, 60);
    TQVCanvas Canvas(&Image);
    Canvas.SetFontName("Arial");
    Canvas.SetFontSize(24);
    Canvas.SetFontColour(clBlack);
    const TSize Extent = Canvas.TextExtent("8");
    EXPECT_GT(Extent.Width, 10);
    EXPECT_GE(Extent.Height, 32);

    Canvas.SetBrushColour(clYellow);
    Canvas.TextOut(5, 5, "8");
    const TRect Cell{5, 5, 5 + Extent.Width, 5 + Extent.Height};
    EXPECT_GT(CountColour(Image, Cell, clBlack), 20);
    EXPECT_GT(CountColour(Image, Cell, clYellow), 20);
    // Nothing outside the cell.
    EXPECT_EQ(CountColour(Image, TRect{0, 0, 120, 5}, clWhite), 120 * 5);
    EXPECT_EQ(PixelAt(Image, 5 + Extent.Width, 20), clWhite);

    Canvas.SetBrushStyle(TBrushStyle::Clear);
    Canvas.TextOut(60, 5, "8");
    const TRect Clear{60, 5, 60 + Extent.Width, 5 + Extent.Height};
    EXPECT_GT(CountColour(Image, Clear, clBlack), 20);
    EXPECT_EQ(CountColour(Image, Clear, clYellow), 0);
}

TEST(CanvasTest, InactiveCanvasDrawsNothingAndPrinterSurfacesWork)
{
    TQVCanvas Idle;
    EXPECT_FALSE(Idle.IsActive());
    Idle.SetBrushColour(clRed);
    Idle.FillRect(TRect{0, 0, 10, 10});
    Idle.TextOut(0, 0, "1");
    EXPECT_FALSE(Idle.Begin(nullptr));

    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    QPrinter Printer(QPrinter::HighResolution);
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setResolution(600);
    Printer.setOutputFileName(Dir.filePath("canvas.pdf"));
    TQVCanvas Canvas;
    ASSERT_TRUE(Canvas.Begin(&Printer));
    EXPECT_EQ(Canvas.PixelsPerInchX(), 600);
    EXPECT_EQ(Canvas.PixelsPerInchY(), 600);
    Canvas.SetFontSize(24);
    EXPECT_EQ(Canvas.FontPixelSize(), 200);
    Canvas.SetBrushColour(clBlack);
    Canvas.FrameRect(TRect{100, 100, 1000, 1000});
    // Digits take the prepared glyph runs; they must reach the printer too,
    // which embeds the face they use.
    Canvas.TextOut(200, 200, "7");
    Canvas.End();
    EXPECT_FALSE(Canvas.IsActive());
    QFile Pdf(Dir.filePath("canvas.pdf"));
    ASSERT_TRUE(Pdf.open(QIODevice::ReadOnly));
    const QByteArray Bytes = Pdf.readAll();
    EXPECT_TRUE(Bytes.contains("/FontFile2")) << "no embedded face";
    EXPECT_TRUE(Bytes.contains(ResolveFontFamily("Arial").remove(' ').toLatin1()));
}

}  // namespace
