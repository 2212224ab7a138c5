#include "e2e/Report.h"

#include <cstdio>

namespace {

int failures = 0;

void Print(const char* tag, const std::string& what) {
    std::printf("%s %s\n", tag, what.c_str());
    std::fflush(stdout);
}

}  // namespace

void Fail(const std::string& what) {
    ++failures;
    Print("FAIL:", what);
}

void Pass(const std::string& what) {
    Print("ok:  ", what);
}

void Note(const std::string& what) {
    Print("     ", what);
}

bool Check(bool ok, const std::string& what) {
    if (ok)
        Pass(what);
    else
        Fail(what);
    return ok;
}

int Failures() {
    return failures;
}

int Finish() {
    std::printf(failures == 0 ? "PASSED\n" : "FAILED (%d)\n", failures);
    return failures == 0 ? 0 : 1;
}
