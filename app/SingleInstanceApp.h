// The second level of the application object: the start-up sequence's frame,
// the creation of the main window and the record of its handle that lets a
// second copy of the program find the first.
#pragma once

#include "app/AppBase.h"

class Dialog;

class SingleInstanceApp : public AppBase {
public:
    SingleInstanceApp();
    ~SingleInstanceApp() override;

    bool Exit() override;
    virtual bool InitInstance();
    // Creates the main window as a modeless dialog owned by `owner`.
    virtual HWND CreateMainWindow(HWND owner) = 0;
    virtual bool ShowMainWindow();
    virtual Dialog& MainWindow() = 0;

    bool singleInstance = true;
    // 0 normal, 1 minimised, 2 as the window was left.
    TriStateOption startMinimize;
    CheckBoxOption closeMinimize;

private:
    // The record of the running copy's main window under "Options\Windows\Main".
    bool BringRunningInstanceForward();
    void RecordMainWindow(HWND window);
    void ClearMainWindowRecord();
};
