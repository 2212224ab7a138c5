// The parts of a story that are the same on both builds: finding the
// program's windows and acting on their controls through Win32 calls.
#include "scenario/Story.h"
#include "scenario/StoryPlatform.h"

#include "app/InserterApp.h"

#include <memory>
#include <vector>

namespace story {

HWND FindProgramWindow(const std::u16string& caption, const std::u16string& className) {
    const auto* wantedClass = className.empty() ? nullptr : reinterpret_cast<LPCWSTR>(className.c_str());
    return FindWindowW(wantedClass, reinterpret_cast<LPCWSTR>(caption.c_str()));
}

std::u16string TextOf(HWND window) {
    if (window == nullptr) return {};
    const int length = GetWindowTextLengthW(window);
    std::vector<WCHAR> text(static_cast<size_t>(length) + 1, 0);
    GetWindowTextW(window, text.data(), length + 1);
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()));
}

std::u16string ControlText(HWND dialog, int controlId) {
    return TextOf(GetDlgItem(dialog, controlId));
}

void Click(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    ASSERT_NE(control, nullptr) << "no control " << controlId;
    // A real click does nothing on a disabled control; BM_CLICK would still
    // deliver the command.
    if (!IsWindowEnabled(control)) return;
    SendMessageW(control, BM_CLICK, 0, 0);
}

}  // namespace story

namespace {

void RestartProgramObject() {
    std::destroy_at(&theApp);
    std::construct_at(&theApp);
}

}  // namespace

void StoryTest::RestartProgram() {
    TheApp().RemoveHooks();
    story::detail::StartNextRun();
    RestartProgramObject();
}

void StoryTest::SetUp() {
    story::detail::BeginStory();
    RestartProgramObject();
}

void StoryTest::TearDown() {
    EXPECT_TRUE(story::Done()) << "the story ended before the user finished it";
    TheApp().RemoveHooks();
    story::detail::EndStory();
}
