// The editable value of an option: the live `current` and a remembered
// `saved` copy, so a dialog can take changes at once and still undo them.
//
// The virtual operations keep a fixed order. The last five (SetControlId to
// OnChanged) are the hooks a control-bound kind overrides to show its value
// in a control; such a kind adds ReadControl right after OnChanged. Without a
// control they do nothing.
#pragma once

#include "Platform.h"

template <typename T>
class ValueCell {
public:
    ValueCell() = default;
    virtual ~ValueCell() = default;

    // An option belongs to one owner and may be bound to one control and
    // listed by address; a copy would be a second, unlisted option.
    ValueCell(const ValueCell&) = delete;
    ValueCell& operator=(const ValueCell&) = delete;

    // Compared with the type's own inequality: for text a null on either side
    // counts as modified, because a null text equals nothing.
    virtual bool IsModified() const { return saved != current; }
    virtual void Commit() { saved = current; }
    // Stored directly, without the change test or OnChanged: undoing an edit
    // is not a new change. A null `saved` text leaves `current` as it is.
    virtual void Revert() { current = saved; }
    virtual T& GetValue() = 0;
    virtual void SetValue(const T& value) = 0;
    virtual void SetControlId(int /*id*/) {}
    virtual int GetControlId() const { return 0; }
    virtual int Attach(HWND /*window*/) { return 0; }
    virtual int HandleCommand(HWND /*window*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return 0; }
    // Called after `current` has changed through Set, with the value Set was
    // given.
    virtual void OnChanged(const T& /*value*/) {}

protected:
    T current{};
    T saved{};
};
