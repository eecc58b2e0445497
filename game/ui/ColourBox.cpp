#include "ColourBox.h"

#include "Canvas.h"
#include "ColourNames.h"
#include "Prompter.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int ColourRole = Qt::UserRole;
constexpr int SwatchWidth = 22;
constexpr int SwatchHeight = 12;

QIcon Swatch(TColor Colour)
{
    QPixmap Picture(SwatchWidth, SwatchHeight);
    Picture.fill(QColorOf(Colour));
    QPainter Painter(&Picture);
    Painter.setPen(QColor(64, 64, 64));
    Painter.drawRect(0, 0, SwatchWidth - 1, SwatchHeight - 1);
    return QIcon(Picture);
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
    setIconSize(QSize(SwatchWidth, SwatchHeight));
    setMaxVisibleItems(16);
    // Sized for the common names; the longest system names would make every
    // box wide, and the drop-down list shows them whole anyway.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(9);
    addItem(BlankSwatch(), QStringLiteral("Custom..."));
    for (const TNamedColour& Entry : NamedColours())
        addItem(Swatch(Entry.Value), QString::fromLatin1(Entry.Name), QVariant::fromValue<uint>(Entry.Value));
    SetColour(clBlack);
    connect(this, &QComboBox::activated, this, &TColourBox::Activated);
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

void TColourBox::Activated(int Index)
{
    const TColor Previous = FColour;
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
