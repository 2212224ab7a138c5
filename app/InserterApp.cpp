#include "app/InserterApp.h"

InserterApp::InserterApp() {
    appName = TEXT("Vintra");
    firmName = TEXT("Ostrelix");
}

InserterApp::~InserterApp() = default;

bool InserterApp::InitInstance() {
    if (!ProfileApp::InitInstance()) return false;
    LoadSettings();
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
