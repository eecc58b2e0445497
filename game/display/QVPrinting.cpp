#include "QVPrinting.h"

#include "Exception.h"
#include "Format.h"
#include "PdfBookletPrinter.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"
#include "QtBookletPrinter.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPrinter>
#include <QBuffer>

#include <algorithm>

const std::array<TBookletRow, 14> BookletLayout = {{
    {1, 1, true, "Backing", -1},
    {1, 4, false, "Back Page", -1},
    {1, 5, false, "Cover", -1},
    {2, 1, false, nullptr, 0},
    {2, 2, false, nullptr, 1},
    {2, 3, true, "Inner Backing", -1},
    {3, 1, false, nullptr, 9},
    {3, 2, false, nullptr, 2},
    {3, 3, false, nullptr, 7},
    {3, 4, false, nullptr, 4},
    {4, 1, false, nullptr, 3},
    {4, 2, false, nullptr, 8},
    {4, 3, false, nullptr, 5},
    {4, 4, false, nullptr, 6},
}};

namespace {

constexpr int TitleFontSize = 24;

bool IsLandscapeSide(int Side)
{
    return Side <= 2;
}

// Aborts the printer's job when the scope is left by an error; an abort that
// fails in turn must not replace the error on its way up.
class TAbortOnError {
public:
    explicit TAbortOnError(TBookletPrinter& Printer) : FPrinter(Printer) {}
    ~TAbortOnError()
    {
        if (FArmed) {
            try {
                FPrinter.Abort();
            } catch (...) {
            }
        }
    }
    TAbortOnError(const TAbortOnError&) = delete;
    TAbortOnError& operator=(const TAbortOnError&) = delete;
    void Disarm() { FArmed = false; }

private:
    TBookletPrinter& FPrinter;
    bool FArmed = true;
};

// Keeps a child's linked cells shaded for as long as it lives.
class TShadedWhilePrinting {
public:
    explicit TShadedWhilePrinting(TPuzzle* Child) : FChild(Child)
    {
        if (FChild != nullptr)
            FChild->SetShading(true);
    }
    ~TShadedWhilePrinting()
    {
        if (FChild != nullptr)
            FChild->SetShading(false);
    }
    TShadedWhilePrinting(const TShadedWhilePrinting&) = delete;
    TShadedWhilePrinting& operator=(const TShadedWhilePrinting&) = delete;

private:
    TPuzzle* FChild;
};

bool Overlap(const TRect& A, const TRect& B)
{
    return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}

}  // namespace

TBookletMeasures ComputeBookletMeasures(int DpiX, int DpiY, TPoint Offset, TSize Physical, TSize Printable)
{
    TBookletMeasures M;
    M.DpiX = DpiX;
    M.DpiY = DpiY;
    // dpi x 3.125 and dpi y x 5, rounded down, in integers.
    M.G = DpiX * 25 / 8;
    M.H = DpiY * 5;
    M.Offset = Offset;
    M.Physical = Physical;
    M.Printable = Printable;
    // Integer division truncates toward zero, as the layout expects of a
    // page too small for it (CheckBookletFits refuses those).
    M.GapX = (Physical.Width - 2 * M.G) / 5;
    M.GapY = (Physical.Height - 2 * M.H) / 4;
    M.N = Physical.Height - 2 * M.G - 8 * M.GapX;
    // The unprintable margin at the right (bottom) beyond the left (top) one.
    M.MarginX = std::max(0, (Physical.Width - Printable.Width - Offset.X) - Offset.X);
    M.MarginY = std::max(0, (Physical.Height - Printable.Height - Offset.Y) - Offset.Y);
    M.X0 = M.GapX - (Offset.X + M.MarginX);
    M.Y0 = M.GapY - (Offset.Y + M.MarginY);
    return M;
}

TRect BookletPanelRect(const TBookletMeasures& M, const TBookletRow& Row)
{
    const int Width = Row.Narrow ? M.N : M.G;
    TPoint Place;
    if (IsLandscapeSide(Row.Side)) {
        // The portrait measures laid across the long side of the sheet.
        switch (Row.Slot) {
        case 1: Place = {M.Y0, M.X0}; break;
        case 2: Place = {M.Y0 + M.G + 3 * M.GapX, M.X0}; break;
        case 3: Place = {M.Y0 + 2 * M.G + 6 * M.GapX, M.X0}; break;
        case 4: Place = {M.Y0 + M.N + 3 * M.GapX, M.X0}; break;
        case 5: Place = {M.Y0 + M.N + M.G + 6 * M.GapX, M.X0}; break;
        default: throw Exception(Format("Booklet printing: no slot %d on side %d", Row.Slot, Row.Side));
        }
    } else {
        switch (Row.Slot) {
        case 1: Place = {M.X0, M.Y0}; break;
        case 2: Place = {M.X0 + M.G + 3 * M.GapX, M.Y0}; break;
        case 3: Place = {M.X0, M.Y0 + M.H + 2 * M.GapY}; break;
        case 4: Place = {M.X0 + M.G + 3 * M.GapX, M.Y0 + M.H + 2 * M.GapY}; break;
        default: throw Exception(Format("Booklet printing: no slot %d on side %d", Row.Slot, Row.Side));
        }
    }
    return TRect{Place.X, Place.Y, Place.X + Width, Place.Y + M.H};
}

void CheckBookletFits(const TBookletMeasures& M)
{
    if (M.DpiX <= 0 || M.DpiY <= 0)
        throw Exception(TR_TEXT("QVPrinting", "The printer reports no resolution, so the booklet cannot be laid out"));
    bool Fits = true;
    for (size_t i = 0; i < BookletLayout.size() && Fits; ++i) {
        const TBookletRow& Row = BookletLayout[i];
        const TRect Panel = BookletPanelRect(M, Row);
        // The printable area sits at the printing offset on the sheet; a
        // landscape side turns the portrait sheet and its offsets.
        const bool Landscape = IsLandscapeSide(Row.Side);
        const int SheetWidth = Landscape ? M.Physical.Height : M.Physical.Width;
        const int SheetHeight = Landscape ? M.Physical.Width : M.Physical.Height;
        const int OffsetX = Landscape ? M.Offset.Y : M.Offset.X;
        const int OffsetY = Landscape ? M.Offset.X : M.Offset.Y;
        Fits = Panel.Width() > 0 && Panel.Height() > 0 && Panel.Left + OffsetX >= 0 && Panel.Top + OffsetY >= 0 &&
               Panel.Right + OffsetX <= SheetWidth && Panel.Bottom + OffsetY <= SheetHeight;
        for (size_t j = 0; j < i && Fits; ++j) {
            if (BookletLayout[j].Side == Row.Side && Overlap(Panel, BookletPanelRect(M, BookletLayout[j])))
                Fits = false;
        }
    }
    if (!Fits)
        throw Exception(TR_TEXT("QVPrinting", "The booklet does not fit on the printer's page of %1 x %2 inches. "
                                              "Please choose A4 or Letter paper."),
                        Format("%.2f", M.Physical.Width / static_cast<double>(M.DpiX)),
                        Format("%.2f", M.Physical.Height / static_cast<double>(M.DpiY)));
}

bool BookletRowPrinted(const TBookletRow& Row, const TPuzzleXLink& Pyramid)
{
    return Row.Label != nullptr || (Row.Puzzle >= 0 && Row.Puzzle <= Pyramid.ChildCount());
}

int DrawPanelTitle(const QString& Text, TQVCanvas& Canvas, const TRect& Panel)
{
    Canvas.SetFontColour(clBlack);
    Canvas.SetFontName(QStringLiteral("Arial"));
    Canvas.SetFontSize(TitleFontSize);
    Canvas.SetFontBold(true);
    const TColor Brush = Canvas.BrushColour();
    const TColor Pen = Canvas.PenColour();
    const TBrushStyle Style = Canvas.BrushStyle();
    const TSize Extent = Canvas.TextExtent(Text);
    // Clear text: the brush left by the last grid is a square's colour, which
    // must not box the title.
    Canvas.SetBrushStyle(TBrushStyle::Clear);
    Canvas.TextOut(Panel.Left + (Panel.Width() - Extent.Width) / 2, Panel.Top, Text);
    Canvas.SetBrushStyle(TBrushStyle::Solid);
    Canvas.SetBrushColour(clBlack);
    Canvas.FrameRect(Panel);
    Canvas.SetPenColour(Pen);
    Canvas.SetBrushColour(Brush);
    Canvas.SetBrushStyle(Style);
    return Extent.Height;
}

void PrintPuzzlePanel(TGrid& Grid, TPuzzleXLink& Pyramid, int Index, const TRect& Panel, TQVCanvas& Canvas)
{
    TQVDisplayLink* Link = Pyramid.GetLink(Index);
    TPuzzle* Puzzle = Pyramid.GetPuzzle(Index);
    if (Link == nullptr || Puzzle == nullptr)
        throw Exception(TR_TEXT("QVPrinting", "Booklet printing: the pyramid has no puzzle %1"), Index);
    const QString Title = Index == 0 ? QCoreApplication::translate("QVPrinting", "Parent Puzzle")
                                     : QCoreApplication::translate("QVPrinting", "Child Puzzle %1").arg(Index);
    const TShadedWhilePrinting Shaded(Index == 0 ? nullptr : Puzzle);
    const int TextHeight = DrawPanelTitle(Title, Canvas, Panel);
    // The grid starts a tenth of the title's height below it, rounded up;
    // in integers, since 1.1 has no exact binary form.
    Grid.SetOrigin(TPoint{Panel.Left, Panel.Top + (TextHeight * 11 + 9) / 10});
    Grid.SetLink(Link);
    Grid.PaintAll(TPaintStyle::Print);
    Grid.SetLink(nullptr);
}

// ---- TBookletRun ----------------------------------------------------------

TBookletRun::TBookletRun(TPuzzleXLink& Pyramid, TBookletPrinter& Printer) : FPyramid(Pyramid), FPrinter(Printer)
{
    // The layout is made for the measures of the portrait sheet; measured in
    // landscape, its places would leave the page.
    if (FPrinter.Orientation() != TPrintOrientation::Portrait)
        FPrinter.SetOrientation(TPrintOrientation::Portrait);
    const int DpiX = FPrinter.PixelsPerInchX();
    const int DpiY = FPrinter.PixelsPerInchY();
    {
        FPrinter.BeginDoc();
        TAbortOnError Guard(FPrinter);
        const TPoint Offset = FPrinter.PrintingOffset();
        const TSize Physical = FPrinter.PhysicalPageSize();
        const TSize Printable{FPrinter.PageWidth(), FPrinter.PageHeight()};
        Guard.Disarm();
        FPrinter.Abort();
        FMeasures = ComputeBookletMeasures(DpiX, DpiY, Offset, Physical, Printable);
    }
    CheckBookletFits(FMeasures);

    TQVCanvas& Canvas = FPrinter.Canvas();
    FGrid = std::make_unique<TGrid>(&Canvas, true, FMeasures.G, FMeasures.G, clBlack);
    Canvas.SetFontColour(clBlack);
    Canvas.SetFontName(QStringLiteral("Arial"));
    Canvas.SetFontSize(TitleFontSize);
    FPrinter.SetTitle(QString::fromLatin1(BookletJobTitle));
    FCurrentSide = 1;
}

TBookletRun::~TBookletRun()
{
    if (FJobOpen) {
        try {
            FPrinter.Abort();
        } catch (...) {
            // Already leaving on an error; that error is the one to show.
        }
    }
}

void TBookletRun::BeginJob(TPrintOrientation Orientation, int Side)
{
    FPrinter.SetOrientation(Orientation);
    FPrinter.BeginDoc();
    FJobOpen = true;
    FCurrentSide = Side;
}

void TBookletRun::EndJob()
{
    FJobOpen = false;
    FPrinter.EndDoc();
}

void TBookletRun::PrintPass(TSideParity Parity)
{
    const int Remainder = Parity == TSideParity::Odd ? 1 : 0;
    PrintRows([Remainder](int Side) { return Side % 2 == Remainder; });
}

void TBookletRun::PrintAllSides()
{
    PrintRows([](int) { return true; });
}

void TBookletRun::PrintRows(const std::function<bool(int Side)>& Wanted)
{
    for (const TBookletRow& Row : BookletLayout) {
        // A side whose rows are all skipped (the missing children of a
        // one-child pyramid) starts no job and no page.
        if (Wanted(Row.Side) && BookletRowPrinted(Row, FPyramid))
            PrintRow(Row);
    }
}

void TBookletRun::PrintRow(const TBookletRow& Row)
{
    if (Row.Side != FCurrentSide) {
        if (Row.Side > 2 && FPrinter.Orientation() == TPrintOrientation::Landscape) {
            EndJob();
            BeginJob(TPrintOrientation::Portrait, Row.Side);
        } else {
            FPrinter.NewPage();
        }
        FCurrentSide = Row.Side;
    }
    TQVCanvas& Canvas = FPrinter.Canvas();
    const TRect Panel = BookletPanelRect(FMeasures, Row);
    if (Row.Label != nullptr)
        DrawPanelTitle(QString::fromLatin1(Row.Label), Canvas, Panel);
    else
        PrintPuzzlePanel(*FGrid, FPyramid, Row.Puzzle, Panel, Canvas);
}

// ---- Entry points ---------------------------------------------------------

void PrintBooklet(TPuzzleXLink& Pyramid, TBookletPrinter& Printer,
                  const std::function<void(const std::string&)>& ShowMessage)
{
    TBookletRun Run(Pyramid, Printer);
    Run.BeginJob(TPrintOrientation::Landscape, 1);
    Run.PrintPass(TSideParity::Odd);
    Run.EndJob();
    if (ShowMessage)
        ShowMessage(BookletReinsertMessage);
    Run.BeginJob(TPrintOrientation::Landscape, 2);
    Run.PrintPass(TSideParity::Even);
    Run.EndJob();
}

void PrintBookletOn(QPrinter& Printer, TPuzzleXLink& Pyramid,
                    const std::function<void(const std::string&)>& ShowMessage)
{
    if (Printer.outputFormat() == QPrinter::PdfFormat && !Printer.outputFileName().isEmpty()) {
        SaveBookletPdf(Pyramid, Printer.outputFileName(), Printer.pageLayout().pageSize());
        return;
    }
    TQtBookletPrinter Device(Printer);
    PrintBooklet(Pyramid, Device, ShowMessage);
}

QPageSize DefaultBookletPageSize()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

void SaveBookletPdf(TPuzzleXLink& Pyramid, const QString& FileName)
{
    SaveBookletPdf(Pyramid, FileName, DefaultBookletPageSize());
}

void SaveBookletPdf(TPuzzleXLink& Pyramid, const QString& FileName, const QPageSize& PageSize)
{
    // Made in memory and written whole or not at all: a failure leaves
    // neither a half file nor a damaged old one.
    QBuffer File;
    File.open(QIODevice::WriteOnly);
    {
        TPdfBookletPrinter Printer(File, PageSize, BookletPdfResolution);
        TBookletRun Run(Pyramid, Printer);
        Run.BeginJob(TPrintOrientation::Landscape, 1);
        Run.PrintAllSides();
        Run.EndJob();
        Printer.Finish();
    }
    const QByteArray& Bytes = File.data();
    WriteFileWhole(FileName.toStdString(), Bytes.constData(), static_cast<size_t>(Bytes.size()));
}
