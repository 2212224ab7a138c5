// The fourth level of the application object: the current profile.
#pragma once

#include "app/TrayApp.h"

class ProfileApp : public TrayApp {
public:
    ProfileApp();
    ~ProfileApp() override;

    bool InitInstance() override;
    bool LoadSettings() override;
    bool SaveSettings() override;

    WString profileName;
};
