#include "e2e/Typing.h"

#include "e2e/Keyboard.h"
#include "e2e/Report.h"

#include <string>

namespace {

// How long the driver lets the system deliver what one combination causes.
constexpr DWORD kDeliveryMs = 1000;
constexpr int kAttempts = 3;

}  // namespace

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

bool WakeFocusEvents(TestWindow& decoy, TestWindow& target) {
    if (!FocusTarget(decoy, target)) return false;
    const ReceivedInput plain = Type({'2'});
    if (plain.twoKeyDowns != 1 || plain.atCharacters != 0) {
        Fail("a plain [2] did not arrive as one key-down: " + plain.Describe());
        Note(target.HasFocus() ? "the target still has the focus" : "the target lost the focus");
        return false;
    }
    return FocusTarget(decoy, target);
}

ReceivedInput TypeCombination(std::initializer_list<WORD> keys, TestWindow& decoy, TestWindow& target,
                              bool expectAt) {
    ReceivedInput received;
    // Only a missing '@' can be the focus hook's lateness; an unexpected one
    // is never retried away.
    const int attempts = expectAt ? kAttempts : 1;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        received = Type(keys);
        if (received.atCharacters != 0) break;
        if (attempt < attempts) {
            Note("attempt " + std::to_string(attempt) + ": nothing inserted (" + received.Describe() +
                 "); focusing again");
            FocusTarget(decoy, target);
        }
    }
    return received;
}
