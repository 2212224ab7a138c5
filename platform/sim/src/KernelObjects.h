// The table of kernel object handles that CloseHandle closes. Only process
// handles live in it so far; other kinds add a member to KernelObject.
#pragma once

#include "simwin/Win32.h"

namespace simdesk::detail {

struct KernelObject {
    enum class Kind { Process } kind = Kind::Process;
    DWORD processId = 0;
    DWORD access = 0;
};

// A new handle to the object; handles are multiples of 4, as on Windows.
HANDLE AddKernelHandle(const KernelObject& object);
// The object behind an open handle, or null.
KernelObject* FindKernelHandle(HANDLE handle);
int CountKernelHandles(KernelObject::Kind kind);

}  // namespace simdesk::detail
