// The process entry. The program takes no command line and ignores the show
// command; everything happens in the application object.
#include "app/InserterApp.h"
#include "app/ProgramEntry.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPWSTR /*commandLine*/, int /*showCommand*/) {
    return RunProgram(TheApp());
}
