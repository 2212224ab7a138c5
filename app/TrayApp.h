// The third level of the application object: the notification-area settings
// and what the tray icon needs to know of the main window.
#pragma once

#include "app/SingleInstanceApp.h"

class TrayApp : public SingleInstanceApp {
public:
    TrayApp();
    ~TrayApp() override;

    bool InitInstance() override;
    // The window that owns the tray icon, its callback message and its icon.
    virtual HWND MainWindowHandle() = 0;
    virtual UINT TrayMessage() = 0;
    virtual int TrayIconId() = 0;

    CheckBoxOption minimizeToTray;
    CheckBoxOption hideInTray;
    CheckBoxOption keepInTray;
};
