#include "app/InserterApp.h"

InserterApp::InserterApp() {
    appName = TEXT("Vintra");
    firmName = TEXT("Ostrelix");
    hotKey2.SetValue(0);
    hotKey2.SetDefault(0);
    hotKeyMode = hotKey2.GetValue();
    ru.SetValue(false);
    ru.SetDefault(false);
    ruOnly = ru.GetValue();
}

InserterApp::~InserterApp() = default;

bool InserterApp::InitInstance() {
    if (!ProfileApp::InitInstance()) return false;
    LoadSettings();
    hotKeyMode = hotKey2.GetValue();
    ruOnly = ru.GetValue();
    InitCommonControls();
    InstallHooks();
    return true;
}

bool InserterApp::Exit() {
    RemoveHooks();
    SaveSettings();
    return ProfileApp::Exit();
}

bool InserterApp::LoadSettings() {
    ProfileApp::LoadSettings();
    return true;
}

bool InserterApp::SaveSettings() {
    ProfileApp::SaveSettings();
    return true;
}
