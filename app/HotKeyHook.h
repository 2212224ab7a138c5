// The two system hook procedures: the focus tracker remembers which window of
// another process last got the keyboard focus; the keyboard hook recognises
// the combination and posts "@" to that window.
#pragma once

#include "Platform.h"

LRESULT CALLBACK HotKeyHook(int code, WPARAM message, LPARAM event);
void CALLBACK FocusTracker(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId, LONG childId,
                           DWORD eventThread, DWORD eventTime);
