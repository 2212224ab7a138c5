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

struct Window {
    HWND handle = nullptr;
    DWORD processId = 0;
    DWORD threadId = 0;
    std::u16string className;
    std::u16string text;
    WNDPROC procedure = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    HINSTANCE instance = nullptr;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    // Windows of other programs keep what reached them instead of running code.
    std::vector<MSG> received;
};

struct DesktopState {
    std::map<DWORD, Thread> threads;
    std::map<std::uintptr_t, Window> windows;
    HWND focus = nullptr;
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
void ReportStall(const std::string& reason);

// Raised by the window and focus code; the hook code delivers it.
void RaiseWinEvent(DWORD event, HWND window, LONG objectId, LONG childId);

}  // namespace simdesk::detail
