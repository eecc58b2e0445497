#pragma once
// The printer as booklet printing sees it: jobs with pages, an orientation, a
// title, a canvas to draw on and the measures of the page. Booklet printing
// talks only to this class, so the same layout code prints on a real printer
// (TQtBookletPrinter), writes a PDF (TPdfBookletPrinter) or draws into a
// test's pictures.
//
// Coordinates on the canvas are printer pixels with (0, 0) at the top-left
// corner of the printable area of the page, in the orientation the page is
// printed in.
//
// Errors of the device (a job that cannot start, a job the device reports as
// failed) are raised as Exception with a message for the player.

#include "Canvas.h"

#include <QPageLayout>

#include <QString>

enum class TPrintOrientation { Portrait, Landscape };

// The orientation of a page layout, and the layout's form of an orientation,
// for the layers over Qt's paged devices.
inline TPrintOrientation OrientationOf(const QPageLayout& Layout)
{
    return Layout.orientation() == QPageLayout::Landscape ? TPrintOrientation::Landscape : TPrintOrientation::Portrait;
}
inline QPageLayout::Orientation QtOrientation(TPrintOrientation Orientation)
{
    return Orientation == TPrintOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

class TBookletPrinter {
public:
    virtual ~TBookletPrinter() = default;

    // Starts a job. A layer may defer opening the device until the job's
    // canvas is first fetched, so that a job that draws nothing and is then
    // aborted never reaches the paper.
    virtual void BeginDoc() = 0;
    // Finishes the job; its pages go to the device.
    virtual void EndDoc() = 0;
    // Drops the job; nothing of it is printed. Harmless without a job.
    virtual void Abort() = 0;
    // Ends the current page of the job and starts the next.
    virtual void NewPage() = 0;

    // The orientation of the pages of the next job. Changed only between
    // jobs (a layer that writes one document may apply it from the next
    // page).
    virtual TPrintOrientation Orientation() const = 0;
    virtual void SetOrientation(TPrintOrientation Orientation) = 0;
    virtual void SetTitle(const QString& Title) = 0;

    // The canvas of the current page. Fetch it again after BeginDoc and
    // NewPage before drawing: a layer may open the device or the page only
    // then. Outside a job it is inactive and only keeps its font, brush and
    // pen settings. Owned by the layer; the address stays the same for the
    // layer's lifetime.
    virtual TQVCanvas& Canvas() = 0;

    // Pixels per inch across and down.
    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;
    // Inside a job, at the current orientation: the unprintable margin at the
    // left and top, the size of the whole sheet, and the size of the
    // printable area, all in printer pixels.
    virtual TPoint PrintingOffset() const = 0;
    virtual TSize PhysicalPageSize() const = 0;
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
};
