// What an end-to-end driver prints: one line per check, and the count of
// failures that decides its exit code.
#pragma once

#include <string>

void Fail(const std::string& what);
void Pass(const std::string& what);
void Note(const std::string& what);
// Passes or fails `what` by `ok`; returns `ok`.
bool Check(bool ok, const std::string& what);
int Failures();
// "PASSED" or "FAILED (n)"; the driver's exit code.
int Finish();
