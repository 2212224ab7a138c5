#include "settings/OptionList.h"

#include "options/Option.h"

#include <algorithm>

OptionList::OptionList(SettingsStore* settingsStore) : store(settingsStore) {}

OptionList::~OptionList() = default;

bool OptionList::Add(Option* option, const WString& key) {
    if (option == nullptr) return false;
    option->SetKey(key);
    if (std::find(options.begin(), options.end(), option) != options.end()) return false;
    options.push_back(option);
    return true;
}

bool OptionList::Clear() {
    options.clear();
    return true;
}

void OptionList::LoadAll(const WString& section) {
    for (Option* option : options) option->Load(store, section);
}

void OptionList::SaveAll(const WString& section) {
    for (Option* option : options) option->Save(store, section);
}
