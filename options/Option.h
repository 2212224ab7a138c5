// The storage face of a persistent option, what an OptionList holds: a key
// (the value name), and Load and Save of the value under a section of the
// settings store.
#pragma once

#include "settings/WString.h"

class SettingsStore;

class Option {
public:
    Option() = default;
    Option(const Option&) = delete;
    Option& operator=(const Option&) = delete;

    virtual WString& GetKey();
    // A null name keeps the key it had, as every string assignment does.
    virtual void SetKey(const WString& name);
    // Both report false and touch nothing when there is no store.
    virtual bool Load(SettingsStore* store, const WString& section) = 0;
    virtual bool Save(SettingsStore* store, const WString& section) = 0;

protected:
    // Lists refer to options without owning them, so an option is never
    // destroyed through this face.
    ~Option() = default;

    WString key;
};
