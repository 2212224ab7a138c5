// shell32: the shell's special folders and the notification-area icons.
#pragma once

#include "simwin/Types.h"
#include "simwin/Ole32.h"

#define CSIDL_STARTUP 0x0007
#define CSIDL_APPDATA 0x001a
#define CSIDL_FLAG_CREATE 0x8000

typedef enum {
    SHGFP_TYPE_CURRENT = 0,
    SHGFP_TYPE_DEFAULT = 1,
} SHGFP_TYPE;

HRESULT WINAPI SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path);

// --- Notification area ---------------------------------------------------------
// The x64 layout (976 bytes). The shell also takes the sizes of its earlier
// versions, the structure cut before szTip's second half, before guidItem
// and before hBalloonIcon.
typedef struct _NOTIFYICONDATAW {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    WCHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    WCHAR szInfo[256];
    union {
        UINT uTimeout;
        UINT uVersion;
    };
    WCHAR szInfoTitle[64];
    DWORD dwInfoFlags;
    GUID guidItem;
    HICON hBalloonIcon;
} NOTIFYICONDATAW, *PNOTIFYICONDATAW;

#define NOTIFYICONDATAW_V1_SIZE (offsetof(NOTIFYICONDATAW, szTip) + 64 * sizeof(WCHAR))
#define NOTIFYICONDATAW_V2_SIZE offsetof(NOTIFYICONDATAW, guidItem)
#define NOTIFYICONDATAW_V3_SIZE offsetof(NOTIFYICONDATAW, hBalloonIcon)

#define NIM_ADD 0x00000000
#define NIM_MODIFY 0x00000001
#define NIM_DELETE 0x00000002

#define NIF_MESSAGE 0x00000001
#define NIF_ICON 0x00000002
#define NIF_TIP 0x00000004
#define NIF_STATE 0x00000008
#define NIF_INFO 0x00000010

BOOL WINAPI Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data);
