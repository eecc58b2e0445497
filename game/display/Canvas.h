#pragma once
// The drawing surface of the grids and of booklet printing: a canvas with a
// font (name, size, bold, colour), a brush and a pen, drawing filled and
// framed rectangles, polygons and text onto a screen bitmap or a printer
// through QPainter.
//
// Units and conventions are those the drawing code was written for:
// - Rectangles are (Left, Top, Right, Bottom) with Right and Bottom outside
//   the area filled.
// - A positive font size is points at the surface's resolution (24 on a
//   96-dpi bitmap is a 32-pixel em); a negative size is the height of the
//   character cell (ascent plus descent) in pixels of a 96-dpi surface, so on
//   the screen bitmap -11 gives 11-pixel digits and on a printer the same
//   text keeps its physical size.
// - On a bitmap with a device pixel ratio (MakeScreenBitmap with a Ratio)
//   coordinates stay logical pixels. Every fill, frame and rectangular
//   polygon is drawn aliased with its edges rounded to whole device pixels,
//   so shared edges meet exactly and a one-pixel line is a solid run of whole
//   device pixels (one or two at 1.5, two at 2), never a blend over two.
// - Colours are $00BBGGRR values; system colours ($FF0000nn) come from the
//   application palette.
// - Text is placed by the top-left corner of its character cell; with a solid
//   brush its background is filled with the brush colour first.
//
// A canvas needs a QGuiApplication (fonts do). Font lookups are cached, so
// switching between a few fonts while painting builds nothing new.

#include "Colour.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QGlyphRun>
#include <QRawFont>
#include <QString>

#include <array>

#include <vector>

class QImage;
class QPaintDevice;

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    // The same rectangle moved so its top-left corner is (X, Y).
    constexpr TRect PlacedAt(int X, int Y) const { return {X, Y, X + Width(), Y + Height()}; }
    // Containment with all four edges included.
    constexpr bool ContainsInclusive(int X, int Y) const { return X >= Left && X <= Right && Y >= Top && Y <= Bottom; }
};

struct TPoint {
    int X = 0;
    int Y = 0;
};

struct TSize {
    int Width = 0;
    int Height = 0;
};

enum class TBrushStyle { Solid, Clear };

// The colour that a $00BBGGRR value (or a system colour) stands for.
QColor QColorOf(TColor Colour);
// The $00BBGGRR value of an opaque Qt colour (alpha is dropped).
TColor TColorOf(const QColor& Colour);
// A screen bitmap: RGB32, 96 dots per inch, filled white. Width and Height
// are logical pixels; with a Ratio above 1 the image has that many times the
// pixels and carries the ratio, so a canvas over it still works in logical
// pixels while text is drawn at the full resolution.
QImage MakeScreenBitmap(int Width, int Height, double Ratio = 1.0);
// The face that stands in for a requested family: the family itself when the
// system has it, else its metric-compatible replacement where one is known
// ("Arial" -> "Liberation Sans"), else the name unchanged.
QString ResolveFontFamily(const QString& Family);

class TQVCanvas {
public:
    TQVCanvas();
    // Begins painting on Device at once (see Begin).
    explicit TQVCanvas(QPaintDevice* Device);
    ~TQVCanvas();
    TQVCanvas(const TQVCanvas&) = delete;
    TQVCanvas& operator=(const TQVCanvas&) = delete;

    // Starts painting on a bitmap or printer (for a printer this starts the
    // print job). Answers false when the device refuses; the canvas then
    // stays inactive and drawing calls do nothing. An active canvas is ended
    // first. The device is not owned and must outlive the painting.
    bool Begin(QPaintDevice* Device);
    // Finishes painting (for a printer, ends the job). Harmless when inactive.
    void End();
    bool IsActive() const { return FPainter.isActive(); }
    QPaintDevice* Device() const { return FDevice; }
    QPainter& Painter() { return FPainter; }
    int PixelsPerInchX() const { return FDpiX; }
    int PixelsPerInchY() const { return FDpiY; }

    void SetFontName(const QString& Name);
    const QString& FontName() const { return FFontName; }
    void SetFontSize(int Size);
    int FontSize() const { return FFontSize; }
    void SetFontBold(bool Bold);
    bool FontBold() const { return FFontBold; }
    void SetFontColour(TColor Colour) { FFontColour = Colour; }
    TColor FontColour() const { return FFontColour; }
    // The em size in pixels that the current font resolves to on this surface.
    int FontPixelSize();

    void SetBrushColour(TColor Colour) { FBrushColour = Colour; }
    TColor BrushColour() const { return FBrushColour; }
    void SetBrushStyle(TBrushStyle Style) { FBrushStyle = Style; }
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetPenColour(TColor Colour) { FPenColour = Colour; }
    TColor PenColour() const { return FPenColour; }

    // Fills the rectangle with the brush colour.
    void FillRect(const TRect& Rect);
    // Draws a one-pixel border just inside the rectangle in the brush colour.
    void FrameRect(const TRect& Rect);
    // Fills the polygon with the brush and outlines it with a one-pixel pen;
    // the outline covers the vertices, so a rectangle through (0,0)-(41,41)
    // covers 42 x 42 pixels. An axis-aligned rectangle is drawn as fills of
    // those pixels, so on a scaled bitmap its outline is as wide as any other
    // one-pixel line; other shapes get a pen one device pixel wide.
    void Polygon(const TPoint* Points, int Count);
    void TextOut(int X, int Y, const QString& Text);
    // Width (advance) and height (character cell) of the text in the font.
    TSize TextExtent(const QString& Text);
    int TextWidth(const QString& Text) { return TextExtent(Text).Width; }
    int TextHeight(const QString& Text) { return TextExtent(Text).Height; }

private:
    struct TFontEntry {
        QString Name;
        int Size = 0;
        bool Bold = false;
        int DpiY = 0;
        QFont Font;
        QFontMetrics Metrics{QFont()};
        int PixelSize = 0;
        int Ascent = 0;
        int Height = 0;
        // The single digits as glyph runs of this face: digits are most of
        // what is drawn, and drawing a prepared run needs no font change on
        // the painter, so it builds nothing.
        QRawFont Raw;
        std::array<QGlyphRun, 10> Digits;
        std::array<int, 10> DigitWidths{};
    };

    // The cached font for the current name, size and bold, made current on
    // the painter when it is not already.
    const TFontEntry& CurrentFont();
    TFontEntry MakeFont() const;
    // MakeFont, once a run for each face, size, weight and resolution.
    TFontEntry SharedFont() const;
    void ApplyFontToPainter(const TFontEntry& Entry);
    // Pens and brushes are kept per colour, so that setting one again only
    // shares it.
    void UsePen(TColor Colour);
    void UseBrush(TColor Colour);
    static int DigitOf(const QString& Text);
    // Polygon for four points that make an axis-aligned rectangle; false
    // (nothing drawn) for any other shape.
    bool RectanglePolygon(const TPoint* Points, int Count);

    QPainter FPainter;
    QPaintDevice* FDevice = nullptr;
    int FDpiX = 96;
    int FDpiY = 96;

    QString FFontName = QStringLiteral("Arial");
    int FFontSize = 8;
    bool FFontBold = false;
    TColor FFontColour = clBlack;
    TColor FBrushColour = clWhite;
    TBrushStyle FBrushStyle = TBrushStyle::Solid;
    TColor FPenColour = clBlack;

    std::vector<TFontEntry> FFonts;
    int FCurrentFont = -1;  // index into FFonts for the font state, -1 = to look up
    int FPainterFont = -1;  // index of the font last given to the painter
    // Scratch polygon storage, kept so polygons allocate only the first time.
    std::vector<QPoint> FPolygon;
    std::vector<std::pair<TColor, QPen>> FPens;
    std::vector<std::pair<TColor, QBrush>> FBrushes;
    bool FPainterPenSet = false;
    TColor FPainterPen = 0;
    bool FPainterBrushSet = false;
    TColor FPainterBrush = 0;
};
