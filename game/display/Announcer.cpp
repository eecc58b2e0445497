#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

class TAnnouncerLine : public QWidget {
public:
    explicit TAnnouncerLine(QWidget* Owner) : QWidget(Owner) {}
    QString FText;
};

namespace {

constexpr const char* StatusBarProperty = "ReadAsStatusBar";

class TAnnouncerAccessible final : public QAccessibleWidget {
public:
    TAnnouncerAccessible(QWidget* Widget, QAccessible::Role Role) : QAccessibleWidget(Widget, Role) {}
    QString text(QAccessible::Text Kind) const override
    {
        if (Kind == QAccessible::Name)
            if (const auto* Line = dynamic_cast<const TAnnouncerLine*>(widget()))
                return Line->FText;
        return QAccessibleWidget::text(Kind);
    }
};

QAccessibleInterface* AnnouncerFactory(const QString& ClassName, QObject* Object)
{
    if (Object == nullptr || !Object->isWidgetType())
        return nullptr;
    auto* Widget = static_cast<QWidget*>(Object);
    if (dynamic_cast<TAnnouncerLine*>(Widget) != nullptr)
        return new TAnnouncerAccessible(Widget, QAccessible::Notification);
    (void)ClassName;
    if (Widget->property(StatusBarProperty).toBool())
        return new TAnnouncerAccessible(Widget, QAccessible::StatusBar);
    return nullptr;
}

}  // namespace

void ReadAsStatusBar(QWidget* Widget)
{
    static const bool Installed = [] {
        QAccessible::installFactory(AnnouncerFactory);
        return true;
    }();
    (void)Installed;
    Widget->setProperty(StatusBarProperty, true);
}

TAnnouncer::TAnnouncer(QWidget* Owner) : QWidget(Owner), FLine(nullptr)
{
    ReadAsStatusBar(this);
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(1, 1);
    FLine = new TAnnouncerLine(this);
    FLine->setObjectName(QStringLiteral("AnnouncerLine"));
    FLine->resize(1, 1);
}

QWidget* TAnnouncer::Line() const
{
    return FLine;
}

void TAnnouncer::Say(const QString& Text)
{
    FText = Text;
    FLine->FText = Text;
    if (!QAccessible::isActive() || Text.isEmpty())
        return;
    QAccessibleEvent Named(FLine, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&Named);
    QAccessibleEvent Shown(FLine, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&Shown);
}
