// kernel32 and shlwapi: folders and files on the simulated disk. The disk is
// a temporary folder of this desktop on the host; drive letters are its
// top-level folders, and names compare without regard to case as on NTFS.
// Simplified: relative paths, UNC paths and the "\\?\" prefix are not
// supported (the program always passes full paths from the shell).
#include "State.h"
#include "StorageState.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

namespace simdesk::detail {

namespace {

namespace fs = std::filesystem;

constexpr char16_t kUserProfile[] = u"C:\\Users\\User";
constexpr char16_t kAppData[] = u"C:\\Users\\User\\AppData\\Roaming";
constexpr char16_t kStartup[] = u"C:\\Users\\User\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";

struct Disk {
    fs::path root;
    std::vector<std::u16string> readOnlyFolders;  // folded, normalised

    ~Disk() { Remove(); }
    void Remove() {
        std::error_code ignored;
        if (!root.empty()) fs::remove_all(root, ignored);
        root.clear();
        readOnlyFolders.clear();
    }
};

Disk& TheDisk() {
    static Disk disk;
    return disk;
}

bool keepingStorage = false;

void CreateStandardFolders();

const fs::path& DiskRoot() {
    Disk& disk = TheDisk();
    if (disk.root.empty()) {
        std::error_code error;
        fs::path base = fs::temp_directory_path(error);
        if (error) base = "/tmp";
        std::string pattern = (base / "simdesk-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            disk.root = pattern;
            CreateStandardFolders();
        }
    }
    return disk.root;
}

void CreateStandardFolders() {
    for (const char16_t* folder : {kUserProfile, kAppData, kStartup, kWindowsFolder}) {
        ResolvedPath resolved;
        DWORD error = 0;
        std::error_code ignored;
        if (ResolvePath(folder, resolved, error)) fs::create_directories(resolved.host, ignored);
    }
}

bool IsSeparator(WCHAR c) {
    return c == u'\\' || c == u'/';
}

bool IsInvalidNameCharacter(WCHAR c) {
    return c < 32 || c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|' || c == u'?' || c == u'*';
}

// The name of an existing entry of `folder` equal to `name` but for case.
std::u16string ExistingSpelling(const fs::path& folder, const std::u16string& name) {
    std::error_code error;
    const std::u16string wanted = FoldCase(name);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::u16string candidate = ToUtf16(it->path().filename().string());
        if (FoldCase(candidate) == wanted) return candidate;
    }
    return name;
}

bool Fail(DWORD error) {
    SetLastError(error);
    return false;
}

struct Target {
    ResolvedPath path;
    bool isRoot = false;
};

bool Resolve(LPCWSTR path, Target& target) {
    DWORD error = 0;
    if (!ResolvePath(path, target.path, error)) return Fail(error);
    target.isRoot = target.path.windows.size() <= 3;
    return true;
}

}  // namespace

bool KeepingStorage() {
    return keepingStorage;
}

bool ResolvePath(LPCWSTR path, ResolvedPath& resolved, DWORD& error) {
    error = ERROR_PATH_NOT_FOUND;
    if (path == nullptr) return false;
    const std::u16string text(path);
    if (text.size() >= MAX_PATH) {
        error = ERROR_FILENAME_EXCED_RANGE;
        return false;
    }
    const bool hasDrive = text.size() >= 2 && text[1] == u':' &&
                          ((text[0] >= u'A' && text[0] <= u'Z') || (text[0] >= u'a' && text[0] <= u'z'));
    if (!hasDrive || (text.size() > 2 && !IsSeparator(text[2]))) return false;

    std::vector<std::u16string> names;
    std::u16string name;
    auto takeName = [&]() -> bool {
        if (name == u".") {
        } else if (name == u"..") {
            if (!names.empty()) names.pop_back();
        } else {
            // Win32 drops trailing dots and blanks of every name.
            while (!name.empty() && (name.back() == u'.' || name.back() == u' ')) name.pop_back();
            for (char16_t c : name)
                if (IsInvalidNameCharacter(c)) return false;
            if (!name.empty()) names.push_back(name);
        }
        name.clear();
        return true;
    };
    for (std::size_t i = 2; i <= text.size(); ++i) {
        if (i == text.size() || IsSeparator(text[i])) {
            if (!takeName()) {
                error = ERROR_INVALID_NAME;
                return false;
            }
        } else {
            name.push_back(text[i]);
        }
    }

    const fs::path& root = DiskRoot();
    if (root.empty()) return false;
    const char16_t drive = static_cast<char16_t>(text[0] >= u'a' ? text[0] - 32 : text[0]);
    resolved.host = root / std::string(1, static_cast<char>(drive));
    resolved.windows = std::u16string(1, drive) + u":";
    for (const std::u16string& part : names) {
        const std::u16string spelled = ExistingSpelling(resolved.host, part);
        resolved.host /= ToUtf8(spelled);
        resolved.windows += u"\\" + spelled;
    }
    if (names.empty()) resolved.windows += u"\\";
    return true;
}

bool IsWritable(const ResolvedPath& path) {
    const std::u16string folded = FoldCase(path.windows);
    for (const std::u16string& folder : TheDisk().readOnlyFolders) {
        if (folded.compare(0, folder.size(), folder) == 0 &&
            (folded.size() == folder.size() || folded[folder.size()] == u'\\'))
            return false;
    }
    return true;
}

bool ReadHostText(const fs::path& file, std::u16string& text, TextEncoding& encoding) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return false;
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    text.clear();
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
        encoding = TextEncoding::Utf16;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
            text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                 (static_cast<unsigned char>(bytes[i + 1]) << 8)));
        return true;
    }
    encoding = TextEncoding::Ansi;
    if (bytes.empty()) return true;
    const int length = static_cast<int>(bytes.size());
    text.resize(bytes.size());
    const int converted = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), length);
    text.resize(converted > 0 ? static_cast<std::size_t>(converted) : 0);
    return true;
}

bool WriteHostText(const fs::path& file, const std::u16string& text, TextEncoding encoding) {
    std::string bytes;
    if (encoding == TextEncoding::Utf16) {
        bytes = "\xFF\xFE";
        for (char16_t c : text) {
            bytes.push_back(static_cast<char>(c & 0xFF));
            bytes.push_back(static_cast<char>(c >> 8));
        }
    } else if (!text.empty()) {
        const int length = static_cast<int>(text.size());
        bytes.resize(text.size() * 2);
        const int converted =
            WideCharToMultiByte(CP_ACP, 0, text.data(), length, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
        bytes.resize(converted > 0 ? static_cast<std::size_t>(converted) : 0);
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

namespace {

// Files open for writing, by handle: the host file they append to.
struct OpenFiles {
    std::map<HANDLE, fs::path> files;
    // Far from the kernel object table's values, so the two never meet.
    std::uintptr_t next = 0x4000000;
};

OpenFiles& TheOpenFiles() {
    static OpenFiles open;
    return open;
}

const bool registered = [] {
    OnReset([] {
        TheOpenFiles().files.clear();
        if (!keepingStorage) TheDisk().Remove();
    });
    return true;
}();

}  // namespace

bool CloseFileHandle(HANDLE handle) {
    return TheOpenFiles().files.erase(handle) != 0;
}

namespace {

}  // namespace

}  // namespace simdesk::detail

using namespace simdesk::detail;
namespace fs = std::filesystem;

BOOL WINAPI CreateDirectoryW(LPCWSTR path, LPSECURITY_ATTRIBUTES /*security*/) {
    Target target;
    if (!Resolve(path, target)) return FALSE;
    std::error_code error;
    if (target.isRoot || fs::exists(target.path.host, error)) return Fail(ERROR_ALREADY_EXISTS);
    if (!fs::is_directory(target.path.host.parent_path(), error)) return Fail(ERROR_PATH_NOT_FOUND);
    if (!IsWritable(target.path)) return Fail(ERROR_ACCESS_DENIED);
    if (!fs::create_directory(target.path.host, error)) return Fail(ERROR_ACCESS_DENIED);
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

HANDLE WINAPI CreateFileW(LPCWSTR path, DWORD access, DWORD /*share*/, LPSECURITY_ATTRIBUTES /*security*/,
                          DWORD disposition, DWORD /*flags*/, HANDLE /*templateFile*/) {
    if (access != GENERIC_WRITE || disposition != CREATE_ALWAYS) {
        Fail(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    Target target;
    if (!Resolve(path, target)) return INVALID_HANDLE_VALUE;
    std::error_code error;
    if (target.isRoot || fs::is_directory(target.path.host, error)) {
        Fail(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    if (!fs::is_directory(target.path.host.parent_path(), error)) {
        Fail(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (!IsWritable(target.path) || !std::ofstream(target.path.host, std::ios::binary | std::ios::trunc)) {
        Fail(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    OpenFiles& open = TheOpenFiles();
    HANDLE handle = reinterpret_cast<HANDLE>(open.next += 4);
    open.files[handle] = target.path.host;
    SetLastError(ERROR_SUCCESS);
    return handle;
}

BOOL WINAPI WriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED /*overlapped*/) {
    if (written != nullptr) *written = 0;
    auto it = TheOpenFiles().files.find(file);
    if (it == TheOpenFiles().files.end()) return Fail(ERROR_INVALID_HANDLE);
    if (data == nullptr && size != 0) return Fail(ERROR_INVALID_PARAMETER);
    std::ofstream out(it->second, std::ios::binary | std::ios::app);
    if (size != 0) out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) return Fail(ERROR_ACCESS_DENIED);
    if (written != nullptr) *written = size;
    return TRUE;
}

BOOL WINAPI RemoveDirectoryW(LPCWSTR path) {
    Target target;
    if (!Resolve(path, target)) return FALSE;
    std::error_code error;
    if (!fs::exists(target.path.host, error)) return Fail(ERROR_FILE_NOT_FOUND);
    if (!fs::is_directory(target.path.host, error)) return Fail(ERROR_DIRECTORY);
    if (target.isRoot || !IsWritable(target.path)) return Fail(ERROR_ACCESS_DENIED);
    if (!fs::is_empty(target.path.host, error)) return Fail(ERROR_DIR_NOT_EMPTY);
    if (!fs::remove(target.path.host, error)) return Fail(ERROR_ACCESS_DENIED);
    return TRUE;
}

BOOL WINAPI DeleteFileW(LPCWSTR path) {
    Target target;
    if (!Resolve(path, target)) return FALSE;
    std::error_code error;
    if (!fs::exists(target.path.host, error)) return Fail(ERROR_FILE_NOT_FOUND);
    if (fs::is_directory(target.path.host, error) || !IsWritable(target.path)) return Fail(ERROR_ACCESS_DENIED);
    if (!fs::remove(target.path.host, error)) return Fail(ERROR_ACCESS_DENIED);
    return TRUE;
}

BOOL WINAPI PathFileExistsW(LPCWSTR path) {
    Target target;
    if (!Resolve(path, target)) return FALSE;
    std::error_code error;
    return fs::exists(target.path.host, error) ? TRUE : FALSE;
}

namespace simdesk {

std::u16string AppDataFolder() {
    return kAppData;
}

std::u16string StartupFolder() {
    return kStartup;
}

void WriteFileText(const std::u16string& path, const std::string& utf8) {
    ResolvedPath resolved;
    DWORD error = 0;
    if (!ResolvePath(path.c_str(), resolved, error)) return;
    std::error_code ignored;
    fs::create_directories(resolved.host.parent_path(), ignored);
    WriteHostText(resolved.host, ToUtf16(utf8), TextEncoding::Ansi);
}

bool ReadFileText(const std::u16string& path, std::string& utf8) {
    ResolvedPath resolved;
    DWORD error = 0;
    std::u16string text;
    TextEncoding encoding = TextEncoding::Ansi;
    if (!ResolvePath(path.c_str(), resolved, error) || !ReadHostText(resolved.host, text, encoding)) return false;
    utf8 = ToUtf8(text);
    return true;
}

bool FileExists(const std::u16string& path) {
    ResolvedPath resolved;
    DWORD error = 0;
    std::error_code ignored;
    return ResolvePath(path.c_str(), resolved, error) && fs::is_regular_file(resolved.host, ignored);
}

bool FolderExists(const std::u16string& path) {
    ResolvedPath resolved;
    DWORD error = 0;
    std::error_code ignored;
    return ResolvePath(path.c_str(), resolved, error) && fs::is_directory(resolved.host, ignored);
}

void MakeFolderReadOnly(const std::u16string& path) {
    ResolvedPath resolved;
    DWORD error = 0;
    if (ResolvePath(path.c_str(), resolved, error)) TheDisk().readOnlyFolders.push_back(FoldCase(resolved.windows));
}

void StartNextRun() {
    keepingStorage = true;
    Reset();
    keepingStorage = false;
}

}  // namespace simdesk
