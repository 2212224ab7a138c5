// Shared internal state of the simulated desktop. Each Win32 library's
// simulation keeps its own tables; this header holds what several share:
// processes, threads, windows and message queues.
#pragma once

#include "simdesk/Desktop.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace simdesk::detail {

// The program under test is this process and its one thread.
constexpr DWORD kProgramProcessId = 0x1000;
constexpr DWORD kProgramThreadId = 0x1004;

struct Thread {
    DWORD id = 0;
    DWORD processId = 0;
    DWORD layout = kLayoutEnglishUs;
    std::deque<MSG> queue;
    bool quitPosted = false;
    int quitCode = 0;
};

// What a dialog adds to its window: the dialog manager's bookkeeping.
struct DialogData {
    bool ended = false;
    INT_PTR result = 0;
    HFONT font = nullptr;
    // The owner a modal run disabled, to enable again when it ends.
    HWND disabledOwner = nullptr;
    // The control that had the focus when the dialog was last deactivated.
    HWND savedFocus = nullptr;
    // DM_SETDEFID's control identifier; 0 until set.
    WORD defaultId = 0;
};

struct Window {
    HWND handle = nullptr;
    DWORD processId = 0;
    DWORD threadId = 0;
    std::u16string className;
    std::u16string text;
    WNDPROC procedure = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    // Child windows have a parent; top-level windows may have an owner.
    HWND parent = nullptr;
    HWND owner = nullptr;
    // Children in z-order, topmost first; a new child goes to the bottom.
    std::vector<HWND> children;
    HINSTANCE instance = nullptr;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    // The class's extra window bytes (GetWindowLongPtrW with index >= 0).
    std::vector<BYTE> extra;
    // Window rectangle: screen coordinates for a top-level window, the
    // parent's client coordinates for a child.
    RECT rect{};
    // Where a restored window goes, and the minimised and maximised positions.
    RECT normalRect{};
    POINT minPosition{-1, -1};
    POINT maxPosition{-1, -1};
    bool restoreToMaximized = false;
    std::map<std::u16string, HANDLE> properties;
    HICON smallIcon = nullptr;
    HICON bigIcon = nullptr;
    bool destroying = false;
    // Created hidden and not yet told its size and place (WM_SIZE, WM_MOVE).
    bool needsSize = false;
    bool isDialog = false;
    DialogData dialog;
    // Windows of other programs keep what reached them instead of running code.
    std::vector<MSG> received;
};

struct DesktopState {
    std::map<DWORD, Thread> threads;
    std::map<std::uintptr_t, Window> windows;
    // Top-level windows of every program in z-order, topmost first.
    std::vector<HWND> topLevel;
    HWND focus = nullptr;
    // The foreground window: the active top-level window of whichever program.
    HWND active = nullptr;
    std::deque<std::function<void()>> script;
    std::function<void(const std::string&)> stallHandler;
    std::u16string programPath;
    DWORD nextProcessId = 0x2000;
    DWORD lastError = 0;
};

DesktopState& State();

// Each part of the simulation registers how it returns to a fresh desktop.
void OnReset(std::function<void()> reset);
void RunResets();

Thread* FindThread(DWORD threadId);
Thread& ProgramThread();
Window* FindWindow(HWND window);
bool IsProgramWindow(const Window& window);

// Delivers a posted message: into the program thread's queue, or straight
// into the log of another program's window.
bool Post(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
DWORD Now();

// Runs the next scripted user action; false when there is none.
bool RunNextScriptAction();
// What an idle thread does next: the user's next action, else the earliest
// timer falls due (time on the desktop jumps to it); false when neither.
bool RunIdleWork();
void ReportStall(const std::string& reason);

// Window tree helpers (Windows.cpp).
Window* FindProgramWindow(HWND window);
HWND RootOf(HWND window);
bool IsDescendant(HWND ancestor, HWND window);
// The window and every ancestor are visible / enabled.
bool IsReallyVisible(HWND window);
bool IsReallyEnabled(HWND window);
// Case-insensitive (Latin letters) text comparison, as class names compare.
bool SameTextIgnoringCase(const std::u16string& a, const std::u16string& b);

// Activation and focus (Focus.cpp): makes `window` (a top-level window of any
// program, or null) the foreground window with the messages the platform sends.
void Activate(HWND window);
// Called by DestroyWindow and hiding: activation and focus leave the window.
void ActivationLeaves(HWND window);

// One nested message loop for every modal state (ModalLoop.cpp): delivers
// queued messages with `deliver`, runs the user's script and due timers when
// idle, and stops when `ended` says so. A WM_QUIT ends it and is posted again
// for the outer loop. A loop that would wait forever reports a stall naming
// `what` and returns false.
bool RunModalLoop(const std::function<bool()>& ended, const std::function<void(MSG&)>& deliver,
                  const std::string& what);
// Takes the first queued message for the program thread (any window).
bool TakeQueuedMessage(MSG& message);

// Raised by the window and focus code; the hook code delivers it.
void RaiseWinEvent(DWORD event, HWND window, LONG objectId, LONG childId);

}  // namespace simdesk::detail
