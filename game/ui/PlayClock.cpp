#include "PlayClock.h"

#include "RecordKeeper.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace {

// The cover is a notification to a screen reader: one that speaks
// notifications as they show says "Paused" when the game pauses.
class TPausedCoverAccessible : public QAccessibleWidget {
public:
    explicit TPausedCoverAccessible(QLabel* Cover) : QAccessibleWidget(Cover, QAccessible::Notification) {}
    QString text(QAccessible::Text Kind) const override
    {
        return Kind == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(Kind);
    }
};

const QString CoverName = QStringLiteral("lblPaused");

QAccessibleInterface* PausedCoverFactory(const QString& Class, QObject* Object)
{
    if (Class == QLatin1String("QLabel") && Object != nullptr && Object->objectName() == CoverName)
        return new TPausedCoverAccessible(static_cast<QLabel*>(Object));
    return nullptr;
}

}  // namespace

TPlayClock::TPlayClock(QLabel& StepLine, QWidget& Grids) : QObject(&Grids), FStepLine(StepLine), FGrids(Grids)
{
    QWidget* Panel = FStepLine.parentWidget();
    FTimer = new QLabel(Panel);
    FTimer->setObjectName(QStringLiteral("lblTimer"));
    // A fixed name: the text changes every second, the name does not, so no
    // screen reader is told of each second.
    FTimer->setAccessibleName(tr("Time played"));
    FTimer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FTimer->setFixedWidth(TimerWidth);
    FTimer->hide();
    // Beside the step line in the line's row, which gives it the row's
    // right end.
    if (auto* Row = qobject_cast<QBoxLayout*>(Panel->layout()))
        Row->addWidget(FTimer);

    static const bool Registered = (QAccessible::installFactory(PausedCoverFactory), true);
    (void)Registered;
    FCover = new QLabel(&FGrids);
    FCover->setObjectName(CoverName);
    FCover->setText(tr("Paused"));
    FCover->setAlignment(Qt::AlignCenter);
    FCover->setAutoFillBackground(true);
    QFont Font = FCover->font();
    Font.setPixelSize(48);
    Font.setBold(true);
    FCover->setFont(Font);
    FCover->setGeometry(FGrids.rect());
    FCover->installEventFilter(this);
    FCover->hide();

    FTick.setInterval(1000);
    connect(&FTick, &QTimer::timeout, this, [this] { Tick(); });
}

void TPlayClock::Follow()
{
    if (Running() && !FRunning.isValid()) {
        FRunning.start();
    } else if (!Running() && FRunning.isValid()) {
        FBefore += FRunning.elapsed();
        FRunning.invalidate();
    }
    if (FTimerShown && Running())
        FTick.start();
    else
        FTick.stop();
    Tick();
}

void TPlayClock::SetActive(bool Active)
{
    FActive = Active;
    Follow();
}

int64_t TPlayClock::PlayedMs() const
{
    return FBefore + (FRunning.isValid() ? FRunning.elapsed() : 0);
}

void TPlayClock::StartCount(int64_t Played)
{
    FBefore = Played;
    if (FRunning.isValid())
        FRunning.restart();
    Tick();
}

QString TPlayClock::TimerText() const
{
    return TRecordKeeper::Duration(PlayedMs());
}

void TPlayClock::Tick()
{
    if (FTimerShown)
        FTimer->setText(TimerText());
}

void TPlayClock::ShowTimer(bool Shown)
{
    if (Shown == FTimerShown)
        return;
    FTimerShown = Shown;
    // The step line's row gives the timer its right end, and takes it back.
    FTimer->setVisible(Shown);
    if (QLayout* Row = FTimer->parentWidget()->layout())
        Row->activate();
    Follow();
}

void TPlayClock::SetPaused(bool Paused)
{
    if (Paused == FPaused)
        return;
    FPaused = Paused;
    FCover->setGeometry(FGrids.rect());
    FCover->setVisible(Paused);
    if (Paused) {
        FCover->raise();
        QAccessibleEvent Shown(FCover, QAccessible::Alert);
        QAccessible::updateAccessibility(&Shown);
    }
    Follow();
}

bool TPlayClock::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == FCover && Event->type() == QEvent::MouseButtonPress) {
        SetPaused(false);
        return true;
    }
    return QObject::eventFilter(Watched, Event);
}
