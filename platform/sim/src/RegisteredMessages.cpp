// user32: message numbers registered by name, shared by every program on the
// desktop. Like the platform's atoms they outlive the programs that
// registered them, so a reset keeps them.
#include "CaseFolding.h"
#include "State.h"

#include <map>

using namespace simdesk::detail;

namespace {

// The platform's range for registered messages.
constexpr UINT kFirstRegistered = 0xC000;
constexpr UINT kLastRegistered = 0xFFFF;

std::map<std::u16string, UINT>& Registered() {
    static std::map<std::u16string, UINT> registered;
    return registered;
}

}  // namespace

UINT WINAPI RegisterWindowMessageW(LPCWSTR name) {
    if (name == nullptr || name[0] == 0) return 0;
    const std::u16string key = FoldCase(std::u16string(name));
    auto found = Registered().find(key);
    if (found != Registered().end()) return found->second;
    const UINT next = kFirstRegistered + static_cast<UINT>(Registered().size());
    if (next > kLastRegistered) return 0;
    Registered().emplace(key, next);
    return next;
}
