// The one nested message loop behind every modal state of the simulated
// desktop (dialog boxes, message boxes, later popup menus): it delivers what
// is queued, lets the user act when the program would wait, and fails loudly
// instead of waiting forever.
#include "WindowManager.h"

using namespace simdesk::detail;

namespace simdesk::detail {

bool RunModalLoop(const std::function<bool()>& ended, const std::function<void(MSG&)>& deliver,
                  const std::string& what) {
    while (!ended()) {
        MSG message{};
        if (TakeQueuedMessage(message)) {
            if (message.message == WM_QUIT) {
                // The modal state ends; the outer loop still gets the quit.
                PostQuitMessage(static_cast<int>(message.wParam));
                return false;
            }
            deliver(message);
            continue;
        }
        // Hooks run as the events come; here the thread would wait.
        if (RunIdleWork()) continue;
        ReportStall(what + " waits with no message queued, no user action left in the script and no timer");
        return false;
    }
    return true;
}

}  // namespace simdesk::detail
