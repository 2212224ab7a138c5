// user32: keyboard input, key state, layouts, low-level keyboard hooks and
// win-event hooks.
//
// Every hook of the simulated desktop belongs to the program's thread, which
// the desktop treats as waiting for messages whenever the control interface
// acts: hooks are therefore called at once, in the order the platform uses.
#include "State.h"
#include "simdesk/User.h"

#include <algorithm>
#include <array>

using namespace simdesk::detail;

namespace {

struct KeyboardHook {
    HHOOK handle = nullptr;
    HOOKPROC procedure = nullptr;
};

struct EventHook {
    HWINEVENTHOOK handle = nullptr;
    DWORD eventMin = 0;
    DWORD eventMax = 0;
    WINEVENTPROC procedure = nullptr;
    DWORD processId = 0;
    DWORD threadId = 0;
    DWORD flags = 0;
};

struct InputState {
    // Most recently installed first: the order the platform calls them in.
    std::vector<KeyboardHook> keyboardHooks;
    std::vector<EventHook> eventHooks;
    std::array<bool, 256> down{};
    std::array<bool, 256> toggled{};
    // Position in the chain of the hook now running, for CallNextHookEx.
    std::vector<std::size_t> chainPositions;
    std::uintptr_t nextHookValue = 0x30000;
};

InputState& Input() {
    static InputState input;
    return input;
}

const bool kRegistered = [] {
    OnReset([] { Input() = InputState{}; });
    return true;
}();

// The keyboard reports sided modifier keys; generic codes stand for the left one.
BYTE SidedKey(BYTE vk) {
    switch (vk) {
        case VK_SHIFT:
            return VK_LSHIFT;
        case VK_CONTROL:
            return VK_LCONTROL;
        case VK_MENU:
            return VK_LMENU;
        default:
            return vk;
    }
}

BYTE GenericKey(BYTE vk) {
    switch (vk) {
        case VK_LSHIFT:
        case VK_RSHIFT:
            return VK_SHIFT;
        case VK_LCONTROL:
        case VK_RCONTROL:
            return VK_CONTROL;
        case VK_LMENU:
        case VK_RMENU:
            return VK_MENU;
        default:
            return 0;
    }
}

bool IsExtendedKey(BYTE vk) {
    return vk == VK_RCONTROL || vk == VK_RMENU || vk == VK_LWIN || vk == VK_RWIN;
}

// Scan codes of a PC keyboard's set 1, as far as the tests press keys.
DWORD ScanCode(BYTE vk) {
    if (vk >= '1' && vk <= '9') return 0x02u + (vk - '1');
    switch (vk) {
        case '0':
            return 0x0B;
        case VK_LSHIFT:
            return 0x2A;
        case VK_RSHIFT:
            return 0x36;
        case VK_LCONTROL:
        case VK_RCONTROL:
            return 0x1D;
        case VK_LMENU:
        case VK_RMENU:
            return 0x38;
        case VK_LWIN:
            return 0x5B;
        case VK_RWIN:
            return 0x5C;
        case VK_NUMPAD2:
            return 0x50;
        case VK_RETURN:
            return 0x1C;
        case VK_ESCAPE:
            return 0x01;
        case VK_SPACE:
            return 0x39;
        default:
            return 0;
    }
}

void SetDown(BYTE vk, bool down) {
    auto& input = Input();
    if (down && !input.down[vk]) input.toggled[vk] = !input.toggled[vk];
    input.down[vk] = down;
    if (BYTE generic = GenericKey(vk)) {
        const BYTE left = SidedKey(generic);
        const BYTE right = static_cast<BYTE>(left + 1);
        input.down[generic] = input.down[left] || input.down[right];
    }
}

LRESULT CallChainFrom(std::size_t position, int code, WPARAM wParam, LPARAM lParam) {
    auto& input = Input();
    if (position >= input.keyboardHooks.size()) return 0;
    const KeyboardHook hook = input.keyboardHooks[position];
    input.chainPositions.push_back(position);
    const LRESULT result = hook.procedure(code, wParam, lParam);
    input.chainPositions.pop_back();
    return result;
}

// One key event from the keyboard: hooks, then key state and the message.
void KeyEvent(BYTE key, bool up, DWORD extraFlags, WCHAR packet = 0) {
    (void)kRegistered;
    const BYTE vk = SidedKey(key);
    const bool wasDown = Input().down[vk];
    const bool altDown = Input().down[VK_MENU] || (!up && (vk == VK_LMENU || vk == VK_RMENU));
    const bool ctrlDown = Input().down[VK_CONTROL];
    const bool system = (altDown && !ctrlDown) || vk == VK_F10;
    const UINT message = up ? (system ? WM_SYSKEYUP : WM_KEYUP) : (system ? WM_SYSKEYDOWN : WM_KEYDOWN);

    KBDLLHOOKSTRUCT event = {};
    event.vkCode = vk;
    event.scanCode = vk == VK_PACKET ? packet : ScanCode(vk);
    event.flags = extraFlags | (IsExtendedKey(vk) ? LLKHF_EXTENDED : 0u) | (altDown ? LLKHF_ALTDOWN : 0u) |
                  (up ? LLKHF_UP : 0u);
    event.time = Now();
    // Hooks may change their copy of the event for the hooks after them; the
    // key that reaches the window stays the one that was pressed.
    KBDLLHOOKSTRUCT hooksCopy = event;
    if (CallChainFrom(0, HC_ACTION, message, reinterpret_cast<LPARAM>(&hooksCopy)) != 0) return;

    SetDown(vk, !up);
    Window* focus = FindWindow(State().focus);
    if (focus == nullptr) return;
    const WPARAM delivered = GenericKey(vk) != 0 ? GenericKey(vk) : vk;
    LPARAM keyData = 1 | (static_cast<LPARAM>(event.scanCode & 0xFF) << 16);
    // A typed character travels with its VK_PACKET key (see TranslateMessage).
    if (vk == VK_PACKET) keyData = static_cast<LPARAM>(static_cast<std::uint64_t>(keyData) | (std::uint64_t{packet} << 32));
    if (IsExtendedKey(vk)) keyData |= LPARAM{1} << 24;
    if (altDown) keyData |= LPARAM{1} << 29;
    if (wasDown || up) keyData |= LPARAM{1} << 30;
    if (up) keyData |= LPARAM{1} << 31;
    Post(*focus, message, delivered, keyData);
}

HKL LayoutHandle(DWORD layout) {
    return reinterpret_cast<HKL>(static_cast<std::uintptr_t>(layout));
}

}  // namespace

namespace simdesk::detail {

void RaiseWinEvent(DWORD event, HWND handle, LONG objectId, LONG childId) {
    Window* window = FindWindow(handle);
    const DWORD processId = window != nullptr ? window->processId : 0;
    const DWORD threadId = window != nullptr ? window->threadId : 0;
    // Copy: a hook procedure may install or remove hooks.
    const std::vector<EventHook> hooks = Input().eventHooks;
    for (const EventHook& hook : hooks) {
        if (event < hook.eventMin || event > hook.eventMax) continue;
        if (hook.processId != 0 && hook.processId != processId) continue;
        if (hook.threadId != 0 && hook.threadId != threadId) continue;
        if ((hook.flags & WINEVENT_SKIPOWNPROCESS) != 0 && processId == kProgramProcessId) continue;
        if ((hook.flags & WINEVENT_SKIPOWNTHREAD) != 0 && threadId == kProgramThreadId) continue;
        hook.procedure(hook.handle, event, handle, objectId, childId, threadId, Now());
    }
}

}  // namespace simdesk::detail

HHOOK WINAPI SetWindowsHookExW(int hookId, HOOKPROC procedure, HINSTANCE module, DWORD threadId) {
    if (hookId != WH_KEYBOARD_LL || procedure == nullptr || threadId != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // Global hooks need the module that holds the procedure.
    if (module == nullptr) {
        SetLastError(ERROR_HOOK_NEEDS_HMOD);
        return nullptr;
    }
    auto& input = Input();
    input.nextHookValue += 4;
    HHOOK handle = reinterpret_cast<HHOOK>(input.nextHookValue);
    input.keyboardHooks.insert(input.keyboardHooks.begin(), KeyboardHook{handle, procedure});
    return handle;
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hook) {
    auto& hooks = Input().keyboardHooks;
    auto found = std::find_if(hooks.begin(), hooks.end(), [hook](const KeyboardHook& h) { return h.handle == hook; });
    if (found == hooks.end()) {
        SetLastError(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    hooks.erase(found);
    return TRUE;
}

// The hook argument is ignored, as on the platform: the chain position is the
// desktop's own bookkeeping.
LRESULT WINAPI CallNextHookEx(HHOOK /*hook*/, int code, WPARAM wParam, LPARAM lParam) {
    auto& input = Input();
    if (input.chainPositions.empty()) return 0;
    return CallChainFrom(input.chainPositions.back() + 1, code, wParam, lParam);
}

HWINEVENTHOOK WINAPI SetWinEventHook(DWORD eventMin, DWORD eventMax, HMODULE module, WINEVENTPROC procedure,
                                     DWORD processId, DWORD threadId, DWORD flags) {
    if (procedure == nullptr || eventMin > eventMax || ((flags & WINEVENT_INCONTEXT) != 0 && module == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto& input = Input();
    input.nextHookValue += 4;
    HWINEVENTHOOK handle = reinterpret_cast<HWINEVENTHOOK>(input.nextHookValue);
    input.eventHooks.push_back(EventHook{handle, eventMin, eventMax, procedure, processId, threadId, flags});
    return handle;
}

BOOL WINAPI UnhookWinEvent(HWINEVENTHOOK hook) {
    auto& hooks = Input().eventHooks;
    auto found = std::find_if(hooks.begin(), hooks.end(), [hook](const EventHook& h) { return h.handle == hook; });
    if (found == hooks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    hooks.erase(found);
    return TRUE;
}

// The platform answers 0xFF80 (high bit and more) for a key that is down, and
// bit 0 for a toggled key.
SHORT WINAPI GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 255) return 0;
    const auto& input = Input();
    const int down = input.down[static_cast<std::size_t>(virtualKey)] ? 0xFF80 : 0;
    const int toggled = input.toggled[static_cast<std::size_t>(virtualKey)] ? 1 : 0;
    return static_cast<SHORT>(down | toggled);
}

SHORT WINAPI GetAsyncKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 255) return 0;
    return static_cast<SHORT>(Input().down[static_cast<std::size_t>(virtualKey)] ? 0x8000 : 0);
}

HKL WINAPI GetKeyboardLayout(DWORD threadId) {
    Thread* thread = FindThread(threadId == 0 ? GetCurrentThreadId() : threadId);
    return thread != nullptr ? LayoutHandle(thread->layout) : nullptr;
}

UINT WINAPI SendInput(UINT count, LPINPUT inputs, int size) {
    if (inputs == nullptr || size != static_cast<int>(sizeof(INPUT))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    for (UINT i = 0; i < count; ++i) {
        if (inputs[i].type != INPUT_KEYBOARD) continue;
        const KEYBDINPUT& key = inputs[i].ki;
        KeyEvent(static_cast<BYTE>(key.wVk), (key.dwFlags & KEYEVENTF_KEYUP) != 0, LLKHF_INJECTED);
    }
    return count;
}

namespace simdesk {

void KeyDown(BYTE virtualKey) {
    KeyEvent(virtualKey, false, 0);
}

void KeyUp(BYTE virtualKey) {
    KeyEvent(virtualKey, true, 0);
}

void PressKeys(std::initializer_list<BYTE> keys) {
    for (BYTE key : keys) KeyDown(key);
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) KeyUp(*it);
}

void TypeText(const std::u16string& text) {
    for (WCHAR c : text) {
        KeyEvent(VK_PACKET, false, 0, c);
        KeyEvent(VK_PACKET, true, 0, c);
    }
}

bool IsKeyDown(BYTE virtualKey) {
    return Input().down[SidedKey(virtualKey)];
}

}  // namespace simdesk
