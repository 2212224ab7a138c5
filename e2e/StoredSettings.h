// Vintra's stored settings and Startup shortcut as the driver sees them in
// the same user account: read, seeded and wiped between stories.
#pragma once

#include "Platform.h"

#include <optional>
#include <string>
#include <vector>

// Removes Software\Ostrelix\Vintra and the Startup shortcut: a fresh account.
void ForgetVintra();

// A value under Software\Ostrelix\Vintra\<section>; nothing when absent.
std::optional<std::wstring> StoredText(LPCWSTR section, LPCWSTR name);
std::optional<std::vector<BYTE>> StoredBytes(LPCWSTR section, LPCWSTR name);
bool SectionExists(LPCWSTR section);
bool CreateSection(LPCWSTR section);
bool StoreText(LPCWSTR section, LPCWSTR name, LPCWSTR value);

std::wstring StartupShortcutPath();
bool StartupShortcutExists();
