// shell32's link object: the IShellLinkW interface of a shell shortcut, with
// its slots in the published order, and the class and interface identifiers.
#pragma once

#include "simwin/Ole32.h"
#include "simwin/Types.h"

typedef struct _WIN32_FIND_DATAW {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    WCHAR cFileName[MAX_PATH];
    WCHAR cAlternateFileName[14];
} WIN32_FIND_DATAW, *PWIN32_FIND_DATAW, *LPWIN32_FIND_DATAW;

// Item identifier lists stay opaque: the program never walks one.
typedef struct _ITEMIDLIST ITEMIDLIST;
typedef ITEMIDLIST* PIDLIST_ABSOLUTE;
typedef const ITEMIDLIST* PCIDLIST_ABSOLUTE;

// Flags of IShellLinkW::GetPath.
#define SLGP_SHORTPATH 0x1
#define SLGP_UNCPRIORITY 0x2
#define SLGP_RAWPATH 0x4

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
struct IShellLinkW : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetPath(LPWSTR file, int size, WIN32_FIND_DATAW* findData, DWORD flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetIDList(PIDLIST_ABSOLUTE* list) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetIDList(PCIDLIST_ABSOLUTE list) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetDescription(LPWSTR name, int size) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDescription(LPCWSTR name) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPWSTR directory, int size) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCWSTR directory) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetArguments(LPWSTR arguments, int size) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetArguments(LPCWSTR arguments) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetHotkey(WORD* hotKey) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetHotkey(WORD hotKey) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetShowCmd(int* showCommand) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetShowCmd(int showCommand) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetIconLocation(LPWSTR iconPath, int size, int* iconIndex) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetIconLocation(LPCWSTR iconPath, int iconIndex) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetRelativePath(LPCWSTR relativePath, DWORD reserved) = 0;
    virtual HRESULT STDMETHODCALLTYPE Resolve(HWND window, DWORD flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetPath(LPCWSTR file) = 0;
};

#pragma GCC diagnostic pop

extern const CLSID CLSID_ShellLink;
extern const IID IID_IShellLinkW;
