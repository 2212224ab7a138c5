#include "app/HotKeyHook.h"

#include "app/InserterApp.h"

namespace {

constexpr DWORD kMainRowTwo = 0x32;
constexpr WPARAM kAt = 0x40;
constexpr LPARAM kRepeatOnce = 1;
constexpr WORD kRussian = 0x0419;

bool IsDown(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x80) != 0;
}

bool TargetUsesRussianLayout(HWND target) {
    const HKL layout = GetKeyboardLayout(GetWindowThreadProcessId(target, nullptr));
    return LOWORD(reinterpret_cast<ULONG_PTR>(layout)) == kRussian;
}

}  // namespace

// Every key event of the desktop passes through here, so the cheap tests come
// first and the layout query and the post happen only for a full match.
LRESULT CALLBACK HotKeyHook(int code, WPARAM message, LPARAM event) {
    InserterApp& app = TheApp();
    auto* key = reinterpret_cast<KBDLLHOOKSTRUCT*>(event);
    const auto passOn = [&] { return CallNextHookEx(app.keyboardHook, code, message, event); };

    if (code < 0 || key == nullptr) return passOn();
    const bool keyDown = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    const bool keyUp = message == WM_KEYUP || message == WM_SYSKEYUP;
    if (!keyDown && !keyUp) return passOn();

    // The key code first: it turns away nearly every event of the desktop
    // before any call is made.
    if (LOBYTE(key->vkCode) != kMainRowTwo) return passOn();
    const HWND target = app.lastFocus;
    if (target == nullptr || !IsWindow(target)) return passOn();
    if (!IsDown(VK_SHIFT)) return passOn();

    const int required = app.hotKeyMode == 0 ? VK_LWIN : VK_MENU;
    const int forbidden = app.hotKeyMode == 0 ? VK_MENU : VK_LWIN;
    if (!IsDown(required) || IsDown(VK_CONTROL) || IsDown(forbidden)) return passOn();
    if (app.ruOnly && !TargetUsesRussianLayout(target)) return passOn();

    // The key-up of a matching combination is swallowed too, so the target
    // never sees a lone release of [2].
    if (keyUp) return 1;
    PostMessageW(target, WM_CHAR, kAt, kRepeatOnce);
    if (app.hotKeyMode == 1) {
        // With [Alt] the key-down travels on, without its key code: a key seen
        // between [Alt] down and up keeps the release of [Alt] from opening
        // the target window's menu.
        key->vkCode = 0;
        return passOn();
    }
    return 1;
}

void CALLBACK FocusTracker(HWINEVENTHOOK /*hook*/, DWORD event, HWND window, LONG /*objectId*/, LONG /*childId*/,
                           DWORD /*eventThread*/, DWORD /*eventTime*/) {
    if (event == EVENT_OBJECT_FOCUS) TheApp().lastFocus = window;
}
