// Control interface of the simulated desktop's storage: what a user could
// see or do in the registry editor and the file manager, and the moment one
// run of the program ends and the next begins.
//
// The registry and the files live as long as the desktop: simdesk::Reset()
// gives an empty registry and a fresh disk. Files are real files in a
// temporary folder of this desktop (made on first use, removed by Reset and
// when the test process ends); Windows paths such as
// C:\Users\User\AppData\Roaming map onto it, with names compared without
// regard to case.
#pragma once

#include "simwin/Win32.h"

#include <string>
#include <vector>

namespace simdesk {

// --- Runs of the program -------------------------------------------------
// The program's run ends and the next one starts on the same desktop: its
// windows, hooks, queues and open registry handles are gone, while the
// registry and every file stay as the first run left them. (Two runs share
// one test process; a second process cannot attach to this desktop.)
void StartNextRun();

// --- Registry (HKEY_CURRENT_USER) ----------------------------------------
// Stores a value as another program might, of any type and with any bytes,
// creating the keys along the path. Paths are relative to HKEY_CURRENT_USER.
void SetRegistryValue(const std::u16string& keyPath, const std::u16string& name, DWORD type,
                      const std::vector<BYTE>& data);
// A REG_SZ value with its terminating NUL, as the program writes one.
void SetRegistryText(const std::u16string& keyPath, const std::u16string& name, const std::u16string& text);
bool RegistryKeyExists(const std::u16string& keyPath);
// The value's bytes and type; false when the key or value does not exist.
bool GetRegistryValue(const std::u16string& keyPath, const std::u16string& name, DWORD& type,
                      std::vector<BYTE>& data);
// The whole hive as text, one key per line ("Software\Firm\App") followed by
// its values ("  Name = REG_SZ \"text\"", other types as hex bytes), keys and
// values in alphabetical order. An empty hive gives an empty text.
std::string DumpRegistry();
// Registry handles the program holds open right now.
int OpenRegistryKeyCount();

// --- Files and folders ----------------------------------------------------
std::u16string AppDataFolder();
std::u16string StartupFolder();

// The file's text as a text editor saving in the system's ANSI code page
// would store it (the parent folders are created).
void WriteFileText(const std::u16string& path, const std::string& utf8);
// The file's text, decoded as the private-profile functions read it (UTF-16
// with a byte-order mark, the ANSI code page otherwise); false if there is
// no such file.
bool ReadFileText(const std::u16string& path, std::string& utf8);
bool FileExists(const std::u16string& path);
bool FolderExists(const std::u16string& path);
// The user may not change anything inside this folder or below it: no file
// or folder can be created, written or deleted there (ERROR_ACCESS_DENIED).
void MakeFolderReadOnly(const std::u16string& path);
// The shell cannot name this special folder (CSIDL_APPDATA, CSIDL_STARTUP):
// SHGetFolderPathW fails for it.
void MakeShellFolderUnavailable(int csidl);

}  // namespace simdesk
