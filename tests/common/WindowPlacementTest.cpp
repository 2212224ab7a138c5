// The saved window placement: round trips of each window state and of the
// topmost style, keeping the current size, and stored blocks that cannot be
// used.
#include "common/ModalScript.h"
#include "common/OptionRecorders.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const UINT placementTemplate = 9202;

class WindowPlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseProgramModule();
        RemoveTestRoot();
        store.SetRoot(WString(TEXT("Software\\VintraPlacementTests\\")));
    }
    void TearDown() override { RemoveTestRoot(); }

    static void RemoveTestRoot() {
        SettingsStore software(true);
        software.SetRoot(WString(TEXT("Software\\")));
        software.DeleteSection(WString(TEXT("VintraPlacementTests")));
    }

    // A fresh, hidden window, destroyed with the test.
    HWND NewWindow() {
        windows.push_back(std::make_unique<Modeless<Dialog>>());
        return windows.back()->Create(placementTemplate, nullptr);
    }
    static HWND Placed(HWND window, int left, int top, int width, int height) {
        SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(window, SW_SHOWNORMAL);
        return window;
    }
    static WINDOWPLACEMENT PlacementOf(HWND window) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        GetWindowPlacement(window, &placement);
        return placement;
    }
    static bool IsTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    std::u16string Stored(LPCWSTR key) {
        WString text(TEXT(""));
        if (!store.ReadString(section, WString(key), text)) return u"<missing>";
        return Text(text);
    }

    // The size of the stored "plmnt" value, read from the registry itself.
    static DWORD StoredBlockSize() {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, TEXT("Software\\VintraPlacementTests\\Options\\Windows\\Main"), 0,
                          KEY_READ, &key) != ERROR_SUCCESS)
            return 0;
        DWORD size = 0;
        RegQueryValueExW(key, TEXT("plmnt"), nullptr, nullptr, nullptr, &size);
        RegCloseKey(key);
        return size;
    }

    SettingsStore store{true};
    const WString section{TEXT("Options\\Windows\\Main")};
    std::vector<std::unique_ptr<Modeless<Dialog>>> windows;
};

void ExpectRect(const RECT& actual, LONG left, LONG top, LONG right, LONG bottom, const char* what) {
    EXPECT_EQ(actual.left, left) << what;
    EXPECT_EQ(actual.top, top) << what;
    EXPECT_EQ(actual.right, right) << what;
    EXPECT_EQ(actual.bottom, bottom) << what;
}

TEST_F(WindowPlacementTest, EachWindowStateComesBack) {
    struct Case {
        const char* what;
        int showCommand;
        bool iconic;
        bool zoomed;
    };
    const Case cases[] = {
        {"normal", SW_SHOWNORMAL, false, false},
        {"minimised", SW_SHOWMINIMIZED, true, false},
        {"maximised", SW_SHOWMAXIMIZED, false, true},
    };
    for (const Case& c : cases) {
        HWND saved = Placed(NewWindow(), 100, 50, 300, 200);
        ShowWindow(saved, c.showCommand);
        ASSERT_TRUE(SaveWindowPlacement(store, saved, section)) << c.what;
        EXPECT_EQ(Stored(TEXT("topmost")), u"<missing>") << c.what;

        HWND restored = NewWindow();
        EXPECT_TRUE(RestoreWindowPlacement(store, restored, section, 0)) << c.what;
        EXPECT_EQ(IsIconic(restored) != FALSE, c.iconic) << c.what;
        EXPECT_EQ(IsZoomed(restored) != FALSE, c.zoomed) << c.what;
        EXPECT_TRUE(IsWindowVisible(restored)) << c.what;
        ExpectRect(PlacementOf(restored).rcNormalPosition, 100, 50, 400, 250, c.what);
    }
}

TEST_F(WindowPlacementTest, TopmostIsStoredWhileTheWindowHasItAndNeverTakenAway) {
    HWND window = Placed(NewWindow(), 10, 10, 200, 100);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(SaveWindowPlacement(store, window, section));
    EXPECT_EQ(Stored(TEXT("topmost")), u"1");

    HWND restored = NewWindow();
    ASSERT_TRUE(RestoreWindowPlacement(store, restored, section, 0));
    EXPECT_TRUE(IsTopmost(restored));

    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(SaveWindowPlacement(store, window, section));
    EXPECT_EQ(Stored(TEXT("topmost")), u"<missing>");
    // A window that is topmost already stays so.
    ASSERT_TRUE(RestoreWindowPlacement(store, restored, section, 0));
    EXPECT_TRUE(IsTopmost(restored));
}

TEST_F(WindowPlacementTest, KeepingTheSizeMovesTheWindowAndKeepsItsCurrentSize) {
    ASSERT_TRUE(SaveWindowPlacement(store, Placed(NewWindow(), 100, 50, 300, 200), section));
    HWND window = Placed(NewWindow(), 20, 30, 400, 250);
    ASSERT_TRUE(RestoreWindowPlacement(store, window, section, 1));
    RECT rect{};
    GetWindowRect(window, &rect);
    ExpectRect(rect, 100, 50, 500, 300, "window");
}

TEST_F(WindowPlacementTest, AnUnusableBlockShowsTheWindowWhereItIs) {
    struct Case {
        const char* what;
        UINT size;  // 0: no block at all
    };
    const Case cases[] = {
        {"no block", 0},
        {"a short block", 20},
        {"a long block", 60},
        {"a block of the right size that is no placement", 44},
    };
    for (const Case& c : cases) {
        RemoveTestRoot();
        store.WriteInt(section, WString(TEXT("topmost")), 1);
        if (c.size != 0) {
            std::vector<BYTE> block(c.size, 0x11);
            ASSERT_TRUE(store.WriteStruct(section, WString(TEXT("plmnt")), block.data(), c.size)) << c.what;
        }
        HWND window = NewWindow();
        SetWindowPos(window, nullptr, 70, 80, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_FALSE(RestoreWindowPlacement(store, window, section, 0)) << c.what;
        EXPECT_TRUE(IsWindowVisible(window)) << c.what;
        EXPECT_FALSE(IsIconic(window)) << c.what;
        RECT rect{};
        GetWindowRect(window, &rect);
        ExpectRect(rect, 70, 80, 270, 180, c.what);
        // The topmost value is honoured all the same.
        EXPECT_TRUE(IsTopmost(window)) << c.what;
    }
}

TEST_F(WindowPlacementTest, ABlockEndingInANegativeNumberComesBack) {
    // Off the screen to the upper left: the last member, the bottom edge of
    // the normal position, is negative, so the block's last bytes are not 0.
    HWND window = Placed(NewWindow(), -400, -300, 300, 200);
    ASSERT_EQ(PlacementOf(window).rcNormalPosition.bottom, -100);
    ASSERT_TRUE(SaveWindowPlacement(store, window, section));
    HWND restored = NewWindow();
    EXPECT_EQ(StoredBlockSize(), sizeof(WINDOWPLACEMENT)) << "stored exactly, with nothing read past the block";
    EXPECT_TRUE(RestoreWindowPlacement(store, restored, section, 0));
    // With no monitor up there the system brings the window onto the screen,
    // keeping its size.
    ExpectRect(PlacementOf(restored).rcNormalPosition, 0, 0, 300, 200, "normal position");
}

TEST_F(WindowPlacementTest, RestoreFromMinimizedBringsBackTheStateBeforeIt) {
    HWND normal = Placed(NewWindow(), 10, 20, 200, 100);
    EXPECT_TRUE(RestoreFromMinimized(normal));
    EXPECT_FALSE(IsIconic(normal));
    EXPECT_FALSE(IsZoomed(normal));
    RECT rect{};
    GetWindowRect(normal, &rect);
    ExpectRect(rect, 10, 20, 210, 120, "a normal window is left alone");

    HWND minimised = Placed(NewWindow(), 10, 20, 200, 100);
    ShowWindow(minimised, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(minimised));
    EXPECT_TRUE(RestoreFromMinimized(minimised));
    EXPECT_FALSE(IsIconic(minimised));
    GetWindowRect(minimised, &rect);
    ExpectRect(rect, 10, 20, 210, 120, "restored");

    HWND maximised = Placed(NewWindow(), 10, 20, 200, 100);
    ShowWindow(maximised, SW_MAXIMIZE);
    EXPECT_TRUE(RestoreFromMinimized(maximised));
    EXPECT_TRUE(IsZoomed(maximised));
}

TEST_F(WindowPlacementTest, ScreenRectToClientConvertsBothCorners) {
    HWND window = Placed(NewWindow(), 100, 50, 300, 200);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT rect{origin.x + 5, origin.y + 6, origin.x + 25, origin.y + 36};
    EXPECT_TRUE(ScreenRectToClient(window, &rect));
    ExpectRect(rect, 5, 6, 25, 36, "client");
}

}  // namespace
