// A bool or int option over one cell that loads and saves itself under its
// key. Load stores straight into `current`: reading the settings is not a
// user's change, so there is no change test, no OnChanged, and `saved` keeps
// what it had.
#pragma once

#include "options/DefaultedOption.h"
#include "options/OptionValue.h"
#include "options/StoredNumber.h"

#include <type_traits>

template <typename T>
concept StoredAsNumber = std::is_same_v<T, bool> || std::is_same_v<T, int>;

template <StoredAsNumber T>
class StoredOption : public OptionValue<T>, public Option {
public:
    bool Load(SettingsStore* store, const WString& section) override {
        return LoadStoredNumber(store, section, key, this->current);
    }
    bool Save(SettingsStore* store, const WString& section) override {
        return SaveStoredNumber(store, section, key, static_cast<int>(this->current));
    }
};

template <StoredAsNumber T>
class DefaultedStoredOption : public OptionValue<T>, public DefaultedOption<T> {
public:
    bool Load(SettingsStore* store, const WString& section) override {
        return LoadStoredNumber(store, section, this->key, this->current);
    }
    // Holding the default removes a value saved earlier, so the owner's
    // initial value (the default) is what the next start loads.
    bool Save(SettingsStore* store, const WString& section) override {
        if (this->HoldsDefault(this->current)) return DeleteStoredValue(store, section, this->key);
        return SaveStoredNumber(store, section, this->key, static_cast<int>(this->current));
    }
};
