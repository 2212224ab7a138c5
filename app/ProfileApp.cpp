#include "app/ProfileApp.h"

namespace {

const WCHAR kProfilesSection[] = TEXT("Profiles");
const WCHAR kProfileKey[] = TEXT("Profile");

}  // namespace

ProfileApp::ProfileApp() : profileOptions(&store) {
    profileName = TEXT("Default");
}

ProfileApp::~ProfileApp() = default;

bool ProfileApp::InitInstance() {
    const bool result = TrayApp::InitInstance();
    DetermineProfile();
    return result;
}

bool ProfileApp::LoadSettings() {
    const bool result = TrayApp::LoadSettings();
    profileOptions.LoadAll(ProfileSection());
    return result;
}

bool ProfileApp::SaveSettings() {
    store.DeleteSection(ProfileSection());
    store.WriteString(kProfilesSection, kProfileKey, profileName);
    profileOptions.SaveAll(ProfileSection());
    return TrayApp::SaveSettings();
}

void ProfileApp::DetermineProfile() {
    WString stored;
    // An empty name is no name: its section would be "Profiles\" itself,
    // and saving would delete every profile's section.
    if (store.ReadString(kProfilesSection, kProfileKey, stored) && stored.Length() > 0) profileName = stored;
    store.AddPlaceholder(TEXT("*prof*"), WString(TEXT("Profiles\\")) + profileName + TEXT("\\"));
}

WString ProfileApp::ProfileSection() const {
    return WString(TEXT("Profiles\\")) + profileName;
}
