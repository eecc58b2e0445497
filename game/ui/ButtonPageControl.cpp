#include "ButtonPageControl.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TButtonPageControl::TButtonPageControl(QWidget* Owner) : QWidget(Owner)
{
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(2);
    FTabs = new QHBoxLayout;
    FTabs->setContentsMargins(0, 0, 0, 0);
    FTabs->setSpacing(2);
    FTabs->addStretch(1);
    Layout->addLayout(FTabs);
    FStack = new QStackedWidget(this);
    Layout->addWidget(FStack, 1);
    FGroup = new QButtonGroup(this);
    FGroup->setExclusive(true);
    connect(FGroup, &QButtonGroup::idClicked, this, [this](int Index) { SetActivePage(Page(Index)); });
}

void TButtonPageControl::AddPage(QWidget* Sheet, const QString& Caption)
{
    auto* Button = new QPushButton(Caption, this);
    Button->setObjectName(Sheet->objectName() + QStringLiteral("Tab"));
    Button->setCheckable(true);
    // The keyboard belongs to the grids; a click still works.
    Button->setFocusPolicy(Qt::NoFocus);
    const int Index = PageCount();
    FGroup->addButton(Button, Index);
    FTabs->insertWidget(FTabs->count() - 1, Button);
    FStack->addWidget(Sheet);
    FPages.push_back({Sheet, Button});
    if (Index == 0)
        SetActivePage(Sheet);
}

int TButtonPageControl::IndexOf(QWidget* Sheet) const
{
    for (size_t Index = 0; Index < FPages.size(); ++Index)
        if (FPages[Index].Sheet == Sheet)
            return static_cast<int>(Index);
    return -1;
}

QWidget* TButtonPageControl::ActivePage() const
{
    return FStack->currentWidget();
}

void TButtonPageControl::SetActivePage(QWidget* Sheet)
{
    const int Index = IndexOf(Sheet);
    if (Index < 0 || FPages[static_cast<size_t>(Index)].Button->isHidden())
        return;
    FPages[static_cast<size_t>(Index)].Button->setChecked(true);
    if (FStack->currentWidget() == Sheet)
        return;
    FStack->setCurrentWidget(Sheet);
    emit Changed();
}

bool TButtonPageControl::IsTabVisible(QWidget* Sheet) const
{
    const int Index = IndexOf(Sheet);
    return Index >= 0 && !FPages[static_cast<size_t>(Index)].Button->isHidden();
}

void TButtonPageControl::SetTabVisible(QWidget* Sheet, bool Visible)
{
    const int Index = IndexOf(Sheet);
    if (Index < 0)
        return;
    FPages[static_cast<size_t>(Index)].Button->setHidden(!Visible);
    if (!Visible && ActivePage() == Sheet) {
        for (const TPage& Other : FPages) {
            if (!Other.Button->isHidden()) {
                SetActivePage(Other.Sheet);
                break;
            }
        }
    }
}
