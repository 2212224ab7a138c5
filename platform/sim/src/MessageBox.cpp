// user32: message boxes, answered by the user's script.
#include "State.h"

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

// The box is modal: the user acts (the script runs) until an answer comes.
int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    (void)kRegistered;
    auto& boxes = TheBoxes();
    boxes.shown.push_back({owner, text != nullptr ? text : u"", caption != nullptr ? caption : u"Error", type});
    while (boxes.answers.empty()) {
        if (!RunNextScriptAction()) {
            ReportStall("a message box waits for an answer and the script has none");
            return 0;
        }
    }
    const int answer = boxes.answers.front();
    boxes.answers.pop_front();
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
