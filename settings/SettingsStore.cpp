#include "settings/SettingsStore.h"

const SettingsStore::Backend SettingsStore::registryBackend = {
    &SettingsStore::RegistryWriteString, &SettingsStore::RegistryWriteInt,   &SettingsStore::RegistryWriteStruct,
    &SettingsStore::RegistryReadString,  &SettingsStore::RegistryReadStruct, &SettingsStore::RegistryDeleteTree,
    &SettingsStore::RegistryKeyExists,
};

const SettingsStore::Backend SettingsStore::iniBackend = {
    &SettingsStore::IniWriteString, &SettingsStore::IniWriteInt,   &SettingsStore::IniWriteStruct,
    &SettingsStore::IniReadString,  &SettingsStore::IniReadStruct, &SettingsStore::IniDeleteSection,
    &SettingsStore::IniSectionExists,
};

SettingsStore::SettingsStore(bool useRegistryBackend) : useRegistry(useRegistryBackend) {}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::UsesRegistry() const {
    return useRegistry;
}

void SettingsStore::SetRoot(const WString& newRoot) {
    root = newRoot;
}

const WString& SettingsStore::GetRoot() const {
    return root;
}

void SettingsStore::SetIniFileName(const WString& fileName) {
    iniFileName = fileName;
}

const WString& SettingsStore::GetIniFileName() const {
    return iniFileName;
}

void SettingsStore::SetProgramNames(const WString& firm, const WString& app) {
    // Exact copies: a null name must not keep an earlier one.
    WString firmCopy(firm);
    WString appCopy(app);
    swap(firmName, firmCopy);
    swap(appName, appCopy);
}

bool SettingsStore::AddPlaceholder(const WString& name, const WString& value) {
    RemovePlaceholder(name);
    placeholders.emplace_back(name, value);
    return true;
}

bool SettingsStore::RemovePlaceholder(const WString& name) {
    for (auto it = placeholders.begin(); it != placeholders.end(); ++it) {
        if (it->name == name) {
            placeholders.erase(it);
            return true;
        }
    }
    return false;
}

WString SettingsStore::ExpandPath(const WString& path) const {
    WCHAR* text = HeapTextCopy(path.Buffer());
    if (text == nullptr) return WString();
    for (const Placeholder& pair : placeholders) ReplaceAll(&text, pair.name.Buffer(), pair.value.Buffer());
    WString expanded(text);
    HeapTextFree(text);
    return expanded;
}

WString SettingsStore::ComposePath(const WString& section) const {
    return ExpandPath(root + section);
}

// A deletable path names at least one key of its own. An empty path, one
// that starts with a backslash or one made of separators only would address
// the hive itself, and SHDeleteKeyW then empties the whole hive; "." and
// ".." are refused as well, so no reading of the path can climb above the
// root the store was given.
bool SettingsStore::IsDeletablePath(const WString& path) {
    LPCWSTR text = path.Buffer();
    if (text == nullptr || text[0] == 0 || text[0] == TEXT('\\') || text[0] == TEXT('/')) return false;
    bool namesAKey = false;
    int nameStart = 0;
    for (int i = 0;; ++i) {
        if (text[i] == TEXT('\\') || text[i] == 0) {
            const int nameLength = i - nameStart;
            const bool dots = (nameLength == 1 && text[nameStart] == TEXT('.')) ||
                              (nameLength == 2 && text[nameStart] == TEXT('.') && text[nameStart + 1] == TEXT('.'));
            if (dots) return false;
            if (nameLength > 0) namesAKey = true;
            if (text[i] == 0) break;
            nameStart = i + 1;
        }
    }
    return namesAKey;
}

bool SettingsStore::NamesAValue(const WString& key) {
    return key.IsSet() && key.Length() > 0;
}

bool SettingsStore::WriteString(const WString& section, const WString& key, const WString& value) {
    if (!NamesAValue(key)) return false;
    return (this->*Chosen().writeString)(ComposePath(section), key, value);
}

bool SettingsStore::WriteInt(const WString& section, const WString& key, int value) {
    if (!NamesAValue(key)) return false;
    return (this->*Chosen().writeInt)(ComposePath(section), key, value);
}

bool SettingsStore::WriteStruct(const WString& section, const WString& key, const void* block, UINT size) {
    if (!NamesAValue(key)) return false;
    return (this->*Chosen().writeStruct)(ComposePath(section), key, block, size);
}

bool SettingsStore::ReadString(const WString& section, const WString& key, WString& value) {
    if (!NamesAValue(key)) return false;
    return (this->*Chosen().readString)(ComposePath(section), key, value);
}

bool SettingsStore::ReadStruct(const WString& section, const WString& key, void* block, UINT size) {
    if (!NamesAValue(key)) return false;
    return (this->*Chosen().readStruct)(ComposePath(section), key, block, size);
}

bool SettingsStore::DeleteSection(const WString& section) {
    const WString path = ComposePath(section);
    if (!IsDeletablePath(path)) return false;
    return (this->*Chosen().deleteSection)(path);
}

bool SettingsStore::SectionExists(const WString& section) {
    return (this->*Chosen().sectionExists)(ComposePath(section));
}
