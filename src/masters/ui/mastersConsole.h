#pragma once
// The masters service of the running console: the engine, with the windows
// opened on request, and the wing's MIDI as the control service.

class Shell;

// Registers the masters and the wing's MIDI with the shell and opens the MIDI ports.
void registerMasters(Shell& s);
