// What a story does differently on each build: who runs the steps, how a
// fresh start and a restart are made, how message boxes are answered.
#pragma once

namespace story::detail {

// A clean desktop (simulated) or a clean account (the program's registry key
// and Startup shortcut removed), before and after each story.
void BeginStory();
void EndStory();
// Keeps the registry and the disk, drops what the old process had.
void StartNextRun();

}  // namespace story::detail
