#pragma once
// Booklet printing: the pyramid as a small booklet of two sheets printed on
// both sides. Sides 1 and 2 are the faces of the first sheet (landscape),
// sides 3 and 4 those of the second (portrait). The first pass prints the
// front faces (sides 1 and 3, one job each), the player puts the sheets back
// in, and the second pass prints the back faces (sides 2 and 4).
//
// Each side holds up to five panels of the height of five inches: the cover,
// the parent puzzle, the nine children, the back page and two backing panels.
// A puzzle panel carries its title and the puzzle drawn by the print style of
// the display grid; a child prints with its linked cells shaded.
//
// The same layout code writes the whole booklet into one PDF, the four sides
// as pages 1 to 4, for a duplex printer or a print shop.
//
// Everything draws through TBookletPrinter. Errors of the printer or the file
// are raised as Exception; a page that cannot hold the panels is refused with
// an Exception before anything is printed.

#include "BookletPrinter.h"
#include "Canvas.h"

#include <QPageSize>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QPrinter;
class TGrid;
class TPuzzleXLink;

// What a panel holds: a label, or puzzle Puzzle (0 the parent, 1-9 a child).
struct TBookletRow {
    int Side = 0;                 // 1-4
    int Slot = 0;                 // 1-5 on sides 1 and 2, 1-4 on sides 3 and 4
    bool Narrow = false;          // width N instead of G
    const char* Label = nullptr;  // nullptr for a puzzle
    int Puzzle = -1;
};

// The panels in the order they are printed.
extern const std::array<TBookletRow, 14> BookletLayout;

constexpr const char* BookletJobTitle = "Tavrel Sudoku Puzzle Booklet";
constexpr const char* BookletReinsertMessage =
    QT_TRANSLATE_NOOP("QVPrinting", "Please reinsert pages for second side of duplexing");

// The measures of one run, in printer pixels, taken from the printer in
// portrait.
struct TBookletMeasures {
    int DpiX = 0;
    int DpiY = 0;
    int G = 0;       // width of a wide panel; width and height of a printed grid
    int H = 0;       // height of every panel
    TPoint Offset;   // unprintable margin at the left and top
    TSize Physical;  // the whole sheet
    TSize Printable;
    int GapX = 0;
    int GapY = 0;
    int N = 0;  // width of a narrow panel
    int MarginX = 0;
    int MarginY = 0;
    int X0 = 0;
    int Y0 = 0;
};

// The measures for a printer of those properties (all in portrait).
TBookletMeasures ComputeBookletMeasures(int DpiX, int DpiY, TPoint Offset, TSize Physical, TSize Printable);
// The rectangle of a row's panel on its side's page, in printable-area
// coordinates of that side's orientation.
TRect BookletPanelRect(const TBookletMeasures& Measures, const TBookletRow& Row);
// Exception, naming the page size, when a panel of some side would leave the
// sheet or overlap another panel or have no width.
void CheckBookletFits(const TBookletMeasures& Measures);
// Whether the pyramid has what the row shows: children beyond ChildCount
// (layout 7 has one) have no panel.
bool BookletRowPrinted(const TBookletRow& Row, const TPuzzleXLink& Pyramid);

// Draws Text in 24-point bold black Arial centred at the top of Panel and a
// one-pixel black frame round the panel; the canvas's brush and pen colours
// are kept. Answers the height of the text.
int DrawPanelTitle(const QString& Text, TQVCanvas& Canvas, const TRect& Panel);
// Draws the title and puzzle Index (0 the parent, 1 to ChildCount a child)
// in the panel with Grid, which draws on Canvas in print style. A child is
// drawn with its linked cells shaded and left unshaded. Exception for an
// index the pyramid does not have.
void PrintPuzzlePanel(TGrid& Grid, TPuzzleXLink& Pyramid, int Index, const TRect& Panel, TQVCanvas& Canvas);

enum class TSideParity { Odd, Even };

// One print run on a printer: measures the page (in a job that is begun and
// aborted; a printer left in landscape is turned to portrait first, since the
// measures are those of the portrait sheet), refuses a page too small for the
// panels, then makes the grid that draws on the printer's canvas and sets the
// job title. Printing leaves every child unshaded.
//
// Ownership: Pyramid and Printer are the caller's and outlive the run; the
// run owns its grid. A job still open when the run goes (an error on the way
// up) is aborted.
class TBookletRun {
public:
    TBookletRun(TPuzzleXLink& Pyramid, TBookletPrinter& Printer);
    ~TBookletRun();
    TBookletRun(const TBookletRun&) = delete;
    TBookletRun& operator=(const TBookletRun&) = delete;

    const TBookletMeasures& Measures() const { return FMeasures; }
    int CurrentSide() const { return FCurrentSide; }

    // Sets Orientation, begins a job and makes Side the current side.
    void BeginJob(TPrintOrientation Orientation, int Side);
    void EndJob();
    // Prints the rows of BookletLayout whose side has the parity, in order,
    // ending the landscape job and starting a portrait one when the side
    // passes 2, and a new page for any other change of side.
    void PrintPass(TSideParity Parity);
    // Prints every row in order, sides 1 to 4, into the open job.
    void PrintAllSides();

private:
    // Prints the rows whose side passes Wanted.
    void PrintRows(const std::function<bool(int Side)>& Wanted);
    void PrintRow(const TBookletRow& Row);

    TPuzzleXLink& FPyramid;
    TBookletPrinter& FPrinter;
    TBookletMeasures FMeasures;
    std::unique_ptr<TGrid> FGrid;
    int FCurrentSide = 1;
    bool FJobOpen = false;
};

// Prints the booklet of Pyramid on Printer; ShowMessage shows the reinsert
// message modally and returns when the player has closed it. Errors of the
// printer are raised as Exception.
void PrintBooklet(TPuzzleXLink& Pyramid, TBookletPrinter& Printer,
                  const std::function<void(const std::string&)>& ShowMessage);

// Prints the booklet on a printer that the print dialog has set up, through
// TQtBookletPrinter. A printer set to print into a PDF file gets the whole
// booklet there as one PDF on its paper instead (SaveBookletPdf, no message):
// the four print jobs would each overwrite that file.
void PrintBookletOn(QPrinter& Printer, TPuzzleXLink& Pyramid,
                    const std::function<void(const std::string&)>& ShowMessage);

// The paper of the booklet PDF: Letter where the system measures in US
// units, A4 elsewhere.
QPageSize DefaultBookletPageSize();
// The resolution the booklet PDF is laid out at, in pixels per inch.
constexpr int BookletPdfResolution = 600;

// Writes the whole booklet as one PDF: sides 1 and 2 landscape, then 3 and 4
// portrait, one page each. Raises Exception on failure, leaving no file (and
// no half file) behind, and never destroying an existing file of that name
// on failure.
void SaveBookletPdf(TPuzzleXLink& Pyramid, const QString& FileName);
void SaveBookletPdf(TPuzzleXLink& Pyramid, const QString& FileName, const QPageSize& PageSize);
