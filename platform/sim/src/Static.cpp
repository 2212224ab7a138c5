// The "Static" window class: text and icons. Nothing is drawn; a static
// control keeps its text and the icon it shows.
#include "WindowManager.h"

using namespace simdesk::detail;

namespace {

std::map<HWND, HICON>& Icons() {
    static std::map<HWND, HICON> icons;
    return icons;
}

const bool kRegistered = [] {
    OnReset([] { Icons().clear(); });
    return true;
}();

bool IsIconStatic(HWND control) {
    return (static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)) & SS_TYPEMASK) == SS_ICON;
}

// A template names the icon by resource ordinal (0xFFFF, number) or by name.
HICON IconFromCreation(const CREATESTRUCTW* create) {
    if (create == nullptr || create->lpszName == nullptr || create->lpszName[0] == 0) return nullptr;
    if (create->lpszName[0] == 0xFFFF) return LoadStaticIcon(create->hInstance, MAKEINTRESOURCEW(create->lpszName[1]));
    return LoadStaticIcon(create->hInstance, create->lpszName);
}

}  // namespace

namespace simdesk::detail {

LRESULT CALLBACK StaticProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)kRegistered;
    switch (message) {
        case WM_NCCREATE:
            Icons()[control] = nullptr;
            return DefWindowProcW(control, message, wParam, lParam);
        case WM_CREATE:
            if (IsIconStatic(control)) Icons()[control] = IconFromCreation(reinterpret_cast<CREATESTRUCTW*>(lParam));
            return 0;
        case WM_NCDESTROY:
            // The icons are shared ones or the program's; a static destroys none.
            Icons().erase(control);
            return DefWindowProcW(control, message, wParam, lParam);
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        case STM_SETICON: {
            HICON previous = Icons()[control];
            Icons()[control] = reinterpret_cast<HICON>(wParam);
            return reinterpret_cast<LRESULT>(previous);
        }
        case STM_GETICON: {
            auto found = Icons().find(control);
            return found != Icons().end() ? reinterpret_cast<LRESULT>(found->second) : 0;
        }
        case WM_LBUTTONUP:
            if ((GetWindowLongW(control, GWL_STYLE) & SS_NOTIFY) != 0) NotifyParent(control, STN_CLICKED);
            return 0;
        default:
            return DefWindowProcW(control, message, wParam, lParam);
    }
}

}  // namespace simdesk::detail
