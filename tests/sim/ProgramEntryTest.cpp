// The process's life as the entry function sees it: start, loop, exit code.
#include "app/ProgramEntry.h"
#include "support/ProgramFixture.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);

namespace {

using ProgramEntryTest = ProgramTest;

TEST_F(ProgramEntryTest, NormalExitEndsWithZeroAndRemovesTheHooks) {
    bool hooksWereInstalled = false;
    simdesk::Then([&] {
        hooksWereInstalled = app().keyboardHook != nullptr && app().focusHook != nullptr;
        app().Exit();
    });

    EXPECT_EQ(RunProgram(app()), kExitNormal);

    EXPECT_TRUE(hooksWereInstalled);
    EXPECT_EQ(app().keyboardHook, nullptr);
    EXPECT_EQ(app().focusHook, nullptr);
    EXPECT_TRUE(simdesk::CommonControlsInitialised());
    EXPECT_EQ(app().instance, GetModuleHandleW(nullptr));
    EXPECT_TRUE(simdesk::MessageBoxesShown().empty());
}

TEST_F(ProgramEntryTest, ARefusedStartEndsWithOneSilentlyAndHooksNothing) {
    app().appName = TEXT("");

    EXPECT_EQ(RunProgram(app()), kExitRefused);

    EXPECT_EQ(app().keyboardHook, nullptr);
    EXPECT_EQ(app().focusHook, nullptr);
    EXPECT_EQ(app().instance, nullptr);
    EXPECT_TRUE(simdesk::MessageBoxesShown().empty());
}

TEST_F(ProgramEntryTest, ARefusedStartShowsTheErrorTextWhenThereIsOne) {
    app().appName = TEXT("");
    app().errorText = TEXT("Ошибка запуска");
    simdesk::Then([] { simdesk::AnswerMessageBox(IDOK); });

    EXPECT_EQ(RunProgram(app()), kExitRefused);

    ASSERT_EQ(simdesk::MessageBoxesShown().size(), 1u);
    const auto& box = simdesk::MessageBoxesShown()[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, u"Ошибка запуска");
    EXPECT_EQ(box.caption, u"Error");
    EXPECT_EQ(box.type, UINT{MB_SYSTEMMODAL | MB_ICONERROR});
}

TEST_F(ProgramEntryTest, AQuitPostedBeforeTheLoopEndsItAtOnce) {
    PostQuitMessage(0);
    EXPECT_EQ(RunProgram(app()), kExitNormal);
    EXPECT_TRUE(simdesk::ScriptIsEmpty());
}

TEST_F(ProgramEntryTest, MessagesQueuedBeforeTheQuitAreStillDelivered) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    static int delivered;
    delivered = 0;
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_APP) ++delivered;
        return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = TEXT("EntryTestWindow");
    ASSERT_NE(RegisterClassExW(&windowClass), 0);
    HWND window = CreateWindowExW(0, TEXT("EntryTestWindow"), TEXT(""), 0, 0, 0, 0, 0, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    simdesk::Then([&] {
        PostMessageW(window, WM_APP, 0, 0);
        app().Exit();
        PostMessageW(window, WM_APP, 0, 0);
    });

    EXPECT_EQ(RunProgram(app()), kExitNormal);
    EXPECT_EQ(delivered, 2);
    DestroyWindow(window);
}

TEST_F(ProgramEntryTest, TheEntryFunctionIgnoresItsArguments) {
    WCHAR commandLine[] = u"/minimized --settings=x";
    simdesk::Then([&] { app().Exit(); });
    EXPECT_EQ(wWinMain(nullptr, nullptr, commandLine, 0 /* SW_HIDE */), kExitNormal);
    EXPECT_EQ(app().instance, GetModuleHandleW(nullptr));
}

TEST_F(ProgramEntryTest, ALoopWithNothingLeftToDoFailsLoudlyInsteadOfHanging) {
    std::string reason;
    simdesk::SetStallHandler([&](const std::string& why) { reason = why; });
    EXPECT_EQ(RunProgram(app()), kExitNormal);
    EXPECT_NE(reason.find("message loop"), std::string::npos);
}

}  // namespace
