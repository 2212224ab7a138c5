// The application object's last level: the key combination that types "@"
// and the two system hooks that carry it out.
#pragma once

#include "app/ProfileApp.h"

class InserterApp : public ProfileApp {
public:
    InserterApp();
    ~InserterApp() override;

    bool InitInstance() override;
    bool Exit() override;
    bool LoadSettings() override;
    bool SaveSettings() override;

    bool InstallHooks();
    bool RemoveHooks();

    HHOOK keyboardHook = nullptr;
    HWINEVENTHOOK focusHook = nullptr;
    // 0: the combination uses [Left Win]; any other value: [Alt].
    int hotKeyMode = 0;
    // Act only while the target thread's layout is Russian.
    bool ruOnly = false;
    // The window of another process that last received the keyboard focus.
    HWND lastFocus = nullptr;
};

// The one application object. The system calls the hook procedures without a
// context argument, so they reach it here.
extern InserterApp theApp;
inline InserterApp& TheApp() {
    return theApp;
}
