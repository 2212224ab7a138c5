// shell32: the shell's special folders. (The notification-area icon belongs
// here too and is declared beside them when the program needs it.)
#pragma once

#include "simwin/Types.h"

#define CSIDL_STARTUP 0x0007
#define CSIDL_APPDATA 0x001a
#define CSIDL_FLAG_CREATE 0x8000

typedef enum {
    SHGFP_TYPE_CURRENT = 0,
    SHGFP_TYPE_DEFAULT = 1,
} SHGFP_TYPE;

HRESULT WINAPI SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path);
