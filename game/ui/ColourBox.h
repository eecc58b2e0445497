#pragma once
// A colour box: a drop-down of the named colours (standard, extended and
// system ones), each with its swatch and name, plus "Custom..." that opens
// the platform colour dialog. The value held is a 32-bit colour value
// ($00BBGGRR, or a system colour $FF0000nn drawn with the palette). A value
// that is none of the named colours gets an entry of its own, named by its
// hex value, so a colour read from the store is never replaced by another.

#include "Colour.h"

#include <QComboBox>

class TColourBox : public QComboBox {
    Q_OBJECT

public:
    explicit TColourBox(QWidget* Parent = nullptr);
    ~TColourBox() override;

    TColor Colour() const { return FColour; }
    // Selects Colour: its named entry, else the custom entry (made for it, or
    // taken over from the previous custom colour). Signals nothing: only the
    // player's choices are reported.
    void SetColour(TColor Colour);

    // Entries: "Custom..." first, then the custom colour (if there is one),
    // then the named colours.
    int CustomDialogIndex() const { return 0; }
    // The entry of an unnamed colour, or -1 while there is none.
    int CustomColourIndex() const { return FCustomIndex; }

signals:
    // The player chose a colour different from the one held.
    void ColourChanged(TColor Colour);

protected:
    // System colours follow the palette, so their swatches are redrawn.
    void changeEvent(QEvent* Event) override;
    // Keys and the wheel step through the closed box; stepping onto
    // "Custom..." never opens the colour dialog.
    void keyPressEvent(QKeyEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;

private:
    void Activated(int Index);
    int IndexOf(TColor Colour) const;
    void RefreshSwatches();

    TColor FColour = clBlack;
    int FCustomIndex = -1;
    // Inside a key press or wheel turn on the closed box.
    bool FStepping = false;
};
