// The driver's own windows: plain top-level windows whose queue the driver
// pumps itself, recording what arrives for them.
#pragma once

#include "Platform.h"

#include <string>
#include <vector>

// What reached the driver's windows since the last Clear().
struct ReceivedInput {
    int atCharacters = 0;   // WM_CHAR '@'
    int otherCharacters = 0;
    int twoKeyDowns = 0;    // WM_KEYDOWN / WM_SYSKEYDOWN of the main-row [2]
    int twoKeyUps = 0;      // WM_KEYUP / WM_SYSKEYUP of it
    std::vector<std::string> log;

    void Clear() { *this = ReceivedInput{}; }
    std::string Describe() const;
};

class TestWindow {
public:
    explicit TestWindow(LPCWSTR title);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return window_; }
    // Makes this the foreground window with the keyboard focus; false if the
    // system did not give it.
    bool TakeFocus();
    bool HasFocus() const;

private:
    HWND window_ = nullptr;
};

// Runs the driver thread's queue for `milliseconds`, recording into `received`.
// Keys are not translated: a '@' can only come as a posted WM_CHAR.
void PumpMessages(DWORD milliseconds, ReceivedInput& received);
