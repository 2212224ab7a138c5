// shell32: the notification area. The shell keeps its own copy of each
// icon's data, so the caller may destroy its icon handle after the call; the
// simulation keeps only whether there was one (nothing is drawn).
#include "simdesk/Tray.h"

#include "State.h"

#include <algorithm>
#include <vector>

using namespace simdesk::detail;

namespace {

struct Entry {
    HWND owner = nullptr;
    UINT id = 0;
    UINT callbackMessage = 0;
    bool hasIcon = false;
    std::u16string tip;
};

std::vector<Entry>& Icons() {
    static std::vector<Entry> icons;
    return icons;
}

const bool kRegistered = [] {
    OnReset([] { Icons().clear(); });
    return true;
}();

// The sizes the shell accepts: this build's structure and its earlier
// versions.
bool KnownSize(DWORD size) {
    return size == sizeof(NOTIFYICONDATAW) || size == NOTIFYICONDATAW_V3_SIZE || size == NOTIFYICONDATAW_V2_SIZE ||
           size == NOTIFYICONDATAW_V1_SIZE;
}

std::vector<Entry>::iterator Find(HWND owner, UINT id) {
    return std::find_if(Icons().begin(), Icons().end(),
                        [&](const Entry& entry) { return entry.owner == owner && entry.id == id; });
}

// The first version's tip has 64 units; a tip that fills its buffer without
// a terminator is cut there.
std::u16string TipOf(const NOTIFYICONDATAW& data) {
    const std::size_t capacity = data.cbSize == NOTIFYICONDATAW_V1_SIZE ? 64 : std::size(data.szTip);
    std::size_t length = 0;
    while (length + 1 < capacity && data.szTip[length] != 0) ++length;
    return std::u16string(data.szTip, length);
}

void Apply(Entry& entry, const NOTIFYICONDATAW& data) {
    if ((data.uFlags & NIF_MESSAGE) != 0) entry.callbackMessage = data.uCallbackMessage;
    if ((data.uFlags & NIF_ICON) != 0) entry.hasIcon = data.hIcon != nullptr;
    if ((data.uFlags & NIF_TIP) != 0) entry.tip = TipOf(data);
}

bool Click(HWND owner, UINT id, UINT down, UINT up) {
    auto found = Find(owner, id);
    if (found == Icons().end()) return false;
    if (!IsWindow(owner)) {
        Icons().erase(found);
        return false;
    }
    const UINT message = found->callbackMessage;
    if (message == 0) return true;
    SendMessageW(owner, message, id, static_cast<LPARAM>(down));
    if (IsWindow(owner)) SendMessageW(owner, message, id, static_cast<LPARAM>(up));
    return true;
}

}  // namespace

BOOL WINAPI Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data) {
    (void)kRegistered;
    if (data == nullptr || !KnownSize(data->cbSize)) return FALSE;
    auto found = Find(data->hWnd, data->uID);
    switch (message) {
        case NIM_ADD: {
            if (found != Icons().end()) return FALSE;
            Entry entry;
            entry.owner = data->hWnd;
            entry.id = data->uID;
            Apply(entry, *data);
            Icons().push_back(std::move(entry));
            return TRUE;
        }
        case NIM_MODIFY:
            if (found == Icons().end()) return FALSE;
            Apply(*found, *data);
            return TRUE;
        case NIM_DELETE:
            if (found == Icons().end()) return FALSE;
            Icons().erase(found);
            return TRUE;
        default:
            return FALSE;
    }
}

namespace simdesk {

std::vector<TrayIcon> TrayIcons() {
    std::vector<TrayIcon> out;
    for (const Entry& entry : Icons())
        out.push_back(TrayIcon{entry.owner, entry.id, entry.callbackMessage, entry.hasIcon, ToUtf8(entry.tip)});
    return out;
}

bool ClickTrayIcon(HWND owner, UINT id) {
    return Click(owner, id, WM_LBUTTONDOWN, WM_LBUTTONUP);
}

bool RightClickTrayIcon(HWND owner, UINT id) {
    return Click(owner, id, WM_RBUTTONDOWN, WM_RBUTTONUP);
}

void RestartShell() {
    Icons().clear();
    const UINT taskbarCreated = RegisterWindowMessageW(TEXT("TaskbarCreated"));
    const std::vector<HWND> windows = State().topLevel;
    for (HWND window : windows)
        if (IsWindow(window)) SendMessageW(window, taskbarCreated, 0, 0);
}

}  // namespace simdesk
