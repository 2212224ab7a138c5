#include "app/SingleInstanceApp.h"

SingleInstanceApp::SingleInstanceApp() = default;

SingleInstanceApp::~SingleInstanceApp() = default;

bool SingleInstanceApp::InitInstance() {
    return InitCore();
}

bool SingleInstanceApp::Exit() {
    return AppBase::Exit();
}
