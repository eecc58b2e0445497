#pragma once
// The arithmetic of the main window's zoom, free of any toolkit: how a
// length and a rectangle of the window's design grow with the zoom factor,
// the steps of the zoom commands, the largest factor at which the window
// fits a given room, and a stored window place brought back inside a screen.
//
// Rectangles are scaled by their edges, not by their sizes, so rectangles
// that meet at 100% still meet at any factor, and 100% changes nothing.

namespace Zoom {

// The zoom commands' steps and the smallest zoom there is.
constexpr double Step = 0.25;
constexpr double Smallest = 1.0;

struct TSize {
    int Width = 0;
    int Height = 0;
    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

struct TPlace {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    friend constexpr bool operator==(const TPlace&, const TPlace&) = default;
};

// Length at Factor, rounded to the nearest pixel.
int Scaled(int Length, double Factor);
TSize Scaled(TSize Design, double Factor);
// The rectangle whose edges are the design's edges at Factor.
TPlace Scaled(const TPlace& Design, double Factor);
// The design position under a position at Factor (the pixel it lies in).
int Unscaled(int Position, double Factor);

// The largest factor (any, not only a step) at which Design fits into Room;
// never below Smallest.
double Fitting(TSize Room, TSize Design);
// The next step above Factor, and the step below it (never below Smallest).
double StepAbove(double Factor);
double StepBelow(double Factor);
// The largest step at which Design fits into Room (Smallest at the least).
double LargestStep(TSize Room, TSize Design);
// Factor brought into [Smallest, Largest].
double Clamped(double Factor, double Largest);

// Inner placed in the middle of Outer (the leftover split evenly, any odd
// pixel on the right and at the bottom).
TPlace Centred(TSize Outer, TSize Inner);
// Window made no larger than Screen and moved the least to lie inside it.
TPlace KeptInside(TPlace Window, const TPlace& Screen);

}  // namespace Zoom
