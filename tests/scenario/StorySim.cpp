// Stories on the simulated desktop: its script runs the steps, and a loop
// that would wait forever fails the test instead.
#include "scenario/Story.h"
#include "scenario/StoryPlatform.h"

#include "simdesk/Desktop.h"
#include "simdesk/Storage.h"

namespace story {

void Then(std::function<void()> step) {
    simdesk::Then(std::move(step));
}

bool Done() {
    return simdesk::ScriptIsEmpty();
}

void AnswerMessageBox(const std::u16string& caption, int answer) {
    const auto& shown = simdesk::MessageBoxesShown();
    ASSERT_FALSE(shown.empty()) << "no message box to answer";
    EXPECT_EQ(simdesk::ToUtf8(shown.back().caption), simdesk::ToUtf8(caption));
    simdesk::AnswerMessageBox(answer);
}

std::u16string MessageBoxText(const std::u16string& caption) {
    const auto& shown = simdesk::MessageBoxesShown();
    if (shown.empty() || shown.back().caption != caption) return {};
    return shown.back().text;
}

}  // namespace story

namespace story::detail {

void BeginStory() {
    simdesk::Reset();
    simdesk::SetStallHandler([](const std::string& reason) { ADD_FAILURE() << "simulated desktop: " << reason; });
}

void EndStory() {
    simdesk::Reset();
}

void StartNextRun() {
    simdesk::StartNextRun();
}

}  // namespace story::detail
