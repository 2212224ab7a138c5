// user32: window texts. Every text goes through the window procedure
// (WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH), so controls see their own.
#include "WindowManager.h"

#include <algorithm>

using namespace simdesk::detail;

BOOL WINAPI SetWindowTextW(HWND window, LPCWSTR text) {
    if (FindWindow(window) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int WINAPI GetWindowTextW(HWND handle, LPWSTR text, int maxCount) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        if (text != nullptr && maxCount > 0) text[0] = 0;
        return 0;
    }
    if (text == nullptr || maxCount <= 0) return 0;
    if (!IsProgramWindow(*window)) {
        // Another program's window: its caption, without asking that program.
        const int count = std::min<int>(static_cast<int>(window->text.size()), maxCount - 1);
        for (int i = 0; i < count; ++i) text[i] = window->text[static_cast<std::size_t>(i)];
        text[count] = 0;
        return count;
    }
    text[0] = 0;
    return static_cast<int>(SendMessageW(handle, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(text)));
}

int WINAPI GetWindowTextLengthW(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (!IsProgramWindow(*window)) return static_cast<int>(window->text.size());
    return static_cast<int>(SendMessageW(handle, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? SetWindowTextW(control, text) : FALSE;
}

UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR text, int maxCount) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) {
        if (text != nullptr && maxCount > 0) text[0] = 0;
        return 0;
    }
    return static_cast<UINT>(GetWindowTextW(control, text, maxCount));
}
