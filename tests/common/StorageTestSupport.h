// Helpers of the storage suites that run on both platforms: texts for
// messages, raw registry access below the suites' own key, and the INI
// suites' own firm and application folders.
#pragma once

#include "settings/WString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace storage_test {

// Every registry suite works below this key and removes it afterwards.
inline constexpr WCHAR kTestKey[] = TEXT("Software\\VintraStorageTests");
inline constexpr WCHAR kTestRoot[] = TEXT("Software\\VintraStorageTests\\");

inline std::u16string Text(LPCWSTR text) {
    if (text == nullptr) return u"<null>";
    std::u16string out;
    for (; *text != 0; ++text) out.push_back(static_cast<char16_t>(*text));
    return out;
}

inline std::u16string Text(const WString& text) {
    return Text(text.Buffer());
}

// A text of `count` copies of one character.
inline WString Repeated(std::size_t count, WCHAR c) {
    std::basic_string<WCHAR> text(count, c);
    return WString(text.c_str());
}

inline std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

inline void RemoveTestKey() {
    SHDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
}

// Stores a value the way another program might, below the test key. The
// system looks one unit past a string-typed value that does not end in a
// zero unit, so the bytes go from a copy followed by a zero unit: such a
// text is stored with that terminator on every platform.
inline void SetRawValue(LPCWSTR subKey, LPCWSTR name, DWORD type, const void* data, DWORD size) {
    std::vector<BYTE> padded(static_cast<std::size_t>(size) + sizeof(WCHAR), 0);
    if (data != nullptr && size > 0) std::memcpy(padded.data(), data, size);
    if (data != nullptr) data = padded.data();
    WString path = WString(kTestRoot) + subKey;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.Buffer(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

struct RawValue {
    LSTATUS status = ERROR_FILE_NOT_FOUND;
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
};

inline RawValue GetRawValue(LPCWSTR subKey, LPCWSTR name) {
    RawValue value;
    WString path = WString(kTestRoot) + subKey;
    HKEY key = nullptr;
    value.status = RegOpenKeyExW(HKEY_CURRENT_USER, path.Buffer(), 0, KEY_READ, &key);
    if (value.status != ERROR_SUCCESS) return value;
    DWORD size = 0;
    value.status = RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size);
    if (value.status == ERROR_SUCCESS && size > 0) {
        value.bytes.resize(size);
        value.status = RegQueryValueExW(key, name, nullptr, nullptr, value.bytes.data(), &size);
    }
    RegCloseKey(key);
    return value;
}

inline bool KeyExists(LPCWSTR path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

inline std::vector<BYTE> Utf16Bytes(const std::u16string& text, bool withTerminator) {
    std::vector<BYTE> bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<BYTE>(c & 0xFF));
        bytes.push_back(static_cast<BYTE>(c >> 8));
    }
    if (withTerminator) bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

// Writes a file as UTF-16LE with its byte-order mark, the way an editor
// saves a profile file that holds any character.
inline bool WriteUtf16File(LPCWSTR path, const std::u16string& text) {
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<BYTE> bytes = {0xFF, 0xFE};
    const std::vector<BYTE> body = Utf16Bytes(text, false);
    bytes.insert(bytes.end(), body.begin(), body.end());
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

// The INI suites' own firm and application folders under the user's
// application data; removed after each test.
struct IniPlace {
    WCHAR appData[MAX_PATH] = {};
    WString firmFolder;
    WString appFolder;
    WString file;

    IniPlace(LPCWSTR firm, LPCWSTR app, LPCWSTR fileName) {
        SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
        firmFolder = WString(appData) + TEXT("\\") + firm;
        appFolder = firmFolder + TEXT("\\") + app;
        file = appFolder + TEXT("\\") + fileName;
    }

    void Remove() const {
        DeleteFileW(file.Buffer());
        RemoveDirectoryW(appFolder.Buffer());
        DeleteFileW(firmFolder.Buffer());  // where a test put a file in the folder's place
        RemoveDirectoryW(firmFolder.Buffer());
    }
};

}  // namespace storage_test
