#include "LedShape.h"

#include "Canvas.h"

#include <QMouseEvent>
#include <QPainter>

TLedShape::TLedShape(int Tag, QWidget* Owner) : QWidget(Owner), FTag(Tag)
{
}

void TLedShape::SetBrushColor(TColor Colour)
{
    if (Colour == FBrushColor)
        return;
    FBrushColor = Colour;
    update();
}

void TLedShape::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setPen(QPen(QColor(64, 64, 64), 1));
    Painter.setBrush(QColorOf(FBrushColor));
    const int Side = qMin(width(), height()) - 2;
    Painter.drawEllipse(QRectF((width() - Side) / 2.0, (height() - Side) / 2.0, Side, Side));
}

void TLedShape::mouseReleaseEvent(QMouseEvent* Event)
{
    if (rect().contains(Event->position().toPoint()))
        emit MouseUp(FTag);
}
