#include "ZoomGeometry.h"

#include <algorithm>
#include <cmath>

namespace Zoom {

namespace {

// A factor a hair below a step counts as the step: a factor read back from
// a size is rarely exact.
constexpr double Slack = 1e-6;

}  // namespace

int Scaled(int Length, double Factor)
{
    return static_cast<int>(std::lround(Length * Factor));
}

TSize Scaled(TSize Design, double Factor)
{
    return {Scaled(Design.Width, Factor), Scaled(Design.Height, Factor)};
}

TPlace Scaled(const TPlace& Design, double Factor)
{
    const int Left = Scaled(Design.X, Factor);
    const int Top = Scaled(Design.Y, Factor);
    return {Left, Top, Scaled(Design.X + Design.Width, Factor) - Left, Scaled(Design.Y + Design.Height, Factor) - Top};
}

int Unscaled(int Position, double Factor)
{
    return static_cast<int>(std::floor((Position + 0.5) / Factor));
}

double Fitting(TSize Room, TSize Design)
{
    if (Design.Width <= 0 || Design.Height <= 0)
        return Smallest;
    const double Across = static_cast<double>(Room.Width) / Design.Width;
    const double Down = static_cast<double>(Room.Height) / Design.Height;
    return std::max(Smallest, std::min(Across, Down));
}

double StepAbove(double Factor)
{
    return (std::floor(Factor / Step + Slack) + 1) * Step;
}

double StepBelow(double Factor)
{
    return std::max(Smallest, (std::ceil(Factor / Step - Slack) - 1) * Step);
}

double LargestStep(TSize Room, TSize Design)
{
    return std::max(Smallest, std::floor(Fitting(Room, Design) / Step + Slack) * Step);
}

double Clamped(double Factor, double Largest)
{
    if (!(Factor >= Smallest))  // also a NaN
        return Smallest;
    return std::min(Factor, std::max(Largest, Smallest));
}

TPlace Centred(TSize Outer, TSize Inner)
{
    return {(Outer.Width - Inner.Width) / 2, (Outer.Height - Inner.Height) / 2, Inner.Width, Inner.Height};
}

TPlace KeptInside(TPlace Window, const TPlace& Screen)
{
    Window.Width = std::min(Window.Width, Screen.Width);
    Window.Height = std::min(Window.Height, Screen.Height);
    Window.X = std::clamp(Window.X, Screen.X, Screen.X + Screen.Width - Window.Width);
    Window.Y = std::clamp(Window.Y, Screen.Y, Screen.Y + Screen.Height - Window.Height);
    return Window;
}

}  // namespace Zoom
