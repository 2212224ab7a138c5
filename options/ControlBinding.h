// What a dialog sees of an option bound to one of its controls: the binding
// shows the option's value in the control, takes the user's changes back at
// once, and keeps (Commit) or restores (Revert) the value from before the
// dialog. The operations keep this fixed order.
#pragma once

#include "Platform.h"

class ControlBinding {
public:
    virtual int GetControlId() const = 0;
    virtual void SetControlId(int id) = 0;
    // Null detaches the binding from its dialog.
    virtual void SetDialog(HWND window) = 0;
    // Finds the control and shows the value in it. The results of these four
    // are informational; no caller uses them.
    virtual int Attach(HWND window) = 0;
    virtual int HandleCommand(HWND window, WPARAM wParam, LPARAM lParam) = 0;
    virtual int HandleNotify(HWND window, WPARAM wParam, NMHDR* header) = 0;
    virtual int Refresh() = 0;
    virtual void Commit() = 0;
    // Restores the value from before the dialog without showing it.
    virtual void Revert() = 0;

protected:
    // Lists hold bindings without owning them.
    ~ControlBinding() = default;
};
