#pragma once
// Shared pieces of the display tests: a settings object installed for the
// test's lifetime, pixel reading in $00BBGGRR and counting colours in areas.

#include "Canvas.h"
#include "ScopedSettings.h"

#include <QImage>

inline TColor PixelAt(const QImage& Image, int X, int Y)
{
    return TColorOf(QColor(Image.pixel(X, Y)));
}

// Pixels of exactly Colour in the rectangle (Right, Bottom outside).
inline int CountColour(const QImage& Image, const TRect& Area, TColor Colour)
{
    int Count = 0;
    for (int Y = Area.Top; Y < Area.Bottom; ++Y)
        for (int X = Area.Left; X < Area.Right; ++X)
            if (PixelAt(Image, X, Y) == Colour)
                ++Count;
    return Count;
}

// Pixels drawn in Colour, counting anti-aliased edges that are mostly ink
// (each channel within 48 of the colour): small text has few exact pixels.
inline int CountInk(const QImage& Image, const TRect& Area, TColor Colour)
{
    const auto Near = [](int A, int B) { return A - B <= 48 && B - A <= 48; };
    int Count = 0;
    for (int Y = Area.Top; Y < Area.Bottom; ++Y)
        for (int X = Area.Left; X < Area.Right; ++X) {
            const TColor Pixel = PixelAt(Image, X, Y);
            if (Near(RedOf(Pixel), RedOf(Colour)) && Near(GreenOf(Pixel), GreenOf(Colour)) &&
                Near(BlueOf(Pixel), BlueOf(Colour)))
                ++Count;
        }
    return Count;
}

// Whether every pixel of the rectangle has Colour.
inline bool AllColour(const QImage& Image, const TRect& Area, TColor Colour)
{
    return CountColour(Image, Area, Colour) == Area.Width() * Area.Height();
}
