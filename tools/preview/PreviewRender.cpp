#include "PreviewRender.h"

#include "Cell.h"
#include "Canvas.h"
#include "DistributionFile.h"
#include "Exception.h"
#include "Format.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVPrinting.h"
#include "QVSettings.h"
#include "SettingsValues.h"

#include <QImage>
#include <QString>

#include <charconv>
#include <memory>
#include <sstream>

namespace {

int ParseInt(const std::string& Text, const std::string& What, int Low, int High)
{
    int Value = 0;
    const char* Begin = Text.data();
    const char* End = Text.data() + Text.size();
    const auto [Ptr, Error] = std::from_chars(Begin, End, Value);
    if (Text.empty() || Error != std::errc() || Ptr != End || Value < Low || Value > High)
        throw Exception(Format("%s must be a number from %d to %d, not \"%s\"", What.c_str(), Low, High, Text.c_str()));
    return Value;
}

uint32_t ParseUnsigned(const std::string& Text, const std::string& What)
{
    uint32_t Value = 0;
    const char* End = Text.data() + Text.size();
    const auto [Ptr, Error] = std::from_chars(Text.data(), End, Value);
    if (Text.empty() || Error != std::errc() || Ptr != End)
        throw Exception(Format("%s must be an unsigned number, not \"%s\"", What.c_str(), Text.c_str()));
    return Value;
}

// "P:R,C=TEXT": puzzle, row, column and what follows the "=".
TPreviewCellChange ParseCellPrefix(const std::string& Text, const std::string& Option, std::string& Rest)
{
    const size_t Colon = Text.find(':');
    const size_t Comma = Text.find(',', Colon == std::string::npos ? 0 : Colon);
    const size_t Equals = Text.find('=', Comma == std::string::npos ? 0 : Comma);
    if (Colon == std::string::npos || Comma == std::string::npos || Equals == std::string::npos)
        throw Exception(Format("%s takes PUZZLE:ROW,COL=..., not \"%s\"", Option.c_str(), Text.c_str()));
    TPreviewCellChange Change;
    Change.Puzzle = ParseInt(Text.substr(0, Colon), Option + " puzzle", 0, 9);
    Change.Row = ParseInt(Text.substr(Colon + 1, Comma - Colon - 1), Option + " row", 0, 8);
    Change.Col = ParseInt(Text.substr(Comma + 1, Equals - Comma - 1), Option + " column", 0, 8);
    Rest = Text.substr(Equals + 1);
    return Change;
}

uint32_t ParseDigits(const std::string& Text, const std::string& Option)
{
    if (Text.empty())
        throw Exception(Format("%s needs at least one digit 1-9", Option.c_str()));
    uint32_t Bits = 0;
    for (char Digit : Text) {
        if (Digit < '1' || Digit > '9')
            throw Exception(Format("%s takes digits 1-9, not \"%s\"", Option.c_str(), Text.c_str()));
        Bits |= 1u << (Digit - '0');
    }
    return Bits;
}

// The game's issue and index within it, by index or by game number.
int ChooseGame(const TDistributionFile& Issue, const TPreviewOptions& Options)
{
    if (Options.ByGameNumber) {
        for (int Index = 0; Index < Issue.GameCount(); ++Index)
            if (Issue.GameRecord(Index).GetGameNumber() == Options.GameNumber)
                return Index;
        throw Exception(Format("%s has no game number %u", Options.IssueFile.c_str(), Options.GameNumber));
    }
    if (Options.GameIndex < 1 || Options.GameIndex > Issue.GameCount())
        throw Exception(Format("%s has %d games; there is no game %d", Options.IssueFile.c_str(), Issue.GameCount(),
                               Options.GameIndex));
    return Options.GameIndex - 1;
}

TCell& CellOf(TPuzzleXLink& Pyramid, const TPreviewCellChange& Change)
{
    if (Change.Puzzle > Pyramid.ChildCount())
        throw Exception(
            Format("the game has no puzzle %d (its children are 1 to %d)", Change.Puzzle, Pyramid.ChildCount()));
    return *Pyramid.GetPuzzle(Change.Puzzle)->CellAt(Change.Row, Change.Col);
}

void SaveImage(const QImage& Image, const std::string& FileName)
{
    if (!Image.save(QString::fromStdString(FileName), "PNG"))
        throw Exception(Format("cannot write %s", FileName.c_str()));
}

}  // namespace

std::string PreviewUsage()
{
    return "usage: grid-preview ISSUE-FILE [options]\n"
           "  --list                 list the games of the issue and stop\n"
           "  --game N               the N-th game of the issue (from 1; default 1)\n"
           "  --number N             the game with game number N\n"
           "  --child K              the child drawn beside the parent (default 1)\n"
           "  --style screen|print   screen colours, or the printed booklet's style\n"
           "  --size PIXELS          width and height of each grid (default 394)\n"
           "  --dpi N                resolution of the pictures (default 96)\n"
           "  --pencil 3|4|5|6|7     mark style: user marks or auto pencil, separate (3, 4)\n"
           "                         or linked (5, 6), or hidden (7); default 4\n"
           "  --filled               draw the digits missing from the marks\n"
           "  --value P:R,C=D        enter D (0 clears) in puzzle P (0 parent) at row R, column C (0-8)\n"
           "  --mark P:R,C=DIGITS    add user marks\n"
           "  --erase P:R,C=DIGITS   erase automatic candidates\n"
           "  --solve                solve the whole pyramid after the entries\n"
           "  --highlight D|pairs    highlight digit D (1-9) or all pairs\n"
           "  --out PREFIX           write PREFIX-parent.png and PREFIX-child<K>.png (default preview)\n"
           "  --booklet FILE.pdf     also write the game's printed booklet, after the entries, as one\n"
           "                         PDF (A4, or Letter where the system measures in US units)\n"
           "The settings are the program's defaults.\n";
}

TPreviewOptions ParsePreviewArguments(const std::vector<std::string>& Args)
{
    TPreviewOptions Options;
    bool HaveFile = false;
    for (size_t i = 0; i < Args.size(); ++i) {
        const std::string& Arg = Args[i];
        const auto Next = [&]() -> const std::string& {
            if (i + 1 >= Args.size())
                throw Exception(Format("%s needs a value", Arg.c_str()));
            return Args[++i];
        };
        if (Arg == "--list") {
            Options.List = true;
        } else if (Arg == "--game") {
            Options.GameIndex = ParseInt(Next(), "--game", 1, 1 << 30);
            Options.ByGameNumber = false;
        } else if (Arg == "--number") {
            Options.GameNumber = ParseUnsigned(Next(), "--number");
            Options.ByGameNumber = true;
        } else if (Arg == "--child") {
            Options.Child = ParseInt(Next(), "--child", 1, 9);
        } else if (Arg == "--style") {
            const std::string& Style = Next();
            if (Style == "screen")
                Options.Style = TPaintStyle::Screen;
            else if (Style == "print")
                Options.Style = TPaintStyle::Print;
            else
                throw Exception(Format("--style is screen or print, not \"%s\"", Style.c_str()));
        } else if (Arg == "--size") {
            Options.Size = ParseInt(Next(), "--size", 60, 8000);
        } else if (Arg == "--dpi") {
            Options.Dpi = ParseInt(Next(), "--dpi", 24, 2400);
        } else if (Arg == "--pencil") {
            Options.PencilMode = static_cast<uint8_t>(ParseInt(Next(), "--pencil", 3, 7));
        } else if (Arg == "--filled") {
            Options.Filled = true;
        } else if (Arg == "--solve") {
            Options.Solve = true;
        } else if (Arg == "--highlight") {
            const std::string& Value = Next();
            Options.Highlight = Value == "pairs" ? HighlightPairs : ParseInt(Value, "--highlight", 0, 9);
        } else if (Arg == "--value") {
            std::string Rest;
            TPreviewCellChange Change = ParseCellPrefix(Next(), Arg, Rest);
            Change.Value = ParseInt(Rest, "--value digit", 0, 9);
            Options.Values.push_back(Change);
        } else if (Arg == "--mark" || Arg == "--erase") {
            std::string Rest;
            TPreviewCellChange Change = ParseCellPrefix(Next(), Arg, Rest);
            Change.Digits = ParseDigits(Rest, Arg);
            (Arg == "--mark" ? Options.Marks : Options.Erasures).push_back(Change);
        } else if (Arg == "--booklet") {
            Options.BookletFile = Next();
            if (Options.BookletFile.empty())
                throw Exception("--booklet needs a file name");
        } else if (Arg == "--out") {
            Options.OutPrefix = Next();
            if (Options.OutPrefix.empty())
                throw Exception("--out needs a file prefix");
        } else if (!Arg.empty() && Arg[0] == '-') {
            throw Exception(Format("unknown option %s", Arg.c_str()));
        } else if (!HaveFile) {
            Options.IssueFile = Arg;
            HaveFile = true;
        } else {
            throw Exception(Format("one issue file only (\"%s\" is a second)", Arg.c_str()));
        }
    }
    if (!HaveFile)
        throw Exception("no issue file given");
    return Options;
}

std::string ListPreviewGames(const std::string& IssueFile)
{
    TDistributionFile Issue(IssueFile);
    std::ostringstream Out;
    Out << "issue " << Issue.GetIssueNumber() << ": " << Issue.GetDescription() << "\n";
    for (int Index = 0; Index < Issue.GameCount(); ++Index) {
        const TPuzzleInfo& Record = Issue.GameRecord(Index);
        const uint8_t Kind = Record.GetStreamKind();
        Out << Format("%3d  game %-10u layout %2u  kind %c  %s\n", Index + 1, Record.GetGameNumber(),
                      static_cast<unsigned>(Record.GetLayoutType()), Kind >= 32 && Kind < 127 ? Kind : '?',
                      Record.GameNameTrimmed().c_str());
    }
    return Out.str();
}

std::vector<std::string> RenderPreview(const TPreviewOptions& Options)
{
    TDistributionFile Issue(Options.IssueFile);
    const int Index = ChooseGame(Issue, Options);

    // The program's default settings, for this rendering only.
    TSettingsValues Values;
    struct TInstall {
        explicit TInstall(const TQVSettings* Settings) : Previous(&::Settings()) { InstallSettings(Settings); }
        ~TInstall() { InstallSettings(Previous); }
        const TQVSettings* Previous;
    } Install(&Values);

    auto Pyramid = TPuzzleXLink::CreateFromHeader(Issue.GameRecord(Index), nullptr, 1, 1);
    Pyramid->LoadFromStream(Issue.PuzzleStream(Index));
    Pyramid->SetPencilMode(Options.PencilMode);
    if (Options.Child > Pyramid->ChildCount())
        throw Exception(
            Format("the game has %d child puzzle(s); there is no child %d", Pyramid->ChildCount(), Options.Child));

    const bool Print = Options.Style == TPaintStyle::Print;
    QImage ParentImage = MakeScreenBitmap(Options.Size, Options.Size);
    QImage ChildImage = MakeScreenBitmap(Options.Size, Options.Size);
    const int DotsPerMetre = static_cast<int>(Options.Dpi / 0.0254 + 0.5);
    for (QImage* Image : {&ParentImage, &ChildImage}) {
        Image->setDotsPerMeterX(DotsPerMetre);
        Image->setDotsPerMeterY(DotsPerMetre);
    }
    TQVCanvas ParentCanvas(&ParentImage);
    TQVCanvas ChildCanvas(&ChildImage);
    // As on screen (sky blue, parent style for the parent) or as printed (black).
    const TColor GridColour = Print ? clBlack : clSkyBlue;
    TGrid ParentGrid(&ParentCanvas, true, Options.Size, Options.Size, GridColour);
    TGrid ChildGrid(&ChildCanvas, Print, Options.Size, Options.Size, GridColour);

    TQVDisplayLink* ParentLink = Pyramid->GetLink(0);
    TQVDisplayLink* ChildLink = Pyramid->GetLink(Options.Child);
    // Attaching shades the child's linked cells, as on screen and in print.
    ParentLink->SetDisplay(&ParentGrid);
    ChildLink->SetDisplay(&ChildGrid);
    ParentGrid.SetLink(ParentLink);
    ChildGrid.SetLink(ChildLink);
    struct TDetach {
        TQVDisplayLink* A;
        TQVDisplayLink* B;
        ~TDetach()
        {
            A->SetDisplay(nullptr);
            B->SetDisplay(nullptr);
        }
    } Detach{ParentLink, ChildLink};

    for (const TPreviewCellChange& Change : Options.Values) {
        TCell& Cell = CellOf(*Pyramid, Change);
        if (Cell.GetRevealed())
            throw Exception(Format("puzzle %d, row %d, column %d is a given", Change.Puzzle, Change.Row, Change.Col));
        Cell.SetValue(Change.Value);
    }
    for (const TPreviewCellChange& Change : Options.Marks) {
        TCell& Cell = CellOf(*Pyramid, Change);
        Cell.MaskOfKind(mkUserMarks).SetBits(Cell.MaskOfKind(mkUserMarks).Bits() | Change.Digits);
        Cell.NotifyChange(false);
    }
    for (const TPreviewCellChange& Change : Options.Erasures) {
        TCell& Cell = CellOf(*Pyramid, Change);
        Cell.MaskOfKind(mkErased).SetBits(Cell.MaskOfKind(mkErased).Bits() | Change.Digits);
        Cell.NotifyChange(false);
    }
    if (Options.Solve)
        Pyramid->SolvePyramid(MethodsOf(Values));

    for (TGrid* Grid : {&ParentGrid, &ChildGrid}) {
        Grid->SetFilled(Options.Filled);
        Grid->SetHighlight(Options.Highlight);
        Grid->PaintAll(Options.Style);
    }
    ParentCanvas.End();
    ChildCanvas.End();

    const std::string ParentFile = Options.OutPrefix + "-parent.png";
    const std::string ChildFile = Options.OutPrefix + "-child" + std::to_string(Options.Child) + ".png";
    SaveImage(ParentImage, ParentFile);
    SaveImage(ChildImage, ChildFile);
    if (Options.BookletFile.empty())
        return {ParentFile, ChildFile};
    SaveBookletPdf(*Pyramid, QString::fromStdString(Options.BookletFile));
    return {ParentFile, ChildFile, Options.BookletFile};
}
