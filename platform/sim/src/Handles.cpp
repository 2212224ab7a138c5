// kernel32: the handle table and CloseHandle.
#include "KernelObjects.h"
#include "State.h"
#include "StorageState.h"

#include <map>

namespace simdesk::detail {

namespace {

struct HandleTable {
    std::map<std::uintptr_t, KernelObject> objects;
    std::uintptr_t next = 0x100;
};

HandleTable& Table() {
    static HandleTable table;
    return table;
}

const bool registered = [] {
    // A new run of the program is a new process: its handles are gone.
    OnReset([] { Table() = HandleTable{}; });
    return true;
}();

}  // namespace

HANDLE AddKernelHandle(const KernelObject& object) {
    HandleTable& table = Table();
    const std::uintptr_t value = table.next;
    table.next += 4;
    table.objects[value] = object;
    return reinterpret_cast<HANDLE>(value);
}

KernelObject* FindKernelHandle(HANDLE handle) {
    auto found = Table().objects.find(reinterpret_cast<std::uintptr_t>(handle));
    return found == Table().objects.end() ? nullptr : &found->second;
}

int CountKernelHandles(KernelObject::Kind kind) {
    int count = 0;
    for (const auto& [value, object] : Table().objects)
        if (object.kind == kind) ++count;
    return count;
}

}  // namespace simdesk::detail

using namespace simdesk::detail;

BOOL WINAPI CloseHandle(HANDLE handle) {
    // The current process's pseudo-handle closes without effect, as on Windows.
    if (handle == GetCurrentProcess()) return TRUE;
    // Files written through CreateFileW keep a table of their own.
    if (CloseFileHandle(handle)) return TRUE;
    if (FindKernelHandle(handle) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Table().objects.erase(reinterpret_cast<std::uintptr_t>(handle));
    return TRUE;
}
