#include "settings/WindowPlacement.h"

#include "app/InserterApp.h"
#include "settings/SettingsStore.h"

// The stored block is the build's own structure; it is 44 bytes on both
// 32-bit and 64-bit Windows, so records move between them.
static_assert(sizeof(WINDOWPLACEMENT) == 44, "the stored placement block is 44 bytes");

namespace {

const WCHAR* const topmostKey = TEXT("topmost");
const WCHAR* const placementKey = TEXT("plmnt");

}  // namespace

bool SaveWindowPlacement(HWND window, const WString& section) {
    return SaveWindowPlacement(TheApp().store, window, section);
}

bool SaveWindowPlacement(SettingsStore& store, HWND window, const WString& section) {
    const bool topmost = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    // A null text deletes the value: its mere presence means topmost.
    if (topmost) store.WriteInt(section, WString(topmostKey), 1);
    else store.WriteString(section, WString(topmostKey), WString());

    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    return store.WriteStruct(section, WString(placementKey), &placement, sizeof(placement));
}

bool RestoreWindowPlacement(HWND window, const WString& section, int keepSize) {
    return RestoreWindowPlacement(TheApp().store, window, section, keepSize);
}

bool RestoreWindowPlacement(SettingsStore& store, HWND window, const WString& section, int keepSize) {
    RECT current{};
    if (keepSize != 0) GetWindowRect(window, &current);

    WString topmost(TEXT(""));
    if (store.ReadString(section, WString(topmostKey), topmost))
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);

    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    // The store also fills a block from a shorter value, so a block is
    // taken only when it starts with the length GetWindowPlacement gave it:
    // anything else (a short block, another program's bytes) would place
    // the window from zeros and junk.
    if (!store.ReadStruct(section, WString(placementKey), &placement, sizeof(placement)) ||
        placement.length != sizeof(placement)) {
        ShowWindow(window, SW_SHOW);
        return false;
    }
    if (keepSize != 0) {
        RECT& normal = placement.rcNormalPosition;
        SetRect(&normal, normal.left, normal.top, normal.left + (current.right - current.left),
                normal.top + (current.bottom - current.top));
    }
    SetWindowPlacement(window, &placement);
    return true;
}

bool RestoreFromMinimized(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    if (placement.showCmd == SW_SHOWMINIMIZED) ShowWindow(window, SW_RESTORE);
    else if (placement.showCmd == SW_SHOWMAXIMIZED) ShowWindow(window, SW_SHOWMAXIMIZED);
    return true;
}

BOOL ScreenRectToClient(HWND window, RECT* rect) {
    if (rect == nullptr) return FALSE;
    POINT topLeft{rect->left, rect->top};
    POINT bottomRight{rect->right, rect->bottom};
    ScreenToClient(window, &topLeft);
    const BOOL converted = ScreenToClient(window, &bottomRight);
    SetRect(rect, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    return converted;
}
