#pragma once
// The settings dialog, and the program's settings object: it owns the
// settings values and installs them as the settings every layer reads, and
// its controls show those values at every moment. A click on a control
// changes the setting in force at once; a change made through this
// interface (the store loading settings, the per-game feature rules
// enabling and disabling controls) shows in the controls at once.
//
// One exists for the program's whole run. It installs its values when it is
// made and puts back the settings object it replaced when it goes, so it
// must go before anything installed after it.

#include "SettingsValues.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QRadioButton;
class QTabWidget;
class QWidget;
class TColourBox;

class TfrmOptions : public QDialog {
    Q_OBJECT

public:
    // Help topics of the pages.
    static constexpr int GeneralTopic = 5;
    static constexpr int HelpersTopic = 6;
    static constexpr int AppearanceTopic = 7;

    explicit TfrmOptions(QWidget* Owner = nullptr);
    ~TfrmOptions() override;
    TfrmOptions(const TfrmOptions&) = delete;
    TfrmOptions& operator=(const TfrmOptions&) = delete;

    // The effective value: off while the game has disabled the control.
    bool GetOption(int Number) const { return FValues.GetOption(Number); }
    // The checked state, as the store saves it.
    bool GetStoredOption(int Number) const { return FValues.GetStoredOption(Number); }
    // 8 and 9 apply the priority rule; 10 sets the priority pair (false
    // checks "Inco&rrect Has Priority"). Unknown numbers do nothing.
    void SetOption(int Number, bool Value);
    TColor GetColour(int Number) const { return FValues.GetColour(Number); }
    void SetColour(int Number, TColor Colour);
    bool IsMethodEnabled(int Method) const { return FValues.IsMethodEnabled(Method); }
    // The stage Next Step shows first, 1-4 ("Next Step shows at first:").
    int StepStartStage() const { return FValues.StepStartStage(); }
    void SetStepStartStage(int Stage);
    // The colour scheme whose colours the window round the grids shows, as
    // the store reads it back (the thirteen colours are loaded apart).
    void SetScheme(TSchemeId Scheme);
    // The language chosen: "System" or a language's code. The game takes it
    // at its next start.
    const std::string& Language() const { return FLanguage; }
    void SetLanguage(const std::string& Language);

    // The per-game feature rules: the control of setting 7, 8, 9 or 10 (10 is
    // both priority buttons), the colour box 8 or 9 with its label. A
    // disabled setting reads off and keeps its checked state. Enabling 10
    // gives the buttons back only while both highlight boxes are checked, as
    // the priority rule wants.
    void SetOptionEnabled(int Number, bool Enabled);
    void SetColourEnabled(int Number, bool Enabled);

    const TSettingsValues& Values() const { return FValues; }

    // Makes the dialog's controls now (showing it does this by itself).
    void EnsureControls();
    void setVisible(bool Visible) override;

    // The help topic of the page showing.
    int HelpTopic() const { return FHelpTopic; }

signals:
    // Help was asked for (the Help button or F1) on the page with Topic.
    void HelpRequested(int Topic);

protected:
    void keyPressEvent(QKeyEvent* Event) override;

private:
    QWidget* MakeGeneralPage();
    // "Next Step shows at first:" and its choices.
    QHBoxLayout* MakeStepStartRow(QWidget* Page);
    // "Language:", its choices and the note that it takes the next start.
    QHBoxLayout* MakeLanguageRow(QWidget* Page);
    QWidget* MakeHelpersPage();
    QWidget* MakeAppearancePage();
    // Takes the scheme at Index of the "Scheme" choice ("Custom" does nothing).
    void SchemeActivated(int Index);
    QWidget* MakeSolvingPage();
    QWidget* MakeButtonPanel();
    QCheckBox* MakeOptionBox(int Number, const QString& Name, const QString& Caption, QWidget* Parent);
    TColourBox* MakeColourBox(int Number, const QString& Name, const QString& LabelName, const QString& Caption,
                              QWidget* Parent);

    // Checks every solving method.
    void FormCreate();
    void PageControl1Change(int Index);
    void BitBtn2Click();
    void BitBtn3Click();
    void OptionBoxToggled(int Number, bool Checked);
    void PriorityButtonToggled(bool InvalidHasPriority);
    void MethodItemChanged(QListWidgetItem* Item);
    // Brings every control in line with the values, without the controls
    // reporting the changes back.
    void ShowValues();

    TSettingsValues FValues;
    const TQVSettings* FPrevious = nullptr;
    int FHelpTopic = GeneralTopic;

    QTabWidget* FPageControl = nullptr;
    std::array<QCheckBox*, TSettingsValues::OptionCount + 1> FOptionBoxes{};
    QRadioButton* FInvalidPriority = nullptr;
    QRadioButton* FIncorrectPriority = nullptr;
    QCheckBox* FPencilSelectedOnly = nullptr;
    std::array<TColourBox*, TSettingsValues::ColourCount + 1> FColourBoxes{};
    std::array<QLabel*, TSettingsValues::ColourCount + 1> FColourLabels{};
    QListWidget* FSolveMethods = nullptr;
    QComboBox* FStepStart = nullptr;
    // "Classic", "Dark", "High contrast", and "Custom" while the colours are
    // not the chosen scheme's.
    QComboBox* FScheme = nullptr;
    std::string FLanguage = "System";
    QComboBox* FLanguageBox = nullptr;
    QLabel* FLanguageNote = nullptr;
};
