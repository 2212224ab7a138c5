// Vintra's windows seen from another process, as a user would see them: found
// by caption and class, read through WM_GETTEXT, clicked with posted BM_CLICK
// (a sent one would wait for any modal box the click opens).
#pragma once

#include "Platform.h"

#include <string>

// A visible top-level window of the process with this class and caption,
// waited for up to `milliseconds`; null when none appeared.
HWND WaitForWindow(DWORD processId, LPCWSTR className, LPCWSTR caption, DWORD milliseconds);
// True when no such window exists after `milliseconds`.
bool StaysAbsent(DWORD processId, LPCWSTR className, LPCWSTR caption, DWORD milliseconds);
// Waits until the window is gone.
bool WaitUntilGone(HWND window, DWORD milliseconds);

std::wstring ControlText(HWND dialog, int controlId);
bool ControlEnabled(HWND dialog, int controlId);
bool ButtonChecked(HWND dialog, int controlId);
// Clicks a control the way another program can: a posted BM_CLICK, then a
// short wait for the dialog to act on it.
void ClickControl(HWND dialog, int controlId);

std::string Narrow(const std::wstring& text);
