// The program's settings store: a section and a key name a value under the
// store's root, with placeholders expanded, kept in the current user's
// registry or in an INI file. The backend is chosen once, at construction.
#pragma once

#include "settings/WString.h"

#include <vector>

class SettingsStore {
public:
    explicit SettingsStore(bool useRegistry);
    virtual ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    bool UsesRegistry() const;
    // Both setters assign: a null argument leaves the current value.
    void SetRoot(const WString& root);
    const WString& GetRoot() const;
    void SetIniFileName(const WString& fileName);
    const WString& GetIniFileName() const;
    // The firm's and the application's names, which name the INI file's two
    // folders. The store keeps copies: the names' owner may go first.
    void SetProgramNames(const WString& firm, const WString& app);

    // Replaces a placeholder of the same name and moves it to the end.
    bool AddPlaceholder(const WString& name, const WString& value);
    bool RemovePlaceholder(const WString& name);
    // Applies the placeholders in list order; a later one also sees the text
    // that an earlier one put in.
    WString ExpandPath(const WString& path) const;

    // Every operation on a value needs its key: a null or empty key, which
    // the registry takes for the key's default value, is refused.
    // A null value (or block) deletes the stored value.
    bool WriteString(const WString& section, const WString& key, const WString& value);
    bool WriteInt(const WString& section, const WString& key, int value);
    bool WriteStruct(const WString& section, const WString& key, const void* block, UINT size);
    // On failure the output keeps its value with the registry and becomes
    // the empty text with an INI file.
    bool ReadString(const WString& section, const WString& key, WString& value);
    bool ReadStruct(const WString& section, const WString& key, void* block, UINT size);
    // Refuses a section that does not name a key of its own (see
    // IsDeletablePath), so a deletion never reaches the hive's root.
    bool DeleteSection(const WString& section);
    bool SectionExists(const WString& section);

private:
    // A name and its replacement. The list closes gaps by moving later pairs
    // down, so a pair moves exactly (a null value stays null) instead of
    // going through WString assignment, which would keep the old slot's text.
    struct Placeholder {
        WString name;
        WString value;

        Placeholder(const WString& n, const WString& v) : name(n), value(v) {}
        Placeholder(const Placeholder&) = delete;
        Placeholder& operator=(const Placeholder&) = delete;
        Placeholder(Placeholder&& other) noexcept = default;
        Placeholder& operator=(Placeholder&& other) noexcept {
            swap(name, other.name);
            swap(value, other.value);
            return *this;
        }
        ~Placeholder() = default;
    };

    // One backend's operations, in the order of the store's operations. Each
    // takes the composed path: a registry key, or an INI section name.
    struct Backend {
        bool (SettingsStore::*writeString)(const WString& path, const WString& key, const WString& value);
        bool (SettingsStore::*writeInt)(const WString& path, const WString& key, int value);
        bool (SettingsStore::*writeStruct)(const WString& path, const WString& key, const void* block, UINT size);
        bool (SettingsStore::*readString)(const WString& path, const WString& key, WString& value);
        bool (SettingsStore::*readStruct)(const WString& path, const WString& key, void* block, UINT size);
        bool (SettingsStore::*deleteSection)(const WString& path);
        bool (SettingsStore::*sectionExists)(const WString& path);
    };
    static const Backend registryBackend;
    static const Backend iniBackend;
    const Backend& Chosen() const { return useRegistry ? registryBackend : iniBackend; }

    WString ComposePath(const WString& section) const;
    static bool IsDeletablePath(const WString& path);
    static bool NamesAValue(const WString& key);

    // Registry backend (RegistryBackend.cpp): keys below HKEY_CURRENT_USER,
    // every value REG_SZ, a key opened and closed within each operation.
    bool RegistryWriteString(const WString& path, const WString& name, const WString& value);
    bool RegistryWriteInt(const WString& path, const WString& name, int value);
    bool RegistryWriteStruct(const WString& path, const WString& name, const void* block, UINT size);
    bool RegistryReadString(const WString& path, const WString& name, WString& value);
    bool RegistryReadStruct(const WString& path, const WString& name, void* block, UINT size);
    bool RegistryKeyExists(const WString& path);
    bool RegistryDeleteTree(const WString& path);

    // INI backend (IniBackend.cpp): one file in the firm's and the
    // application's folders under the user's application data.
    bool IniFilePath(WCHAR (&path)[MAX_PATH]) const;
    bool IniWriteString(const WString& section, const WString& key, const WString& value);
    bool IniWriteInt(const WString& section, const WString& key, int value);
    bool IniWriteStruct(const WString& section, const WString& key, const void* block, UINT size);
    bool IniReadString(const WString& section, const WString& key, WString& value);
    bool IniReadStruct(const WString& section, const WString& key, void* block, UINT size);
    bool IniSectionExists(const WString& section);
    bool IniDeleteSection(const WString& section);

    bool useRegistry;
    WString root;
    WString iniFileName;
    WString firmName;
    WString appName;
    std::vector<Placeholder> placeholders;
};
