// The user at the simulated desktop: clicks, keys and message boxes reach
// the program's windows the way real input does.
#include "common/WindowTestSupport.h"
#include "simdesk/Storage.h"
#include "simdesk/User.h"
#include "support/DesktopFixture.h"

namespace {

using namespace winmgr_test;

class UserActions : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        Log().clear();
        DialogHandler() = nullptr;
    }
    void TearDown() override {
        DialogHandler() = nullptr;
        Log().clear();
        DesktopTest::TearDown();
    }
    INT_PTR Run(int id, HWND owner = nullptr) {
        return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), owner, RecordingDialogProc, 0);
    }
    static HWND Controls() { return simdesk::FindWindowByTitle("Winmgr controls"); }
};

TEST_F(UserActions, AClickIsMouseInputThatADisabledControlIgnores) {
    UINT checkAfterClick = 0;
    bool disabledClicked = true;
    std::vector<std::pair<int, int>> commands;
    simdesk::Then([&] {
        HWND dialog = Controls();
        EXPECT_TRUE(simdesk::Click(dialog, "Check"));
        checkAfterClick = simdesk::CheckState(dialog, kCheck);
        disabledClicked = simdesk::Click(dialog, kDisabledButton);
        commands = CommandsOf(dialog);
        EXPECT_TRUE(simdesk::Click(dialog, "OK"));
    });
    EXPECT_EQ(Run(kControlsDialog), IDOK);
    EXPECT_EQ(checkAfterClick, static_cast<UINT>(BST_CHECKED));
    EXPECT_FALSE(disabledClicked);
    // The box told the dialog itself; the disabled button said nothing.
    EXPECT_EQ(commands, (std::vector<std::pair<int, int>>{{kCheck, BN_CLICKED}}));
}

TEST_F(UserActions, TypingReachesTheFocusedEditButNotAReadOnlyOne) {
    std::string typed;
    std::string readOnly;
    simdesk::Then([] {
        HWND dialog = Controls();
        SetFocus(GetDlgItem(dialog, kEdit));
        simdesk::TypeText("Привет");
    });
    simdesk::Then([] {
        HWND dialog = Controls();
        simdesk::Click(dialog, kMultiLineEdit);
        simdesk::TypeText("x");
    });
    simdesk::Then([&] {
        HWND dialog = Controls();
        typed = simdesk::ControlText(dialog, kEdit);
        readOnly = simdesk::ControlText(dialog, kMultiLineEdit);
        simdesk::PressEscape();
    });
    EXPECT_EQ(Run(kControlsDialog), IDCANCEL);
    EXPECT_EQ(typed, "Привет");
    EXPECT_EQ(readOnly, "");
}

TEST_F(UserActions, TheKeysOfADialogGoThroughTheHooksAndTheModalLoop) {
    simdesk::Then([] {
        HWND dialog = Controls();
        EXPECT_TRUE(simdesk::Tick(dialog, kThree, BST_INDETERMINATE));
        simdesk::PressTab();
    });
    simdesk::Then([] {
        // From the three-state box Tab goes on to the first radio button.
        EXPECT_EQ(simdesk::FocusedWindow(), GetDlgItem(Controls(), kRadioOne));
        simdesk::PressEnter();
    });
    EXPECT_EQ(Run(kControlsDialog), IDOK);
}

TEST_F(UserActions, TheCloseBoxIsCancelAndADisabledWindowHasNone) {
    HWND owner = CreateTestWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100);
    simdesk::Then([owner] {
        // The owner is disabled: its close box does nothing.
        EXPECT_FALSE(simdesk::CloseWithCloseBox(owner));
        EXPECT_TRUE(simdesk::CloseWithCloseBox(Controls()));
    });
    EXPECT_EQ(Run(kControlsDialog, owner), IDCANCEL);
    EXPECT_TRUE(IsWindow(owner));
    DestroyWindow(owner);
}

TEST_F(UserActions, AMessageBoxDisablesItsOwnerAndDeliversPostedMessagesWhileItWaits) {
    HWND owner = CreateTestWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100);
    HWND child = CreateTestWindow(WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, owner, 3);
    PostMessageW(owner, WM_APP, 1, 2);
    bool enabledWhileShown = true;
    simdesk::Then([&] {
        enabledWhileShown = IsWindowEnabled(owner) != FALSE;
        simdesk::AnswerMessageBox(IDOK);
    });
    EXPECT_EQ(MessageBoxW(child, TEXT("Выйти?"), TEXT("Vintra"), MB_OKCANCEL), IDOK);
    EXPECT_FALSE(enabledWhileShown);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(MessagesOf(owner, {WM_APP}).size(), 1u);
    ASSERT_EQ(simdesk::MessageBoxesShown().size(), 1u);
    EXPECT_EQ(simdesk::MessageBoxesShown()[0].owner, child);
    DestroyWindow(owner);
}

TEST_F(UserActions, AModalLoopWithNothingLeftToDoFailsInsteadOfHanging) {
    std::string stall;
    simdesk::SetStallHandler([&](const std::string& reason) { stall = reason; });
    EXPECT_EQ(Run(kControlsDialog), 0);
    EXPECT_NE(stall.find("modal dialog"), std::string::npos);
    EXPECT_EQ(Controls(), nullptr);
    stall.clear();
    EXPECT_EQ(MessageBoxW(nullptr, TEXT("?"), TEXT("?"), MB_OK), 0);
    EXPECT_NE(stall.find("message box"), std::string::npos);
}

TEST_F(UserActions, TheNextRunStartsWithoutTheWindowsOfTheLastOne) {
    HWND dialog =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPlainDialog), nullptr, RecordingDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(simdesk::FindWindowByTitle("Winmgr plain"), dialog);
    EXPECT_EQ(simdesk::ForegroundWindow(), dialog);
    simdesk::StartNextRun();
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(simdesk::FindWindowByTitle("Winmgr plain"), nullptr);
    EXPECT_EQ(GetForegroundWindow(), nullptr);
    // The system's classes are there in the new run too.
    HWND again =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPlainDialog), nullptr, RecordingDialogProc, 0);
    EXPECT_NE(again, nullptr);
    DestroyWindow(again);
}

TEST_F(UserActions, AWindowKeepsTheIconsItIsGivenAndDestroysNone) {
    HWND window = CreateTestWindow(WS_OVERLAPPEDWINDOW, 0, 0, 100, 100);
    HICON small = reinterpret_cast<HICON>(static_cast<std::uintptr_t>(0x1234));
    HICON big = reinterpret_cast<HICON>(static_cast<std::uintptr_t>(0x5678));
    EXPECT_EQ(SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small)), 0);
    EXPECT_EQ(SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big)), 0);
    EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(small));
    EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(big));
    EXPECT_EQ(SendMessageW(window, WM_SETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(small));
    // A static icon control likewise.
    HWND icon = CreateWindowExW(0, TEXT("Static"), TEXT(""), WS_CHILD | SS_ICON, 0, 0, 32, 32, window, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    EXPECT_EQ(SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(big), 0), 0);
    EXPECT_EQ(SendMessageW(icon, STM_GETICON, 0, 0), reinterpret_cast<LRESULT>(big));
    DestroyWindow(window);
}

}  // namespace

namespace {

using namespace winmgr_test;

class Activation : public DesktopTest {};

TEST_F(Activation, TheProgramHearsWhenAnotherProgramTakesTheForegroundAndWhenItGetsItBack) {
    Log().clear();
    HWND window = CreateTestWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100);
    EXPECT_EQ(GetForegroundWindow(), window);
    auto other = simdesk::StartOtherProgram("editor");
    HWND editor = simdesk::OpenWindow(other, "Editor");
    Log().clear();
    simdesk::Focus(editor);
    EXPECT_EQ(GetForegroundWindow(), editor);
    EXPECT_EQ(GetFocus(), nullptr);
    ASSERT_GE(IndexOf(window, WM_ACTIVATEAPP), 0);
    EXPECT_EQ(Log()[static_cast<std::size_t>(IndexOf(window, WM_ACTIVATEAPP))].wParam, static_cast<WPARAM>(FALSE));
    Log().clear();
    EXPECT_TRUE(SetForegroundWindow(window));
    const int app = IndexOf(window, WM_ACTIVATEAPP);
    const int activate = IndexOf(window, WM_ACTIVATE);
    ASSERT_GE(app, 0);
    EXPECT_EQ(Log()[static_cast<std::size_t>(app)].wParam, static_cast<WPARAM>(TRUE));
    EXPECT_LT(app, activate);
    EXPECT_EQ(GetFocus(), window);
    DestroyWindow(window);
    Log().clear();
}

}  // namespace

namespace {

using namespace winmgr_test;

int keyEventsSeen = 0;

LRESULT CALLBACK CountingHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) ++keyEventsSeen;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class ModalHooks : public DesktopTest {};

TEST_F(ModalHooks, TheProgramsKeyboardHookKeepsRunningWhileAModalDialogWaits) {
    keyEventsSeen = 0;
    HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, CountingHook, GetModuleHandleW(nullptr), 0);
    ASSERT_NE(hook, nullptr);
    int seenBeforeEscape = 0;
    simdesk::Then([] { simdesk::PressKeys({VK_SHIFT, '2'}); });
    simdesk::Then([&] {
        seenBeforeEscape = keyEventsSeen;
        simdesk::PressEscape();
    });
    EXPECT_EQ(DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kControlsDialog), nullptr,
                              RecordingDialogProc, 0),
              IDCANCEL);
    EXPECT_EQ(seenBeforeEscape, 4);
    UnhookWindowsHookEx(hook);
    Log().clear();
}

}  // namespace
