// Reading and writing the simulated shell link's files, and the control
// interface's view of them.
#include "ShellLinkFile.h"

#include "simdesk/Desktop.h"
#include "StorageState.h"

#include <fstream>
#include <sstream>

namespace simdesk::detail {

namespace {

constexpr char kHeader[] = "[simulated shell link]";

std::string Escape(const std::u16string& value) {
    std::string out;
    for (char c : ToUtf8(value)) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out.push_back(c);
    }
    return out;
}

std::u16string Unescape(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out.push_back(value[i]);
            continue;
        }
        const char next = value[++i];
        out.push_back(next == 'n' ? '\n' : next == 'r' ? '\r' : next);
    }
    return ToUtf16(out);
}

}  // namespace

bool WriteLinkFile(const std::filesystem::path& host, const ShortcutFile& shortcut) {
    std::ofstream file(host, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file << kHeader << "\n"
         << "Target=" << Escape(shortcut.target) << "\n"
         << "WorkingDirectory=" << Escape(shortcut.workingDirectory) << "\n"
         << "Description=" << Escape(shortcut.description) << "\n"
         << "Arguments=" << Escape(shortcut.arguments) << "\n";
    file.close();
    return !file.fail();
}

bool ReadLinkFile(const std::filesystem::path& host, ShortcutFile& shortcut) {
    std::ifstream file(host, std::ios::binary);
    if (!file) return false;
    std::string line;
    if (!std::getline(file, line) || line != kHeader) return false;
    ShortcutFile read;
    while (std::getline(file, line)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) return false;
        const std::string name = line.substr(0, equals);
        const std::u16string value = Unescape(line.substr(equals + 1));
        if (name == "Target") read.target = value;
        else if (name == "WorkingDirectory") read.workingDirectory = value;
        else if (name == "Description") read.description = value;
        else if (name == "Arguments") read.arguments = value;
        else return false;
    }
    shortcut = read;
    return true;
}

}  // namespace simdesk::detail

namespace simdesk {

bool ReadShortcut(const std::u16string& path, ShortcutFile& shortcut) {
    detail::ResolvedPath resolved;
    DWORD error = 0;
    if (!detail::ResolvePath(path.c_str(), resolved, error)) return false;
    return detail::ReadLinkFile(resolved.host, shortcut);
}

void WriteShortcut(const std::u16string& path, const ShortcutFile& shortcut) {
    detail::ResolvedPath resolved;
    DWORD error = 0;
    if (!detail::ResolvePath(path.c_str(), resolved, error)) return;
    std::error_code ignored;
    std::filesystem::create_directories(resolved.host.parent_path(), ignored);
    detail::WriteLinkFile(resolved.host, shortcut);
}

}  // namespace simdesk
