// Simulated Win32 surface: everything program code may call, grouped the way
// the platform groups its libraries. Each header declares only what the
// program uses, with the platform's names, values and structure layouts.
#pragma once

#include "simwin/Types.h"
#include "simwin/Kernel32.h"
#include "simwin/User32.h"
#include "simwin/Hooks.h"
#include "simwin/Comctl32.h"
#include "simwin/Advapi32.h"
#include "simwin/Files.h"
#include "simwin/Shell32.h"
#include "simwin/Ole32.h"
#include "simwin/ShellLink.h"
#include "simwin/Resources.h"
#include "simwin/Gdi32.h"
