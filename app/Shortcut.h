// Writing a shell shortcut through the shell's link object.
#pragma once

#include "Platform.h"

// Creates (or overwrites) the shortcut `shortcutPath` to `target`, starting
// in the target's folder (the text before its last backslash, or nothing),
// with `description` as its comment. Returns the link object's result:
// that of saving, or of the step that failed before it.
HRESULT CreateShortcut(LPCWSTR target, LPCWSTR shortcutPath, LPCWSTR description);
