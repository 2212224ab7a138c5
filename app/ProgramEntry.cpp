#include "app/ProgramEntry.h"

#include "app/InserterApp.h"

namespace {

// No IsDialogMessageW: the modeless main window gets no dialog keyboard
// handling; modal dialogs run loops of their own.
void RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

int RunProgram(InserterApp& app) {
    if (!app.InitInstance()) {
        if (app.errorText.IsSet() && app.errorText.Length() > 0)
            MessageBoxW(nullptr, app.errorText.Buffer(), TEXT("Error"), MB_SYSTEMMODAL | MB_ICONERROR);
        return kExitRefused;
    }
    RunMessageLoop();
    return kExitNormal;
}
