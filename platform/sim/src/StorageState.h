// Shared internals of the simulated storage: the desktop's folder on the host,
// Windows path resolution onto it, and the reset rules of registry and files.
#pragma once

#include "CaseFolding.h"
#include "simdesk/Storage.h"

#include <filesystem>
#include <string>

namespace simdesk::detail {

// True while StartNextRun resets the desktop: the storage keeps its contents.
bool KeepingStorage();

// A Windows path resolved onto the host.
struct ResolvedPath {
    std::filesystem::path host;
    // Normalised Windows form, "C:\Users\User", with the case of existing names.
    std::u16string windows;
};

// Resolves an absolute path with a drive letter ("C:\..." or "C:/..."):
// repeated separators collapse, "." and ".." are applied, trailing dots and
// blanks of a name are dropped, existing names match without regard to case.
// On failure returns false with the Win32 error code the platform gives.
bool ResolvePath(LPCWSTR path, ResolvedPath& resolved, DWORD& error);
// ERROR_ACCESS_DENIED when the user made this place or a folder above it
// read-only.
bool IsWritable(const ResolvedPath& path);

// Text files as the private-profile functions read and write them: UTF-16LE
// when the file starts with its byte-order mark, the ANSI code page otherwise.
enum class TextEncoding { Ansi, Utf16 };
bool ReadHostText(const std::filesystem::path& file, std::u16string& text, TextEncoding& encoding);
bool WriteHostText(const std::filesystem::path& file, const std::u16string& text, TextEncoding encoding);

// Closes a handle of CreateFileW; false when it is none.
bool CloseFileHandle(HANDLE handle);

// The private-profile functions look for a bare file name in this folder.
constexpr char16_t kWindowsFolder[] = u"C:\\Windows";

}  // namespace simdesk::detail
