// The program's icons: what the icon groups hold, which image each requested
// size gets, and icon handles that belong to whoever loads them. Only the
// Win32 surface is used, so the suite judges the simulated desktop and
// Windows alike.
#include "Platform.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

namespace {

// One image of an icon group's directory (RT_GROUP_ICON), as stored.
#pragma pack(push, 2)
struct GroupEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)
static_assert(sizeof(GroupEntry) == 14);

constexpr std::size_t kHeaderSize = 6;

std::vector<BYTE> ProgramResource(WORD id, LPCWSTR type) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) return {};
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    if (data == nullptr) return {};
    return std::vector<BYTE>(data, data + SizeofResource(module, found));
}

// The group's directory entries; empty when the group is missing or malformed.
std::vector<GroupEntry> GroupEntries(WORD group) {
    const std::vector<BYTE> bytes = ProgramResource(group, RT_GROUP_ICON);
    if (bytes.size() < kHeaderSize) return {};
    WORD header[3] = {};
    std::memcpy(header, bytes.data(), sizeof(header));
    if (header[0] != 0 || header[1] != 1 || bytes.size() != kHeaderSize + header[2] * sizeof(GroupEntry)) return {};
    std::vector<GroupEntry> entries(header[2]);
    std::memcpy(entries.data(), bytes.data() + kHeaderSize, entries.size() * sizeof(GroupEntry));
    return entries;
}

// (size, bits per pixel) of every image, checked against the image itself:
// the RT_ICON resource exists, has the announced length, and its bitmap
// header says the same size and depth.
std::set<std::pair<int, int>> CheckedImages(WORD group) {
    std::set<std::pair<int, int>> images;
    for (const GroupEntry& entry : GroupEntries(group)) {
        SCOPED_TRACE(testing::Message() << "group " << group << ", image " << entry.id);
        const std::vector<BYTE> image = ProgramResource(entry.id, RT_ICON);
        const DWORD announced = entry.bytesInRes;  // a packed field: read it by value
        const WORD bits = entry.bitCount;
        EXPECT_EQ(image.size(), announced);
        if (image.size() < 16) continue;
        LONG width = 0;
        LONG doubleHeight = 0;
        WORD bitCount = 0;
        std::memcpy(&width, image.data() + 4, sizeof(width));
        std::memcpy(&doubleHeight, image.data() + 8, sizeof(doubleHeight));
        std::memcpy(&bitCount, image.data() + 14, sizeof(bitCount));
        EXPECT_EQ(width, entry.width);
        EXPECT_EQ(doubleHeight, 2 * entry.height);  // colour and mask bitmaps
        EXPECT_EQ(bitCount, bits);
        EXPECT_EQ(entry.width, entry.height);
        images.insert({entry.width, bits});
    }
    return images;
}

TEST(IconGroupTest, ProgramIconHasEachSizeIn256ColoursAndIn32BitColour) {
    const std::set<std::pair<int, int>> expected = {{16, 8}, {32, 8}, {48, 8}, {16, 32}, {32, 32}, {48, 32}};
    EXPECT_EQ(GroupEntries(IDI_PROGRAM).size(), 6u);
    EXPECT_EQ(CheckedImages(IDI_PROGRAM), expected);
}

TEST(IconGroupTest, SettingsIconHas16And32Pixels) {
    const std::set<std::pair<int, int>> expected = {{16, 32}, {32, 32}};
    EXPECT_EQ(GroupEntries(IDI_SETTINGS).size(), 2u);
    EXPECT_EQ(CheckedImages(IDI_SETTINGS), expected);
}

// The image of the program icon that a load at this size is made from.
GroupEntry ImageFor(int size) {
    std::vector<BYTE> directory = ProgramResource(IDI_PROGRAM, RT_GROUP_ICON);
    if (directory.empty()) return {};
    const int id = LookupIconIdFromDirectoryEx(directory.data(), TRUE, size, size, LR_DEFAULTCOLOR);
    for (const GroupEntry& entry : GroupEntries(IDI_PROGRAM))
        if (entry.id == id) return entry;
    return {};
}

TEST(IconChoiceTest, EachSizeGetsTheLargestImageNotAboveItInTheScreensColours) {
    struct Case {
        int requested;
        int imageSize;
    };
    const Case cases[] = {
        {16, 16}, {32, 32}, {48, 48},  // the sizes the program loads, and the shell's large one
        {24, 16}, {40, 32},            // in between: the smaller image
        {64, 48},                      // above all: the largest
        {8, 16},                       // below all: the smallest
    };
    for (const Case& c : cases) {
        const GroupEntry image = ImageFor(c.requested);
        EXPECT_EQ(image.width, c.imageSize) << "requested " << c.requested;
        // The test screens are 32-bit: the 256-colour images are never taken.
        const WORD bits = image.bitCount;
        EXPECT_EQ(bits, 32) << "requested " << c.requested;
    }
}

class IconLoadTest : public ::testing::Test {
protected:
    static HICON Load(WORD group, int size) {
        return static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(group), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    }
};

TEST_F(IconLoadTest, EveryLoadGivesAHandleOfItsOwnUntilDestroyed) {
    std::vector<HICON> icons;
    for (int size : {16, 32, 48, 24}) {
        icons.push_back(Load(IDI_PROGRAM, size));
        icons.push_back(Load(IDI_PROGRAM, size));
    }
    icons.push_back(Load(IDI_SETTINGS, 16));
    icons.push_back(Load(IDI_SETTINGS, 32));
    const std::set<HICON> distinct(icons.begin(), icons.end());
    EXPECT_EQ(distinct.count(nullptr), 0u);
    EXPECT_EQ(distinct.size(), icons.size());

    for (HICON icon : icons) EXPECT_TRUE(DestroyIcon(icon));
    // A destroyed icon is gone: destroying it again fails. (Wine leaves the
    // last error alone here, so the suite does not read it.)
    EXPECT_FALSE(DestroyIcon(icons.front()));
}

// Wine reports a missing icon group as a missing resource type, though the
// module has icon groups; the simulated desktop says the same.
TEST_F(IconLoadTest, MissingGroupGivesNoIconAndSaysWhy) {
    SetLastError(0);
    EXPECT_EQ(Load(9999, 16), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
    // An identifier that names an image, not a group, is no icon group either.
    SetLastError(0);
    EXPECT_EQ(Load(ImageFor(16).id, 16), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
}

}  // namespace
