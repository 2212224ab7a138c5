// The program's dialog templates as the dialog manager builds them: each
// template made into a window with a procedure that does nothing, its
// controls read back in order (class, identifier, text, style) and their
// places compared with the template's dialog units through MapDialogRect.
#include "ProgramTemplateTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using templates::ControlClass;
using templates::ControlSpec;
using templates::TemplateSpec;
using templates::Utf8;

INT_PTR CALLBACK QuietProcedure(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

HWND Create(WORD id, HWND parent) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), parent, QuietProcedure, 0);
}

std::u16string WindowText(HWND window) {
    WCHAR text[256] = {};
    GetWindowTextW(window, text, 256);
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

std::u16string UpperClassName(HWND window) {
    WCHAR name[64] = {};
    GetClassNameW(window, name, 64);
    std::u16string out(reinterpret_cast<const char16_t*>(name));
    for (char16_t& c : out)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return out;
}

std::u16string UpperName(ControlClass controlClass) {
    switch (controlClass) {
    case ControlClass::Button: return u"BUTTON";
    case ControlClass::Edit: return u"EDIT";
    case ControlClass::Static: return u"STATIC";
    case ControlClass::TabControl: return u"SYSTABCONTROL32";
    }
    return u"";
}

// The dialog manager converts a control's position and its size each on its
// own, so the right edge is the converted left plus the converted width
// (converting the right edge itself can differ by a pixel).
RECT DialogUnits(HWND dialog, short x, short y, short cx, short cy) {
    RECT rect = {x, y, cx, cy};
    MapDialogRect(dialog, &rect);
    return RECT{rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

void ExpectControl(HWND dialog, HWND control, const ControlSpec& spec) {
    SCOPED_TRACE(spec.what);
    EXPECT_EQ(UpperClassName(control), UpperName(spec.controlClass));
    // A classic template keeps identifiers in 16 bits: IDC_STATIC is 0xFFFF.
    EXPECT_EQ(static_cast<WORD>(GetWindowLongW(control, GWL_ID)), static_cast<WORD>(spec.id));
    const DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    DWORD kept = spec.style;
    if (spec.controlClass == ControlClass::Edit) {
        // Seen under Wine: the edit control turns its border into a sunken
        // edge and does not keep ES_WANTRETURN. The template's bits are
        // checked by the raw-template suite.
        kept &= ~(templates::kBorder | templates::kWantReturn);
        if ((spec.style & templates::kBorder) != 0) {
            EXPECT_NE(GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
        }
    }
    EXPECT_EQ(style & kept, kept) << std::hex << "0x" << style << " lacks bits of 0x" << kept;
    EXPECT_EQ(IsWindowEnabled(control) != FALSE, (spec.style & WS_DISABLED) == 0);

    RECT actual = {};
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    const RECT expected = DialogUnits(dialog, spec.x, spec.y, spec.cx, spec.cy);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    if (spec.iconId != 0) {
        // An icon control takes its icon's size; it must have the icon.
        EXPECT_NE(SendMessageW(control, STM_GETICON, 0, 0), 0);
        return;
    }
    EXPECT_EQ(Utf8(WindowText(control)), Utf8(spec.text));
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

class DialogTemplateWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
    }
};

TEST_F(DialogTemplateWindowTest, EveryTemplateBuildsTheWindowTheProgramExpects) {
    for (const TemplateSpec& spec : templates::ProgramTemplates()) {
        SCOPED_TRACE("template " + std::to_string(spec.id));
        // The pages are child dialogs: they need a parent.
        const bool page = (spec.style & WS_CHILD) != 0;
        HWND host = page ? Create(IDD_SETTINGS, nullptr) : nullptr;
        HWND dialog = Create(spec.id, host);
        ASSERT_NE(dialog, nullptr);

        EXPECT_EQ(Utf8(WindowText(dialog)), Utf8(spec.caption));
        const DWORD style = static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE));
        const DWORD windowBits = spec.style & 0xFFFF0000u;
        EXPECT_EQ(style & windowBits, windowBits) << std::hex << "0x" << style;
        EXPECT_FALSE(IsWindowVisible(dialog));  // shown by the program when it is ready
        RECT client = {};
        GetClientRect(dialog, &client);
        const RECT size = DialogUnits(dialog, 0, 0, spec.cx, spec.cy);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);

        std::size_t index = 0;
        for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT), ++index)
            if (index < spec.controls.size()) {
                ExpectControl(dialog, child, spec.controls[index]);
            }
        EXPECT_EQ(index, spec.controls.size());

        DestroyWindow(dialog);
        if (host != nullptr) DestroyWindow(host);
    }
}

}  // namespace
