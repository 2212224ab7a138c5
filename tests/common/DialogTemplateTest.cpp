// The program's dialog templates as the resource compiler wrote them: each
// template's style, caption, font and size, and each control's class,
// identifier, text, style and place, read from the raw RT_DIALOG bytes of
// the program module, in either template form.
#include "ProgramTemplateTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

using templates::ControlClass;
using templates::ControlSpec;
using templates::TemplateSpec;
using templates::Utf8;

// A name-or-number field of a template: no value, a number, or a text.
struct Field {
    bool isNumber = false;
    WORD number = 0;
    std::u16string text;
};

struct ParsedControl {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    Field windowClass;
    Field text;
};

struct ParsedTemplate {
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::u16string caption;
    WORD pointSize = 0;
    std::u16string typeface;
    std::vector<ParsedControl> controls;
};

// Reads little-endian fields of one template, never past its end.
class Reader {
public:
    explicit Reader(const std::vector<BYTE>& bytes) : bytes_(bytes) {}

    bool Word(WORD& value) { return Bytes(&value, sizeof(value)); }
    bool Dword(DWORD& value) { return Bytes(&value, sizeof(value)); }
    bool Short(short& value) { return Bytes(&value, sizeof(value)); }

    bool Text(std::u16string& text) {
        text.clear();
        for (WORD unit = 0;;) {
            if (!Word(unit)) return false;
            if (unit == 0) return true;
            text.push_back(static_cast<char16_t>(unit));
        }
    }

    bool NameOrNumber(Field& field) {
        WORD first = 0;
        if (!Word(first)) return false;
        field = Field{};
        if (first == 0) return true;
        if (first == 0xFFFF) {
            field.isNumber = true;
            return Word(field.number);
        }
        offset_ -= sizeof(WORD);
        return Text(field.text);
    }

    bool Skip(std::size_t count) {
        if (count > bytes_.size() - offset_) return false;
        offset_ += count;
        return true;
    }

    void AlignDword() { offset_ = std::min(bytes_.size(), (offset_ + 3) & ~static_cast<std::size_t>(3)); }

private:
    bool Bytes(void* out, std::size_t size) {
        if (size > bytes_.size() - offset_) return false;
        std::memcpy(out, bytes_.data() + offset_, size);
        offset_ += size;
        return true;
    }

    const std::vector<BYTE>& bytes_;
    std::size_t offset_ = 0;
};

constexpr DWORD kSetFont = 0x40;
constexpr DWORD kShellFont = kSetFont | 0x8;

bool ParseControl(Reader& in, bool extended, ParsedControl& control) {
    in.AlignDword();
    DWORD helpId = 0;
    DWORD exStyle = 0;
    if (extended) {
        if (!in.Dword(helpId) || !in.Dword(exStyle) || !in.Dword(control.style)) return false;
    } else if (!in.Dword(control.style) || !in.Dword(exStyle)) {
        return false;
    }
    if (!in.Short(control.x) || !in.Short(control.y) || !in.Short(control.cx) || !in.Short(control.cy)) return false;
    if (extended) {
        DWORD id = 0;
        if (!in.Dword(id)) return false;
        control.id = static_cast<int>(id);
    } else {
        WORD id = 0;
        if (!in.Word(id)) return false;
        control.id = static_cast<short>(id);  // -1 is written as 0xFFFF
    }
    WORD extra = 0;
    return in.NameOrNumber(control.windowClass) && in.NameOrNumber(control.text) && in.Word(extra) && in.Skip(extra);
}

bool ParseTemplate(const std::vector<BYTE>& bytes, ParsedTemplate& out) {
    Reader in(bytes);
    WORD version = 0;
    WORD signature = 0;
    if (!in.Word(version) || !in.Word(signature)) return false;
    const bool extended = version == 1 && signature == 0xFFFF;
    DWORD exStyle = 0;
    if (extended) {
        DWORD helpId = 0;
        if (!in.Dword(helpId) || !in.Dword(exStyle) || !in.Dword(out.style)) return false;
    } else {
        out.style = static_cast<DWORD>(version) | (static_cast<DWORD>(signature) << 16);
        if (!in.Dword(exStyle)) return false;
    }
    WORD count = 0;
    short x = 0;
    short y = 0;
    Field menu;
    Field windowClass;
    if (!in.Word(count) || !in.Short(x) || !in.Short(y) || !in.Short(out.cx) || !in.Short(out.cy)) return false;
    if (!in.NameOrNumber(menu) || !in.NameOrNumber(windowClass) || !in.Text(out.caption)) return false;
    if ((out.style & kSetFont) != 0 || (extended && (out.style & kShellFont) == kShellFont)) {
        if (!in.Word(out.pointSize)) return false;
        if (extended && !in.Skip(4)) return false;  // weight, italic, character set
        if (!in.Text(out.typeface)) return false;
    }
    out.controls.resize(count);
    for (ParsedControl& control : out.controls)
        if (!ParseControl(in, extended, control)) return false;
    return true;
}

std::vector<BYTE> DialogResource(WORD id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG);
    if (found == nullptr) return {};
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    if (data == nullptr) return {};
    return std::vector<BYTE>(data, data + SizeofResource(module, found));
}

std::u16string UpperAscii(std::u16string text) {
    for (char16_t& c : text)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return text;
}

// A predefined class may be written by number (0x80 Button, 0x81 Edit,
// 0x82 Static) or by name in any case; the tab control only by name.
bool IsClass(const Field& field, ControlClass expected) {
    struct Known {
        ControlClass controlClass;
        WORD number;
        std::u16string name;
    };
    const Known known[] = {
        {ControlClass::Button, 0x80, u"BUTTON"},
        {ControlClass::Edit, 0x81, u"EDIT"},
        {ControlClass::Static, 0x82, u"STATIC"},
        {ControlClass::TabControl, 0, u"SYSTABCONTROL32"},
    };
    for (const Known& k : known) {
        if (k.controlClass != expected) continue;
        return field.isNumber ? (k.number != 0 && field.number == k.number) : UpperAscii(field.text) == k.name;
    }
    return false;
}

void ExpectControl(const ParsedControl& control, const ControlSpec& spec) {
    SCOPED_TRACE(spec.what);
    EXPECT_EQ(control.id, spec.id);
    EXPECT_TRUE(IsClass(control.windowClass, spec.controlClass));
    if (spec.iconId != 0) {
        // An icon control names its icon group by number.
        EXPECT_TRUE(control.text.isNumber);
        EXPECT_EQ(control.text.number, spec.iconId);
    } else {
        EXPECT_FALSE(control.text.isNumber);
        EXPECT_EQ(Utf8(control.text.text), Utf8(spec.text));
    }
    EXPECT_EQ(control.style, spec.style) << std::hex << "0x" << control.style << " != 0x" << spec.style;
    EXPECT_EQ(control.x, spec.x);
    EXPECT_EQ(control.y, spec.y);
    EXPECT_EQ(control.cx, spec.cx);
    EXPECT_EQ(control.cy, spec.cy);
}

TEST(DialogTemplateTest, EveryTemplateAsTheProgramExpectsIt) {
    for (const TemplateSpec& spec : templates::ProgramTemplates()) {
        SCOPED_TRACE("template " + std::to_string(spec.id));
        const std::vector<BYTE> bytes = DialogResource(spec.id);
        ASSERT_FALSE(bytes.empty());
        ParsedTemplate parsed;
        ASSERT_TRUE(ParseTemplate(bytes, parsed));

        EXPECT_EQ(parsed.style, spec.style) << std::hex << "0x" << parsed.style << " != 0x" << spec.style;
        EXPECT_EQ(Utf8(parsed.caption), Utf8(spec.caption));
        EXPECT_EQ(parsed.cx, spec.cx);
        EXPECT_EQ(parsed.cy, spec.cy);
        EXPECT_EQ(parsed.pointSize, 8);
        EXPECT_EQ(Utf8(parsed.typeface), "MS Sans Serif");
        ASSERT_EQ(parsed.controls.size(), spec.controls.size());
        for (std::size_t i = 0; i < spec.controls.size(); ++i) ExpectControl(parsed.controls[i], spec.controls[i]);
    }
}

TEST(DialogTemplateTest, TemplatesAreRussianResources) {
    for (const TemplateSpec& spec : templates::ProgramTemplates())
        EXPECT_NE(FindResourceExW(GetModuleHandleW(nullptr), RT_DIALOG, MAKEINTRESOURCEW(spec.id),
                                  MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT)),
                  nullptr)
            << spec.id;
}

}  // namespace
