#include "HelpWindow.h"

#include "LanguageLoader.h"
#include "Languages.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages live in the ui library; registering them here pulls them into
// every program that shows help.
static void RegisterHelpResources()
{
    static const bool Registered = [] {
        Q_INIT_RESOURCE(Help);
        return true;
    }();
    (void)Registered;
}

namespace {

struct TTopicPage {
    int Topic;
    const char* Page;
};

// The topic numbers the game asks for; every other number opens the
// contents.
constexpr TTopicPage TopicPages[] = {
    {2, "game.html"},
    {4, "choose.html"},
    {8, "newpyramid.html"},
    {9, "records.html"},
    {5, "settings-general.html"},
    {6, "settings-helpers.html"},
    {7, "settings-appearance.html"},
};

QString HelpCaption()
{
    return QCoreApplication::translate("THelpWindow", "Tavrel Sudoku Help");
}

// The pages in the language of the game where they are written in it,
// else in English.
QUrl PageUrl(const char* Page)
{
    QString Folder = QStringLiteral("qrc:/help/");
    for (const TLanguage& Language : Languages())
        if (Language.Help && Language.Code == TLanguageLoader::Current() && TLanguageLoader::Current() != "en")
            Folder += QString::fromLatin1(Language.Code) + QLatin1Char('/');
    return QUrl(Folder + QString::fromLatin1(Page));
}

QPointer<THelpWindow>& Instance()
{
    static QPointer<THelpWindow> Window;
    return Window;
}

}  // namespace

THelpWindow::THelpWindow(QWidget* Owner) : QWidget(Owner, Qt::Window)
{
    RegisterHelpResources();
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(HelpCaption());
    resize(640, 560);

    FContents = new QPushButton(QCoreApplication::translate("THelpWindow", "&Contents"), this);
    FContents->setObjectName(QStringLiteral("cmdContents"));
    FBack = new QPushButton(QCoreApplication::translate("THelpWindow", "&Back"), this);
    FBack->setObjectName(QStringLiteral("cmdBack"));
    FBack->setEnabled(false);
    FForward = new QPushButton(QCoreApplication::translate("THelpWindow", "&Forward"), this);
    FForward->setObjectName(QStringLiteral("cmdForward"));
    FForward->setEnabled(false);
    FBrowser = new QTextBrowser(this);
    FBrowser->setObjectName(QStringLiteral("txtHelp"));
    FBrowser->setOpenLinks(true);
    FBrowser->setOpenExternalLinks(false);

    auto* Buttons = new QHBoxLayout;
    Buttons->addWidget(FContents);
    Buttons->addWidget(FBack);
    Buttons->addWidget(FForward);
    Buttons->addStretch(1);
    auto* Layout = new QVBoxLayout(this);
    Layout->addLayout(Buttons);
    Layout->addWidget(FBrowser, 1);

    connect(FContents, &QPushButton::clicked, this, [this] { FBrowser->setSource(ContentsPage()); });
    connect(FBack, &QPushButton::clicked, FBrowser, &QTextBrowser::backward);
    connect(FForward, &QPushButton::clicked, FBrowser, &QTextBrowser::forward);
    connect(FBrowser, &QTextBrowser::backwardAvailable, FBack, &QPushButton::setEnabled);
    connect(FBrowser, &QTextBrowser::forwardAvailable, FForward, &QPushButton::setEnabled);
    connect(FBrowser, &QTextBrowser::sourceChanged, this, &THelpWindow::PageChanged);
    auto* Close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(Close, &QShortcut::activated, this, &QWidget::close);
}

void THelpWindow::ShowTopic(int Topic)
{
    const QUrl Page = TopicPage(Topic);
    if (FBrowser->source() != Page)
        FBrowser->setSource(Page);
}

QUrl THelpWindow::CurrentPage() const
{
    return FBrowser->source();
}

QUrl THelpWindow::TopicPage(int Topic)
{
    for (const TTopicPage& Entry : TopicPages)
        if (Entry.Topic == Topic)
            return PageUrl(Entry.Page);
    return ContentsPage();
}

QUrl THelpWindow::ContentsPage()
{
    return PageUrl("contents.html");
}

void THelpWindow::PageChanged()
{
    const QString Title = FBrowser->documentTitle();
    setWindowTitle(Title.isEmpty() ? HelpCaption() : HelpCaption() + QStringLiteral(" - ") + Title);
}

void ShowHelpTopic(QWidget* Owner, int Topic)
{
    QWidget* OwnerWindow = Owner != nullptr ? Owner->window() : nullptr;
    THelpWindow* Window = Instance();
    if (Window == nullptr) {
        Window = new THelpWindow(OwnerWindow);
        Instance() = Window;
        // A window without an owner is nobody's child: it goes when the
        // program's event loop ends.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, Window, [Window] { delete Window; });
    } else if (OwnerWindow != nullptr && Window->parentWidget() != OwnerWindow) {
        // A modal window blocks every window but its own children, so the
        // help moves to the window that asks for it.
        const QRect Place = Window->geometry();
        const bool WasVisible = Window->isVisible();
        Window->setParent(OwnerWindow, Qt::Window);
        if (WasVisible)
            Window->setGeometry(Place);
    }
    Window->ShowTopic(Topic);
    Window->show();
    Window->raise();
    Window->activateWindow();
}

THelpWindow* HelpWindow()
{
    return Instance();
}
