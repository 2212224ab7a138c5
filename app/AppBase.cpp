#include "app/AppBase.h"

AppBase::AppBase() : options(&store), store(true) {
    appName = TEXT("");
    firmName = TEXT("");
    autostart.SetValue(true);
    confirmExit.SetValue(true);
    firstStart = false;
    instance = nullptr;
}

AppBase::~AppBase() = default;

bool AppBase::InitCore() {
    if (!appName.IsSet() || appName.Length() == 0) return false;
    // The INI backend names its folders after the program; the store keeps
    // its own copies, so it never looks at another object's members.
    store.SetProgramNames(firmName, appName);
    instance = GetModuleHandleW(nullptr);
    return true;
}

bool AppBase::Exit() {
    PostQuitMessage(0);
    return true;
}

bool AppBase::LoadSettings() {
    return true;
}

bool AppBase::SaveSettings() {
    return true;
}
