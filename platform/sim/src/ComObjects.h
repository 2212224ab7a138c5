// Shared internals of the simulated COM: the count of live objects and the
// classes CoCreateInstance can make.
#pragma once

#include "simwin/Win32.h"

namespace simdesk::detail {

// Every object calls these from its constructor and destructor, so tests can
// see what the program did not release.
void ComObjectCreated();
void ComObjectDestroyed();

// A new shell link object holding one reference, asked for `riid`;
// E_NOINTERFACE (and nothing created) when it has no such interface.
HRESULT CreateShellLink(REFIID riid, void** object);

}  // namespace simdesk::detail
