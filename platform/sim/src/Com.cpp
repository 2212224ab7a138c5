// ole32: initialising COM per thread, creating objects of the classes the
// simulated desktop knows, and COM's task memory. Apartments are not
// simulated beyond their one observable rule: a thread keeps the model it
// was first initialised with.
#include "ComObjects.h"
#include "State.h"

#include <cstdlib>
#include <map>
#include <thread>

// {00000000-0000-0000-C000-000000000046}
const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {0000010C-0000-0000-C000-000000000046}
const IID IID_IPersist = {0x0000010C, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {0000010B-0000-0000-C000-000000000046}
const IID IID_IPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace {

struct ThreadCom {
    int initialisations = 0;
    DWORD model = COINIT_APARTMENTTHREADED;
};

std::map<std::thread::id, ThreadCom>& Threads() {
    static std::map<std::thread::id, ThreadCom> threads;
    return threads;
}

ThreadCom& ThisThread() {
    return Threads()[std::this_thread::get_id()];
}

int liveObjects = 0;

const bool registered = [] {
    // A new run of the program is a new process with COM uninitialised. Live
    // objects are not forgotten: one the program still holds stays counted.
    simdesk::detail::OnReset([] { Threads().clear(); });
    return true;
}();

}  // namespace

namespace simdesk::detail {

void ComObjectCreated() {
    ++liveObjects;
}

void ComObjectDestroyed() {
    --liveObjects;
}

}  // namespace simdesk::detail

HRESULT WINAPI CoInitializeEx(LPVOID /*reserved*/, DWORD coInit) {
    ThreadCom& thread = ThisThread();
    const DWORD model = coInit & COINIT_APARTMENTTHREADED;
    if (thread.initialisations > 0) {
        // A thread cannot change its model; the failed call is not counted.
        if (model != thread.model) return RPC_E_CHANGED_MODE;
        ++thread.initialisations;
        return S_FALSE;
    }
    thread.model = model;
    thread.initialisations = 1;
    return S_OK;
}

HRESULT WINAPI CoInitialize(LPVOID reserved) {
    return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED);
}

void WINAPI CoUninitialize() {
    // An unbalanced call does nothing, as on Windows.
    ThreadCom& thread = ThisThread();
    if (thread.initialisations > 0) --thread.initialisations;
}

HRESULT WINAPI CoCreateInstance(REFCLSID classId, LPUNKNOWN outer, DWORD context, REFIID riid, LPVOID* object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (ThisThread().initialisations == 0) return CO_E_NOTINITIALIZED;
    if (!IsEqualCLSID(classId, CLSID_ShellLink) || (context & CLSCTX_INPROC_SERVER) == 0) return REGDB_E_CLASSNOTREG;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return simdesk::detail::CreateShellLink(riid, object);
}

LPVOID WINAPI CoTaskMemAlloc(SIZE_T size) {
    return std::malloc(size == 0 ? 1 : size);
}

void WINAPI CoTaskMemFree(LPVOID memory) {
    std::free(memory);
}

namespace simdesk {

int ComInitialisations() {
    return ThisThread().initialisations;
}

int LiveComObjects() {
    return liveObjects;
}

}  // namespace simdesk
