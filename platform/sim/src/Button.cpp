// The "Button" window class: push buttons, check boxes, three-state boxes,
// radio buttons and group boxes. It tells its parent BN_CLICKED itself.
#include "WindowManager.h"

using namespace simdesk::detail;

namespace {

struct ButtonState {
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
};

std::map<HWND, ButtonState>& Buttons() {
    static std::map<HWND, ButtonState> buttons;
    return buttons;
}

const bool kRegistered = [] {
    OnReset([] { Buttons().clear(); });
    return true;
}();

DWORD Type(HWND button) {
    return static_cast<DWORD>(GetWindowLongW(button, GWL_STYLE)) & BS_TYPEMASK;
}

bool IsCheckType(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

bool IsRadioType(DWORD type) {
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

LRESULT DialogCode(DWORD type) {
    switch (type) {
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_PUSHBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX:
            return DLGC_STATIC;
        default:
            return DLGC_BUTTON;
    }
}

// A checked radio button is the group's tab stop; the platform moves
// WS_TABSTOP with the check.
void SetCheck(HWND button, WPARAM value) {
    const DWORD type = Type(button);
    auto found = Buttons().find(button);
    if (found == Buttons().end()) return;
    if (IsCheckType(type)) {
        const bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
        found->second.check = value == BST_INDETERMINATE && threeState ? BST_INDETERMINATE
                              : value != BST_UNCHECKED                 ? BST_CHECKED
                                                                       : BST_UNCHECKED;
    } else if (IsRadioType(type)) {
        found->second.check = value != BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED;
        const LONG style = GetWindowLongW(button, GWL_STYLE);
        const LONG tabStop = found->second.check == BST_CHECKED ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        if (tabStop != style) SetWindowLongW(button, GWL_STYLE, tabStop);
    }
}

// Checks this auto radio button and clears the other auto radio buttons of
// its group (up to the next WS_GROUP sibling).
void CheckInGroup(HWND button) {
    HWND first = button;
    while ((GetWindowLongW(first, GWL_STYLE) & WS_GROUP) == 0) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (previous == nullptr) break;
        first = previous;
    }
    for (HWND sibling = first; sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first && (GetWindowLongW(sibling, GWL_STYLE) & WS_GROUP) != 0) break;
        if (Type(sibling) == BS_AUTORADIOBUTTON)
            SendMessageW(sibling, BM_SETCHECK, sibling == button ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

// What a completed click does: the auto kinds change their state, then the
// parent hears BN_CLICKED.
void Clicked(HWND button) {
    const DWORD type = Type(button);
    const UINT check = static_cast<UINT>(SendMessageW(button, BM_GETCHECK, 0, 0));
    switch (type) {
        case BS_AUTOCHECKBOX:
            SendMessageW(button, BM_SETCHECK, check == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case BS_AUTO3STATE:
            // Cleared, checked, indeterminate, cleared again.
            SendMessageW(button, BM_SETCHECK,
                         check == BST_UNCHECKED ? BST_CHECKED
                         : check == BST_CHECKED ? BST_INDETERMINATE
                                                : BST_UNCHECKED,
                         0);
            break;
        case BS_AUTORADIOBUTTON:
            CheckInGroup(button);
            break;
        default:
            break;
    }
    if (IsWindow(button)) NotifyParent(button, BN_CLICKED);
}

bool Inside(HWND button, LPARAM point) {
    RECT client{};
    GetClientRect(button, &client);
    const int x = static_cast<short>(LOWORD(point));
    const int y = static_cast<short>(HIWORD(point));
    return x >= 0 && y >= 0 && x <= client.right && y <= client.bottom;
}

}  // namespace

namespace simdesk::detail {

LRESULT CALLBACK ButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)kRegistered;
    const DWORD type = Type(button);
    switch (message) {
        case WM_NCCREATE:
            Buttons()[button] = ButtonState{};
            return DefWindowProcW(button, message, wParam, lParam);
        case WM_NCDESTROY:
            Buttons().erase(button);
            return DefWindowProcW(button, message, wParam, lParam);
        case WM_GETDLGCODE:
            return DialogCode(type);
        case WM_LBUTTONDOWN:
            if (type == BS_GROUPBOX) return 0;
            Buttons()[button].pushed = true;
            if (GetFocus() != button) SetFocus(button);
            return 0;
        case WM_LBUTTONUP: {
            auto found = Buttons().find(button);
            if (found == Buttons().end() || !found->second.pushed) return 0;
            found->second.pushed = false;
            if (Inside(button, lParam)) Clicked(button);
            return 0;
        }
        case WM_KEYDOWN:
            if (wParam == VK_SPACE && type != BS_GROUPBOX) Buttons()[button].pushed = true;
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE) {
                auto found = Buttons().find(button);
                if (found != Buttons().end() && found->second.pushed) {
                    found->second.pushed = false;
                    Clicked(button);
                }
            }
            return 0;
        case WM_CHAR:
            return 0;
        case BM_CLICK:
            SendMessageW(button, WM_LBUTTONDOWN, 0x0001, 0);  // MK_LBUTTON
            SendMessageW(button, WM_LBUTTONUP, 0, 0);
            return 0;
        case BM_GETCHECK: {
            auto found = Buttons().find(button);
            return found != Buttons().end() && (IsCheckType(type) || IsRadioType(type)) ? found->second.check : 0;
        }
        case BM_SETCHECK:
            SetCheck(button, wParam);
            return 0;
        case BM_GETSTATE: {
            auto found = Buttons().find(button);
            if (found == Buttons().end()) return 0;
            return static_cast<LRESULT>(found->second.check | (found->second.pushed ? BST_PUSHED : 0u) |
                                        (found->second.focused ? BST_FOCUS : 0u));
        }
        case BM_SETSTATE:
            Buttons()[button].pushed = wParam != 0;
            return 0;
        case BM_SETSTYLE: {
            const LONG style = GetWindowLongW(button, GWL_STYLE);
            SetWindowLongW(button, GWL_STYLE, static_cast<LONG>((static_cast<DWORD>(style) & 0xFFFF0000u) |
                                                                (static_cast<DWORD>(wParam) & 0xFFFFu)));
            return 0;
        }
        case WM_SETFOCUS:
            Buttons()[button].focused = true;
            if ((GetWindowLongW(button, GWL_STYLE) & BS_NOTIFY) != 0) NotifyParent(button, BN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            Buttons()[button].focused = false;
            Buttons()[button].pushed = false;
            if ((GetWindowLongW(button, GWL_STYLE) & BS_NOTIFY) != 0) NotifyParent(button, BN_KILLFOCUS);
            return 0;
        default:
            return DefWindowProcW(button, message, wParam, lParam);
    }
}

}  // namespace simdesk::detail
