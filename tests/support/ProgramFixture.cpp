#include "support/ProgramFixture.h"

#include <memory>

void RestartProgramObject() {
    std::destroy_at(&theApp);
    std::construct_at(&theApp);
}

void MarkStartedBefore() {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, TEXT("Software\\Ostrelix\\Vintra\\Options\\Windows\\Main"), 0,
                              nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void ProgramTest::SetUp() {
    DesktopTest::SetUp();
    RestartProgramObject();
    MarkStartedBefore();
}

void ProgramTest::TearDown() {
    // Hooks would otherwise outlive the object that serves them.
    TheApp().RemoveHooks();
    DesktopTest::TearDown();
}
