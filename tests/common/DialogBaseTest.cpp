// The dialog base: which handler each message reaches and with what
// arguments, what the dialog procedure returns, windows without an object,
// and the two ways of running a dialog.
#include "common/ModalScript.h"
#include "dialogs/Dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT plainTemplate = 9200;
const int otherButton = 9203;
const UINT missingTemplate = 9299;

std::string Format(const char* name, long long a = 0, long long b = 0, long long c = 0) {
    return std::string(name) + "(" + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) + ")";
}

long long Number(const void* pointer) {
    return static_cast<long long>(reinterpret_cast<INT_PTR>(pointer));
}

// Records every handler call with its arguments; the handlers that return a
// result give their own number, so a test sees it come back.
class RecordingDialog : public Dialog {
public:
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam) override {
        calls.push_back(Format("OnCommand", static_cast<long long>(wParam), lParam));
        return 11;
    }
    INT_PTR OnNotify(int controlId, NMHDR* header) override {
        calls.push_back(Format("OnNotify", controlId, Number(header)));
        return 12;
    }
    INT_PTR OnSetCursor(HWND underCursor, UINT hitTest, UINT mouseMessage) override {
        calls.push_back(Format("OnSetCursor", Number(underCursor), hitTest, mouseMessage));
        return 13;
    }
    void OnSize(UINT sizeType, UINT width, UINT height) override {
        calls.push_back(Format("OnSize", sizeType, width, height));
    }
    void OnMove(UINT x, UINT y) override { calls.push_back(Format("OnMove", x, y)); }
    void OnSizing(UINT edge, RECT* rect) override { calls.push_back(Format("OnSizing", edge, Number(rect))); }
    void OnShowWindow(bool shown, UINT status) override { calls.push_back(Format("OnShowWindow", shown, status)); }
    INT_PTR OnInitDialog() override {
        calls.push_back(Format("OnInitDialog"));
        return 14;
    }
    void OnDestroy() override { calls.push_back(Format("OnDestroy")); }
    INT_PTR OnCreate(CREATESTRUCTW* creation) override {
        calls.push_back(Format("OnCreate", Number(creation)));
        return 15;
    }
    void OnLButtonDown(UINT keys, int x, int y) override { calls.push_back(Format("OnLButtonDown", keys, x, y)); }
    void OnLButtonUp(UINT keys, int x, int y) override { calls.push_back(Format("OnLButtonUp", keys, x, y)); }
    void OnRButtonDown(UINT keys, int x, int y) override { calls.push_back(Format("OnRButtonDown", keys, x, y)); }
    void OnRButtonUp(UINT keys, int x, int y) override { calls.push_back(Format("OnRButtonUp", keys, x, y)); }
    void OnMouseMove(UINT keys, int x, int y) override { calls.push_back(Format("OnMouseMove", keys, x, y)); }
    void OnMouseLeave() override { calls.push_back(Format("OnMouseLeave")); }
    void OnTimer(UINT_PTR timerId) override { calls.push_back(Format("OnTimer", static_cast<long long>(timerId))); }
    void OnPaint() override { calls.push_back(Format("OnPaint")); }
    void OnDrawItem(int controlId, DRAWITEMSTRUCT* item) override {
        calls.push_back(Format("OnDrawItem", controlId, Number(item)));
    }

    std::vector<std::string> calls;
};

class DialogBaseTest : public ::testing::Test {
protected:
    void SetUp() override { UseProgramModule(); }
    static HWND Open(Dialog& dialog) { return dialog.Create(plainTemplate, nullptr); }
};

TEST_F(DialogBaseTest, EachMessageReachesItsHandlerUnpacked) {
    Modeless<RecordingDialog> dialog;
    HWND window = Open(dialog);
    ASSERT_NE(window, nullptr);
    NMHDR header{};
    RECT rect{};
    DRAWITEMSTRUCT item{};
    CREATESTRUCTW creation{};
    const LPARAM negative = MAKELPARAM(static_cast<WORD>(-5), static_cast<WORD>(-7));
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        std::string call;
        INT_PTR result;
    };
    const Case cases[] = {
        {WM_COMMAND, MAKEWPARAM(9203, BN_CLICKED), 77, Format("OnCommand", 9203, 77), 11},
        {WM_NOTIFY, 9204, reinterpret_cast<LPARAM>(&header), Format("OnNotify", 9204, Number(&header)), 12},
        {WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE),
         Format("OnSetCursor", Number(window), HTCLIENT, WM_MOUSEMOVE), 13},
        {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480), Format("OnSize", SIZE_MAXIMIZED, 640, 480), 0},
        // Positions of WM_MOVE and WM_SIZE are unsigned words.
        {WM_MOVE, 0, negative, Format("OnMove", 0xFFFB, 0xFFF9), 0},
        {WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&rect),
         Format("OnSizing", WMSZ_BOTTOMRIGHT, Number(&rect)), 0},
        {WM_SHOWWINDOW, TRUE, SW_PARENTOPENING, Format("OnShowWindow", 1, SW_PARENTOPENING), 0},
        {WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&dialog), Format("OnInitDialog"), 14},
        {WM_DESTROY, 0, 0, Format("OnDestroy"), 0},
        {WM_CREATE, 0, reinterpret_cast<LPARAM>(&creation), Format("OnCreate", Number(&creation)), 15},
        // Mouse positions are signed: left of or above the client area.
        {WM_LBUTTONDOWN, MK_LBUTTON, negative, Format("OnLButtonDown", MK_LBUTTON, -5, -7), 0},
        {WM_LBUTTONUP, 0, MAKELPARAM(3, 4), Format("OnLButtonUp", 0, 3, 4), 0},
        {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, static_cast<WORD>(-1)), Format("OnRButtonDown", MK_RBUTTON, 10, -1), 0},
        {WM_RBUTTONUP, MK_SHIFT, MAKELPARAM(32767, 1), Format("OnRButtonUp", MK_SHIFT, 32767, 1), 0},
        {WM_MOUSEMOVE, MK_CONTROL, MAKELPARAM(static_cast<WORD>(-32768), 2), Format("OnMouseMove", MK_CONTROL, -32768, 2), 0},
        {WM_MOUSELEAVE, 0, 0, Format("OnMouseLeave"), 0},
        {WM_TIMER, 9205, 0, Format("OnTimer", 9205), 0},
        {WM_PAINT, 0, 0, Format("OnPaint"), 0},
        {WM_DRAWITEM, 9206, reinterpret_cast<LPARAM>(&item), Format("OnDrawItem", 9206, Number(&item)), 0},
    };
    for (const Case& c : cases) {
        dialog.calls.clear();
        EXPECT_EQ(Dialog::DialogProc(window, c.message, c.wParam, c.lParam), c.result) << c.call;
        EXPECT_EQ(dialog.calls, std::vector<std::string>{c.call});
    }

    // Messages outside the table and the font reach no handler and give 0.
    for (UINT message : {static_cast<UINT>(WM_SETFONT), static_cast<UINT>(WM_CLOSE), static_cast<UINT>(WM_KEYDOWN),
                         static_cast<UINT>(WM_USER + 5)}) {
        dialog.calls.clear();
        EXPECT_EQ(Dialog::DialogProc(window, message, 1, 2), 0) << message;
        EXPECT_TRUE(dialog.calls.empty()) << message;
    }
}

TEST_F(DialogBaseTest, TheBaseHandlersGiveTheDefaultResults) {
    Modeless<Dialog> dialog;
    HWND window = Open(dialog);
    ASSERT_NE(window, nullptr);
    NMHDR header{};
    struct Case {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        INT_PTR result;
    };
    const Case cases[] = {
        {"a notification is answered 1", WM_NOTIFY, 9204, reinterpret_cast<LPARAM>(&header), 1},
        {"initialisation asks the system to focus", WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&dialog), 1},
        {"a command from another control", WM_COMMAND, 9203, 0, 0},
        {"the cursor is the system's", WM_SETCURSOR, reinterpret_cast<WPARAM>(window), 0, 0},
        {"creation goes on", WM_CREATE, 0, 0, 0},
        {"painting", WM_PAINT, 0, 0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Dialog::DialogProc(window, c.message, c.wParam, c.lParam), c.result) << c.what;
}

TEST_F(DialogBaseTest, CreateBindsTheWindowAndItsObject) {
    Modeless<RecordingDialog> dialog;
    EXPECT_EQ(dialog.Handle(), nullptr);
    HWND window = Open(dialog);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dialog.Handle(), window);
    EXPECT_EQ(GetPropW(window, TEXT("DLG_ENTITY")), reinterpret_cast<HANDLE>(&dialog));
    // WM_CREATE came before the binding; WM_INITDIALOG after it.
    ASSERT_FALSE(dialog.calls.empty());
    EXPECT_EQ(dialog.calls.front(), Format("OnInitDialog"));
    for (const std::string& call : dialog.calls) EXPECT_NE(call.rfind("OnCreate", 0), 0u) << call;

    // A real message reaches the object through the window.
    dialog.calls.clear();
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(otherButton, BN_CLICKED), 0);
    EXPECT_EQ(dialog.calls, std::vector<std::string>{Format("OnCommand", MAKEWPARAM(otherButton, BN_CLICKED), 0)});

    dialog.calls.clear();
    DestroyWindow(window);
    EXPECT_EQ(dialog.calls, std::vector<std::string>{Format("OnDestroy")});
}

TEST_F(DialogBaseTest, AWindowMadeWithoutAnObjectStaysUnbound) {
    HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(plainTemplate), nullptr,
                                     Dialog::DialogProc, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetPropW(window, TEXT("DLG_ENTITY")), nullptr);
    EXPECT_EQ(Dialog::DialogProc(window, WM_NOTIFY, 0, 0), 0);
    EXPECT_EQ(Dialog::DialogProc(window, WM_COMMAND, IDOK, 0), 0);
    EXPECT_EQ(Dialog::DialogProc(window, WM_INITDIALOG, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window));
    DestroyWindow(window);
}

TEST_F(DialogBaseTest, CreateOfAMissingTemplateGivesNull) {
    Dialog dialog;
    EXPECT_EQ(dialog.Create(missingTemplate, nullptr), nullptr);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

// Ends the dialog with its own value on the "Other" button.
class EndsWithOwnValue : public Dialog {
public:
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == otherButton) EndDialog(window, 42);
        return Dialog::OnCommand(wParam, lParam);
    }
};

TEST_F(DialogBaseTest, ShowModalReturnsWhatEndedTheDialog) {
    struct Case {
        const char* what;
        std::deque<ModalScript::Step> (*steps)(Dialog& dialog);
        INT_PTR result;
    };
    const Case cases[] = {
        {"OK button", [](Dialog& d) -> std::deque<ModalScript::Step> {
             return {[&d] { SendMessageW(GetDlgItem(d.Handle(), IDOK), BM_CLICK, 0, 0); }};
         }, IDOK},
        {"Cancel button", [](Dialog& d) -> std::deque<ModalScript::Step> {
             return {[&d] { SendMessageW(GetDlgItem(d.Handle(), IDCANCEL), BM_CLICK, 0, 0); }};
         }, IDCANCEL},
        {"the close box", [](Dialog& d) -> std::deque<ModalScript::Step> {
             return {[&d] { PostMessageW(d.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }};
         }, IDCANCEL},
        {"a derived class's own value", [](Dialog& d) -> std::deque<ModalScript::Step> {
             return {[&d] { SendMessageW(GetDlgItem(d.Handle(), otherButton), BM_CLICK, 0, 0); }};
         }, 42},
        // A notification code in the high word is not a click on OK.
        {"OK with a notification code", [](Dialog& d) -> std::deque<ModalScript::Step> {
             return {[&d] { SendMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_SETFOCUS), 0); },
                     [&d] { SendMessageW(d.Handle(), WM_COMMAND, IDCANCEL, 0); }};
         }, IDCANCEL},
        {"Enter presses the default button", [](Dialog& d) -> std::deque<ModalScript::Step> {
             return {[&d] {
                         HWND focus = GetFocus();
                         PostMessageW(focus != nullptr ? focus : d.Handle(), WM_KEYDOWN, VK_RETURN, 0);
                     }};
         }, IDOK},
        {"Esc cancels", [](Dialog& d) -> std::deque<ModalScript::Step> {
             return {[&d] {
                         HWND focus = GetFocus();
                         PostMessageW(focus != nullptr ? focus : d.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
                     }};
         }, IDCANCEL},
    };
    for (const Case& c : cases) {
        EndsWithOwnValue dialog;
        EXPECT_EQ(ModalScript::Run(dialog, plainTemplate, c.steps(dialog)), c.result) << c.what;
        EXPECT_FALSE(IsWindow(dialog.Handle())) << c.what;
    }
}

TEST_F(DialogBaseTest, ShowModalOfAMissingTemplateGivesTheFailureValue) {
    Dialog dialog;
    EXPECT_EQ(dialog.ShowModal(missingTemplate, nullptr), -1);
}

}  // namespace
