// Options bound to dialog controls: each kind shows its value, follows the
// user's clicks and typing, OK keeps and Cancel restores, and a binding
// never writes to a control that is no longer its own.
#include "common/ModalScript.h"
#include "common/OptionRecorders.h"
#include "dialogs/Dialog.h"
#include "options/ControlBindingList.h"
#include "options/OptionKinds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT bindingTemplate = 9201;
const int checkBox = 9211;
const int threeState = 9212;
const int firstRadio = 9213;
const int secondRadio = 9214;
const int otherGroupSecond = 9217;
const int edit = 9218;

// Puts a value straight into the cell, as a load would.
template <class Kind, typename T>
class Placeable : public Kind {
public:
    void Place(const T& value) { this->current = value; }
};

// A dialog that binds the options a test gives it, as the program's dialogs
// do, and counts the edit's updates. OK and Cancel leave it open, so a test
// can look at it afterwards.
class BindingDialogBase : public Dialog {
public:
    INT_PTR OnInitDialog() override {
        for (auto& [binding, id] : toBind) bindings.Add(nullptr, binding, id);
        Dialog::OnInitDialog();
        bindings.AttachAll(window);
        return 1;
    }
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == edit && HIWORD(wParam) == EN_UPDATE) ++editUpdates;
        if (editUpdates > 20) return 0;  // a write loop; the test reports it
        bindings.DispatchCommand(window, wParam, lParam);
        return Dialog::OnCommand(wParam, lParam);
    }
    void OnOK() override { ++oks; }
    void OnCancel() override { ++cancels; }

    std::vector<std::pair<ControlBinding*, int>> toBind;
    ControlBindingList bindings;
    int editUpdates = 0;
    int oks = 0;
    int cancels = 0;
};
using BindingDialog = Modeless<BindingDialogBase>;

class ControlBindingTest : public ::testing::Test {
protected:
    void SetUp() override { UseProgramModule(); }
    static HWND Open(BindingDialog& dialog) { return dialog.Create(bindingTemplate, nullptr); }
    static LRESULT Click(HWND dialog, int id) { return SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    static int Check(HWND dialog, int id) {
        return static_cast<int>(SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0));
    }
    static std::u16string EditText(HWND dialog) {
        WCHAR buffer[256] = {};
        GetWindowTextW(GetDlgItem(dialog, edit), buffer, 256);
        return Text(buffer);
    }
};

TEST_F(ControlBindingTest, EachKindShowsItsValueWhenTheDialogOpens) {
    CheckBoxOption check;
    check.SetValue(true);
    TriStateOption tri;
    tri.SetValue(2);
    RadioGroupOption radio;
    radio.SetValue(1);
    EditOption text;
    text.SetValue(WString(TEXT("привет")));
    BindingDialog dialog;
    dialog.toBind = {{&check, checkBox}, {&tri, threeState}, {&radio, firstRadio}, {&text, edit}};
    HWND window = Open(dialog);
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(Check(window, checkBox), BST_CHECKED);
    EXPECT_EQ(Check(window, threeState), BST_INDETERMINATE);
    EXPECT_EQ(Check(window, firstRadio), BST_UNCHECKED);
    EXPECT_EQ(Check(window, secondRadio), BST_CHECKED);
    EXPECT_EQ(EditText(window), u"привет");
    // The radio group ends at the static that starts a group of its own.
    EXPECT_EQ(Check(window, otherGroupSecond), BST_UNCHECKED);
    EXPECT_EQ(check.GetControlWindow(), GetDlgItem(window, checkBox));
    EXPECT_EQ(radio.GetControlWindow(), GetDlgItem(window, firstRadio));
}

TEST_F(ControlBindingTest, ClicksChangeTheOptionsAtOnceAndCancelRestoresThem) {
    CheckBoxOption check;
    TriStateOption tri;
    RadioGroupOption radio;
    radio.SetValue(1);
    BindingDialog dialog;
    dialog.toBind = {{&check, checkBox}, {&tri, threeState}, {&radio, firstRadio}};
    HWND window = Open(dialog);
    ASSERT_NE(window, nullptr);

    Click(window, checkBox);
    EXPECT_TRUE(check.GetValue());
    // An auto three-state box steps through its states; the value is what
    // the box reports after each click.
    for (int click = 0; click < 3; ++click) {
        Click(window, threeState);
        EXPECT_EQ(tri.GetValue(), Check(window, threeState)) << "click " << click;
    }
    Click(window, firstRadio);
    EXPECT_EQ(radio.GetValue(), 0);
    // A button of the other group is no click in this one.
    Click(window, otherGroupSecond);
    EXPECT_EQ(radio.GetValue(), 0);

    SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(check.GetValue());
    EXPECT_EQ(tri.GetValue(), 0);
    EXPECT_EQ(radio.GetValue(), 1);
    EXPECT_EQ(dialog.bindings.Count(), 0);
    EXPECT_EQ(check.GetDialog(), nullptr);
    EXPECT_EQ(radio.GetDialog(), nullptr);
    EXPECT_EQ(dialog.cancels, 1);
}

TEST_F(ControlBindingTest, OkKeepsTheChangedValues) {
    CheckBoxOption check;
    RadioGroupOption radio;
    BindingDialog dialog;
    dialog.toBind = {{&check, checkBox}, {&radio, firstRadio}};
    HWND window = Open(dialog);
    ASSERT_NE(window, nullptr);
    Click(window, checkBox);
    Click(window, secondRadio);
    SendMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(check.GetValue());
    EXPECT_EQ(radio.GetValue(), 1);
    EXPECT_EQ(dialog.bindings.Count(), 0);
    EXPECT_EQ(dialog.oks, 1);
}

TEST_F(ControlBindingTest, ARadioGroupWithNoButtonCheckedReadsZero) {
    RadioGroupOption radio;
    radio.SetValue(1);
    BindingDialog dialog;
    dialog.toBind = {{&radio, firstRadio}};
    HWND window = Open(dialog);
    ASSERT_NE(window, nullptr);
    SendMessageW(GetDlgItem(window, secondRadio), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(radio.ReadControl(), 0);
}

TEST_F(ControlBindingTest, ATypedTextIsTakenWhenTheEditLosesTheFocus) {
    EditOption text;
    text.SetValue(WString(TEXT("old")));
    BindingDialog dialog;
    dialog.toBind = {{&text, edit}};
    HWND window = Open(dialog);
    ASSERT_NE(window, nullptr);
    HWND control = GetDlgItem(window, edit);
    SetFocus(control);
    ASSERT_EQ(GetFocus(), control);
    // While the edit has the focus its updates are the user's typing.
    SetWindowTextW(control, TEXT("typed"));
    EXPECT_EQ(Text(text.GetValue()), u"old");
    // OK moves the focus first, so the text is taken before the list is
    // cleared.
    SendMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Text(text.GetValue()), u"typed");
    EXPECT_EQ(dialog.bindings.Count(), 0);
}

TEST_F(ControlBindingTest, ATextPutInWithoutTheFocusIsTakenAtOnceWithoutAWriteLoop) {
    // How many updates one write of the text gives, with nothing bound.
    BindingDialog unbound;
    HWND plain = Open(unbound);
    ASSERT_NE(plain, nullptr);
    SetFocus(GetDlgItem(plain, checkBox));
    unbound.editUpdates = 0;
    SetWindowTextW(GetDlgItem(plain, edit), TEXT("из программы"));
    const int updatesOfOneWrite = unbound.editUpdates;
    ASSERT_GT(updatesOfOneWrite, 0);

    EditOption text;
    BindingDialog dialog;
    dialog.toBind = {{&text, edit}};
    HWND window = Open(dialog);
    ASSERT_NE(window, nullptr);
    SetFocus(GetDlgItem(window, checkBox));
    dialog.editUpdates = 0;
    SetWindowTextW(GetDlgItem(window, edit), TEXT("из программы"));
    EXPECT_EQ(Text(text.GetValue()), u"из программы");
    EXPECT_EQ(EditText(window), u"из программы");
    // The outside write, the change shown by Set and the rewrite of the
    // taken text; the updates of those two come while the edit is being
    // written and go no further.
    EXPECT_EQ(dialog.editUpdates, 3 * updatesOfOneWrite);
}

TEST_F(ControlBindingTest, SettingANullTextKeepsTheEditShowingTheValue) {
    EditOption text;
    text.SetValue(WString(TEXT("kept")));
    BindingDialog dialog;
    dialog.toBind = {{&text, edit}};
    HWND window = Open(dialog);
    ASSERT_NE(window, nullptr);
    text.SetValue(WString());
    EXPECT_EQ(Text(text.GetValue()), u"kept");
    EXPECT_EQ(EditText(window), u"kept");
    // A null value from the start shows an empty edit.
    EditOption never;
    BindingDialog second;
    second.toBind = {{&never, edit}};
    HWND other = Open(second);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(EditText(other), u"");
    EXPECT_EQ(Text(never.ReadControl()), u"");
}

TEST_F(ControlBindingTest, AThreeStateValueOutOfRangeShowsIndeterminateAndIsKept) {
    for (int value : {7, -1, 3}) {
        Placeable<TriStateOption, int> tri;
        tri.Place(value);
        BindingDialog dialog;
        dialog.toBind = {{&tri, threeState}};
        HWND window = Open(dialog);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Check(window, threeState), BST_INDETERMINATE) << value;
        EXPECT_EQ(tri.GetValue(), value);
        // A command from elsewhere does not re-read the box.
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(checkBox, BN_CLICKED), 0);
        EXPECT_EQ(tri.GetValue(), value);
        SendMessageW(window, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(tri.GetValue(), value);
    }
}

TEST_F(ControlBindingTest, ABindingNeverWritesToAControlThatIsNoLongerItsOwn) {
    CheckBoxOption check;
    BindingDialog first;
    first.toBind = {{&check, checkBox}};
    HWND firstWindow = Open(first);
    ASSERT_NE(firstWindow, nullptr);
    BindingDialog second;
    HWND secondWindow = Open(second);
    ASSERT_NE(secondWindow, nullptr);

    // Detached: the control is forgotten with the dialog.
    first.bindings.Clear();
    EXPECT_EQ(check.GetDialog(), nullptr);
    EXPECT_EQ(check.GetControlWindow(), nullptr);
    check.SetValue(true);
    EXPECT_EQ(Check(firstWindow, checkBox), BST_UNCHECKED);

    // Attached to a dialog that was destroyed without detaching, with its
    // control's handle now naming a window of another dialog (the system
    // reuses handles): nothing is sent there, and nothing is read from it.
    CheckBoxOption stale;
    BindingDialog third;
    third.toBind = {{&stale, checkBox}};
    HWND thirdWindow = Open(third);
    ASSERT_NE(thirdWindow, nullptr);
    DestroyWindow(thirdWindow);
    stale.SetControlWindow(GetDlgItem(secondWindow, checkBox));
    stale.SetValue(true);
    EXPECT_EQ(Check(secondWindow, checkBox), BST_UNCHECKED);
    SendMessageW(GetDlgItem(secondWindow, checkBox), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_FALSE(stale.ReadControl());
}

TEST_F(ControlBindingTest, ABindingAddedForAnotherWindowStaysThere) {
    CheckBoxOption check;
    BindingDialog page;
    HWND pageWindow = Open(page);
    BindingDialog outer;
    HWND outerWindow = Open(outer);
    ASSERT_NE(pageWindow, nullptr);
    ASSERT_NE(outerWindow, nullptr);
    check.SetValue(true);
    ControlBindingList list;
    list.Add(pageWindow, &check, checkBox);
    list.AttachAll(outerWindow);
    EXPECT_EQ(Check(pageWindow, checkBox), BST_CHECKED);
    EXPECT_EQ(Check(outerWindow, checkBox), BST_UNCHECKED);
    // The page's twin control in the outer dialog sends a command of the
    // same identifier: the binding reads its own box, which has not changed.
    list.DispatchCommand(outerWindow, MAKEWPARAM(checkBox, BN_CLICKED), 0);
    EXPECT_TRUE(check.GetValue());
    list.Clear();
}

// Records the list's calls on a binding in a shared journal.
class JournalBinding : public ControlBinding {
public:
    JournalBinding(std::string bindingName, std::vector<std::string>& lines) : name(std::move(bindingName)), journal(lines) {}
    int GetControlId() const override { return id; }
    void SetControlId(int value) override {
        id = value;
        Note("SetControlId " + std::to_string(value));
    }
    void SetDialog(HWND window) override { Note(window == nullptr ? "SetDialog null" : "SetDialog window"); }
    int Attach(HWND /*window*/) override { return Note("Attach"); }
    int HandleCommand(HWND /*window*/, WPARAM wParam, LPARAM /*lParam*/) override {
        return Note("HandleCommand " + std::to_string(LOWORD(wParam)));
    }
    int HandleNotify(HWND /*window*/, WPARAM /*wParam*/, NMHDR* /*header*/) override { return Note("HandleNotify"); }
    int Refresh() override { return Note("Refresh"); }
    void Commit() override { Note("Commit"); }
    void Revert() override { Note("Revert"); }
    virtual ~JournalBinding() = default;

private:
    int Note(const std::string& call) {
        journal.push_back(name + " " + call);
        return 0;
    }
    std::string name;
    std::vector<std::string>& journal;
    int id = 0;
};

TEST(ControlBindingListTest, TheListCallsItsBindingsInOrder) {
    using Lines = std::vector<std::string>;
    std::vector<std::string> journal;
    JournalBinding a("a", journal);
    JournalBinding b("b", journal);
    ControlBindingList list;
    HWND someWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));

    EXPECT_TRUE(list.Add(nullptr, &a, 5));
    EXPECT_TRUE(list.Add(someWindow, &b, 6));
    EXPECT_EQ(journal, (Lines{"a SetDialog null", "a SetControlId 5", "b SetDialog window", "b SetControlId 6"}));
    // Added again: dialog and identifier are set again, the list keeps one.
    journal.clear();
    EXPECT_FALSE(list.Add(nullptr, &a, 7));
    EXPECT_EQ(journal, (Lines{"a SetDialog null", "a SetControlId 7"}));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_FALSE(list.Add(nullptr, nullptr, 8));

    journal.clear();
    list.AttachAll(nullptr);
    EXPECT_EQ(journal, (Lines{"a Commit", "a Attach", "b Commit", "b Attach"}));

    journal.clear();
    list.DispatchCommand(nullptr, MAKEWPARAM(9, BN_CLICKED), 0);
    NMHDR header{};
    list.DispatchNotify(nullptr, 0, &header);
    EXPECT_EQ(journal, (Lines{"a HandleCommand 9", "b HandleCommand 9", "a HandleNotify", "b HandleNotify"}));

    // Cancel restores and detaches, and hands the command to nobody.
    journal.clear();
    list.DispatchCommand(nullptr, IDCANCEL, 0);
    EXPECT_EQ(journal, (Lines{"a Revert", "b Revert", "a SetDialog null", "b SetDialog null"}));
    EXPECT_EQ(list.Count(), 0);

    // OK detaches without restoring.
    list.Add(nullptr, &a, 5);
    list.Add(nullptr, &b, 6);
    journal.clear();
    list.DispatchCommand(nullptr, IDOK, 0);
    EXPECT_EQ(journal, (Lines{"a SetDialog null", "b SetDialog null"}));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.Clear());
}

TEST(ControlBindingListTest, AnUnattachedOptionShowsNothingAndReadsEmptyValues) {
    CheckBoxOption check;
    TriStateOption tri;
    RadioGroupOption radio;
    EditOption text;
    check.SetValue(true);
    tri.SetValue(2);
    radio.SetValue(1);
    text.SetValue(WString(TEXT("x")));
    EXPECT_FALSE(check.ReadControl());
    EXPECT_EQ(tri.ReadControl(), 0);
    EXPECT_EQ(radio.ReadControl(), 0);
    EXPECT_TRUE(text.ReadControl().IsSet());
    EXPECT_EQ(Text(text.ReadControl()), u"");
    EXPECT_EQ(check.Refresh(), 1);
}

}  // namespace
