// The INI file half of the settings store: the composed path is the section
// name, and the file lives in the firm's and the application's folders under
// the user's application data.
#include "settings/SettingsStore.h"

#include <memory>
#include <new>

namespace {

constexpr DWORD kFirstReadBuffer = 768;
constexpr DWORD kReadBufferGrowth = 256;
// Enough to tell an empty section from one with an entry.
constexpr DWORD kSectionProbeBuffer = 4;

// A name that stays inside its folder: set, not empty, no separators or
// drive, not "." or "..".
bool IsPlainName(const WString* name) {
    if (name == nullptr || !name->IsSet() || name->Length() == 0) return false;
    LPCWSTR text = name->Buffer();
    for (LPCWSTR c = text; *c != 0; ++c)
        if (*c == TEXT('\\') || *c == TEXT('/') || *c == TEXT(':')) return false;
    return lstrcmpW(text, TEXT(".")) != 0 && lstrcmpW(text, TEXT("..")) != 0;
}

void Append(WCHAR (&path)[MAX_PATH], int& length, LPCWSTR text) {
    for (; *text != 0; ++text) path[length++] = *text;
    path[length] = 0;
}

void CreateFolderIfMissing(LPCWSTR folder) {
    if (!PathFileExistsW(folder)) CreateDirectoryW(folder, nullptr);
}

// A profile call needs a section and a key: a null key would address the
// whole section (and writing it would delete the section).
bool Names(const WString& section, const WString& key) {
    return section.IsSet() && key.IsSet();
}

}  // namespace

bool SettingsStore::IniFilePath(WCHAR (&path)[MAX_PATH]) const {
    const WString* firm = &firmName;
    const WString* app = &appName;
    if (!IsPlainName(firm) || !IsPlainName(app) || !IsPlainName(&iniFileName)) return false;
    path[0] = 0;
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return false;
    path[MAX_PATH - 1] = 0;
    int length = lstrlenW(path);
    if (length == 0) return false;
    const bool needsSeparator = path[length - 1] != TEXT('\\') && path[length - 1] != TEXT('/');
    // Measured before any folder is made: a path that cannot fit creates nothing.
    const int total = length + (needsSeparator ? 1 : 0) + firm->Length() + 1 + app->Length() + 1 + iniFileName.Length();
    if (total >= MAX_PATH) return false;

    if (needsSeparator) Append(path, length, TEXT("\\"));
    Append(path, length, firm->Buffer());
    Append(path, length, TEXT("\\"));
    CreateFolderIfMissing(path);
    Append(path, length, app->Buffer());
    CreateFolderIfMissing(path);
    // A file cannot go where its folder could not be made.
    if (!PathFileExistsW(path)) return false;
    Append(path, length, TEXT("\\"));
    Append(path, length, iniFileName.Buffer());
    return true;
}

bool SettingsStore::IniWriteString(const WString& section, const WString& key, const WString& value) {
    WCHAR path[MAX_PATH];
    if (!Names(section, key) || !IniFilePath(path)) return false;
    return WritePrivateProfileStringW(section.Buffer(), key.Buffer(), value.Buffer(), path) != FALSE;
}

bool SettingsStore::IniWriteInt(const WString& section, const WString& key, int value) {
    return IniWriteString(section, key, WString(value));
}

bool SettingsStore::IniWriteStruct(const WString& section, const WString& key, const void* block, UINT size) {
    WCHAR path[MAX_PATH];
    if (!Names(section, key) || !IniFilePath(path)) return false;
    if (block == nullptr) return WritePrivateProfileStringW(section.Buffer(), key.Buffer(), nullptr, path) != FALSE;
    // The profile function does not change the block; its declaration just lacks the const.
    return WritePrivateProfileStructW(section.Buffer(), key.Buffer(), const_cast<void*>(block), size, path) != FALSE;
}

bool SettingsStore::IniReadString(const WString& section, const WString& key, WString& value) {
    WCHAR path[MAX_PATH];
    if (!Names(section, key) || !IniFilePath(path)) return false;
    // A count of size - 1 means the value was cut: grow and read again.
    for (DWORD size = kFirstReadBuffer;; size += kReadBufferGrowth) {
        std::unique_ptr<WCHAR[]> buffer(new (std::nothrow) WCHAR[size]);
        if (buffer == nullptr) return false;
        const DWORD count = GetPrivateProfileStringW(section.Buffer(), key.Buffer(), TEXT(""), buffer.get(), size, path);
        if (count == size - 1) continue;
        value = buffer.get();
        return count != 0;
    }
}

bool SettingsStore::IniReadStruct(const WString& section, const WString& key, void* block, UINT size) {
    WCHAR path[MAX_PATH];
    if (block == nullptr || !Names(section, key) || !IniFilePath(path)) return false;
    // The profile function may write into the block before it finds that the
    // stored data has another size, so it reads into a block of its own and
    // the caller's block changes only on success.
    std::unique_ptr<BYTE[]> scratch(new (std::nothrow) BYTE[size > 0 ? size : 1]);
    if (scratch == nullptr) return false;
    if (GetPrivateProfileStructW(section.Buffer(), key.Buffer(), scratch.get(), size, path) == FALSE) return false;
    BYTE* out = static_cast<BYTE*>(block);
    for (UINT i = 0; i < size; ++i) out[i] = scratch[i];
    return true;
}

bool SettingsStore::IniSectionExists(const WString& section) {
    WCHAR path[MAX_PATH];
    if (!section.IsSet() || !IniFilePath(path)) return false;
    WCHAR probe[kSectionProbeBuffer];
    return GetPrivateProfileSectionW(section.Buffer(), probe, kSectionProbeBuffer, path) != 0;
}

bool SettingsStore::IniDeleteSection(const WString& section) {
    WCHAR path[MAX_PATH];
    if (!section.IsSet() || !IniFilePath(path)) return false;
    return WritePrivateProfileSectionW(section.Buffer(), nullptr, path) != FALSE;
}
