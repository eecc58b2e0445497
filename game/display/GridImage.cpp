#include "GridImage.h"

#include "GridAccessible.h"

#include <QAccessible>
#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TGridImage::TGridImage(int Width, int Height, QWidget* Owner)
    : QWidget(Owner), FWidth(Width), FHeight(Height), FBitmap(MakeScreenBitmap(Width, Height, devicePixelRatio()))
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

void TGridImage::SetAccessibleGridName(const QString& Name)
{
    if (Name == FGridName)
        return;
    FGridName = Name;
    if (QAccessible::isActive()) {
        QAccessibleEvent Event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&Event);
    }
}

TGridImage::~TGridImage()
{
    if (FGrid != nullptr)
        FGrid->SetPaintListener(nullptr);
    FCanvas.End();
}

void TGridImage::GridPainted(const TRect& Area)
{
    // Outlines reach one pixel past Right and Bottom.
    const QRect Painted(Area.Left, Area.Top, Area.Width() + 1, Area.Height() + 1);
    update(Painted);
}

void TGridImage::FollowPixelRatio()
{
    const double Ratio = devicePixelRatio();
    if (Ratio == FBitmap.devicePixelRatio())
        return;
    FCanvas.End();
    FBitmap = MakeScreenBitmap(FWidth, FHeight, Ratio);
    FCanvas.Begin(&FBitmap);
    if (FGrid != nullptr)
        FGrid->RepaintAll();
    update();
}

bool TGridImage::event(QEvent* Event)
{
    // Qt before 6.6 tells a widget of a new ratio only through its screen
    // change; paintEvent checks again in case neither arrives.
    if (Event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        || Event->type() == QEvent::DevicePixelRatioChange
#endif
    )
        FollowPixelRatio();
    return QWidget::event(Event);
}

void TGridImage::paintEvent(QPaintEvent* Event)
{
    (void)Event;
    FollowPixelRatio();
    // The painter is clipped to the area to refresh; the bitmap carries its
    // ratio, so it is drawn at the logical size pixel for pixel.
    QPainter Painter(this);
    Painter.drawImage(QPoint(0, 0), FBitmap);
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
