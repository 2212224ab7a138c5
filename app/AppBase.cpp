#include "app/AppBase.h"

#include "settings/ProgramNames.h"

AppBase::AppBase() : options(&store), store(true) {
    appName = TEXT("");
    firmName = TEXT("");
    autostart.SetValue(true);
    confirmExit.SetValue(true);
    firstStart = false;
    instance = nullptr;
    // The INI backend builds its folders from the names of the application.
    SetProgramNames(&firmName, &appName);
}

AppBase::~AppBase() = default;

bool AppBase::InitCore() {
    if (!appName.IsSet() || appName.Length() == 0) return false;
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
