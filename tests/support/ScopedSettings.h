#pragma once
// A settings object of its own, installed for as long as it lives; the
// settings in force before come back when it goes.

#include "QVSettings.h"
#include "SettingsValues.h"

#include <initializer_list>

class TScopedSettings {
public:
    TScopedSettings() : FPrevious(&Settings()) { InstallSettings(&Values); }
    ~TScopedSettings() { InstallSettings(FPrevious); }
    TScopedSettings(const TScopedSettings&) = delete;
    TScopedSettings& operator=(const TScopedSettings&) = delete;

    // Leaves exactly the listed solving methods checked.
    void OnlyMethods(std::initializer_list<int> Methods)
    {
        for (int Method = 0; Method < TSettingsValues::MethodCount; ++Method)
            Values.SetMethodEnabled(Method, false);
        for (int Method : Methods)
            Values.SetMethodEnabled(Method, true);
    }

    TSettingsValues Values;

private:
    const TQVSettings* FPrevious;
};
