// user32: window classes and the window table.
#include "State.h"

#include <algorithm>

using namespace simdesk::detail;

namespace {

struct WindowClass {
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
};

std::map<std::u16string, WindowClass>& Classes() {
    static std::map<std::u16string, WindowClass> classes;
    return classes;
}

// Handle values look like the platform's (small, even, never reused within a
// run), so a stale handle is not mistaken for a new window.
std::uintptr_t NextHandleValue() {
    static std::uintptr_t next = 0x10010;
    next += 2;
    return next;
}

const bool kRegistered = [] {
    OnReset([] { Classes().clear(); });
    return true;
}();

std::u16string ClassKey(LPCWSTR name) {
    std::u16string key;
    for (LPCWSTR p = name; *p != 0; ++p) key.push_back(*p >= u'a' && *p <= u'z' ? static_cast<char16_t>(*p - 32) : *p);
    return key;
}

HWND NewWindow(Window window) {
    window.handle = reinterpret_cast<HWND>(NextHandleValue());
    HWND handle = window.handle;
    State().windows[reinterpret_cast<std::uintptr_t>(handle)] = std::move(window);
    return handle;
}

}  // namespace

namespace simdesk::detail {

Window* FindWindow(HWND window) {
    auto found = State().windows.find(reinterpret_cast<std::uintptr_t>(window));
    return found != State().windows.end() ? &found->second : nullptr;
}

bool IsProgramWindow(const Window& window) {
    return window.processId == kProgramProcessId;
}

}  // namespace simdesk::detail

ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* windowClass) {
    (void)kRegistered;
    if (windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXW) || windowClass->lpszClassName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::u16string key = ClassKey(windowClass->lpszClassName);
    if (Classes().count(key) != 0) {
        SetLastError(1410);  // ERROR_CLASS_ALREADY_EXISTS
        return 0;
    }
    Classes()[key] = WindowClass{windowClass->lpfnWndProc, windowClass->hInstance};
    return static_cast<ATOM>(0xC000 + Classes().size());
}

BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE /*instance*/) {
    if (className == nullptr) return FALSE;
    return Classes().erase(ClassKey(className)) != 0 ? TRUE : FALSE;
}

HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int /*x*/, int /*y*/,
                            int /*width*/, int /*height*/, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    if (className == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto found = Classes().find(ClassKey(className));
    if (found == Classes().end()) {
        SetLastError(1407);  // ERROR_CANNOT_FIND_WND_CLASS
        return nullptr;
    }
    Window window;
    window.processId = kProgramProcessId;
    window.threadId = kProgramThreadId;
    window.className = className;
    if (windowName != nullptr) window.text = windowName;
    window.procedure = found->second.procedure;
    window.style = style;
    window.exStyle = exStyle;
    window.parent = parent == HWND_MESSAGE ? nullptr : parent;
    window.instance = instance;
    if ((style & WS_CHILD) != 0) window.id = reinterpret_cast<LONG_PTR>(menu);
    HWND handle = NewWindow(std::move(window));

    CREATESTRUCTW create = {};
    create.lpCreateParams = param;
    create.hInstance = instance;
    create.hMenu = menu;
    create.hwndParent = parent;
    create.style = static_cast<LONG>(style);
    create.lpszName = windowName;
    create.lpszClass = className;
    create.dwExStyle = exStyle;
    LPARAM createParam = reinterpret_cast<LPARAM>(&create);
    if (SendMessageW(handle, WM_NCCREATE, 0, createParam) == 0 || SendMessageW(handle, WM_CREATE, 0, createParam) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    return handle;
}

BOOL WINAPI DestroyWindow(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (window->threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    SendMessageW(handle, WM_DESTROY, 0, 0);
    std::vector<HWND> children;
    for (auto& [value, candidate] : State().windows)
        if (candidate.parent == handle) children.push_back(candidate.handle);
    for (HWND child : children) DestroyWindow(child);
    SendMessageW(handle, WM_NCDESTROY, 0, 0);
    if (State().focus == handle) State().focus = nullptr;
    State().windows.erase(reinterpret_cast<std::uintptr_t>(handle));
    // Posted messages for a window that no longer exists are never delivered.
    auto& queue = ProgramThread().queue;
    queue.erase(std::remove_if(queue.begin(), queue.end(), [handle](const MSG& m) { return m.hwnd == handle; }),
                queue.end());
    return TRUE;
}

BOOL WINAPI IsWindow(HWND window) {
    return FindWindow(window) != nullptr ? TRUE : FALSE;
}

DWORD WINAPI GetWindowThreadProcessId(HWND handle, LPDWORD processId) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (processId != nullptr) *processId = window->processId;
    return window->threadId;
}

LRESULT WINAPI DefWindowProcW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return 0;
    switch (message) {
        case WM_NCCREATE:
            return TRUE;
        case WM_CLOSE:
            DestroyWindow(handle);
            return 0;
        case WM_SETTEXT:
            window->text = lParam != 0 ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string();
            return TRUE;
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(window->text.size());
        case WM_GETTEXT: {
            auto* out = reinterpret_cast<LPWSTR>(lParam);
            if (out == nullptr || wParam == 0) return 0;
            const std::size_t count = std::min<std::size_t>(window->text.size(), wParam - 1);
            for (std::size_t i = 0; i < count; ++i) out[i] = window->text[i];
            out[count] = 0;
            return static_cast<LRESULT>(count);
        }
        default:
            return 0;
    }
}

HWND WINAPI GetFocus() {
    HWND focus = State().focus;
    Window* window = FindWindow(focus);
    // GetFocus only names windows of the calling thread.
    return window != nullptr && window->threadId == GetCurrentThreadId() ? focus : nullptr;
}

HWND WINAPI SetFocus(HWND handle) {
    Window* window = FindWindow(handle);
    if (handle != nullptr && (window == nullptr || window->threadId != GetCurrentThreadId())) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    HWND previous = GetFocus();
    if (previous == handle) return previous;
    State().focus = handle;
    if (previous != nullptr) SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    if (handle != nullptr) {
        SendMessageW(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
        RaiseWinEvent(EVENT_OBJECT_FOCUS, handle, OBJID_CLIENT, CHILDID_SELF);
    }
    return previous;
}

HWND WINAPI GetForegroundWindow() {
    HWND focus = State().focus;
    Window* window = FindWindow(focus);
    while (window != nullptr && window->parent != nullptr) {
        focus = window->parent;
        window = FindWindow(focus);
    }
    return window != nullptr ? focus : nullptr;
}

namespace simdesk {

HWND OpenWindow(const OtherProgram& program, const std::string& title) {
    Window window;
    window.processId = program.processId;
    window.threadId = program.threadId;
    window.className = u"OtherProgramWindow";
    window.text = ToUtf16(title);
    window.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    return NewWindow(std::move(window));
}

void CloseWindow(HWND handle) {
    if (State().focus == handle) State().focus = nullptr;
    State().windows.erase(reinterpret_cast<std::uintptr_t>(handle));
}

const std::vector<MSG>& ReceivedMessages(HWND handle) {
    static const std::vector<MSG> none;
    Window* window = FindWindow(handle);
    return window != nullptr ? window->received : none;
}

int CountReceived(HWND window, UINT message) {
    const auto& received = ReceivedMessages(window);
    return static_cast<int>(std::count_if(received.begin(), received.end(), [&](const MSG& m) { return m.message == message; }));
}

int CountReceived(HWND window, UINT message, WPARAM wParam) {
    const auto& received = ReceivedMessages(window);
    return static_cast<int>(std::count_if(received.begin(), received.end(),
                                          [&](const MSG& m) { return m.message == message && m.wParam == wParam; }));
}

void Focus(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return;
    if (IsProgramWindow(*window)) {
        SetFocus(handle);
        return;
    }
    HWND previous = GetFocus();
    State().focus = handle;
    if (previous != nullptr) SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    window->received.push_back(MSG{handle, WM_SETFOCUS, 0, 0, Now(), {}});
    RaiseWinEvent(EVENT_OBJECT_FOCUS, handle, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace simdesk
