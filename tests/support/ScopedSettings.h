#pragma once
// A settings object of its own, installed for as long as it lives; the
// settings in force before come back when it goes.

#include "QVSettings.h"
#include "SettingsValues.h"

class TScopedSettings {
public:
    TScopedSettings() : FPrevious(&Settings()) { InstallSettings(&Values); }
    ~TScopedSettings() { InstallSettings(FPrevious); }
    TScopedSettings(const TScopedSettings&) = delete;
    TScopedSettings& operator=(const TScopedSettings&) = delete;

    TSettingsValues Values;

private:
    const TQVSettings* FPrevious;
};
