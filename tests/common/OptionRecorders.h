// Test doubles for the option suites: kinds that record every OnChanged call
// with what `current` held at that moment, and an option that records the
// list's calls in a shared journal.
#pragma once

#include "options/OptionKinds.h"
#include "settings/WString.h"

#include <string>
#include <vector>

inline std::u16string Text(const WString& s) {
    return s.Buffer() != nullptr ? std::u16string(reinterpret_cast<const char16_t*>(s.Buffer())) : u"<null>";
}

inline std::u16string Text(LPCWSTR s) {
    return s != nullptr ? std::u16string(reinterpret_cast<const char16_t*>(s)) : u"<null>";
}

// For messages and journals; the suites' keys and sections are ASCII.
inline std::string Narrow(const WString& s) {
    std::string out;
    for (char16_t unit : Text(s)) out += static_cast<char>(unit);
    return out;
}

template <typename T>
struct ChangeCall {
    T argument;
    T currentAtCall;
};

template <class Kind, typename T>
class RecordingOption : public Kind {
public:
    void OnChanged(const T& value) override { calls.push_back({value, this->current}); }
    // Puts a value straight into the cell, as a load or a revert would, so a
    // case can start from any state without a recorded change.
    void Place(const T& value) { this->current = value; }
    const T& Saved() const { return this->saved; }

    std::vector<ChangeCall<T>> calls;
};

using RecordingCheckBox = RecordingOption<CheckBoxOption, bool>;
using RecordingDefaultedCheckBox = RecordingOption<DefaultedCheckBoxOption, bool>;
using RecordingTriState = RecordingOption<TriStateOption, int>;
using RecordingRadioGroup = RecordingOption<RadioGroupOption, int>;
using RecordingEdit = RecordingOption<EditOption, WString>;

// Writes "<key> Load|Save <section>" per call, so a test sees order, key and
// section of every call the list makes.
class JournalOption : public Option {
public:
    JournalOption(std::vector<std::string>& journalLines, SettingsStore*& lastStoreSeen)
        : journal(journalLines), lastStore(lastStoreSeen) {}
    virtual ~JournalOption() = default;

    bool Load(SettingsStore* store, const WString& section) override { return Record("Load", store, section); }
    bool Save(SettingsStore* store, const WString& section) override { return Record("Save", store, section); }

private:
    bool Record(const char* what, SettingsStore* store, const WString& section) {
        lastStore = store;
        journal.push_back(Narrow(key) + " " + what + " " + Narrow(section));
        return false;
    }

    std::vector<std::string>& journal;
    SettingsStore*& lastStore;
};
