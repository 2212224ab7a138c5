// The simulated desktop's icons: which image a load is made from, the live
// icon count the leak checks read, and a fresh desktop without icons.
#include "Platform.h"
#include "res/resource.h"
#include "simdesk/Resources.h"
#include "support/DesktopFixture.h"

#include <iterator>
#include <vector>

namespace {

class SimIconTest : public DesktopTest {
protected:
    static HICON Load(WORD group, int cx, int cy, UINT flags = LR_DEFAULTCOLOR) {
        return static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(group), IMAGE_ICON, cx, cy, flags));
    }
};

TEST_F(SimIconTest, AnIconHasTheRequestedSizeAndComesFromTheChosenImage) {
    struct Case {
        const char* what;
        WORD group;
        int cx, cy;
        UINT flags;
        int width, height, imageSize;
    };
    const Case cases[] = {
        {"tray size", IDI_PROGRAM, 16, 16, LR_DEFAULTCOLOR, 16, 16, 16},
        {"window size", IDI_PROGRAM, 32, 32, LR_DEFAULTCOLOR, 32, 32, 32},
        {"stretched from the smaller image", IDI_PROGRAM, 24, 24, LR_DEFAULTCOLOR, 24, 24, 16},
        {"no size: the image's own", IDI_PROGRAM, 0, 0, LR_DEFAULTCOLOR, 32, 32, 32},
        {"default size", IDI_PROGRAM, 0, 0, LR_DEFAULTSIZE, 32, 32, 32},
        {"settings icon", IDI_SETTINGS, 16, 16, LR_DEFAULTCOLOR, 16, 16, 16},
        {"settings icon above its sizes", IDI_SETTINGS, 48, 48, LR_DEFAULTCOLOR, 48, 48, 32},
    };
    for (const Case& c : cases) {
        HICON icon = Load(c.group, c.cx, c.cy, c.flags);
        simdesk::IconFacts facts;
        ASSERT_TRUE(simdesk::DescribeIcon(icon, facts)) << c.what;
        EXPECT_EQ(facts.width, c.width) << c.what;
        EXPECT_EQ(facts.height, c.height) << c.what;
        EXPECT_EQ(facts.imageWidth, c.imageSize) << c.what;
        EXPECT_EQ(facts.bitsPerPixel, 32) << c.what;
        EXPECT_TRUE(DestroyIcon(icon));
    }
}

TEST_F(SimIconTest, LiveCountFollowsLoadsAndDestroys) {
    const int start = simdesk::LiveIconCount();
    HICON small = Load(IDI_PROGRAM, 16, 16);
    HICON big = Load(IDI_PROGRAM, 32, 32);
    EXPECT_EQ(Load(9999, 16, 16), nullptr);
    EXPECT_EQ(simdesk::LiveIconCount(), start + 2);

    EXPECT_TRUE(DestroyIcon(small));
    EXPECT_FALSE(DestroyIcon(small));
    EXPECT_EQ(simdesk::LiveIconCount(), start + 1);
    simdesk::IconFacts facts;
    EXPECT_FALSE(simdesk::DescribeIcon(small, facts));
    EXPECT_TRUE(DestroyIcon(big));
    EXPECT_EQ(simdesk::LiveIconCount(), start);
}

TEST_F(SimIconTest, AFreshDesktopHasNoIconsAndOldHandlesStayDead) {
    HICON left = Load(IDI_PROGRAM, 16, 16);
    ASSERT_NE(left, nullptr);
    simdesk::Reset();
    EXPECT_EQ(simdesk::LiveIconCount(), 0);
    HICON next = Load(IDI_PROGRAM, 16, 16);
    EXPECT_NE(next, left);
    EXPECT_FALSE(DestroyIcon(left));
    EXPECT_TRUE(DestroyIcon(next));
}

TEST_F(SimIconTest, WhatIsNotAnIconOfTheProgramIsRefused) {
    struct Case {
        const char* what;
        HINSTANCE instance;
        UINT type;
        int size;
        UINT flags;
        DWORD error;
    };
    const Case cases[] = {
        {"the system's images", nullptr, IMAGE_ICON, 16, LR_DEFAULTCOLOR, ERROR_RESOURCE_DATA_NOT_FOUND},
        {"a bitmap", GetModuleHandleW(nullptr), IMAGE_BITMAP, 16, LR_DEFAULTCOLOR, ERROR_INVALID_PARAMETER},
        {"a negative size", GetModuleHandleW(nullptr), IMAGE_ICON, -16, LR_DEFAULTCOLOR, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(LoadImageW(c.instance, MAKEINTRESOURCEW(IDI_PROGRAM), c.type, c.size, c.size, c.flags), nullptr)
            << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
    EXPECT_EQ(simdesk::LiveIconCount(), 0);
}

// A group whose directory does not fit its resource gives no icon rather
// than reading past it.
TEST_F(SimIconTest, TruncatedGroupDirectoryIsRefused) {
    // .res file: the leading empty entry, then RT_GROUP_ICON 5 claiming two
    // images while holding one.
    std::vector<unsigned char> res = {0, 0, 0, 0, 32, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0,
                                      0, 0, 0, 0, 0,  0, 0, 0, 0,    0,    0, 0, 0,    0,    0, 0};
    const unsigned char header[] = {20, 0, 0, 0, 32, 0, 0, 0, 0xFF, 0xFF, 14, 0, 0xFF, 0xFF, 5, 0,
                                    0,  0, 0, 0, 0x30, 0x10, 0x19, 0x04, 0, 0, 0, 0, 0, 0, 0, 0};
    res.insert(res.end(), std::begin(header), std::end(header));
    const unsigned char directory[] = {0, 0, 1, 0, 2, 0, 16, 16, 0, 0, 1, 0, 32, 0, 40, 0, 0, 0, 1, 0};
    res.insert(res.end(), std::begin(directory), std::end(directory));
    ASSERT_TRUE(simdesk::ReplaceProgramResources(res));
    SetLastError(0);
    EXPECT_EQ(Load(5, 16, 16), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
}

}  // namespace
