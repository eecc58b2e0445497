#include "SettingsValues.h"

namespace {

const TSettingsValues& BuiltInDefaults()
{
    static const TSettingsValues defaults;
    return defaults;
}

const TQVSettings* InstalledSettings = nullptr;

}  // namespace

const TQVSettings& Settings()
{
    return InstalledSettings != nullptr ? *InstalledSettings : BuiltInDefaults();
}

void InstallSettings(const TQVSettings* NewSettings)
{
    InstalledSettings = NewSettings;
}

TColor TSettingsValues::DefaultColour(int Number)
{
    switch (Number) {
    case colNormalBg: return clWhite;
    case colShadedBg: return clSilver;
    case colRevealed: return clBlack;
    case colEntered: return clBlue;
    case colLEDoff: return clMoneyGreen;
    case colLED8: return clYellow;
    case colLED9: return clGreen;
    case colInvalid: return clAqua;
    case colIncorrect: return clRed;
    case colPencilMarks: return clGreen;
    case colPenSelected: return clBlue;
    case colHiLiteFore: return clNavy;
    case colHiLiteBack: return clMoneyGreen;
    default: return 0;
    }
}

TSettingsValues::TSettingsValues()
{
    for (int number = 1; number <= ColourCount; ++number) {
        FColours[number] = DefaultColour(number);
        FColourEnabled[number] = true;
    }
    FMethods.fill(true);
    FOptions[6].Checked = false;
}

bool TSettingsValues::GetOption(int Number) const
{
    if (!IsKnownOption(Number)) {
        return false;
    }
    const TOptionState& state = FOptions[Number];
    switch (Number) {
    case optShowLeds:
    case optNoRemoveSoln:
    case optInvalid:
    case optIncorrect: return state.Checked && state.Enabled && state.Visible;
    case optInvalidPriority: return state.Checked && state.Enabled;
    default: return state.Checked;
    }
}

bool TSettingsValues::GetStoredOption(int Number) const
{
    if (!IsKnownOption(Number)) {
        return false;
    }
    return FOptions[Number].Checked;
}

void TSettingsValues::SetOption(int Number, bool Value)
{
    if (!IsKnownOption(Number)) {
        return;
    }
    if (Number == optInvalidPriority) {
        SetPriorityStatus();
        // One of the pair is always checked: false checks "Incorrect has priority".
        FOptions[optInvalidPriority].Checked = Value;
        return;
    }
    FOptions[Number].Checked = Value;
    if (Number == optInvalid || Number == optIncorrect) {
        SetPriorityStatus();
    }
}

void TSettingsValues::SetPriorityStatus()
{
    const bool invalid = FOptions[optInvalid].Checked;
    const bool incorrect = FOptions[optIncorrect].Checked;
    const bool both = invalid && incorrect;
    // A game that takes either highlight away keeps the pair disabled
    // whatever the boxes hold; their checked states stay the player's.
    FOptions[optInvalidPriority].Enabled = both && FOptions[optInvalid].Enabled && FOptions[optIncorrect].Enabled;
    if (!both) {
        FOptions[optInvalidPriority].Checked = !incorrect;
    }
}

TColor TSettingsValues::GetColour(int Number) const
{
    if (Number < 1 || Number > ColourCount) {
        return 0;
    }
    return FColours[Number];
}

void TSettingsValues::SetColour(int Number, TColor Colour)
{
    if (Number >= 1 && Number <= ColourCount) {
        FColours[Number] = Colour;
    }
}

bool TSettingsValues::IsMethodEnabled(int Method) const
{
    return Method >= 0 && Method < MethodCount && FMethods[Method];
}

void TSettingsValues::SetMethodEnabled(int Method, bool Enabled)
{
    if (Method >= 0 && Method < MethodCount) {
        FMethods[Method] = Enabled;
    }
}

bool TSettingsValues::IsOptionEnabled(int Number) const
{
    return IsKnownOption(Number) && FOptions[Number].Enabled;
}

void TSettingsValues::SetOptionEnabled(int Number, bool Enabled)
{
    if (IsKnownOption(Number)) {
        FOptions[Number].Enabled = Enabled;
    }
}

bool TSettingsValues::IsOptionVisible(int Number) const
{
    return IsKnownOption(Number) && FOptions[Number].Visible;
}

void TSettingsValues::SetOptionVisible(int Number, bool Visible)
{
    if (IsKnownOption(Number)) {
        FOptions[Number].Visible = Visible;
    }
}

bool TSettingsValues::IsColourEnabled(int Number) const
{
    return Number >= 1 && Number <= ColourCount && FColourEnabled[Number];
}

void TSettingsValues::SetColourEnabled(int Number, bool Enabled)
{
    if (Number >= 1 && Number <= ColourCount) {
        FColourEnabled[Number] = Enabled;
    }
}

TColor TSettingsValues::PrintColour(TColor Shown) const
{
    if (SchemeOf(FScheme).PrintsOwnColours)
        return Shown;
    if (Shown == FColours[colNormalBg])
        return DefaultColour(colNormalBg);
    if (Shown == FColours[colShadedBg])
        return DefaultColour(colShadedBg);
    return Shown;
}

void TSettingsValues::ChooseScheme(TSchemeId Scheme)
{
    FScheme = Scheme;
    const std::array<TColor, 14>& Colours = SchemeOf(Scheme).Colours;
    for (int Number = 1; Number <= ColourCount; ++Number)
        FColours[static_cast<size_t>(Number)] = Colours[static_cast<size_t>(Number)];
}

bool TSettingsValues::SchemeCustom() const
{
    return !HasSchemeColours(FScheme, FColours);
}
