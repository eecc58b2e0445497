#include "WindowScheme.h"

#include "Canvas.h"
#include "MyProgressBar.h"

#include <QApplication>
#include <QMenu>
#include <QPalette>
#include <QWidget>

namespace {

QPalette SchemePalette(const TColourScheme& Scheme, TColor Back, TColor Text)
{
    QPalette Palette(QColorOf(Scheme.Button), QColorOf(Back));
    const QColor Ink = QColorOf(Text);
    // Disabled texts halfway between the ink and the background.
    const QColor Faded = QColor::fromRgbF((Ink.redF() + QColorOf(Back).redF()) / 2,
                                          (Ink.greenF() + QColorOf(Back).greenF()) / 2,
                                          (Ink.blueF() + QColorOf(Back).blueF()) / 2);
    for (QPalette::ColorGroup Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor Shown = Group == QPalette::Disabled ? Faded : Ink;
        Palette.setColor(Group, QPalette::WindowText, Shown);
        Palette.setColor(Group, QPalette::Text, Shown);
        Palette.setColor(Group, QPalette::ButtonText,
                         Group == QPalette::Disabled ? Faded : QColorOf(Scheme.ButtonText));
        Palette.setColor(Group, QPalette::Base, QColorOf(Back));
        Palette.setColor(Group, QPalette::Highlight, QColorOf(Scheme.Highlight));
        Palette.setColor(Group, QPalette::HighlightedText, QColorOf(Scheme.HighlightText));
        Palette.setColor(Group, QPalette::ToolTipBase, QColorOf(Back));
        Palette.setColor(Group, QPalette::ToolTipText, Ink);
        Palette.setColor(Group, QPalette::PlaceholderText, Faded);
    }
    return Palette;
}

}  // namespace

void PaintWindowScheme(const TColourScheme& Scheme, QWidget& Client, QWidget* MenuBar, const std::vector<QMenu*>& Menus,
                       const std::vector<TMyProgressBar*>& Bars)
{
    if (Scheme.PlatformPalette) {
        // As the window was made: the platform's palette, the panel colour.
        // Nothing is set again that already is (the start pays nothing).
        QPalette Palette = QApplication::palette();
        Palette.setColor(QPalette::Window, QColorOf(Scheme.Panel));
        if (Client.palette() != Palette)
            Client.setPalette(Palette);
        const auto Inherit = [](QWidget* Widget) {
            if (Widget != nullptr && Widget->testAttribute(Qt::WA_SetPalette))
                Widget->setPalette(QPalette());
        };
        Inherit(MenuBar);
        for (QMenu* Menu : Menus)
            Inherit(Menu);
        for (TMyProgressBar* Bar : Bars)
            Inherit(Bar);
        return;
    }
    Client.setPalette(SchemePalette(Scheme, Scheme.Panel, Scheme.PanelText));
    const QPalette MenuPalette = SchemePalette(Scheme, Scheme.Menu, Scheme.MenuText);
    if (MenuBar != nullptr)
        MenuBar->setPalette(MenuPalette);
    for (QMenu* Menu : Menus)
        Menu->setPalette(MenuPalette);
    for (TMyProgressBar* Bar : Bars) {
        QPalette Palette = Client.palette();
        Palette.setColor(QPalette::Highlight, QColorOf(Scheme.BarDone));
        Bar->setPalette(Palette);
    }
}
