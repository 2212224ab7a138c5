// user32: the window tree (parents, owners, siblings), window values, texts,
// properties, enabling and the keyboard focus.
#pragma once

#include "simwin/Types.h"

// GetWindow relations.
#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5

// GetAncestor relations.
#define GA_PARENT 1
#define GA_ROOT 2
#define GA_ROOTOWNER 3

// GetWindowLong(Ptr) indices.
#define GWL_WNDPROC (-4)
#define GWL_HINSTANCE (-6)
#define GWL_HWNDPARENT (-8)
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWL_USERDATA (-21)
#define GWL_ID (-12)
#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_HWNDPARENT (-8)
#define GWLP_USERDATA (-21)
#define GWLP_ID (-12)

HWND WINAPI GetWindow(HWND window, UINT relation);
HWND WINAPI GetParent(HWND window);
HWND WINAPI GetAncestor(HWND window, UINT relation);
BOOL WINAPI IsChild(HWND parent, HWND window);
HWND WINAPI FindWindowW(LPCWSTR className, LPCWSTR windowName);
int WINAPI GetClassNameW(HWND window, LPWSTR className, int maxCount);
HWND WINAPI GetDlgItem(HWND dialog, int id);
int WINAPI GetDlgCtrlID(HWND window);

LONG WINAPI GetWindowLongW(HWND window, int index);
LONG WINAPI SetWindowLongW(HWND window, int index, LONG value);
LONG_PTR WINAPI GetWindowLongPtrW(HWND window, int index);
LONG_PTR WINAPI SetWindowLongPtrW(HWND window, int index, LONG_PTR value);

BOOL WINAPI SetWindowTextW(HWND window, LPCWSTR text);
int WINAPI GetWindowTextW(HWND window, LPWSTR text, int maxCount);
int WINAPI GetWindowTextLengthW(HWND window);
BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text);
UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR text, int maxCount);

BOOL WINAPI SetPropW(HWND window, LPCWSTR name, HANDLE data);
HANDLE WINAPI GetPropW(HWND window, LPCWSTR name);
HANDLE WINAPI RemovePropW(HWND window, LPCWSTR name);

BOOL WINAPI EnableWindow(HWND window, BOOL enable);
BOOL WINAPI IsWindowEnabled(HWND window);

// Window icons (WM_SETICON, WM_GETICON). A window keeps the handles it is
// given and never destroys them.
#define ICON_SMALL 0
#define ICON_BIG 1
#define ICON_SMALL2 2

// Activation and foreground.
#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2

HWND WINAPI GetActiveWindow();
BOOL WINAPI SetForegroundWindow(HWND window);
