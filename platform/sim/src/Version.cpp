// version.dll: the version record of the program's own file. Other files of
// the simulated disk have none.
#include "ResourceTable.h"

#include "State.h"

#include <cstring>
#include <vector>

using namespace simdesk::detail;

namespace {

constexpr WORD kTextValue = 1;

const ResourceEntry* ProgramVersionRecord() {
    for (const ResourceEntry& entry : ProgramResources())
        if (entry.type.isNumber && entry.type.number == 16 && entry.name.isNumber && entry.name.number == VS_VERSION_INFO)
            return &entry;
    return nullptr;
}

// The record of the file, or null with the platform's last error.
const ResourceEntry* RecordOf(LPCWSTR fileName) {
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::u16string& programPath = State().programPath;
    if (lstrcmpiW(fileName, programPath.c_str()) != 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    const ResourceEntry* record = ProgramVersionRecord();
    if (record == nullptr) SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return record;
}

// One node of a version record: wLength, wValueLength, wType, a key, then
// the value and the children, each aligned to 4 bytes from the record start.
struct Node {
    std::size_t begin = 0;
    std::size_t end = 0;
    WORD valueLength = 0;
    WORD type = 0;
    std::u16string key;
    std::size_t value = 0;
    std::size_t valueBytes = 0;
    std::size_t children = 0;
};

// Reads the node at `offset` that must end by `limit`; offsets count from `record`.
bool ReadNode(const BYTE* record, std::size_t offset, std::size_t limit, Node& node) {
    if (offset + 6 > limit) return false;
    const WORD length = ReadWord(record + offset);
    if (length < 6 || length > limit - offset) return false;
    node.begin = offset;
    node.end = offset + length;
    node.valueLength = ReadWord(record + offset + 2);
    node.type = ReadWord(record + offset + 4);
    node.key.clear();
    std::size_t at = offset + 6;
    for (;;) {
        if (at + 2 > node.end) return false;
        const WCHAR c = ReadWord(record + at);
        at += 2;
        if (c == 0) break;
        node.key.push_back(c);
    }
    node.value = AlignDword(at);
    node.valueBytes = node.type == kTextValue ? std::size_t{node.valueLength} * 2 : node.valueLength;
    if (node.valueBytes > 0 && (node.value > node.end || node.valueBytes > node.end - node.value)) return false;
    node.children = AlignDword(node.value + node.valueBytes);
    return true;
}

bool SameKey(const std::u16string& key, LPCWSTR part, std::size_t partLength) {
    if (key.size() != partLength) return false;
    std::u16string wanted(part, partLength);
    return lstrcmpiW(key.c_str(), wanted.c_str()) == 0;
}

// The child of `parent` whose key is part[0, partLength).
bool FindChild(const BYTE* record, const Node& parent, LPCWSTR part, std::size_t partLength, Node& child) {
    std::size_t at = parent.children;
    while (at < parent.end) {
        if (!ReadNode(record, at, parent.end, child)) return false;
        if (SameKey(child.key, part, partLength)) return true;
        at = AlignDword(child.end);
    }
    return false;
}

}  // namespace

// Windows asks for some room beyond the record for its own conversions; the
// caller allocates whatever it is told, so the record's own size serves.
DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR fileName, LPDWORD handle) {
    if (handle != nullptr) *handle = 0;
    const ResourceEntry* record = RecordOf(fileName);
    return record != nullptr ? record->size : 0;
}

BOOL WINAPI GetFileVersionInfoW(LPCWSTR fileName, DWORD /*handle*/, DWORD size, LPVOID data) {
    const ResourceEntry* record = RecordOf(fileName);
    if (record == nullptr) return FALSE;
    if (data == nullptr || size == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // A short buffer gets the start of the record, its length cut to match,
    // so that queries on it stay inside the caller's block.
    const DWORD copied = size < record->size ? size : record->size;
    std::memcpy(data, record->data, copied);
    if (copied < record->size && copied >= sizeof(WORD)) {
        const WORD length = static_cast<WORD>(copied);
        std::memcpy(data, &length, sizeof(length));
    }
    return TRUE;
}

BOOL WINAPI VerQueryValueW(LPCVOID block, LPCWSTR subBlock, LPVOID* buffer, UINT* length) {
    if (block == nullptr || subBlock == nullptr || buffer == nullptr) return FALSE;
    const BYTE* record = static_cast<const BYTE*>(block);
    Node node;
    if (!ReadNode(record, 0, ReadWord(record), node)) return FALSE;
    const WCHAR* part = subBlock;
    for (;;) {
        while (*part == u'\\') ++part;
        if (*part == 0) break;
        std::size_t partLength = 0;
        while (part[partLength] != 0 && part[partLength] != u'\\') ++partLength;
        Node child;
        if (!FindChild(record, node, part, partLength, child)) return FALSE;
        node = child;
        part += partLength;
    }
    if (node.begin == 0 && node.valueBytes < sizeof(VS_FIXEDFILEINFO)) return FALSE;
    // An empty text value still reads as an empty string.
    static const WCHAR empty[1] = {0};
    if (node.valueBytes == 0)
        *buffer = const_cast<WCHAR*>(empty);
    else
        *buffer = const_cast<BYTE*>(record + node.value);
    // Texts are measured in characters, everything else in bytes.
    if (length != nullptr) *length = node.type == kTextValue ? node.valueLength : static_cast<UINT>(node.valueBytes);
    return TRUE;
}
