#pragma once
// The picture a screen grid draws on: a widget that owns the bitmap and the
// canvas over it, shows the bitmap, and passes the pointer on. It listens to
// the grid that paints on its canvas, so every change the grid paints (an
// entry arriving over a link, an undo, a hover move) reaches the screen by
// itself. What reaches a screen reader is told, once per act, by the window
// (Announcer.h, CellNameChanged), never by painting.
//
// The canvas works in the grid's design pixels; the widget is the design
// size times the window's zoom, and the bitmap has the zoom times the
// screen's device pixel ratio, so the grid is drawn afresh at the size it
// shows, text at the screen's full resolution, never an enlarged picture.
// Pointer positions are handed on in design pixels. When the ratio changes (the window moved to
// another screen, the desktop's scale changed) the bitmap is made anew at
// the new ratio and the grid painting for the picture is asked to paint it
// all again.
//
// Ownership: the widget owns its bitmap and canvas; the grid that paints on
// them is the window's. Either may go first: each forgets the other.

#include "Canvas.h"
#include "QVDisplayGrid.h"

#include <QImage>
#include <QWidget>

class TGridImage : public QWidget, public TGridPaintListener {
    Q_OBJECT

public:
    TGridImage(int Width, int Height, QWidget* Owner = nullptr);
    ~TGridImage() override;

    TQVCanvas* Canvas() { return &FCanvas; }
    // The picture in device pixels: the logical size times PixelRatio(),
    // with that ratio set on the image.
    const QImage& Bitmap() const { return FBitmap; }
    double PixelRatio() const { return FBitmap.devicePixelRatio(); }

    // The window's zoom: the widget takes the design size at Factor (rounded
    // to whole pixels; ZoomRatio is the factor that gives exactly) and the
    // grid painting here paints it all again at that size.
    void SetZoom(double Factor);
    double ZoomRatio() const { return FZoomRatio; }
    // A point and a rectangle of the grid's design pixels where the widget
    // shows them.
    QPoint FromGrid(QPoint Design) const;
    QRect FromGrid(const QRect& Design) const;

    // The grid that paints here (it tells the picture itself), and the name
    // a screen reader gives it ("Parent", "Child 3").
    const TGrid* Grid() const { return FGrid; }
    void SetAccessibleGridName(const QString& Name);
    const QString& AccessibleGridName() const { return FGridName; }

    void GridPainted(const TRect& Area) override;
    void PaintedBy(TGrid* Grid) override { FGrid = Grid; }

signals:
    // Pointer position in design pixels of the grid.
    void MouseMoved(int X, int Y);
    // A left press and release both inside the picture; sent before the
    // release itself.
    void Clicked();
    // Position in the widget's own pixels, for a menu opened there.
    void MouseReleased(Qt::MouseButton Button, QPoint Position);

protected:
    bool event(QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    // Remakes the bitmap when the widget's ratio differs from it.
    void FollowPixelRatio();

    int FWidth;
    int FHeight;
    double FZoomRatio = 1.0;
    QImage FBitmap;
    TQVCanvas FCanvas;
    TGrid* FGrid = nullptr;
    bool FLeftPressed = false;
    QString FGridName;
};
