// user32: message queues, posting, sending, the message loop calls.
#include "State.h"

#include <chrono>

using namespace simdesk::detail;

namespace simdesk::detail {

DWORD Now() {
    using namespace std::chrono;
    return static_cast<DWORD>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

bool Post(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{window.handle, message, wParam, lParam, Now(), {}};
    if (IsProgramWindow(window)) {
        ProgramThread().queue.push_back(msg);
    } else {
        window.received.push_back(msg);
    }
    return true;
}

}  // namespace simdesk::detail

namespace {

bool Matches(const MSG& msg, HWND window, UINT filterMin, UINT filterMax) {
    if (window != nullptr && msg.hwnd != window) return false;
    if (filterMin == 0 && filterMax == 0) return true;
    return msg.message >= filterMin && msg.message <= filterMax;
}

// Takes the first queued message that fits the filter; WM_QUIT only once the
// queue holds nothing else, as on the platform.
bool TakeMessage(LPMSG out, HWND window, UINT filterMin, UINT filterMax, bool remove) {
    Thread& thread = ProgramThread();
    for (auto it = thread.queue.begin(); it != thread.queue.end(); ++it) {
        if (!Matches(*it, window, filterMin, filterMax)) continue;
        *out = *it;
        if (remove) thread.queue.erase(it);
        return true;
    }
    if (thread.quitPosted) {
        *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(thread.quitCode), 0, Now(), {}};
        if (remove) thread.quitPosted = false;
        return true;
    }
    return false;
}

}  // namespace

namespace simdesk::detail {

bool TakeQueuedMessage(MSG& message) {
    return TakeMessage(&message, nullptr, 0, 0, true);
}

}  // namespace simdesk::detail

BOOL WINAPI PostMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handle == nullptr) return PostThreadMessageW(GetCurrentThreadId(), message, wParam, lParam);
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return Post(*window, message, wParam, lParam) ? TRUE : FALSE;
}

BOOL WINAPI PostThreadMessageW(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
    Thread* thread = FindThread(threadId);
    if (thread == nullptr) {
        SetLastError(1444);  // ERROR_INVALID_THREAD_ID
        return FALSE;
    }
    thread->queue.push_back(MSG{nullptr, message, wParam, lParam, Now(), {}});
    return TRUE;
}

LRESULT WINAPI SendMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (!IsProgramWindow(*window)) {
        // Another program's window: it takes the message and answers 0.
        window->received.push_back(MSG{handle, message, wParam, lParam, Now(), {}});
        return 0;
    }
    WNDPROC procedure = window->procedure;
    return procedure != nullptr ? procedure(handle, message, wParam, lParam) : DefWindowProcW(handle, message, wParam, lParam);
}

BOOL WINAPI GetMessageW(LPMSG message, HWND window, UINT filterMin, UINT filterMax) {
    if (message == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    // While the queue is empty the thread waits; that is when the user acts.
    while (!TakeMessage(message, window, filterMin, filterMax, true)) {
        if (RunIdleWork()) continue;
        ReportStall("a message loop waits with no message queued and no user action left in the script");
        // End the loop that would otherwise wait forever.
        *message = MSG{nullptr, WM_QUIT, 0, 0, Now(), {}};
        return FALSE;
    }
    return message->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WINAPI PeekMessageW(LPMSG message, HWND window, UINT filterMin, UINT filterMax, UINT removeMessage) {
    if (message == nullptr) return FALSE;
    return TakeMessage(message, window, filterMin, filterMax, (removeMessage & PM_REMOVE) != 0) ? TRUE : FALSE;
}

// Character messages for the keys the program's windows use: the dialog
// keys, space, Latin letters and digits of the US layout, and typed text
// (VK_PACKET, whose character the simulated keyboard carries in the high
// half of lParam, which the platform leaves zero).
BOOL WINAPI TranslateMessage(const MSG* message) {
    if (message == nullptr || (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN)) return FALSE;
    if (message->message == WM_SYSKEYDOWN || message->hwnd == nullptr) return TRUE;
    const WPARAM vk = message->wParam;
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    WCHAR character = 0;
    if (vk == VK_PACKET) {
        character = static_cast<WCHAR>((static_cast<std::uint64_t>(message->lParam) >> 32) & 0xFFFF);
    } else if (vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_TAB || vk == VK_BACK || vk == VK_SPACE) {
        character = static_cast<WCHAR>(vk == VK_RETURN ? u'\r' : vk);
    } else if (vk >= 'A' && vk <= 'Z') {
        character = static_cast<WCHAR>(shift ? vk : vk + 32);
    } else if (vk >= '0' && vk <= '9' && !shift) {
        character = static_cast<WCHAR>(vk);
    }
    if (character != 0) {
        // Posted ahead of the input that followed the key, as the platform
        // takes posted messages before further input.
        const LPARAM keyData = static_cast<LPARAM>(static_cast<std::uint64_t>(message->lParam) & 0xFFFFFFFFu);
        if (Window* window = FindWindow(message->hwnd); window != nullptr && IsProgramWindow(*window)) {
            ProgramThread().queue.push_front(MSG{message->hwnd, WM_CHAR, character, keyData, Now(), {}});
        }
    }
    return TRUE;
}

// A WM_TIMER that carries a timer procedure calls it instead of the window.
LRESULT WINAPI DispatchMessageW(const MSG* message) {
    if (message == nullptr) return 0;
    if (message->message == WM_TIMER && message->lParam != 0) {
        reinterpret_cast<TIMERPROC>(message->lParam)(message->hwnd, WM_TIMER, message->wParam, Now());
        return 0;
    }
    if (message->hwnd == nullptr) return 0;
    return SendMessageW(message->hwnd, message->message, message->wParam, message->lParam);
}

void WINAPI PostQuitMessage(int exitCode) {
    Thread& thread = ProgramThread();
    thread.quitPosted = true;
    thread.quitCode = exitCode;
}
