#include "GridImage.h"

#include "GridAccessible.h"
#include "ZoomGeometry.h"

#include <QAccessible>
#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

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
    update(FromGrid(Painted));
}

void TGridImage::SetZoom(double Factor)
{
    const int Shown = Zoom::Scaled(FWidth, Factor);
    const double Ratio = static_cast<double>(Shown) / FWidth;
    if (Ratio == FZoomRatio)
        return;
    FZoomRatio = Ratio;
    setFixedSize(Shown, Zoom::Scaled(FHeight, Ratio));
    FollowPixelRatio();
}

QPoint TGridImage::FromGrid(QPoint Design) const
{
    return {Zoom::Scaled(Design.x(), FZoomRatio), Zoom::Scaled(Design.y(), FZoomRatio)};
}

QRect TGridImage::FromGrid(const QRect& Design) const
{
    if (FZoomRatio == 1.0)
        return Design;
    // Outward to whole pixels, so a repaint covers all it touches.
    const int Left = static_cast<int>(std::floor(Design.left() * FZoomRatio));
    const int Top = static_cast<int>(std::floor(Design.top() * FZoomRatio));
    const int Right = static_cast<int>(std::ceil((Design.right() + 1) * FZoomRatio));
    const int Bottom = static_cast<int>(std::ceil((Design.bottom() + 1) * FZoomRatio));
    return QRect(Left, Top, Right - Left, Bottom - Top);
}

void TGridImage::FollowPixelRatio()
{
    const double Ratio = devicePixelRatio() * FZoomRatio;
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
    if (FZoomRatio == 1.0) {
        Painter.drawImage(QPoint(0, 0), FBitmap);
        return;
    }
    // Device pixel for device pixel: the bitmap has exactly the pixels of
    // the widget's area.
    Painter.drawImage(QRectF(0, 0, width(), height()), FBitmap, QRectF(FBitmap.rect()));
}

void TGridImage::mouseMoveEvent(QMouseEvent* Event)
{
    const QPoint Position = Event->position().toPoint();
    emit MouseMoved(Zoom::Unscaled(Position.x(), FZoomRatio), Zoom::Unscaled(Position.y(), FZoomRatio));
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
