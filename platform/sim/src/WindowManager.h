// Internals the window manager's parts share: frames, z-order lists, the
// built-in window classes and the timers.
#pragma once

#include "State.h"

namespace simdesk::detail {

// The simulated screen: fixed, like the test display. There is no taskbar,
// so the work area is the whole screen.
constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;
// A fixed frame: caption height and border widths do not follow a theme.
constexpr int kCaptionHeight = 19;
constexpr int kThinBorder = 1;
constexpr int kDialogFrame = 3;
constexpr int kSizingFrame = 4;
constexpr int kMinimizedWidth = 160;
constexpr int kMinimizedHeight = 28;
// Where the platform parks minimised top-level windows.
constexpr LONG kMinimizedPosition = -32000;

// How far the client area lies inside the window rectangle on each side.
RECT FrameInsets(DWORD style, DWORD exStyle);
// The client area's top-left corner in screen coordinates.
POINT ClientOrigin(HWND window);

// The sibling list a window lives in: its parent's children or the desktop's
// top-level windows, in z-order.
std::vector<HWND>& SiblingsOf(const Window& window);
// Puts a top-level window at the top of its band (topmost or not).
void RaiseInBand(HWND window);

// SetWindowPos without argument checks, used by every part that moves,
// shows or hides a window (state changes included).
// `clientBefore` is the client area before a show-state change altered it.
BOOL MoveWindowTo(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags,
                  const RECT* clientBefore = nullptr);
// Flag for a show-state change (minimise, maximise, restore); the platform
// passes it in WINDOWPOS.flags too.
constexpr UINT kStateChanged = 0x8000;
constexpr UINT kNoClientSize = 0x0800;
constexpr UINT kNoClientMove = 0x1000;

// Built-in window classes and their window procedures.
LRESULT CALLBACK ButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TabControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The dialog class's extra bytes: the message result, the dialog procedure
// and one value for the program.
constexpr int kDialogExtraBytes = 48;

// The icon a static control with SS_ICON shows for a resource name of its
// dialog template. The icon tables provide it; this build's fallback gives
// none.
HICON LoadStaticIcon(HINSTANCE instance, LPCWSTR name);

// Timers of a destroyed window die with it.
void KillWindowTimers(HWND window);

// Sends a control's notification to its parent as WM_COMMAND.
void NotifyParent(HWND control, WORD code);

// The dialog's bookkeeping, null when the window is no dialog.
DialogData* DialogOf(HWND window);

}  // namespace simdesk::detail
