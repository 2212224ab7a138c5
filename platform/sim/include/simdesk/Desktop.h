// Control interface of the simulated desktop, for tests and the sim runner.
// It speaks a user's language (start a program, click into a window, press
// keys) and is kept apart from the Win32 surface that program code sees.
#pragma once

#include "simwin/Win32.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace simdesk {

constexpr DWORD kLayoutEnglishUs = 0x04090409;
constexpr DWORD kLayoutRussian = 0x04190419;

// Throws away every window, hook, queue, other program and key state, and
// whatever the desktop's other parts registered to reset.
void Reset();

// Another program running on the desktop, with one thread.
struct OtherProgram {
    DWORD processId = 0;
    DWORD threadId = 0;
};

OtherProgram StartOtherProgram(const std::string& name, DWORD layout = kLayoutEnglishUs);
void SetKeyboardLayout(DWORD threadId, DWORD layout);
// A top-level window of another program that records every message it gets.
HWND OpenWindow(const OtherProgram& program, const std::string& title = "");
// The other program closes its window; its handle becomes invalid.
void CloseWindow(HWND window);
const std::vector<MSG>& ReceivedMessages(HWND window);
// How many messages `message` (with this wParam, unless any) the window got.
int CountReceived(HWND window, UINT message);
int CountReceived(HWND window, UINT message, WPARAM wParam);

// The user clicks into a window: it takes the keyboard focus and
// EVENT_OBJECT_FOCUS is raised for it.
void Focus(HWND window);

// Key presses as the keyboard driver reports them: the low-level hooks see
// the event first (most recently installed first); unless one swallows it,
// the key state changes and the focused window's thread gets the message.
// Generic modifier codes (VK_SHIFT, VK_CONTROL, VK_MENU) stand for the left key.
void KeyDown(BYTE virtualKey);
void KeyUp(BYTE virtualKey);
// Presses the keys in order, then releases them in reverse order.
void PressKeys(std::initializer_list<BYTE> keys);
bool IsKeyDown(BYTE virtualKey);

// What the user does next, run one action at a time whenever a message loop
// of the program finds nothing to do.
void Then(std::function<void()> action);
bool ScriptIsEmpty();

// Called when a message loop would wait forever: nothing queued, no script
// left. The default prints the reason and aborts; the loop then gets WM_QUIT.
void SetStallHandler(std::function<void(const std::string& reason)> handler);

// A message box the program showed, and how the user answers the next one.
struct ShownMessageBox {
    HWND owner = nullptr;
    std::u16string text;
    std::u16string caption;
    UINT type = 0;
};
const std::vector<ShownMessageBox>& MessageBoxesShown();
// Queues the user's answer (IDOK, IDYES, ...) for the next message box;
// typically called from a scripted action.
void AnswerMessageBox(int answer);

// Whether the program has called InitCommonControls.
bool CommonControlsInitialised();

// The program's executable path on the simulated disk (GetModuleFileNameW).
void SetProgramPath(const std::u16string& path);

std::u16string ToUtf16(const std::string& utf8);
std::string ToUtf8(const std::u16string& utf16);

}  // namespace simdesk
