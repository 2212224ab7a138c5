#include "app/TrayApp.h"

TrayApp::TrayApp() = default;

TrayApp::~TrayApp() = default;

bool TrayApp::InitInstance() {
    return SingleInstanceApp::InitInstance();
}
