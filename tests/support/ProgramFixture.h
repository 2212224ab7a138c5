// A fresh simulated desktop and a freshly constructed application object, as
// for a new process of the program, on an account where the program has run
// before (the terms of use were accepted, so no agreement comes up).
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

// The section whose existence tells the program it has run before.
void MarkStartedBefore();
