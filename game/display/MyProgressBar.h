#pragma once
// A progress bar in a colour of its own (BarColor), so the chosen child's bar
// stands out. The part not yet done is BarColor, the done part the system's
// highlight colour, inside a two-pixel border of BarColor and a thin sunken
// frame: BarColor shows at every fill level, and the fill shows on a panel
// of the bar's own colour. Horizontal bars fill from the left, vertical ones
// from the bottom; no text is drawn. A release over the bar is reported.

#include "Colour.h"

#include <QProgressBar>

class QMouseEvent;
class QPaintEvent;

class TMyProgressBar : public QProgressBar {
    Q_OBJECT
    Q_PROPERTY(quint32 BarColor READ BarColor WRITE SetBarColor)

public:
    explicit TMyProgressBar(QWidget* Owner = nullptr);

    TColor BarColor() const { return FBarColor; }
    // Stores the colour and schedules a repaint only when it differs from the
    // current one; setting the same colour again costs nothing.
    void SetBarColor(TColor Colour);

    // The part of the inner area (inside the frame and the border) that the
    // done part covers for the current range and value; empty when the range
    // is empty.
    QRect BarRect() const;
    // The window's zoom: the frame and the border grow with it.
    void SetScale(double Scale);

signals:
    void MouseUp();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    TColor FBarColor = clBtnFace;
    double FScale = 1.0;
};
