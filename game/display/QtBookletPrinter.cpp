#include "QtBookletPrinter.h"

#include "Exception.h"

#include <QPrinter>
#include <QRect>

namespace {

std::string PrinterName(const QPrinter& Printer)
{
    if (Printer.outputFormat() == QPrinter::PdfFormat)
        return Printer.outputFileName().toStdString();
    return Printer.printerName().toStdString();
}

}  // namespace

TQtBookletPrinter::TQtBookletPrinter(QPrinter& Printer) : FPrinter(Printer) {}

TQtBookletPrinter::~TQtBookletPrinter()
{
    Abort();
}

void TQtBookletPrinter::BeginDoc()
{
    if (FJobOpen)
        throw Exception("Printing: a print job is already in progress");
    FJobOpen = true;
    FDeviceOpen = false;
}

void TQtBookletPrinter::OpenDevice()
{
    if (!FJobOpen || FDeviceOpen)
        return;
    if (!FCanvas.Begin(&FPrinter)) {
        FJobOpen = false;
        throw Exception(TR_TEXT("QtBookletPrinter", "Printing on \"%1\" could not be started"), PrinterName(FPrinter));
    }
    FDeviceOpen = true;
}

void TQtBookletPrinter::EndDoc()
{
    if (!FJobOpen)
        return;
    const bool Printed = FDeviceOpen;
    FJobOpen = false;
    FDeviceOpen = false;
    if (!Printed)
        return;
    const bool Ended = FCanvas.Painter().end();
    FCanvas.End();
    if (!Ended || FPrinter.printerState() == QPrinter::Error)
        throw Exception(TR_TEXT("QtBookletPrinter", "The printer \"%1\" reported an error while printing"),
                        PrinterName(FPrinter));
}

void TQtBookletPrinter::Abort()
{
    if (FDeviceOpen) {
        // Where the platform can take the run back it does; elsewhere what
        // was drawn is sent, which cannot be helped once the device is open.
        FPrinter.abort();
        FCanvas.End();
    }
    FJobOpen = false;
    FDeviceOpen = false;
}

void TQtBookletPrinter::NewPage()
{
    if (!FJobOpen)
        return;
    if (!FDeviceOpen) {
        // The first page has not been drawn on; it still goes out blank.
        OpenDevice();
    }
    if (!FPrinter.newPage())
        throw Exception(TR_TEXT("QtBookletPrinter", "The printer \"%1\" could not start a new page"),
                        PrinterName(FPrinter));
}

TPrintOrientation TQtBookletPrinter::Orientation() const
{
    return OrientationOf(FPrinter.pageLayout());
}

void TQtBookletPrinter::SetOrientation(TPrintOrientation Orientation)
{
    FPrinter.setPageOrientation(QtOrientation(Orientation));
}

void TQtBookletPrinter::SetTitle(const QString& Title)
{
    FPrinter.setDocName(Title);
}

TQVCanvas& TQtBookletPrinter::Canvas()
{
    OpenDevice();
    return FCanvas;
}

int TQtBookletPrinter::PixelsPerInchX() const
{
    return FPrinter.logicalDpiX();
}

int TQtBookletPrinter::PixelsPerInchY() const
{
    return FPrinter.logicalDpiY();
}

TPoint TQtBookletPrinter::PrintingOffset() const
{
    const QRect Paper = FPrinter.paperRect(QPrinter::DevicePixel).toRect();
    const QRect Page = FPrinter.pageRect(QPrinter::DevicePixel).toRect();
    return {Page.left() - Paper.left(), Page.top() - Paper.top()};
}

TSize TQtBookletPrinter::PhysicalPageSize() const
{
    const QRect Paper = FPrinter.paperRect(QPrinter::DevicePixel).toRect();
    return {Paper.width(), Paper.height()};
}

int TQtBookletPrinter::PageWidth() const
{
    return FPrinter.pageRect(QPrinter::DevicePixel).toRect().width();
}

int TQtBookletPrinter::PageHeight() const
{
    return FPrinter.pageRect(QPrinter::DevicePixel).toRect().height();
}
