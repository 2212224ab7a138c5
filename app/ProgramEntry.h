// What the entry function does with the application object: start it, run
// the thread's message loop, and turn the outcome into the exit code.
#pragma once

class InserterApp;

constexpr int kExitNormal = 0;
constexpr int kExitRefused = 1;

int RunProgram(InserterApp& app);
