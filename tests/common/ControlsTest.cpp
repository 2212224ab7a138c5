// The controls of the templates: buttons of every kind, radio groups, static
// icons and texts, edits and their notifications.
#include "common/WindowTestSupport.h"

namespace {

using namespace winmgr_test;

class Controls : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        dialog = Dialog(kControlsDialog);
        ASSERT_NE(dialog, nullptr);
        Log().clear();
    }
    UINT Check(int id) { return IsDlgButtonChecked(dialog, id); }
    void Click(int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }
    std::vector<int> Notifications(int id) {
        std::vector<int> codes;
        for (const auto& [control, code] : CommandsOf(dialog))
            if (control == id) codes.push_back(code);
        return codes;
    }

    HWND dialog = nullptr;
};

TEST_F(Controls, ClicksCycleCheckBoxesAsTheUserSeesThem) {
    struct Case {
        const char* what;
        int id;
        std::vector<UINT> states;
    };
    const Case cases[] = {
        {"check box", kCheck, {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}},
        {"three-state box", kThree, {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED}},
    };
    for (const Case& c : cases) {
        Log().clear();
        for (UINT state : c.states) {
            Click(c.id);
            EXPECT_EQ(Check(c.id), state) << c.what;
        }
        EXPECT_EQ(Notifications(c.id), std::vector<int>(c.states.size(), BN_CLICKED)) << c.what;
    }
}

TEST_F(Controls, SetCheckShowsStatesAsTheKindAllows) {
    struct Case {
        const char* what;
        int id;
        UINT set;
        UINT shown;
    };
    const Case cases[] = {
        {"three-state box, indeterminate", kThree, BST_INDETERMINATE, BST_INDETERMINATE},
        {"three-state box, checked", kThree, BST_CHECKED, BST_CHECKED},
        {"check box, checked", kCheck, BST_CHECKED, BST_CHECKED},
        {"check box, indeterminate shows checked", kCheck, BST_INDETERMINATE, BST_CHECKED},
        {"push button", IDOK, BST_CHECKED, BST_UNCHECKED},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(CheckDlgButton(dialog, c.id, c.set)) << c.what;
        EXPECT_EQ(Check(c.id), c.shown) << c.what;
    }
    // Setting a state is no click: the parent hears nothing.
    EXPECT_TRUE(CommandsOf(dialog).empty());
}

TEST_F(Controls, ARadioButtonClickChecksItAndClearsOnlyItsOwnGroup) {
    CheckDlgButton(dialog, kRadioOne, BST_CHECKED);
    CheckDlgButton(dialog, kRadioOther, BST_CHECKED);
    Click(kRadioTwo);
    EXPECT_EQ(Check(kRadioOne), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Check(kRadioTwo), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Check(kRadioOther), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Notifications(kRadioTwo), std::vector<int>{BN_CLICKED});
    // The checked button of a group is its tab stop.
    EXPECT_NE(GetWindowLongW(GetDlgItem(dialog, kRadioTwo), GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(GetWindowLongW(GetDlgItem(dialog, kRadioOne), GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_TRUE(CheckRadioButton(dialog, kRadioOne, kRadioTwo, kRadioOne));
    EXPECT_EQ(Check(kRadioOne), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Check(kRadioTwo), static_cast<UINT>(BST_UNCHECKED));
    // The group box keeps out of it.
    EXPECT_EQ(GetWindowLongW(GetDlgItem(dialog, kGroupBox), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
}

TEST_F(Controls, PushButtonsTellTheirParentAndTheDefaultOneIsTheDialogsDefault) {
    EXPECT_NE(SendDlgItemMessageW(dialog, IDOK, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0);
    EXPECT_NE(SendDlgItemMessageW(dialog, IDCANCEL, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON, 0);
    EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
    SendMessageW(dialog, DM_SETDEFID, IDCANCEL, 0);
    EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDCANCEL, DC_HASDEFID));
    // Cancel ends the dialog (the suites' dialog procedure does so); an ended
    // dialog has no default any more.
    Click(IDCANCEL);
    EXPECT_EQ(Notifications(IDCANCEL), std::vector<int>{BN_CLICKED});
    EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), 0);
}

TEST_F(Controls, AStaticIconKeepsTheIconItIsGiven) {
    HWND icon = CreateWindowExW(0, TEXT("Static"), TEXT(""), WS_CHILD | SS_ICON, 0, 0, 32, 32, dialog, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(SendMessageW(icon, STM_GETICON, 0, 0), 0);
    WCHAR text[8];
    EXPECT_EQ(GetDlgItemTextW(dialog, kLabel, text, 8), 5u);
    EXPECT_EQ(SendDlgItemMessageW(dialog, kLabel, WM_GETDLGCODE, 0, 0) & DLGC_STATIC, DLGC_STATIC);
}

TEST_F(Controls, SettingASingleLineEditsTextNotifiesUpdateThenChangeAndAMultiLineOneNothing) {
    struct Case {
        const char* what;
        int id;
        std::vector<int> notifications;
    };
    const Case cases[] = {
        {"single-line", kEdit, {EN_UPDATE, EN_CHANGE}},
        {"multi-line", kMultiLineEdit, {}},
    };
    for (const Case& c : cases) {
        Log().clear();
        EXPECT_TRUE(SetDlgItemTextW(dialog, c.id, TEXT("Текст")));
        EXPECT_EQ(Notifications(c.id), c.notifications) << c.what;
        WCHAR text[16];
        GetDlgItemTextW(dialog, c.id, text, 16);
        EXPECT_EQ(lstrcmpW(text, TEXT("Текст")), 0) << c.what;
    }
}

TEST_F(Controls, TypingChangesAnEditUnlessItIsReadOnly) {
    HWND edit = GetDlgItem(dialog, kEdit);
    SendMessageW(edit, WM_CHAR, u'a', 1);
    SendMessageW(edit, WM_CHAR, u'я', 1);
    WCHAR text[16];
    GetWindowTextW(edit, text, 16);
    EXPECT_EQ(lstrcmpW(text, TEXT("aя")), 0);
    EXPECT_EQ(Notifications(kEdit), (std::vector<int>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
    SendMessageW(edit, WM_CHAR, VK_BACK, 1);
    GetWindowTextW(edit, text, 16);
    EXPECT_EQ(lstrcmpW(text, TEXT("a")), 0);

    Log().clear();
    HWND readOnly = GetDlgItem(dialog, kMultiLineEdit);
    SendMessageW(readOnly, WM_CHAR, u'a', 1);
    EXPECT_EQ(GetWindowTextLengthW(readOnly), 0);
    EXPECT_TRUE(Notifications(kMultiLineEdit).empty());
    SendMessageW(readOnly, EM_SETREADONLY, FALSE, 0);
    EXPECT_EQ(GetWindowLongW(readOnly, GWL_STYLE) & ES_READONLY, 0);
    SendMessageW(readOnly, WM_CHAR, u'b', 1);
    EXPECT_EQ(GetWindowTextLengthW(readOnly), 1);
}

TEST_F(Controls, AnEditTellsItsParentWhenItGainsAndLosesTheFocus) {
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    SetFocus(GetDlgItem(dialog, kCheck));
    Log().clear();
    SetFocus(GetDlgItem(dialog, kEdit));
    SetFocus(GetDlgItem(dialog, kCheck));
    EXPECT_EQ(Notifications(kEdit), (std::vector<int>{EN_SETFOCUS, EN_KILLFOCUS}));
}

TEST_F(Controls, ReplacingTheSelectionInsertsAtTheCaret) {
    HWND edit = GetDlgItem(dialog, kEdit);
    SetWindowTextW(edit, TEXT("hello"));
    SendMessageW(edit, EM_SETSEL, 0, -1);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
    SendMessageW(edit, EM_SETSEL, 1, 3);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(TEXT("EY")));
    WCHAR text[16];
    GetWindowTextW(edit, text, 16);
    EXPECT_EQ(lstrcmpW(text, TEXT("hEYlo")), 0);
}

}  // namespace
