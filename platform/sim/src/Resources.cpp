// kernel32: resources of the program module (FindResourceW and friends).
#include "ResourceTable.h"

#include "State.h"
#include "simdesk/Resources.h"

#include <cstring>
#include <utility>

using namespace simdesk::detail;

namespace {

struct ResourceState {
    const BYTE* builtIn = nullptr;
    std::size_t builtInSize = 0;
    std::vector<BYTE> replacement;
    std::vector<ResourceEntry> entries;
};

void UseBuiltIn(ResourceState& state) {
    state.replacement.clear();
    state.entries.clear();
    if (state.builtIn != nullptr && !ParseResFile(state.builtIn, state.builtInSize, state.entries)) state.entries.clear();
}

ResourceState& Resources() {
    static ResourceState state;
    // A fresh desktop runs the program as built, with its own resources.
    static const bool resetRegistered = (OnReset([] { UseBuiltIn(state); }), true);
    (void)resetRegistered;
    return state;
}

WCHAR UpperAscii(WCHAR c) {
    return (c >= u'a' && c <= u'z') ? static_cast<WCHAR>(c - (u'a' - u'A')) : c;
}

// Reads a type or name field of a resource header at [offset, end).
bool ReadId(const BYTE* bytes, std::size_t& offset, std::size_t end, ResourceId& id) {
    if (offset + 2 > end) return false;
    if (ReadWord(bytes + offset) == 0xFFFF) {
        if (offset + 4 > end) return false;
        id.isNumber = true;
        id.number = ReadWord(bytes + offset + 2);
        offset += 4;
        return true;
    }
    id.isNumber = false;
    id.text.clear();
    for (;;) {
        if (offset + 2 > end) return false;
        const WCHAR c = ReadWord(bytes + offset);
        offset += 2;
        if (c == 0) return true;
        id.text.push_back(c);
    }
}

// What a caller's LPCWSTR names: MAKEINTRESOURCEW(n), "#n" or a text.
bool ToId(LPCWSTR value, ResourceId& id) {
    if (value == nullptr) return false;
    if (IS_INTRESOURCE(value)) {
        id.isNumber = true;
        id.number = LOWORD(reinterpret_cast<ULONG_PTR>(value));
        return true;
    }
    if (value[0] == u'#') {
        DWORD number = 0;
        int i = 1;
        for (; value[i] >= u'0' && value[i] <= u'9'; ++i) {
            number = number * 10 + static_cast<DWORD>(value[i] - u'0');
            if (number > 0xFFFF) return false;
        }
        if (i == 1 || value[i] != 0) return false;
        id.isNumber = true;
        id.number = static_cast<WORD>(number);
        return true;
    }
    id.isNumber = false;
    id.text.clear();
    for (int i = 0; value[i] != 0; ++i) id.text.push_back(UpperAscii(value[i]));
    return true;
}

bool SameId(const ResourceId& a, const ResourceId& b) {
    return a.isNumber == b.isNumber && (a.isNumber ? a.number == b.number : a.text == b.text);
}

bool IsProgramModule(HMODULE module) {
    return module == nullptr || module == GetModuleHandleW(nullptr);
}

HRSRC ToHandle(const ResourceEntry* entry) {
    return reinterpret_cast<HRSRC>(const_cast<ResourceEntry*>(entry));
}

// Null when the handle names no entry of the current resources.
const ResourceEntry* FromHandle(HRSRC resource) {
    for (const ResourceEntry& entry : Resources().entries)
        if (ToHandle(&entry) == resource) return &entry;
    return nullptr;
}

}  // namespace

namespace simdesk::detail {

bool ParseResFile(const BYTE* bytes, std::size_t size, std::vector<ResourceEntry>& entries) {
    std::vector<ResourceEntry> parsed;
    std::size_t offset = 0;
    if (bytes == nullptr || size == 0) return false;
    while (offset < size) {
        if (size - offset < 8) return false;
        const std::size_t dataSize = ReadDword(bytes + offset);
        const std::size_t headerSize = ReadDword(bytes + offset + 4);
        if (headerSize < 8 || headerSize > size - offset || dataSize > size - offset - headerSize) return false;
        const std::size_t headerEnd = offset + headerSize;
        std::size_t field = offset + 8;
        ResourceEntry entry;
        if (!ReadId(bytes, field, headerEnd, entry.type) || !ReadId(bytes, field, headerEnd, entry.name)) return false;
        field = offset + AlignDword(field - offset);
        // DataVersion, MemoryFlags, LanguageId, Version, Characteristics.
        if (field + 16 > headerEnd) return false;
        entry.language = ReadWord(bytes + field + 6);
        entry.data = bytes + headerEnd;
        entry.size = static_cast<DWORD>(dataSize);
        const bool leadingEmptyEntry =
            entry.type.isNumber && entry.type.number == 0 && entry.name.isNumber && entry.name.number == 0;
        if (!leadingEmptyEntry) parsed.push_back(std::move(entry));
        offset = AlignDword(headerEnd + dataSize);
    }
    entries = std::move(parsed);
    return true;
}

const std::vector<ResourceEntry>& ProgramResources() {
    return Resources().entries;
}

const ResourceEntry* FindProgramResource(LPCWSTR type, LPCWSTR name) {
    ResourceId wantedType;
    ResourceId wantedName;
    if (!ToId(type, wantedType) || !ToId(name, wantedName)) return nullptr;
    // The platform looks for a neutral entry first, then the user's UI
    // language (Russian on the simulated system), then takes any language.
    const ResourceEntry* any = nullptr;
    const ResourceEntry* russian = nullptr;
    for (const ResourceEntry& entry : Resources().entries) {
        if (!SameId(entry.type, wantedType) || !SameId(entry.name, wantedName)) continue;
        if (entry.language == MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)) return &entry;
        if (russian == nullptr && entry.language == MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT)) russian = &entry;
        if (any == nullptr) any = &entry;
    }
    return russian != nullptr ? russian : any;
}

void RegisterBuiltInResources(const unsigned char* resFile, std::size_t size) {
    ResourceState& state = Resources();
    state.builtIn = resFile;
    state.builtInSize = size;
    UseBuiltIn(state);
}

}  // namespace simdesk::detail

namespace simdesk {

bool ReplaceProgramResources(std::vector<unsigned char> resFile) {
    std::vector<ResourceEntry> entries;
    ResourceState& state = Resources();
    std::vector<BYTE> bytes(resFile.begin(), resFile.end());
    if (!ParseResFile(bytes.data(), bytes.size(), entries)) return false;
    // The entries point into the vector's buffer, which a move keeps in place.
    state.replacement = std::move(bytes);
    state.entries = std::move(entries);
    return true;
}

}  // namespace simdesk

HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    if (!IsProgramModule(module)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    ResourceId wantedType;
    ResourceId wantedName;
    if (!ToId(type, wantedType) || !ToId(name, wantedName)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (Resources().entries.empty()) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    if (const ResourceEntry* entry = FindProgramResource(type, name)) return ToHandle(entry);
    bool typeKnown = false;
    for (const ResourceEntry& entry : Resources().entries) typeKnown = typeKnown || SameId(entry.type, wantedType);
    SetLastError(typeKnown ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
}

HRSRC WINAPI FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language) {
    HRSRC preferred = FindResourceW(module, name, type);
    if (preferred == nullptr || FromHandle(preferred)->language == language) return preferred;
    ResourceId wantedType;
    ResourceId wantedName;
    ToId(type, wantedType);
    ToId(name, wantedName);
    for (const ResourceEntry& entry : Resources().entries)
        if (SameId(entry.type, wantedType) && SameId(entry.name, wantedName) && entry.language == language)
            return ToHandle(&entry);
    SetLastError(ERROR_RESOURCE_LANG_NOT_FOUND);
    return nullptr;
}

// Resource data stays mapped with the module: the "global" handle is the
// address of the data, as LockResource shows.
HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource) {
    const ResourceEntry* entry = IsProgramModule(module) ? FromHandle(resource) : nullptr;
    if (entry == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return const_cast<BYTE*>(entry->data);
}

LPVOID WINAPI LockResource(HGLOBAL data) {
    return data;
}

DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource) {
    const ResourceEntry* entry = IsProgramModule(module) ? FromHandle(resource) : nullptr;
    if (entry == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return entry->size;
}

// Nothing to free for a module's resources; the platform answers FALSE.
BOOL WINAPI FreeResource(HGLOBAL /*data*/) {
    return FALSE;
}
