// The zoom's arithmetic: rectangles scaled by their edges so that neighbours
// still meet, the commands' steps, the largest factor that fits a room, the
// mouse read back in design pixels, a stored place brought inside a screen.

#include "ZoomGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ZoomGeometry, RectanglesThatMeetAtTheDesignStillMeetAtAnyFactor)
{
    // The five panels stacked at 100% and at factors that round every way.
    const int Heights[] = {21, 394, 55, 84, 34};
    for (const double Factor : {1.0, 1.25, 1.37, 1.5, 1.75, 2.0, 2.4}) {
        int Top = 0;
        int ScaledBottom = 0;
        for (const int Height : Heights) {
            const Zoom::TPlace Shown = Zoom::Scaled(Zoom::TPlace{0, Top, 800, Height}, Factor);
            EXPECT_EQ(Shown.Y, ScaledBottom) << Factor;
            ScaledBottom = Shown.Y + Shown.Height;
            Top += Height;
        }
        EXPECT_EQ(ScaledBottom, Zoom::Scaled(Top, Factor));
    }
    // 100% changes nothing.
    EXPECT_EQ(Zoom::Scaled(Zoom::TPlace{399, 3, 126, 16}, 1.0), (Zoom::TPlace{399, 3, 126, 16}));
    EXPECT_EQ(Zoom::Scaled(Zoom::TPlace{404, 3, 126, 16}, 2.0), (Zoom::TPlace{808, 6, 252, 32}));
}

TEST(ZoomGeometry, TheMouseIsReadBackInThePixelOfTheDesignItLiesIn)
{
    for (int Position = 0; Position < 394; ++Position)
        EXPECT_EQ(Zoom::Unscaled(Position, 1.0), Position);
    // At 200% two screen pixels make one design pixel.
    EXPECT_EQ(Zoom::Unscaled(0, 2.0), 0);
    EXPECT_EQ(Zoom::Unscaled(1, 2.0), 0);
    EXPECT_EQ(Zoom::Unscaled(2, 2.0), 1);
    EXPECT_EQ(Zoom::Unscaled(787, 2.0), 393);
    // Every design pixel has screen pixels at 150%, and they come back to it.
    for (int Design = 0; Design < 394; ++Design) {
        const int Shown = Zoom::Scaled(Design, 1.5);
        EXPECT_EQ(Zoom::Unscaled(Shown, 1.5), Design) << Design;
    }
}

TEST(ZoomGeometry, StepsGoBy25PercentFrom100AndFromAnyFactorToTheNextStep)
{
    EXPECT_DOUBLE_EQ(Zoom::StepAbove(1.0), 1.25);
    EXPECT_DOUBLE_EQ(Zoom::StepAbove(1.75), 2.0);
    // A fitted factor goes to the step beyond it, or below it.
    EXPECT_DOUBLE_EQ(Zoom::StepAbove(1.37), 1.5);
    EXPECT_DOUBLE_EQ(Zoom::StepBelow(1.37), 1.25);
    // A factor a hair off a step counts as the step.
    EXPECT_DOUBLE_EQ(Zoom::StepAbove(1.4999999999), 1.75);
    EXPECT_DOUBLE_EQ(Zoom::StepBelow(1.5000000001), 1.25);
    EXPECT_DOUBLE_EQ(Zoom::StepBelow(1.25), 1.0);
    EXPECT_DOUBLE_EQ(Zoom::StepBelow(1.0), 1.0);
    EXPECT_DOUBLE_EQ(Zoom::Clamped(0.5, 3.0), 1.0);
    EXPECT_DOUBLE_EQ(Zoom::Clamped(4.0, 1.7), 1.7);
    EXPECT_DOUBLE_EQ(Zoom::Clamped(std::nan(""), 2.0), 1.0);
}

TEST(ZoomGeometry, TheFittingZoomIsTheLargestAtWhichTheWholeDesignFits)
{
    const Zoom::TSize Window{800, 588};
    // A 1920 by 1080 screen less a menu bar: the height decides.
    const double Fit = Zoom::Fitting({1920, 1040}, Window);
    EXPECT_DOUBLE_EQ(Fit, 1040.0 / 588);
    EXPECT_LE(Zoom::Scaled(588, Fit), 1040);
    EXPECT_DOUBLE_EQ(Zoom::LargestStep({1920, 1040}, Window), 1.75);
    // A room smaller than the design still gives 100%, never less.
    EXPECT_DOUBLE_EQ(Zoom::Fitting({640, 480}, Window), 1.0);
    EXPECT_DOUBLE_EQ(Zoom::LargestStep({640, 480}, Window), 1.0);
    EXPECT_DOUBLE_EQ(Zoom::Fitting({1600, 1176}, Window), 2.0);
    EXPECT_DOUBLE_EQ(Zoom::LargestStep({1600, 1176}, Window), 2.0);
    EXPECT_DOUBLE_EQ(Zoom::Fitting({1600, 1176}, {0, 0}), 1.0);
    // The leftover is split evenly.
    EXPECT_EQ(Zoom::Centred({1300, 900}, {1200, 882}), (Zoom::TPlace{50, 9, 1200, 882}));
    EXPECT_EQ(Zoom::Centred({1201, 882}, {1200, 882}), (Zoom::TPlace{0, 0, 1200, 882}));
}

TEST(ZoomGeometry, AStoredPlaceComesBackInsideTheScreen)
{
    const Zoom::TPlace Screen{0, 0, 1920, 1040};
    // Inside already: unchanged.
    EXPECT_EQ(Zoom::KeptInside({100, 50, 800, 600}, Screen), (Zoom::TPlace{100, 50, 800, 600}));
    // Hanging over the right and bottom edges: moved back.
    EXPECT_EQ(Zoom::KeptInside({1500, 900, 800, 600}, Screen), (Zoom::TPlace{1120, 440, 800, 600}));
    // Larger than the screen and off its top-left: as large as the screen.
    EXPECT_EQ(Zoom::KeptInside({-500, -300, 6000, 4000}, Screen), Screen);
    // A screen that does not start at the origin (a second monitor).
    EXPECT_EQ(Zoom::KeptInside({0, 0, 800, 600}, {1920, 0, 2560, 1400}), (Zoom::TPlace{1920, 0, 800, 600}));
}

}  // namespace
