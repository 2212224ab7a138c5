// Control interface of the simulated desktop's processes, COM and shell
// links: what a test reads to judge the program's bookkeeping (handles it
// left open, COM initialisations it did not undo, objects it did not
// release) and what a user would see in a shortcut's properties.
#pragma once

#include "simwin/Win32.h"

#include <string>

namespace simdesk {

// --- Shell links ------------------------------------------------------------
// What the properties of a shortcut file show. The simulated link object
// writes a file format of its own (not the platform's binary one); only it
// and this reader understand it.
struct ShortcutFile {
    std::u16string target;
    std::u16string workingDirectory;
    std::u16string description;
    std::u16string arguments;
};
// False when the file does not exist or is not a shortcut.
bool ReadShortcut(const std::u16string& path, ShortcutFile& shortcut);
// Writes a shortcut as the shell would, the parent folders created.
void WriteShortcut(const std::u16string& path, const ShortcutFile& shortcut);

// --- COM ----------------------------------------------------------------
// How many CoInitialize calls of the calling thread are not yet undone.
int ComInitialisations();
// COM objects created and not yet released to zero references.
int LiveComObjects();

// --- Processes ------------------------------------------------------------
// Process handles the program holds open (pseudo-handles not counted).
int OpenProcessHandles();
// How many times the program's own working set was trimmed.
int WorkingSetTrims();

}  // namespace simdesk
