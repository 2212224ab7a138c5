// The key combination that types "@", seen from the user's side: another
// program's window has the focus, the user presses keys, and that window
// either receives the character or the keys it typed.
#include "app/HotKeyHook.h"
#include "support/ProgramFixture.h"

#include <string>
#include <vector>

namespace {

constexpr BYTE kTwo = '2';
constexpr WPARAM kAt = 0x40;

struct KeyStroke {
    BYTE key;
    bool down;
};

KeyStroke Down(BYTE key) {
    return {key, true};
}
KeyStroke Up(BYTE key) {
    return {key, false};
}

LRESULT HotKeyHookForTest(int code, WPARAM message, KBDLLHOOKSTRUCT* event) {
    return HotKeyHook(code, message, reinterpret_cast<LPARAM>(event));
}

void Type(const std::vector<KeyStroke>& strokes) {
    for (const KeyStroke& s : strokes) s.down ? simdesk::KeyDown(s.key) : simdesk::KeyUp(s.key);
}

int KeyMessages(HWND window, BYTE key, bool down) {
    return simdesk::CountReceived(window, down ? WM_KEYDOWN : WM_KEYUP, key) +
           simdesk::CountReceived(window, down ? WM_SYSKEYDOWN : WM_SYSKEYUP, key);
}

class HotKeyTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(app().InitInstance());
        editor = simdesk::StartOtherProgram("editor");
        editorWindow = simdesk::OpenWindow(editor, "Editor");
        simdesk::Focus(editorWindow);
    }

    int AtsIn(HWND window) { return simdesk::CountReceived(window, WM_CHAR, kAt); }

    simdesk::OtherProgram editor;
    HWND editorWindow = nullptr;
};

TEST_F(HotKeyTest, CombinationsAndWhatTheTargetReceives) {
    struct Case {
        const char* what;
        int mode;
        bool ruOnly;
        DWORD layout;
        std::vector<KeyStroke> strokes;
        int ats;
        int twoDowns;  // key-downs of [2] that reached the window
        int twoUps;
    };
    const DWORD us = simdesk::kLayoutEnglishUs;
    const DWORD ru = simdesk::kLayoutRussian;
    const std::vector<KeyStroke> winShiftTwo = {Down(VK_LWIN), Down(VK_SHIFT), Down(kTwo), Up(kTwo), Up(VK_SHIFT), Up(VK_LWIN)};
    const std::vector<KeyStroke> altShiftTwo = {Down(VK_MENU), Down(VK_SHIFT), Down(kTwo), Up(kTwo), Up(VK_SHIFT), Up(VK_MENU)};
    const Case cases[] = {
        {"mode 0: [Left Win]+[Shift]+[2] types @, swallows [2]", 0, false, us, winShiftTwo, 1, 0, 0},
        {"mode 0: [Right Win] is not the combination", 0, false, us,
         {Down(VK_RWIN), Down(VK_SHIFT), Down(kTwo), Up(kTwo), Up(VK_SHIFT), Up(VK_RWIN)}, 0, 1, 1},
        {"mode 0: without [Shift]", 0, false, us, {Down(VK_LWIN), Down(kTwo), Up(kTwo), Up(VK_LWIN)}, 0, 1, 1},
        {"mode 0: [Alt] is forbidden", 0, false, us,
         {Down(VK_MENU), Down(VK_LWIN), Down(VK_SHIFT), Down(kTwo), Up(kTwo), Up(VK_SHIFT), Up(VK_LWIN), Up(VK_MENU)}, 0, 1, 1},
        {"mode 0: [Ctrl] is forbidden", 0, false, us,
         {Down(VK_CONTROL), Down(VK_LWIN), Down(VK_SHIFT), Down(kTwo), Up(kTwo), Up(VK_SHIFT), Up(VK_LWIN), Up(VK_CONTROL)}, 0, 1, 1},
        {"mode 0: [Alt] alone does nothing", 0, false, us, altShiftTwo, 0, 1, 1},
        // The key-down goes on in [Alt] mode; only the hooks after the program's
        // see it without its code (see HotKeyChainTest below).
        {"mode 1: [Alt]+[Shift]+[2] types @ and swallows the key-up", 1, false, us, altShiftTwo, 1, 1, 0},
        {"mode 1: [Left Win] is forbidden", 1, false, us,
         {Down(VK_LWIN), Down(VK_MENU), Down(VK_SHIFT), Down(kTwo), Up(kTwo), Up(VK_SHIFT), Up(VK_MENU), Up(VK_LWIN)}, 0, 1, 1},
        {"mode 1: [AltGr] reports [Ctrl]+[Alt]", 1, false, us,
         {Down(VK_LCONTROL), Down(VK_RMENU), Down(VK_SHIFT), Down(kTwo), Up(kTwo), Up(VK_SHIFT), Up(VK_RMENU), Up(VK_LCONTROL)}, 0, 1, 1},
        {"mode 1: the right [Alt] counts as [Alt]", 1, false, us,
         {Down(VK_RMENU), Down(VK_SHIFT), Down(kTwo), Up(kTwo), Up(VK_SHIFT), Up(VK_RMENU)}, 1, 1, 0},
        {"mode 0: the right [Shift] counts as [Shift]", 0, false, us,
         {Down(VK_LWIN), Down(VK_RSHIFT), Down(kTwo), Up(kTwo), Up(VK_RSHIFT), Up(VK_LWIN)}, 1, 0, 0},
        {"any mode value but 0 means [Alt], though only 1 passes the key on", 7, false, us, altShiftTwo, 1, 0, 0},
        {"the keypad's 2 is another key", 0, false, us,
         {Down(VK_LWIN), Down(VK_SHIFT), Down(VK_NUMPAD2), Up(VK_NUMPAD2), Up(VK_SHIFT), Up(VK_LWIN)}, 0, 0, 0},
        {"auto-repeat types one @ per key-down", 0, false, us,
         {Down(VK_LWIN), Down(VK_SHIFT), Down(kTwo), Down(kTwo), Down(kTwo), Up(kTwo), Up(VK_SHIFT), Up(VK_LWIN)}, 3, 0, 0},
        {"Russian only: a US layout gets the plain key", 0, true, us, winShiftTwo, 0, 1, 1},
        {"Russian only: a Russian layout gets @", 0, true, ru, winShiftTwo, 1, 0, 0},
        {"no restriction: a Russian layout gets @ too", 0, false, ru, winShiftTwo, 1, 0, 0},
        {"a matching key-up without its key-down is swallowed", 0, false, us,
         {Down(kTwo), Down(VK_LWIN), Down(VK_SHIFT), Up(kTwo), Up(VK_SHIFT), Up(VK_LWIN)}, 0, 1, 0},
        {"modifiers released before [2]: its key-up passes", 0, false, us,
         {Down(VK_LWIN), Down(VK_SHIFT), Down(kTwo), Up(VK_SHIFT), Up(VK_LWIN), Up(kTwo)}, 1, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND target = simdesk::OpenWindow(editor, c.what);
        simdesk::SetKeyboardLayout(editor.threadId, c.layout);
        simdesk::Focus(target);
        app().hotKeyMode = c.mode;
        app().ruOnly = c.ruOnly;

        Type(c.strokes);

        EXPECT_EQ(AtsIn(target), c.ats);
        EXPECT_EQ(KeyMessages(target, kTwo, true), c.twoDowns);
        EXPECT_EQ(KeyMessages(target, kTwo, false), c.twoUps);
        for (BYTE key : {VK_SHIFT, VK_MENU, VK_CONTROL, VK_LWIN, VK_RWIN, VK_NUMPAD2})
            EXPECT_FALSE(simdesk::IsKeyDown(key)) << "key left down: " << int(key);
        // A swallowed key-up leaves [2] down, as the platform's key state does.
        if (simdesk::IsKeyDown(kTwo)) simdesk::KeyUp(kTwo);
        simdesk::CloseWindow(target);
    }
}

TEST_F(HotKeyTest, TheCharacterIsPostedAsOneTypedAt) {
    simdesk::PressKeys({VK_LWIN, VK_SHIFT, kTwo});
    const auto& received = simdesk::ReceivedMessages(editorWindow);
    int chars = 0;
    for (const MSG& m : received) {
        if (m.message != WM_CHAR) continue;
        ++chars;
        EXPECT_EQ(m.wParam, kAt);
        EXPECT_EQ(m.lParam, 1) << "repeat count 1, no other bits";
    }
    EXPECT_EQ(chars, 1);
}

// Records what the hook after the program's sees.
std::vector<KBDLLHOOKSTRUCT> seenByNextHook;
LRESULT CALLBACK RecordingHook(int code, WPARAM message, LPARAM event) {
    if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN))
        seenByNextHook.push_back(*reinterpret_cast<KBDLLHOOKSTRUCT*>(event));
    return CallNextHookEx(nullptr, code, message, event);
}

TEST(HotKeyChainTest, AltModePassesTheKeyDownOnWithoutItsCode) {
    simdesk::Reset();
    RestartProgramObject();
    MarkStartedBefore();
    seenByNextHook.clear();
    // Installed first, so called after the program's hook.
    HHOOK recorder = SetWindowsHookExW(WH_KEYBOARD_LL, RecordingHook, GetModuleHandleW(nullptr), 0);
    ASSERT_NE(recorder, nullptr);
    ASSERT_TRUE(TheApp().InitInstance());
    TheApp().hotKeyMode = 1;
    const auto editor = simdesk::StartOtherProgram("editor");
    HWND window = simdesk::OpenWindow(editor);
    simdesk::Focus(window);

    simdesk::PressKeys({VK_MENU, VK_SHIFT, '2'});

    ASSERT_EQ(seenByNextHook.size(), 3u);
    EXPECT_EQ(seenByNextHook[0].vkCode, DWORD{VK_LMENU});
    EXPECT_EQ(seenByNextHook[1].vkCode, DWORD{VK_LSHIFT});
    EXPECT_EQ(seenByNextHook[2].vkCode, 0u);
    EXPECT_EQ(simdesk::CountReceived(window, WM_CHAR, 0x40), 1);

    TheApp().RemoveHooks();
    UnhookWindowsHookEx(recorder);
    simdesk::Reset();
}

TEST_F(HotKeyTest, OwnWindowsDoNotBecomeTheTarget) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = TEXT("VintraTestWindow");
    ASSERT_NE(RegisterClassExW(&windowClass), 0);
    HWND own = CreateWindowExW(0, TEXT("VintraTestWindow"), TEXT("Own"), WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                               nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(own, nullptr);

    simdesk::Focus(own);
    simdesk::PressKeys({VK_LWIN, VK_SHIFT, kTwo});

    EXPECT_EQ(app().lastFocus, editorWindow);
    EXPECT_EQ(AtsIn(editorWindow), 1);
    DestroyWindow(own);
}

TEST_F(HotKeyTest, ADestroyedTargetLetsKeysPassUntilFocusMoves) {
    simdesk::CloseWindow(editorWindow);
    const auto browser = simdesk::StartOtherProgram("browser");
    HWND addressBox = simdesk::OpenWindow(browser, "Address");

    // The browser's window exists but never got the focus: nothing is typed anywhere.
    simdesk::PressKeys({VK_LWIN, VK_SHIFT, kTwo});
    EXPECT_EQ(AtsIn(addressBox), 0);

    simdesk::Focus(addressBox);
    simdesk::PressKeys({VK_LWIN, VK_SHIFT, kTwo});
    EXPECT_EQ(AtsIn(addressBox), 1);
}

TEST_F(HotKeyTest, InstallingTwiceKeepsOneHook) {
    EXPECT_FALSE(app().InstallHooks());
    simdesk::PressKeys({VK_LWIN, VK_SHIFT, kTwo});
    EXPECT_EQ(AtsIn(editorWindow), 1);
}

TEST_F(HotKeyTest, AfterRemovingTheHooksKeysPassAndFocusIsNotTracked) {
    EXPECT_TRUE(app().RemoveHooks());
    EXPECT_EQ(app().keyboardHook, nullptr);
    EXPECT_EQ(app().focusHook, nullptr);
    const auto browser = simdesk::StartOtherProgram("browser");
    HWND addressBox = simdesk::OpenWindow(browser, "Address");
    simdesk::Focus(addressBox);

    simdesk::PressKeys({VK_LWIN, VK_SHIFT, kTwo});

    EXPECT_EQ(app().lastFocus, editorWindow);
    EXPECT_EQ(AtsIn(addressBox), 0);
    EXPECT_EQ(KeyMessages(addressBox, kTwo, true), 1);
    // Unhooking again fails; RemoveHooks still reports success.
    EXPECT_TRUE(app().RemoveHooks());
}

TEST_F(HotKeyTest, FocusTrackerTakesEveryFocusEventAsItComes) {
    const auto browser = simdesk::StartOtherProgram("browser");
    HWND addressBox = simdesk::OpenWindow(browser, "Address");
    simdesk::Focus(addressBox);
    EXPECT_EQ(app().lastFocus, addressBox);
    simdesk::Focus(editorWindow);
    EXPECT_EQ(app().lastFocus, editorWindow);
}

TEST_F(HotKeyTest, BrokenEventsArePassedOn) {
    // A negative code and a missing event structure go straight to the next hook.
    EXPECT_EQ(CallNextHookEx(nullptr, -1, WM_KEYDOWN, 0), 0);
    KBDLLHOOKSTRUCT event = {};
    event.vkCode = kTwo;
    simdesk::KeyDown(VK_LWIN);
    simdesk::KeyDown(VK_SHIFT);
    EXPECT_EQ(HotKeyHookForTest(-1, WM_KEYDOWN, &event), 0);
    EXPECT_EQ(HotKeyHookForTest(HC_ACTION, WM_KEYDOWN, nullptr), 0);
    EXPECT_EQ(HotKeyHookForTest(HC_ACTION, WM_CHAR, &event), 0);
    EXPECT_EQ(AtsIn(editorWindow), 0);
    EXPECT_EQ(HotKeyHookForTest(HC_ACTION, WM_KEYDOWN, &event), 1);
    EXPECT_EQ(AtsIn(editorWindow), 1);
    simdesk::KeyUp(VK_SHIFT);
    simdesk::KeyUp(VK_LWIN);
}

}  // namespace
