// Typing through SendInput, as the keyboard driver would report the keys.
#pragma once

#include "Platform.h"

#include <initializer_list>

// Presses the keys in order, then releases them in reverse order, in one
// SendInput call; false if the system did not take every event.
bool PressKeys(std::initializer_list<WORD> keys);

// Releases every key a test may have left down.
void ReleaseModifiers();
