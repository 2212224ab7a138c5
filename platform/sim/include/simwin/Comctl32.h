// comctl32: common controls.
#pragma once

#include "simwin/Types.h"

void WINAPI InitCommonControls();
