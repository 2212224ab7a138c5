// What each of the program's dialog templates must say: styles, caption,
// size and controls in template order, all in dialog units. The template
// suites read the compiled templates against this table.
#pragma once

#include "Platform.h"
#include "res/resource.h"

#include <string>
#include <vector>

namespace templates {

// The classes of the controls the templates use; the resource compiler may
// write a predefined class as a number instead of its name.
enum class ControlClass { Button, Edit, Static, TabControl };

struct ControlSpec {
    const char* what;
    int id;
    ControlClass controlClass;
    std::u16string text;  // for an icon control: empty, see iconId
    WORD iconId;          // the icon group an icon control shows, else 0
    DWORD style;          // the whole style, WS_CHILD | WS_VISIBLE included
    short x, y, cx, cy;
};

struct TemplateSpec {
    WORD id;
    DWORD style;
    std::u16string caption;
    short cx, cy;
    std::vector<ControlSpec> controls;
};

// Style bits by value, so the table reads the same whichever headers declare
// the control styles.
constexpr DWORD kSetFont = 0x40;       // DS_SETFONT
constexpr DWORD kModalFrame = 0x80;    // DS_MODALFRAME
constexpr DWORD kCenter = 0x800;       // DS_CENTER
constexpr DWORD kPushButton = 0x0;     // BS_PUSHBUTTON
constexpr DWORD kDefPushButton = 0x1;  // BS_DEFPUSHBUTTON
constexpr DWORD kAutoCheckBox = 0x3;   // BS_AUTOCHECKBOX
constexpr DWORD kAuto3State = 0x6;     // BS_AUTO3STATE
constexpr DWORD kGroupBox = 0x7;       // BS_GROUPBOX
constexpr DWORD kAutoRadio = 0x9;      // BS_AUTORADIOBUTTON
constexpr DWORD kLeftText = 0x0;       // SS_LEFT
constexpr DWORD kIcon = 0x3;           // SS_ICON
constexpr DWORD kMultiLine = 0x4;      // ES_MULTILINE
constexpr DWORD kAutoVScroll = 0x40;   // ES_AUTOVSCROLL
constexpr DWORD kReadOnly = 0x800;     // ES_READONLY
constexpr DWORD kWantReturn = 0x1000;  // ES_WANTRETURN
constexpr DWORD kVScroll = 0x00200000; // WS_VSCROLL
constexpr DWORD kBorder = 0x00800000;  // WS_BORDER

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kTopLevel = kSetFont | kModalFrame | WS_POPUP | WS_CAPTION | WS_SYSMENU;

// For messages: the texts are Russian.
inline std::string Utf8(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

inline const std::vector<TemplateSpec>& ProgramTemplates() {
    static const std::vector<TemplateSpec> all = {
        {IDD_MAIN, kTopLevel | kCenter | WS_MINIMIZEBOX, u"Vintra Light", 147, 76,
         {
             {"hide", IDOK, ControlClass::Button, u"Скрыть", 0, kChild | kDefPushButton | WS_TABSTOP, 7, 55, 50, 14},
             {"exit", IDCANCEL, ControlClass::Button, u"Выйти", 0, kChild | kPushButton | WS_TABSTOP, 90, 55, 50, 14},
             {"settings", IDC_MAIN_SETTINGS, ControlClass::Button, u"Настройки...", 0,
              kChild | kPushButton | WS_TABSTOP, 51, 7, 89, 21},
             {"icon", IDC_STATIC, ControlClass::Static, u"", IDI_PROGRAM, kChild | kIcon, 7, 7, 21, 20},
         }},
        {IDD_ABOUT, kTopLevel | kCenter, u"О программе...", 186, 95,
         {
             {"OK", IDOK, ControlClass::Button, u"OK", 0, kChild | kDefPushButton | WS_TABSTOP, 129, 74, 50, 14},
             {"icon", IDC_STATIC, ControlClass::Static, u"", IDI_PROGRAM, kChild | kIcon, 7, 7, 20, 20},
             {"description", IDC_STATIC, ControlClass::Static, u"Утилита вставки спец-символа @", 0,
              kChild | kLeftText | WS_GROUP, 41, 7, 138, 10},
             {"version", IDC_ABOUT_VERSION, ControlClass::Static, u"", 0, kChild | kLeftText | WS_GROUP, 42, 20, 137, 14},
             {"copyright", IDC_ABOUT_COPYRIGHT, ControlClass::Static, u"", 0, kChild | kLeftText | WS_GROUP, 42, 38, 137,
              14},
         }},
        {IDD_SETTINGS, kTopLevel, u"Настройки", 254, 165,
         {
             {"OK", IDOK, ControlClass::Button, u"OK", 0, kChild | kDefPushButton | WS_TABSTOP, 142, 144, 50, 14},
             {"Cancel", IDCANCEL, ControlClass::Button, u"Cancel", 0, kChild | kPushButton | WS_TABSTOP, 197, 144,
              50, 14},
             {"tabs", IDC_SETTINGS_TABS, ControlClass::TabControl, u"Tab1", 0, kChild, 7, 7, 240, 127},
         }},
        {IDD_PAGE_GENERAL, kSetFont | WS_CHILD, u"", 222, 114,
         {
             {"autostart", IDC_GENERAL_AUTOSTART, ControlClass::Button, u"Запускать при старте Windows", 0,
              kChild | kAutoCheckBox | WS_TABSTOP, 7, 7, 208, 12},
             {"start minimised", IDC_GENERAL_START_MINIMIZED, ControlClass::Button, u"При старте минимизировать", 0,
              kChild | kAuto3State | WS_TABSTOP, 7, 25, 208, 12},
             {"minimise to tray", IDC_GENERAL_MINIMIZE_TO_TRAY, ControlClass::Button,
              u"Минимизировать окно в иконку в трей бар, где часы", 0, kChild | kAutoCheckBox | WS_TABSTOP, 7, 43,
              208, 12},
         }},
        {IDD_PAGE_PROGRAM, kSetFont | WS_CHILD, u"", 221, 114,
         {
             {"Win radio", IDC_PROGRAM_HOTKEY_WIN, ControlClass::Button, u"Левая кнопка [Win]", 0,
              kChild | kAutoRadio | WS_GROUP, 14, 17, 84, 13},
             {"Alt radio", IDC_PROGRAM_HOTKEY_ALT, ControlClass::Button, u"Кнопка [Alt]", 0,
              kChild | kAutoRadio, 14, 32, 64, 13},
             {"combination", IDC_STATIC, ControlClass::Static, u"+  [Shift] + [2]", 0, kChild | kLeftText | WS_GROUP,
              104, 28, 95, 9},
             {"Russian only", IDC_PROGRAM_RUSSIAN_ONLY, ControlClass::Button,
              u"Работает только при включенной русской раскладке", 0, kChild | kAutoCheckBox | WS_TABSTOP, 7, 54,
              207, 10},
             {"group", IDC_STATIC, ControlClass::Button, u"Комбинация для вставки символа \"@\"", 0,
              kChild | kGroupBox, 7, 7, 207, 43},
         }},
        {IDD_AGREEMENT, kTopLevel | kCenter, u"Dialog", 281, 262,
         {
             {"text", IDC_AGREEMENT_TEXT, ControlClass::Edit, u"", 0,
              kChild | kMultiLine | kAutoVScroll | kReadOnly | kWantReturn | kVScroll | kBorder, 7, 7,
              267, 226},
             {"accept", IDC_AGREEMENT_ACCEPT, ControlClass::Button, u"Я принимаю условия", 0,
              kChild | kAutoCheckBox | WS_TABSTOP, 7, 242, 196, 13},
             {"OK", IDOK, ControlClass::Button, u"OK", 0, kChild | kDefPushButton | WS_TABSTOP | WS_DISABLED, 224,
              241, 50, 14},
         }},
    };
    return all;
}

}  // namespace templates
