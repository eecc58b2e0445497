#pragma once
// The main window's zoom: every control of the window's content drawn at one
// factor, 100% being the design pixel for pixel. The zoom commands go in
// steps of 25% up to what the screen holds; a window resized by its frame
// or maximised takes the largest factor (any, not only a step) at which the
// whole content fits, the leftover centred in the panel colour round it.
//
// The controller notes the design of every control once, at 100%: its place
// (for a control placed by hand), its fixed size, its own font, and each
// layout's margins and spacing. A zoom is then set from those notes alone,
// so factors never build on each other's rounding. The grid pictures, the
// LEDs and the bars are told the factor themselves: the grids are drawn
// afresh at the size they show and the mouse is read back in design pixels.
// A control made after the notes were taken is noted, as designed, at the
// next zoom.
//
// The zoom and the window's place are kept in the settings store (saved a
// moment after they change, and when the window closes) and restored within
// the screen the window is on.
//
// Ownership: a child of the window; the window, its client area and content
// outlive it.

#include "SettingsStore.h"
#include "ZoomGeometry.h"

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QTimer>

#include <memory>
#include <vector>

class QLayout;
class TZoomStyle;
class QMainWindow;
class QWidget;

class TZoomController : public QObject {
    Q_OBJECT

public:
    // Client is the window's central widget, filled with the panel colour;
    // Content, its only child, holds the panels stacked in a layout.
    TZoomController(QMainWindow& Window, QWidget& Client, QWidget& Content, TSettingsStore& Store);
    ~TZoomController() override;

    // Notes the design of every control of the content; call once at 100%,
    // when all are made.
    void NoteDesign();

    double Zoom() const { return FZoom; }
    // The content's size at 100% with the panels now shown, and at the zoom.
    Zoom::TSize DesignSize() const;
    Zoom::TSize ShownSize() const;
    // The content's size at Factor: each panel rounded on its own, as the
    // layout stacks them.
    Zoom::TSize ShownSizeAt(double Factor) const;

    // The zoom commands. In is refused (false) when the next step would not
    // fit on the screen, Out at 100%.
    bool ZoomIn();
    bool ZoomOut();
    void ActualSize();
    bool CanZoomIn() const;
    bool CanZoomOut() const { return FZoom > Zoom::Smallest; }
    // Sets Factor (brought within what the screen holds) and fits the window
    // round the content, unless the window is maximised or full screen.
    void SetZoom(double Factor);

    // Panels were shown or hidden: the window fits them at the zoom.
    void PanelsChanged();

    // The stored zoom and place, applied before the window is first shown
    // (nothing stored: 100%, centred on the screen).
    void Restore();
    // The zoom and place as they would be stored now.
    TWindowPlace Place() const;
    // Stores them now if a change is waiting to be stored.
    void StorePlace();

signals:
    // The zoom changed (the zoom commands' states follow it).
    void ZoomChanged(double Zoom);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    struct TNotedWidget {
        QPointer<QWidget> Widget;
        QRect Geometry;
        QSize Minimum;
        QSize Maximum;
        bool Placed;  // placed by hand, not by a layout
        bool OwnFont;
        QFont Font;
        // A button sized by its text: the size its layout gave it at 100%,
        // taken before the first zoom away from it, so it grows exactly with
        // the zoom rather than with its font's metrics.
        QSize LaidOut;
    };
    struct TNotedLayout {
        QPointer<QLayout> Layout;
        QMargins Margins;
        int Spacing;
        int HorizontalSpacing;
        int VerticalSpacing;
    };

    void Note(QWidget* Widget, bool Placed);
    void NoteNewWidgets();
    // Notes the sizes the layouts give the text-sized buttons at 100%.
    void NoteLaidOutSizes();
    // The panels' heights at Factor, by their edges, so that the stack is
    // the design's height at Factor and every control is within a pixel.
    void StackPanels(double Factor);
    // Every control at Factor; the content placed in the client area.
    void Apply(double Factor);
    void PlaceContent();
    // The room the screen gives the content (the window's frame and menu
    // bar left out).
    Zoom::TSize ScreenRoom() const;
    // The window's size round the content at Factor.
    QSize WindowSizeFor(double Factor) const;
    bool Maximised() const;
    // The largest factor at which the content fits the client area.
    double ClientFitting() const;
    void PlaceChanged();

    QMainWindow& FWindow;
    QWidget& FClient;
    QWidget& FContent;
    TSettingsStore& FStore;
    double FZoom = Zoom::Smallest;
    bool FNoted = false;
    bool FApplying = false;
    std::vector<TNotedWidget> FWidgets;
    std::vector<TNotedLayout> FLayouts;
    QFont FContentFont;
    // The check box's style at a zoom other than 100%; made when first needed.
    std::unique_ptr<TZoomStyle> FStyle;
    // A change of zoom or place waits a moment before it is stored, so a
    // drag of the frame stores once.
    QTimer FStoreTimer;
};
