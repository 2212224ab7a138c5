// End-to-end test of the key combination on a real Win32 desktop (Wine):
// Vintra.exe runs as its own process, this driver owns the focused window,
// types the combination with SendInput and checks what its window receives.
//
//   vintra_e2e_driver.exe [path\to\Vintra.exe]   (default: beside the driver)
//
// Exit code 0 when every check passed.
#include "e2e/Keyboard.h"
#include "e2e/Report.h"
#include "e2e/TestWindow.h"
#include "e2e/Typing.h"
#include "e2e/VintraProcess.h"

#include <string>

namespace {

std::wstring DefaultVintraPath() {
    WCHAR path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text(path, length);
    const std::size_t slash = text.find_last_of(L"\\/");
    return (slash == std::wstring::npos ? std::wstring() : text.substr(0, slash + 1)) + L"Vintra.exe";
}

void CheckCombinationInsertsAt(TestWindow& decoy, TestWindow& target, const VintraProcess& vintra) {
    const ReceivedInput received = TypeCombination({VK_LWIN, VK_SHIFT, '2'}, decoy, target, true);
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
    if (WakeFocusEvents(decoy, target)) {
        CheckCombinationInsertsAt(decoy, target, vintra);
        CheckControlBlocksTheCombination();
    }
    vintra.Stop();

    return Finish();
}
