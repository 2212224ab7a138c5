// End-to-end test of the key combination on a real Win32 desktop (Wine):
// Vintra.exe runs as its own process, this driver owns the focused window,
// types the combination with SendInput and checks what its window receives.
//
//   vintra_e2e_driver.exe [path\to\Vintra.exe]   (default: beside the driver)
//
// Exit code 0 when every check passed.
#include "e2e/Keyboard.h"
#include "e2e/TestWindow.h"
#include "e2e/VintraProcess.h"

#include <cstdio>
#include <string>

namespace {

// How long the driver lets the system deliver what one combination causes.
constexpr DWORD kDeliveryMs = 1000;
// Vintra's focus hook hears of focus changes asynchronously, when its thread
// next waits for messages; a retry gives a slow start another chance.
constexpr int kAttempts = 3;

int failures = 0;

void Fail(const std::string& what) {
    ++failures;
    std::printf("FAIL: %s\n", what.c_str());
    std::fflush(stdout);
}

void Note(const std::string& what) {
    std::printf("      %s\n", what.c_str());
    std::fflush(stdout);
}

void Pass(const std::string& what) {
    std::printf("ok:   %s\n", what.c_str());
    std::fflush(stdout);
}

std::wstring DefaultVintraPath() {
    WCHAR path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text(path, length);
    const std::size_t slash = text.find_last_of(L"\\/");
    return (slash == std::wstring::npos ? std::wstring() : text.substr(0, slash + 1)) + L"Vintra.exe";
}

// The focus goes to the decoy, then to the target, so that Vintra's focus hook,
// installed by now, sees the target take it.
bool FocusTarget(TestWindow& decoy, TestWindow& target) {
    if (!decoy.TakeFocus()) {
        Fail("the decoy window could not take the focus");
        return false;
    }
    if (!target.TakeFocus()) {
        Fail("the target window could not take the focus");
        return false;
    }
    ReceivedInput ignored;
    PumpMessages(300, ignored);
    return true;
}

ReceivedInput Type(std::initializer_list<WORD> keys) {
    ReceivedInput received;
    if (!PressKeys(keys)) Fail("SendInput did not take every key event");
    PumpMessages(kDeliveryMs, received);
    ReleaseModifiers();
    return received;
}

bool CheckInputArrives(TestWindow& target) {
    const ReceivedInput plain = Type({'2'});
    if (plain.twoKeyDowns == 1 && plain.atCharacters == 0) {
        Pass("a plain [2] reaches the focused window");
        return true;
    }
    Fail("a plain [2] did not arrive as one key-down: " + plain.Describe());
    Note(target.HasFocus() ? "the target still has the focus" : "the target lost the focus");
    return false;
}

void CheckCombinationInsertsAt(TestWindow& decoy, TestWindow& target, const VintraProcess& vintra) {
    ReceivedInput received;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        received = Type({VK_LWIN, VK_SHIFT, '2'});
        if (received.atCharacters != 0 || !vintra.IsRunning()) break;
        if (attempt < kAttempts) {
            Note("attempt " + std::to_string(attempt) + ": nothing inserted (" + received.Describe() +
                 "); focusing again");
            FocusTarget(decoy, target);
        }
    }
    if (!vintra.IsRunning()) {
        Fail("Vintra.exe ended during the test with code " + std::to_string(vintra.ExitCode()));
        return;
    }
    const bool oneAt = received.atCharacters == 1 && received.otherCharacters == 0;
    const bool swallowed = received.twoKeyDowns == 0 && received.twoKeyUps == 0;
    if (oneAt && swallowed) {
        Pass("[Left Win]+[Shift]+[2] gives exactly one '@' and the [2] key is swallowed");
        return;
    }
    if (!oneAt)
        Fail("[Left Win]+[Shift]+[2]: expected one WM_CHAR '@', got " + std::to_string(received.atCharacters) +
             " (and " + std::to_string(received.otherCharacters) + " other characters)");
    if (!swallowed)
        Fail("[Left Win]+[Shift]+[2]: the [2] key reached the window (" + std::to_string(received.twoKeyDowns) +
             " down, " + std::to_string(received.twoKeyUps) + " up)");
    Note("received: " + received.Describe());
    Note("Vintra's windows: " + vintra.DescribeWindows());
}

void CheckControlBlocksTheCombination() {
    const ReceivedInput received = Type({VK_CONTROL, VK_LWIN, VK_SHIFT, '2'});
    if (received.atCharacters == 0 && received.twoKeyDowns == 1) {
        Pass("[Ctrl]+[Left Win]+[Shift]+[2] inserts nothing and the [2] key passes");
        return;
    }
    if (received.atCharacters != 0)
        Fail("[Ctrl]+[Left Win]+[Shift]+[2] inserted " + std::to_string(received.atCharacters) + " '@'");
    if (received.twoKeyDowns != 1) Fail("[Ctrl]+[Left Win]+[Shift]+[2]: the [2] key-down did not pass exactly once");
    Note("received: " + received.Describe());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring vintraPath = argc > 1 ? std::wstring(argv[1]) : DefaultVintraPath();
    std::string error;
    if (!PrepareSettings(error)) {
        Fail("preparing Vintra's settings: " + error);
        return 1;
    }

    TestWindow decoy(TEXT("Vintra e2e: decoy"));
    TestWindow target(TEXT("Vintra e2e: target"));
    if (decoy.Handle() == nullptr || target.Handle() == nullptr) {
        Fail("could not create the driver's windows");
        return 1;
    }

    // The driver must be able to take the focus at all before Vintra joins.
    if (!FocusTarget(decoy, target)) return 1;

    VintraProcess vintra;
    if (!vintra.Start(vintraPath, error)) {
        Fail("starting Vintra.exe: " + error);
        return 1;
    }
    Pass("Vintra.exe is running and waits for input");
    // Settle: the message loop is up, give its first turns time to run.
    ReceivedInput ignored;
    PumpMessages(1000, ignored);

    // Wine (8.0, no window manager) raises no focus events for other
    // processes' hooks until the desktop has seen some input: a plain key
    // goes first, then the focus moves for Vintra's focus hook to see.
    if (CheckInputArrives(target) && FocusTarget(decoy, target)) {
        CheckCombinationInsertsAt(decoy, target, vintra);
        CheckControlBlocksTheCombination();
    }
    vintra.Stop();

    std::printf(failures == 0 ? "PASSED\n" : "FAILED (%d)\n", failures);
    return failures == 0 ? 0 : 1;
}
