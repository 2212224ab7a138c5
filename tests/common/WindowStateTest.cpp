// Showing, hiding, minimising and maximising windows; placement; z-order and
// topmost; rectangles.
#include "common/WindowTestSupport.h"

namespace {

using namespace winmgr_test;

class WindowState : public WindowTest {};

const Received* Last(HWND window, UINT message) {
    const Received* found = nullptr;
    for (const Received& r : Log())
        if (r.window == window && r.message == message) found = &r;
    return found;
}

bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
        if (w == lower) return true;
    return false;
}

TEST_F(WindowState, ShowingAndHidingAnnounceTheChangeBeforeTheNewPosition) {
    HWND window = Window();
    Log().clear();
    EXPECT_FALSE(ShowWindow(window, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(window));
    const auto shown = MessagesOf(window, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED});
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown.front(), static_cast<UINT>(WM_SHOWWINDOW));
    EXPECT_EQ(shown.back(), static_cast<UINT>(WM_WINDOWPOSCHANGED));
    EXPECT_NE(Last(window, WM_WINDOWPOSCHANGED)->positionFlags & SWP_SHOWWINDOW, 0u);
    EXPECT_EQ(Last(window, WM_SHOWWINDOW)->wParam, static_cast<WPARAM>(TRUE));

    Log().clear();
    EXPECT_TRUE(ShowWindow(window, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(window));
    ASSERT_NE(Last(window, WM_SHOWWINDOW), nullptr);
    EXPECT_EQ(Last(window, WM_SHOWWINDOW)->wParam, static_cast<WPARAM>(FALSE));
    ASSERT_NE(Last(window, WM_WINDOWPOSCHANGED), nullptr);
    EXPECT_NE(Last(window, WM_WINDOWPOSCHANGED)->positionFlags & SWP_HIDEWINDOW, 0u);

    // Hiding a hidden window changes nothing and says so.
    Log().clear();
    EXPECT_FALSE(ShowWindow(window, SW_HIDE));
    EXPECT_TRUE(MessagesOf(window, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGED}).empty());
}

TEST_F(WindowState, MinimisingAndMaximisingChangeTheStateAndTheSize) {
    HWND window = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 50, 300, 200);
    struct Case {
        const char* what;
        int command;
        bool iconic;
        bool zoomed;
        WPARAM sizeType;
    };
    const Case cases[] = {
        {"minimised", SW_SHOWMINIMIZED, true, false, SIZE_MINIMIZED},
        {"restored", SW_RESTORE, false, false, SIZE_RESTORED},
        {"maximised", SW_SHOWMAXIMIZED, false, true, SIZE_MAXIMIZED},
        {"minimised from maximised", SW_MINIMIZE, true, false, SIZE_MINIMIZED},
        {"restored to maximised", SW_RESTORE, false, true, SIZE_MAXIMIZED},
        {"restored to normal", SW_SHOWNORMAL, false, false, SIZE_RESTORED},
    };
    for (const Case& c : cases) {
        Log().clear();
        ShowWindow(window, c.command);
        EXPECT_EQ(IsIconic(window) != FALSE, c.iconic) << c.what;
        EXPECT_EQ(IsZoomed(window) != FALSE, c.zoomed) << c.what;
        const Received* size = Last(window, WM_SIZE);
        ASSERT_NE(size, nullptr) << c.what;
        EXPECT_EQ(size->wParam, c.sizeType) << c.what;
    }
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_EQ(rect.bottom - rect.top, 200);
}

TEST_F(WindowState, PlacementRoundTripsThroughEveryShowState) {
    struct Case {
        const char* what;
        int command;
        UINT showCmd;
    };
    const Case cases[] = {
        {"normal", SW_SHOWNORMAL, SW_SHOWNORMAL},
        {"minimised", SW_SHOWMINIMIZED, SW_SHOWMINIMIZED},
        {"maximised", SW_SHOWMAXIMIZED, SW_SHOWMAXIMIZED},
    };
    for (const Case& c : cases) {
        HWND saved = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 60, 320, 220);
        ShowWindow(saved, c.command);
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        ASSERT_TRUE(GetWindowPlacement(saved, &placement)) << c.what;
        EXPECT_EQ(placement.length, sizeof(WINDOWPLACEMENT));
        EXPECT_EQ(placement.showCmd, c.showCmd) << c.what;
        EXPECT_EQ(placement.rcNormalPosition.left, 120) << c.what;
        EXPECT_EQ(placement.rcNormalPosition.top, 60) << c.what;
        EXPECT_EQ(placement.rcNormalPosition.right, 440) << c.what;
        EXPECT_EQ(placement.rcNormalPosition.bottom, 280) << c.what;

        // A hidden window of another size takes the placement, shown in that state.
        HWND restored = Window(WS_OVERLAPPEDWINDOW, 10, 10, 100, 100);
        ASSERT_TRUE(SetWindowPlacement(restored, &placement)) << c.what;
        EXPECT_TRUE(IsWindowVisible(restored)) << c.what;
        WINDOWPLACEMENT again = {};
        again.length = sizeof(again);
        ASSERT_TRUE(GetWindowPlacement(restored, &again));
        EXPECT_EQ(again.showCmd, c.showCmd) << c.what;
        EXPECT_EQ(again.rcNormalPosition.left, 120) << c.what;
        EXPECT_EQ(again.rcNormalPosition.right, 440) << c.what;
        ShowWindow(restored, SW_RESTORE);
        RECT rect{};
        GetWindowRect(restored, &rect);
        EXPECT_EQ(rect.left, 120) << c.what;
        EXPECT_EQ(rect.bottom, 280) << c.what;
    }
}

TEST_F(WindowState, AWindowMinimisedFromMaximisedRemembersToComeBackMaximised) {
    HWND window = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    ShowWindow(window, SW_SHOWMINIMIZED);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    ASSERT_TRUE(GetWindowPlacement(window, &placement));
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    EXPECT_NE(placement.flags & WPF_RESTORETOMAXIMIZED, 0u);
    // The system command of the window menu does what the button does.
    SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(IsZoomed(window));
    SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(window));
}

// The tray's way: minimised, then hidden; the placement still reads
// minimised, and restoring shows the window in its normal place again.
TEST_F(WindowState, AWindowHiddenWhileMinimisedReadsMinimisedAndRestoresShown) {
    HWND window = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 50, 300, 200);
    ShowWindow(window, SW_SHOWMINIMIZED);
    ShowWindow(window, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(window));
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    ASSERT_TRUE(GetWindowPlacement(window, &placement));
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    Log().clear();
    ShowWindow(window, SW_RESTORE);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    ASSERT_TRUE(GetWindowPlacement(window, &placement));
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    // The window hears of it in a position change, which the tray follows.
    EXPECT_GE(IndexOf(window, WM_WINDOWPOSCHANGED), 0);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.right, 400);
}

TEST_F(WindowState, GettingThePlacementSetsTheLengthAndSettingOneChecksIt) {
    HWND window = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 50, 300, 200);
    WINDOWPLACEMENT placement = {};
    placement.length = 0;
    EXPECT_TRUE(GetWindowPlacement(window, &placement));
    EXPECT_EQ(placement.length, sizeof(WINDOWPLACEMENT));
    placement.length = 0;
    placement.rcNormalPosition = RECT{200, 100, 500, 300};
    EXPECT_FALSE(SetWindowPlacement(window, &placement));
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 100);
    placement.length = sizeof(placement);
    EXPECT_TRUE(SetWindowPlacement(window, &placement));
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 200);
}

TEST_F(WindowState, TopmostWindowsStayAboveTheOthersUntilTheyLeaveTheBand) {
    HWND a = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND b = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(IsAbove(b, a));
    SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_NE(GetWindowLongW(a, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_TRUE(IsAbove(a, b));
    // HWND_TOP keeps a non-topmost window below the topmost ones.
    SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(IsAbove(a, b));
    SetWindowPos(a, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindowLongW(a, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The bottom of the z-order is never topmost.
    SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindowLongW(a, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_TRUE(IsAbove(b, a));
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(IsAbove(a, b));
}

TEST_F(WindowState, ClientCoordinatesAreRelativeToTheClientArea) {
    HWND window = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 50, 300, 200);
    RECT client{};
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.left, 0);
    EXPECT_LT(client.right, 300);
    EXPECT_LT(client.bottom, 200);
    POINT point{0, 0};
    ClientToScreen(window, &point);
    EXPECT_GT(point.x, 100);
    EXPECT_GT(point.y, 50);
    ScreenToClient(window, &point);
    EXPECT_EQ(point.x, 0);
    EXPECT_EQ(point.y, 0);
    RECT rect;
    SetRect(&rect, 1, 2, 3, 4);
    EXPECT_EQ(rect.right, 3);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN) > 0, true);
}

TEST_F(WindowState, TheForegroundWindowIsTheOneBroughtForward) {
    HWND a = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND b = Window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    EXPECT_TRUE(SetForegroundWindow(a));
    EXPECT_EQ(GetForegroundWindow(), a);
    Log().clear();
    EXPECT_TRUE(SetForegroundWindow(b));
    EXPECT_EQ(GetForegroundWindow(), b);
    const Received* deactivated = Last(a, WM_ACTIVATE);
    const Received* activated = Last(b, WM_ACTIVATE);
    ASSERT_NE(deactivated, nullptr);
    ASSERT_NE(activated, nullptr);
    EXPECT_EQ(LOWORD(deactivated->wParam), WA_INACTIVE);
    EXPECT_NE(LOWORD(activated->wParam), WA_INACTIVE);
    EXPECT_EQ(GetFocus(), b);
}

}  // namespace
