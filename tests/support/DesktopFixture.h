// A fresh simulated desktop for every test; a message loop that would wait
// forever fails the test instead of hanging it.
#pragma once

#include "simdesk/Desktop.h"

#include <gtest/gtest.h>

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
