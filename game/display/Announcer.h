#pragma once
// The window's spoken line: a status strip holding one notification whose
// name is the latest news for a screen reader ("7 entered", "Child 3").
// Each Say shows the notification anew, which a screen reader speaks as it
// stands (a notification inside a status bar is read without its role),
// whatever has the focus; nothing is drawn.
//
// Ownership: the strip owns its line; the strip is its owner's child.

#include <QWidget>

class TAnnouncerLine;

class TAnnouncer : public QWidget {
    Q_OBJECT

public:
    explicit TAnnouncer(QWidget* Owner = nullptr);

    // Tells Text once, even when it is what was told last.
    void Say(const QString& Text);
    const QString& Text() const { return FText; }
    QWidget* Line() const;

private:
    TAnnouncerLine* FLine;
    QString FText;
};

// Makes a screen reader take Widget for a status bar: a panel of figures
// that change with every entry (the progress bars), read when asked for
// and not spoken at each change. Before the widget is first shown.
void ReadAsStatusBar(QWidget* Widget);
