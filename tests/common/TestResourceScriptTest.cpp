// A test program can carry resources of its own beside the program's.
#include "Platform.h"

#include <gtest/gtest.h>

namespace {

TEST(TestResourceScript, CarriesTheProgramsResourcesAndItsOwn) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(102), MAKEINTRESOURCEW(14)), nullptr);  // RT_GROUP_ICON
    HRSRC own = FindResourceW(module, MAKEINTRESOURCEW(9001), MAKEINTRESOURCEW(10));        // RT_RCDATA
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(SizeofResource(module, own), 14u);
}

}  // namespace
