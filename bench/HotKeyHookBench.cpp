// What the keyboard hook costs on a key event that is not the combination,
// next to a hook that only passes the event on. Both run in the same process
// and the same run; the ratios are printed at the end.
#include "app/HotKeyHook.h"
#include "app/InserterApp.h"
#include "simdesk/Desktop.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>

namespace {

LRESULT CALLBACK PassThroughHook(int code, WPARAM message, LPARAM event) {
    return CallNextHookEx(nullptr, code, message, event);
}

// Ordinary typing: letters and digits other than [2], down and up.
constexpr std::array<BYTE, 12> kOrdinaryKeys = {'A', 'S', 'D', 'F', 'J', 'K', 'L', 'E', '1', '3', VK_SPACE, VK_RETURN};

// The desktop with another program's window as the remembered target, so the
// hook has a live window to check; no window has the desktop's focus, so no
// message piles up anywhere while the benchmark types.
void PrepareDesktop(bool programHooks) {
    simdesk::Reset();
    const auto editor = simdesk::StartOtherProgram("editor");
    HWND window = simdesk::OpenWindow(editor, "Editor");
    if (programHooks) {
        TheApp().InitInstance();
    } else {
        SetWindowsHookExW(WH_KEYBOARD_LL, PassThroughHook, GetModuleHandleW(nullptr), 0);
    }
    TheApp().lastFocus = window;
}

void TypeThroughDesktop(benchmark::State& state, bool programHooks) {
    PrepareDesktop(programHooks);
    std::size_t i = 0;
    for (auto _ : state) {
        const BYTE key = kOrdinaryKeys[i++ % kOrdinaryKeys.size()];
        simdesk::KeyDown(key);
        simdesk::KeyUp(key);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 2);
    TheApp().RemoveHooks();
    simdesk::Reset();
}

void CallDirectly(benchmark::State& state, HOOKPROC hook) {
    PrepareDesktop(false);
    std::array<KBDLLHOOKSTRUCT, kOrdinaryKeys.size()> events{};
    for (std::size_t k = 0; k < events.size(); ++k) events[k].vkCode = kOrdinaryKeys[k];
    std::size_t i = 0;
    for (auto _ : state) {
        KBDLLHOOKSTRUCT& event = events[i++ % events.size()];
        benchmark::DoNotOptimize(hook(HC_ACTION, WM_KEYDOWN, reinterpret_cast<LPARAM>(&event)));
        benchmark::DoNotOptimize(hook(HC_ACTION, WM_KEYUP, reinterpret_cast<LPARAM>(&event)));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 2);
    simdesk::Reset();
}

void BM_KeyEvent_PassThrough(benchmark::State& state) {
    TypeThroughDesktop(state, false);
}
void BM_KeyEvent_HotKeyHook(benchmark::State& state) {
    TypeThroughDesktop(state, true);
}
void BM_HookCall_PassThrough(benchmark::State& state) {
    CallDirectly(state, PassThroughHook);
}
void BM_HookCall_HotKeyHook(benchmark::State& state) {
    CallDirectly(state, HotKeyHook);
}

BENCHMARK(BM_KeyEvent_PassThrough);
BENCHMARK(BM_KeyEvent_HotKeyHook);
BENCHMARK(BM_HookCall_PassThrough);
BENCHMARK(BM_HookCall_HotKeyHook);

// Keeps each benchmark's CPU time per iteration (steadier than wall time on a
// busy machine) to print the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Plain text: the output lands in logs as often as on a terminal.
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    // With repetitions the median stands for the benchmark; without, its one run.
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median") medians[name] = run.GetAdjustedCPUTime();
            } else {
                times[name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatio(const char* what, const std::string& hook, const std::string& baseline) {
        for (const auto& [name, value] : medians) times[name] = value;
        if (times.count(hook) == 0 || times.count(baseline) == 0 || times[baseline] <= 0) return;
        std::printf("%s: HotKeyHook / pass-through = %.2fx\n", what, times[hook] / times[baseline]);
    }

    std::map<std::string, double> times;
    std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("whole key event through the desktop", "BM_KeyEvent_HotKeyHook", "BM_KeyEvent_PassThrough");
    reporter.PrintRatio("hook procedure alone", "BM_HookCall_HotKeyHook", "BM_HookCall_PassThrough");
    benchmark::Shutdown();
    return 0;
}
