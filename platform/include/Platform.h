// The one header that program code includes to reach the Win32 API.
// On Windows it brings the SDK; elsewhere the simulated desktop's own
// declarations, which use the same names, values and layouts.
#pragma once

#if defined(_WIN32)
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <commctrl.h>
#include <winver.h>
#else
#include "simwin/Win32.h"
#endif
