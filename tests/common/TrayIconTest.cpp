// The notification area's answers to Shell_NotifyIconW: an icon is added
// once, changed and removed while it exists, and the structure's size is
// checked.
#include "ShellTestSupport.h"

#include <gtest/gtest.h>


namespace {

using namespace shell_test;

constexpr UINT kCallback = WM_APP + 1;

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner_ = CreateOwnerWindow();
        ASSERT_NE(owner_, nullptr);
        icon_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(102), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
        ASSERT_NE(icon_, nullptr);
    }
    void TearDown() override {
        for (UINT id : {0u, 1u, 2u}) {
            NOTIFYICONDATAW data = Data(id);
            Shell_NotifyIconW(NIM_DELETE, &data);
        }
        DestroyWindow(owner_);
        if (icon_ != nullptr) DestroyIcon(icon_);
    }
    NOTIFYICONDATAW Data(UINT id, DWORD size = sizeof(NOTIFYICONDATAW)) {
        NOTIFYICONDATAW data = {};
        data.cbSize = size;
        data.hWnd = owner_;
        data.uID = id;
        data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data.uCallbackMessage = kCallback;
        data.hIcon = icon_;
        lstrcpyW(data.szTip, TEXT("Vintra\n1.0 ver."));
        return data;
    }

    HWND owner_ = nullptr;
    HICON icon_ = nullptr;
};

TEST_F(TrayIconTest, AnIconIsAddedOnceChangedAndRemovedWhileItExists) {
    NOTIFYICONDATAW data = Data(0);
    EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &data));
    EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &data)) << "a second add of the same icon";
    NOTIFYICONDATAW other = Data(1);
    EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &other)) << "another identifier of the same owner";

    lstrcpyW(data.szTip, TEXT("Другая подсказка"));
    data.uFlags = NIF_TIP;
    EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &data));
    NOTIFYICONDATAW missing = Data(2);
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &missing));

    EXPECT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
    EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &data)) << "already removed";
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &data)) << "modifying a removed icon";
    EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &data)) << "added again after removal";
}

// Wine's shell takes any size; Windows refuses sizes of no version.
bool RunsOnWine() {
#ifdef _WIN32
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

TEST_F(TrayIconTest, TheStructureSizeIsChecked) {
    struct Case {
        const char* what;
        DWORD size;
        bool accepted;
    };
    const Case cases[] = {
        {"this build's structure", sizeof(NOTIFYICONDATAW), true},
        {"without the balloon icon", NOTIFYICONDATAW_V3_SIZE, true},
        {"without the identifying GUID", NOTIFYICONDATAW_V2_SIZE, true},
        {"the first version", NOTIFYICONDATAW_V1_SIZE, true},
        {"zero", 0, false},
        {"too small", 100, false},
        {"the 32-bit structure", 956, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NOTIFYICONDATAW data = Data(0, c.size);
        const bool accepted = c.accepted || RunsOnWine();
        EXPECT_EQ(Shell_NotifyIconW(NIM_ADD, &data) != FALSE, accepted);
        data.cbSize = sizeof(NOTIFYICONDATAW);
        EXPECT_EQ(Shell_NotifyIconW(NIM_DELETE, &data) != FALSE, accepted) << "the icon exists only if added";
    }
}

}  // namespace
