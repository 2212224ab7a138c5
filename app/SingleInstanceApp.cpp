#include "app/SingleInstanceApp.h"

#include "dialogs/Dialog.h"

SingleInstanceApp::SingleInstanceApp() {
    startMinimize.SetValue(2);
    closeMinimize.SetValue(false);
    singleInstance = true;
}

SingleInstanceApp::~SingleInstanceApp() = default;

bool SingleInstanceApp::InitInstance() {
    options.Add(&startMinimize, TEXT("StartMinimize"));
    options.Add(&closeMinimize, TEXT("CloseMinimize"));
    bool result = InitCore();
    // A refused InitCore has set up no store to read the record from.
    if (result && singleInstance && BringRunningInstanceForward()) result = false;
    return result;
}

bool SingleInstanceApp::ShowMainWindow() {
    HWND window = CreateMainWindow(nullptr);
    if (singleInstance && !firstStart) RecordMainWindow(window);
    return window != nullptr;
}

bool SingleInstanceApp::Exit() {
    HWND window = MainWindow().Handle();
    if (window != nullptr && IsWindow(window)) EndDialog(window, IDCANCEL);
    if (singleInstance) ClearMainWindowRecord();
    return AppBase::Exit();
}
