// The program's settings store: a section and a key name a value under the
// store's root, with placeholders expanded, kept in the current user's
// registry or in an INI file. The backend is chosen once, at construction.
#pragma once

#include "settings/WString.h"

#include <utility>
#include <vector>

class SettingsStore {
public:
    explicit SettingsStore(bool useRegistry);
    virtual ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    bool UsesRegistry() const;
    void SetRoot(const WString& root);
    const WString& GetRoot() const;
    void SetIniFileName(const WString& fileName);
    const WString& GetIniFileName() const;

    bool AddPlaceholder(const WString& name, const WString& value);
    bool RemovePlaceholder(const WString& name);
    WString ExpandPath(const WString& path) const;

    bool WriteString(const WString& section, const WString& key, const WString& value);
    bool WriteInt(const WString& section, const WString& key, int value);
    bool WriteStruct(const WString& section, const WString& key, const void* block, UINT size);
    bool ReadString(const WString& section, const WString& key, WString& value);
    bool ReadStruct(const WString& section, const WString& key, void* block, UINT size);
    bool DeleteSection(const WString& section);
    bool SectionExists(const WString& section);

private:
    using Placeholder = std::pair<WString, WString>;

    WString ComposePath(const WString& section) const;

    bool useRegistry;
    WString root;
    WString iniFileName;
    std::vector<Placeholder> placeholders;
};
