// The application object's last level: the key combination that types "@"
// and the two system hooks that carry it out.
#pragma once

#include "app/MainDialog.h"
#include "app/ProfileApp.h"

class InserterApp : public ProfileApp {
public:
    InserterApp();
    ~InserterApp() override;

    bool InitInstance() override;
    bool Exit() override;
    bool LoadSettings() override;
    bool SaveSettings() override;
    HWND CreateMainWindow(HWND owner) override;
    Dialog& MainWindow() override;
    HWND MainWindowHandle() override;
    UINT TrayMessage() override;
    int TrayIconId() override;

    bool InstallHooks();
    bool RemoveHooks();

    MainDialog mainDialog;
    HHOOK keyboardHook = nullptr;
    HWINEVENTHOOK focusHook = nullptr;
    // "HotKey2": 0 the combination uses [Left Win], 1 [Alt].
    RadioGroupOption hotKey2;
    // The hook reads these copies of hotKey2 and ru, not the options.
    int hotKeyMode = 0;
    // "Ru": act only while the target thread's layout is Russian.
    DefaultedCheckBoxOption ru;
    bool ruOnly = false;
    // The window of another process that last received the keyboard focus.
    HWND lastFocus = nullptr;

private:
    // The first-start agreement; false when the user did not accept it.
    bool RunAgreement();
};

// The one application object. The system calls the hook procedures without a
// context argument, so they reach it here.
extern InserterApp theApp;
inline InserterApp& TheApp() {
    return theApp;
}
