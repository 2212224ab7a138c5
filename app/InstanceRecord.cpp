// One copy of the program per user: the running copy records its main
// window's handle in the settings; a new copy that finds the window alive
// brings it forward and ends.
#include "app/MainDialog.h"
#include "app/SingleInstanceApp.h"
#include "settings/WindowPlacement.h"

namespace {

const WCHAR kMainSection[] = TEXT("Options\\Windows\\Main");
const WCHAR kHandleKey[] = TEXT("Handle");

// Handles are reused: a record left by a copy that did not end normally may
// name a window of some other program by now. Only a main window of this
// program (a top-level dialog with the main window's caption) counts.
bool IsMainWindowOfThisProgram(HWND window) {
    if (!IsWindow(window) || GetParent(window) != nullptr) return false;
    WCHAR className[16] = {};
    if (GetClassNameW(window, className, 16) == 0 || lstrcmpW(className, TEXT("#32770")) != 0) return false;
    WCHAR caption[64] = {};
    GetWindowTextW(window, caption, 64);
    return lstrcmpW(caption, kMainWindowCaption) == 0;
}

}  // namespace

bool SingleInstanceApp::BringRunningInstanceForward() {
    WString text;
    if (!store.ReadString(kMainSection, kHandleKey, text)) return false;
    // The record holds the handle's 32-bit value; window handles fit in it
    // on 64-bit Windows too, sign-extended.
    HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(text.ToInt()));
    if (window == nullptr || !IsMainWindowOfThisProgram(window)) return false;
    RestoreFromMinimized(window);
    SetForegroundWindow(window);
    return true;
}

void SingleInstanceApp::RecordMainWindow(HWND window) {
    store.WriteInt(kMainSection, kHandleKey, static_cast<int>(reinterpret_cast<LONG_PTR>(window)));
}

void SingleInstanceApp::ClearMainWindowRecord() {
    store.WriteString(kMainSection, kHandleKey, WString());
}
