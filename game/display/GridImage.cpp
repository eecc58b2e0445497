#include "GridImage.h"

#include "GridAccessible.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TGridImage::TGridImage(int Width, int Height, QWidget* Owner)
    : QWidget(Owner), FBitmap(MakeScreenBitmap(Width, Height))
{
    FCanvas.Begin(&FBitmap);
    setFixedSize(Width, Height);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    static const bool FactoryInstalled = [] {
        QAccessible::installFactory(GridAccessibleFactory);
        return true;
    }();
    (void)FactoryInstalled;
}

void TGridImage::SetGrid(const TGrid* Grid, const QString& Name)
{
    const bool Renamed = Name != FGridName;
    FGrid = Grid;
    FGridName = Name;
    if (Renamed && QAccessible::isActive()) {
        QAccessibleEvent Event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&Event);
    }
}

TGridImage::~TGridImage()
{
    FCanvas.End();
}

void TGridImage::GridPainted(const TRect& Area)
{
    // Outlines reach one pixel past Right and Bottom.
    const QRect Painted(Area.Left, Area.Top, Area.Width() + 1, Area.Height() + 1);
    update(Painted);
    // Whatever repaints the cursor's square (a move, a value, marks) is news
    // for a screen reader.
    if (FGrid == nullptr || FGrid->Cursor().Box < 0 || !QAccessible::isActive())
        return;
    const TBoxSquare Place = FGrid->Cursor();
    const TGridSquare& Square = FGrid->Box(Place.Box).Square(Place.Square);
    if (Painted.intersects(QRect(Square.X(), Square.Y(), FGrid->SquareWidth(), FGrid->SquareHeight())))
        AnnounceCursorSquare(*this);
}

void TGridImage::paintEvent(QPaintEvent* Event)
{
    QPainter Painter(this);
    const QRect Area = Event->rect();
    Painter.drawImage(Area, FBitmap, Area);
}

void TGridImage::mouseMoveEvent(QMouseEvent* Event)
{
    const QPoint Position = Event->position().toPoint();
    emit MouseMoved(Position.x(), Position.y());
}

void TGridImage::mousePressEvent(QMouseEvent* Event)
{
    if (Event->button() == Qt::LeftButton)
        FLeftPressed = true;
}

void TGridImage::mouseDoubleClickEvent(QMouseEvent* Event)
{
    // Quick clicks on two squares are two entries, so the second press of a
    // double click counts as a press of its own.
    mousePressEvent(Event);
}

void TGridImage::mouseReleaseEvent(QMouseEvent* Event)
{
    const QPoint Position = Event->position().toPoint();
    if (Event->button() == Qt::LeftButton) {
        const bool Click = FLeftPressed && rect().contains(Position);
        FLeftPressed = false;
        if (Click)
            emit Clicked();
    }
    emit MouseReleased(Event->button(), Position);
}

void TGridImage::focusInEvent(QFocusEvent* Event)
{
    QWidget::focusInEvent(Event);
    AnnounceCursorSquare(*this);
}
