// A persistent option that knows its default: while it holds the default it
// keeps nothing in the store, so a stored setting exists only where the user
// chose something else.
#pragma once

#include "options/Option.h"

template <typename T>
class DefaultedOption : public Option {
public:
    virtual void SetDefault(const T& value) {
        hasDefault = true;
        defaultValue = value;
    }
    virtual T GetDefault() { return defaultValue; }

protected:
    ~DefaultedOption() = default;

    bool HoldsDefault(const T& value) const { return hasDefault && value == defaultValue; }

    bool hasDefault = false;
    T defaultValue{};
};
