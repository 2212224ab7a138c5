// The fourth level of the application object: the current profile, read at
// start and saved at exit, with a section of its own that holds no option.
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

private:
    void DetermineProfile();
    WString ProfileSection() const;
};
