#pragma once
// The game's help: pages written for this game, compiled in as resources,
// shown in a window of their own that can stay open beside the game. It
// answers the fixed topic numbers of the game's help requests: 2 the game
// (F1, "Game Help"), 4 choosing a game, 5, 6 and 7 the settings pages
// "&General", "&Helpers" and "&Appearance", 8 new pyramids, 9 statistics.

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// A non-modal window with Back, Forward and Contents over the page.
class THelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* Owner = nullptr);

    // Shows the page of Topic; an unknown topic shows the contents.
    void ShowTopic(int Topic);
    QUrl CurrentPage() const;

    // The page of a topic number; the contents for unknown numbers.
    static QUrl TopicPage(int Topic);
    static QUrl ContentsPage();

private:
    void PageChanged();

    QPushButton* FBack;
    QPushButton* FForward;
    QPushButton* FContents;
    QTextBrowser* FBrowser;
};

// Opens the help at Topic and brings it to the front. There is one help
// window: asked again, it turns to the new page and is raised. It belongs to
// Owner's window, so that it stays usable while that window is modal, and
// lives as long as that window (or, without an owner, until the program
// ends).
void ShowHelpTopic(QWidget* Owner, int Topic);

// The help window while there is one, else nullptr.
THelpWindow* HelpWindow();
