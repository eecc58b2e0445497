// about-picture OUT.jpg: draws the About box's picture (the pyramid of one
// parent over its children beside the program's name) and writes it as a
// baseline JPEG. Exit status 0 on success, 2 with a message on any error.

#include "Exception.h"
#include "Platform.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QtGlobal>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int PictureWidth = 267;
constexpr int PictureHeight = 70;
constexpr int JpegQuality = 92;

// The game's own colours: money green, sky blue, navy.
const QColor MoneyGreen(0xC0, 0xDC, 0xC0);
const QColor SkyBlue(0xA6, 0xCA, 0xF0);
const QColor Navy(0x00, 0x00, 0x80);

// One square of the pyramid with its digit.
void DrawSquare(QPainter& Painter, const QRect& Square, const QColor& Fill, int Digit)
{
    Painter.setPen(QPen(Navy, 1));
    Painter.setBrush(Fill);
    Painter.drawRect(Square.adjusted(0, 0, -1, -1));
    Painter.setPen(Navy);
    Painter.drawText(Square, Qt::AlignCenter, QString::number(Digit));
}

QImage DrawPicture()
{
    QImage Picture(PictureWidth, PictureHeight, QImage::Format_RGB888);
    QPainter Painter(&Picture);
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.setRenderHint(QPainter::TextAntialiasing, true);

    QLinearGradient Background(0, 0, 0, PictureHeight);
    Background.setColorAt(0.0, QColor(0xF4, 0xFA, 0xF4));
    Background.setColorAt(1.0, MoneyGreen);
    Painter.fillRect(Picture.rect(), Background);

    // The pyramid: the parent on top, then three and five children's
    // squares, each linked square shaded as the game shades linked cells.
    QFont Digits(QStringLiteral("Liberation Sans"));
    Digits.setPixelSize(11);
    Digits.setBold(true);
    Painter.setFont(Digits);
    constexpr int Side = 16;
    constexpr int Left = 8;
    constexpr int Top = 7;
    int Digit = 1;
    for (int Row = 0; Row < 3; ++Row) {
        const int Count = 2 * Row + 1;
        const int RowLeft = Left + (2 - Row) * Side;
        for (int Column = 0; Column < Count; ++Column) {
            const QRect Square(RowLeft + Column * Side, Top + Row * (Side + 3), Side, Side);
            const QColor Fill = Row == 0 ? MoneyGreen : (Column % 2 == 0 ? SkyBlue : Qt::white);
            DrawSquare(Painter, Square, Fill, Digit);
            Digit = Digit % 9 + 1;
        }
    }
    Painter.setPen(QPen(Navy, 1));
    Painter.drawLine(Left - 2, Top + 3 * (Side + 3) + 1, Left + 5 * Side + 1, Top + 3 * (Side + 3) + 1);

    QFont Title(QStringLiteral("Liberation Serif"));
    Title.setPixelSize(26);
    Title.setBold(true);
    Painter.setFont(Title);
    Painter.setPen(Navy);
    const QRect TitleArea(94, 6, PictureWidth - 98, 36);
    Painter.drawText(TitleArea, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Tavrel Sudoku"));

    QFont Motto(QStringLiteral("Liberation Sans"));
    Motto.setPixelSize(12);
    Motto.setItalic(true);
    Painter.setFont(Motto);
    Painter.setPen(QColor(0x20, 0x40, 0x20));
    const QRect MottoArea(94, 42, PictureWidth - 98, 20);
    Painter.drawText(MottoArea, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("one parent, nine children"));

    Painter.setPen(QPen(Navy, 1));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(0, 0, PictureWidth - 1, PictureHeight - 1);
    Painter.end();
    return Picture;
}

struct TJpegErrors {
    jpeg_error_mgr Manager;
    std::jmp_buf Return;
};

[[noreturn]] void LeaveEncoding(j_common_ptr Info)
{
    std::longjmp(reinterpret_cast<TJpegErrors*>(Info->err)->Return, 1);
}

// Encodes the RGB888 picture into Buffer and Size, which live in the caller's frame
// (the jump back skips no destructor). False when the library failed.
bool EncodeInto(const QImage& Picture, unsigned char*& Buffer, unsigned long& Size)
{
    jpeg_compress_struct Info;
    TJpegErrors Errors;
    Info.err = jpeg_std_error(&Errors.Manager);
    Errors.Manager.error_exit = LeaveEncoding;
    if (setjmp(Errors.Return)) {
        jpeg_destroy_compress(&Info);
        return false;
    }
    jpeg_create_compress(&Info);
    jpeg_mem_dest(&Info, &Buffer, &Size);
    Info.image_width = static_cast<JDIMENSION>(Picture.width());
    Info.image_height = static_cast<JDIMENSION>(Picture.height());
    Info.input_components = 3;
    Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&Info);
    jpeg_set_quality(&Info, JpegQuality, TRUE);
    jpeg_start_compress(&Info, TRUE);
    while (Info.next_scanline < Info.image_height) {
        // libjpeg reads the rows only; the cast drops the const it does not
        // declare.
        JSAMPROW Row = const_cast<JSAMPROW>(Picture.constScanLine(static_cast<int>(Info.next_scanline)));
        jpeg_write_scanlines(&Info, &Row, 1);
    }
    jpeg_finish_compress(&Info);
    jpeg_destroy_compress(&Info);
    return true;
}

void WritePicture(const QImage& Picture, const std::string& FileName)
{
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;
    const bool Encoded = EncodeInto(Picture, Buffer, Size);
    const std::vector<unsigned char> Bytes(Buffer, Buffer + (Encoded ? Size : 0));
    std::free(Buffer);
    if (!Encoded)
        throw Exception("The picture could not be encoded");
    std::FILE* File = Platform::OpenFile(FileName, "wb");
    if (File == nullptr)
        throw EFOpenError("Cannot create file " + FileName);
    const bool Written = std::fwrite(Bytes.data(), 1, Bytes.size(), File) == Bytes.size();
    if (std::fclose(File) != 0 || !Written)
        throw EWriteError();
}

}  // namespace

int main(int Argc, char** Argv)
{
    if (Argc != 2) {
        std::cerr << "usage: about-picture OUT.jpg\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication Application(Argc, Argv);
    try {
        WritePicture(DrawPicture(), Argv[1]);
    } catch (const std::exception& Error) {
        std::cerr << "about-picture: " << Error.what() << '\n';
        return 2;
    }
    return 0;
}
