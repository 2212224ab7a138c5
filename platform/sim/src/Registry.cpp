// advapi32 and shlwapi: the current user's registry hive as a tree of keys
// with typed values. Names of keys and values compare without regard to
// case and keep the spelling they were created with. Only HKEY_CURRENT_USER
// exists; other predefined roots give ERROR_INVALID_HANDLE. Security,
// volatile keys and registry redirection are not simulated: the program
// cannot observe them.
#include "State.h"
#include "StorageState.h"

#include <cstdio>
#include <map>
#include <memory>

namespace simdesk::detail {

namespace {

struct RegValue {
    std::u16string name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

struct RegKey {
    std::u16string name;
    std::map<std::u16string, std::shared_ptr<RegKey>> subKeys;  // by folded name
    std::map<std::u16string, RegValue> values;                  // by folded name
    bool deleted = false;
};

struct OpenKey {
    std::shared_ptr<RegKey> key;
    REGSAM access = 0;
};

struct Registry {
    std::shared_ptr<RegKey> currentUser = std::make_shared<RegKey>();
    std::map<std::uintptr_t, OpenKey> handles;
    std::uintptr_t nextHandle = 0x1000;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

void MarkDeleted(RegKey& key) {
    key.deleted = true;
    for (auto& [name, sub] : key.subKeys) MarkDeleted(*sub);
}

const bool registered = [] {
    OnReset([] {
        Registry& registry = TheRegistry();
        // A new run of the program starts without handles; the hive stays.
        registry.handles.clear();
        if (!KeepingStorage()) {
            MarkDeleted(*registry.currentUser);
            registry.currentUser = std::make_shared<RegKey>();
        }
    });
    return true;
}();

LSTATUS Lookup(HKEY handle, OpenKey& found) {
    if (handle == HKEY_CURRENT_USER) {
        found = {TheRegistry().currentUser, KEY_ALL_ACCESS};
        return ERROR_SUCCESS;
    }
    auto it = TheRegistry().handles.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == TheRegistry().handles.end()) return ERROR_INVALID_HANDLE;
    if (it->second.key->deleted) return ERROR_KEY_DELETED;
    found = it->second;
    return ERROR_SUCCESS;
}

// A sub-key path as the registry reads it: names separated by backslashes,
// repeated or trailing separators ignored; a leading one is refused.
LSTATUS SplitPath(LPCWSTR subKey, std::vector<std::u16string>& names) {
    names.clear();
    if (subKey == nullptr) return ERROR_SUCCESS;
    if (subKey[0] == u'\\') return ERROR_BAD_PATHNAME;
    std::u16string name;
    for (LPCWSTR c = subKey;; ++c) {
        if (*c == u'\\' || *c == 0) {
            if (!name.empty()) names.push_back(name);
            name.clear();
            if (*c == 0) break;
        } else {
            name.push_back(*c);
        }
    }
    return ERROR_SUCCESS;
}

std::shared_ptr<RegKey> Walk(const std::shared_ptr<RegKey>& from, const std::vector<std::u16string>& names, bool create,
                             bool& created) {
    created = false;
    std::shared_ptr<RegKey> key = from;
    for (const std::u16string& name : names) {
        auto it = key->subKeys.find(FoldCase(name));
        if (it == key->subKeys.end()) {
            if (!create) return nullptr;
            auto fresh = std::make_shared<RegKey>();
            fresh->name = name;
            it = key->subKeys.emplace(FoldCase(name), fresh).first;
            created = true;
        }
        key = it->second;
    }
    return key;
}

HKEY NewHandle(const std::shared_ptr<RegKey>& key, REGSAM access) {
    Registry& registry = TheRegistry();
    const std::uintptr_t value = registry.nextHandle;
    registry.nextHandle += 4;
    registry.handles[value] = {key, access};
    return reinterpret_cast<HKEY>(value);
}

std::u16string ValueKey(LPCWSTR valueName) {
    return FoldCase(valueName != nullptr ? std::u16string(valueName) : std::u16string());
}

std::shared_ptr<RegKey> FindKey(const std::u16string& path) {
    std::vector<std::u16string> names;
    bool created = false;
    if (SplitPath(path.c_str(), names) != ERROR_SUCCESS) return nullptr;
    return Walk(TheRegistry().currentUser, names, false, created);
}

void Dump(const RegKey& key, const std::u16string& path, std::string& out) {
    if (!path.empty()) {
        out += ToUtf8(path) + "\n";
        for (const auto& [folded, value] : key.values) {
            out += "  " + ToUtf8(value.name) + " = ";
            if (value.type == REG_SZ) {
                std::u16string text;
                for (std::size_t i = 0; i + 1 < value.data.size(); i += 2)
                    text.push_back(static_cast<char16_t>(value.data[i] | (value.data[i + 1] << 8)));
                if (!text.empty() && text.back() == 0) text.pop_back();
                out += "REG_SZ \"" + ToUtf8(text) + "\"";
                if (value.data.size() % 2 != 0) out += " (odd byte count)";
            } else {
                char head[32];
                std::snprintf(head, sizeof(head), "type %u", static_cast<unsigned>(value.type));
                out += head;
                for (BYTE b : value.data) {
                    char hex[4];
                    std::snprintf(hex, sizeof(hex), " %02X", b);
                    out += hex;
                }
            }
            out += "\n";
        }
    }
    for (const auto& [folded, sub] : key.subKeys) Dump(*sub, path.empty() ? sub->name : path + u"\\" + sub->name, out);
}

}  // namespace

}  // namespace simdesk::detail

using namespace simdesk::detail;

LSTATUS WINAPI RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD /*reserved*/, LPWSTR /*keyClass*/, DWORD /*options*/,
                               REGSAM desired, const SECURITY_ATTRIBUTES* /*security*/, PHKEY result,
                               LPDWORD disposition) {
    if (result == nullptr || subKey == nullptr) return ERROR_INVALID_PARAMETER;
    OpenKey parent;
    if (LSTATUS status = Lookup(key, parent); status != ERROR_SUCCESS) return status;
    std::vector<std::u16string> names;
    if (LSTATUS status = SplitPath(subKey, names); status != ERROR_SUCCESS) return status;
    bool created = false;
    if (!names.empty() && !(parent.access & KEY_CREATE_SUB_KEY)) {
        std::shared_ptr<RegKey> existing = Walk(parent.key, names, false, created);
        if (existing == nullptr) return ERROR_ACCESS_DENIED;
    }
    std::shared_ptr<RegKey> target = Walk(parent.key, names, true, created);
    *result = NewHandle(target, desired);
    if (disposition != nullptr) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD /*options*/, REGSAM desired, PHKEY result) {
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    OpenKey parent;
    if (LSTATUS status = Lookup(key, parent); status != ERROR_SUCCESS) return status;
    std::vector<std::u16string> names;
    if (LSTATUS status = SplitPath(subKey, names); status != ERROR_SUCCESS) return status;
    bool created = false;
    std::shared_ptr<RegKey> target = Walk(parent.key, names, false, created);
    if (target == nullptr) return ERROR_FILE_NOT_FOUND;
    *result = NewHandle(target, desired);
    return ERROR_SUCCESS;
}

namespace {

bool IsStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// The platform's allowance for a caller that left out a string's terminator:
// when the last whole unit of a string-typed value is not zero and the unit
// right after it is, that unit is stored too. The unit after lies past the
// caller's count, and, like the platform, this reads it: a caller whose
// block ends there lets the system read past its block, which the sanitizers
// of the simulated build report.
DWORD StoredSize(DWORD type, const BYTE* data, DWORD size) {
    if (!IsStringType(type) || size < sizeof(WCHAR)) return size;
    const DWORD last = (size / sizeof(WCHAR) - 1) * sizeof(WCHAR);
    const bool lastIsZero = data[last] == 0 && data[last + 1] == 0;
    if (lastIsZero) return size;
    const bool nextIsZero = data[last + 2] == 0 && data[last + 3] == 0;
    return nextIsZero ? size + static_cast<DWORD>(sizeof(WCHAR)) : size;
}

}  // namespace

LSTATUS WINAPI RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD /*reserved*/, DWORD type, const BYTE* data,
                              DWORD size) {
    OpenKey open;
    if (LSTATUS status = Lookup(key, open); status != ERROR_SUCCESS) return status;
    if (!(open.access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    if (data == nullptr && size != 0) return ERROR_NOACCESS;
    RegValue value;
    value.name = valueName != nullptr ? valueName : u"";
    value.type = type;
    if (data != nullptr) value.data.assign(data, data + StoredSize(type, data, size));
    open.key->values[ValueKey(valueName)] = std::move(value);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                LPDWORD size) {
    if (reserved != nullptr || (data != nullptr && size == nullptr)) return ERROR_INVALID_PARAMETER;
    OpenKey open;
    if (LSTATUS status = Lookup(key, open); status != ERROR_SUCCESS) return status;
    if (!(open.access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
    auto it = open.key->values.find(ValueKey(valueName));
    if (it == open.key->values.end()) return ERROR_FILE_NOT_FOUND;
    const RegValue& value = it->second;
    const DWORD stored = static_cast<DWORD>(value.data.size());
    if (type != nullptr) *type = value.type;
    if (data == nullptr) {
        if (size != nullptr) *size = stored;
        return ERROR_SUCCESS;
    }
    const DWORD room = *size;
    *size = stored;
    if (stored > room) {
        // The platform leaves the buffer's contents undefined here; writing
        // the part that fits makes a caller that relies on it fail visibly.
        for (DWORD i = 0; i < room; ++i) data[i] = value.data[i];
        return ERROR_MORE_DATA;
    }
    for (DWORD i = 0; i < stored; ++i) data[i] = value.data[i];
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegDeleteValueW(HKEY key, LPCWSTR valueName) {
    OpenKey open;
    if (LSTATUS status = Lookup(key, open); status != ERROR_SUCCESS) return status;
    if (!(open.access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    return open.key->values.erase(ValueKey(valueName)) != 0 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LSTATUS WINAPI RegCloseKey(HKEY key) {
    if (key == HKEY_CURRENT_USER) return ERROR_SUCCESS;
    return TheRegistry().handles.erase(reinterpret_cast<std::uintptr_t>(key)) != 0 ? ERROR_SUCCESS
                                                                                     : ERROR_INVALID_HANDLE;
}

// An empty or null sub-key empties the given key itself (its sub-keys and
// values go, the key stays) and reports success, as the shell does.
LSTATUS WINAPI SHDeleteKeyW(HKEY key, LPCWSTR subKey) {
    OpenKey parent;
    if (LSTATUS status = Lookup(key, parent); status != ERROR_SUCCESS) return status;
    std::vector<std::u16string> names;
    if (LSTATUS status = SplitPath(subKey, names); status != ERROR_SUCCESS) return status;
    if (names.empty()) {
        for (auto& [name, sub] : parent.key->subKeys) MarkDeleted(*sub);
        parent.key->subKeys.clear();
        parent.key->values.clear();
        return ERROR_SUCCESS;
    }
    const std::u16string last = names.back();
    names.pop_back();
    bool created = false;
    std::shared_ptr<RegKey> owner = Walk(parent.key, names, false, created);
    if (owner == nullptr) return ERROR_FILE_NOT_FOUND;
    auto it = owner->subKeys.find(FoldCase(last));
    if (it == owner->subKeys.end()) return ERROR_FILE_NOT_FOUND;
    MarkDeleted(*it->second);
    owner->subKeys.erase(it);
    return ERROR_SUCCESS;
}

namespace simdesk {

void SetRegistryValue(const std::u16string& keyPath, const std::u16string& name, DWORD type,
                      const std::vector<BYTE>& data) {
    std::vector<std::u16string> names;
    bool created = false;
    if (SplitPath(keyPath.c_str(), names) != ERROR_SUCCESS) return;
    std::shared_ptr<RegKey> key = Walk(TheRegistry().currentUser, names, true, created);
    key->values[FoldCase(name)] = RegValue{name, type, data};
}

void SetRegistryText(const std::u16string& keyPath, const std::u16string& name, const std::u16string& text) {
    std::vector<BYTE> data;
    for (char16_t c : text) {
        data.push_back(static_cast<BYTE>(c & 0xFF));
        data.push_back(static_cast<BYTE>(c >> 8));
    }
    data.push_back(0);
    data.push_back(0);
    SetRegistryValue(keyPath, name, REG_SZ, data);
}

bool RegistryKeyExists(const std::u16string& keyPath) {
    return FindKey(keyPath) != nullptr;
}

bool GetRegistryValue(const std::u16string& keyPath, const std::u16string& name, DWORD& type,
                      std::vector<BYTE>& data) {
    std::shared_ptr<RegKey> key = FindKey(keyPath);
    if (key == nullptr) return false;
    auto it = key->values.find(FoldCase(name));
    if (it == key->values.end()) return false;
    type = it->second.type;
    data = it->second.data;
    return true;
}

std::string DumpRegistry() {
    std::string out;
    Dump(*TheRegistry().currentUser, u"", out);
    return out;
}

int OpenRegistryKeyCount() {
    return static_cast<int>(TheRegistry().handles.size());
}

}  // namespace simdesk
