// The third level of the application object: the notification-area settings.
#pragma once

#include "app/SingleInstanceApp.h"

class TrayApp : public SingleInstanceApp {
public:
    TrayApp();
    ~TrayApp() override;

    bool InitInstance() override;

    CheckBoxOption minimizeToTray;
    CheckBoxOption hideInTray;
    CheckBoxOption keepInTray;
};
