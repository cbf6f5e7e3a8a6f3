#pragma once
// The button pages' service: what other subsystems call of the pages,
// answered by the engine, and the opening of the three windows.

class Shell;

// Registers the button pages' service in the shell (the console's start).
void registerShortcuts(Shell& s);
