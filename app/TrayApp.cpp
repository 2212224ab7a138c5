#include "app/TrayApp.h"

TrayApp::TrayApp() {
    minimizeToTray.SetValue(true);
    hideInTray.SetValue(false);
    keepInTray.SetValue(true);
}

TrayApp::~TrayApp() = default;

bool TrayApp::InitInstance() {
    options.Add(&minimizeToTray, TEXT("MinimizeToTray"));
    options.Add(&hideInTray, TEXT("HideInTray"));
    options.Add(&keepInTray, TEXT("KeepInTray"));
    return SingleInstanceApp::InitInstance();
}
