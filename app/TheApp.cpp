#include "app/InserterApp.h"

// Built by static initialisation before the entry function runs and
// destroyed after it returns.
InserterApp theApp;
