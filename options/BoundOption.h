// The part every control-bound option kind shares: which control it is bound
// to, in which dialog, and the operations that do not depend on the kind of
// control. A kind adds how a value is shown (OnChanged), read back
// (ReadControl) and which commands it takes (HandleCommand).
#pragma once

#include "options/ControlBinding.h"

template <class Storage, typename T>
class BoundOption : public Storage, public ControlBinding {
public:
    int GetControlId() const override { return controlId; }
    void SetControlId(int id) override { controlId = id; }

    // Moving to another dialog, or detaching, forgets the control: its handle
    // belongs to the old dialog, and once that is gone the system may give
    // the same handle to any other window, which must never be written to.
    void SetDialog(HWND window) override {
        if (window != dialogWindow) controlWindow = nullptr;
        dialogWindow = window;
    }
    HWND GetDialog() const { return dialogWindow; }
    HWND GetControlWindow() const { return controlWindow; }
    void SetControlWindow(HWND control) { controlWindow = control; }

    // A dialog given earlier that still exists stays in use, so a binding
    // added for a page finds its control there even though the outer dialog
    // attaches the whole list.
    int Attach(HWND window) override {
        if (dialogWindow == nullptr || !IsWindow(dialogWindow)) dialogWindow = window;
        controlWindow = GetDlgItem(dialogWindow, controlId);
        if (controlWindow == nullptr) return 0;
        ShowCurrent();
        return 1;
    }

    int HandleNotify(HWND /*window*/, WPARAM /*wParam*/, NMHDR* header) override {
        if (header == nullptr || static_cast<int>(header->idFrom) != GetControlId()) return 0;
        this->Set(ReadControl());
        return 1;
    }

    int Refresh() override {
        this->OnChanged(this->current);
        return 1;
    }

    void Commit() override { Storage::Commit(); }
    void Revert() override { Storage::Revert(); }

    // The value the control shows; the type's empty value without a control.
    virtual T ReadControl() = 0;

protected:
    ~BoundOption() = default;

    virtual void ShowCurrent() { this->OnChanged(this->current); }

    // The control, as long as it is still the dialog's control of this
    // identifier; null otherwise. A handle left from a dialog that was
    // destroyed without detaching the binding is never used.
    HWND LiveControl() const {
        if (controlWindow == nullptr || dialogWindow == nullptr) return nullptr;
        return GetDlgItem(dialogWindow, controlId) == controlWindow ? controlWindow : nullptr;
    }

    int controlId = 0;
    HWND dialogWindow = nullptr;
    HWND controlWindow = nullptr;
};
