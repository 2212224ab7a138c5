#include "dialogs/WindowIcons.h"

#include "app/InserterApp.h"

UniqueIcon LoadProgramIcon(int iconId, int size) {
    return UniqueIcon(static_cast<HICON>(
        LoadImageW(TheApp().instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

void SetWindowIcon(HWND window, WPARAM kind, UniqueIcon icon) {
    if (icon.get() == nullptr) return;
    UniqueIcon previous(reinterpret_cast<HICON>(
        SendMessageW(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon.release()))));
}

void DestroyWindowIcon(HWND window, WPARAM kind) {
    UniqueIcon icon(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, kind, 0)));
    if (icon.get() == nullptr) return;
    // The window must not keep a handle that is about to die.
    SendMessageW(window, WM_SETICON, kind, 0);
}
