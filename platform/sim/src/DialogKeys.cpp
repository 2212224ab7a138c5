// user32: the dialog manager's keyboard (IsDialogMessageW) and its walks
// through the controls: tab order and groups.
#include "WindowManager.h"

using namespace simdesk::detail;

namespace {

bool CanTakeFocus(const Window& window) {
    return (window.style & WS_VISIBLE) != 0 && (window.style & WS_DISABLED) == 0;
}

// The dialog's controls in tab order; controls inside a child dialog that
// is a control parent (a page) count as the dialog's own.
void CollectControls(HWND parent, std::vector<HWND>& out) {
    Window* window = FindWindow(parent);
    if (window == nullptr) return;
    for (HWND child : window->children) {
        Window* control = FindWindow(child);
        if (control == nullptr) continue;
        if ((control->exStyle & WS_EX_CONTROLPARENT) != 0) {
            if (CanTakeFocus(*control)) CollectControls(child, out);
            continue;
        }
        out.push_back(child);
    }
}

bool IsTabStop(HWND handle) {
    Window* window = FindWindow(handle);
    return window != nullptr && CanTakeFocus(*window) && (window->style & WS_TABSTOP) != 0;
}

LRESULT DialogCode(HWND control, MSG* message) {
    if (control == nullptr) return 0;
    return SendMessageW(control, WM_GETDLGCODE, message != nullptr ? message->wParam : 0,
                        reinterpret_cast<LPARAM>(message));
}

void Command(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    // A disabled button does not answer its key.
    if (control != nullptr && !IsWindowEnabled(control)) return;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

// Enter is the default identifier's command, even with the focus on another
// push button put there by SetFocus (as Wine does; moving between buttons
// with Tab does not make them the default here).
void PressEnter(HWND dialog) {
    const LRESULT defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    Command(dialog, HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK);
}

void MoveByTab(HWND dialog, HWND focus, bool backwards) {
    HWND next = GetNextDlgTabItem(dialog, focus, backwards ? TRUE : FALSE);
    if (next == nullptr) return;
    SetFocus(next);
    // Tabbing into an edit selects its whole text.
    if ((DialogCode(next, nullptr) & DLGC_HASSETSEL) != 0) SendMessageW(next, EM_SETSEL, 0, -1);
}

}  // namespace

HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    if (FindWindow(dialog) == nullptr) return nullptr;
    std::vector<HWND> controls;
    CollectControls(dialog, controls);
    if (controls.empty()) return nullptr;
    const int count = static_cast<int>(controls.size());
    int start = -1;
    for (int i = 0; i < count; ++i)
        if (controls[static_cast<std::size_t>(i)] == control) start = i;
    if (start < 0) start = previous != FALSE ? 0 : count - 1;
    for (int step = 1; step <= count; ++step) {
        const int index = previous != FALSE ? (start - step + count) % count : (start + step) % count;
        HWND candidate = controls[static_cast<std::size_t>(index)];
        if (IsTabStop(candidate)) return candidate;
    }
    return control;
}

HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    Window* window = FindWindow(control);
    if (FindWindow(dialog) == nullptr || window == nullptr) return nullptr;
    const auto& siblings = SiblingsOf(*window);
    // The group runs from a WS_GROUP control up to the next one.
    std::size_t self = 0;
    while (self < siblings.size() && siblings[self] != control) ++self;
    std::size_t first = self;
    while (first > 0) {
        Window* candidate = FindWindow(siblings[first]);
        if (candidate != nullptr && (candidate->style & WS_GROUP) != 0) break;
        --first;
    }
    std::size_t last = self;
    while (last + 1 < siblings.size()) {
        Window* candidate = FindWindow(siblings[last + 1]);
        if (candidate != nullptr && (candidate->style & WS_GROUP) != 0) break;
        ++last;
    }
    const std::size_t size = last - first + 1;
    for (std::size_t step = 1; step < size; ++step) {
        const std::size_t offset = self - first;
        const std::size_t index = first + (previous != FALSE ? (offset + size - step) % size : (offset + step) % size);
        Window* candidate = FindWindow(siblings[index]);
        if (candidate != nullptr && CanTakeFocus(*candidate)) return siblings[index];
    }
    return control;
}

// The dialog keys: Tab and Shift+Tab move between tab stops, Enter clicks
// the focused push button or the default one (IDOK when there is none), Esc
// is IDCANCEL. A control that asks for a key (WM_GETDLGCODE) gets it.
// Arrow keys between the buttons of a group are not simulated.
BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG message) {
    if (message == nullptr || FindWindow(dialog) == nullptr) return FALSE;
    if (message->hwnd != dialog && !IsChild(dialog, message->hwnd)) return FALSE;
    if (message->message == WM_KEYDOWN) {
        const LRESULT code = DialogCode(message->hwnd, message);
        const bool wantsIt = (code & DLGC_WANTMESSAGE) != 0;
        HWND focus = GetFocus();
        switch (message->wParam) {
            case VK_TAB:
                if (wantsIt || (code & DLGC_WANTTAB) != 0) break;
                MoveByTab(dialog, focus, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
                return TRUE;
            case VK_RETURN:
                if (wantsIt) break;
                PressEnter(dialog);
                return TRUE;
            case VK_ESCAPE:
                if (wantsIt) break;
                Command(dialog, IDCANCEL);
                return TRUE;
            default:
                break;
        }
    }
    TranslateMessage(message);
    DispatchMessageW(message);
    return TRUE;
}
