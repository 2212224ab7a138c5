#include "app/InserterApp.h"

#include "dialogs/AgreementDialog.h"
#include "res/resource.h"

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
    options.Add(&hotKey2, TEXT("HotKey2"));
    options.Add(&ru, TEXT("Ru"));
    if (!ProfileApp::InitInstance()) return false;
    if (firstStart && !RunAgreement()) {
        // The loop ends at once; nothing was loaded, hooked or shown.
        PostQuitMessage(0);
        return true;
    }
    LoadSettings();
    hotKeyMode = hotKey2.GetValue();
    ruOnly = ru.GetValue();
    InitCommonControls();
    InstallHooks();
    ShowMainWindow();
    return true;
}

bool InserterApp::RunAgreement() {
    AgreementDialog agreement;
    const INT_PTR answer = agreement.ShowModal(AgreementDialog::templateId, MainWindowHandle());
    return answer == IDOK && agreement.accepted.GetValue();
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

HWND InserterApp::CreateMainWindow(HWND owner) {
    return mainDialog.Create(MainDialog::templateId, owner);
}

Dialog& InserterApp::MainWindow() {
    return mainDialog;
}

HWND InserterApp::MainWindowHandle() {
    return mainDialog.Handle();
}

UINT InserterApp::TrayMessage() {
    return kTrayMessage;
}

int InserterApp::TrayIconId() {
    return IDI_PROGRAM;
}
