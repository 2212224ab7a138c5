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
    if (store.UsesRegistry()) {
        store.AddPlaceholder(TEXT("*firm*"), firmName + TEXT("\\"));
        store.AddPlaceholder(TEXT("*app*"), appName + TEXT("\\"));
        store.SetRoot(TEXT("Software\\*firm**app*"));
    }
    // The main window saves its placement there when it is destroyed, so the
    // section exists from the end of the first run on.
    firstStart = !store.SectionExists(TEXT("Options\\Windows\\Main"));
    if (firstStart)
        ApplyAutostart();
    else
        ReadAutostart();
    options.Add(&confirmExit, TEXT("ConfirmExit"));
    return true;
}

bool AppBase::Exit() {
    options.Clear();
    PostQuitMessage(0);
    return true;
}

bool AppBase::LoadSettings() {
    options.LoadAll(TEXT("Options\\Common"));
    return true;
}

bool AppBase::SaveSettings() {
    options.SaveAll(TEXT("Options\\Common"));
    return true;
}
