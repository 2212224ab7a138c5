// Control interface of the simulated desktop: what a user does with the
// program's windows and what they see in them. Every action takes the path
// real input takes: a click is mouse messages to the control under the
// pointer (a disabled or hidden control, or one in a window that a modal
// dialog or message box has disabled, ignores it); keys are key events
// through the hooks to the focused window, delivered by whichever message
// loop runs (a dialog's loop routes Enter, Esc and Tab).
//
// Clicks are delivered at once, as the program's thread waits for input;
// keys are queued and handled when the program's loop next runs, so use
// them from a scripted action (simdesk::Then) or before a loop runs.
#pragma once

#include "simdesk/Desktop.h"

#include <string>

namespace simdesk {

// A top-level window of the program whose title is `title` (hidden ones too);
// null when there is none.
HWND FindWindowByTitle(const std::string& title);
// A control anywhere inside `window` whose text, without its '&' marks, is
// `text`; null when there is none.
HWND FindControl(HWND window, const std::string& text);

// Clicks the control with the left mouse button; false when it ignores the
// click (no such control, hidden, disabled, or its window is disabled).
bool Click(HWND window, int controlId);
bool Click(HWND window, const std::string& text);
// Clicks a check box until it shows `check` (BST_CHECKED, BST_UNCHECKED or
// BST_INDETERMINATE); false when it cannot be brought there.
bool Tick(HWND window, int controlId, UINT check = BST_CHECKED);
// Clicks a tab of the tab control `controlId` (by index or by its text) at
// the tab's place; false when there is no such tab or the control ignores
// clicks. Whether the current tab changes is the control's and its parent's
// business (TCN_SELCHANGING may refuse).
bool ClickTab(HWND window, int controlId, int index);
bool ClickTab(HWND window, int controlId, const std::string& text);
// The text of the current tab of that control; empty when there is none.
std::string CurrentTab(HWND window, int controlId);
// Clicks the close box in the window's caption (WM_SYSCOMMAND, SC_CLOSE);
// false when the window has none or is disabled.
bool CloseWithCloseBox(HWND window);

// Keys of the keyboard, to the focused window.
void TypeText(const std::u16string& text);
void TypeText(const std::string& utf8);
void PressEnter();
void PressEscape();
void PressTab();
void PressShiftTab();

// What the user sees.
std::string TextOf(HWND window);
std::string ControlText(HWND window, int controlId);
UINT CheckState(HWND window, int controlId);
bool IsControlEnabled(HWND window, int controlId);
bool IsShown(HWND window);
HWND FocusedWindow();
HWND ForegroundWindow();

}  // namespace simdesk
