#include "e2e/ProgramUi.h"

#include "e2e/TestWindow.h"

#include <vector>

namespace {

constexpr DWORD kPollMs = 50;

struct Search {
    DWORD processId;
    LPCWSTR className;
    LPCWSTR caption;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    WCHAR text[256] = {};
    GetClassNameW(window, text, 256);
    if (lstrcmpW(text, search->className) != 0) return TRUE;
    GetWindowTextW(window, text, 256);
    if (lstrcmpW(text, search->caption) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindNow(DWORD processId, LPCWSTR className, LPCWSTR caption) {
    Search search{processId, className, caption, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The driver's own windows keep being served while it waits.
void Idle(DWORD milliseconds) {
    ReceivedInput ignored;
    PumpMessages(milliseconds, ignored);
}

}  // namespace

HWND WaitForWindow(DWORD processId, LPCWSTR className, LPCWSTR caption, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        if (HWND window = FindNow(processId, className, caption)) return window;
        if (GetTickCount64() >= end) return nullptr;
        Idle(kPollMs);
    }
}

bool StaysAbsent(DWORD processId, LPCWSTR className, LPCWSTR caption, DWORD milliseconds) {
    return WaitForWindow(processId, className, caption, milliseconds) == nullptr;
}

bool WaitUntilGone(HWND window, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount64() >= end) return false;
        Idle(kPollMs);
    }
    return true;
}

std::wstring ControlText(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    if (control == nullptr) return L"";
    // GetWindowTextW cannot read another process's edit control; WM_GETTEXT can.
    const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::vector<WCHAR> text(static_cast<size_t>(length) + 1, 0);
    SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::wstring(text.data());
}

bool ControlEnabled(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    return control != nullptr && IsWindowEnabled(control);
}

bool ButtonChecked(HWND dialog, int controlId) {
    return SendDlgItemMessageW(dialog, controlId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ClickControl(HWND dialog, int controlId) {
    PostMessageW(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
    Idle(300);
}

std::string Narrow(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), size, nullptr, nullptr);
    narrow.resize(narrow.size() - 1);
    return narrow;
}
