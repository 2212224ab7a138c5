#include "e2e/StoredSettings.h"

namespace {

std::wstring KeyPath(LPCWSTR section) {
    return std::wstring(L"Software\\Ostrelix\\Vintra\\") + section;
}

}  // namespace

void ForgetVintra() {
    SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Ostrelix\\Vintra");
    DeleteFileW(StartupShortcutPath().c_str());
}

std::optional<std::vector<BYTE>> StoredBytes(LPCWSTR section, LPCWSTR name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD size = 0;
    std::optional<std::vector<BYTE>> bytes;
    if (RegQueryValueExW(key, name, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<BYTE> data(size);
        if (RegQueryValueExW(key, name, nullptr, nullptr, data.data(), &size) == ERROR_SUCCESS) {
            data.resize(size);
            bytes = std::move(data);
        }
    }
    RegCloseKey(key);
    return bytes;
}

std::optional<std::wstring> StoredText(LPCWSTR section, LPCWSTR name) {
    const auto bytes = StoredBytes(section, name);
    if (!bytes) return std::nullopt;
    std::wstring text(bytes->size() / sizeof(WCHAR), L'\0');
    if (!text.empty()) CopyMemory(text.data(), bytes->data(), text.size() * sizeof(WCHAR));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

bool SectionExists(LPCWSTR section) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool CreateSection(LPCWSTR section) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool StoreText(LPCWSTR section, LPCWSTR name, LPCWSTR value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD bytes = static_cast<DWORD>((lstrlenW(value) + 1) * sizeof(WCHAR));
    const bool written =
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

std::wstring StartupShortcutPath() {
    WCHAR folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder))) return L"";
    return std::wstring(folder) + L"\\Vintra.lnk";
}

bool StartupShortcutExists() {
    const std::wstring path = StartupShortcutPath();
    return !path.empty() && PathFileExistsW(path.c_str());
}
