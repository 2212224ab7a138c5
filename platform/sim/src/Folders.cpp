// shell32: the special folders of the simulated user, all on drive C: of the
// desktop's disk. The folders exist from the start; a test can take one away
// (MakeShellFolderUnavailable) or remove it from the disk.
#include "State.h"
#include "StorageState.h"

#include <set>

namespace {

std::set<int>& UnavailableFolders() {
    static std::set<int> folders;
    return folders;
}

const bool registered = [] {
    simdesk::detail::OnReset([] {
        if (!simdesk::detail::KeepingStorage()) UnavailableFolders().clear();
    });
    return true;
}();

}  // namespace

HRESULT WINAPI SHGetFolderPathW(HWND /*owner*/, int folder, HANDLE /*token*/, DWORD /*flags*/, LPWSTR path) {
    if (path == nullptr) return E_INVALIDARG;
    path[0] = 0;
    const int which = folder & ~CSIDL_FLAG_CREATE;
    std::u16string location;
    if (which == CSIDL_APPDATA) location = simdesk::AppDataFolder();
    else if (which == CSIDL_STARTUP) location = simdesk::StartupFolder();
    else return E_INVALIDARG;
    if (UnavailableFolders().count(which) != 0) return E_FAIL;
    if (!simdesk::FolderExists(location)) {
        if (!(folder & CSIDL_FLAG_CREATE)) return E_FAIL;
        simdesk::detail::ResolvedPath resolved;
        DWORD error = 0;
        std::error_code ignored;
        if (!simdesk::detail::ResolvePath(location.c_str(), resolved, error)) return E_FAIL;
        std::filesystem::create_directories(resolved.host, ignored);
    }
    lstrcpynW(path, location.c_str(), MAX_PATH);
    return S_OK;
}

namespace simdesk {

void MakeShellFolderUnavailable(int csidl) {
    UnavailableFolders().insert(csidl & ~CSIDL_FLAG_CREATE);
}

}  // namespace simdesk
