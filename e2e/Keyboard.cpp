#include "e2e/Keyboard.h"

#include <vector>

namespace {

INPUT KeyEvent(WORD key, bool down) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    if (key == VK_LWIN || key == VK_RWIN) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
}

bool Send(std::vector<INPUT>& events) {
    const UINT count = static_cast<UINT>(events.size());
    return SendInput(count, events.data(), sizeof(INPUT)) == count;
}

}  // namespace

bool PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> events;
    for (WORD key : keys) events.push_back(KeyEvent(key, true));
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) events.push_back(KeyEvent(*key, false));
    return Send(events);
}

void ReleaseModifiers() {
    std::vector<INPUT> events;
    static const WORD keys[] = {'2', VK_CONTROL, VK_MENU, VK_SHIFT, VK_LWIN, VK_RWIN};
    for (WORD key : keys)
        if (GetAsyncKeyState(key) & 0x8000) events.push_back(KeyEvent(key, false));
    if (!events.empty()) Send(events);
}
