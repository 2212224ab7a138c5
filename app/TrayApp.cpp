#include "app/TrayApp.h"

TrayApp::TrayApp() {
    minimizeToTray.SetValue(true);
    hideInTray.SetValue(false);
    keepInTray.SetValue(true);
}

TrayApp::~TrayApp() = default;

bool TrayApp::InitInstance() {
    return SingleInstanceApp::InitInstance();
}
