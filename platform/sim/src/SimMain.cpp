// The process entry of a program built against the simulated desktop: it
// calls the program's wWinMain as the platform's start-up code would.
#include "simwin/Win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);

int main() {
    WCHAR commandLine[] = {0};
    const int showNormal = 1;  // SW_SHOWNORMAL
    return wWinMain(GetModuleHandleW(nullptr), nullptr, commandLine, showNormal);
}
