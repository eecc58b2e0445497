#include "QVAbout.h"

#include "Exception.h"
#include "JpegPicture.h"
#include "Prompter.h"

#include <QFile>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <cstdint>
#include <memory>

const char* const HomePageAddress = "https://www.tavrelsudoku.example/";

// The picture's resource lives in the ui library; registering it here pulls
// it into every program that shows the About box.
static void RegisterAboutResources()
{
    static const bool Registered = [] {
        Q_INIT_RESOURCE(About);
        return true;
    }();
    (void)Registered;
}

namespace {

constexpr int ClientWidth = 381;
constexpr int ClientHeight = 291;
constexpr int PictureWidth = 267;
constexpr int PictureHeight = 70;

QLabel* MakeLine(QWidget* Panel, const char* Name, const QRect& Place, bool Wrap)
{
    auto* Line = new QLabel(Panel);
    Line->setObjectName(QString::fromLatin1(Name));
    Line->setGeometry(Place);
    Line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Line->setWordWrap(Wrap);
    Line->setTextFormat(Qt::PlainText);
    return Line;
}

QString FromUtf8(const std::string& Text)
{
    return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

}  // namespace

TfrmAbout::TfrmAbout(QWidget* Owner)
    : QDialog(Owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setFixedSize(ClientWidth, ClientHeight);

    FPanel = new QFrame(this);
    FPanel->setObjectName(QStringLiteral("Panel1"));
    FPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    FPanel->setLineWidth(2);
    FPanel->setGeometry(8, 8, ClientWidth - 16, 241);
    const int Inner = FPanel->width() - 16;

    FPicture = new QLabel(FPanel);
    FPicture->setObjectName(QStringLiteral("ProgramPicture"));
    FPicture->setGeometry((FPanel->width() - PictureWidth) / 2, 10, PictureWidth, PictureHeight);

    FProductName = MakeLine(FPanel, "ProductName", QRect(8, 88, Inner, 24), false);
    QFont NameFont = FProductName->font();
    NameFont.setPointSize(NameFont.pointSize() + 4);
    NameFont.setBold(true);
    FProductName->setFont(NameFont);
    FVersion = MakeLine(FPanel, "Version", QRect(8, 114, Inner, 18), false);
    FNotice = MakeLine(FPanel, "Copyright", QRect(8, 136, Inner, 32), true);
    FComments = MakeLine(FPanel, "Comments", QRect(8, 170, Inner, 32), true);
    FTradeMarks = MakeLine(FPanel, "TradeMarks", QRect(8, 204, Inner, 32), true);

    FOkButton = new QPushButton(tr("OK"), this);
    FOkButton->setObjectName(QStringLiteral("OKButton"));
    FOkButton->setGeometry((ClientWidth - 75) / 2, 257, 75, 25);
    FOkButton->setDefault(true);
    connect(FOkButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAbout::Fill(const TAboutLines& Lines)
{
    FProductName->setText(FromUtf8(Lines.ProductName));
    FVersion->setText(FromUtf8(Lines.Version));
    FNotice->setText(FromUtf8(Lines.Notice));
    FComments->setText(FromUtf8(Lines.Comments));
    FTradeMarks->setText(FromUtf8(Lines.TradeMarks));
}

void TfrmAbout::SetPicture(const QByteArray& Jpeg)
{
    const TRgbPicture Picture =
        DecodeJpeg(reinterpret_cast<const uint8_t*>(Jpeg.constData()), static_cast<size_t>(Jpeg.size()));
    if (Picture.IsEmpty()) {
        FPicture->clear();
        return;
    }
    const QImage Image(Picture.Pixels.data(), Picture.Width, Picture.Height, Picture.Width * 3, QImage::Format_RGB888);
    // The image only borrows the pixels; the pixmap takes its own copy.
    FPicture->setPixmap(QPixmap::fromImage(Image));
}

QByteArray ProgramPicture()
{
    RegisterAboutResources();
    QFile File(QStringLiteral(":/about/AboutPicture.jpg"));
    if (!File.open(QIODevice::ReadOnly))
        return QByteArray();
    return File.readAll();
}

void ShowAboutBox(QWidget* Owner)
{
    const std::unique_ptr<TfrmAbout> Box(new TfrmAbout(Owner));
    Box->Fill(ComposeAboutLines(ProgramVersionInfo(), ApplicationTitle.toStdString(), SharingNoticeText));
    Box->SetPicture(ProgramPicture());
    const QScreen* Screen = Owner != nullptr ? Owner->screen() : QGuiApplication::primaryScreen();
    if (Screen != nullptr)
        Box->move(Screen->availableGeometry().center() - QPoint(ClientWidth / 2, ClientHeight / 2));
    Box->exec();
}
