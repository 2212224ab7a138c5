// The program's main window: a small modeless dialog with the program icon
// and the buttons to hide the window, open the settings and quit.
#pragma once

#include "dialogs/Dialog.h"

// The main window's caption in its template; a second copy of the program
// recognises the first one's window by it.
inline constexpr WCHAR kMainWindowCaption[] = TEXT("Vintra Light");
// The tray icon's callback message to the main window.
inline constexpr UINT kTrayMessage = 40001;

class MainDialog : public Dialog {
public:
    static constexpr UINT templateId = 101;

    MainDialog();
    ~MainDialog() override;

    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnInitDialog() override;
    void OnDestroy() override;

private:
    // "Выйти", and the caption's close box: false when the user cancelled.
    bool ConfirmExit();
};
