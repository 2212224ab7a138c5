#include "app/Shortcut.h"

#include "app/ComGuards.h"
#include "settings/WString.h"

namespace {

// The target's folder: its text before the last backslash, empty without one.
WString FolderOf(LPCWSTR target) {
    WString folder(target);
    WCHAR* text = folder.Buffer();
    if (text == nullptr) return WString(TEXT(""));
    WCHAR* end = text;
    for (WCHAR* c = text; *c != 0; ++c)
        if (*c == TEXT('\\')) end = c;
    *end = 0;
    return WString(text);
}

}  // namespace

HRESULT CreateShortcut(LPCWSTR target, LPCWSTR shortcutPath, LPCWSTR description) {
    if (target == nullptr || shortcutPath == nullptr || description == nullptr) return E_INVALIDARG;
    const WString workingDirectory = FolderOf(target);
    if (!workingDirectory.IsSet()) return E_OUTOFMEMORY;

    ComInit com;
    ComPtr<IShellLinkW> link;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put());
    if (FAILED(result)) return result;

    // SetPath answers S_FALSE for a target that does not exist yet; the link
    // is set all the same, so only the save's result counts.
    link->SetPath(target);
    link->SetWorkingDirectory(workingDirectory.Buffer());
    link->SetDescription(description);

    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.put());
    if (FAILED(result)) return result;
    return file->Save(shortcutPath, TRUE);
}
