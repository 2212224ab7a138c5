// The registry half of the settings store. Every value is REG_SZ, whatever
// it holds, and reading never looks at the stored type: values that other
// programs wrote with another type are read as raw bytes.
#include "settings/SettingsStore.h"

#include <memory>
#include <new>

namespace {

// What follows a raw block handed to the system: one unit that is not zero.
constexpr UINT kGuardBytes = sizeof(WCHAR);
constexpr BYTE kGuardByte = 0xFF;

// A key of HKEY_CURRENT_USER held for one operation; closed on every way out.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key != nullptr) RegCloseKey(key);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Missing keys along the path are created.
    bool Create(const WString& path) {
        if (path.Buffer() == nullptr) return false;
        return RegCreateKeyExW(HKEY_CURRENT_USER, path.Buffer(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                               nullptr, &key, nullptr) == ERROR_SUCCESS;
    }
    bool Open(const WString& path) {
        if (path.Buffer() == nullptr) return false;
        return RegOpenKeyExW(HKEY_CURRENT_USER, path.Buffer(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    }
    HKEY get() const { return key; }

private:
    HKEY key = nullptr;
};

// Stores the bytes, or deletes the value when there are none. A value that
// is already missing counts as deleted.
bool SetOrDelete(const RegistryKey& key, const WString& name, const void* bytes, DWORD size) {
    if (bytes == nullptr) {
        const LSTATUS status = RegDeleteValueW(key.get(), name.Buffer());
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    return RegSetValueExW(key.get(), name.Buffer(), 0, REG_SZ, static_cast<const BYTE*>(bytes), size) == ERROR_SUCCESS;
}

}  // namespace

bool SettingsStore::RegistryWriteString(const WString& path, const WString& name, const WString& value) {
    RegistryKey key;
    if (!key.Create(path)) return false;
    const DWORD size = static_cast<DWORD>((value.Length() + 1) * sizeof(WCHAR));
    return SetOrDelete(key, name, value.Buffer(), size);
}

bool SettingsStore::RegistryWriteInt(const WString& path, const WString& name, int value) {
    return RegistryWriteString(path, name, WString(value));
}

bool SettingsStore::RegistryWriteStruct(const WString& path, const WString& name, const void* block, UINT size) {
    RegistryKey key;
    if (!key.Create(path)) return false;
    if (block == nullptr) return SetOrDelete(key, name, nullptr, 0);
    // A string-typed value whose last unit is not zero gets the unit after
    // the data appended by the system when that unit is zero: the system reads
    // past the block it was given, and the stored size then depends on
    // whatever follows the caller's block. The bytes go from a copy followed
    // by a unit that is never zero, so exactly the block is stored, always,
    // and builds that read it with its exact size keep reading it.
    std::unique_ptr<BYTE[]> copy(new (std::nothrow) BYTE[std::size_t{size} + kGuardBytes]);
    if (copy == nullptr) return false;
    const BYTE* bytes = static_cast<const BYTE*>(block);
    for (UINT i = 0; i < size; ++i) copy[i] = bytes[i];
    for (UINT i = 0; i < kGuardBytes; ++i) copy[size + i] = kGuardByte;
    return SetOrDelete(key, name, copy.get(), size);
}

bool SettingsStore::RegistryReadString(const WString& path, const WString& name, WString& value) {
    RegistryKey key;
    if (!key.Open(path)) return false;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), name.Buffer(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS || size == 0)
        return false;
    // Zeroed, whole code units and at least one spare unit: the text ends
    // even when the stored bytes are odd in number or carry no terminator.
    const DWORD units = size / sizeof(WCHAR) + 2;
    std::unique_ptr<WCHAR[]> buffer(new (std::nothrow) WCHAR[units]());
    if (buffer == nullptr) return false;
    DWORD received = size;
    if (RegQueryValueExW(key.get(), name.Buffer(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.get()),
                         &received) != ERROR_SUCCESS) {
        value = TEXT("");
        return false;
    }
    value = buffer.get();
    return true;
}

bool SettingsStore::RegistryReadStruct(const WString& path, const WString& name, void* block, UINT size) {
    RegistryKey key;
    if (!key.Open(path)) return false;
    if (block == nullptr) return true;
    // The platform leaves a buffer that is too small undefined, so the size
    // is checked first and such a block is never handed over.
    DWORD stored = 0;
    if (RegQueryValueExW(key.get(), name.Buffer(), nullptr, nullptr, nullptr, &stored) != ERROR_SUCCESS) return false;
    if (stored <= size) {
        DWORD received = stored;
        return RegQueryValueExW(key.get(), name.Buffer(), nullptr, nullptr, static_cast<BYTE*>(block), &received) ==
               ERROR_SUCCESS;
    }
    // Earlier builds handed the block over as it was, and the system may then
    // have stored one zero unit more (see RegistryWriteStruct): such a value
    // is the block and is read as it.
    if (stored != size + sizeof(WCHAR)) return false;
    std::unique_ptr<BYTE[]> scratch(new (std::nothrow) BYTE[stored]);
    if (scratch == nullptr) return false;
    DWORD received = stored;
    if (RegQueryValueExW(key.get(), name.Buffer(), nullptr, nullptr, scratch.get(), &received) != ERROR_SUCCESS ||
        received != stored || scratch[size] != 0 || scratch[size + 1] != 0)
        return false;
    BYTE* out = static_cast<BYTE*>(block);
    for (UINT i = 0; i < size; ++i) out[i] = scratch[i];
    return true;
}

bool SettingsStore::RegistryKeyExists(const WString& path) {
    RegistryKey key;
    return key.Open(path);
}

namespace {

// True when the path names a key at least two levels deep ("Software\Firm"):
// the top-level keys of the hive ("Software", "Environment", ...) hold every
// program's settings and are never this program's to delete.
bool IsBelowTopLevel(LPCWSTR path) {
    int names = 0;
    bool inName = false;
    for (LPCWSTR c = path; *c != 0; ++c) {
        if (*c == TEXT('\\')) {
            inName = false;
        } else if (!inName) {
            inName = true;
            ++names;
        }
    }
    return names >= 2;
}

}  // namespace

bool SettingsStore::RegistryDeleteTree(const WString& path) {
    if (path.Buffer() == nullptr || !IsBelowTopLevel(path.Buffer())) return false;
    return SHDeleteKeyW(HKEY_CURRENT_USER, path.Buffer()) == ERROR_SUCCESS;
}
