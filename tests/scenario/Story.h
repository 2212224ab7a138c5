// A user's story played against the program inside this test process, written
// once for both builds. Each step is a Win32 call (a click sent as BM_CLICK, a
// WM_COMMAND, FindWindowW ...) that runs when the program's message loop (or a
// modal loop inside it) has nothing else to do: the simulated desktop's script
// runs it there; on Windows a thread timer does, since every loop of the
// thread dispatches timer messages when its queue is otherwise empty.
#pragma once

#include "Platform.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace story {

// Queues the user's next step.
void Then(std::function<void()> step);

// Steps not yet run.
bool Done();

// A top-level window of this process by its caption (and class, when given),
// visible or not; null when there is none.
HWND FindProgramWindow(const std::u16string& caption, const std::u16string& className = u"");

// The caption of a window, its control's text, and whether the control is
// enabled.
std::u16string TextOf(HWND window);
std::u16string ControlText(HWND dialog, int controlId);

// The user clicks a push button, check box or radio button of a dialog (a
// disabled control ignores the click, as with a real mouse).
void Click(HWND dialog, int controlId);

// The user answers the message box that the program shows with this caption.
// It is shown as a dialog of class "#32770"; the answer is its button's
// identifier (IDOK, IDCANCEL ...).
void AnswerMessageBox(const std::u16string& caption, int answer);

// What the user sees in a message box: its text; empty when none is shown.
std::u16string MessageBoxText(const std::u16string& caption);

}  // namespace story

// A fresh start for each story: no settings of the program in the current
// user's registry, no Startup shortcut, a newly constructed application
// object. On the simulated desktop also a fresh desktop, whose stall report
// fails the test; on Windows a watchdog ends a story that would hang.
class StoryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new process of the program on the same registry and disk.
    void RestartProgram();
};
