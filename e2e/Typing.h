// Typing into the driver's own focused window and seeing what arrives, with
// the focus moves that let Vintra's focus hook see that window.
#pragma once

#include "e2e/TestWindow.h"

#include <initializer_list>

// The focus goes to the decoy, then to the target, so that Vintra's focus
// hook sees the target take it.
bool FocusTarget(TestWindow& decoy, TestWindow& target);

// Presses the keys (then releases them) and collects what reaches the
// driver's windows.
ReceivedInput Type(std::initializer_list<WORD> keys);

// Wine raises no focus events for other processes' hooks until the desktop
// has seen input after the hook was installed: a plain [2] goes first, and
// must arrive as one key-down.
bool WakeFocusEvents(TestWindow& decoy, TestWindow& target);

// How many '@' the combination gives in the focused target, retrying a focus
// move when nothing arrives (the focus hook hears of focus changes only when
// Vintra's thread next waits).
ReceivedInput TypeCombination(std::initializer_list<WORD> keys, TestWindow& decoy, TestWindow& target,
                              bool expectAt);
