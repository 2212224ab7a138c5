#include "stories/StoredValues.h"

#include <gtest/gtest.h>

namespace {

std::u16string KeyPath(const std::u16string& section) {
    return u"Software\\Ostrelix\\Vintra\\" + section;
}

LPCWSTR W(const std::u16string& text) {
    return reinterpret_cast<LPCWSTR>(text.c_str());
}

}  // namespace

std::optional<std::vector<BYTE>> StoredBytes(const std::u16string& section, const std::u16string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, W(KeyPath(section)), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    std::optional<std::vector<BYTE>> bytes;
    DWORD size = 0;
    if (RegQueryValueExW(key, W(name), nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<BYTE> data(size);
        if (RegQueryValueExW(key, W(name), nullptr, nullptr, data.data(), &size) == ERROR_SUCCESS) {
            data.resize(size);
            bytes = std::move(data);
        }
    }
    RegCloseKey(key);
    return bytes;
}

std::optional<std::u16string> StoredText(const std::u16string& section, const std::u16string& name) {
    const auto bytes = StoredBytes(section, name);
    if (!bytes) return std::nullopt;
    std::u16string text(bytes->size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>((*bytes)[2 * i] | ((*bytes)[2 * i + 1] << 8));
    while (!text.empty() && text.back() == u'\0') text.pop_back();
    return text;
}

bool StoredSectionExists(const std::u16string& section) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, W(KeyPath(section)), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool StoreValue(const std::u16string& section, const std::u16string& name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, W(KeyPath(section)), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    // The system looks at the unit after a string-typed value that does not
    // end in a zero unit (and stores it too when it is zero): a guard unit
    // that is not zero keeps the stored size exact.
    std::vector<BYTE> guarded(static_cast<const BYTE*>(data), static_cast<const BYTE*>(data) + size);
    guarded.push_back(0xFF);
    guarded.push_back(0xFF);
    const bool written = RegSetValueExW(key, W(name), 0, type, guarded.data(), size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

bool StoreText(const std::u16string& section, const std::u16string& name, const std::u16string& value) {
    return StoreValue(section, name, REG_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * 2));
}

bool StartupShortcutExists() {
    WCHAR folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder))) return false;
    std::u16string path(reinterpret_cast<const char16_t*>(folder));
    path += u"\\Vintra.lnk";
    return PathFileExistsW(W(path)) != FALSE;
}

void ForgetStoredSettings() {
    SHDeleteKeyW(HKEY_CURRENT_USER, W(u"Software\\Ostrelix\\Vintra"));
}

std::u16string ToText(int number) {
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

void ExpectStoredAsAfterANormalExit() {
    struct Expected {
        const char16_t* section;
        const char16_t* name;
        const char16_t* text;  // null: absent
    };
    const Expected values[] = {
        {u"Options\\Common", u"HotKey2", nullptr},       {u"Options\\Common", u"Ru", nullptr},
        {u"Options\\Common", u"MinimizeToTray", u"1"},   {u"Options\\Common", u"HideInTray", u"0"},
        {u"Options\\Common", u"KeepInTray", u"1"},       {u"Options\\Common", u"StartMinimize", u"2"},
        {u"Options\\Common", u"CloseMinimize", u"0"},    {u"Options\\Common", u"ConfirmExit", u"1"},
        {u"Options\\Windows\\Main", u"Handle", nullptr}, {u"Options\\Windows\\Main", u"topmost", nullptr},
        {u"Profiles", u"Profile", u"Default"},
    };
    for (const Expected& value : values) {
        const auto stored = StoredText(value.section, value.name);
        if (value.text == nullptr)
            EXPECT_FALSE(stored.has_value()) << "a value that should be absent is stored";
        else
            EXPECT_EQ(stored, std::u16string(value.text));
    }
    const auto placement = StoredBytes(u"Options\\Windows\\Main", u"plmnt");
    ASSERT_TRUE(placement.has_value());
    EXPECT_EQ(placement->size(), sizeof(WINDOWPLACEMENT));
    EXPECT_FALSE(StoredSectionExists(u"Profiles\\Default"));
}
