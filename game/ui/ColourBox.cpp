#include "ColourBox.h"

#include "Canvas.h"
#include "ColourNames.h"
#include "Prompter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScopedValueRollback>
#include <QWheelEvent>

#include <unordered_map>

namespace {

constexpr int ColourRole = Qt::UserRole;
constexpr int SwatchWidth = 22;
constexpr int SwatchHeight = 12;

QIcon DrawSwatch(const QColor& Colour)
{
    QPixmap Picture(SwatchWidth, SwatchHeight);
    Picture.fill(Colour);
    QPainter Painter(&Picture);
    Painter.setPen(QColor(64, 64, 64));
    Painter.drawRect(0, 0, SwatchWidth - 1, SwatchHeight - 1);
    return QIcon(Picture);
}

// The swatches are shared by every colour box, by the colour they show (a
// system colour by its colour in the current palette), so the dialog's
// thirteen boxes draw each swatch once. The cache lives while boxes do.
int LiveBoxes = 0;
std::unordered_map<QRgb, QIcon>* Swatches = nullptr;

QIcon Swatch(TColor Colour)
{
    const QColor Shown = QColorOf(Colour);
    if (Swatches == nullptr)
        return DrawSwatch(Shown);
    auto [Place, Added] = Swatches->try_emplace(Shown.rgba());
    if (Added)
        Place->second = DrawSwatch(Shown);
    return Place->second;
}

// Keeps the names of "Custom..." in line with the swatches of the others.
QIcon BlankSwatch()
{
    QPixmap Picture(SwatchWidth, SwatchHeight);
    Picture.fill(Qt::transparent);
    return QIcon(Picture);
}

}  // namespace

TColourBox::TColourBox(QWidget* Parent) : QComboBox(Parent)
{
    if (LiveBoxes++ == 0)
        Swatches = new std::unordered_map<QRgb, QIcon>;
    setIconSize(QSize(SwatchWidth, SwatchHeight));
    setMaxVisibleItems(16);
    // Sized for the common names; the longest system names would make every
    // box wide, and the drop-down list shows them whole anyway.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(9);
    addItem(BlankSwatch(), QCoreApplication::translate("TfrmOptions", "Custom..."));
    for (const TNamedColour& Entry : NamedColours())
        addItem(Swatch(Entry.Value), QCoreApplication::translate("ColourNames", Entry.Name),
                QVariant::fromValue<uint>(Entry.Value));
    SetColour(clBlack);
    connect(this, &QComboBox::activated, this, &TColourBox::Activated);
}

TColourBox::~TColourBox()
{
    if (--LiveBoxes == 0) {
        delete Swatches;
        Swatches = nullptr;
    }
}

int TColourBox::IndexOf(TColor Colour) const
{
    for (int Index = 0; Index < count(); ++Index) {
        if (Index == FCustomIndex)
            continue;
        const QVariant Value = itemData(Index, ColourRole);
        if (Value.isValid() && Value.toUInt() == Colour)
            return Index;
    }
    return -1;
}

void TColourBox::SetColour(TColor Colour)
{
    FColour = Colour;
    int Index = IndexOf(Colour);
    if (Index < 0) {
        const QString Name = QString::fromLatin1(CustomColourName(Colour).c_str());
        if (FCustomIndex < 0) {
            FCustomIndex = CustomDialogIndex() + 1;
            insertItem(FCustomIndex, Swatch(Colour), Name, QVariant::fromValue<uint>(Colour));
        } else {
            setItemIcon(FCustomIndex, Swatch(Colour));
            setItemText(FCustomIndex, Name);
            setItemData(FCustomIndex, QVariant::fromValue<uint>(Colour), ColourRole);
        }
        Index = FCustomIndex;
    }
    setCurrentIndex(Index);
}

void TColourBox::keyPressEvent(QKeyEvent* Event)
{
    const QScopedValueRollback<bool> Stepping(FStepping, true);
    QComboBox::keyPressEvent(Event);
}

void TColourBox::wheelEvent(QWheelEvent* Event)
{
    const QScopedValueRollback<bool> Stepping(FStepping, true);
    QComboBox::wheelEvent(Event);
}

void TColourBox::Activated(int Index)
{
    const TColor Previous = FColour;
    if (Index == CustomDialogIndex() && FStepping) {
        // Passing over "Custom..." keeps the colour held.
        SetColour(Previous);
        return;
    }
    if (Index == CustomDialogIndex()) {
        QColor Chosen = QColorOf(FColour);
        if (Prompts().ChooseColour(this, Chosen))
            SetColour(TColorOf(Chosen));
        else
            SetColour(Previous);
    } else {
        FColour = itemData(Index, ColourRole).toUInt();
    }
    if (FColour != Previous)
        emit ColourChanged(FColour);
}

void TColourBox::RefreshSwatches()
{
    for (int Index = 0; Index < count(); ++Index) {
        const QVariant Value = itemData(Index, ColourRole);
        if (Value.isValid() && IsSystemColour(Value.toUInt()))
            setItemIcon(Index, Swatch(Value.toUInt()));
    }
}

void TColourBox::changeEvent(QEvent* Event)
{
    if (Event->type() == QEvent::PaletteChange)
        RefreshSwatches();
    QComboBox::changeEvent(Event);
}
