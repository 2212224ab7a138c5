// The button operations the check box and radio group kinds share.
#pragma once

#include "Platform.h"

// BM_SETCHECK with the state; nothing without a control.
void ShowCheckState(HWND button, int state);
// BM_GETCHECK as the button reports it; 0 without a control.
int ReadCheckState(HWND button);

// The low four bits of the style are BS_AUTORADIOBUTTON; a missing window
// has style 0 and so is none.
bool IsAutoRadioButton(HWND window);
// Checks the button at `index` of the group starting at `first` and clears
// the others; the group ends at a window that is no auto radio button or
// that starts a group of its own.
void ShowRadioGroup(HWND first, int index);
// The index of the first checked button of the run of auto radio buttons
// starting at `first`; 0 when none is checked.
int ReadRadioGroup(HWND first);
// Whether a click on control `clickedId` of `dialog` is a click in the group
// whose first button has `firstId`, walking back towards the first button.
bool IsClickInRadioGroup(HWND dialog, int clickedId, int firstId);
