// app-icon FOLDER NAME SIZE...: draws the program's icon (the pyramid of one
// parent square over three and five children's squares on a rounded tile)
// into an icon theme folder: FOLDER/SIZExSIZE/apps/NAME.png for each SIZE,
// and FOLDER/scalable/apps/NAME.svg from the same shapes.
// Exit status 0 on success, 2 with a message on any error.

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSaveFile>
#include <QtGlobal>

#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Shapes are laid out on a canvas of 256 units.
constexpr double Canvas = 256;
constexpr double Corner = 40;
constexpr double Side = 44;
constexpr double Gap = 4;
constexpr double Border = 6;

// The game's own colours: money green, sky blue, navy, and the tile's light
// green.
const QColor MoneyGreen(0xC0, 0xDC, 0xC0);
const QColor SkyBlue(0xA6, 0xCA, 0xF0);
const QColor Navy(0x00, 0x00, 0x80);
const QColor LightGreen(0xF4, 0xFA, 0xF4);

struct TSquare {
    QRectF Place;
    QColor Fill;
};

// The parent on top in money green, then the children's rows, linked
// squares in sky blue between white ones, as the game shades linked cells.
std::vector<TSquare> Pyramid()
{
    std::vector<TSquare> Squares;
    const double Top = (Canvas - 3 * Side - 2 * Gap) / 2;
    for (int Row = 0; Row < 3; ++Row) {
        const int Count = 2 * Row + 1;
        const double Left = (Canvas - Count * Side - (Count - 1) * Gap) / 2;
        for (int Column = 0; Column < Count; ++Column) {
            const QColor Fill = Row == 0 ? MoneyGreen : (Column % 2 == 0 ? SkyBlue : QColor(Qt::white));
            Squares.push_back({QRectF(Left + Column * (Side + Gap), Top + Row * (Side + Gap), Side, Side), Fill});
        }
    }
    return Squares;
}

QImage DrawIcon(int Size)
{
    QImage Icon(Size, Size, QImage::Format_ARGB32_Premultiplied);
    Icon.fill(Qt::transparent);
    QPainter Painter(&Icon);
    Painter.setRenderHint(QPainter::Antialiasing, true);
    Painter.scale(Size / Canvas, Size / Canvas);
    QLinearGradient Tile(0, 0, 0, Canvas);
    Tile.setColorAt(0.0, LightGreen);
    Tile.setColorAt(1.0, MoneyGreen);
    Painter.setPen(QPen(Navy, Border));
    Painter.setBrush(Tile);
    const double Half = Border / 2;
    Painter.drawRoundedRect(QRectF(Half, Half, Canvas - Border, Canvas - Border), Corner, Corner);
    for (const TSquare& Square : Pyramid()) {
        Painter.setBrush(Square.Fill);
        Painter.drawRect(Square.Place);
    }
    Painter.end();
    return Icon;
}

std::string SvgIcon()
{
    const auto Number = [](double Value) { return QString::number(Value, 'g', 6).toStdString(); };
    const auto Colour = [](const QColor& Value) { return Value.name().toStdString(); };
    const double Half = Border / 2;
    std::string Svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
        "  <defs><linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
        "<stop offset=\"0\" stop-color=\"" +
        Colour(LightGreen) +
        "\"/>"
        "<stop offset=\"1\" stop-color=\"" +
        Colour(MoneyGreen) + "\"/></linearGradient></defs>\n";
    Svg += "  <g stroke=\"" + Colour(Navy) + "\" stroke-width=\"" + Number(Border) + "\">\n";
    Svg += "    <rect x=\"" + Number(Half) + "\" y=\"" + Number(Half) + "\" width=\"" + Number(Canvas - Border) +
           "\" height=\"" + Number(Canvas - Border) + "\" rx=\"" + Number(Corner) + "\" fill=\"url(#tile)\"/>\n";
    for (const TSquare& Square : Pyramid())
        Svg += "    <rect x=\"" + Number(Square.Place.x()) + "\" y=\"" + Number(Square.Place.y()) + "\" width=\"" +
               Number(Side) + "\" height=\"" + Number(Side) + "\" fill=\"" + Colour(Square.Fill) + "\"/>\n";
    Svg += "  </g>\n</svg>\n";
    return Svg;
}

void Write(const QString& FileName, const QByteArray& Bytes)
{
    QDir().mkpath(QFileInfo(FileName).absolutePath());
    QSaveFile File(FileName);
    if (!File.open(QIODevice::WriteOnly) || File.write(Bytes) != Bytes.size() || !File.commit())
        throw std::runtime_error("cannot write " + FileName.toStdString());
}

}  // namespace

int main(int Argc, char** Argv)
{
    if (Argc < 4) {
        std::cerr << "usage: app-icon FOLDER NAME SIZE...\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication Application(Argc, Argv);
    const QString Folder = QString::fromLocal8Bit(Argv[1]);
    const QString Name = QString::fromLocal8Bit(Argv[2]);
    try {
        for (int Index = 3; Index < Argc; ++Index) {
            const int Size = std::atoi(Argv[Index]);
            if (Size < 1 || Size > 1024)
                throw std::runtime_error(std::string("not an icon size: ") + Argv[Index]);
            QByteArray Png;
            QBuffer Buffer(&Png);
            Buffer.open(QIODevice::WriteOnly);
            if (!DrawIcon(Size).save(&Buffer, "PNG"))
                throw std::runtime_error("cannot encode the icon as PNG");
            Write(QStringLiteral("%1/%2x%2/apps/%3.png").arg(Folder).arg(Size).arg(Name), Png);
        }
        Write(QStringLiteral("%1/scalable/apps/%2.svg").arg(Folder, Name), QByteArray::fromStdString(SvgIcon()));
    } catch (const std::exception& Error) {
        std::cerr << "app-icon: " << Error.what() << '\n';
        return 2;
    }
    return 0;
}
