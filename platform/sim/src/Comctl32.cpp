// comctl32: the control classes are always there on the simulated desktop;
// the calls are only remembered.
#include "State.h"

using namespace simdesk::detail;

namespace {

bool& Initialised() {
    static bool initialised = false;
    return initialised;
}

const bool kRegistered = [] {
    OnReset([] { Initialised() = false; });
    return true;
}();

}  // namespace

void WINAPI InitCommonControls() {
    (void)kRegistered;
    Initialised() = true;
}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
    (void)kRegistered;
    if (controls == nullptr || controls->dwSize != sizeof(INITCOMMONCONTROLSEX)) return FALSE;
    Initialised() = true;
    return TRUE;
}

namespace simdesk {

bool CommonControlsInitialised() {
    return Initialised();
}

}  // namespace simdesk
