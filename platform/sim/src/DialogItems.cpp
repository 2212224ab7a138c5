// user32: the dialog helpers that address a control by its identifier.
#include "WindowManager.h"

using namespace simdesk::detail;

LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? SendMessageW(control, message, wParam, lParam) : 0;
}

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return FALSE;
    SendMessageW(control, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    return static_cast<UINT>(SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0));
}

// Checks one button and clears the others whose identifiers lie in the range.
BOOL WINAPI CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    Window* window = FindWindow(dialog);
    if (window == nullptr) return FALSE;
    const std::vector<HWND> children = window->children;
    for (HWND child : children) {
        const int id = GetDlgCtrlID(child);
        if (id < firstId || id > lastId) continue;
        SendMessageW(child, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}

namespace simdesk::detail {

void NotifyParent(HWND control, WORD code) {
    Window* window = FindWindow(control);
    if (window == nullptr || window->parent == nullptr) return;
    SendMessageW(window->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(window->id), code),
                 reinterpret_cast<LPARAM>(control));
}

}  // namespace simdesk::detail
