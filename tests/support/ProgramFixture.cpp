#include "support/ProgramFixture.h"

#include <memory>

void RestartProgramObject() {
    std::destroy_at(&theApp);
    std::construct_at(&theApp);
}

void ProgramTest::SetUp() {
    DesktopTest::SetUp();
    RestartProgramObject();
}

void ProgramTest::TearDown() {
    // Hooks would otherwise outlive the object that serves them.
    TheApp().RemoveHooks();
    DesktopTest::TearDown();
}
