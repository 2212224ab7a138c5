// Helpers of the window manager suites, on the Win32 surface only, so the
// same suites judge the simulated desktop and the platform: a log of the
// messages windows receive, a window class and a dialog procedure that write
// it, and a user who acts from a timer while a modal loop runs.
#pragma once

#include "Platform.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

namespace winmgr_test {

// Identifiers of the suites' dialog templates (tests/common/res).
constexpr int kControlsDialog = 9101;
constexpr int kClassicDialog = 9102;
constexpr int kPlainDialog = 9103;
constexpr int kMissingDialog = 9199;
constexpr int kCheck = 9110;
constexpr int kThree = 9111;
constexpr int kGroupBox = 9112;
constexpr int kRadioOne = 9113;
constexpr int kRadioTwo = 9114;
constexpr int kRadioOther = 9115;
constexpr int kEdit = 9116;
constexpr int kMultiLineEdit = 9117;
constexpr int kLabel = 9118;
constexpr int kDisabledButton = 9119;

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT positionFlags;  // WINDOWPOS.flags of WM_WINDOWPOSCHANGING/CHANGED
    LPVOID createParams;  // CREATESTRUCTW.lpCreateParams of WM_NCCREATE/WM_CREATE
};

inline std::vector<Received>& Log() {
    static std::vector<Received> log;
    return log;
}

inline void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    UINT flags = 0;
    if ((message == WM_WINDOWPOSCHANGED || message == WM_WINDOWPOSCHANGING) && lParam != 0)
        flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
    LPVOID createParams = nullptr;
    if ((message == WM_NCCREATE || message == WM_CREATE) && lParam != 0)
        createParams = reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams;
    Log().push_back(Received{window, message, wParam, lParam, flags, createParams});
}

// The messages of interest that `window` received, in order.
inline std::vector<UINT> MessagesOf(HWND window, std::initializer_list<UINT> interesting) {
    std::vector<UINT> out;
    for (const Received& r : Log()) {
        if (r.window != window) continue;
        for (UINT m : interesting)
            if (r.message == m) out.push_back(m);
    }
    return out;
}

inline int IndexOf(HWND window, UINT message, int from = 0) {
    for (int i = from; i < static_cast<int>(Log().size()); ++i)
        if (Log()[static_cast<std::size_t>(i)].window == window && Log()[static_cast<std::size_t>(i)].message == message)
            return i;
    return -1;
}

// Commands (WM_COMMAND) a window received: (identifier, notification code).
inline std::vector<std::pair<int, int>> CommandsOf(HWND window) {
    std::vector<std::pair<int, int>> out;
    for (const Received& r : Log())
        if (r.window == window && r.message == WM_COMMAND) out.emplace_back(LOWORD(r.wParam), HIWORD(r.wParam));
    return out;
}

inline LRESULT CALLBACK RecordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Record(window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

// Registered on every use: a fresh simulated desktop has forgotten it, and
// a second registration just fails.
inline const WCHAR* TestClass() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = RecordingWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = TEXT("WinmgrTestWindow");
    RegisterClassExW(&windowClass);
    return TEXT("WinmgrTestWindow");
}

inline HWND CreateTestWindow(DWORD style, int x, int y, int width, int height, HWND parent = nullptr, int id = 0) {
    return CreateWindowExW(0, TestClass(), TEXT("Winmgr window"), style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

// What the suites' dialog procedure does beyond recording: a test may answer
// a message itself (returning true and setting `result`).
inline std::function<bool(HWND, UINT, WPARAM, LPARAM, INT_PTR& result)>& DialogHandler() {
    static std::function<bool(HWND, UINT, WPARAM, LPARAM, INT_PTR&)> handler;
    return handler;
}

// Records every message; OK and Cancel end a modal run, as a plain dialog does.
inline INT_PTR CALLBACK RecordingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Record(dialog, message, wParam, lParam);
    INT_PTR result = 0;
    if (DialogHandler() && DialogHandler()(dialog, message, wParam, lParam, result)) return result;
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (wParam == IDOK || wParam == IDCANCEL)) {
        EndDialog(dialog, static_cast<INT_PTR>(wParam));
        return TRUE;
    }
    return FALSE;
}

// The user's actions while a modal loop runs, one per timer tick. When the
// actions run out and the loop still waits, the user gives up after a while
// and the test fails instead of hanging.
class UserScript {
public:
    static UserScript& Current() {
        static UserScript script;
        return script;
    }

    void Then(std::function<void()> action) {
        actions_.push_back(std::move(action));
        idleTicks_ = 0;
        if (timer_ == 0) timer_ = SetTimer(nullptr, 0, 10, &UserScript::Tick);
    }

    // Stops the timer; a pending WM_QUIT from giving up is taken away.
    void Finish() {
        if (timer_ != 0) KillTimer(nullptr, timer_);
        timer_ = 0;
        actions_.clear();
        MSG message;
        while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        UserScript& self = Current();
        if (!self.actions_.empty()) {
            auto action = std::move(self.actions_.front());
            self.actions_.pop_front();
            action();
            return;
        }
        if (++self.idleTicks_ < 300) return;
        ADD_FAILURE() << "a modal loop still runs after the user's last action";
        self.idleTicks_ = 0;
        PostQuitMessage(0);
    }

    std::deque<std::function<void()>> actions_;
    UINT_PTR timer_ = 0;
    int idleTicks_ = 0;
};

// Each test starts with an empty log and no dialog handler, and leaves no
// window or timer behind.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Log().clear();
        DialogHandler() = nullptr;
    }
    void TearDown() override {
        UserScript::Current().Finish();
        for (HWND window : windows_)
            if (IsWindow(window)) DestroyWindow(window);
        DialogHandler() = nullptr;
        Log().clear();
    }
    HWND Keep(HWND window) {
        windows_.push_back(window);
        return window;
    }
    HWND Window(DWORD style = WS_OVERLAPPEDWINDOW, int x = 100, int y = 50, int width = 300, int height = 200) {
        return Keep(CreateTestWindow(style, x, y, width, height));
    }
    HWND Dialog(int id, HWND parent = nullptr, LPARAM param = 0) {
        return Keep(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), parent, RecordingDialogProc,
                                       param));
    }
    INT_PTR RunDialog(int id, HWND parent = nullptr, LPARAM param = 0) {
        return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), parent, RecordingDialogProc, param);
    }
    void Then(std::function<void()> action) { UserScript::Current().Then(std::move(action)); }

private:
    std::vector<HWND> windows_;
};

}  // namespace winmgr_test
