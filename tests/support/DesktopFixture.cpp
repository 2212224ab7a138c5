#include "support/DesktopFixture.h"

void DesktopTest::SetUp() {
    simdesk::Reset();
    simdesk::SetStallHandler([](const std::string& reason) { ADD_FAILURE() << "simulated desktop: " << reason; });
}

void DesktopTest::TearDown() {
    EXPECT_TRUE(simdesk::ScriptIsEmpty()) << "the test ended before the user finished the script";
    simdesk::Reset();
}
