// A fresh simulated desktop and a freshly constructed application object, as
// for a new process of the program.
#pragma once

#include "app/InserterApp.h"
#include "support/DesktopFixture.h"

class ProgramTest : public DesktopTest {
protected:
    void SetUp() override;
    void TearDown() override;

    InserterApp& app() { return TheApp(); }
};

// Replaces the application object by a newly constructed one.
void RestartProgramObject();
