// A group of options loaded and saved together under one section. The list
// only refers to the options: they are members of their owner, outlive the
// list's use and are never destroyed by it.
#pragma once

#include "settings/WString.h"

#include <vector>

class Option;
class SettingsStore;

class OptionList {
public:
    // The store need not be set up yet; only LoadAll and SaveAll use it.
    explicit OptionList(SettingsStore* store);
    virtual ~OptionList();

    OptionList(const OptionList&) = delete;
    OptionList& operator=(const OptionList&) = delete;

    // Gives the option its key, even when it is listed already, and appends
    // it unless it is; true when appended. A null option is refused.
    bool Add(Option* option, const WString& key);
    // Forgets every entry; the options keep their keys and values.
    bool Clear();
    // In order of registration; the options' own results are not reported.
    void LoadAll(const WString& section);
    void SaveAll(const WString& section);

private:
    SettingsStore* store;
    std::vector<Option*> options;
};
