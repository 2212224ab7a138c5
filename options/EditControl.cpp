#include "options/EditControl.h"

namespace {

// Shared by every edit of the process; the one thread sets and clears it
// around each SetWindowTextW.
bool editTextBeingShown = false;

}  // namespace

void ShowEditText(HWND edit, const WString& text) {
    if (editTextBeingShown) return;
    editTextBeingShown = true;
    if (edit != nullptr) SetWindowTextW(edit, text.IsSet() ? text.Buffer() : TEXT(""));
    editTextBeingShown = false;
}

WString ReadEditText(HWND edit) {
    WString text(TEXT(""));
    if (edit == nullptr) return text;
    const int length = GetWindowTextLengthW(edit);
    if (length <= 0) return text;
    WString filled;
    WCHAR* buffer = filled.AllocBuffer(length + 1);
    if (buffer == nullptr) return text;
    buffer[0] = 0;
    GetWindowTextW(edit, buffer, length + 1);
    buffer[length] = 0;
    // Copied once more so the text is exactly as long as what was read.
    text = filled.Buffer();
    return text;
}

bool IsEditTextFinished(WPARAM wParam, LPARAM lParam) {
    switch (HIWORD(wParam)) {
    case EN_KILLFOCUS:
        return true;
    case EN_UPDATE:
        return reinterpret_cast<HWND>(lParam) != GetFocus();
    default:
        return false;
    }
}
