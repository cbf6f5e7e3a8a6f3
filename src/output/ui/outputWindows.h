#pragma once
// Attaches the output's windows to its engine, so the output service can
// open them (called when the output starts).

class Shell;

void attachOutputWindows(Shell& s);
