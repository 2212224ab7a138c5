// Stories on Windows (and under Wine): a thread timer runs one step each time
// it fires. Timer messages come only when a loop's queue is otherwise empty,
// and every loop of the thread (the program's, a dialog box's, a message
// box's, a popup menu's) dispatches them, so a step can act inside a modal
// state that an earlier step opened.
#include "scenario/Story.h"
#include "scenario/StoryPlatform.h"

#include <deque>

namespace {

constexpr UINT kStepInterval = 40;     // milliseconds
constexpr DWORD kPatience = 15000;     // milliseconds without a step to run

struct Script {
    std::deque<std::function<void()>> steps;
    UINT_PTR timer = 0;
    DWORD lastStep = 0;
    bool gaveUp = false;
};

Script& TheScript() {
    static Script script;
    return script;
}

BOOL CALLBACK EndWindowOfStory(HWND window, LPARAM) {
    DestroyWindow(window);
    return TRUE;
}

// Nothing left to do and the program still runs: it waits for a user that
// will never come. Fail, and end every window and loop of the thread.
void GiveUp() {
    Script& script = TheScript();
    script.gaveUp = true;
    ADD_FAILURE() << "the program still waits for the user " << kPatience << " ms after the story's last step";
    EnumThreadWindows(GetCurrentThreadId(), EndWindowOfStory, 0);
    PostQuitMessage(0);
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Script& script = TheScript();
    if (script.steps.empty()) {
        if (!script.gaveUp && GetTickCount() - script.lastStep > kPatience) GiveUp();
        return;
    }
    // Taken off first: the step may open a modal loop in which the next
    // steps run.
    std::function<void()> step = std::move(script.steps.front());
    script.steps.pop_front();
    script.lastStep = GetTickCount();
    step();
}

// The program's settings key and its Startup shortcut, as on a fresh account.
void ForgetTheProgram() {
    SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Ostrelix\\Vintra");
    WCHAR folder[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        WCHAR shortcut[MAX_PATH + 16] = {};
        wsprintfW(shortcut, L"%s\\Vintra.lnk", folder);
        DeleteFileW(shortcut);
    }
}

}  // namespace

namespace story {

void Then(std::function<void()> step) {
    Script& script = TheScript();
    script.steps.push_back(std::move(step));
    if (script.timer == 0) script.timer = SetTimer(nullptr, 0, kStepInterval, Tick);
    script.lastStep = GetTickCount();
}

bool Done() {
    return TheScript().steps.empty();
}

void AnswerMessageBox(const std::u16string& caption, int answer) {
    HWND box = FindWindowW(L"#32770", reinterpret_cast<LPCWSTR>(caption.c_str()));
    ASSERT_NE(box, nullptr) << "no message box to answer";
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
}

std::u16string MessageBoxText(const std::u16string& caption) {
    HWND box = FindWindowW(L"#32770", reinterpret_cast<LPCWSTR>(caption.c_str()));
    // The message text is the box's static control 0xFFFF.
    return box != nullptr ? ControlText(box, 0xFFFF) : std::u16string();
}

}  // namespace story

namespace story::detail {

void BeginStory() {
    TheScript() = Script{};
    ForgetTheProgram();
}

void EndStory() {
    Script& script = TheScript();
    if (script.timer != 0) KillTimer(nullptr, script.timer);
    script = Script{};
    ForgetTheProgram();
}

void StartNextRun() {
    // The old run's windows are gone with its exit; the registry and the disk
    // stay as they are.
}

}  // namespace story::detail
