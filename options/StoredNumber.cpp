#include "options/StoredNumber.h"

#include "settings/SettingsStore.h"

namespace {

// The text starts out empty, not null, so a backend that fills it in place
// gets a real buffer to replace.
bool ReadStoredText(SettingsStore& store, const WString& section, const WString& key, WString& text) {
    text = TEXT("");
    return store.ReadString(section, key, text);
}

}  // namespace

bool LoadStoredNumber(SettingsStore* store, const WString& section, const WString& key, int& value) {
    if (store == nullptr) return false;
    WString text;
    if (ReadStoredText(*store, section, key, text)) value = text.ToInt();
    return true;
}

bool LoadStoredNumber(SettingsStore* store, const WString& section, const WString& key, bool& value) {
    if (store == nullptr) return false;
    WString text;
    if (ReadStoredText(*store, section, key, text)) value = text.ToBool();
    return true;
}

bool SaveStoredNumber(SettingsStore* store, const WString& section, const WString& key, int value) {
    if (store == nullptr) return false;
    return store->WriteInt(section, key, value);
}

bool DeleteStoredValue(SettingsStore* store, const WString& section, const WString& key) {
    if (store == nullptr) return false;
    return store->WriteString(section, key, WString());
}
