// user32: window placement (GetWindowPlacement, SetWindowPlacement): the show
// state with the normal, minimised and maximised positions.
#include "WindowManager.h"

#include <algorithm>

using namespace simdesk::detail;

BOOL WINAPI GetWindowPlacement(HWND handle, WINDOWPLACEMENT* placement) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (placement == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const bool minimized = (window->style & WS_MINIMIZE) != 0;
    const bool maximized = (window->style & WS_MAXIMIZE) != 0;
    placement->length = sizeof(WINDOWPLACEMENT);
    placement->flags = minimized && window->restoreToMaximized ? WPF_RESTORETOMAXIMIZED : 0;
    placement->showCmd = minimized ? SW_SHOWMINIMIZED : maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    placement->ptMinPosition = window->minPosition;
    placement->ptMaxPosition = window->maxPosition;
    // With no taskbar the work area is the screen, so workspace coordinates
    // are screen coordinates.
    placement->rcNormalPosition = minimized || maximized ? window->normalRect : window->rect;
    return TRUE;
}

BOOL WINAPI SetWindowPlacement(HWND handle, const WINDOWPLACEMENT* placement) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    // Setting checks the length; getting only fills it in.
    if (placement == nullptr || placement->length != sizeof(WINDOWPLACEMENT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if ((placement->flags & WPF_SETMINPOSITION) != 0) window->minPosition = placement->ptMinPosition;
    window->maxPosition = placement->ptMaxPosition;
    // A position entirely off the screen (a monitor that is gone) is brought
    // back onto it, keeping the size, as the platform does.
    RECT normal = placement->rcNormalPosition;
    const LONG width = normal.right - normal.left;
    const LONG height = normal.bottom - normal.top;
    const bool offScreen = normal.right <= 0 || normal.bottom <= 0 || normal.left >= kScreenWidth ||
                           normal.top >= kScreenHeight;
    if (offScreen) {
        normal.left = std::clamp<LONG>(normal.left, 0, std::max<LONG>(0, kScreenWidth - width));
        normal.top = std::clamp<LONG>(normal.top, 0, std::max<LONG>(0, kScreenHeight - height));
        normal.right = normal.left + width;
        normal.bottom = normal.top + height;
    }
    window->normalRect = normal;
    const bool minimized = (window->style & WS_MINIMIZE) != 0;
    const bool maximized = (window->style & WS_MAXIMIZE) != 0;
    if (!minimized && !maximized) {
        MoveWindowTo(handle, nullptr, normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        window = FindWindow(handle);
        if (window == nullptr) return FALSE;
    }
    ShowWindow(handle, static_cast<int>(placement->showCmd));
    window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    // A window minimised from here comes back maximised when the flag says so.
    if ((window->style & WS_MINIMIZE) != 0 && (placement->flags & WPF_RESTORETOMAXIMIZED) != 0)
        window->restoreToMaximized = true;
    return TRUE;
}
