// user32: timers. Time on the simulated desktop only matters while the
// program waits: when a loop finds nothing queued and the user's script is
// empty, the earliest timer falls due and its WM_TIMER is queued.
#include "WindowManager.h"

#include <algorithm>

using namespace simdesk::detail;

namespace {

struct Timer {
    HWND window = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    TIMERPROC procedure = nullptr;
    std::uint64_t due = 0;
};

struct TimerState {
    std::vector<Timer> timers;
    std::uint64_t now = 0;
    UINT_PTR nextThreadTimerId = 0x7FF0;
};

TimerState& Timers() {
    static TimerState timers;
    return timers;
}

const bool kRegistered = [] {
    OnReset([] { Timers() = TimerState{}; });
    return true;
}();

std::vector<Timer>::iterator FindTimer(HWND window, UINT_PTR id) {
    auto& timers = Timers().timers;
    return std::find_if(timers.begin(), timers.end(),
                        [&](const Timer& t) { return t.window == window && t.id == id; });
}

bool FireNextTimer() {
    auto& state = Timers();
    if (state.timers.empty()) return false;
    auto next = std::min_element(state.timers.begin(), state.timers.end(),
                                 [](const Timer& a, const Timer& b) { return a.due < b.due; });
    state.now = next->due;
    next->due = state.now + std::max<UINT>(next->elapse, 1);
    MSG message{next->window, WM_TIMER, next->id, reinterpret_cast<LPARAM>(next->procedure), Now(), {}};
    ProgramThread().queue.push_back(message);
    return true;
}

}  // namespace

namespace simdesk::detail {

void KillWindowTimers(HWND window) {
    auto& timers = Timers().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(), [window](const Timer& t) { return t.window == window; }),
                 timers.end());
}

bool RunIdleWork() {
    if (RunNextScriptAction()) return true;
    return FireNextTimer();
}

}  // namespace simdesk::detail

UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure) {
    (void)kRegistered;
    if (window != nullptr && FindProgramWindow(window) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    auto& state = Timers();
    if (window == nullptr) {
        // Thread timers get an identifier of the system's choosing.
        auto existing = id != 0 ? FindTimer(nullptr, id) : state.timers.end();
        if (existing == state.timers.end()) id = ++state.nextThreadTimerId;
    }
    auto found = FindTimer(window, id);
    Timer timer{window, id, elapse, procedure, state.now + std::max<UINT>(elapse, 1)};
    if (found != state.timers.end()) {
        *found = timer;
    } else {
        state.timers.push_back(timer);
    }
    return window == nullptr ? id : (id != 0 ? id : 1);
}

BOOL WINAPI KillTimer(HWND window, UINT_PTR id) {
    auto found = FindTimer(window, id);
    if (found == Timers().timers.end()) {
        SetLastError(1402);  // ERROR_INVALID_TIMER_HANDLE
        return FALSE;
    }
    Timers().timers.erase(found);
    // A WM_TIMER already queued for it is not delivered any more.
    auto& queue = ProgramThread().queue;
    queue.erase(std::remove_if(queue.begin(), queue.end(),
                               [&](const MSG& m) { return m.message == WM_TIMER && m.hwnd == window && m.wParam == id; }),
                queue.end());
    return TRUE;
}
