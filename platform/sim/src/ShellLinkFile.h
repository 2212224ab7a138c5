// The file format of the simulated shell link: a small UTF-8 text of its own
// (not the platform's binary format), one "Name=value" line per field, with
// backslashes and line breaks in values escaped.
#pragma once

#include "simdesk/Shell.h"

#include <filesystem>

namespace simdesk::detail {

bool WriteLinkFile(const std::filesystem::path& host, const ShortcutFile& shortcut);
// False when the file cannot be read or is not such a text.
bool ReadLinkFile(const std::filesystem::path& host, ShortcutFile& shortcut);

}  // namespace simdesk::detail
