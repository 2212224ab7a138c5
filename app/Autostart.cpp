// Starting with Windows through a shortcut in the user's Startup folder.
#include "app/AppBase.h"
#include "app/Shortcut.h"

namespace {

// The shortcut's place: the Startup folder, a backslash, the application
// name and ".lnk". False when the shell cannot name the folder.
bool StartupShortcutPath(const WString& appName, WString& path) {
    WCHAR folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder))) return false;
    path = WString(folder) + TEXT("\\") + appName + TEXT(".lnk");
    return path.IsSet();
}

}  // namespace

void AppBase::ReadAutostart() {
    WString shortcut;
    if (!StartupShortcutPath(appName, shortcut)) {
        autostart.Set(false);
        return;
    }
    autostart.Set(PathFileExistsW(shortcut.Buffer()) == TRUE);
}

void AppBase::ApplyAutostart() {
    WString shortcut;
    if (!StartupShortcutPath(appName, shortcut)) return;
    if (!autostart.Get()) {
        DeleteFileW(shortcut.Buffer());
        return;
    }
    WCHAR program[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(instance, program, MAX_PATH);
    // A path that filled the buffer was cut short: a shortcut to it would
    // point nowhere, so none is made.
    if (length == 0 || length >= MAX_PATH) return;
    CreateShortcut(program, shortcut.Buffer(), appName.Buffer());
}
