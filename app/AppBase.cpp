#include "app/AppBase.h"

AppBase::AppBase() {
    appName = TEXT("");
    firmName = TEXT("");
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
