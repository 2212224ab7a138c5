// Identifiers of the program's resources, shared by the resource script and
// the code that loads them. Plain #defines only: the resource compiler reads
// this file too.
#pragma once

// Icon groups.
#define IDI_PROGRAM 102
#define IDI_SETTINGS 112

// Dialog templates.
#define IDD_MAIN 101
#define IDD_ABOUT 103
#define IDD_SETTINGS 104
#define IDD_PAGE_GENERAL 106
#define IDD_PAGE_PROGRAM 107
#define IDD_AGREEMENT 109

// Controls without an identifier of their own.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Main window (IDOK hides it, IDCANCEL exits).
#define IDC_MAIN_SETTINGS 1001

// About dialog.
#define IDC_ABOUT_COPYRIGHT 1000
#define IDC_ABOUT_VERSION 1001

// Settings dialog and its pages. The two pages are separate windows, so
// their identifiers may repeat.
#define IDC_SETTINGS_TABS 1002
#define IDC_GENERAL_AUTOSTART 1003
#define IDC_GENERAL_START_MINIMIZED 1004
#define IDC_GENERAL_MINIMIZE_TO_TRAY 1005
#define IDC_PROGRAM_HOTKEY_WIN 1004
#define IDC_PROGRAM_HOTKEY_ALT 1005
#define IDC_PROGRAM_RUSSIAN_ONLY 1006

// Agreement dialog.
#define IDC_AGREEMENT_ACCEPT 1091
#define IDC_AGREEMENT_TEXT 1092
