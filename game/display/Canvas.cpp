#include "Canvas.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

// Windows system colour indices (the low byte of a $FF0000nn value) and the
// palette roles that stand for them.
QPalette::ColorRole RoleOfSystemColour(unsigned Index, QPalette::ColorGroup& Group)
{
    Group = QPalette::Active;
    switch (Index) {
    case 0: return QPalette::Button;           // scroll bar
    case 1: return QPalette::Window;           // desktop
    case 2: return QPalette::Highlight;        // active caption
    case 3: return QPalette::Mid;              // inactive caption
    case 4: return QPalette::Window;           // menu
    case 5: return QPalette::Base;             // window background
    case 6: return QPalette::Shadow;           // window frame
    case 7: return QPalette::WindowText;       // menu text
    case 8: return QPalette::Text;             // window text
    case 9: return QPalette::HighlightedText;  // caption text
    case 10: return QPalette::Button;          // active border
    case 11: return QPalette::Button;          // inactive border
    case 12: return QPalette::Dark;            // application workspace
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;                            // button face
    case 16: return QPalette::Mid;                               // button shadow
    case 17: Group = QPalette::Disabled; return QPalette::Text;  // grey text
    case 18: return QPalette::ButtonText;
    case 19: return QPalette::WindowText;  // inactive caption text
    case 20: return QPalette::Light;       // button highlight
    case 21: return QPalette::Shadow;      // 3D dark shadow
    case 22: return QPalette::Midlight;    // 3D light
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    case 26: return QPalette::Link;       // hot light
    case 27: return QPalette::Highlight;  // gradient active caption
    case 28: return QPalette::Mid;        // gradient inactive caption
    case 29: return QPalette::Highlight;  // menu highlight
    case 30: return QPalette::Window;     // menu bar
    default: return QPalette::Window;
    }
}

struct TFamilyStandIn {
    const char* Family;
    const char* StandIn;
};

// Metric-compatible faces: text keeps the widths it was laid out for.
constexpr TFamilyStandIn FamilyStandIns[] = {
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

// The character cell (ascent plus descent) of the face at an em of PixelSize.
int CellHeightAt(const QFont& Face, int PixelSize)
{
    QFont Sized(Face);
    Sized.setPixelSize(PixelSize);
    const QFontMetricsF Metrics(Sized);
    return static_cast<int>(std::lround(Metrics.ascent() + Metrics.descent()));
}

}  // namespace

QColor QColorOf(TColor Colour)
{
    if (IsSystemColour(Colour)) {
        const QPalette Palette = QGuiApplication::palette();
        QPalette::ColorGroup Group;
        const QPalette::ColorRole Role = RoleOfSystemColour(Colour & 0xFFu, Group);
        return Palette.color(Group, Role);
    }
    return QColor(RedOf(Colour), GreenOf(Colour), BlueOf(Colour));
}

TColor TColorOf(const QColor& Colour)
{
    return RGBColour(static_cast<uint8_t>(Colour.red()), static_cast<uint8_t>(Colour.green()),
                     static_cast<uint8_t>(Colour.blue()));
}

QImage MakeScreenBitmap(int Width, int Height, double Ratio)
{
    Ratio = Ratio > 0 ? Ratio : 1.0;
    const auto Pixels = [Ratio](int Logical) {
        return std::max(static_cast<int>(std::ceil(std::max(Logical, 1) * Ratio - 1e-9)), 1);
    };
    QImage Image(Pixels(Width), Pixels(Height), QImage::Format_RGB32);
    Image.setDevicePixelRatio(Ratio);
    // 96 dpi expressed in dots per metre, rounded so logicalDpi reads 96.
    const int DotsPerMetre = static_cast<int>(std::lround(96.0 / 0.0254));
    Image.setDotsPerMeterX(DotsPerMetre);
    Image.setDotsPerMeterY(DotsPerMetre);
    Image.fill(Qt::white);
    return Image;
}

QString ResolveFontFamily(const QString& Family)
{
    if (QFontDatabase::hasFamily(Family))
        return Family;
    for (const TFamilyStandIn& Entry : FamilyStandIns) {
        if (Family.compare(QLatin1String(Entry.Family), Qt::CaseInsensitive) == 0) {
            const QString StandIn = QLatin1String(Entry.StandIn);
            if (QFontDatabase::hasFamily(StandIn))
                return StandIn;
        }
    }
    return Family;
}

TQVCanvas::TQVCanvas() = default;

TQVCanvas::TQVCanvas(QPaintDevice* Device)
{
    Begin(Device);
}

TQVCanvas::~TQVCanvas()
{
    End();
}

bool TQVCanvas::Begin(QPaintDevice* Device)
{
    End();
    FDevice = nullptr;
    if (Device == nullptr || !FPainter.begin(Device))
        return false;
    FDevice = Device;
    FDpiX = Device->logicalDpiX() > 0 ? Device->logicalDpiX() : 96;
    FDpiY = Device->logicalDpiY() > 0 ? Device->logicalDpiY() : 96;
    // Crisp one-pixel lines and fills, as the drawing code places them.
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    FPainter.setRenderHint(QPainter::TextAntialiasing, true);
    FPainterFont = -1;
    FCurrentFont = -1;
    FPainterPenSet = false;
    FPainterBrushSet = false;
    return true;
}

void TQVCanvas::End()
{
    if (FPainter.isActive())
        FPainter.end();
    FPainterFont = -1;
}

void TQVCanvas::SetFontName(const QString& Name)
{
    if (Name != FFontName) {
        FFontName = Name;
        FCurrentFont = -1;
    }
}

void TQVCanvas::SetFontSize(int Size)
{
    if (Size != FFontSize) {
        FFontSize = Size;
        FCurrentFont = -1;
    }
}

void TQVCanvas::SetFontBold(bool Bold)
{
    if (Bold != FFontBold) {
        FFontBold = Bold;
        FCurrentFont = -1;
    }
}

int TQVCanvas::FontPixelSize()
{
    return CurrentFont().PixelSize;
}

TQVCanvas::TFontEntry TQVCanvas::MakeFont() const
{
    TFontEntry Entry;
    Entry.Name = FFontName;
    Entry.Size = FFontSize;
    Entry.Bold = FFontBold;
    Entry.DpiY = FDpiY;

    QFont Font(ResolveFontFamily(FFontName));
    Font.setStyleHint(QFont::SansSerif);
    Font.setBold(FFontBold);
    Font.setKerning(false);
    Font.setHintingPreference(QFont::PreferFullHinting);

    int PixelSize;
    if (FFontSize >= 0) {
        PixelSize = static_cast<int>(std::lround(FFontSize * static_cast<double>(FDpiY) / 72.0));
    } else {
        // The character cell must come out at the requested height: measure
        // the face once at a large size and scale.
        const int Cell = static_cast<int>(std::lround(-FFontSize * static_cast<double>(FDpiY) / 96.0));
        QFont Probe(Font);
        Probe.setPixelSize(200);
        const QFontMetricsF ProbeMetrics(Probe);
        const double ProbeCell = ProbeMetrics.ascent() + ProbeMetrics.descent();
        PixelSize = ProbeCell > 0 ? static_cast<int>(std::lround(Cell * 200.0 / ProbeCell)) : Cell;
        PixelSize = std::max(PixelSize, 1);
        // Rounding of the scaled metrics can miss by a pixel: take the
        // neighbour whose cell comes closest, the smallest of equals. Each
        // trial loads a font engine; none after an exact one can be taken.
        int Best = PixelSize;
        int BestMiss = 1 << 30;
        for (int Trial = std::max(PixelSize - 2, 1); Trial <= PixelSize + 2 && BestMiss > 0; ++Trial) {
            const int Miss = std::abs(CellHeightAt(Font, Trial) - Cell);
            if (Miss < BestMiss) {
                Best = Trial;
                BestMiss = Miss;
            }
        }
        PixelSize = Best;
    }
    PixelSize = std::max(PixelSize, 1);
    Font.setPixelSize(PixelSize);

    Entry.Font = Font;
    Entry.Metrics = QFontMetrics(Font);
    Entry.PixelSize = PixelSize;
    const QFontMetricsF Exact(Font);
    Entry.Ascent = static_cast<int>(std::lround(Exact.ascent()));
    Entry.Height = CellHeightAt(Font, PixelSize);
    Entry.Raw = QRawFont::fromFont(Font);
    for (int Digit = 0; Digit <= 9; ++Digit) {
        const QString Text(QChar(u'0' + Digit));
        Entry.DigitWidths[static_cast<size_t>(Digit)] = Entry.Metrics.horizontalAdvance(Text);
        if (!Entry.Raw.isValid())
            continue;
        const QList<quint32> Glyphs = Entry.Raw.glyphIndexesForString(Text);
        if (Glyphs.size() != 1 || Glyphs[0] == 0)
            continue;
        QGlyphRun& Run = Entry.Digits[static_cast<size_t>(Digit)];
        Run.setRawFont(Entry.Raw);
        Run.setGlyphIndexes(Glyphs);
        Run.setPositions({QPointF(0, 0)});
    }
    return Entry;
}

TQVCanvas::TFontEntry TQVCanvas::SharedFont() const
{
    // An entry is the same for every canvas at the same face, size, weight
    // and resolution, and making one loads several font engines: each is
    // made once while the application lasts and copied (its parts are
    // shared, not duplicated). The fonts go with the application, whose
    // font engines they hold.
    static std::mutex Lock;
    static std::vector<TFontEntry>* Made = nullptr;
    const std::lock_guard<std::mutex> Hold(Lock);
    if (Made == nullptr) {
        if (QCoreApplication::instance() == nullptr)
            return MakeFont();
        Made = new std::vector<TFontEntry>;
        QObject::connect(QCoreApplication::instance(), &QObject::destroyed, [] {
            const std::lock_guard<std::mutex> Hold(Lock);
            delete Made;
            Made = nullptr;
        });
    }
    for (const TFontEntry& Entry : *Made)
        if (Entry.Size == FFontSize && Entry.Bold == FFontBold && Entry.DpiY == FDpiY && Entry.Name == FFontName)
            return Entry;
    Made->push_back(MakeFont());
    return Made->back();
}

const TQVCanvas::TFontEntry& TQVCanvas::CurrentFont()
{
    if (FCurrentFont >= 0)
        return FFonts[static_cast<size_t>(FCurrentFont)];
    for (size_t i = 0; i < FFonts.size(); ++i) {
        const TFontEntry& Entry = FFonts[i];
        if (Entry.Size == FFontSize && Entry.Bold == FFontBold && Entry.DpiY == FDpiY && Entry.Name == FFontName) {
            FCurrentFont = static_cast<int>(i);
            return Entry;
        }
    }
    FFonts.push_back(SharedFont());
    FCurrentFont = static_cast<int>(FFonts.size() - 1);
    return FFonts.back();
}

void TQVCanvas::ApplyFontToPainter(const TFontEntry& Entry)
{
    if (FPainterFont != FCurrentFont) {
        FPainter.setFont(Entry.Font);
        FPainterFont = FCurrentFont;
    }
}

int TQVCanvas::DigitOf(const QString& Text)
{
    if (Text.size() == 1 && Text[0] >= u'0' && Text[0] <= u'9')
        return Text[0].unicode() - u'0';
    return -1;
}

void TQVCanvas::UsePen(TColor Colour)
{
    if (FPainterPenSet && FPainterPen == Colour)
        return;
    const QPen* Found = nullptr;
    for (const auto& [Key, Pen] : FPens)
        if (Key == Colour)
            Found = &Pen;
    if (Found == nullptr) {
        FPens.emplace_back(Colour, QPen(QColorOf(Colour), 0));
        Found = &FPens.back().second;
    }
    FPainter.setPen(*Found);
    FPainterPenSet = true;
    FPainterPen = Colour;
}

void TQVCanvas::UseBrush(TColor Colour)
{
    if (FPainterBrushSet && FPainterBrush == Colour)
        return;
    const QBrush* Found = nullptr;
    for (const auto& [Key, Brush] : FBrushes)
        if (Key == Colour)
            Found = &Brush;
    if (Found == nullptr) {
        FBrushes.emplace_back(Colour, QBrush(QColorOf(Colour)));
        Found = &FBrushes.back().second;
    }
    FPainter.setBrush(*Found);
    FPainterBrushSet = true;
    FPainterBrush = Colour;
}

void TQVCanvas::FillRect(const TRect& Rect)
{
    if (!IsActive() || Rect.Width() <= 0 || Rect.Height() <= 0)
        return;
    FPainter.fillRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), QColorOf(FBrushColour));
}

void TQVCanvas::FrameRect(const TRect& Rect)
{
    if (!IsActive() || Rect.Width() <= 0 || Rect.Height() <= 0)
        return;
    const QColor Colour = QColorOf(FBrushColour);
    const int W = Rect.Width();
    const int H = Rect.Height();
    FPainter.fillRect(Rect.Left, Rect.Top, W, 1, Colour);
    FPainter.fillRect(Rect.Left, Rect.Bottom - 1, W, 1, Colour);
    FPainter.fillRect(Rect.Left, Rect.Top, 1, H, Colour);
    FPainter.fillRect(Rect.Right - 1, Rect.Top, 1, H, Colour);
}

bool TQVCanvas::RectanglePolygon(const TPoint* Points, int Count)
{
    if (Count != 4)
        return false;
    const TPoint& A = Points[0];
    const TPoint& B = Points[1];
    const TPoint& C = Points[2];
    const TPoint& D = Points[3];
    const bool Across = A.Y == B.Y && B.X == C.X && C.Y == D.Y && D.X == A.X;
    const bool Down = A.X == B.X && B.Y == C.Y && C.X == D.X && D.Y == A.Y;
    if (!Across && !Down)
        return false;
    const int Left = std::min(A.X, C.X);
    const int Top = std::min(A.Y, C.Y);
    const int Right = std::max(A.X, C.X) + 1;
    const int Bottom = std::max(A.Y, C.Y) + 1;
    const TColor Brush = FBrushColour;
    FBrushColour = FPenColour;
    if (FBrushStyle == TBrushStyle::Solid)
        FillRect(TRect{Left, Top, Right, Bottom});
    else
        FrameRect(TRect{Left, Top, Right, Bottom});
    FBrushColour = Brush;
    if (FBrushStyle == TBrushStyle::Solid)
        FillRect(TRect{Left + 1, Top + 1, Right - 1, Bottom - 1});
    return true;
}

void TQVCanvas::Polygon(const TPoint* Points, int Count)
{
    if (!IsActive() || Points == nullptr || Count < 2)
        return;
    if (RectanglePolygon(Points, Count))
        return;
    FPolygon.resize(static_cast<size_t>(Count));
    for (int i = 0; i < Count; ++i)
        FPolygon[static_cast<size_t>(i)] = QPoint(Points[i].X, Points[i].Y);
    UsePen(FPenColour);
    if (FBrushStyle == TBrushStyle::Solid) {
        UseBrush(FBrushColour);
    } else {
        FPainter.setBrush(Qt::NoBrush);
        FPainterBrushSet = false;
    }
    FPainter.drawPolygon(FPolygon.data(), Count);
}

void TQVCanvas::TextOut(int X, int Y, const QString& Text)
{
    if (!IsActive() || Text.isEmpty())
        return;
    const TFontEntry& Entry = CurrentFont();
    int Digit = DigitOf(Text);
    if (Digit >= 0 && Entry.Digits[static_cast<size_t>(Digit)].isEmpty())
        Digit = -1;
    if (Digit < 0)
        ApplyFontToPainter(Entry);
    if (FBrushStyle == TBrushStyle::Solid) {
        const int Width = Digit >= 0 ? Entry.DigitWidths[static_cast<size_t>(Digit)]
                                     : Entry.Metrics.horizontalAdvance(Text);
        FPainter.fillRect(X, Y, Width, Entry.Height, QColorOf(FBrushColour));
    }
    UsePen(FFontColour);
    if (Digit >= 0)
        FPainter.drawGlyphRun(QPointF(X, Y + Entry.Ascent), Entry.Digits[static_cast<size_t>(Digit)]);
    else
        FPainter.drawText(X, Y + Entry.Ascent, Text);
}

TSize TQVCanvas::TextExtent(const QString& Text)
{
    const TFontEntry& Entry = CurrentFont();
    const int Digit = DigitOf(Text);
    return {Digit >= 0 ? Entry.DigitWidths[static_cast<size_t>(Digit)] : Entry.Metrics.horizontalAdvance(Text),
            Entry.Height};
}
