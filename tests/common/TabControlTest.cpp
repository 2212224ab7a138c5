// The tab control as a dialog holds it: its items, the current tab, the
// notifications a change of tab sends and the rectangles it reports.
#include "ShellTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace shell_test;

class TabControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
    }
    void SetUp() override {
        dialog_ = CreateTabsDialog();
        ASSERT_NE(dialog_, nullptr);
        tabs_ = GetDlgItem(dialog_, kTabs);
        ASSERT_NE(tabs_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(dialog_)) DestroyWindow(dialog_);
        VetoChanges() = false;
    }
    void InsertTwo() {
        ASSERT_EQ(InsertTab(tabs_, 0, TEXT("Программа")), 0);
        ASSERT_EQ(InsertTab(tabs_, 1, TEXT("Общие")), 1);
        Notifications().clear();
    }
    std::u16string TabText(int index) {
        WCHAR text[64] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        if (!SendMessageW(tabs_, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return u"?";
        return std::u16string(reinterpret_cast<const char16_t*>(text));
    }
    RECT ItemRect(int index) {
        RECT rect = {};
        EXPECT_TRUE(SendMessageW(tabs_, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)));
        return rect;
    }
    // A left click at the tab's centre, as the mouse gives it to the control.
    void ClickTab(int index) {
        const RECT rect = ItemRect(index);
        const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        SendMessageW(tabs_, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageW(tabs_, WM_LBUTTONUP, 0, point);
    }

    HWND dialog_ = nullptr;
    HWND tabs_ = nullptr;
};

TEST_F(TabControlTest, InsertedTabsKeepTheirTextAndOrderAndTheFirstBecomesCurrent) {
    EXPECT_EQ(SendMessageW(tabs_, TCM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(CurrentTab(tabs_), -1);
    EXPECT_EQ(InsertTab(tabs_, 0, TEXT("Общие")), 0);
    EXPECT_EQ(CurrentTab(tabs_), 0);
    // Before the current tab: the same tab stays current under its new index.
    EXPECT_EQ(InsertTab(tabs_, 0, TEXT("Программа")), 0);
    EXPECT_EQ(CurrentTab(tabs_), 1);
    // An index past the end appends.
    EXPECT_EQ(InsertTab(tabs_, 7, TEXT("Третья")), 2);
    EXPECT_EQ(SendMessageW(tabs_, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(TabText(0), u"Программа");
    EXPECT_EQ(TabText(1), u"Общие");
    EXPECT_EQ(TabText(2), u"Третья");
    EXPECT_TRUE(Notifications().empty());
}

TEST_F(TabControlTest, SetCurSelChangesTheTabQuietlyAndRefusesAMissingOne) {
    InsertTwo();
    EXPECT_EQ(SendMessageW(tabs_, TCM_SETCURSEL, 1, 0), 0);  // the previous tab
    EXPECT_EQ(CurrentTab(tabs_), 1);
    EXPECT_EQ(SendMessageW(tabs_, TCM_SETCURSEL, 5, 0), -1);
    EXPECT_EQ(CurrentTab(tabs_), 1);
    EXPECT_TRUE(Notifications().empty());
}

// Each way the user picks another tab: the parent hears TCN_SELCHANGING while
// the old tab is current, then TCN_SELCHANGE with the new one current; a
// click ends with NM_CLICK as the button comes up.
TEST_F(TabControlTest, AChosenTabIsAnnouncedBeforeAndAfterTheChange) {
    struct Case {
        const char* what;
        bool click;
    };
    for (const Case& c : {Case{"focus moved to the tab", false}, Case{"mouse click on the tab", true}}) {
        SCOPED_TRACE(c.what);
        SendMessageW(tabs_, TCM_DELETEALLITEMS, 0, 0);
        InsertTwo();
        if (c.click) ClickTab(1);
        else SendMessageW(tabs_, TCM_SETCURFOCUS, 1, 0);
        EXPECT_EQ(CurrentTab(tabs_), 1);
        ASSERT_EQ(Notifications().size(), c.click ? 3u : 2u);
        EXPECT_EQ(Notifications()[0].id, kTabs);
        EXPECT_EQ(Notifications()[0].code, static_cast<UINT>(TCN_SELCHANGING));
        EXPECT_EQ(Notifications()[0].currentTab, 0);
        EXPECT_EQ(Notifications()[1].code, static_cast<UINT>(TCN_SELCHANGE));
        EXPECT_EQ(Notifications()[1].currentTab, 1);
        if (c.click) {
            EXPECT_EQ(Notifications()[2].code, static_cast<UINT>(NM_CLICK));
        }
    }
}

TEST_F(TabControlTest, ClickingTheCurrentTabChangesNothing) {
    InsertTwo();
    ClickTab(0);
    EXPECT_EQ(CurrentTab(tabs_), 0);
    EXPECT_TRUE(TabChanges().empty());
}

TEST_F(TabControlTest, AParentThatAnswersSelChangingWithTrueKeepsTheTab) {
    InsertTwo();
    VetoChanges() = true;
    ClickTab(1);
    EXPECT_EQ(CurrentTab(tabs_), 0);
    ASSERT_EQ(TabChanges().size(), 1u);
    EXPECT_EQ(TabChanges()[0].code, static_cast<UINT>(TCN_SELCHANGING));
}

TEST_F(TabControlTest, TabsLieSideBySideInOneRowAboveTheDisplayArea) {
    InsertTwo();
    EXPECT_EQ(SendMessageW(tabs_, TCM_GETROWCOUNT, 0, 0), 1);
    const RECT first = ItemRect(0);
    const RECT second = ItemRect(1);
    EXPECT_LT(first.left, first.right);
    EXPECT_LT(first.top, first.bottom);
    EXPECT_EQ(first.top, second.top);
    EXPECT_EQ(first.bottom, second.bottom);
    EXPECT_LE(first.right, second.left);
    RECT missing = {};
    EXPECT_FALSE(SendMessageW(tabs_, TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&missing)));

    RECT client = {};
    GetClientRect(tabs_, &client);
    RECT display = client;
    SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_GT(display.left, client.left);
    EXPECT_GE(display.top, first.bottom);
    EXPECT_LT(display.right, client.right);
    EXPECT_LT(display.bottom, client.bottom);
    // And back: the window that holds that display area is no smaller than
    // the control.
    RECT window = display;
    SendMessageW(tabs_, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&window));
    EXPECT_LE(window.left, client.left);
    EXPECT_LE(window.top, client.top);
    EXPECT_GE(window.right, client.right);
    EXPECT_GE(window.bottom, client.bottom);
}

// Without tabs the display area's top does not make room for a row of tabs;
// a caller adds rows x tab height once the tabs are there.
TEST_F(TabControlTest, WithoutTabsTheDisplayAreaLeavesNoRoomForTabs) {
    RECT client = {};
    GetClientRect(tabs_, &client);
    RECT empty = client;
    SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&empty));
    EXPECT_EQ(SendMessageW(tabs_, TCM_GETROWCOUNT, 0, 0), 0);
    InsertTwo();
    RECT withTabs = client;
    SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&withTabs));
    // Exactly one row of tabs more.
    const RECT first = ItemRect(0);
    EXPECT_EQ(withTabs.top - empty.top, first.bottom - first.top);
    EXPECT_EQ(empty.left, withTabs.left);
    EXPECT_EQ(empty.bottom, withTabs.bottom);
}

}  // namespace
