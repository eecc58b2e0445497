#pragma once
// The booklet printer over a Qt printer that the print dialog has set up:
// jobs are the printer's print runs, the measures come from its paper and
// printable rectangles in device pixels at its current orientation.
//
// A job opens the printer only when its canvas is first fetched. Qt cannot
// take back a print run once it has begun on every platform (a spooled or
// PDF run is sent when it ends, aborted or not), so a job that is begun,
// measured and aborted without drawing must never have opened the device.
//
// Ownership: the printer is the caller's and must outlive this object. A job
// still open when this object goes is aborted.

#include "BookletPrinter.h"

class QPrinter;

class TQtBookletPrinter : public TBookletPrinter {
public:
    explicit TQtBookletPrinter(QPrinter& Printer);
    ~TQtBookletPrinter() override;
    TQtBookletPrinter(const TQtBookletPrinter&) = delete;
    TQtBookletPrinter& operator=(const TQtBookletPrinter&) = delete;

    // Exception when a job is already open.
    void BeginDoc() override;
    // Exception when the printer reports that the run failed.
    void EndDoc() override;
    void Abort() override;
    void NewPage() override;

    TPrintOrientation Orientation() const override;
    void SetOrientation(TPrintOrientation Orientation) override;
    void SetTitle(const QString& Title) override;
    // Opens the printer for the current job on first use (Exception when it
    // refuses).
    TQVCanvas& Canvas() override;

    int PixelsPerInchX() const override;
    int PixelsPerInchY() const override;
    TPoint PrintingOffset() const override;
    TSize PhysicalPageSize() const override;
    int PageWidth() const override;
    int PageHeight() const override;

private:
    // Starts the printer's run for the open job if that has not happened.
    void OpenDevice();

    QPrinter& FPrinter;
    TQVCanvas FCanvas;
    bool FJobOpen = false;
    bool FDeviceOpen = false;
};
