// shell32: the shell link object (CLSID_ShellLink) with IShellLinkW and
// IPersistFile. It keeps the fields the program sets and saves them in the
// simulated format (ShellLinkFile.h). Slots the program never calls (item
// lists, hot key, show command, icon, resolving) answer E_NOTIMPL.
#include "ComObjects.h"
#include "ShellLinkFile.h"
#include "StorageState.h"

#include <algorithm>
#include <new>

// {00021401-0000-0000-C000-000000000046}
const CLSID CLSID_ShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {000214F9-0000-0000-C000-000000000046}
const IID IID_IShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace simdesk::detail {

namespace {

// Copies `value` into a caller's buffer of `size` units, cut to fit.
HRESULT CopyOut(const std::u16string& value, LPWSTR buffer, int size) {
    if (buffer == nullptr || size <= 0) return E_INVALIDARG;
    const std::size_t count = std::min(value.size(), static_cast<std::size_t>(size) - 1);
    std::copy_n(value.begin(), count, buffer);
    buffer[count] = 0;
    return S_OK;
}

HRESULT TakeText(LPCWSTR text, std::u16string& field, bool& dirty) {
    if (text == nullptr) return E_INVALIDARG;
    field = text;
    dirty = true;
    return S_OK;
}

// COM objects end themselves in Release; the interfaces have no destructor.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class ShellLink final : public IShellLinkW, public IPersistFile {
public:
    ShellLink() { ComObjectCreated(); }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IShellLinkW)) {
            *object = static_cast<IShellLinkW*>(this);
        } else if (IsEqualIID(riid, IID_IPersistFile) || IsEqualIID(riid, IID_IPersist)) {
            *object = static_cast<IPersistFile*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references;
        if (left == 0) delete this;
        return left;
    }

    // IShellLinkW
    HRESULT STDMETHODCALLTYPE GetPath(LPWSTR file, int size, WIN32_FIND_DATAW* findData, DWORD /*flags*/) override {
        const HRESULT copied = CopyOut(link.target, file, size);
        if (FAILED(copied)) return copied;
        if (findData != nullptr) {
            *findData = WIN32_FIND_DATAW{};
            const std::size_t slash = link.target.find_last_of(u"\\/");
            const std::u16string name = slash == std::u16string::npos ? link.target : link.target.substr(slash + 1);
            CopyOut(name, findData->cFileName, MAX_PATH);
        }
        return link.target.empty() ? S_FALSE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDList(PIDLIST_ABSOLUTE* /*list*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetIDList(PCIDLIST_ABSOLUTE /*list*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDescription(LPWSTR name, int size) override {
        return CopyOut(link.description, name, size);
    }
    HRESULT STDMETHODCALLTYPE SetDescription(LPCWSTR name) override { return TakeText(name, link.description, dirty); }
    HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPWSTR directory, int size) override {
        return CopyOut(link.workingDirectory, directory, size);
    }
    HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCWSTR directory) override {
        return TakeText(directory, link.workingDirectory, dirty);
    }
    HRESULT STDMETHODCALLTYPE GetArguments(LPWSTR arguments, int size) override {
        return CopyOut(link.arguments, arguments, size);
    }
    HRESULT STDMETHODCALLTYPE SetArguments(LPCWSTR arguments) override {
        return TakeText(arguments, link.arguments, dirty);
    }
    HRESULT STDMETHODCALLTYPE GetHotkey(WORD* /*hotKey*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetHotkey(WORD /*hotKey*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetShowCmd(int* /*showCommand*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetShowCmd(int /*showCommand*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIconLocation(LPWSTR /*iconPath*/, int /*size*/, int* /*iconIndex*/) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetIconLocation(LPCWSTR /*iconPath*/, int /*iconIndex*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetRelativePath(LPCWSTR /*relativePath*/, DWORD /*reserved*/) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Resolve(HWND /*window*/, DWORD /*flags*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetPath(LPCWSTR file) override {
        const HRESULT taken = TakeText(file, link.target, dirty);
        if (FAILED(taken)) return taken;
        // The link is set either way; like Wine, say so with S_FALSE when the
        // target does not exist (yet).
        return PathFileExistsW(file) ? S_OK : S_FALSE;
    }

    // IPersistFile
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* classId) override {
        if (classId == nullptr) return E_POINTER;
        *classId = CLSID_ShellLink;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE IsDirty() override { return dirty ? S_OK : S_FALSE; }
    HRESULT STDMETHODCALLTYPE Load(LPCOLESTR fileName, DWORD /*mode*/) override {
        if (fileName == nullptr) return E_INVALIDARG;
        ResolvedPath resolved;
        DWORD error = 0;
        if (!ResolvePath(fileName, resolved, error)) return HRESULT_FROM_WIN32(error);
        std::error_code ignored;
        if (!std::filesystem::is_regular_file(resolved.host, ignored)) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
        ShortcutFile read;
        if (!ReadLinkFile(resolved.host, read)) return E_FAIL;
        link = read;
        currentFile = fileName;
        dirty = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Save(LPCOLESTR fileName, BOOL remember) override {
        const std::u16string name = fileName != nullptr ? std::u16string(fileName) : currentFile;
        if (name.empty()) return E_INVALIDARG;
        ResolvedPath resolved;
        DWORD error = 0;
        if (!ResolvePath(name.c_str(), resolved, error)) return HRESULT_FROM_WIN32(error);
        std::error_code ignored;
        if (!std::filesystem::is_directory(resolved.host.parent_path(), ignored))
            return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
        if (std::filesystem::is_directory(resolved.host, ignored) || !IsWritable(resolved)) return E_ACCESSDENIED;
        if (!WriteLinkFile(resolved.host, link)) return E_FAIL;
        if (fileName == nullptr || remember) {
            currentFile = name;
            dirty = false;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SaveCompleted(LPCOLESTR /*fileName*/) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR* fileName) override {
        if (fileName == nullptr) return E_POINTER;
        *fileName = nullptr;
        // Simplified: without a file Windows offers a default name; this gives none.
        if (currentFile.empty()) return S_FALSE;
        const std::size_t bytes = (currentFile.size() + 1) * sizeof(WCHAR);
        auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
        if (copy == nullptr) return E_OUTOFMEMORY;
        std::copy(currentFile.begin(), currentFile.end(), copy);
        copy[currentFile.size()] = 0;
        *fileName = copy;
        return S_OK;
    }

private:
    ~ShellLink() { ComObjectDestroyed(); }

    ULONG references = 1;
    ShortcutFile link;
    std::u16string currentFile;
    bool dirty = false;
};
#pragma GCC diagnostic pop

}  // namespace

HRESULT CreateShellLink(REFIID riid, void** object) {
    auto* link = new (std::nothrow) ShellLink();
    if (link == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = link->QueryInterface(riid, object);
    link->Release();
    return result;
}

}  // namespace simdesk::detail
