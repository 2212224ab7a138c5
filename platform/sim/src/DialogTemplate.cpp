// Reading dialog templates from the program's compiled resources.
#include "DialogTemplate.h"

#include "ResourceTable.h"

namespace simdesk::detail {

namespace {

// A bounded reader over the template's bytes.
class TemplateReader {
public:
    TemplateReader(const BYTE* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    bool Word(WORD& value) {
        if (!Has(2)) return false;
        value = ReadWord(bytes_ + offset_);
        offset_ += 2;
        return true;
    }
    bool Short(short& value) {
        WORD raw = 0;
        if (!Word(raw)) return false;
        value = static_cast<short>(raw);
        return true;
    }
    bool Dword(DWORD& value) {
        if (!Has(4)) return false;
        value = ReadDword(bytes_ + offset_);
        offset_ += 4;
        return true;
    }
    bool Byte(BYTE& value) {
        if (!Has(1)) return false;
        value = bytes_[offset_++];
        return true;
    }
    bool Text(std::u16string& text) {
        text.clear();
        for (;;) {
            WORD c = 0;
            if (!Word(c)) return false;
            if (c == 0) return true;
            text.push_back(static_cast<char16_t>(c));
        }
    }
    // An empty field (0), an ordinal (0xFFFF, number) or a text.
    bool Name(TemplateName& name) {
        WORD first = 0;
        if (!Has(2)) return false;
        first = ReadWord(bytes_ + offset_);
        if (first == 0xFFFF) {
            offset_ += 2;
            name.isOrdinal = true;
            return Word(name.ordinal);
        }
        name.isOrdinal = false;
        return Text(name.text);
    }
    bool Bytes(std::size_t count, std::vector<BYTE>& out) {
        if (!Has(count)) return false;
        out.assign(bytes_ + offset_, bytes_ + offset_ + count);
        offset_ += count;
        return true;
    }
    void AlignToDword() { offset_ = AlignDword(offset_); }

private:
    bool Has(std::size_t count) const { return offset_ <= size_ && size_ - offset_ >= count; }

    const BYTE* bytes_;
    std::size_t size_;
    std::size_t offset_ = 0;
};

std::u16string PredefinedClass(WORD ordinal) {
    switch (ordinal) {
        case 0x80:
            return u"Button";
        case 0x81:
            return u"Edit";
        case 0x82:
            return u"Static";
        case 0x83:
            return u"ListBox";
        case 0x84:
            return u"ScrollBar";
        case 0x85:
            return u"ComboBox";
        default: {
            std::u16string name = u"#";
            for (char c : std::to_string(ordinal)) name.push_back(static_cast<char16_t>(c));
            return name;
        }
    }
}

bool ReadItem(TemplateReader& reader, bool extended, DialogItem& item) {
    reader.AlignToDword();
    if (extended) {
        DWORD helpId = 0;
        if (!reader.Dword(helpId) || !reader.Dword(item.exStyle) || !reader.Dword(item.style)) return false;
    } else {
        if (!reader.Dword(item.style) || !reader.Dword(item.exStyle)) return false;
    }
    if (!reader.Short(item.x) || !reader.Short(item.y) || !reader.Short(item.cx) || !reader.Short(item.cy))
        return false;
    if (extended) {
        if (!reader.Dword(item.id)) return false;
    } else {
        WORD id = 0;
        if (!reader.Word(id)) return false;
        item.id = id;
    }
    TemplateName className;
    if (!reader.Name(className) || !reader.Name(item.title)) return false;
    item.className = className.isOrdinal ? PredefinedClass(className.ordinal) : className.text;
    WORD extraCount = 0;
    if (!reader.Word(extraCount)) return false;
    if (extraCount == 0) return true;
    // The creation data is handed over with its size word in front.
    std::vector<BYTE> data;
    if (!reader.Bytes(extraCount, data)) return false;
    item.creationData.clear();
    item.creationData.push_back(LOBYTE(extraCount));
    item.creationData.push_back(HIBYTE(extraCount));
    item.creationData.insert(item.creationData.end(), data.begin(), data.end());
    return true;
}

}  // namespace

bool ParseDialogTemplate(const BYTE* bytes, std::size_t size, DialogTemplate& result) {
    if (bytes == nullptr) return false;
    TemplateReader reader(bytes, size);
    DialogTemplate parsed;
    WORD version = 0;
    WORD signature = 0;
    if (size >= 4) {
        version = ReadWord(bytes);
        signature = ReadWord(bytes + 2);
    }
    const bool extended = version == 1 && signature == 0xFFFF;
    WORD count = 0;
    if (extended) {
        DWORD helpId = 0;
        if (!reader.Word(version) || !reader.Word(signature) || !reader.Dword(helpId) ||
            !reader.Dword(parsed.exStyle) || !reader.Dword(parsed.style))
            return false;
    } else {
        if (!reader.Dword(parsed.style) || !reader.Dword(parsed.exStyle)) return false;
    }
    if (!reader.Word(count) || !reader.Short(parsed.x) || !reader.Short(parsed.y) || !reader.Short(parsed.cx) ||
        !reader.Short(parsed.cy))
        return false;
    TemplateName title;
    if (!reader.Name(parsed.menu) || !reader.Name(parsed.className) || !reader.Name(title)) return false;
    parsed.title = title.text;
    if ((parsed.style & DS_SETFONT) != 0) {
        if (!reader.Word(parsed.pointSize)) return false;
        if (extended) {
            WORD weight = 0;
            BYTE italic = 0;
            BYTE charset = 0;
            if (!reader.Word(weight) || !reader.Byte(italic) || !reader.Byte(charset)) return false;
        }
        if (!reader.Text(parsed.typeface)) return false;
    }
    for (WORD i = 0; i < count; ++i) {
        DialogItem item;
        if (!ReadItem(reader, extended, item)) return false;
        parsed.items.push_back(std::move(item));
    }
    result = std::move(parsed);
    return true;
}

bool LoadDialogTemplate(LPCWSTR name, DialogTemplate& result) {
    const ResourceEntry* entry = FindProgramResource(RT_DIALOG, name);
    if (entry == nullptr) return false;
    return ParseDialogTemplate(entry->data, entry->size, result);
}

}  // namespace simdesk::detail
