// The program's one string type: an exact-size, NUL-terminated UTF-16 buffer
// owned by each string. A null string (no buffer) differs from an empty one,
// and callers rely on it: writing a null string to the store deletes a value.
#pragma once

#include "Platform.h"

#include <cstdint>

class WString {
public:
    WString() = default;
    WString(LPCWSTR text);  // NOLINT(google-explicit-constructor): texts convert freely, as in the Win32 calls they feed
    explicit WString(int number);
    // Construction copies exactly: a copy or a move of a null string is null.
    WString(const WString& other);
    WString(WString&& other) noexcept;
    ~WString();

    // Assignment never makes a string null: a null source leaves the target
    // as it was, whether it is copied or moved from.
    WString& operator=(LPCWSTR text);
    WString& operator=(const WString& other);
    WString& operator=(WString&& other) noexcept;
    WString& operator=(int number);

    // Exchanges the two values exactly, null included. Assignment keeps a
    // target when the source is null, so an element type of a container that
    // shifts, sorts or swaps its elements moves its strings with this (see
    // the settings store's placeholders), never with assignment.
    friend void swap(WString& a, WString& b) noexcept;

    WString& operator+=(LPCWSTR text);
    WString& operator+=(const WString& other);

    bool IsSet() const { return live == 1 && text != nullptr; }
    LPCWSTR Buffer() const { return text; }
    WCHAR* Buffer() { return text; }
    // Replaces the text with an uninitialised buffer of `count` code units for
    // a Win32 call to fill; returns null (and leaves a null string) on failure.
    WCHAR* AllocBuffer(int count);
    int Length() const;

    int ToInt() const;
    bool ToBool() const { return ToInt() != 0; }

    // A null string equals nothing, not even another null string.
    bool operator==(const WString& other) const;
    bool operator!=(const WString& other) const { return !(*this == other); }

private:
    bool CopyFrom(LPCWSTR source);
    void Free();

    WCHAR* text = nullptr;
    std::int32_t live = 1;
};

WString operator+(const WString& a, const WString& b);
WString operator+(const WString& a, LPCWSTR b);
WString operator+(LPCWSTR a, const WString& b);

// Heap texts for ReplaceAll: allocated with HeapTextCopy, released with
// HeapTextFree.
WCHAR* HeapTextCopy(LPCWSTR text);
void HeapTextFree(WCHAR* text);

// Replaces every occurrence of `find` in the heap text at `*text` by
// `replacement` (null removes it) and leaves a fresh exact-size heap text in
// `*text`. Replacements are not searched again; matches do not overlap.
void ReplaceAll(WCHAR** text, LPCWSTR find, LPCWSTR replacement);
