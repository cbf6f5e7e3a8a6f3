#pragma once
// Registers the profile editor as the profiles service (called when the
// profiles subsystem starts).

class Shell;

void registerProfiles(Shell& s);
