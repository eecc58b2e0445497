#pragma once
// TEMPORARY stand-in until the settings dialog lands from its branch.
#include "SettingsValues.h"
#include <QDialog>
class TfrmOptions : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOptions(QWidget* Owner = nullptr) : QDialog(Owner) { FPrevious = &Settings(); InstallSettings(&FValues); }
    ~TfrmOptions() override { InstallSettings(FPrevious); }
    bool GetOption(int Number) const { return FValues.GetOption(Number); }
    bool GetStoredOption(int Number) const { return FValues.GetStoredOption(Number); }
    void SetOption(int Number, bool Value) { FValues.SetOption(Number, Value); }
    TColor GetColour(int Number) const { return FValues.GetColour(Number); }
    void SetColour(int Number, TColor Colour) { FValues.SetColour(Number, Colour); }
    bool IsMethodEnabled(int Method) const { return FValues.IsMethodEnabled(Method); }
    void SetOptionEnabled(int Number, bool Enabled) { FValues.SetOptionEnabled(Number, Enabled); }
    void SetColourEnabled(int Number, bool Enabled) { FValues.SetColourEnabled(Number, Enabled); }
    const TSettingsValues& Values() const { return FValues; }
    int HelpTopic() const { return 5; }
signals:
    void HelpRequested(int Topic);
private:
    TSettingsValues FValues;
    const TQVSettings* FPrevious;
};
