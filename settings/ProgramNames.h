// The firm and application names belong to the application object; the
// settings layer only looks at them. The application hands over pointers to
// its own members once, so later changes of those members are seen.
#pragma once

#include "settings/WString.h"

void SetProgramNames(const WString* firmName, const WString* appName);
// Null until SetProgramNames was called.
const WString* ProgramFirmName();
const WString* ProgramAppName();
