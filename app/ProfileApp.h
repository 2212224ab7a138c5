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
    // No option is ever added to it; it is loaded and saved all the same.
    OptionList profileOptions;
};
