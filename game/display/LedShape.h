#pragma once
// One LED of the digit rows above the grids: a rectangle with a white
// outline, filled with its colour. The main window colours it from the digit counts; the LEDs of the
// child row also choose the child shown, so a release over the lamp is
// reported.

#include "Colour.h"

#include <QWidget>

class TLedShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BrushColor READ BrushColor WRITE SetBrushColor)

public:
    explicit TLedShape(int Tag, QWidget* Owner = nullptr);

    int Tag() const { return FTag; }
    TColor BrushColor() const { return FBrushColor; }
    // Repaints only when the colour changes.
    void SetBrushColor(TColor Colour);
    // The window's zoom: the outline grows with it.
    void SetScale(double Scale);

signals:
    void MouseUp(int Tag);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    int FTag;
    TColor FBrushColor = clBtnFace;
    int FLineWidth = 1;
};
