// kernel32: private profile (INI) files over real files of the simulated
// disk. Every call reads the file, changes its lines and writes it back;
// lines the functions do not understand (text before the first section,
// comments, lines without "=") are kept as they were. A new file is written
// in the ANSI code page, an existing one in the encoding it had. Simplified:
// the platform caches profile files between calls; nothing the program does
// can tell the difference.
#include "State.h"
#include "StorageState.h"

#include <vector>

using namespace simdesk::detail;

namespace {

namespace fs = std::filesystem;

// The blanks the profile functions trim around names and values: the ASCII
// white space within a line. Other spaces (no-break, ideographic) are text.
bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

std::u16string Trim(const std::u16string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

bool IsSectionHeader(const std::u16string& line, std::u16string& name) {
    const std::u16string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] != u'[') return false;
    const std::size_t close = trimmed.find(u']');
    name = Trim(trimmed.substr(1, close == std::u16string::npos ? std::u16string::npos : close - 1));
    return true;
}

struct Entry {
    bool listed = false;    // shown by GetPrivateProfileSectionW
    bool hasValue = false;  // a key=value line, found by its key
    std::u16string key;
    std::u16string value;
};

Entry ParseEntry(const std::u16string& line) {
    Entry entry;
    const std::u16string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == u';') return entry;
    entry.listed = true;
    const std::size_t equals = trimmed.find(u'=');
    if (equals == std::u16string::npos) {
        entry.key = trimmed;
        return entry;
    }
    entry.hasValue = true;
    entry.key = Trim(trimmed.substr(0, equals));
    entry.value = Trim(trimmed.substr(equals + 1));
    return entry;
}

bool SameName(const std::u16string& a, LPCWSTR b) {
    return FoldCase(a) == FoldCase(std::u16string(b));
}

struct ProfileFile {
    ResolvedPath path;
    bool exists = false;
    TextEncoding encoding = TextEncoding::Ansi;
    std::vector<std::u16string> lines;

    struct Range {
        std::size_t header = 0;  // index of the [section] line
        std::size_t end = 0;     // one past its last line
    };

    bool FindSection(LPCWSTR section, Range& range) const {
        std::u16string name;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (!IsSectionHeader(lines[i], name) || !SameName(name, section)) continue;
            range.header = i;
            range.end = i + 1;
            while (range.end < lines.size() && !IsSectionHeader(lines[range.end], name)) ++range.end;
            return true;
        }
        return false;
    }

    // Index of the key's line in the section, or npos.
    std::size_t FindKey(const Range& range, LPCWSTR key) const {
        for (std::size_t i = range.header + 1; i < range.end; ++i) {
            const Entry entry = ParseEntry(lines[i]);
            if (entry.hasValue && SameName(entry.key, key)) return i;
        }
        return std::u16string::npos;
    }

    bool FindValue(LPCWSTR section, LPCWSTR key, std::u16string& value) const {
        Range range;
        if (!FindSection(section, range)) return false;
        const std::size_t line = FindKey(range, key);
        if (line == std::u16string::npos) return false;
        value = ParseEntry(lines[line]).value;
        return true;
    }

    // Where a new line of the section goes: after its last non-blank line.
    std::size_t InsertionPoint(const Range& range) const {
        std::size_t at = range.end;
        while (at > range.header + 1 && Trim(lines[at - 1]).empty()) --at;
        return at;
    }
};

bool Fail(DWORD error) {
    SetLastError(error);
    return false;
}

// A bare file name lives in the Windows folder, as the platform documents.
bool LoadProfile(LPCWSTR fileName, ProfileFile& file) {
    if (fileName == nullptr || fileName[0] == 0) return Fail(ERROR_INVALID_PARAMETER);
    std::u16string name(fileName);
    if (name.find_first_of(u"\\/:") == std::u16string::npos) name = std::u16string(kWindowsFolder) + u"\\" + name;
    DWORD error = 0;
    if (!ResolvePath(name.c_str(), file.path, error)) return Fail(error);
    std::u16string text;
    file.exists = ReadHostText(file.path.host, text, file.encoding);
    std::u16string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            if (!line.empty() && line.back() == u'\r') line.pop_back();
            file.lines.push_back(line);
            line.clear();
        } else {
            line.push_back(text[i]);
        }
    }
    if (!line.empty()) file.lines.push_back(line);
    return true;
}

bool SaveProfile(const ProfileFile& file) {
    std::error_code error;
    if (fs::is_directory(file.path.host, error)) return Fail(ERROR_ACCESS_DENIED);
    if (!fs::is_directory(file.path.host.parent_path(), error)) return Fail(ERROR_PATH_NOT_FOUND);
    if (!IsWritable(file.path)) return Fail(ERROR_ACCESS_DENIED);
    std::u16string text;
    for (const std::u16string& line : file.lines) text += line + u"\r\n";
    if (!WriteHostText(file.path.host, text, file.encoding)) return Fail(ERROR_ACCESS_DENIED);
    SetLastError(ERROR_SUCCESS);
    return true;
}

// One text into a caller's buffer: cut to size - 1 units when it is longer.
DWORD CopyValue(const std::u16string& text, LPWSTR buffer, DWORD size) {
    const DWORD length = text.size() < size ? static_cast<DWORD>(text.size()) : size - 1;
    for (DWORD i = 0; i < length; ++i) buffer[i] = text[i];
    buffer[length] = 0;
    return length;
}

// NUL-separated texts ended by a second NUL; when they do not fit, the last
// one is cut, two NULs end the buffer and the result is size - 2.
DWORD CopyList(const std::vector<std::u16string>& items, LPWSTR buffer, DWORD size) {
    std::u16string all;
    for (const std::u16string& item : items) all += item + u'\0';
    if (all.size() + 1 <= size) {
        for (std::size_t i = 0; i < all.size(); ++i) buffer[i] = all[i];
        buffer[all.size()] = 0;
        if (all.empty() && size >= 2) buffer[1] = 0;
        return static_cast<DWORD>(all.size());
    }
    if (size < 2) {
        buffer[0] = 0;
        return 0;
    }
    for (DWORD i = 0; i < size - 2; ++i) buffer[i] = all[i];
    buffer[size - 2] = 0;
    buffer[size - 1] = 0;
    return size - 2;
}

std::u16string Unquote(const std::u16string& value) {
    if (value.size() >= 2 && (value[0] == u'"' || value[0] == u'\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

void RemoveSection(ProfileFile& file, LPCWSTR section) {
    ProfileFile::Range range;
    if (file.FindSection(section, range))
        file.lines.erase(file.lines.begin() + static_cast<std::ptrdiff_t>(range.header),
                         file.lines.begin() + static_cast<std::ptrdiff_t>(range.end));
}

// The section's range, appended at the end of the file if it is new.
ProfileFile::Range EnsureSection(ProfileFile& file, LPCWSTR section) {
    ProfileFile::Range range;
    if (!file.FindSection(section, range)) {
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about
        // operator+ on a literal when optimising.
        std::u16string header(1, u'[');
        header.append(section);
        header.push_back(u']');
        file.lines.push_back(std::move(header));
        range.header = file.lines.size() - 1;
        range.end = file.lines.size();
    }
    return range;
}

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

int HexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

}  // namespace

DWORD WINAPI GetPrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR defaultText, LPWSTR buffer, DWORD size,
                                      LPCWSTR fileName) {
    if (buffer == nullptr || size == 0) return 0;
    ProfileFile file;
    if (!LoadProfile(fileName, file)) file = ProfileFile{};
    if (!file.exists) SetLastError(ERROR_FILE_NOT_FOUND);

    if (section == nullptr) {
        std::vector<std::u16string> names;
        std::u16string name;
        for (const std::u16string& line : file.lines)
            if (IsSectionHeader(line, name)) names.push_back(name);
        return CopyList(names, buffer, size);
    }
    if (key == nullptr) {
        std::vector<std::u16string> keys;
        ProfileFile::Range range;
        if (file.FindSection(section, range)) {
            for (std::size_t i = range.header + 1; i < range.end; ++i) {
                const Entry entry = ParseEntry(file.lines[i]);
                if (entry.hasValue) keys.push_back(entry.key);
            }
        }
        return CopyList(keys, buffer, size);
    }
    std::u16string value;
    if (file.FindValue(section, key, value)) return CopyValue(Unquote(value), buffer, size);
    // The platform strips trailing blanks of the default.
    std::u16string fallback = defaultText != nullptr ? defaultText : u"";
    while (!fallback.empty() && fallback.back() == u' ') fallback.pop_back();
    return CopyValue(fallback, buffer, size);
}

BOOL WINAPI WritePrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR text, LPCWSTR fileName) {
    if (section == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    ProfileFile file;
    if (!LoadProfile(fileName, file)) return FALSE;
    if (key == nullptr || text == nullptr) {
        // Deleting from a file that does not exist leaves it missing.
        if (!file.exists) return TRUE;
        if (key == nullptr) {
            RemoveSection(file, section);
        } else {
            ProfileFile::Range range;
            if (file.FindSection(section, range)) {
                const std::size_t line = file.FindKey(range, key);
                if (line != std::u16string::npos) file.lines.erase(file.lines.begin() + static_cast<std::ptrdiff_t>(line));
            }
        }
        return SaveProfile(file) ? TRUE : FALSE;
    }
    const ProfileFile::Range range = EnsureSection(file, section);
    const std::u16string line = std::u16string(key) + u"=" + text;
    const std::size_t existing = file.FindKey(range, key);
    if (existing != std::u16string::npos) file.lines[existing] = line;
    else file.lines.insert(file.lines.begin() + static_cast<std::ptrdiff_t>(file.InsertionPoint(range)), line);
    return SaveProfile(file) ? TRUE : FALSE;
}

// Two upper-case hex digits per byte, then the checksum byte: the sum of the
// bytes modulo 256.
BOOL WINAPI WritePrivateProfileStructW(LPCWSTR section, LPCWSTR key, LPVOID block, UINT size, LPCWSTR fileName) {
    if (block == nullptr) return WritePrivateProfileStringW(section, key, nullptr, fileName);
    const BYTE* bytes = static_cast<const BYTE*>(block);
    std::u16string text;
    unsigned sum = 0;
    for (UINT i = 0; i < size; ++i) {
        text.push_back(kHexDigits[bytes[i] >> 4]);
        text.push_back(kHexDigits[bytes[i] & 0x0F]);
        sum += bytes[i];
    }
    text.push_back(kHexDigits[(sum >> 4) & 0x0F]);
    text.push_back(kHexDigits[sum & 0x0F]);
    return WritePrivateProfileStringW(section, key, text.c_str(), fileName);
}

// Succeeds only for data of exactly the requested size with a matching
// checksum; otherwise the block is left as it was.
BOOL WINAPI GetPrivateProfileStructW(LPCWSTR section, LPCWSTR key, LPVOID block, UINT size, LPCWSTR fileName) {
    if (section == nullptr || key == nullptr || block == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    ProfileFile file;
    std::u16string value;
    if (!LoadProfile(fileName, file) || !file.FindValue(section, key, value)) return Fail(ERROR_FILE_NOT_FOUND);
    value = Unquote(value);
    if (value.size() > 2 * static_cast<std::size_t>(size) + 2) {
        // The platform decodes into the block before it finds the data too
        // long, so a failed read may leave the block changed.
        BYTE* out = static_cast<BYTE*>(block);
        for (UINT i = 0; i < size; ++i) {
            const int high = HexValue(value[2 * i]);
            const int low = HexValue(value[2 * i + 1]);
            if (high < 0 || low < 0) break;
            out[i] = static_cast<BYTE>(high * 16 + low);
        }
        return Fail(ERROR_BAD_LENGTH);
    }
    if (value.size() != 2 * static_cast<std::size_t>(size) + 2) return Fail(ERROR_BAD_LENGTH);
    std::vector<BYTE> bytes(size + 1u);
    unsigned sum = 0;
    for (UINT i = 0; i <= size; ++i) {
        const int high = HexValue(value[2 * i]);
        const int low = HexValue(value[2 * i + 1]);
        if (high < 0 || low < 0) return Fail(ERROR_INVALID_DATA);
        bytes[i] = static_cast<BYTE>(high * 16 + low);
        if (i < size) sum += bytes[i];
    }
    if (static_cast<BYTE>(sum & 0xFF) != bytes[size]) return Fail(ERROR_INVALID_DATA);
    BYTE* out = static_cast<BYTE*>(block);
    for (UINT i = 0; i < size; ++i) out[i] = bytes[i];
    return TRUE;
}

DWORD WINAPI GetPrivateProfileSectionW(LPCWSTR section, LPWSTR buffer, DWORD size, LPCWSTR fileName) {
    if (buffer == nullptr || size == 0) return 0;
    ProfileFile file;
    std::vector<std::u16string> entries;
    ProfileFile::Range range;
    if (section != nullptr && LoadProfile(fileName, file) && file.FindSection(section, range)) {
        for (std::size_t i = range.header + 1; i < range.end; ++i) {
            const Entry entry = ParseEntry(file.lines[i]);
            if (entry.listed) entries.push_back(entry.hasValue ? entry.key + u"=" + entry.value : entry.key);
        }
    }
    return CopyList(entries, buffer, size);
}

BOOL WINAPI WritePrivateProfileSectionW(LPCWSTR section, LPCWSTR lines, LPCWSTR fileName) {
    if (section == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    ProfileFile file;
    if (!LoadProfile(fileName, file)) return FALSE;
    if (lines == nullptr) {
        if (!file.exists) return TRUE;
        RemoveSection(file, section);
        return SaveProfile(file) ? TRUE : FALSE;
    }
    const ProfileFile::Range range = EnsureSection(file, section);
    file.lines.erase(file.lines.begin() + static_cast<std::ptrdiff_t>(range.header + 1),
                     file.lines.begin() + static_cast<std::ptrdiff_t>(range.end));
    std::size_t at = range.header + 1;
    // Only key=value strings are written; the platform drops the others.
    for (LPCWSTR line = lines; *line != 0; line += lstrlenW(line) + 1) {
        const Entry entry = ParseEntry(line);
        if (entry.hasValue)
            file.lines.insert(file.lines.begin() + static_cast<std::ptrdiff_t>(at++), entry.key + u"=" + entry.value);
    }
    return SaveProfile(file) ? TRUE : FALSE;
}
