// The four kinds of control an option can be bound to: a two-state check box
// (bool), a three-state check box (int 0, 1, 2), a group of auto radio
// buttons (the index of the checked one) and an edit (text). The storage
// face is the template argument, so a stored and an unstored option of one
// kind share the binding.
#pragma once

#include "options/BoundOption.h"
#include "options/ButtonControls.h"
#include "options/EditControl.h"
#include "settings/WString.h"

// Any command from the box re-reads it, whatever its notification code.
template <class Storage, typename T>
int TakeCheckBoxCommand(BoundOption<Storage, T>& option, int controlId, WPARAM wParam) {
    if (LOWORD(wParam) != controlId) return 0;
    option.SetValue(option.ReadControl());
    return 1;
}

template <class Storage>
class BoundCheckBox : public BoundOption<Storage, bool> {
public:
    int HandleCommand(HWND /*window*/, WPARAM wParam, LPARAM /*lParam*/) override {
        return TakeCheckBoxCommand(*this, this->controlId, wParam);
    }
    // Shows `current`, which equals the new value after a change.
    void OnChanged(const bool& /*value*/) override {
        ShowCheckState(this->LiveControl(), this->current ? BST_CHECKED : BST_UNCHECKED);
    }
    bool ReadControl() override { return ReadCheckState(this->LiveControl()) != 0; }
};

template <class Storage>
class BoundTriState : public BoundOption<Storage, int> {
public:
    int HandleCommand(HWND /*window*/, WPARAM wParam, LPARAM /*lParam*/) override {
        return TakeCheckBoxCommand(*this, this->controlId, wParam);
    }
    // A value the box cannot show (another program wrote it into the store)
    // is shown indeterminate, which is how the program treats it, and is kept
    // until the user clicks the box.
    void OnChanged(const int& /*value*/) override {
        const int state = this->current >= BST_UNCHECKED && this->current <= BST_INDETERMINATE ? this->current
                                                                                               : BST_INDETERMINATE;
        ShowCheckState(this->LiveControl(), state);
    }
    int ReadControl() override { return ReadCheckState(this->LiveControl()); }
};

template <class Storage>
class BoundRadioGroup : public BoundOption<Storage, int> {
public:
    // The click is taken as the group shows it, directly: the buttons
    // already show it, so there is nothing to show again.
    int HandleCommand(HWND /*window*/, WPARAM wParam, LPARAM /*lParam*/) override {
        if (!IsClickInRadioGroup(this->dialogWindow, LOWORD(wParam), this->controlId)) return 0;
        this->current = ReadControl();
        return 1;
    }
    void OnChanged(const int& value) override { ShowRadioGroup(this->LiveControl(), value); }
    int ReadControl() override { return ReadRadioGroup(this->LiveControl()); }
};

template <class Storage>
class BoundEdit : public BoundOption<Storage, WString> {
public:
    // Typing changes the option when the edit loses the focus; a text the
    // program puts in while the edit has no focus is taken at once. The edit
    // is written back even when the text did not change.
    int HandleCommand(HWND /*window*/, WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) != this->controlId || !IsEditTextFinished(wParam, lParam)) return 0;
        this->Set(ReadControl());
        this->OnChanged(this->current);
        return 1;
    }
    // A null text changes nothing (the assignment keeps `current`), so the
    // edit shows `current` then rather than going blank under a value that
    // still holds its text.
    void OnChanged(const WString& value) override {
        ShowEditText(this->LiveControl(), value.IsSet() ? value : this->current);
    }
    WString ReadControl() override { return ReadEditText(this->LiveControl()); }
};
