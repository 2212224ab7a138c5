// Bool and int options live in the store as the decimal text made with "%d".
// A missing value keeps what the option holds, so the owner's initial value
// acts as the default; a text that is not a number reads as 0 (false).
#pragma once

#include "settings/WString.h"

class SettingsStore;

// Both read only the option's own key; a failed read changes nothing and is
// not an error (the result is still true). False only without a store.
bool LoadStoredNumber(SettingsStore* store, const WString& section, const WString& key, int& value);
bool LoadStoredNumber(SettingsStore* store, const WString& section, const WString& key, bool& value);

// Writes the value as decimal text (a bool as 0 or 1); the store's result.
bool SaveStoredNumber(SettingsStore* store, const WString& section, const WString& key, int value);
// Removes the stored value, so a later load keeps the owner's initial value.
bool DeleteStoredValue(SettingsStore* store, const WString& section, const WString& key);
