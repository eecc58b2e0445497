#pragma once
// A progress bar that fills itself in a colour of its own (BarColor) rather
// than in whatever the widget style chooses, so the chosen child's bar can
// stand out. Horizontal bars fill from the left, vertical ones from the
// bottom; no text is drawn.

#include "Colour.h"

#include <QProgressBar>

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

    // The part of the inner area (inside the frame) that the bar covers for
    // the current range and value; empty when the range is empty.
    QRect BarRect() const;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    TColor FBarColor = clBtnFace;
};
