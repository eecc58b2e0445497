// Booklet printing: the whole run on a recording printer at 600 dpi (jobs,
// pages, orientations, the message, and what every page shows where), the
// refusal of a page too small, the one-child pyramid, the Qt printer layer
// and the booklet PDF.
#include "BookletPrinter.h"
#include "Cell.h"
#include "DisplayTestSupport.h"
#include "Exception.h"
#include "Puzzle.h"
#include "PyramidTestSupport.h"
#include "QtBookletPrinter.h"
#include "QVPrinting.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int Dpi = 600;
constexpr int G = 1875;
constexpr int H = 3000;
constexpr int N = 1330;  // narrow panel on the recording printer's page
constexpr int BoxPitch = 623;
constexpr int SquarePitch = 206;  // a square of 205 and the one-pixel gap

// A portrait page as a printer reports it: the sheet, the unprintable margin
// at the left and top, and the printable area.
struct TTestPage {
    TSize Physical;
    TPoint Offset;
    TSize Printable;
};

// An A4 sheet at 600 dpi with uneven margins: gaps 242 and 254, margins 16
// and 26 beyond the offsets, x0 116 and y0 133.
constexpr TTestPage A4Page{{4961, 7016}, {110, 95}, {4725, 6800}};

std::string OrientationName(TPrintOrientation Orientation)
{
    return Orientation == TPrintOrientation::Landscape ? "L" : "P";
}

// A printer that draws every page of a job into one grey picture of the
// printable area and logs each call. When a page is finished it is handed to
// OnPage, whose description goes into the log.
class TRecordingPrinter : public TBookletPrinter {
public:
    using TPageReader = std::function<std::string(const QImage& Page, TPrintOrientation Orientation)>;

    TRecordingPrinter(const TTestPage& Page, TPrintOrientation Start, TPageReader OnPage)
        : FPage(Page), FOrientation(Start), FOnPage(std::move(OnPage))
    {
    }

    std::vector<std::string> Log;

    void BeginDoc() override
    {
        Log.push_back("begin");
        FJob = true;
        StartPage();
    }
    void EndDoc() override
    {
        FinishPage();
        Log.push_back("end");
        FJob = false;
    }
    void Abort() override
    {
        Log.push_back("abort");
        FCanvas.End();
        FJob = false;
    }
    void NewPage() override
    {
        FinishPage();
        Log.push_back("newpage");
        StartPage();
    }
    TPrintOrientation Orientation() const override { return FOrientation; }
    void SetOrientation(TPrintOrientation Orientation) override
    {
        Log.push_back("orientation " + OrientationName(Orientation));
        FOrientation = Orientation;
    }
    void SetTitle(const QString& Title) override { Log.push_back("title " + Title.toStdString()); }
    TQVCanvas& Canvas() override { return FCanvas; }
    int PixelsPerInchX() const override { return Dpi; }
    int PixelsPerInchY() const override { return Dpi; }
    TPoint PrintingOffset() const override
    {
        return Landscape() ? TPoint{FPage.Offset.Y, FPage.Offset.X} : FPage.Offset;
    }
    TSize PhysicalPageSize() const override
    {
        return Landscape() ? TSize{FPage.Physical.Height, FPage.Physical.Width} : FPage.Physical;
    }
    int PageWidth() const override { return Landscape() ? FPage.Printable.Height : FPage.Printable.Width; }
    int PageHeight() const override { return Landscape() ? FPage.Printable.Width : FPage.Printable.Height; }

private:
    bool Landscape() const { return FOrientation == TPrintOrientation::Landscape; }
    void StartPage()
    {
        const int Width = PageWidth();
        const int Height = PageHeight();
        if (FImage.width() != Width || FImage.height() != Height) {
            FImage = QImage();
            FImage = QImage(Width, Height, QImage::Format_Grayscale8);
            const int DotsPerMetre = static_cast<int>(Dpi / 0.0254 + 0.5);
            FImage.setDotsPerMeterX(DotsPerMetre);
            FImage.setDotsPerMeterY(DotsPerMetre);
        }
        FImage.fill(Qt::white);
        FCanvas.Begin(&FImage);
    }
    void FinishPage()
    {
        FCanvas.End();
        if (FOnPage)
            Log.push_back(FOnPage(FImage, FOrientation));
    }

    TTestPage FPage;
    TPrintOrientation FOrientation;
    TPageReader FOnPage;
    TQVCanvas FCanvas;
    QImage FImage;
    bool FJob = false;
};

bool Dark(const QImage& Image, int X, int Y)
{
    return qGray(Image.pixel(X, Y)) < 128;
}

int GreyAt(const QImage& Image, int X, int Y)
{
    return qGray(Image.pixel(X, Y));
}

// A one-pixel black frame exactly on the rectangle: every border pixel dark,
// the ring outside it light (the top band, where a wide title may spill
// over the sides, is left out of the ring's sides).
bool FrameAt(const QImage& Image, const TRect& Panel, int TitleBand)
{
    if (Panel.Left < 1 || Panel.Top < 1 || Panel.Right >= Image.width() || Panel.Bottom >= Image.height())
        return false;
    for (int X = Panel.Left; X < Panel.Right; ++X)
        if (!Dark(Image, X, Panel.Top) || !Dark(Image, X, Panel.Bottom - 1) || Dark(Image, X, Panel.Top - 1) ||
            Dark(Image, X, Panel.Bottom))
            return false;
    for (int Y = Panel.Top; Y < Panel.Bottom; ++Y) {
        if (!Dark(Image, Panel.Left, Y) || !Dark(Image, Panel.Right - 1, Y))
            return false;
        if (Y > Panel.Top + TitleBand && (Dark(Image, Panel.Left - 1, Y) || Dark(Image, Panel.Right, Y)))
            return false;
    }
    return true;
}

// Dark columns from Left to Right (outside) in the rows of the title,
// leaving out the panel's own frame columns: the extent of the ink.
int InkWidth(const QImage& Image, int Left, int Right, int Top, int Bottom, int SkipA = -1, int SkipB = -1)
{
    int First = -1;
    int Last = -1;
    for (int X = std::max(Left, 0); X < std::min(Right, Image.width()); ++X) {
        if (X == SkipA || X == SkipB)
            continue;
        for (int Y = Top; Y < Bottom; ++Y) {
            if (Dark(Image, X, Y)) {
                if (First < 0)
                    First = X;
                Last = X;
                break;
            }
        }
    }
    return First < 0 ? 0 : Last - First + 1;
}

// What a printed booklet page is compared with: the puzzles of the game and
// the titles' sizes on a 600-dpi surface.
struct TBookletReader {
    TPuzzleXLink* Pyramid = nullptr;
    int TitleHeight = 0;
    std::map<std::string, int> LabelInk;  // label -> ink width
    bool GeometryChecked = false;

    explicit TBookletReader(TPuzzleXLink& Game) : Pyramid(&Game)
    {
        QImage Scratch(4000, 400, QImage::Format_Grayscale8);
        const int DotsPerMetre = static_cast<int>(Dpi / 0.0254 + 0.5);
        Scratch.setDotsPerMeterX(DotsPerMetre);
        Scratch.setDotsPerMeterY(DotsPerMetre);
        for (const char* Label : {"Backing", "Back Page", "Cover", "Inner Backing"}) {
            Scratch.fill(Qt::white);
            TQVCanvas Canvas(&Scratch);
            Canvas.SetFontName("Arial");
            Canvas.SetFontSize(24);
            Canvas.SetFontBold(true);
            Canvas.SetFontColour(clBlack);
            Canvas.SetBrushStyle(TBrushStyle::Clear);
            TitleHeight = Canvas.TextHeight(Label);
            Canvas.TextOut(100, 0, Label);
            Canvas.End();
            LabelInk[Label] = InkWidth(Scratch, 0, Scratch.width(), 0, TitleHeight);
        }
    }

    int GridTop(const TRect& Panel) const { return Panel.Top + (TitleHeight * 11 + 9) / 10; }

    // The top-left pixel of the inset fill of a square of the grid.
    static TPoint SquareFill(const TRect& Panel, int GridY, int Box, int Square)
    {
        return {Panel.Left + 2 + (Box % 3) * BoxPitch + 2 + (Square % 3) * SquarePitch + 2,
                GridY + 2 + (Box / 3) * BoxPitch + 2 + (Square / 3) * SquarePitch + 2};
    }

    std::string Describe(const QImage& Image, const TRect& Panel)
    {
        const int GridY = GridTop(Panel);
        const bool HasGrid = Dark(Image, Panel.Left + 1, GridY + 1) && Dark(Image, Panel.Left + G - 2, GridY + G - 2) &&
                             !Dark(Image, Panel.Left + 1, GridY - 2);
        if (!HasGrid) {
            const int Ink = InkWidth(Image, Panel.Left - 300, Panel.Right + 300, Panel.Top + 1, Panel.Top + TitleHeight,
                                     Panel.Left, Panel.Right - 1);
            for (const auto& [Label, Width] : LabelInk)
                if (std::abs(Ink - Width) <= 3)
                    return Label;
            return "label of ink " + std::to_string(Ink);
        }
        // Which puzzle: the squares with ink are those with values.
        std::vector<bool> Inked(81);
        for (int Box = 0; Box < 9; ++Box)
            for (int Square = 0; Square < 9; ++Square) {
                const TPoint Fill = SquareFill(Panel, GridY, Box, Square);
                int Count = 0;
                for (int Y = Fill.Y + 4; Y < Fill.Y + 197; Y += 2)
                    for (int X = Fill.X + 4; X < Fill.X + 197; X += 2)
                        Count += Dark(Image, X, Y) ? 1 : 0;
                Inked[static_cast<size_t>(Box * 9 + Square)] = Count > 20;
            }
        for (int Index = 0; Index <= Pyramid->ChildCount(); ++Index) {
            TPuzzle& Puzzle = *Pyramid->GetPuzzle(Index);
            bool Same = true;
            bool Shading = true;
            for (int Box = 0; Box < 9; ++Box)
                for (int Square = 0; Square < 9; ++Square) {
                    const TCell& Cell = *Puzzle.CellAt(TPosition::FromBoxPlace(Box, Square));
                    Same = Same && Inked[static_cast<size_t>(Box * 9 + Square)] == (Cell.GetValue() > 0);
                    // A child's linked cells print shaded (silver), every
                    // other square white.
                    const TPoint Fill = SquareFill(Panel, GridY, Box, Square);
                    const bool Linked = Index > 0 && Cell.ParentLinkOfCell() != nullptr;
                    Shading = Shading && std::abs(GreyAt(Image, Fill.X + 2, Fill.Y + 2) - (Linked ? 192 : 255)) <= 3;
                }
            if (!Same)
                continue;
            if (Index == 0)
                CheckGridGeometry(Image, Panel, GridY);
            const std::string Name = Index == 0 ? "Parent" : "Child " + std::to_string(Index);
            return Shading ? Name : Name + " (shading wrong)";
        }
        return "unknown grid";
    }

    // Along a row just inside the top squares of boxes 0 to 2 the fills are
    // the only light runs: 201 pixels each (205 less the 2-pixel inset on
    // both sides), 206 apart within a box and 623 from box to box.
    void CheckGridGeometry(const QImage& Image, const TRect& Panel, int GridY)
    {
        GeometryChecked = true;
        const int Y = GridY + 2 + 2 + 2 + 6;
        std::vector<std::pair<int, int>> Runs;
        for (int X = Panel.Left; X < Panel.Left + G; ++X) {
            if (Dark(Image, X, Y))
                continue;
            int End = X;
            while (End < Panel.Left + G && !Dark(Image, End, Y))
                ++End;
            Runs.emplace_back(X - Panel.Left, End - X);
            X = End;
        }
        ASSERT_EQ(Runs.size(), 9u);
        for (int Box = 0; Box < 3; ++Box)
            for (int Square = 0; Square < 3; ++Square) {
                const auto& Run = Runs[static_cast<size_t>(Box * 3 + Square)];
                EXPECT_EQ(Run.first, 6 + Box * BoxPitch + Square * SquarePitch);
                EXPECT_EQ(Run.second, 201);
            }
        // The grid is G square: its last line is black, the pixel after it
        // the panel's white.
        EXPECT_TRUE(Dark(Image, Panel.Left + G - 1, GridY + G - 1));
        EXPECT_FALSE(Dark(Image, Panel.Left + G + 1, GridY + G / 2));
        EXPECT_FALSE(Dark(Image, Panel.Left + G / 2, GridY + G + 1));
    }
};

// The panels a page of the A4 test page can hold, by slot: the places worked
// out by hand from the measures (x0 116, y0 133, gap x 242, gap y 254).
struct TPlace {
    int Slot;
    TRect Rect;
};

std::vector<TPlace> CandidatePlaces(TPrintOrientation Orientation)
{
    if (Orientation == TPrintOrientation::Landscape) {
        const int Top = 116;
        const auto At = [Top](int Left, int Width) { return TRect{Left, Top, Left + Width, Top + H}; };
        return {{1, At(133, N)},  {1, At(133, G)},  {2, At(2734, G)},
                {3, At(5335, N)}, {4, At(2189, G)}, {5, At(4790, G)}};
    }
    const auto At = [](int Left, int Top) { return TRect{Left, Top, Left + G, Top + H}; };
    return {{1, At(116, 133)}, {2, At(2717, 133)}, {3, At(116, 3641)}, {4, At(2717, 3641)}};
}

// "page L 1:Backing 4:Back Page 5:Cover": the orientation and what each
// framed panel found at a place shows, in slot order.
std::string DescribePage(TBookletReader& Reader, const QImage& Image, TPrintOrientation Orientation)
{
    std::string Text = "page " + OrientationName(Orientation);
    std::map<int, std::string> Found;
    for (const TPlace& Place : CandidatePlaces(Orientation))
        if (FrameAt(Image, Place.Rect, Reader.TitleHeight))
            Found[Place.Slot] = Reader.Describe(Image, Place.Rect);
    for (const auto& [Slot, What] : Found)
        Text += " " + std::to_string(Slot) + ":" + What;
    return Text;
}

struct TBookletRig {
    TScopedSettings Scoped;
    TTestPyramid Game;

    explicit TBookletRig(uint8_t Layout, uint64_t Seed = 11)
    {
        Scoped.Values.SetColour(colNormalBg, clWhite);
        Scoped.Values.SetColour(colShadedBg, clSilver);
        Game = MakeTestPyramid(Layout, Seed, 30);
        // Values only: squares with ink are squares with values.
        Game.Pyramid->SetPencilMode(7);
    }
    TPuzzleXLink& Pyramid() { return *Game.Pyramid; }
};

TEST(BookletPrintTest, TwoPassesPrintEveryPanelWhereTheLayoutPutsIt)
{
    TBookletRig Rig(0);
    // The child on screen is shaded before printing.
    Rig.Pyramid().GetPuzzle(1)->SetShading(true);
    TBookletReader Reader(Rig.Pyramid());
    // The printer is left in landscape: the run measures the portrait sheet.
    TRecordingPrinter Printer(A4Page, TPrintOrientation::Landscape,
                              [&Reader](const QImage& Page, TPrintOrientation Orientation) {
                                  return DescribePage(Reader, Page, Orientation);
                              });
    PrintBooklet(Rig.Pyramid(), Printer,
                 [&Printer](const std::string& Text) { Printer.Log.push_back("message " + Text); });

    const std::vector<std::string> Expected = {
        "orientation P",
        "begin",
        "abort",
        "title Tavrel Sudoku Puzzle Booklet",
        "orientation L",
        "begin",
        "page L 1:Backing 4:Back Page 5:Cover",
        "end",
        "orientation P",
        "begin",
        "page P 1:Child 9 2:Child 2 3:Child 7 4:Child 4",
        "end",
        "message Please reinsert pages for second side of duplexing",
        "orientation L",
        "begin",
        "page L 1:Parent 2:Child 1 3:Inner Backing",
        "end",
        "orientation P",
        "begin",
        "page P 1:Child 3 2:Child 8 3:Child 5 4:Child 6",
        "end",
    };
    EXPECT_EQ(Printer.Log, Expected);
    EXPECT_TRUE(Reader.GeometryChecked);

    // Every child is left unshaded; the window shades the one on screen.
    for (int Index = 1; Index <= 9; ++Index) {
        const TPuzzle& Child = *Rig.Pyramid().GetPuzzle(Index);
        for (int Cell = 0; Cell < 81; ++Cell) {
            if (Child.CellByIndex(Cell)->ParentLinkOfCell() != nullptr) {
                EXPECT_EQ(Child.CellByIndex(Cell)->GetColour(), clWhite) << Index << "/" << Cell;
            }
        }
    }
}

TEST(BookletPrintTest, MeasuresRoundDownAndTooSmallAPageIsRefusedBeforePrinting)
{
    // (The 600-dpi measures show in the places of the printed panels.) A
    // printer of odd resolution: G rounds down, and the gaps truncate.
    const TBookletMeasures Odd = ComputeBookletMeasures(300, 200, {0, 0}, {2549, 3299}, {2549, 3299});
    EXPECT_EQ(Odd.G, 937);
    EXPECT_EQ(Odd.H, 1000);
    EXPECT_EQ(Odd.GapX, 135);
    EXPECT_EQ(Odd.GapY, 324);

    // Letter fits; A5 and a wide square sheet do not, nor does a tall one
    // whose last landscape panel would run off the sheet.
    const auto Fits = [](TSize Physical) {
        try {
            CheckBookletFits(ComputeBookletMeasures(Dpi, Dpi, {0, 0}, Physical, Physical));
            return std::string("fits");
        } catch (const Exception& Error) {
            return Error.Message();
        }
    };
    EXPECT_EQ(Fits({5100, 6600}), "fits");
    EXPECT_EQ(Fits({3496, 4961}), "The booklet does not fit on the printer's page of 5.83 x 8.27 inches. "
                                  "Please choose A4 or Letter paper.");
    EXPECT_NE(Fits({8000, 8000}), "fits");
    EXPECT_NE(Fits({5100, 8400}), "fits");

    // Refused after measuring, before any job prints or the message shows.
    TBookletRig Rig(0);
    const TTestPage A5Page{{3496, 4961}, {0, 0}, {3496, 4961}};
    TRecordingPrinter Printer(A5Page, TPrintOrientation::Portrait, nullptr);
    bool Shown = false;
    EXPECT_THROW(PrintBooklet(Rig.Pyramid(), Printer, [&Shown](const std::string&) { Shown = true; }), Exception);
    EXPECT_EQ(Printer.Log, (std::vector<std::string>{"begin", "abort"}));
    EXPECT_FALSE(Shown);
}

TEST(BookletPrintTest, OneChildPyramidPrintsOnlyTheSheetItFills)
{
    TBookletRig Rig(7);
    ASSERT_EQ(Rig.Pyramid().ChildCount(), 1);
    TBookletReader Reader(Rig.Pyramid());
    TRecordingPrinter Printer(A4Page, TPrintOrientation::Portrait,
                              [&Reader](const QImage& Page, TPrintOrientation Orientation) {
                                  return DescribePage(Reader, Page, Orientation);
                              });
    PrintBooklet(Rig.Pyramid(), Printer,
                 [&Printer](const std::string& Text) { Printer.Log.push_back("message " + Text); });
    const std::vector<std::string> Expected = {
        "begin",
        "abort",
        "title Tavrel Sudoku Puzzle Booklet",
        "orientation L",
        "begin",
        "page L 1:Backing 4:Back Page 5:Cover",
        "end",
        "message Please reinsert pages for second side of duplexing",
        "orientation L",
        "begin",
        "page L 1:Parent 2:Child 1 3:Inner Backing",
        "end",
    };
    EXPECT_EQ(Printer.Log, Expected);

    // The PDF has the two sides of that sheet.
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    const QString Name = Dir.filePath("one-child.pdf");
    SaveBookletPdf(Rig.Pyramid(), Name, QPageSize(QPageSize::A4));
    QFile File(Name);
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    EXPECT_TRUE(File.readAll().contains("/Count 2"));
}

// The page boxes of a PDF in page order, in points: (width, height).
std::vector<std::pair<int, int>> PdfPageBoxes(const QByteArray& Pdf)
{
    std::vector<std::pair<int, int>> Boxes;
    const int Kids = Pdf.indexOf("/Kids");
    if (Kids < 0)
        return Boxes;
    const int Open = Pdf.indexOf('[', Kids);
    const int Close = Pdf.indexOf(']', Open);
    const QList<QByteArray> Parts = Pdf.mid(Open + 1, Close - Open - 1).simplified().split(' ');
    for (qsizetype i = 0; i + 2 < Parts.size(); i += 3) {
        const int Object = Pdf.indexOf("\n" + Parts[i] + " 0 obj");
        const int Box = Pdf.indexOf("/MediaBox [", Object);
        const int BoxEnd = Pdf.indexOf(']', Box);
        if (Object < 0 || Box < 0)
            return {};
        const QList<QByteArray> Numbers = Pdf.mid(Box + 11, BoxEnd - Box - 11).simplified().split(' ');
        if (Numbers.size() != 4)
            return {};
        Boxes.emplace_back(qRound(Numbers[2].toDouble()), qRound(Numbers[3].toDouble()));
    }
    return Boxes;
}

TEST(BookletPdfTest, FourPagesInOrderWithPanelsWhereTheLayoutPutsThem)
{
    TBookletRig Rig(0);
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    const QString Name = Dir.filePath("booklet.pdf");
    SaveBookletPdf(Rig.Pyramid(), Name, QPageSize(QPageSize::A4));
    QFile File(Name);
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    const QByteArray Pdf = File.readAll();
    EXPECT_TRUE(Pdf.startsWith("%PDF-"));
    EXPECT_EQ(PdfPageBoxes(Pdf), (std::vector<std::pair<int, int>>{{842, 595}, {842, 595}, {595, 842}, {595, 842}}));
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"booklet.pdf"});

    const QString Renderer = QStandardPaths::findExecutable("pdftoppm");
    if (Renderer.isEmpty()) {
#if defined(__linux__)
        FAIL() << "pdftoppm is missing (scripts/setup.sh installs poppler-utils)";
#else
        GTEST_SKIP() << "no pdftoppm to render the PDF";
#endif
    }
    // Side 3 at the PDF's own resolution: A4 is 4958 x 7017 pixels with no
    // margin, so gap x is 241, gap y 254, and the panels stand at x 241 and
    // 2839, y 254 and 3762.
    QProcess Render;
    Render.start(Renderer, {"-r", "600", "-gray", "-f", "3", "-l", "3", "-singlefile", Name, Dir.filePath("side3")});
    ASSERT_TRUE(Render.waitForFinished(60000));
    ASSERT_EQ(Render.exitCode(), 0) << Render.readAllStandardError().toStdString();
    QImageReader::setAllocationLimit(256);
    const QImage Page(Dir.filePath("side3.pgm"));
    // The renderer rounds the sheet of 595 x 842 points up to whole pixels.
    ASSERT_GE(Page.width(), 4958);
    ASSERT_GE(Page.height(), 7017);
    TBookletReader Reader(Rig.Pyramid());
    std::string Seen;
    for (const TPoint Corner : {TPoint{241, 254}, TPoint{2839, 254}, TPoint{241, 3762}, TPoint{2839, 3762}}) {
        const TRect Panel{Corner.X, Corner.Y, Corner.X + G, Corner.Y + H};
        EXPECT_TRUE(FrameAt(Page, Panel, Reader.TitleHeight)) << Corner.X << "," << Corner.Y;
        Seen += Reader.Describe(Page, Panel) + ";";
    }
    EXPECT_EQ(Seen, "Child 9;Child 2;Child 7;Child 4;");
}

TEST(BookletPdfTest, AFailedWriteLeavesNoFileAndKeepsTheOldOne)
{
    TBookletRig Rig(0);
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());

    // No folder to write into.
    const QString Missing = Dir.filePath("no-such-folder/booklet.pdf");
    EXPECT_THROW(SaveBookletPdf(Rig.Pyramid(), Missing), Exception);
    EXPECT_FALSE(QFile::exists(Missing));

    // A failure after the file was begun (a page too small for the panels):
    // the old file is untouched and nothing else is left beside it.
    const QString Name = Dir.filePath("booklet.pdf");
    {
        QFile Old(Name);
        ASSERT_TRUE(Old.open(QIODevice::WriteOnly));
        Old.write("old booklet");
    }
    EXPECT_THROW(SaveBookletPdf(Rig.Pyramid(), Name, QPageSize(QPageSize::A5)), Exception);
    QFile Old(Name);
    ASSERT_TRUE(Old.open(QIODevice::ReadOnly));
    EXPECT_EQ(Old.readAll(), QByteArray("old booklet"));
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"booklet.pdf"});
}

TEST(BookletQtPrinterTest, DeviceOpensOnlyForAJobThatDrawsAndAFileGetsTheWholeBooklet)
{
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    const QString Name = Dir.filePath("job.pdf");
    QPrinter Device(QPrinter::HighResolution);
    Device.setOutputFormat(QPrinter::PdfFormat);
    Device.setOutputFileName(Name);
    Device.setResolution(Dpi);
    Device.setPageSize(QPageSize(QPageSize::A4));
    Device.setPageOrientation(QPageLayout::Portrait);
    TQtBookletPrinter Printer(Device);

    // The measures are the page's in device pixels at the orientation.
    EXPECT_EQ(Printer.PixelsPerInchX(), Dpi);
    const TSize Portrait = Printer.PhysicalPageSize();
    const TPoint Offset = Printer.PrintingOffset();
    EXPECT_NEAR(Portrait.Width, 4961, 4);
    EXPECT_NEAR(Portrait.Height, 7016, 4);
    EXPECT_GT(Offset.X, 0);
    EXPECT_LT(Printer.PageWidth(), Portrait.Width - Offset.X);
    Printer.SetOrientation(TPrintOrientation::Landscape);
    EXPECT_EQ(Printer.Orientation(), TPrintOrientation::Landscape);
    EXPECT_EQ(Printer.PhysicalPageSize().Width, Portrait.Height);
    EXPECT_EQ(Printer.PhysicalPageSize().Height, Portrait.Width);
    Printer.SetOrientation(TPrintOrientation::Portrait);

    // Begun, measured and aborted: nothing reaches the device.
    Printer.BeginDoc();
    EXPECT_THROW(Printer.BeginDoc(), Exception);
    Printer.Abort();
    EXPECT_FALSE(QFile::exists(Name));

    // A job that draws prints its pages.
    Printer.SetTitle("Tavrel Sudoku Puzzle Booklet");
    Printer.BeginDoc();
    TQVCanvas& Canvas = Printer.Canvas();
    EXPECT_TRUE(Canvas.IsActive());
    Canvas.SetBrushColour(clBlack);
    Canvas.FrameRect(TRect{100, 100, 1000, 1000});
    Printer.NewPage();
    Printer.Canvas().FrameRect(TRect{100, 100, 1000, 1000});
    Printer.EndDoc();
    EXPECT_FALSE(Printer.Canvas().IsActive());
    QFile File(Name);
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    const QByteArray Pdf = File.readAll();
    File.close();
    EXPECT_TRUE(Pdf.contains("/Count 2"));
    // The job title is the document's title, written in UTF-16.
    const QString Title = "Tavrel Sudoku Puzzle Booklet";
    QByteArray Utf16;
    for (const QChar Char : Title)
        Utf16 += QByteArray(1, '\0') + QByteArray(1, static_cast<char>(Char.unicode()));
    EXPECT_TRUE(Pdf.contains(Utf16));

    // Printing into a file from the print dialog gives the whole booklet in
    // that file, not the last of four jobs, and asks for no reinsertion.
    TBookletRig Rig(0);
    bool Shown = false;
    PrintBookletOn(Device, Rig.Pyramid(), [&Shown](const std::string&) { Shown = true; });
    EXPECT_FALSE(Shown);
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    EXPECT_EQ(PdfPageBoxes(File.readAll()),
              (std::vector<std::pair<int, int>>{{842, 595}, {842, 595}, {595, 842}, {595, 842}}));
}

}  // namespace
