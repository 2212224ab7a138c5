#include "app/ProfileApp.h"

ProfileApp::ProfileApp() : profileOptions(&store) {
    profileName = TEXT("Default");
}

ProfileApp::~ProfileApp() = default;

bool ProfileApp::InitInstance() {
    return TrayApp::InitInstance();
}

bool ProfileApp::LoadSettings() {
    return TrayApp::LoadSettings();
}

bool ProfileApp::SaveSettings() {
    return TrayApp::SaveSettings();
}
