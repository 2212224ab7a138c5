// user32: position, size, visibility, show state and z-order of windows;
// rectangles and screen metrics.
#include "WindowManager.h"

#include <algorithm>

using namespace simdesk::detail;

namespace {

bool IsChildWindow(const Window& window) {
    return (window.style & WS_CHILD) != 0;
}

// Where the window's rectangle is kept: screen coordinates for a top-level
// window, the parent's client coordinates for a child.
POINT ParentOrigin(const Window& window) {
    return IsChildWindow(window) ? ClientOrigin(window.parent) : POINT{0, 0};
}

RECT ClientRectOf(const Window& window) {
    if ((window.style & WS_MINIMIZE) != 0) return RECT{0, 0, 0, 0};
    const RECT insets = FrameInsets(window.style, window.exStyle);
    const LONG width = std::max<LONG>(0, window.rect.right - window.rect.left - insets.left - insets.right);
    const LONG height = std::max<LONG>(0, window.rect.bottom - window.rect.top - insets.top - insets.bottom);
    return RECT{0, 0, width, height};
}

void Reorder(Window& window, HWND insertAfter) {
    auto& siblings = SiblingsOf(window);
    if (IsChildWindow(window)) {
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
        if (insertAfter == HWND_BOTTOM) {
            siblings.push_back(window.handle);
        } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
            siblings.insert(siblings.begin(), window.handle);
        } else {
            auto after = std::find(siblings.begin(), siblings.end(), insertAfter);
            siblings.insert(after == siblings.end() ? siblings.begin() : after + 1, window.handle);
        }
        return;
    }
    if (insertAfter == HWND_TOPMOST) {
        window.exStyle |= WS_EX_TOPMOST;
        RaiseInBand(window.handle);
    } else if (insertAfter == HWND_NOTOPMOST) {
        if ((window.exStyle & WS_EX_TOPMOST) == 0) return;
        window.exStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST);
        RaiseInBand(window.handle);
    } else if (insertAfter == HWND_TOP) {
        RaiseInBand(window.handle);
    } else if (insertAfter == HWND_BOTTOM) {
        // The bottom of the z-order is never topmost.
        window.exStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST);
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
        siblings.push_back(window.handle);
    } else {
        Window* other = FindWindow(insertAfter);
        if (other == nullptr || other->handle == window.handle) return;
        // Placed right behind another window, it joins that window's band.
        if ((other->exStyle & WS_EX_TOPMOST) != 0) {
            window.exStyle |= WS_EX_TOPMOST;
        } else {
            window.exStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST);
        }
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
        auto after = std::find(siblings.begin(), siblings.end(), insertAfter);
        siblings.insert(after == siblings.end() ? siblings.end() : after + 1, window.handle);
    }
}

bool IsMinimizeCommand(int command) {
    return command == SW_SHOWMINIMIZED || command == SW_MINIMIZE || command == SW_SHOWMINNOACTIVE ||
           command == SW_FORCEMINIMIZE;
}

RECT MaximizedRect(const Window& window) {
    const RECT insets = FrameInsets(window.style, window.exStyle);
    // The frame of a maximised window lies just outside the screen.
    const LONG side = insets.left;
    return RECT{-side, -side, kScreenWidth + side, kScreenHeight + side};
}

// The rectangle a show command gives, and whether the show state changes.
bool NewStateRect(Window& window, int command, RECT& rect) {
    const bool minimized = (window.style & WS_MINIMIZE) != 0;
    const bool maximized = (window.style & WS_MAXIMIZE) != 0;
    if (IsMinimizeCommand(command)) {
        if (minimized) return false;
        window.restoreToMaximized = maximized;
        if (!maximized) window.normalRect = window.rect;
        window.style = (window.style & ~static_cast<DWORD>(WS_MAXIMIZE)) | WS_MINIMIZE;
        if (window.minPosition.x == -1 && window.minPosition.y == -1)
            window.minPosition = POINT{kMinimizedPosition, kMinimizedPosition};
        const POINT at = IsChildWindow(window) ? POINT{0, 0} : window.minPosition;
        rect = RECT{at.x, at.y, at.x + kMinimizedWidth, at.y + kMinimizedHeight};
        return true;
    }
    if (command == SW_SHOWMAXIMIZED) {
        if (maximized) return false;
        if (!minimized) window.normalRect = window.rect;
        window.style = (window.style & ~static_cast<DWORD>(WS_MINIMIZE)) | WS_MAXIMIZE;
        rect = MaximizedRect(window);
        return true;
    }
    if (command == SW_RESTORE || command == SW_SHOWNORMAL || command == SW_SHOWNOACTIVATE ||
        command == SW_SHOWDEFAULT) {
        if (minimized && window.restoreToMaximized) {
            window.style = (window.style & ~static_cast<DWORD>(WS_MINIMIZE)) | WS_MAXIMIZE;
            rect = MaximizedRect(window);
            return true;
        }
        if (!minimized && !maximized) return false;
        window.style &= ~static_cast<DWORD>(WS_MINIMIZE | WS_MAXIMIZE);
        window.restoreToMaximized = false;
        rect = window.normalRect;
        return true;
    }
    return false;
}

}  // namespace

namespace simdesk::detail {

RECT FrameInsets(DWORD style, DWORD exStyle) {
    LONG border = 0;
    if ((style & WS_THICKFRAME) != 0) {
        border = kSizingFrame;
    } else if ((style & WS_DLGFRAME) != 0 || (exStyle & WS_EX_DLGMODALFRAME) != 0) {
        border = kDialogFrame;
    } else if ((style & WS_BORDER) != 0) {
        border = kThinBorder;
    }
    if ((exStyle & WS_EX_CLIENTEDGE) != 0) border += 2;
    const LONG caption = (style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0;
    return RECT{border, border + caption, border, border};
}

POINT ClientOrigin(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return POINT{0, 0};
    const POINT parent = ParentOrigin(*window);
    const RECT insets = FrameInsets(window->style, window->exStyle);
    return POINT{parent.x + window->rect.left + insets.left, parent.y + window->rect.top + insets.top};
}

BOOL MoveWindowTo(HWND handle, HWND insertAfter, int x, int y, int cx, int cy, UINT flags, const RECT* clientBefore) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    const bool child = IsChildWindow(*window);
    if (child) flags |= SWP_NOACTIVATE;
    if ((window->style & WS_VISIBLE) != 0) flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
    if ((window->style & WS_VISIBLE) == 0) flags &= ~static_cast<UINT>(SWP_HIDEWINDOW);
    WINDOWPOS position{handle, insertAfter, x, y, cx, cy, flags};
    if ((flags & SWP_NOMOVE) != 0) {
        position.x = window->rect.left;
        position.y = window->rect.top;
    }
    if ((flags & SWP_NOSIZE) != 0) {
        position.cx = window->rect.right - window->rect.left;
        position.cy = window->rect.bottom - window->rect.top;
    }
    if ((flags & SWP_NOSENDCHANGING) == 0) {
        SendMessageW(handle, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));
        window = FindWindow(handle);
        if (window == nullptr) return FALSE;
    }
    const RECT oldClient = clientBefore != nullptr ? *clientBefore : ClientRectOf(*window);
    const POINT oldOrigin = ClientOrigin(handle);
    if ((position.flags & SWP_NOMOVE) == 0 || (position.flags & SWP_NOSIZE) == 0) {
        window->rect = RECT{position.x, position.y, position.x + std::max(position.cx, 0),
                            position.y + std::max(position.cy, 0)};
    }
    if ((position.flags & SWP_NOZORDER) == 0) Reorder(*window, position.hwndInsertAfter);
    const bool hiding = (position.flags & SWP_HIDEWINDOW) != 0;
    if ((position.flags & SWP_SHOWWINDOW) != 0) window->style |= WS_VISIBLE;
    if (hiding) window->style &= ~static_cast<DWORD>(WS_VISIBLE);
    const RECT newClient = ClientRectOf(*window);
    const POINT newOrigin = ClientOrigin(handle);
    if (newClient.right == oldClient.right && newClient.bottom == oldClient.bottom) position.flags |= kNoClientSize;
    if (newOrigin.x == oldOrigin.x && newOrigin.y == oldOrigin.y) position.flags |= kNoClientMove;
    if (hiding) ActivationLeaves(handle);
    SendMessageW(handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
    if (!child && (position.flags & SWP_NOACTIVATE) == 0 && IsWindow(handle) && IsReallyVisible(handle) &&
        FindProgramWindow(handle) != nullptr) {
        Activate(handle);
    }
    return TRUE;
}

}  // namespace simdesk::detail

BOOL WINAPI SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    if (FindWindow(window) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return MoveWindowTo(window, insertAfter, x, y, cx, cy, flags & ~static_cast<UINT>(kStateChanged));
}

BOOL WINAPI MoveWindow(HWND window, int x, int y, int width, int height, BOOL /*repaint*/) {
    return SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL WINAPI BringWindowToTop(HWND window) {
    return SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL WINAPI ShowWindow(HWND handle, int command) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;
    if (!show && !wasVisible) return FALSE;
    UINT flags = show ? SWP_SHOWWINDOW : (SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
    switch (command) {
        case SW_SHOWNA:
        case SW_SHOWMINNOACTIVE:
        case SW_MINIMIZE:
        case SW_FORCEMINIMIZE:
        case SW_SHOWNOACTIVATE:
            flags |= SWP_NOACTIVATE | SWP_NOZORDER;
            break;
        default:
            break;
    }
    // Showing a child neither activates it nor moves it in the z-order.
    if ((window->style & WS_CHILD) != 0) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    RECT rect{};
    const RECT clientBefore = ClientRectOf(*window);
    const bool stateChanges = show && NewStateRect(*window, command, rect);
    if (stateChanges) {
        flags |= kStateChanged | SWP_FRAMECHANGED;
    } else {
        flags |= SWP_NOMOVE | SWP_NOSIZE;
    }
    if (show != wasVisible) {
        SendMessageW(handle, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (FindWindow(handle) == nullptr) return wasVisible ? TRUE : FALSE;
    }
    MoveWindowTo(handle, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, flags,
                 &clientBefore);
    window = FindWindow(handle);
    if (show && window != nullptr && window->needsSize) {
        window->needsSize = false;
        const RECT client = ClientRectOf(*window);
        const WPARAM type = IsIconic(handle) ? SIZE_MINIMIZED : IsZoomed(handle) ? SIZE_MAXIMIZED : SIZE_RESTORED;
        SendMessageW(handle, WM_SIZE, type, MAKELPARAM(client.right, client.bottom));
        const POINT origin = ClientOrigin(handle);
        const POINT parent = ParentOrigin(*window);
        SendMessageW(handle, WM_MOVE, 0, MAKELPARAM(origin.x - parent.x, origin.y - parent.y));
    }
    // Minimising gives the activation away.
    if (command == SW_MINIMIZE && State().active == handle) ActivationLeaves(handle);
    return wasVisible ? TRUE : FALSE;
}

BOOL WINAPI IsWindowVisible(HWND window) {
    return IsReallyVisible(window) ? TRUE : FALSE;
}

BOOL WINAPI IsIconic(HWND handle) {
    Window* window = FindWindow(handle);
    return window != nullptr && (window->style & WS_MINIMIZE) != 0 ? TRUE : FALSE;
}

BOOL WINAPI IsZoomed(HWND handle) {
    Window* window = FindWindow(handle);
    return window != nullptr && (window->style & WS_MAXIMIZE) != 0 ? TRUE : FALSE;
}

BOOL WINAPI GetWindowRect(HWND handle, LPRECT rect) {
    Window* window = FindWindow(handle);
    if (window == nullptr || rect == nullptr) {
        SetLastError(window == nullptr ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const POINT origin = ParentOrigin(*window);
    *rect = RECT{window->rect.left + origin.x, window->rect.top + origin.y, window->rect.right + origin.x,
                 window->rect.bottom + origin.y};
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND handle, LPRECT rect) {
    Window* window = FindWindow(handle);
    if (window == nullptr || rect == nullptr) {
        SetLastError(window == nullptr ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *rect = ClientRectOf(*window);
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND window, LPPOINT point) {
    if (FindWindow(window) == nullptr || point == nullptr) return FALSE;
    const POINT origin = ClientOrigin(window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND window, LPPOINT point) {
    if (FindWindow(window) == nullptr || point == nullptr) return FALSE;
    const POINT origin = ClientOrigin(window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

// Null stands for the screen. The answer packs the horizontal shift in its
// low word and the vertical one in its high word (no mirrored windows here).
int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    if ((from != nullptr && FindWindow(from) == nullptr) || (to != nullptr && FindWindow(to) == nullptr)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const POINT fromOrigin = from != nullptr ? ClientOrigin(from) : POINT{0, 0};
    const POINT toOrigin = to != nullptr ? ClientOrigin(to) : POINT{0, 0};
    const LONG dx = fromOrigin.x - toOrigin.x;
    const LONG dy = fromOrigin.y - toOrigin.y;
    for (UINT i = 0; points != nullptr && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return static_cast<int>(MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy)));
}

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (rect == nullptr) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

int WINAPI GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
            return kScreenWidth;
        case SM_CYSCREEN:
            return kScreenHeight;
        case SM_CXVSCROLL:
            return 17;
        case SM_CYCAPTION:
            return kCaptionHeight;
        case SM_CXBORDER:
        case SM_CYBORDER:
            return kThinBorder;
        case SM_CXFIXEDFRAME:
        case SM_CYFIXEDFRAME:
            return kDialogFrame;
        case SM_CXFRAME:
        case SM_CYFRAME:
            return kSizingFrame;
        case SM_CXICON:
        case SM_CYICON:
            return 32;
        case SM_CXSMICON:
        case SM_CYSMICON:
            return 16;
        case SM_CXMINIMIZED:
            return kMinimizedWidth;
        case SM_CYMINIMIZED:
            return kMinimizedHeight;
        case SM_CXMAXIMIZED:
            return kScreenWidth + 2 * kSizingFrame;
        case SM_CYMAXIMIZED:
            return kScreenHeight + 2 * kSizingFrame;
        default:
            return 0;
    }
}
