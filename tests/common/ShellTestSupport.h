// Helpers of the tab control and tray suites, on the Win32 surface only: the
// suites' dialog with a dialog procedure that records the tab control's
// notifications, and a plain window to own tray icons.
#pragma once

#include "Platform.h"

#include <vector>

namespace shell_test {

// Identifiers of the suites' resources (tests/common/res/ShellTest.rc).
constexpr int kTabsDialog = 9301;
constexpr int kTabs = 9310;
constexpr int kDisabledTabs = 9311;

// One WM_NOTIFY the dialog received, with the current tab at that moment.
struct Notification {
    int id;
    UINT code;
    int currentTab;
};

inline std::vector<Notification>& Notifications() {
    static std::vector<Notification> notifications;
    return notifications;
}

// Whether the dialog refuses the next change of tab.
inline bool& VetoChanges() {
    static bool veto = false;
    return veto;
}

inline INT_PTR CALLBACK TabsDialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        const int current = static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0));
        Notifications().push_back(Notification{static_cast<int>(header->idFrom), header->code, current});
        if (header->code == TCN_SELCHANGING && VetoChanges()) {
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
    }
    return FALSE;
}

// The notifications of a change of tab, without NM_CLICK and the like.
inline std::vector<Notification> TabChanges() {
    std::vector<Notification> out;
    for (const Notification& n : Notifications())
        if (n.code == TCN_SELCHANGING || n.code == TCN_SELCHANGE) out.push_back(n);
    return out;
}

inline HWND CreateTabsDialog() {
    Notifications().clear();
    VetoChanges() = false;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kTabsDialog), nullptr, TabsDialogProc, 0);
}

inline int InsertTab(HWND tabs, int index, const WCHAR* text) {
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<WCHAR*>(text);
    return static_cast<int>(SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

inline int CurrentTab(HWND tabs) {
    return static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
}

inline LRESULT CALLBACK QuietWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

// A hidden top-level window, the owner of the tray icons of a test.
inline HWND CreateOwnerWindow() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = QuietWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = TEXT("ShellTestOwner");
    RegisterClassExW(&windowClass);
    return CreateWindowExW(0, TEXT("ShellTestOwner"), TEXT("Tray owner"), WS_OVERLAPPEDWINDOW, 100, 100, 200, 100,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace shell_test
