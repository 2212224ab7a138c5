#include "app/SingleInstanceApp.h"

SingleInstanceApp::SingleInstanceApp() {
    startMinimize.SetValue(2);
    closeMinimize.SetValue(false);
    singleInstance = true;
}

SingleInstanceApp::~SingleInstanceApp() = default;

bool SingleInstanceApp::InitInstance() {
    return InitCore();
}

bool SingleInstanceApp::Exit() {
    return AppBase::Exit();
}
