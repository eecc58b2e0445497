#pragma once
// The settings values: every boolean with its checked state and, for the
// settings the per-game rules can take away, its enabled and visible flags;
// the thirteen colours; the solving-method list. Plain data with the rules of
// the settings dialog (the priority pair), so the dialog can bind its
// controls to it and the store can load and save it by number.

#include "ColourSchemes.h"
#include "QVSettings.h"
#include "Text.h"

#include <array>

class TSettingsValues : public TQVSettings {
public:
    static constexpr int OptionCount = 12;
    static constexpr int ColourCount = 13;
    static constexpr int MethodCount = 6;
    // The solving methods' names, in method order (the settings list's items).
    static constexpr const char* MethodNames[MethodCount] = {
        TR_MARK("TSettingsValues", "Scanning"),
        TR_MARK("TSettingsValues", "Pinned"),
        TR_MARK("TSettingsValues", "Complete 1-9 sequence"),
        TR_MARK("TSettingsValues", "Locked Pairs"),
        TR_MARK("TSettingsValues", "Hidden Locked Pairs"),
        TR_MARK("TSettingsValues", "XWings"),
    };

    TSettingsValues();

    bool GetOption(int Number) const override;
    TColor GetColour(int Number) const override;
    bool IsMethodEnabled(int Method) const override;
    bool PencilSelectedOnly() const override { return FPencilSelectedOnly; }
    // Under a scheme that does not print its own colours, the two cell
    // backgrounds print as Classic's.
    TColor PrintColour(TColor Shown) const override;

    // The colour scheme last chosen: it gives the window round the grids its
    // colours. ChooseScheme also sets the thirteen colours; SetScheme (the
    // store reading it back) leaves them. The scheme shows as "Custom" once
    // a colour differs from its table.
    TSchemeId Scheme() const { return FScheme; }
    void SetScheme(TSchemeId Scheme) { FScheme = Scheme; }
    void ChooseScheme(TSchemeId Scheme);
    bool SchemeCustom() const;

    // The checked state itself; for 4, 7, 8, 9 and 10 it differs from
    // GetOption when the control is disabled or hidden.
    bool GetStoredOption(int Number) const;
    // Sets the checked state; 8 and 9 then apply the priority rule, 10 sets
    // the priority pair. Unknown numbers do nothing.
    void SetOption(int Number, bool Value);
    void SetColour(int Number, TColor Colour);
    void SetMethodEnabled(int Method, bool Enabled);
    void SetPencilSelectedOnly(bool Value) { FPencilSelectedOnly = Value; }

    // The stage Next Step shows first: 1 the place to look, 2 the house, 3
    // the square, 4 the whole step. Numbers outside 1-4 set 1.
    static constexpr int StepStageCount = 4;
    int StepStartStage() const { return FStepStartStage; }
    void SetStepStartStage(int Stage) { FStepStartStage = Stage >= 1 && Stage <= StepStageCount ? Stage : 1; }

    // Availability, set by the per-game feature rules and by the priority rule
    // (10 covers both priority radio buttons).
    bool IsOptionEnabled(int Number) const;
    void SetOptionEnabled(int Number, bool Enabled);
    bool IsOptionVisible(int Number) const;
    void SetOptionVisible(int Number, bool Visible);
    bool IsColourEnabled(int Number) const;
    void SetColourEnabled(int Number, bool Enabled);

    // "Inco&rrect Has Priority", the partner of setting 10.
    bool IncorrectHasPriority() const { return !GetStoredOption(optInvalidPriority); }

    // The two priority buttons are enabled exactly when both highlight boxes
    // are checked; otherwise the button matching the remaining box is checked.
    void SetPriorityStatus();

    static TColor DefaultColour(int Number);

private:
    struct TOptionState {
        bool Checked = true;
        bool Enabled = true;
        bool Visible = true;
    };
    static bool IsKnownOption(int Number) { return Number >= 1 && Number <= OptionCount && Number != 6; }

    std::array<TOptionState, OptionCount + 1> FOptions{};
    std::array<TColor, ColourCount + 1> FColours{};
    std::array<bool, ColourCount + 1> FColourEnabled{};
    std::array<bool, MethodCount> FMethods{};
    bool FPencilSelectedOnly = false;
    int FStepStartStage = 1;
    TSchemeId FScheme = TSchemeId::Classic;
};
