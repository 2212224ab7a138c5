// Where a window was and whether it stayed on top, kept under a section of
// the settings store: "topmost" (1, present only for a topmost window) and
// "plmnt" (the WINDOWPLACEMENT block as GetWindowPlacement gives it). Beside
// them two small window functions the windows of the program share.
#pragma once

#include "Platform.h"
#include "settings/WString.h"

class SettingsStore;

// The record lives in the application's store; the overloads with a store
// are the same operations on another one.
bool SaveWindowPlacement(HWND window, const WString& section);
bool SaveWindowPlacement(SettingsStore& store, HWND window, const WString& section);
// Applies a saved placement (its show command included) and a saved topmost
// state; never takes a topmost state away. Without a readable placement the
// window is shown where it is and the result is false. A non-zero keepSize
// keeps the window's current size at the saved position.
bool RestoreWindowPlacement(HWND window, const WString& section, int keepSize);
bool RestoreWindowPlacement(SettingsStore& store, HWND window, const WString& section, int keepSize);

// Brings a minimised window back, maximised again if it was maximised before
// it was minimised; other windows are left alone. Always true.
bool RestoreFromMinimized(HWND window);
// Screen to client coordinates of the window, both corners; the result of
// the second conversion.
BOOL ScreenRectToClient(HWND window, RECT* rect);
