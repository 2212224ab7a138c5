// Identifiers of the program's resources, shared by the resource script and
// the code that loads them. Plain #defines only: the resource compiler reads
// this file too.
#pragma once

// Icon groups.
#define IDI_PROGRAM 102
