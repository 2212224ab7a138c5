// user32: keyboard focus, activation, the foreground window and enabling.
#include "WindowManager.h"

using namespace simdesk::detail;

namespace {

std::vector<HWND> ProgramTopLevelWindows() {
    std::vector<HWND> windows;
    for (HWND handle : State().topLevel)
        if (FindProgramWindow(handle) != nullptr) windows.push_back(handle);
    return windows;
}

void SendActivateApp(bool active, DWORD otherThread) {
    for (HWND handle : ProgramTopLevelWindows())
        SendMessageW(handle, WM_ACTIVATEAPP, active ? TRUE : FALSE, static_cast<LPARAM>(otherThread));
}

DWORD ThreadOf(HWND handle) {
    Window* window = FindWindow(handle);
    return window != nullptr ? window->threadId : 0;
}

// Moves the focus with WM_KILLFOCUS and WM_SETFOCUS; windows of other
// programs keep what reached them.
HWND MoveFocus(HWND handle) {
    HWND previous = State().focus;
    if (previous == handle) return previous;
    State().focus = handle;
    if (Window* old = FindWindow(previous)) {
        if (IsProgramWindow(*old)) SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    }
    if (Window* now = FindWindow(handle); now != nullptr && State().focus == handle) {
        if (IsProgramWindow(*now)) {
            SendMessageW(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
        } else {
            now->received.push_back(MSG{handle, WM_SETFOCUS, 0, 0, Now(), {}});
        }
        RaiseWinEvent(EVENT_OBJECT_FOCUS, handle, OBJID_CLIENT, CHILDID_SELF);
    }
    return previous;
}

}  // namespace

namespace simdesk::detail {

void Activate(HWND handle) {
    auto& state = State();
    HWND previous = state.active;
    if (previous == handle) return;
    Window* old = FindWindow(previous);
    Window* next = FindWindow(handle);
    const bool oldIsProgram = old != nullptr && IsProgramWindow(*old);
    const bool nextIsProgram = next != nullptr && IsProgramWindow(*next);
    if (oldIsProgram) {
        SendMessageW(previous, WM_NCACTIVATE, FALSE, 0);
        SendMessageW(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(previous) ? 1 : 0),
                     reinterpret_cast<LPARAM>(handle));
        if (!nextIsProgram) SendActivateApp(false, ThreadOf(handle));
    }
    state.active = handle;
    if (next == nullptr) {
        if (oldIsProgram) MoveFocus(nullptr);
        return;
    }
    // The activated window comes to the top of its band. (The platform sends
    // the z-order change as a position change; the program does not look.)
    RaiseInBand(handle);
    if (!nextIsProgram) {
        // The other program focuses a window of its own; the caller says which.
        if (oldIsProgram) MoveFocus(nullptr);
        return;
    }
    if (!oldIsProgram) SendActivateApp(true, ThreadOf(previous));
    SendMessageW(handle, WM_NCACTIVATE, TRUE, 0);
    SendMessageW(handle, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, IsIconic(handle) ? 1 : 0),
                 reinterpret_cast<LPARAM>(previous));
}

// The platform activates another window when the active one goes away; here
// that is its owner when the owner can take it, otherwise no window.
void ActivationLeaves(HWND handle) {
    auto& state = State();
    Window* window = FindWindow(handle);
    if (window == nullptr) return;
    if ((window->style & WS_CHILD) != 0) {
        if (state.focus == handle || IsDescendant(handle, state.focus)) {
            HWND parent = window->parent;
            Window* parentWindow = FindWindow(parent);
            MoveFocus(parentWindow != nullptr && !parentWindow->destroying ? parent : nullptr);
        }
        return;
    }
    if (state.active != handle) return;
    HWND owner = window->owner;
    Window* ownerWindow = FindWindow(owner);
    if (ownerWindow != nullptr && !ownerWindow->destroying && (ownerWindow->style & WS_VISIBLE) != 0 &&
        (ownerWindow->style & WS_DISABLED) == 0) {
        Activate(owner);
    } else {
        Activate(nullptr);
    }
}

}  // namespace simdesk::detail

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
    if (handle == nullptr) {
        MoveFocus(nullptr);
        return previous;
    }
    // Focusing a window of an inactive, visible top-level window activates it.
    HWND root = RootOf(handle);
    if (root != State().active && IsReallyVisible(root)) Activate(root);
    if (!IsWindow(handle)) return previous;
    MoveFocus(handle);
    return previous;
}

HWND WINAPI GetActiveWindow() {
    return FindProgramWindow(State().active) != nullptr ? State().active : nullptr;
}

BOOL WINAPI SetForegroundWindow(HWND handle) {
    if (FindWindow(handle) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    HWND root = RootOf(handle);
    Activate(root);
    if (FindProgramWindow(root) == nullptr && State().focus != root && !IsDescendant(root, State().focus))
        MoveFocus(root);
    return TRUE;
}

HWND WINAPI GetForegroundWindow() {
    return FindWindow(State().active) != nullptr ? State().active : nullptr;
}

BOOL WINAPI EnableWindow(HWND handle, BOOL enable) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const BOOL wasDisabled = (window->style & WS_DISABLED) != 0 ? TRUE : FALSE;
    if ((enable != FALSE) == (wasDisabled == FALSE)) return wasDisabled;
    if (enable != FALSE) {
        window->style &= ~static_cast<DWORD>(WS_DISABLED);
    } else {
        window->style |= WS_DISABLED;
        // A disabled window gives up the focus.
        if (State().focus == handle || IsDescendant(handle, State().focus)) MoveFocus(nullptr);
    }
    SendMessageW(handle, WM_ENABLE, enable != FALSE ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND handle) {
    Window* window = FindWindow(handle);
    return window != nullptr && (window->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

namespace simdesk {

void Focus(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return;
    if (IsProgramWindow(*window)) {
        SetFocus(handle);
        return;
    }
    Activate(RootOf(handle));
    if (State().focus != handle) {
        MoveFocus(handle);
        return;
    }
    // Clicking again into the focused window raises the event again.
    window->received.push_back(MSG{handle, WM_SETFOCUS, 0, 0, Now(), {}});
    RaiseWinEvent(EVENT_OBJECT_FOCUS, handle, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace simdesk
