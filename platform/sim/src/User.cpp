// The user's side of the program's windows: clicks, keys and what the
// windows show.
#include "simdesk/User.h"

#include "WindowManager.h"

using namespace simdesk::detail;

namespace {

std::u16string WithoutMnemonics(const std::u16string& text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        out.push_back(text[i]);
    }
    return out;
}

HWND FindControlIn(HWND parent, const std::u16string& text) {
    Window* window = FindWindow(parent);
    if (window == nullptr) return nullptr;
    for (HWND child : window->children) {
        Window* control = FindWindow(child);
        if (control != nullptr && WithoutMnemonics(control->text) == text) return child;
        if (HWND inner = FindControlIn(child, text)) return inner;
    }
    return nullptr;
}

bool ClickControl(HWND control) {
    if (control == nullptr || !IsReallyVisible(control) || !IsReallyEnabled(control)) return false;
    HWND root = RootOf(control);
    if (State().active != root) Activate(root);
    if (!IsWindow(control)) return false;
    RECT client{};
    GetClientRect(control, &client);
    const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    SendMessageW(control, WM_LBUTTONDOWN, 0x0001 /* MK_LBUTTON */, centre);
    if (IsWindow(control)) SendMessageW(control, WM_LBUTTONUP, 0, centre);
    return true;
}

// A click at the centre of the tab's rectangle; the tab control decides
// from the point which tab that is.
bool ClickTabAt(HWND control, int index) {
    if (control == nullptr || !IsReallyVisible(control) || !IsReallyEnabled(control)) return false;
    RECT tab{};
    if (SendMessageW(control, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab)) == FALSE)
        return false;
    HWND root = RootOf(control);
    if (State().active != root) Activate(root);
    if (!IsWindow(control)) return false;
    const LPARAM point = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
    if (IsWindow(control)) SendMessageW(control, WM_LBUTTONUP, 0, point);
    return true;
}

std::u16string TabText(HWND control, int index) {
    WCHAR text[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    if (SendMessageW(control, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == FALSE)
        return std::u16string();
    return std::u16string(text);
}

std::string Text(HWND window) {
    Window* found = FindWindow(window);
    return found != nullptr ? simdesk::ToUtf8(found->text) : std::string();
}

}  // namespace

namespace simdesk {

HWND FindWindowByTitle(const std::string& title) {
    const std::u16string wanted = ToUtf16(title);
    for (HWND handle : State().topLevel) {
        Window* window = FindProgramWindow(handle);
        if (window != nullptr && window->text == wanted) return handle;
    }
    return nullptr;
}

HWND FindControl(HWND window, const std::string& text) {
    return FindControlIn(window, WithoutMnemonics(ToUtf16(text)));
}

bool Click(HWND window, int controlId) {
    return ClickControl(GetDlgItem(window, controlId));
}

bool Click(HWND window, const std::string& text) {
    return ClickControl(FindControl(window, text));
}

bool Tick(HWND window, int controlId, UINT check) {
    HWND box = GetDlgItem(window, controlId);
    for (int clicks = 0; clicks < 3; ++clicks) {
        if (box == nullptr || !IsWindow(box)) return false;
        if (SendMessageW(box, BM_GETCHECK, 0, 0) == static_cast<LRESULT>(check)) return true;
        if (!ClickControl(box)) return false;
    }
    return IsWindow(box) && SendMessageW(box, BM_GETCHECK, 0, 0) == static_cast<LRESULT>(check);
}

bool ClickTab(HWND window, int controlId, int index) {
    return ClickTabAt(GetDlgItem(window, controlId), index);
}

bool ClickTab(HWND window, int controlId, const std::string& text) {
    HWND control = GetDlgItem(window, controlId);
    if (control == nullptr) return false;
    const std::u16string wanted = WithoutMnemonics(ToUtf16(text));
    const int count = static_cast<int>(SendMessageW(control, TCM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index)
        if (WithoutMnemonics(TabText(control, index)) == wanted) return ClickTabAt(control, index);
    return false;
}

std::string CurrentTab(HWND window, int controlId) {
    HWND control = GetDlgItem(window, controlId);
    if (control == nullptr) return std::string();
    const int index = static_cast<int>(SendMessageW(control, TCM_GETCURSEL, 0, 0));
    return index < 0 ? std::string() : ToUtf8(TabText(control, index));
}

bool CloseWithCloseBox(HWND window) {
    Window* found = FindProgramWindow(window);
    if (found == nullptr || (found->style & WS_SYSMENU) == 0 || !IsReallyVisible(window) || !IsReallyEnabled(window))
        return false;
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

void TypeText(const std::string& utf8) {
    TypeText(ToUtf16(utf8));
}

void PressEnter() {
    PressKeys({VK_RETURN});
}

void PressEscape() {
    PressKeys({VK_ESCAPE});
}

void PressTab() {
    PressKeys({VK_TAB});
}

void PressShiftTab() {
    PressKeys({VK_SHIFT, VK_TAB});
}

std::string TextOf(HWND window) {
    return Text(window);
}

std::string ControlText(HWND window, int controlId) {
    return Text(GetDlgItem(window, controlId));
}

UINT CheckState(HWND window, int controlId) {
    return IsDlgButtonChecked(window, controlId);
}

bool IsControlEnabled(HWND window, int controlId) {
    HWND control = GetDlgItem(window, controlId);
    return control != nullptr && IsReallyEnabled(control);
}

bool IsShown(HWND window) {
    return IsReallyVisible(window);
}

HWND FocusedWindow() {
    return GetFocus();
}

HWND ForegroundWindow() {
    return GetForegroundWindow();
}

}  // namespace simdesk
