// user32: message boxes, answered by the user's script.
#include "WindowManager.h"

#include <deque>

using namespace simdesk::detail;

namespace {

struct Boxes {
    std::vector<simdesk::ShownMessageBox> shown;
    std::deque<int> answers;
};

Boxes& TheBoxes() {
    static Boxes boxes;
    return boxes;
}

const bool kRegistered = [] {
    OnReset([] { TheBoxes() = Boxes{}; });
    return true;
}();

}  // namespace

// The box is modal: its owner's top-level window is disabled while it is
// shown, and a modal loop runs (posted messages are delivered, the user acts)
// until the user answers.
int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    (void)kRegistered;
    auto& boxes = TheBoxes();
    boxes.shown.push_back({owner, text != nullptr ? text : u"", caption != nullptr ? caption : u"Error", type});
    HWND ownerRoot = RootOf(owner);
    const bool disabled = ownerRoot != nullptr && FindProgramWindow(ownerRoot) != nullptr && IsWindowEnabled(ownerRoot);
    if (disabled) EnableWindow(ownerRoot, FALSE);
    const bool answered = RunModalLoop([&] { return !TheBoxes().answers.empty(); },
                                       [](MSG& message) {
                                           TranslateMessage(&message);
                                           DispatchMessageW(&message);
                                       },
                                       "a message box");
    if (disabled && IsWindow(ownerRoot)) EnableWindow(ownerRoot, TRUE);
    if (!answered) return 0;
    const int answer = TheBoxes().answers.front();
    TheBoxes().answers.pop_front();
    return answer;
}

namespace simdesk {

const std::vector<ShownMessageBox>& MessageBoxesShown() {
    return TheBoxes().shown;
}

void AnswerMessageBox(int answer) {
    TheBoxes().answers.push_back(answer);
}

}  // namespace simdesk
