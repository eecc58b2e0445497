#include "MyProgressBar.h"

#include "Canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <qdrawutil.h>

namespace {

// Design widths at Scale, never below a pixel.
int Scaled(int Width, double Scale)
{
    return std::max(1, static_cast<int>(std::lround(Width * Scale)));
}

// Inside the one-pixel sunken frame and the two-pixel border, wide enough
// for the chosen child's colour to show round a full bar.
QRect InnerRect(const QRect& Whole, double Scale)
{
    const int Inset = Scaled(3, Scale);
    return Whole.adjusted(Inset, Inset, -Inset, -Inset);
}

}  // namespace

TMyProgressBar::TMyProgressBar(QWidget* Owner) : QProgressBar(Owner)
{
    setTextVisible(false);
    FBarColor = clBtnFace;
    update();
}

void TMyProgressBar::SetScale(double Scale)
{
    if (Scale == FScale)
        return;
    FScale = Scale;
    update();
}

void TMyProgressBar::SetBarColor(TColor Colour)
{
    if (Colour == FBarColor)
        return;
    FBarColor = Colour;
    update();
}

QRect TMyProgressBar::BarRect() const
{
    const QRect Inner = InnerRect(rect(), FScale);
    const qint64 Range = static_cast<qint64>(maximum()) - minimum();
    const qint64 Done = static_cast<qint64>(value()) - minimum();
    if (Range <= 0 || Done <= 0 || Inner.isEmpty())
        return {};
    const qint64 Clamped = Done > Range ? Range : Done;
    if (orientation() == Qt::Horizontal) {
        const int Width = static_cast<int>(Inner.width() * Clamped / Range);
        return QRect(Inner.left(), Inner.top(), Width, Inner.height());
    }
    const int Height = static_cast<int>(Inner.height() * Clamped / Range);
    return QRect(Inner.left(), Inner.bottom() + 1 - Height, Inner.width(), Height);
}

void TMyProgressBar::paintEvent(QPaintEvent* /*Event*/)
{
    QPainter Painter(this);
    const int Frame = Scaled(1, FScale);
    Painter.fillRect(rect().adjusted(Frame, Frame, -Frame, -Frame), QColorOf(FBarColor));
    qDrawShadePanel(&Painter, rect(), palette(), true, Frame);
    const QRect Bar = BarRect();
    if (!Bar.isEmpty())
        Painter.fillRect(Bar, palette().color(QPalette::Active, QPalette::Highlight));
}

void TMyProgressBar::mouseReleaseEvent(QMouseEvent* Event)
{
    QProgressBar::mouseReleaseEvent(Event);
    if (rect().contains(Event->position().toPoint()))
        emit MouseUp();
}
