#pragma once
// The settings in force, as the lower layers read them: booleans and colours
// by number and the enabled solving methods. The settings dialog of the
// program is the object behind this interface; until one is installed the
// built-in defaults (every option on, every method enabled) apply.

#include "Colour.h"

class TQVSettings {
public:
    virtual ~TQVSettings() = default;

    // Effective value of boolean setting 1-12 (unavailable settings read false).
    virtual bool GetOption(int Number) const = 0;
    // Selected colour 1-13; other numbers read 0.
    virtual TColor GetColour(int Number) const = 0;
    // Whether solving method 0-5 is checked.
    virtual bool IsMethodEnabled(int Method) const = 0;
    // The hidden "Pencil mark selected square only" box.
    virtual bool PencilSelectedOnly() const = 0;
    // The colour a cell background shown on screen in Shown is printed in:
    // a booklet stays dark on light whatever the screen's colours.
    virtual TColor PrintColour(TColor Shown) const { return Shown; }
};

// Setting numbers, as the settings are read by number.
enum TOptionNumber {
    optHiLiteToErase = 1,
    optHiLiteToValue = 2,
    optSingleValue = 3,
    optShowLeds = 4,
    optProgressBars = 5,
    optNoRemoveSoln = 7,
    optInvalid = 8,
    optIncorrect = 9,
    optInvalidPriority = 10,
    optMainHints = 11,
    optCongrats = 12,
};

enum TColourNumber {
    colNormalBg = 1,
    colShadedBg = 2,
    colRevealed = 3,
    colEntered = 4,
    colLEDoff = 5,
    colLED8 = 6,
    colLED9 = 7,
    colInvalid = 8,
    colIncorrect = 9,
    colPencilMarks = 10,
    colPenSelected = 11,
    colHiLiteFore = 12,
    colHiLiteBack = 13,
};

// The settings object every layer reads. Never null.
const TQVSettings& Settings();

// Installs the program's settings object (not owned; it must outlive every
// reader). Passing nullptr goes back to the built-in defaults.
void InstallSettings(const TQVSettings* NewSettings);
