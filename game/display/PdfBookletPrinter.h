#pragma once
// The booklet printer that writes one PDF document: the jobs of a run are
// consecutive parts of the document, each starting on a new page, and each
// page takes the orientation set before it began. The sheet has no
// unprintable margin.
//
// Nothing reaches the device before a job's canvas is first fetched, so the
// measuring job that booklet printing begins and aborts adds no page. Finish
// completes the document; a job aborted after drawing spoils it (a page
// cannot be taken back), and Finish then raises.
//
// Ownership: the device is the caller's, open for writing, and must outlive
// this object.

#include "BookletPrinter.h"

#include <QPdfWriter>

class QIODevice;
class QPageSize;

class TPdfBookletPrinter : public TBookletPrinter {
public:
    TPdfBookletPrinter(QIODevice& Device, const QPageSize& PageSize, int Resolution);
    ~TPdfBookletPrinter() override;
    TPdfBookletPrinter(const TPdfBookletPrinter&) = delete;
    TPdfBookletPrinter& operator=(const TPdfBookletPrinter&) = delete;

    void BeginDoc() override;
    void EndDoc() override;
    void Abort() override;
    void NewPage() override;

    TPrintOrientation Orientation() const override;
    void SetOrientation(TPrintOrientation Orientation) override;
    void SetTitle(const QString& Title) override;
    TQVCanvas& Canvas() override;

    int PixelsPerInchX() const override;
    int PixelsPerInchY() const override;
    TPoint PrintingOffset() const override;
    TSize PhysicalPageSize() const override;
    int PageWidth() const override;
    int PageHeight() const override;

    // Completes the document. Exception when nothing was drawn, when a job
    // was aborted after drawing, or when the writer fails.
    void Finish();
    // Pages begun so far.
    int PageCount() const { return FPageCount; }

private:
    // Opens the document, or the pending page of a later job.
    void OpenPage();

    QPdfWriter FWriter;
    TQVCanvas FCanvas;
    bool FJobOpen = false;
    bool FJobDrawn = false;
    bool FStarted = false;
    bool FPagePending = false;
    bool FSpoiled = false;
    int FPageCount = 0;
};
