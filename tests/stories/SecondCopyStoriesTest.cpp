// A second copy of the program meets the record of a running one: it brings
// that window forward and ends with 1, unless the record names no main window
// of this program any more.
#include "app/InserterApp.h"
#include "app/ProgramEntry.h"
#include "app/MainDialog.h"
#include "scenario/Story.h"
#include "stories/StoredValues.h"

namespace {

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// A window as the running copy's main window looks from outside: the main
// window's own template, no program object behind it.
HWND OpenRunningCopysWindow() {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(MainDialog::templateId), nullptr, PlainDialog, 0);
}

class SecondCopyStory : public StoryTest {
protected:
    void SetUp() override {
        StoryTest::SetUp();
        // The first start was done long ago.
        ASSERT_TRUE(StoreText(u"Options\\Windows\\Main", u"CloseMinimize", u"0"));
    }
    void RecordHandle(HWND window) {
        ASSERT_TRUE(StoreText(u"Options\\Windows\\Main", u"Handle", ToText(static_cast<int>(reinterpret_cast<LONG_PTR>(window)))));
    }
};

TEST_F(SecondCopyStory, ARunningCopysWindowIsBroughtForwardRestoredAndTheStartEndsWithOne) {
    HWND running = OpenRunningCopysWindow();
    ASSERT_NE(running, nullptr);
    ShowWindow(running, SW_MINIMIZE);
    RecordHandle(running);

    EXPECT_EQ(RunProgram(TheApp()), kExitRefused);

    EXPECT_FALSE(IsIconic(running));
    EXPECT_EQ(GetForegroundWindow(), running);
    EXPECT_EQ(TheApp().keyboardHook, nullptr) << "a refused start installs no hook";
    EXPECT_EQ(TheApp().MainWindowHandle(), nullptr);
    EXPECT_EQ(StoredText(u"Options\\Windows\\Main", u"Handle"), ToText(static_cast<int>(reinterpret_cast<LONG_PTR>(running))));
    DestroyWindow(running);
}

HWND ClosedWindow() {
    HWND window = OpenRunningCopysWindow();
    DestroyWindow(window);
    return window;
}

// Some other program's window that got the recorded handle value.
HWND OtherProgramsWindow() {
    HWND window = OpenRunningCopysWindow();
    SetWindowTextW(window, TEXT("Другая программа"));
    ShowWindow(window, SW_MINIMIZE);
    return window;
}

TEST_F(SecondCopyStory, ARecordThatNamesNoRunningCopyDoesNotStopTheStart) {
    struct Case {
        const char* what;
        const char16_t* text;  // the record, when no window is made for it
        HWND (*makeWindow)();
    };
    const Case cases[] = {
        {"text that is no number", u"окно", nullptr},
        {"zero", u"0", nullptr},
        {"an empty text", u"", nullptr},
        {"a window that was closed", nullptr, ClosedWindow},
        {"another program's window", nullptr, OtherProgramsWindow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND window = c.makeWindow != nullptr ? c.makeWindow() : nullptr;
        if (c.makeWindow != nullptr)
            RecordHandle(window);
        else
            ASSERT_TRUE(StoreText(u"Options\\Windows\\Main", u"Handle", c.text));
        HWND shown = nullptr;
        story::Then([&] {
            shown = story::FindProgramWindow(u"Vintra Light", u"#32770");
            PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
        });
        story::Then([] { story::AnswerMessageBox(u"Vintra", IDOK); });

        EXPECT_EQ(RunProgram(TheApp()), kExitNormal);

        EXPECT_NE(shown, nullptr);
        if (IsWindow(window)) {
            EXPECT_TRUE(IsIconic(window)) << "another program's window is left as it was";
            DestroyWindow(window);
        }
        RestartProgram();
    }
}

}  // namespace
