// How code reads and changes an option's value: Set stores only a value that
// differs from the current one and then tells the cell through OnChanged, so
// a bound control is rewritten only when there is something new to show.
#pragma once

#include "options/ValueCell.h"

template <typename T>
class OptionValue : public ValueCell<T> {
public:
    // For text the comparison is the string's own: a null on either side is
    // never equal, so Set goes on, the assignment keeps `current` when the
    // new text is null, and OnChanged is still called.
    virtual void Set(const T& value) {
        if (value == this->current) return;
        this->current = value;
        this->OnChanged(value);
    }
    virtual T& Get() { return this->current; }

    T& GetValue() override { return Get(); }
    void SetValue(const T& value) override { Set(value); }
};
