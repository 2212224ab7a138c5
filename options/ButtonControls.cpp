#include "options/ButtonControls.h"

void ShowCheckState(HWND button, int state) {
    if (button == nullptr) return;
    SendMessageW(button, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

int ReadCheckState(HWND button) {
    if (button == nullptr) return 0;
    return static_cast<int>(SendMessageW(button, BM_GETCHECK, 0, 0));
}

namespace {

LONG StyleOf(HWND window) {
    return window != nullptr ? GetWindowLongW(window, GWL_STYLE) : 0;
}

bool StartsGroup(HWND window) {
    return (StyleOf(window) & WS_GROUP) != 0;
}

}  // namespace

bool IsAutoRadioButton(HWND window) {
    return (StyleOf(window) & 0xF) == BS_AUTORADIOBUTTON;
}

void ShowRadioGroup(HWND first, int index) {
    int position = 0;
    for (HWND button = first; button != nullptr;) {
        ShowCheckState(button, position == index ? BST_CHECKED : BST_UNCHECKED);
        button = GetWindow(button, GW_HWNDNEXT);
        if (!IsAutoRadioButton(button) || StartsGroup(button)) break;
        ++position;
    }
}

int ReadRadioGroup(HWND first) {
    int position = 0;
    for (HWND button = first; button != nullptr && (position == 0 || IsAutoRadioButton(button));
         button = GetWindow(button, GW_HWNDNEXT), ++position) {
        if (ReadCheckState(button) == BST_CHECKED) return position;
    }
    return 0;
}

bool IsClickInRadioGroup(HWND dialog, int clickedId, int firstId) {
    if (dialog == nullptr) return false;
    for (HWND button = GetDlgItem(dialog, clickedId); button != nullptr; button = GetWindow(button, GW_HWNDPREV)) {
        if (!IsAutoRadioButton(button)) return false;
        if (GetWindowLongW(button, GWL_ID) == firstId) return true;
        if (StartsGroup(button)) return false;
    }
    return false;
}
