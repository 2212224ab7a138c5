// The edit operations of the text kind, with the one process-wide flag that
// keeps an edit from being rewritten while it is being written: setting its
// text sends EN_UPDATE, which would otherwise lead straight back here.
#pragma once

#include "Platform.h"
#include "settings/WString.h"

// Sets the text (a null text empties the edit) unless a text is being set
// already; nothing without a control.
void ShowEditText(HWND edit, const WString& text);
// The edit's text; empty, never null, when the edit is empty or missing.
WString ReadEditText(HWND edit);
// Whether a WM_COMMAND from the bound edit carries a text to take: on losing
// the focus, or on an update the user did not type (the edit has no focus).
bool IsEditTextFinished(WPARAM wParam, LPARAM lParam);
