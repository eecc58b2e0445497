#pragma once
// A page control whose tabs are drawn as a row of buttons: pressing a
// button shows its sheet. A tab can be hidden (and with it its sheet);
// hiding the active tab shows the first visible one.

#include <QWidget>

#include <vector>

class QAbstractButton;
class QButtonGroup;
class QHBoxLayout;
class QPushButton;
class QStackedWidget;

class TButtonPageControl : public QWidget {
    Q_OBJECT

public:
    explicit TButtonPageControl(QWidget* Owner = nullptr);

    // Adds a sheet with the caption of its tab button ("&" marks the
    // accelerator); the control takes the sheet over.
    void AddPage(QWidget* Sheet, const QString& Caption);
    int PageCount() const { return static_cast<int>(FPages.size()); }
    QWidget* Page(int Index) const { return FPages[static_cast<size_t>(Index)].Sheet; }

    QWidget* ActivePage() const;
    // Showing a hidden page is refused.
    void SetActivePage(QWidget* Sheet);

    bool IsTabVisible(QWidget* Sheet) const;
    void SetTabVisible(QWidget* Sheet, bool Visible);

signals:
    void Changed();

private:
    struct TPage {
        QWidget* Sheet;
        QPushButton* Button;
    };
    int IndexOf(QWidget* Sheet) const;

    std::vector<TPage> FPages;
    QHBoxLayout* FTabs;
    QButtonGroup* FGroup;
    QStackedWidget* FStack;
};
