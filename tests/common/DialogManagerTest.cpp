// Dialogs from templates: creation order, modal runs, the owner, the default
// dialog processing and the dialog keys.
#include "common/WindowTestSupport.h"

namespace {

using namespace winmgr_test;

class DialogManager : public WindowTest {};

TEST_F(DialogManager, TheFontComesBeforeInitDialogWhichGetsTheCreationParameter) {
    HWND dialog = Dialog(kControlsDialog, nullptr, 0x5EED);
    ASSERT_NE(dialog, nullptr);
    const int font = IndexOf(dialog, WM_SETFONT);
    const int init = IndexOf(dialog, WM_INITDIALOG);
    ASSERT_GE(font, 0);
    ASSERT_GE(init, 0);
    EXPECT_LT(font, init);
    EXPECT_EQ(Log()[static_cast<std::size_t>(init)].lParam, 0x5EED);
    // WM_INITDIALOG names the control that gets the focus: the first tab stop.
    EXPECT_EQ(reinterpret_cast<HWND>(Log()[static_cast<std::size_t>(init)].wParam), GetDlgItem(dialog, IDOK));
    // Without DS_SETFONT there is no WM_SETFONT.
    HWND plain = Dialog(kPlainDialog);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(IndexOf(plain, WM_SETFONT), -1);
    EXPECT_TRUE(IsWindowVisible(plain));
    EXPECT_FALSE(IsWindowVisible(dialog));
}

TEST_F(DialogManager, TemplateUnitsBecomePixelsThroughTheDialogsBaseUnits) {
    HWND classic = Dialog(kClassicDialog);
    ASSERT_NE(classic, nullptr);
    RECT size{0, 0, 120, 60};
    MapDialogRect(classic, &size);
    RECT client{};
    GetClientRect(classic, &client);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    // Without DS_CENTER and without an owner the template's position is the
    // client area's on the screen, as far as the frame stays on the screen.
    RECT place{10, 12, 0, 0};
    MapDialogRect(classic, &place);
    POINT origin{0, 0};
    ClientToScreen(classic, &origin);
    EXPECT_EQ(origin.x, place.left);
    RECT window{};
    GetWindowRect(classic, &window);
    EXPECT_EQ(window.top, 0);
    // DS_CENTER centres the dialog on the screen.
    HWND centred = Dialog(kControlsDialog);
    GetWindowRect(centred, &window);
    const int screenMiddle = GetSystemMetrics(SM_CXSCREEN) / 2;
    EXPECT_LE(std::abs((window.left + window.right) / 2 - screenMiddle), 1);
}

TEST_F(DialogManager, AMissingTemplateFailsTheRunWithMinusOne) {
    EXPECT_EQ(RunDialog(kMissingDialog), -1);
    EXPECT_EQ(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kMissingDialog), nullptr,
                                 RecordingDialogProc, 0),
              nullptr);
}

TEST_F(DialogManager, AModalRunDisablesItsOwnerAndReturnsWhatEndDialogGave) {
    HWND owner = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    bool ownerEnabledDuringRun = true;
    bool dialogShown = false;
    // The run shows the dialog once its loop has nothing else to do.
    Then([] {});
    Then([&] {
        HWND dialog = FindWindowW(nullptr, TEXT("Winmgr controls"));
        ownerEnabledDuringRun = IsWindowEnabled(owner) != FALSE;
        dialogShown = IsWindowVisible(dialog) != FALSE;
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
        EndDialog(dialog, 42);
    });
    EXPECT_EQ(RunDialog(kControlsDialog, owner), 42);
    EXPECT_FALSE(ownerEnabledDuringRun);
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(FindWindowW(nullptr, TEXT("Winmgr controls")), nullptr);
}

TEST_F(DialogManager, EnterEscapeAndTheCloseBoxEndAModalRun) {
    struct Case {
        const char* what;
        std::function<void(HWND)> act;
        INT_PTR result;
    };
    const auto press = [](WORD key) {
        return [key](HWND dialog) {
            SetForegroundWindow(dialog);
            INPUT inputs[2] = {};
            inputs[0].type = INPUT_KEYBOARD;
            inputs[0].ki.wVk = key;
            inputs[1] = inputs[0];
            inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, inputs, sizeof(INPUT));
        };
    };
    const Case cases[] = {
        {"Enter", press(VK_RETURN), IDOK},
        {"Esc", press(VK_ESCAPE), IDCANCEL},
        {"close box", [](HWND dialog) { SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
        {"WM_CLOSE", [](HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); }, IDCANCEL},
    };
    for (const Case& c : cases) {
        Then([&] { c.act(FindWindowW(nullptr, TEXT("Winmgr controls"))); });
        EXPECT_EQ(RunDialog(kControlsDialog), c.result) << c.what;
    }
}

TEST_F(DialogManager, DialogKeysBecomeCommandsOfTheRightButtons) {
    HWND dialog = Dialog(kControlsDialog);
    ASSERT_NE(dialog, nullptr);
    DialogHandler() = [](HWND, UINT message, WPARAM, LPARAM, INT_PTR&) { return message == WM_COMMAND; };
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    struct Case {
        const char* what;
        int focus;
        WPARAM key;
        int command;
    };
    const Case cases[] = {
        {"Enter on a check box clicks the default button", kCheck, VK_RETURN, IDOK},
        {"Enter on a push button given the focus still clicks the default", IDCANCEL, VK_RETURN, IDOK},
        {"Esc is Cancel", kEdit, VK_ESCAPE, IDCANCEL},
    };
    for (const Case& c : cases) {
        SetFocus(GetDlgItem(dialog, c.focus));
        Log().clear();
        MSG key{GetFocus(), WM_KEYDOWN, c.key, 0, 0, {0, 0}};
        EXPECT_TRUE(IsDialogMessageW(dialog, &key)) << c.what;
        const auto commands = CommandsOf(dialog);
        ASSERT_EQ(commands.size(), 1u) << c.what;
        EXPECT_EQ(commands[0], std::make_pair(c.command, static_cast<int>(BN_CLICKED))) << c.what;
    }
    // A message for another window is not the dialog's.
    HWND other = Window();
    MSG foreign{other, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_FALSE(IsDialogMessageW(dialog, &foreign));
}

TEST_F(DialogManager, TabWalksTheTabStopsSkippingDisabledOnes) {
    HWND dialog = Dialog(kControlsDialog);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    // Template order of the tab stops (the resource compiler gives radio
    // buttons WS_TABSTOP); the disabled button is left out and the walk
    // comes round to the first again.
    const int order[] = {IDOK, IDCANCEL, kCheck, kThree, kRadioOne, kRadioTwo, kRadioOther, kEdit, kMultiLineEdit,
                         IDOK};
    SetFocus(GetDlgItem(dialog, order[0]));
    for (std::size_t i = 1; i < sizeof(order) / sizeof(order[0]); ++i) {
        EXPECT_EQ(GetNextDlgTabItem(dialog, GetFocus(), FALSE), GetDlgItem(dialog, order[i])) << "after " << order[i - 1];
        MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
        IsDialogMessageW(dialog, &tab);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, order[i])) << "after " << order[i - 1];
    }
    EXPECT_EQ(GetNextDlgTabItem(dialog, GetDlgItem(dialog, IDOK), TRUE), GetDlgItem(dialog, kMultiLineEdit));
}

TEST_F(DialogManager, TheDialogProceduresResultComesFromDwlpMsgResult) {
    constexpr UINT kQuestion = WM_APP + 7;
    DialogHandler() = [](HWND dialog, UINT message, WPARAM, LPARAM, INT_PTR& result) {
        if (message != kQuestion) return false;
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 77);
        result = TRUE;
        return true;
    };
    HWND dialog = Dialog(kControlsDialog);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageW(dialog, kQuestion, 0, 0), 77);
    EXPECT_NE(GetWindowLongPtrW(dialog, DWLP_DLGPROC), 0);
}

TEST_F(DialogManager, WmCloseOfAModelessDialogBecomesCancel) {
    HWND dialog = Dialog(kClassicDialog);
    ASSERT_NE(dialog, nullptr);
    DialogHandler() = [](HWND, UINT message, WPARAM, LPARAM, INT_PTR&) { return message == WM_COMMAND; };
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    const auto commands = CommandsOf(dialog);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0], std::make_pair(IDCANCEL, static_cast<int>(BN_CLICKED)));
    EXPECT_TRUE(IsWindow(dialog));
}

}  // namespace
