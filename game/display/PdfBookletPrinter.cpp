#include "PdfBookletPrinter.h"

#include "Exception.h"

#include <QIODevice>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRect>

TPdfBookletPrinter::TPdfBookletPrinter(QIODevice& Device, const QPageSize& PageSize, int Resolution) : FWriter(&Device)
{
    FWriter.setResolution(Resolution);
    FWriter.setPageSize(PageSize);
    FWriter.setPageMargins(QMarginsF(0, 0, 0, 0));
    FWriter.setPageOrientation(QPageLayout::Portrait);
    FWriter.setCreator(QStringLiteral("Tavrel Sudoku"));
}

TPdfBookletPrinter::~TPdfBookletPrinter()
{
    // A document never finished is left incomplete on the device; the
    // caller throws the device's content away.
    FCanvas.End();
}

void TPdfBookletPrinter::BeginDoc()
{
    if (FJobOpen)
        throw Exception("Printing: a print job is already in progress");
    FJobOpen = true;
    FJobDrawn = false;
    FPagePending = FStarted;
}

void TPdfBookletPrinter::EndDoc()
{
    FJobOpen = false;
    FPagePending = false;
}

void TPdfBookletPrinter::Abort()
{
    if (FJobOpen && FJobDrawn)
        FSpoiled = true;
    FJobOpen = false;
    FPagePending = false;
}

void TPdfBookletPrinter::OpenPage()
{
    if (!FJobOpen)
        return;
    if (!FStarted) {
        if (!FCanvas.Begin(&FWriter))
            throw Exception(TR_TEXT("PdfBookletPrinter", "The PDF file could not be started"));
        FStarted = true;
        FPagePending = false;
        ++FPageCount;
    } else if (FPagePending) {
        // The orientation set since the last page applies from this one; the
        // painter keeps an identity view, so coordinates stay page pixels.
        if (!FWriter.newPage())
            throw Exception(TR_TEXT("PdfBookletPrinter", "The PDF file could not take another page"));
        FPagePending = false;
        ++FPageCount;
    }
    FJobDrawn = true;
}

void TPdfBookletPrinter::NewPage()
{
    if (!FJobOpen)
        return;
    OpenPage();
    FPagePending = true;
}

TPrintOrientation TPdfBookletPrinter::Orientation() const
{
    return OrientationOf(FWriter.pageLayout());
}

void TPdfBookletPrinter::SetOrientation(TPrintOrientation Orientation)
{
    FWriter.setPageOrientation(QtOrientation(Orientation));
}

void TPdfBookletPrinter::SetTitle(const QString& Title)
{
    FWriter.setTitle(Title);
}

TQVCanvas& TPdfBookletPrinter::Canvas()
{
    OpenPage();
    return FCanvas;
}

int TPdfBookletPrinter::PixelsPerInchX() const
{
    return FWriter.resolution();
}

int TPdfBookletPrinter::PixelsPerInchY() const
{
    return FWriter.resolution();
}

TPoint TPdfBookletPrinter::PrintingOffset() const
{
    const QPageLayout Layout = FWriter.pageLayout();
    const QRect Full = Layout.fullRectPixels(FWriter.resolution());
    const QRect Paint = Layout.paintRectPixels(FWriter.resolution());
    return {Paint.left() - Full.left(), Paint.top() - Full.top()};
}

TSize TPdfBookletPrinter::PhysicalPageSize() const
{
    const QRect Full = FWriter.pageLayout().fullRectPixels(FWriter.resolution());
    return {Full.width(), Full.height()};
}

int TPdfBookletPrinter::PageWidth() const
{
    return FWriter.pageLayout().paintRectPixels(FWriter.resolution()).width();
}

int TPdfBookletPrinter::PageHeight() const
{
    return FWriter.pageLayout().paintRectPixels(FWriter.resolution()).height();
}

void TPdfBookletPrinter::Finish()
{
    if (FSpoiled)
        throw Exception(
            TR_TEXT("PdfBookletPrinter", "The PDF file is incomplete: a part of the booklet was abandoned"));
    if (!FStarted)
        throw Exception(TR_TEXT("PdfBookletPrinter", "The PDF file has no pages"));
    FJobOpen = false;
    const bool Ended = FCanvas.Painter().end();
    FCanvas.End();
    if (!Ended)
        throw Exception(TR_TEXT("PdfBookletPrinter", "The PDF file could not be completed"));
}
