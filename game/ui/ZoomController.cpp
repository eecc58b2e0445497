#include "ZoomController.h"

#include "GridImage.h"
#include "LedShape.h"
#include "MyProgressBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QProxyStyle>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

// The platform's style with the sizes it draws by itself (a check box's
// box, the frames' widths) at the zoom; the window's check box takes it at
// any zoom but 100%, where the platform's own style is back.
class TZoomStyle : public QProxyStyle {
public:
    TZoomStyle() : QProxyStyle(QApplication::style()->name()) {}
    void SetFactor(double Factor) { FFactor = Factor; }

    int pixelMetric(PixelMetric Metric, const QStyleOption* Option, const QWidget* Widget) const override
    {
        const int Design = QProxyStyle::pixelMetric(Metric, Option, Widget);
        switch (Metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_DefaultFrameWidth:
        case PM_ButtonMargin: return Zoom::Scaled(Design, FFactor);
        default: return Design;
        }
    }

private:
    double FFactor = 1.0;
};

namespace {

// How long a change of zoom or place waits before it is stored.
constexpr int StoreDelayMs = 500;

bool Holds(const QLayout* Layout, const QWidget* Widget)
{
    for (int Index = 0; Index < Layout->count(); ++Index) {
        QLayoutItem* Item = Layout->itemAt(Index);
        if (Item->widget() == Widget)
            return true;
        if (Item->layout() != nullptr && Holds(Item->layout(), Widget))
            return true;
    }
    return false;
}

// Placed by its parent's layout rather than by hand.
bool LaidOut(const QWidget* Widget)
{
    const QWidget* Parent = Widget->parentWidget();
    return Parent != nullptr && Parent->layout() != nullptr && Holds(Parent->layout(), Widget);
}

QFont ScaledFont(const QFont& Design, double Factor)
{
    QFont Font = Design;
    if (Design.pointSizeF() > 0)
        Font.setPointSizeF(Design.pointSizeF() * Factor);
    else if (Design.pixelSize() > 0)
        Font.setPixelSize(std::max(1, Zoom::Scaled(Design.pixelSize(), Factor)));
    return Font;
}

// A minimum or maximum size at Factor; "none" stays none.
QSize ScaledLimit(QSize Design, double Factor)
{
    const auto One = [Factor](int Length) {
        return Length <= 0 || Length >= QWIDGETSIZE_MAX ? Length : Zoom::Scaled(Length, Factor);
    };
    return {One(Design.width()), One(Design.height())};
}

QMargins ScaledMargins(const QMargins& Design, double Factor)
{
    return {Zoom::Scaled(Design.left(), Factor), Zoom::Scaled(Design.top(), Factor),
            Zoom::Scaled(Design.right(), Factor), Zoom::Scaled(Design.bottom(), Factor)};
}

int ScaledSpacing(int Design, double Factor)
{
    return Design < 0 ? Design : Zoom::Scaled(Design, Factor);
}

Zoom::TPlace PlaceOf(const QRect& Rect)
{
    return {Rect.x(), Rect.y(), Rect.width(), Rect.height()};
}

}  // namespace

TZoomController::TZoomController(QMainWindow& Window, QWidget& Client, QWidget& Content, TSettingsStore& Store)
    : QObject(&Window), FWindow(Window), FClient(Client), FContent(Content), FStore(Store)
{
    setObjectName(QStringLiteral("ZoomController"));
    FStoreTimer.setSingleShot(true);
    FStoreTimer.setInterval(StoreDelayMs);
    connect(&FStoreTimer, &QTimer::timeout, this, [this] { StorePlace(); });
    FClient.installEventFilter(this);
    FWindow.installEventFilter(this);
}

TZoomController::~TZoomController()
{
    // The window and its store may already be on their way out: the window
    // stores the place itself before it goes. A control still drawn in the
    // zoom's style goes back to the platform's.
    FStoreTimer.stop();
    for (const TNotedWidget& Noted : FWidgets)
        if (Noted.Widget != nullptr && FStyle && Noted.Widget->style() == FStyle.get())
            Noted.Widget->setStyle(nullptr);
}

void TZoomController::NoteDesign()
{
    FContentFont = FContent.font();
    NoteNewWidgets();
    FNoted = true;
    FClient.setMinimumSize(QSize(DesignSize().Width, DesignSize().Height));
}

void TZoomController::Note(QWidget* Widget, bool Placed)
{
    FWidgets.push_back({Widget, Widget->geometry(), Widget->minimumSize(), Widget->maximumSize(), Placed,
                        Widget->testAttribute(Qt::WA_SetFont), Widget->font(), QSize()});
}

void TZoomController::NoteNewWidgets()
{
    // New layouts first: a widget's place depends on its parent's layout.
    std::vector<QLayout*> Layouts;
    if (FContent.layout() != nullptr)
        Layouts.push_back(FContent.layout());
    for (QLayout* Layout : FContent.findChildren<QLayout*>())
        Layouts.push_back(Layout);
    for (QLayout* Layout : Layouts) {
        const bool Known = std::any_of(FLayouts.begin(), FLayouts.end(),
                                       [Layout](const TNotedLayout& Noted) { return Noted.Layout == Layout; });
        if (Known)
            continue;
        const auto* Grid = qobject_cast<const QGridLayout*>(Layout);
        FLayouts.push_back({Layout, Layout->contentsMargins(), Grid != nullptr ? -1 : Layout->spacing(),
                            Grid != nullptr ? Grid->horizontalSpacing() : -1,
                            Grid != nullptr ? Grid->verticalSpacing() : -1});
    }
    for (QWidget* Widget : FContent.findChildren<QWidget*>()) {
        const bool Known = std::any_of(FWidgets.begin(), FWidgets.end(),
                                       [Widget](const TNotedWidget& Noted) { return Noted.Widget == Widget; });
        if (!Known && !Widget->isWindow())
            Note(Widget, !LaidOut(Widget));
    }
}

Zoom::TSize TZoomController::DesignSize() const
{
    // The panels stacked in the content, those shown.
    Zoom::TSize Size;
    const QLayout* Stack = FContent.layout();
    if (Stack == nullptr)
        return Size;
    for (int Index = 0; Index < Stack->count(); ++Index) {
        const QWidget* Panel = Stack->itemAt(Index)->widget();
        if (Panel == nullptr || !Panel->isVisibleTo(&FContent))
            continue;
        QSize Design = Panel->minimumSize();
        for (const TNotedWidget& Noted : FWidgets)
            if (Noted.Widget == Panel)
                Design = Noted.Minimum;
        Size.Width = std::max(Size.Width, Design.width());
        Size.Height += Design.height();
    }
    return Size;
}

Zoom::TSize TZoomController::ShownSize() const
{
    return ShownSizeAt(FZoom);
}

Zoom::TSize TZoomController::ShownSizeAt(double Factor) const
{
    // The panels are stacked by their edges (StackPanels).
    return Zoom::Scaled(DesignSize(), Factor);
}

void TZoomController::StackPanels(double Factor)
{
    QLayout* Stack = FContent.layout();
    if (Stack == nullptr)
        return;
    int Top = 0;
    for (int Index = 0; Index < Stack->count(); ++Index) {
        QWidget* Panel = Stack->itemAt(Index)->widget();
        if (Panel == nullptr || !Panel->isVisibleTo(&FContent))
            continue;
        for (const TNotedWidget& Noted : FWidgets) {
            if (Noted.Widget != Panel)
                continue;
            const Zoom::TPlace Shown =
                Zoom::Scaled(Zoom::TPlace{0, Top, Noted.Minimum.width(), Noted.Minimum.height()}, Factor);
            Panel->setFixedSize(Shown.Width, Shown.Height);
            Top += Noted.Minimum.height();
        }
    }
}

void TZoomController::NoteLaidOutSizes()
{
    // Whatever the layouts still owe is done first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (FContent.layout() != nullptr)
        FContent.layout()->activate();
    for (TNotedWidget& Noted : FWidgets)
        if (!Noted.Placed && Noted.Minimum != Noted.Maximum && Noted.Widget != nullptr &&
            qobject_cast<QAbstractButton*>(Noted.Widget.data()) != nullptr)
            Noted.LaidOut = Noted.Widget->size();
}

void TZoomController::Apply(double Factor)
{
    if (!FNoted)
        return;
    const bool Changed = Factor != FZoom;
    FApplying = true;
    NoteNewWidgets();
    if (FZoom == Zoom::Smallest && Factor != Zoom::Smallest)
        NoteLaidOutSizes();
    FZoom = Factor;
    // The same factor again (the panels shown changed, the window placed)
    // leaves the controls as they are; at the start that is the design.
    if (!Changed) {
        StackPanels(Factor);
        const Zoom::TSize Shown = ShownSize();
        FContent.resize(Shown.Width, Shown.Height);
        PlaceContent();
        FApplying = false;
        return;
    }
    // At 100% every control gets exactly what it was made with.
    const bool Design = Factor == Zoom::Smallest;
    FContent.setFont(Design ? QFont() : ScaledFont(FContentFont, Factor));
    for (const TNotedLayout& Noted : FLayouts) {
        if (Noted.Layout.isNull())
            continue;
        Noted.Layout->setContentsMargins(ScaledMargins(Noted.Margins, Factor));
        if (auto* Grid = qobject_cast<QGridLayout*>(Noted.Layout.data())) {
            Grid->setHorizontalSpacing(ScaledSpacing(Noted.HorizontalSpacing, Factor));
            Grid->setVerticalSpacing(ScaledSpacing(Noted.VerticalSpacing, Factor));
        } else if (Noted.Spacing >= 0) {
            Noted.Layout->setSpacing(ScaledSpacing(Noted.Spacing, Factor));
        }
    }
    for (const TNotedWidget& Noted : FWidgets) {
        QWidget* Widget = Noted.Widget.data();
        if (Widget == nullptr)
            continue;
        if (auto* Image = qobject_cast<TGridImage*>(Widget)) {
            Image->SetZoom(Factor);
        } else if (!Design && Noted.LaidOut.isValid()) {
            Widget->setFixedSize(Zoom::Scaled(Noted.LaidOut.width(), Factor),
                                 Zoom::Scaled(Noted.LaidOut.height(), Factor));
        } else {
            Widget->setMinimumSize(ScaledLimit(Noted.Minimum, Factor));
            Widget->setMaximumSize(ScaledLimit(Noted.Maximum, Factor));
        }
        if (auto* Led = qobject_cast<TLedShape*>(Widget))
            Led->SetScale(Factor);
        if (auto* Bar = qobject_cast<TMyProgressBar*>(Widget))
            Bar->SetScale(Factor);
        if (qobject_cast<QCheckBox*>(Widget) != nullptr) {
            if (!FStyle)
                FStyle = std::make_unique<TZoomStyle>();
            FStyle->SetFactor(Factor);
            Widget->setStyle(Design ? nullptr : FStyle.get());
        }
        if (Noted.OwnFont)
            Widget->setFont(Design ? Noted.Font : ScaledFont(Noted.Font, Factor));
        if (Noted.Placed) {
            const Zoom::TPlace Place = Zoom::Scaled(PlaceOf(Noted.Geometry), Factor);
            Widget->setGeometry(Place.X, Place.Y, Place.Width, Place.Height);
        }
    }
    StackPanels(Factor);
    const Zoom::TSize Shown = ShownSize();
    FContent.resize(Shown.Width, Shown.Height);
    if (FContent.layout() != nullptr)
        FContent.layout()->activate();
    PlaceContent();
    FApplying = false;
    if (Changed) {
        PlaceChanged();
        emit ZoomChanged(FZoom);
    }
}

void TZoomController::PlaceContent()
{
    const Zoom::TSize Shown = ShownSize();
    const Zoom::TPlace Place = Zoom::Centred({FClient.width(), FClient.height()}, Shown);
    FContent.setGeometry(std::max(Place.X, 0), std::max(Place.Y, 0), Place.Width, Place.Height);
}

Zoom::TSize TZoomController::ScreenRoom() const
{
    const QScreen* Screen = FWindow.screen();
    if (Screen == nullptr)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QSize Available = Screen->availableGeometry().size();
    const QSize Frame = FWindow.frameGeometry().size() - FWindow.size();
    const QSize Extra = WindowSizeFor(Zoom::Smallest) - QSize(DesignSize().Width, DesignSize().Height);
    return {Available.width() - Frame.width() - Extra.width(), Available.height() - Frame.height() - Extra.height()};
}

QSize TZoomController::WindowSizeFor(double Factor) const
{
    const Zoom::TSize Shown = ShownSizeAt(Factor);
    int MenuHeight = 0;
    if (const QWidget* Bar = FWindow.menuWidget(); Bar != nullptr && !Bar->isHidden())
        MenuHeight = Bar->hasHeightForWidth() ? Bar->heightForWidth(Shown.Width) : Bar->sizeHint().height();
    return {Shown.Width, Shown.Height + MenuHeight};
}

bool TZoomController::Maximised() const
{
    return (FWindow.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
}

bool TZoomController::CanZoomIn() const
{
    return Zoom::StepAbove(FZoom) <= Zoom::Fitting(ScreenRoom(), DesignSize()) + 1e-9;
}

bool TZoomController::ZoomIn()
{
    if (!CanZoomIn())
        return false;
    SetZoom(Zoom::StepAbove(FZoom));
    return true;
}

bool TZoomController::ZoomOut()
{
    if (!CanZoomOut())
        return false;
    SetZoom(Zoom::StepBelow(FZoom));
    return true;
}

void TZoomController::ActualSize()
{
    SetZoom(Zoom::Smallest);
}

void TZoomController::SetZoom(double Factor)
{
    Factor = Zoom::Clamped(Factor, Zoom::Fitting(ScreenRoom(), DesignSize()));
    Apply(Factor);
    if (Maximised())
        return;
    FApplying = true;
    // The window's least size follows the client's at once, so a window
    // closing up round fewer panels is not held at the old size.
    if (FWindow.layout() != nullptr)
        FWindow.layout()->activate();
    FWindow.resize(WindowSizeFor(Factor));
    if (FWindow.layout() != nullptr)
        FWindow.layout()->activate();
    // The window grown past the screen's edge comes back inside it.
    if (const QScreen* Screen = FWindow.screen()) {
        const QSize Frame = FWindow.frameGeometry().size() - FWindow.size();
        const Zoom::TPlace Inside = Zoom::KeptInside(
            {FWindow.x(), FWindow.y(), FWindow.width() + Frame.width(), FWindow.height() + Frame.height()},
            PlaceOf(Screen->availableGeometry()));
        FWindow.move(Inside.X, Inside.Y);
    }
    FApplying = false;
    PlaceContent();
}

void TZoomController::PanelsChanged()
{
    if (!FNoted)
        return;
    const Zoom::TSize Design = DesignSize();
    FClient.setMinimumSize(Design.Width, Design.Height);
    // A maximised window fits the panels it now shows.
    if (Maximised()) {
        Apply(ClientFitting());
        return;
    }
    SetZoom(FZoom);
}

double TZoomController::ClientFitting() const
{
    const Zoom::TSize Room{FClient.width(), FClient.height()};
    double Factor = Zoom::Fitting(Room, DesignSize());
    // Rounding never makes the content a pixel larger than the room.
    for (int Try = 0; Try < 8 && Factor > Zoom::Smallest; ++Try) {
        const Zoom::TSize Shown = ShownSizeAt(Factor);
        if (Shown.Width <= Room.Width && Shown.Height <= Room.Height)
            break;
        Factor = std::max(Zoom::Smallest, Factor - 0.5 / std::max(DesignSize().Height, 1));
    }
    return Factor;
}

void TZoomController::Restore()
{
    const TWindowPlace Stored = FStore.ReadWindowPlace();
    QScreen* Screen = FWindow.screen();
    if (!Stored.Known || Screen == nullptr) {
        SetZoom(Zoom::Smallest);
        if (Screen != nullptr) {
            // Centred, and inside the screen where the window is the
            // larger: the place stored at the close is then the place the
            // next start keeps.
            const QRect Available = Screen->availableGeometry();
            const QSize Frame = FWindow.frameGeometry().size();
            const Zoom::TPlace Inside =
                Zoom::KeptInside({Available.center().x() - Frame.width() / 2,
                                  Available.center().y() - Frame.height() / 2, Frame.width(), Frame.height()},
                                 PlaceOf(Available));
            FWindow.move(Inside.X, Inside.Y);
        }
        return;
    }
    // The screen the stored place lies on, when there still is one.
    if (QScreen* There = QGuiApplication::screenAt(QRect(Stored.X, Stored.Y, Stored.Width, Stored.Height).center());
        There != nullptr && There != Screen && FWindow.windowHandle() != nullptr) {
        FWindow.windowHandle()->setScreen(There);
        Screen = There;
    }
    SetZoom(Stored.Zoom);
    // The stored size, but never smaller than the content at 100% nor
    // larger than the screen now; then moved inside the screen.
    const QSize Frame = FWindow.frameGeometry().size() - FWindow.size();
    const QSize Least = WindowSizeFor(Zoom::Smallest);
    const Zoom::TPlace Screenful = PlaceOf(Screen->availableGeometry());
    const Zoom::TPlace Inside =
        Zoom::KeptInside({Stored.X, Stored.Y, std::max(Stored.Width, Least.width()) + Frame.width(),
                          std::max(Stored.Height, Least.height()) + Frame.height()},
                         Screenful);
    FWindow.move(Inside.X, Inside.Y);
    FWindow.resize(std::max(Inside.Width - Frame.width(), 1), std::max(Inside.Height - Frame.height(), 1));
    if (Stored.Maximised)
        FWindow.setWindowState(FWindow.windowState() | Qt::WindowMaximized);
}

TWindowPlace TZoomController::Place() const
{
    TWindowPlace Place;
    Place.Known = true;
    Place.Zoom = FZoom;
    Place.Maximised = Maximised();
    // A maximised window keeps the place it goes back to.
    const QRect Normal = Place.Maximised && FWindow.normalGeometry().isValid() ? FWindow.normalGeometry()
                                                                               : QRect(FWindow.pos(), FWindow.size());
    Place.X = Normal.x();
    Place.Y = Normal.y();
    Place.Width = Normal.width();
    Place.Height = Normal.height();
    return Place;
}

void TZoomController::StorePlace()
{
    FStoreTimer.stop();
    FStore.SaveWindowPlace(Place());
}

void TZoomController::PlaceChanged()
{
    if (FNoted && FWindow.isVisible())
        FStoreTimer.start();
}

bool TZoomController::eventFilter(QObject* Watched, QEvent* Event)
{
    const QEvent::Type Type = Event->type();
    if (Watched == &FClient && Type == QEvent::Resize && FNoted && !FApplying) {
        // The window's own fitting round the content keeps the zoom; any
        // other size (the frame dragged, the window maximised or brought
        // back) takes the largest factor that fits, rounding included.
        if (!(ShownSize() == Zoom::TSize{FClient.width(), FClient.height()}))
            Apply(ClientFitting());
        PlaceContent();
        PlaceChanged();
    } else if (Watched == &FWindow && (Type == QEvent::Move || Type == QEvent::WindowStateChange)) {
        PlaceChanged();
    }
    return QObject::eventFilter(Watched, Event);
}
