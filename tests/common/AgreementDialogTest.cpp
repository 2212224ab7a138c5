// The first-start agreement: what it shows, that OK works only while the box
// is ticked, and what a run answers.
#include "common/ModalScript.h"
#include "common/OptionRecorders.h"
#include "dialogs/AgreementDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const int acceptBox = AgreementDialog::acceptControl;
const int textEdit = AgreementDialog::textControl;

std::u16string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::vector<WCHAR> buffer(static_cast<size_t>(length) + 1, 0);
    GetWindowTextW(window, buffer.data(), length + 1);
    return Text(buffer.data());
}

std::vector<std::u16string> Lines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find(u"\r\n", start)) != std::u16string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

bool StartsWith(const std::u16string& text, const std::u16string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

class AgreementDialogTest : public ::testing::Test {
protected:
    void SetUp() override { UseProgramModule(); }

    static HWND Item(AgreementDialog& dialog, int id) { return GetDlgItem(dialog.Handle(), id); }
    static void Click(AgreementDialog& dialog, int id) { SendMessageW(Item(dialog, id), BM_CLICK, 0, 0); }
};

TEST_F(AgreementDialogTest, TheTextKeepsItsLayoutWithTheNamesFilledIn) {
    const std::u16string text = Text(AgreementDialog::BuildText(WString(TEXT("Vintra")), WString(TEXT("Ostrelix"))));
    for (const char16_t* placeholder : {u"*app*", u"*APP*", u"*firm*"})
        EXPECT_EQ(text.find(placeholder), std::u16string::npos) << "placeholder left";
    // Every line break is CR LF: no lone CR or LF.
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            EXPECT_EQ(text[i + 1], u'\n') << i;
        }
        if (text[i] == u'\n') {
            EXPECT_EQ(text[i - 1], u'\r') << i;
        }
    }

    const std::vector<std::u16string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 12u);
    const std::u16string six(6, u' ');
    EXPECT_TRUE(StartsWith(lines[0], six) && lines[0][6] != u' ');
    EXPECT_NE(lines[0].find(u"Vintra"), std::u16string::npos);
    EXPECT_TRUE(StartsWith(lines[1], six) && lines[1][6] != u' ');
    EXPECT_EQ(lines[2], u"    ");
    EXPECT_TRUE(StartsWith(lines[3], u" 1. "));
    EXPECT_NE(lines[3].find(u"Vintra"), std::u16string::npos);
    EXPECT_NE(lines[3].find(u"Ostrelix"), std::u16string::npos);
    EXPECT_EQ(lines[4], u"");
    const char16_t* const numbers[] = {u" 2. ", u" 3. ", u" 4. ", u" 5. "};
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(StartsWith(lines[5 + i], numbers[i])) << i;
    // The clause in capitals names the program as the title does.
    EXPECT_NE(lines[6].find(u"Vintra"), std::u16string::npos);
    EXPECT_EQ(lines[6].find(u"VINTRA"), std::u16string::npos);
    EXPECT_TRUE(StartsWith(lines[9], u"    ") && lines[9][4] != u' ');
    EXPECT_NE(lines[9].find(u"Vintra"), std::u16string::npos);
    EXPECT_EQ(lines[10], u"");
    EXPECT_EQ(lines[11], std::u16string(49, u' ') + u"Ostrelix");
}

TEST_F(AgreementDialogTest, OpensWithOkDisabledTheBoxClearAndTheWholeText) {
    AgreementDialog dialog;
    const INT_PTR result = ModalScript::Run(dialog, AgreementDialog::templateId, {[&] {
        EXPECT_EQ(WindowText(dialog.Handle()), u"Dialog");
        EXPECT_FALSE(IsWindowEnabled(Item(dialog, IDOK)));
        EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), acceptBox), static_cast<UINT>(BST_UNCHECKED));
        HWND edit = Item(dialog, textEdit);
        EXPECT_EQ(WindowText(edit), Text(AgreementDialog::BuildText(TheApp().appName, TheApp().firmName)));
        EXPECT_NE(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY, 0);
        // Shown from its first line.
        EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
        EXPECT_NE(SendMessageW(dialog.Handle(), WM_GETICON, ICON_SMALL, 0), 0);
        EXPECT_NE(SendMessageW(dialog.Handle(), WM_GETICON, ICON_BIG, 0), 0);
        SendMessageW(dialog.Handle(), WM_COMMAND, IDCANCEL, 0);
    }});
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(dialog.accepted.GetValue());
}

TEST_F(AgreementDialogTest, TickingTheBoxEnablesOkAndClearingItDisablesIt) {
    AgreementDialog dialog;
    const INT_PTR result = ModalScript::Run(dialog, AgreementDialog::templateId, {
        [&] { Click(dialog, acceptBox); },
        [&] {
            EXPECT_TRUE(IsWindowEnabled(Item(dialog, IDOK)));
            EXPECT_TRUE(dialog.accepted.GetValue());
            Click(dialog, acceptBox);
        },
        [&] {
            EXPECT_FALSE(IsWindowEnabled(Item(dialog, IDOK)));
            EXPECT_FALSE(dialog.accepted.GetValue());
            Click(dialog, acceptBox);
        },
        [&] {
            ASSERT_TRUE(IsWindowEnabled(Item(dialog, IDOK)));
            Click(dialog, IDOK);
        },
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(dialog.accepted.GetValue());
}

TEST_F(AgreementDialogTest, AnOkWhileTheBoxIsClearKeepsTheDialogOpenAndAcceptable) {
    AgreementDialog dialog;
    const INT_PTR result = ModalScript::Run(dialog, AgreementDialog::templateId, {
        [&] { Click(dialog, acceptBox); },
        [&] { Click(dialog, acceptBox); },
        // Another program sends OK while the box is clear.
        [&] { SendMessageW(dialog.Handle(), WM_COMMAND, IDOK, 0); },
        [&] {
            EXPECT_TRUE(IsWindow(dialog.Handle()));
            EXPECT_FALSE(IsWindowEnabled(Item(dialog, IDOK)));
            // The user can still accept.
            Click(dialog, acceptBox);
        },
        [&] {
            EXPECT_TRUE(IsWindowEnabled(Item(dialog, IDOK)));
            Click(dialog, IDOK);
        },
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(dialog.accepted.GetValue());
}

TEST_F(AgreementDialogTest, ClosingDeclines) {
    struct Case {
        const char* what;
        UINT message;
        WPARAM wParam;
    };
    const Case cases[] = {
        {"the close box", WM_SYSCOMMAND, SC_CLOSE},
        {"WM_CLOSE", WM_CLOSE, 0},
        {"Cancel", WM_COMMAND, IDCANCEL},
    };
    for (const Case& c : cases) {
        AgreementDialog dialog;
        // Ticked and then closed: the box's value is taken back.
        const INT_PTR result = ModalScript::Run(dialog, AgreementDialog::templateId, {
            [&] { Click(dialog, acceptBox); },
            [&] { PostMessageW(dialog.Handle(), c.message, c.wParam, 0); },
        });
        EXPECT_EQ(result, IDCANCEL) << c.what;
        EXPECT_FALSE(dialog.accepted.GetValue()) << c.what;
    }
}

}  // namespace
