// The program's stored settings as a story reads and seeds them: values under
// the current user's Software\Ostrelix\Vintra, and the Startup shortcut.
#pragma once

#include "Platform.h"

#include <optional>
#include <string>
#include <vector>

std::optional<std::u16string> StoredText(const std::u16string& section, const std::u16string& name);
std::optional<std::vector<BYTE>> StoredBytes(const std::u16string& section, const std::u16string& name);
bool StoredSectionExists(const std::u16string& section);
bool StoreText(const std::u16string& section, const std::u16string& name, const std::u16string& value);
bool StoreValue(const std::u16string& section, const std::u16string& name, DWORD type, const void* data, DWORD size);
bool StartupShortcutExists();
// Removes Software\Ostrelix\Vintra with everything in it.
void ForgetStoredSettings();

std::u16string ToText(int number);

// Every value a normal exit leaves with the initial options, and nothing
// else: the table of stored values.
void ExpectStoredAsAfterANormalExit();
