// kernel32: module, process and thread identity, last error, wide-text helpers
// and code-page conversion.
#pragma once

#include "simwin/Types.h"

#define CP_ACP 0
#define CP_UTF8 65001
#define WC_NO_BEST_FIT_CHARS 0x00000400

HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName);
DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size);
DWORD WINAPI GetCurrentProcessId();
DWORD WINAPI GetCurrentThreadId();
DWORD WINAPI GetLastError();
void WINAPI SetLastError(DWORD error);

int WINAPI lstrlenW(LPCWSTR text);
LPWSTR WINAPI lstrcpyW(LPWSTR destination, LPCWSTR source);
LPWSTR WINAPI lstrcpynW(LPWSTR destination, LPCWSTR source, int maxLength);
LPWSTR WINAPI lstrcatW(LPWSTR destination, LPCWSTR source);
int WINAPI lstrcmpW(LPCWSTR a, LPCWSTR b);
int WINAPI lstrcmpiW(LPCWSTR a, LPCWSTR b);

// Code page conversion. The simulated ANSI code page is Windows-1251, the
// code page of a Russian system. Characters it lacks get the platform's best
// fit where the program can meet one (fullwidth digits and signs, other
// spaces and minus signs), unless WC_NO_BEST_FIT_CHARS; the rest become '?'.
int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR multiByte,
                               int multiByteSize, LPCSTR defaultChar, LPBOOL usedDefaultChar);
int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int multiByteLength, LPWSTR wide,
                               int wideSize);

BOOL WINAPI CloseHandle(HANDLE handle);
void WINAPI Sleep(DWORD milliseconds);
DWORD WINAPI GetTickCount();

// Processes: opening one by its id and trimming its working set.
#define STANDARD_RIGHTS_REQUIRED 0x000F0000L
#define SYNCHRONIZE 0x00100000L
#define PROCESS_TERMINATE 0x0001
#define PROCESS_SET_QUOTA 0x0100
#define PROCESS_QUERY_INFORMATION 0x0400
#define PROCESS_QUERY_LIMITED_INFORMATION 0x1000
#define PROCESS_ALL_ACCESS (STANDARD_RIGHTS_REQUIRED | SYNCHRONIZE | 0xFFFF)

HANDLE WINAPI GetCurrentProcess();
HANDLE WINAPI OpenProcess(DWORD desiredAccess, BOOL inheritHandle, DWORD processId);
BOOL WINAPI SetProcessWorkingSetSize(HANDLE process, SIZE_T minimumSize, SIZE_T maximumSize);
