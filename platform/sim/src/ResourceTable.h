// The program module's resources as the simulated desktop keeps them: the
// entries of a compiled resource file (.res), parsed once. kernel32's resource
// functions and version.dll read them here; so can other parts of the
// simulation that load icons, dialog templates or strings.
#pragma once

#include "simwin/Win32.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace simdesk::detail {

// A resource type or name: a number, or a text kept upper-case as the
// resource compiler stores it.
struct ResourceId {
    bool isNumber = true;
    WORD number = 0;
    std::u16string text;
};

struct ResourceEntry {
    ResourceId type;
    ResourceId name;
    WORD language = 0;
    const BYTE* data = nullptr;
    DWORD size = 0;
};

// Little-endian fields of resource files and version records, read without
// assuming their alignment.
inline DWORD ReadDword(const BYTE* p) {
    DWORD value = 0;
    std::memcpy(&value, p, sizeof(value));
    return value;
}

inline WORD ReadWord(const BYTE* p) {
    WORD value = 0;
    std::memcpy(&value, p, sizeof(value));
    return value;
}

// Both formats align their parts to 4 bytes.
constexpr std::size_t AlignDword(std::size_t offset) {
    return (offset + 3) & ~static_cast<std::size_t>(3);
}

// Splits a .res file into its entries (the leading empty entry is dropped);
// false when the bytes are not a well-formed .res file.
bool ParseResFile(const BYTE* bytes, std::size_t size, std::vector<ResourceEntry>& entries);

// The program module's entries, in the order of the resource file.
const std::vector<ResourceEntry>& ProgramResources();

// The entry for this type and name (numbers as MAKEINTRESOURCEW, "#123" or a
// text), preferring the language the platform would choose; null if none.
const ResourceEntry* FindProgramResource(LPCWSTR type, LPCWSTR name);

}  // namespace simdesk::detail
