// kernel32: opening processes by id and trimming a working set. The
// processes are the program's own and the other programs started on the
// desktop; a process handle keeps the rights it was opened with.
#include "KernelObjects.h"
#include "State.h"

using namespace simdesk::detail;

namespace {

// The pseudo-handle of the current process: (HANDLE)-1, as on Windows.
HANDLE CurrentProcessPseudoHandle() {
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));
}

bool ProcessExists(DWORD processId) {
    if (processId == kProgramProcessId) return true;
    for (const auto& [id, thread] : State().threads)
        if (thread.processId == processId) return true;
    return false;
}

int trims = 0;

const bool registered = [] {
    OnReset([] { trims = 0; });
    return true;
}();

}  // namespace

HANDLE WINAPI GetCurrentProcess() {
    return CurrentProcessPseudoHandle();
}

HANDLE WINAPI OpenProcess(DWORD desiredAccess, BOOL /*inheritHandle*/, DWORD processId) {
    // Windows answers an id that names no process (0, the idle process, among
    // them) with ERROR_INVALID_PARAMETER.
    if (processId == 0 || !ProcessExists(processId)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    KernelObject process;
    process.kind = KernelObject::Kind::Process;
    process.processId = processId;
    process.access = desiredAccess;
    return AddKernelHandle(process);
}

BOOL WINAPI SetProcessWorkingSetSize(HANDLE process, SIZE_T minimumSize, SIZE_T maximumSize) {
    DWORD processId = kProgramProcessId;
    if (process != CurrentProcessPseudoHandle()) {
        const KernelObject* object = FindKernelHandle(process);
        if (object == nullptr || object->kind != KernelObject::Kind::Process) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        // The call needs the right to change quotas (the pseudo-handle has all rights).
        if ((object->access & PROCESS_SET_QUOTA) == 0) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        processId = object->processId;
    }
    const SIZE_T trim = static_cast<SIZE_T>(-1);
    if (minimumSize == trim && maximumSize == trim) {
        // Only the count is kept: there is no memory to give back.
        if (processId == kProgramProcessId) ++trims;
        return TRUE;
    }
    if (minimumSize == trim || maximumSize == trim || minimumSize > maximumSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

namespace simdesk {

int OpenProcessHandles() {
    return CountKernelHandles(KernelObject::Kind::Process);
}

int WorkingSetTrims() {
    return trims;
}

}  // namespace simdesk
