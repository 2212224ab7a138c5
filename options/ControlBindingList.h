// A dialog's bound options, in the order they were added; the list points to
// them and never owns them. The dialog attaches them all when it opens,
// hands them every WM_COMMAND and WM_NOTIFY, and the list keeps the new
// values on OK and restores the old ones on Cancel.
#pragma once

#include "options/ControlBinding.h"

#include <vector>

class ControlBindingList {
public:
    ControlBindingList() = default;
    ControlBindingList(const ControlBindingList&) = delete;
    ControlBindingList& operator=(const ControlBindingList&) = delete;
    ~ControlBindingList() = default;

    // Gives the binding its dialog (may be null: AttachAll supplies it) and
    // control; false when it was listed already or is null.
    bool Add(HWND window, ControlBinding* binding, int controlId);
    // Remembers each value (Commit) and shows it in its control.
    void AttachAll(HWND dialog);
    // IDCANCEL restores every value and detaches; IDOK moves the focus to
    // the OK button first, so an edit being typed in hands over its text,
    // then detaches. Any other command goes to every binding.
    void DispatchCommand(HWND dialog, WPARAM wParam, LPARAM lParam);
    void DispatchNotify(HWND dialog, WPARAM wParam, NMHDR* header);
    // Detaches every binding from its dialog and empties the list.
    bool Clear();

    int Count() const { return static_cast<int>(bindings.size()); }

private:
    std::vector<ControlBinding*> bindings;
};
