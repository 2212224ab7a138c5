// The window tree: parents, owners and sibling order, window values, texts,
// properties, focus and destruction.
#include "common/WindowTestSupport.h"

namespace {

using namespace winmgr_test;

class WindowTree : public WindowTest {};

TEST_F(WindowTree, DialogControlsAreChildrenInTemplateOrder) {
    HWND dialog = Dialog(kControlsDialog);
    ASSERT_NE(dialog, nullptr);
    const int expected[] = {IDOK, IDCANCEL, kCheck, kThree, kGroupBox, kRadioOne, kRadioTwo, kRadioOther,
                            kEdit, kMultiLineEdit, kLabel, kDisabledButton};
    HWND child = GetWindow(dialog, GW_CHILD);
    HWND previous = nullptr;
    for (int id : expected) {
        ASSERT_NE(child, nullptr) << "control " << id;
        EXPECT_EQ(GetDlgCtrlID(child), id);
        EXPECT_EQ(GetWindowLongW(child, GWL_ID), id);
        EXPECT_EQ(GetDlgItem(dialog, id), child);
        EXPECT_EQ(GetParent(child), dialog);
        EXPECT_TRUE(IsChild(dialog, child));
        EXPECT_EQ(GetWindow(child, GW_HWNDPREV), previous);
        EXPECT_NE(GetWindowLongW(child, GWL_STYLE) & WS_CHILD, 0);
        previous = child;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
    EXPECT_EQ(GetDlgItem(dialog, 4242), nullptr);
    EXPECT_FALSE(IsChild(dialog, dialog));
}

TEST_F(WindowTree, APopupIsOwnedByTheTopLevelWindowItWasGiven) {
    HWND owner = Window();
    HWND child = Keep(CreateTestWindow(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, owner, 5));
    HWND popup = Keep(CreateTestWindow(WS_POPUP, 0, 0, 10, 10, child));
    HWND overlapped = Keep(CreateTestWindow(WS_OVERLAPPED, 0, 0, 10, 10, owner));
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetParent(popup), owner);
    // An owned overlapped window has an owner but no parent.
    EXPECT_EQ(GetWindow(overlapped, GW_OWNER), owner);
    EXPECT_EQ(GetParent(overlapped), nullptr);
    EXPECT_EQ(GetWindow(child, GW_OWNER), nullptr);
    EXPECT_EQ(GetAncestor(child, GA_ROOT), owner);
    EXPECT_EQ(GetWindowLongPtrW(child, GWLP_ID), 5);
}

TEST_F(WindowTree, AHiddenWindowHearsItsSizeAndPlaceWhenFirstShown) {
    int data = 0;
    HWND window = Keep(CreateWindowExW(0, TestClass(), TEXT("Created"), WS_OVERLAPPEDWINDOW, 10, 20, 200, 100, nullptr,
                                       nullptr, GetModuleHandleW(nullptr), &data));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(MessagesOf(window, {WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE}),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
    const int create = IndexOf(window, WM_CREATE);
    ASSERT_GE(create, 0);
    EXPECT_EQ(Log()[static_cast<std::size_t>(create)].createParams, &data);
    EXPECT_FALSE(IsWindowVisible(window));
    ShowWindow(window, SW_SHOW);
    const auto shown = MessagesOf(window, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE});
    EXPECT_EQ(shown, (std::vector<UINT>{WM_SHOWWINDOW, WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE}));
}

TEST_F(WindowTree, FindWindowFindsATopLevelWindowByTitleAndClass) {
    HWND dialog = Dialog(kClassicDialog);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(FindWindowW(TEXT("#32770"), TEXT("Winmgr classic")), dialog);
    EXPECT_EQ(FindWindowW(nullptr, TEXT("winmgr CLASSIC")), dialog);
    EXPECT_EQ(FindWindowW(TEXT("WinmgrTestWindow"), TEXT("Winmgr classic")), nullptr);
    // Controls are not top-level windows.
    EXPECT_EQ(FindWindowW(nullptr, TEXT("Close")), nullptr);
}

TEST_F(WindowTree, TextsGoThroughTheWindowAndAreCutToTheBuffer) {
    HWND dialog = Dialog(kClassicDialog);
    ASSERT_NE(dialog, nullptr);
    WCHAR text[16];
    EXPECT_EQ(GetDlgItemTextW(dialog, 9120, text, 16), 5u);
    EXPECT_EQ(lstrcmpW(text, TEXT("Текст")), 0);
    EXPECT_TRUE(SetDlgItemTextW(dialog, 9120, TEXT("Новый текст")));
    EXPECT_EQ(GetWindowTextLengthW(GetDlgItem(dialog, 9120)), 11);
    EXPECT_EQ(GetWindowTextW(GetDlgItem(dialog, 9120), text, 4), 3);
    EXPECT_EQ(lstrcmpW(text, TEXT("Нов")), 0);
    EXPECT_TRUE(SetWindowTextW(dialog, TEXT("Caption")));
    EXPECT_EQ(GetWindowTextW(dialog, text, 16), 7);
    EXPECT_EQ(lstrcmpW(text, TEXT("Caption")), 0);
    text[0] = u'x';
    EXPECT_EQ(GetDlgItemTextW(dialog, 4242, text, 16), 0u);
    EXPECT_EQ(text[0], 0);
}

TEST_F(WindowTree, PropertiesAreFoundByNameWithoutRegardToCaseAndGoWithTheWindow) {
    HWND window = Window();
    int object = 0;
    EXPECT_TRUE(SetPropW(window, TEXT("DLG_ENTITY"), &object));
    EXPECT_EQ(GetPropW(window, TEXT("dlg_entity")), &object);
    EXPECT_EQ(GetPropW(window, TEXT("other")), nullptr);
    EXPECT_EQ(RemovePropW(window, TEXT("DLG_ENTITY")), &object);
    EXPECT_EQ(GetPropW(window, TEXT("DLG_ENTITY")), nullptr);
    EXPECT_TRUE(SetPropW(window, TEXT("DLG_ENTITY"), &object));
    DestroyWindow(window);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(GetPropW(window, TEXT("DLG_ENTITY")), nullptr);
}

TEST_F(WindowTree, DestroyingTellsTheWindowBeforeItsChildrenAndFreesTheChildrenFirst) {
    HWND parent = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND first = CreateTestWindow(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent, 1);
    HWND second = CreateTestWindow(WS_CHILD | WS_VISIBLE, 0, 20, 10, 10, parent, 2);
    Log().clear();
    EXPECT_TRUE(DestroyWindow(parent));
    std::vector<std::pair<HWND, UINT>> order;
    for (const Received& r : Log())
        if (r.message == WM_DESTROY || r.message == WM_NCDESTROY) order.emplace_back(r.window, r.message);
    const std::vector<std::pair<HWND, UINT>> expected = {
        {parent, WM_DESTROY},   {first, WM_DESTROY},    {second, WM_DESTROY},
        {first, WM_NCDESTROY},  {second, WM_NCDESTROY}, {parent, WM_NCDESTROY}};
    EXPECT_EQ(order, expected);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(IsWindow(second));
    EXPECT_FALSE(DestroyWindow(parent));
}

TEST_F(WindowTree, TheFocusMovesWithKillFocusThenSetFocus) {
    HWND window = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND first = CreateTestWindow(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, window, 1);
    HWND second = CreateTestWindow(WS_CHILD | WS_VISIBLE, 0, 20, 10, 10, window, 2);
    SetForegroundWindow(window);
    SetFocus(first);
    ASSERT_EQ(GetFocus(), first);
    Log().clear();
    EXPECT_EQ(SetFocus(second), first);
    EXPECT_EQ(GetFocus(), second);
    const int killed = IndexOf(first, WM_KILLFOCUS);
    const int set = IndexOf(second, WM_SETFOCUS);
    ASSERT_GE(killed, 0);
    ASSERT_GE(set, 0);
    EXPECT_LT(killed, set);
    EXPECT_EQ(reinterpret_cast<HWND>(Log()[static_cast<std::size_t>(killed)].wParam), second);
    EXPECT_EQ(reinterpret_cast<HWND>(Log()[static_cast<std::size_t>(set)].wParam), first);
}

TEST_F(WindowTree, DisablingAWindowSendsWmEnableAndReportsTheOldState) {
    HWND window = Window();
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_FALSE(EnableWindow(window, FALSE));
    EXPECT_FALSE(IsWindowEnabled(window));
    EXPECT_NE(GetWindowLongW(window, GWL_STYLE) & WS_DISABLED, 0);
    EXPECT_TRUE(EnableWindow(window, FALSE));
    EXPECT_TRUE(EnableWindow(window, TRUE));
    EXPECT_TRUE(IsWindowEnabled(window));
    const auto enables = MessagesOf(window, {WM_ENABLE});
    EXPECT_EQ(enables.size(), 2u);
}

TEST_F(WindowTree, StylesAndUserValuesAreReadAndWritten) {
    HWND window = Window();
    EXPECT_EQ(SetWindowLongPtrW(window, GWLP_USERDATA, 1234), 0);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), 1234);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_NE(MessagesOf(window, {WM_STYLECHANGED}).size(), 0u);
}

}  // namespace
