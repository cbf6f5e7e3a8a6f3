#pragma once
// Attaches the matrix windows to the matrix engine and starts the subsystem.

class Shell;

// The matrix engine becomes the matrix service; its windows attach to it.
void registerMatrix(Shell& s);
