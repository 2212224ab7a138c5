// A user's first starts and exits, played against the program in this
// process: the agreement, the main window, "Выйти" with its confirmation, and
// what the settings hold afterwards.
#include "app/InserterApp.h"
#include "app/ProgramEntry.h"
#include "scenario/Story.h"
#include "stories/StoredValues.h"

namespace {

constexpr int kAcceptBox = 1091;
constexpr int kAgreementText = 1092;

using FirstStartStory = StoryTest;

HWND Agreement() {
    return story::FindProgramWindow(u"Dialog", u"#32770");
}

HWND MainWindow() {
    return story::FindProgramWindow(u"Vintra Light", u"#32770");
}

// The user ticks the box and presses OK; then quits from the main window,
// confirming "Выйти?".
void AcceptAndQuit() {
    story::Then([] { story::Click(Agreement(), kAcceptBox); });
    story::Then([] { story::Click(Agreement(), IDOK); });
    story::Then([] {
        ASSERT_NE(MainWindow(), nullptr);
        story::Click(MainWindow(), IDCANCEL);
    });
    story::Then([] { story::AnswerMessageBox(u"Vintra", IDOK); });
}

TEST_F(FirstStartStory, TheAgreementOpensWithOkDisabledAndTheWholeText) {
    bool shortcutBeforeAnswer = false;
    std::u16string text;
    story::Then([&] {
        HWND agreement = Agreement();
        ASSERT_NE(agreement, nullptr);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(agreement, IDOK)));
        EXPECT_EQ(IsDlgButtonChecked(agreement, kAcceptBox), UINT{BST_UNCHECKED});
        text = story::ControlText(agreement, kAgreementText);
        shortcutBeforeAnswer = StartupShortcutExists();
        // OK pressed while the box is clear (another program can send it).
        SendMessageW(agreement, WM_COMMAND, IDOK, 0);
        EXPECT_NE(Agreement(), nullptr) << "OK with the box clear must not end the agreement";
    });
    story::Then([] { story::Click(Agreement(), kAcceptBox); });
    story::Then([] {
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Agreement(), IDOK)));
        story::Click(Agreement(), kAcceptBox);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Agreement(), IDOK))) << "clearing the box disables OK again";
        PostMessageW(Agreement(), WM_CLOSE, 0, 0);
    });

    EXPECT_EQ(RunProgram(TheApp()), kExitNormal);

    EXPECT_TRUE(shortcutBeforeAnswer);
    EXPECT_EQ(text.rfind(u"      ", 0), 0u) << "the title line is indented by six spaces";
    for (const char16_t* placeholder : {u"*app*", u"*APP*", u"*firm*"})
        EXPECT_EQ(text.find(placeholder), std::u16string::npos);
    EXPECT_NE(text.find(u"Vintra"), std::u16string::npos);
    EXPECT_NE(text.find(u"Ostrelix"), std::u16string::npos);
    EXPECT_NE(text.find(u"\r\n 1."), std::u16string::npos);
    EXPECT_NE(text.find(u"\r\n 5."), std::u16string::npos);
}

TEST_F(FirstStartStory, DecliningEndsWithZeroAndLeavesOnlyTheShortcut) {
    story::Then([] { PostMessageW(Agreement(), WM_CLOSE, 0, 0); });

    EXPECT_EQ(RunProgram(TheApp()), kExitNormal);

    EXPECT_FALSE(StoredSectionExists(u"Options\\Windows\\Main"));
    EXPECT_FALSE(StoredSectionExists(u"Options\\Common")) << "declining loads and saves nothing";
    EXPECT_TRUE(StartupShortcutExists());
    EXPECT_EQ(TheApp().keyboardHook, nullptr);
    EXPECT_EQ(MainWindow(), nullptr);
}

TEST_F(FirstStartStory, AcceptingShowsTheMainWindowAndQuittingStoresEveryValue) {
    std::optional<std::u16string> handleWhileRunning;
    story::Then([] { story::Click(Agreement(), kAcceptBox); });
    story::Then([] { story::Click(Agreement(), IDOK); });
    story::Then([&] {
        HWND window = MainWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_NE(TheApp().keyboardHook, nullptr);
        handleWhileRunning = StoredText(u"Options\\Windows\\Main", u"Handle");
        story::Click(window, IDCANCEL);
    });
    story::Then([] {
        EXPECT_EQ(story::MessageBoxText(u"Vintra"), u"Выйти?");
        story::AnswerMessageBox(u"Vintra", IDOK);
    });

    EXPECT_EQ(RunProgram(TheApp()), kExitNormal);

    EXPECT_FALSE(handleWhileRunning.has_value()) << "a first run records no handle";
    ExpectStoredAsAfterANormalExit();
    EXPECT_EQ(TheApp().keyboardHook, nullptr);
    EXPECT_FALSE(IsWindow(TheApp().MainWindowHandle()));
}

TEST_F(FirstStartStory, TheNextStartSkipsTheAgreementAndRecordsItsWindow) {
    AcceptAndQuit();
    ASSERT_EQ(RunProgram(TheApp()), kExitNormal);
    RestartProgram();

    std::optional<std::u16string> handle;
    story::Then([&] {
        EXPECT_EQ(Agreement(), nullptr);
        HWND window = MainWindow();
        ASSERT_NE(window, nullptr);
        handle = StoredText(u"Options\\Windows\\Main", u"Handle");
        EXPECT_EQ(handle, ToText(static_cast<int>(reinterpret_cast<LONG_PTR>(window))));
        story::Click(window, IDCANCEL);
    });
    // Cancelled: the program goes on as before.
    story::Then([] { story::AnswerMessageBox(u"Vintra", IDCANCEL); });
    story::Then([] {
        ASSERT_NE(MainWindow(), nullptr);
        EXPECT_TRUE(IsWindowVisible(MainWindow()));
        story::Click(MainWindow(), IDCANCEL);
    });
    story::Then([] { story::AnswerMessageBox(u"Vintra", IDOK); });

    EXPECT_EQ(RunProgram(TheApp()), kExitNormal);

    EXPECT_TRUE(handle.has_value());
    EXPECT_FALSE(StoredText(u"Options\\Windows\\Main", u"Handle").has_value()) << "a normal exit clears it";
}

TEST_F(FirstStartStory, WithoutConfirmExitTheCloseBoxQuitsAtOnce) {
    AcceptAndQuit();
    ASSERT_EQ(RunProgram(TheApp()), kExitNormal);
    ASSERT_TRUE(StoreText(u"Options\\Common", u"ConfirmExit", u"0"));
    RestartProgram();

    story::Then([] { PostMessageW(MainWindow(), WM_CLOSE, 0, 0); });

    EXPECT_EQ(RunProgram(TheApp()), kExitNormal);
    EXPECT_EQ(StoredText(u"Options\\Common", u"ConfirmExit"), u"0");
}

TEST_F(FirstStartStory, PlacementAndTopmostComeBackAfterARestart) {
    story::Then([] { story::Click(Agreement(), kAcceptBox); });
    story::Then([] { story::Click(Agreement(), IDOK); });
    story::Then([] {
        SetWindowPos(MainWindow(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetWindowPos(MainWindow(), nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        story::Click(MainWindow(), IDCANCEL);
    });
    story::Then([] { story::AnswerMessageBox(u"Vintra", IDOK); });
    ASSERT_EQ(RunProgram(TheApp()), kExitNormal);
    EXPECT_EQ(StoredText(u"Options\\Windows\\Main", u"topmost"), u"1");
    RestartProgram();

    RECT rect = {};
    LONG exStyle = 0;
    story::Then([&] {
        GetWindowRect(MainWindow(), &rect);
        exStyle = GetWindowLongW(MainWindow(), GWL_EXSTYLE);
        // No longer on top: the next exit deletes the record.
        SetWindowPos(MainWindow(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        story::Click(MainWindow(), IDCANCEL);
    });
    story::Then([] { story::AnswerMessageBox(u"Vintra", IDOK); });
    ASSERT_EQ(RunProgram(TheApp()), kExitNormal);

    EXPECT_EQ(rect.left, 120);
    EXPECT_EQ(rect.top, 90);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(StoredText(u"Options\\Windows\\Main", u"topmost").has_value());
}

}  // namespace
