// Installing and removing the two hooks of the application object.
#include "app/HotKeyHook.h"
#include "app/InserterApp.h"

bool InserterApp::InstallHooks() {
    if (keyboardHook != nullptr) return false;
    keyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, HotKeyHook, instance, 0);
    focusHook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, FocusTracker, 0, 0,
                                WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    return keyboardHook != nullptr;
}

bool InserterApp::RemoveHooks() {
    // A handle whose unhook failed is kept, so it is not lost for a retry.
    if (UnhookWindowsHookEx(keyboardHook)) keyboardHook = nullptr;
    if (UnhookWinEvent(focusHook)) focusHook = nullptr;
    return true;
}
