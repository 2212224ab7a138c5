// kernel32's resource functions over the program's own module, user32's icons
// loaded from them, and version.dll's version-record functions.
#pragma once

#include "simwin/Types.h"

// Predefined resource types.
#define RT_CURSOR MAKEINTRESOURCEW(1)
#define RT_BITMAP MAKEINTRESOURCEW(2)
#define RT_ICON MAKEINTRESOURCEW(3)
#define RT_MENU MAKEINTRESOURCEW(4)
#define RT_DIALOG MAKEINTRESOURCEW(5)
#define RT_STRING MAKEINTRESOURCEW(6)
#define RT_RCDATA MAKEINTRESOURCEW(10)
#define RT_GROUP_CURSOR MAKEINTRESOURCEW(12)
#define RT_GROUP_ICON MAKEINTRESOURCEW(14)
#define RT_VERSION MAKEINTRESOURCEW(16)
#define RT_MANIFEST MAKEINTRESOURCEW(24)

#define ERROR_RESOURCE_LANG_NOT_FOUND 1815L

#define VS_VERSION_INFO 1
#define VS_FFI_SIGNATURE 0xFEEF04BDL
#define VS_FFI_STRUCVERSION 0x00010000L

#define LANG_NEUTRAL 0x00
#define LANG_ENGLISH 0x09
#define LANG_RUSSIAN 0x19
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define MAKELANGID(primary, sub) static_cast<WORD>((static_cast<WORD>(sub) << 10) | static_cast<WORD>(primary))

HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
HRSRC WINAPI FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language);
HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
LPVOID WINAPI LockResource(HGLOBAL data);
DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);
BOOL WINAPI FreeResource(HGLOBAL data);

// Icons (user32). Only icon resources of the program module are loaded; the
// program destroys every icon it loads, so shared (cached) icons, bitmaps,
// cursors and files are left out.
#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2
#define LR_DEFAULTCOLOR 0x00000000
#define LR_DEFAULTSIZE 0x00000040

HANDLE WINAPI LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags);
BOOL WINAPI DestroyIcon(HICON icon);
// The RT_ICON identifier of the group's image that LoadImageW takes for this
// size on this screen; 0 when the directory has none.
int WINAPI LookupIconIdFromDirectoryEx(BYTE* directory, BOOL isIcon, int cx, int cy, UINT flags);

typedef struct tagVS_FIXEDFILEINFO {
    DWORD dwSignature;
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
} VS_FIXEDFILEINFO;

DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR fileName, LPDWORD handle);
BOOL WINAPI GetFileVersionInfoW(LPCWSTR fileName, DWORD handle, DWORD size, LPVOID data);
BOOL WINAPI VerQueryValueW(LPCVOID block, LPCWSTR subBlock, LPVOID* buffer, UINT* length);
