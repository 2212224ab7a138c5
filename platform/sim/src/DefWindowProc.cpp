// user32: the default window procedure, the one place where a window's
// default processing lives.
#include "WindowManager.h"

#include <algorithm>

using namespace simdesk::detail;

namespace {

LRESULT GetText(const Window& window, WPARAM size, LPARAM buffer) {
    auto* out = reinterpret_cast<LPWSTR>(buffer);
    if (out == nullptr || size == 0) return 0;
    const std::size_t count = std::min<std::size_t>(window.text.size(), size - 1);
    for (std::size_t i = 0; i < count; ++i) out[i] = window.text[i];
    out[count] = 0;
    return static_cast<LRESULT>(count);
}

// WM_SIZE and WM_MOVE follow a position change whose client area changed.
void AnnounceSizeAndMove(HWND handle, const WINDOWPOS* position) {
    if (position == nullptr) return;
    if ((position->flags & kNoClientMove) == 0) {
        Window* window = FindWindow(handle);
        if (window == nullptr) return;
        const RECT insets = FrameInsets(window->style, window->exStyle);
        SendMessageW(handle, WM_MOVE, 0,
                     MAKELPARAM(window->rect.left + insets.left, window->rect.top + insets.top));
    }
    if ((position->flags & kNoClientSize) == 0) {
        if (Window* window = FindWindow(handle)) window->needsSize = false;
        RECT client{};
        GetClientRect(handle, &client);
        const WPARAM type = IsIconic(handle) ? SIZE_MINIMIZED : IsZoomed(handle) ? SIZE_MAXIMIZED : SIZE_RESTORED;
        SendMessageW(handle, WM_SIZE, type, MAKELPARAM(client.right, client.bottom));
    }
}

LRESULT SystemCommand(HWND handle, WPARAM command) {
    switch (command & 0xFFF0) {
        case SC_MINIMIZE:
            ShowWindow(handle, SW_MINIMIZE);
            return 0;
        case SC_MAXIMIZE:
            ShowWindow(handle, SW_MAXIMIZE);
            return 0;
        case SC_RESTORE:
            ShowWindow(handle, SW_RESTORE);
            return 0;
        case SC_CLOSE:
            SendMessageW(handle, WM_CLOSE, 0, 0);
            return 0;
        default:
            return 0;
    }
}

}  // namespace

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
        case WM_GETTEXT:
            return GetText(*window, wParam, lParam);
        case WM_SYSCOMMAND:
            return SystemCommand(handle, wParam);
        case WM_WINDOWPOSCHANGED:
            AnnounceSizeAndMove(handle, reinterpret_cast<const WINDOWPOS*>(lParam));
            return 0;
        case WM_ACTIVATE:
            // An activated window takes the focus unless it is minimised.
            if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(handle)) SetFocus(handle);
            return 0;
        case WM_NCACTIVATE:
            return TRUE;
        case WM_MOUSEACTIVATE:
            return 1;  // MA_ACTIVATE
        case WM_SETICON: {
            // The window keeps the handles it is given and never destroys them.
            HICON icon = reinterpret_cast<HICON>(lParam);
            HICON& slot = wParam == ICON_BIG ? window->bigIcon : window->smallIcon;
            HICON previous = slot;
            slot = icon;
            return reinterpret_cast<LRESULT>(previous);
        }
        case WM_GETICON:
            if (wParam == ICON_BIG) return reinterpret_cast<LRESULT>(window->bigIcon);
            if (wParam == ICON_SMALL) return reinterpret_cast<LRESULT>(window->smallIcon);
            return reinterpret_cast<LRESULT>(window->smallIcon != nullptr ? window->smallIcon : window->bigIcon);
        default:
            return 0;
    }
}
