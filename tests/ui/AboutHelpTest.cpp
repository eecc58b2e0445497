// The About box as the player sees it, and the help window: topic numbers,
// links between pages, and one window raised again when asked again.

#include "AboutLines.h"
#include "Exception.h"
#include "HelpWindow.h"
#include "QVAbout.h"
#include "VersionInfo.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString Text(const std::string& Utf8)
{
    return QString::fromStdString(Utf8);
}

TEST(AboutBox, ShowsTheProgramsLinesAndPictureAndIsReleasedAfterOk)
{
    const TAboutLines Expected = ComposeAboutLines(ProgramVersionInfo(), "Tavrel Sudoku", SharingNoticeText);

    QPointer<QDialog> Shown;
    bool Checked = false;
    QTimer::singleShot(0, [&] {
        Shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(Shown != nullptr);
        Checked = true;
        EXPECT_EQ(Shown->windowTitle(), QStringLiteral("About"));
        EXPECT_EQ(Shown->size(), QSize(381, 291));
        EXPECT_EQ(Shown->minimumSize(), Shown->maximumSize());
        const char* const Lines[] = {"ProductName", "Version", "Copyright", "Comments", "TradeMarks"};
        const QString Texts[] = {Text(Expected.ProductName), Text(Expected.Version), Text(Expected.Notice),
                                 Text(Expected.Comments), Text(Expected.TradeMarks)};
        int Above = -1;
        for (int Index = 0; Index < 5; ++Index) {
            const auto* Line = Shown->findChild<QLabel*>(QString::fromLatin1(Lines[Index]));
            ASSERT_TRUE(Line != nullptr) << Lines[Index];
            EXPECT_EQ(Line->text(), Texts[Index]) << Lines[Index];
            EXPECT_GT(Line->y(), Above) << Lines[Index] << " lies below the line before it";
            Above = Line->y();
        }
        EXPECT_EQ(Texts[0], QStringLiteral("Tavrel Sudoku"));
        EXPECT_TRUE(Texts[1].startsWith(QStringLiteral("Version ")));
        EXPECT_EQ(Texts[3], QString::fromUtf8(SharingNoticeText));
        const auto* Picture = Shown->findChild<QLabel*>(QStringLiteral("ProgramPicture"));
        ASSERT_TRUE(Picture != nullptr);
        EXPECT_EQ(Picture->pixmap().size(), QSize(267, 70));
        auto* Ok = Shown->findChild<QPushButton*>(QStringLiteral("OKButton"));
        ASSERT_TRUE(Ok != nullptr);
        QTest::mouseClick(Ok, Qt::LeftButton);
    });
    ShowAboutBox(nullptr);
    EXPECT_TRUE(Checked);
    EXPECT_TRUE(Shown.isNull()) << "the box is released after closing";

    // A damaged picture leaves the picture area empty and nothing else.
    TfrmAbout Box;
    const QByteArray Good = ProgramPicture();
    const auto* Picture = Box.findChild<QLabel*>(QStringLiteral("ProgramPicture"));
    Box.SetPicture(Good.left(Good.size() / 2));
    EXPECT_TRUE(Picture->pixmap().isNull());
    EXPECT_EQ(Picture->size(), QSize(267, 70));
    Box.SetPicture(Good);
    EXPECT_EQ(Picture->pixmap().size(), QSize(267, 70));

    // A web address the system cannot open raises the browser message.
    try {
        OpenBrowser("");
        ADD_FAILURE() << "an address nothing can open must raise";
    } catch (const Exception& Error) {
        EXPECT_EQ(Error.Message(), "Unable to find start command for internet browser");
    }
}

QUrl HelpPage(const char* Name)
{
    return QUrl(QStringLiteral("qrc:/help/") + QString::fromLatin1(Name));
}

QTextBrowser* Browser()
{
    return HelpWindow()->findChild<QTextBrowser*>(QStringLiteral("txtHelp"));
}

TEST(Help, TopicNumbersOpenTheirPagesOthersTheContents)
{
    const std::pair<int, const char*> Topics[] = {
        {2, "game.html"},
        {4, "choose.html"},
        {5, "settings-general.html"},
        {6, "settings-helpers.html"},
        {7, "settings-appearance.html"},
        {0, "contents.html"},
        {1, "contents.html"},
        {3, "contents.html"},
        {8, "newpyramid.html"},
        {9, "records.html"},
        {10, "contents.html"},
        {-1, "contents.html"},
    };
    ShowHelpTopic(nullptr, 2);
    const QPointer<THelpWindow> Window = HelpWindow();
    ASSERT_TRUE(Window != nullptr);
    for (const auto& [Topic, Page] : Topics) {
        ShowHelpTopic(nullptr, Topic);
        EXPECT_EQ(HelpWindow(), Window.data()) << "one help window";
        EXPECT_TRUE(Window->isVisible());
        EXPECT_EQ(Window->CurrentPage(), HelpPage(Page)) << "topic " << Topic;
        EXPECT_FALSE(Browser()->documentTitle().isEmpty()) << "topic " << Topic << " shows a page";
        EXPECT_TRUE(Window->windowTitle().endsWith(Browser()->documentTitle()));
    }

    // Asked from a dialog, the help belongs to that dialog's window so that
    // it stays usable while the dialog is modal.
    QDialog Dialog;
    ShowHelpTopic(&Dialog, 5);
    EXPECT_EQ(HelpWindow(), Window.data());
    EXPECT_EQ(Window->parentWidget(), &Dialog);
    EXPECT_TRUE(Window->isVisible());
    EXPECT_EQ(Window->CurrentPage(), HelpPage("settings-general.html"));
    delete HelpWindow();
}

TEST(Help, FollowingLinksAndGoingBackAndForward)
{
    ShowHelpTopic(nullptr, 0);
    THelpWindow* Window = HelpWindow();
    ASSERT_TRUE(Window != nullptr);
    auto* Back = Window->findChild<QPushButton*>(QStringLiteral("cmdBack"));
    auto* Forward = Window->findChild<QPushButton*>(QStringLiteral("cmdForward"));
    auto* Contents = Window->findChild<QPushButton*>(QStringLiteral("cmdContents"));
    ASSERT_TRUE(Back != nullptr && Forward != nullptr && Contents != nullptr);

    // The first link of the contents, chosen from the keyboard.
    Browser()->setFocus();
    QTest::keyClick(Browser(), Qt::Key_Tab);
    QTest::keyClick(Browser(), Qt::Key_Return);
    EXPECT_EQ(Window->CurrentPage(), HelpPage("game.html"));
    EXPECT_TRUE(Back->isEnabled());
    QTest::mouseClick(Back, Qt::LeftButton);
    EXPECT_EQ(Window->CurrentPage(), HelpPage("contents.html"));
    ASSERT_TRUE(Forward->isEnabled());
    QTest::mouseClick(Forward, Qt::LeftButton);
    EXPECT_EQ(Window->CurrentPage(), HelpPage("game.html"));
    QTest::mouseClick(Contents, Qt::LeftButton);
    EXPECT_EQ(Window->CurrentPage(), HelpPage("contents.html"));
    delete HelpWindow();
}

// Every link of every page leads to a page (and anchor) that exists, and
// every page can be reached from the contents.
TEST(Help, EveryLinkLeadsToAPageAndEveryPageIsReachable)
{
    ShowHelpTopic(nullptr, 0);
    delete HelpWindow();  // the resources are registered now
    const QStringList Pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    ASSERT_GE(Pages.size(), 6);
    const auto Read = [](const QString& Page) {
        QFile File(QStringLiteral(":/help/") + Page);
        EXPECT_TRUE(File.open(QIODevice::ReadOnly)) << Page.toStdString();
        return QString::fromUtf8(File.readAll());
    };
    QSet<QString> Reached{QStringLiteral("contents.html")};
    QStringList Waiting{QStringLiteral("contents.html")};
    while (!Waiting.isEmpty()) {
        const QString Page = Waiting.takeFirst();
        QTextDocument Document;
        Document.setHtml(Read(Page));
        for (QTextBlock Block = Document.begin(); Block.isValid(); Block = Block.next())
            for (auto Fragment = Block.begin(); !Fragment.atEnd(); ++Fragment) {
                const QString Href = Fragment.fragment().charFormat().anchorHref();
                if (Href.isEmpty())
                    continue;
                const QString Target = Href.section(QLatin1Char('#'), 0, 0);
                const QString Anchor = Href.section(QLatin1Char('#'), 1);
                ASSERT_TRUE(Pages.contains(Target)) << Page.toStdString() << " links to " << Href.toStdString();
                if (!Anchor.isEmpty()) {
                    EXPECT_TRUE(Read(Target).contains(QStringLiteral("name=\"%1\"").arg(Anchor)))
                        << Page.toStdString() << " links to " << Href.toStdString();
                }
                if (!Reached.contains(Target)) {
                    Reached.insert(Target);
                    Waiting.append(Target);
                }
            }
    }
    for (const QString& Page : Pages)
        EXPECT_TRUE(Reached.contains(Page)) << Page.toStdString() << " cannot be reached from the contents";
}

}  // namespace
