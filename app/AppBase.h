// The first level of the application object: the module handle, the names
// the whole program reads, and the virtual sequence operations that the
// levels above extend.
#pragma once

#include "options/OptionKinds.h"
#include "settings/OptionList.h"
#include "settings/SettingsStore.h"
#include "settings/WString.h"

class AppBase {
public:
    AppBase();
    virtual ~AppBase();

    AppBase(const AppBase&) = delete;
    AppBase& operator=(const AppBase&) = delete;

    virtual bool InitCore();
    virtual bool Exit();
    virtual bool LoadSettings();
    virtual bool SaveSettings();

    // The Startup shortcut is the autostart setting: ReadAutostart sets the
    // option from the shortcut's existence, ApplyAutostart creates or
    // deletes the shortcut to match the option.
    void ReadAutostart();
    void ApplyAutostart();

    HINSTANCE instance = nullptr;
    // Shown by the entry function when a start is refused; nothing sets it.
    WString errorText;
    WString appName;
    WString firmName;
    // The common options, saved under "Options\Common".
    OptionList options;
    // Starting with Windows: never stored, the Startup shortcut is its truth.
    CheckBoxOption autostart;
    CheckBoxOption confirmExit;
    // "Options\Windows\Main" did not exist when the program started.
    bool firstStart = false;
    SettingsStore store;
};
