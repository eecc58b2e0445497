#include "LedShape.h"

#include "Canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

TLedShape::TLedShape(int Tag, QWidget* Owner) : QWidget(Owner), FTag(Tag) {}

void TLedShape::SetBrushColor(TColor Colour)
{
    if (Colour == FBrushColor)
        return;
    FBrushColor = Colour;
    update();
}

void TLedShape::SetScale(double Scale)
{
    const int Width = std::max(1, static_cast<int>(std::lround(Scale)));
    if (Width == FLineWidth)
        return;
    FLineWidth = Width;
    update();
}

void TLedShape::paintEvent(QPaintEvent*)
{
    // The white outline just inside the edge, the colour within it.
    QPainter Painter(this);
    Painter.fillRect(rect(), Qt::white);
    const int W = FLineWidth;
    Painter.fillRect(rect().adjusted(W, W, -W, -W), QColorOf(FBrushColor));
}

void TLedShape::mouseReleaseEvent(QMouseEvent* Event)
{
    if (rect().contains(Event->position().toPoint()))
        emit MouseUp(FTag);
}
