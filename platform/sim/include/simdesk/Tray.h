// Control interface of the simulated notification area: the icons it shows
// with their tips, the user's clicks on them, and the shell starting again.
#pragma once

#include "simwin/Win32.h"

#include <string>
#include <vector>

namespace simdesk {

// One icon as the user sees it.
struct TrayIcon {
    HWND owner = nullptr;
    UINT id = 0;
    UINT callbackMessage = 0;  // 0 when the owner asked for none
    bool hasIcon = false;
    std::string tip;  // UTF-8, what hovering shows
};

// The icons in the order they were added.
std::vector<TrayIcon> TrayIcons();

// A left (or right) click on the icon: its owner gets the callback message
// with the icon's identifier and the mouse message, button down then up,
// delivered at once. False when there is no such icon; an icon whose owner
// window is gone disappears when clicked, as on the platform.
bool ClickTrayIcon(HWND owner, UINT id = 0);
bool RightClickTrayIcon(HWND owner, UINT id = 0);

// The shell starts again: every icon is gone, and each top-level window gets
// the registered message "TaskbarCreated" so its program can add its icons
// again.
void RestartShell();

}  // namespace simdesk
