#include "LedShape.h"

#include "Canvas.h"

#include <QMouseEvent>
#include <QPainter>

TLedShape::TLedShape(int Tag, QWidget* Owner) : QWidget(Owner), FTag(Tag) {}

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
    Painter.fillRect(rect(), QColorOf(FBrushColor));
    Painter.setPen(QPen(Qt::white, 1));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TLedShape::mouseReleaseEvent(QMouseEvent* Event)
{
    if (rect().contains(Event->position().toPoint()))
        emit MouseUp(FTag);
}
