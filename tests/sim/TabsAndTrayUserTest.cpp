// The user at the simulated desktop clicks tabs and tray icons: the program
// hears of it the way real input tells it, and the tray shows the icons with
// their tips.
#include "common/ShellTestSupport.h"
#include "simdesk/Tray.h"
#include "simdesk/User.h"
#include "support/DesktopFixture.h"

#include <string>
#include <vector>

namespace {

using namespace shell_test;

class TabClicks : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        dialog_ = CreateTabsDialog();
        ASSERT_NE(dialog_, nullptr);
        ShowWindow(dialog_, SW_SHOW);
        tabs_ = GetDlgItem(dialog_, kTabs);
        InsertTab(tabs_, 0, TEXT("Программа"));
        InsertTab(tabs_, 1, TEXT("&Общие"));
    }
    void TearDown() override {
        VetoChanges() = false;
        DesktopTest::TearDown();
    }
    HWND dialog_ = nullptr;
    HWND tabs_ = nullptr;
};

TEST_F(TabClicks, ClickingATabByItsTextMakesItCurrentAndTellsTheDialog) {
    EXPECT_EQ(simdesk::CurrentTab(dialog_, kTabs), "Программа");
    EXPECT_TRUE(simdesk::ClickTab(dialog_, kTabs, "Общие"));
    EXPECT_EQ(CurrentTab(tabs_), 1);
    ASSERT_EQ(TabChanges().size(), 2u);
    EXPECT_EQ(TabChanges()[0].code, static_cast<UINT>(TCN_SELCHANGING));
    EXPECT_EQ(TabChanges()[0].currentTab, 0);
    EXPECT_EQ(TabChanges()[1].code, static_cast<UINT>(TCN_SELCHANGE));
    EXPECT_EQ(TabChanges()[1].currentTab, 1);

    EXPECT_TRUE(simdesk::ClickTab(dialog_, kTabs, 0));
    EXPECT_EQ(simdesk::CurrentTab(dialog_, kTabs), "Программа");
    EXPECT_EQ(TabChanges().size(), 4u);
}

TEST_F(TabClicks, ARefusedChangeKeepsTheTab) {
    VetoChanges() = true;
    EXPECT_TRUE(simdesk::ClickTab(dialog_, kTabs, 1));
    EXPECT_EQ(CurrentTab(tabs_), 0);
    ASSERT_EQ(TabChanges().size(), 1u);
    EXPECT_EQ(TabChanges()[0].code, static_cast<UINT>(TCN_SELCHANGING));
}

TEST_F(TabClicks, ClicksThatCannotReachATabAreRefused) {
    struct Case {
        const char* what;
        int control;
        int index;
    };
    HWND disabled = GetDlgItem(dialog_, kDisabledTabs);
    InsertTab(disabled, 0, TEXT("A"));
    InsertTab(disabled, 1, TEXT("B"));
    for (const Case& c : {Case{"no such tab", kTabs, 2}, Case{"no such control", 9399, 0},
                          Case{"a disabled tab control", kDisabledTabs, 1}}) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(simdesk::ClickTab(dialog_, c.control, c.index));
    }
    EXPECT_FALSE(simdesk::ClickTab(dialog_, kTabs, "Третья"));
    EXPECT_EQ(CurrentTab(disabled), 0);
    ShowWindow(dialog_, SW_HIDE);
    EXPECT_FALSE(simdesk::ClickTab(dialog_, kTabs, 1)) << "a hidden dialog";
    EXPECT_TRUE(Notifications().empty());
}

// What an owner window of tray icons receives.
struct Callback {
    UINT message;
    WPARAM id;
    LPARAM mouse;
};

std::vector<Callback>& Callbacks() {
    static std::vector<Callback> callbacks;
    return callbacks;
}

constexpr UINT kCallback = 40001;

LRESULT CALLBACK RecordingOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER) Callbacks().push_back(Callback{message, wParam, lParam});
    return DefWindowProcW(window, message, wParam, lParam);
}

class TrayClicks : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        Callbacks().clear();
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = RecordingOwnerProc;
        windowClass.lpszClassName = TEXT("TrayOwner");
        RegisterClassExW(&windowClass);
        owner_ = CreateWindowExW(0, TEXT("TrayOwner"), TEXT("Owner"), WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
        ASSERT_NE(owner_, nullptr);
    }
    bool Add(UINT id, const WCHAR* tip, UINT flags = NIF_MESSAGE | NIF_ICON | NIF_TIP) {
        NOTIFYICONDATAW data = {};
        data.cbSize = sizeof(data);
        data.hWnd = owner_;
        data.uID = id;
        data.uFlags = flags;
        data.uCallbackMessage = kCallback;
        data.hIcon = reinterpret_cast<HICON>(static_cast<INT_PTR>(1));
        lstrcpyW(data.szTip, tip);
        return Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    }
    HWND owner_ = nullptr;
};

TEST_F(TrayClicks, TheTrayShowsEachIconWithItsTip) {
    ASSERT_TRUE(Add(0, TEXT("Vintra\n1.0 ver.")));
    ASSERT_TRUE(Add(1, TEXT("Без значка"), NIF_TIP));
    const std::vector<simdesk::TrayIcon> icons = simdesk::TrayIcons();
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[0].owner, owner_);
    EXPECT_EQ(icons[0].id, 0u);
    EXPECT_EQ(icons[0].callbackMessage, kCallback);
    EXPECT_TRUE(icons[0].hasIcon);
    EXPECT_EQ(icons[0].tip, "Vintra\n1.0 ver.");
    EXPECT_FALSE(icons[1].hasIcon);
    EXPECT_EQ(icons[1].callbackMessage, 0u);
    EXPECT_EQ(icons[1].tip, "Без значка");
}

TEST_F(TrayClicks, ATipIsCutToItsBuffer) {
    NOTIFYICONDATAW data = {};
        data.cbSize = sizeof(data);
    data.hWnd = owner_;
    data.uFlags = NIF_TIP;
    for (WCHAR& unit : data.szTip) unit = u'x';  // no terminator at all
    ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &data));
    data.uID = 1;
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &data));
    const std::vector<simdesk::TrayIcon> icons = simdesk::TrayIcons();
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[0].tip, std::string(127, 'x'));
    EXPECT_EQ(icons[1].tip, std::string(63, 'x')) << "the first version's tip has 64 units";
}

TEST_F(TrayClicks, AClickSendsTheOwnerItsCallbackWithTheMouseMessages) {
    ASSERT_TRUE(Add(0, TEXT("tip")));
    ASSERT_TRUE(Add(3, TEXT("other")));
    EXPECT_TRUE(simdesk::ClickTrayIcon(owner_));
    EXPECT_TRUE(simdesk::RightClickTrayIcon(owner_, 3));
    ASSERT_EQ(Callbacks().size(), 4u);
    const LPARAM expected[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Callbacks()[i].message, kCallback);
        EXPECT_EQ(Callbacks()[i].id, i < 2 ? 0u : 3u);
        EXPECT_EQ(Callbacks()[i].mouse, expected[i]);
    }
    EXPECT_FALSE(simdesk::ClickTrayIcon(owner_, 7)) << "no such icon";
}

TEST_F(TrayClicks, AnIconWhoseOwnerIsGoneDisappearsWhenClicked) {
    ASSERT_TRUE(Add(0, TEXT("tip")));
    DestroyWindow(owner_);
    EXPECT_EQ(simdesk::TrayIcons().size(), 1u) << "the shell does not notice at once";
    EXPECT_FALSE(simdesk::ClickTrayIcon(owner_));
    EXPECT_TRUE(simdesk::TrayIcons().empty());
}

TEST_F(TrayClicks, AShellRestartForgetsTheIconsAndTellsEveryTopLevelWindow) {
    ASSERT_TRUE(Add(0, TEXT("tip")));
    const UINT taskbarCreated = RegisterWindowMessageW(TEXT("TaskbarCreated"));
    EXPECT_GE(taskbarCreated, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageW(TEXT("taskbarcreated")), taskbarCreated) << "names ignore case";
    simdesk::RestartShell();
    EXPECT_TRUE(simdesk::TrayIcons().empty());
    ASSERT_EQ(Callbacks().size(), 1u);
    EXPECT_EQ(Callbacks()[0].message, taskbarCreated);
    EXPECT_TRUE(Add(0, TEXT("tip"))) << "the icon can be added again";
}

}  // namespace
