#pragma once
// The picture a screen grid draws on: a widget that owns the bitmap and the
// canvas over it, shows the bitmap, and passes the pointer on. It listens to
// the grid that paints on its canvas, so every change the grid paints (an
// entry arriving over a link, an undo, a hover move) reaches the screen by
// itself.
//
// Ownership: the widget owns its bitmap and canvas; the grid that paints on
// them is the window's and must be destroyed (or stop painting) before the
// widget goes.

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
    const QImage& Bitmap() const { return FBitmap; }

    // The grid that paints here and the name a screen reader gives it
    // ("Parent", "Child 3"); the grid is the window's and must outlive its
    // use here.
    void SetGrid(const TGrid* Grid, const QString& Name);
    const TGrid* Grid() const { return FGrid; }
    const QString& AccessibleGridName() const { return FGridName; }

    void GridPainted(const TRect& Area) override;

signals:
    // Pointer position in bitmap pixels.
    void MouseMoved(int X, int Y);
    // A left press and release both inside the picture; sent before the
    // release itself.
    void Clicked();
    void MouseReleased(Qt::MouseButton Button, QPoint Position);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    // Taking the focus brings the cursor's square to a screen reader.
    void focusInEvent(QFocusEvent* Event) override;

private:
    QImage FBitmap;
    TQVCanvas FCanvas;
    bool FLeftPressed = false;
    const TGrid* FGrid = nullptr;
    QString FGridName;
};
