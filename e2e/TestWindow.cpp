#include "e2e/TestWindow.h"

#include <cstdio>

namespace {

LPCWSTR ClassName() {
    return TEXT("VintraE2eDriverWindow");
}

bool RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
        windowClass.lpszClassName = ClassName();
        return RegisterClassExW(&windowClass) != 0;
    }();
    return registered;
}

std::string Hex(WPARAM value) {
    char text[32];
    std::snprintf(text, sizeof(text), "0x%02llX", static_cast<unsigned long long>(value));
    return text;
}

void Record(const MSG& message, ReceivedInput& received) {
    const char* name = nullptr;
    switch (message.message) {
    case WM_KEYDOWN: name = "WM_KEYDOWN"; break;
    case WM_SYSKEYDOWN: name = "WM_SYSKEYDOWN"; break;
    case WM_KEYUP: name = "WM_KEYUP"; break;
    case WM_SYSKEYUP: name = "WM_SYSKEYUP"; break;
    case WM_CHAR: name = "WM_CHAR"; break;
    case WM_SYSCHAR: name = "WM_SYSCHAR"; break;
    default: return;
    }
    received.log.push_back(std::string(name) + " " + Hex(message.wParam));
    const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    const bool up = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
    if (down && message.wParam == '2') ++received.twoKeyDowns;
    if (up && message.wParam == '2') ++received.twoKeyUps;
    if (message.message == WM_CHAR || message.message == WM_SYSCHAR) {
        if (message.wParam == '@')
            ++received.atCharacters;
        else
            ++received.otherCharacters;
    }
}

}  // namespace

std::string ReceivedInput::Describe() const {
    std::string text;
    for (const std::string& entry : log) text += (text.empty() ? "" : ", ") + entry;
    return text.empty() ? "(no key or character messages)" : text;
}

TestWindow::TestWindow(LPCWSTR title) {
    if (!RegisterOnce()) return;
    window_ = CreateWindowExW(0, ClassName(), title, WS_OVERLAPPEDWINDOW, 100, 100, 320, 200, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (window_ != nullptr) {
        ShowWindow(window_, SW_SHOWNORMAL);
        UpdateWindow(window_);
    }
}

TestWindow::~TestWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
}

bool TestWindow::TakeFocus() {
    if (window_ == nullptr) return false;
    ReceivedInput ignored;
    for (int attempt = 0; attempt < 20 && !HasFocus(); ++attempt) {
        SetForegroundWindow(window_);
        SetActiveWindow(window_);
        SetFocus(window_);
        PumpMessages(50, ignored);
    }
    return HasFocus();
}

bool TestWindow::HasFocus() const {
    return window_ != nullptr && GetForegroundWindow() == window_ && GetFocus() == window_;
}

void PumpMessages(DWORD milliseconds, ReceivedInput& received) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            Record(message, received);
            DispatchMessageW(&message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}
