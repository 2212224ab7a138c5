#include "options/ControlBindingList.h"

#include <algorithm>

bool ControlBindingList::Add(HWND window, ControlBinding* binding, int controlId) {
    if (binding == nullptr) return false;
    binding->SetDialog(window);
    binding->SetControlId(controlId);
    if (std::find(bindings.begin(), bindings.end(), binding) != bindings.end()) return false;
    bindings.push_back(binding);
    return true;
}

void ControlBindingList::AttachAll(HWND dialog) {
    // Showing a value may send notifications back into the list (an edit's
    // EN_UPDATE), so each pass walks a copy.
    const std::vector<ControlBinding*> listed = bindings;
    for (ControlBinding* binding : listed) {
        binding->Commit();
        binding->Attach(dialog);
    }
}

void ControlBindingList::DispatchCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDCANCEL) {
        for (ControlBinding* binding : bindings) binding->Revert();
        Clear();
        return;
    }
    if (LOWORD(wParam) == IDOK) {
        // The focus change makes a focused edit send EN_KILLFOCUS, which
        // comes back here while its binding is still listed.
        SetFocus(GetDlgItem(dialog, IDOK));
        Clear();
    }
    const std::vector<ControlBinding*> listed = bindings;
    for (ControlBinding* binding : listed) binding->HandleCommand(dialog, wParam, lParam);
}

void ControlBindingList::DispatchNotify(HWND dialog, WPARAM wParam, NMHDR* header) {
    const std::vector<ControlBinding*> listed = bindings;
    for (ControlBinding* binding : listed) binding->HandleNotify(dialog, wParam, header);
}

bool ControlBindingList::Clear() {
    while (!bindings.empty()) {
        ControlBinding* first = bindings.front();
        first->SetDialog(nullptr);
        bindings.erase(bindings.begin());
    }
    return true;
}
