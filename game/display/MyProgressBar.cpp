#include "MyProgressBar.h"

#include "Canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace {

// Inside the one-pixel sunken frame and the two-pixel border, wide enough
// for the chosen child's colour to show round a full bar.
QRect InnerRect(const QRect& Whole)
{
    return Whole.adjusted(3, 3, -3, -3);
}

}  // namespace

TMyProgressBar::TMyProgressBar(QWidget* Owner) : QProgressBar(Owner)
{
    setTextVisible(false);
    FBarColor = clBtnFace;
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
    const QRect Inner = InnerRect(rect());
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
    Painter.fillRect(rect().adjusted(1, 1, -1, -1), QColorOf(FBarColor));
    qDrawShadePanel(&Painter, rect(), palette(), true, 1);
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
