// Icons a dialog shows in its caption. They are loaded in OnInitDialog,
// handed to the window, and destroyed in OnDestroy: the window keeps them in
// between and never destroys them itself.
#pragma once

#include "Platform.h"

#include <utility>

// Owns one icon until it is released or destroyed with the guard.
class UniqueIcon {
public:
    UniqueIcon() = default;
    explicit UniqueIcon(HICON owned) : icon(owned) {}
    ~UniqueIcon() { reset(); }
    UniqueIcon(UniqueIcon&& other) noexcept : icon(other.release()) {}
    UniqueIcon& operator=(UniqueIcon&& other) noexcept {
        if (this != &other) {
            reset();
            icon = other.release();
        }
        return *this;
    }
    UniqueIcon(const UniqueIcon&) = delete;
    UniqueIcon& operator=(const UniqueIcon&) = delete;

    HICON get() const { return icon; }
    HICON release() { return std::exchange(icon, nullptr); }
    void reset() {
        if (icon != nullptr) DestroyIcon(release());
    }

private:
    HICON icon = nullptr;
};

// Icon group `iconId` of the program's module at size x size pixels.
UniqueIcon LoadProgramIcon(int iconId, int size);
// Sets ICON_SMALL or ICON_BIG; the window holds the icon from then on. An
// icon it held before, of that kind, is destroyed: it was ours as well.
void SetWindowIcon(HWND window, WPARAM kind, UniqueIcon icon);
// Takes the icon of that kind back from the window and destroys it.
void DestroyWindowIcon(HWND window, WPARAM kind);
