#pragma once
// Each built subsystem starts here and registers its services with the
// shell; a subsystem not built yet stays at its base service.

class Shell;

namespace wiring {

// The shell's main window: event loop, one-console mode, caption; the splash.
void startShell(Shell& s);
// DMX output: the interface set is the output service; its windows attach to it.
void startOutput(Shell& s);
// Playback: the frame engine is the playback service.
void startPlayback(Shell& s);
// Profiles: the profile editor is the profiles service.
void startProfiles(Shell& s);
// Effects: fog control is the effects service; it also opens the shape browser.
void startEffects(Shell& s);
// Show file: the show engine is the show service.
void startShow(Shell& s);
// Layout window and fixture list: the patch service's layout half; lays the
// show's fixtures out and shows both tool windows.
void startLayout(Shell& s);
// Button pages: their engine and windows are the shortcuts service.
void startShortcuts(Shell& s);
// Patch: the patch windows and the main window's patch commands.
void startPatch(Shell& s);
// Masters: grand master, blackout, submasters, top bar; the wing's MIDI.
void startMasters(Shell& s);
// Sound-to-light: the tap-tempo keepers are the audio service.
void startAudio(Shell& s);
// Pixel matrices: the matrix engine is the matrix service; its windows attach to it.
void startMatrix(Shell& s);
// Scheduler: the step commands, the schedule and the media window are the
// scheduler service; its windows attach to it.
void startScheduler(Shell& s);
// Programming console: its engine is the console service.
void startConsole(Shell& s);
// Desktop support: the common dialogs, the update check and the shut-down
// command are the support service (with the shell's splash).
void startSupport(Shell& s);
// Presets: the preset engine with the palette window is the presets service.
void startPresets(Shell& s);
// Live attribute control: the attribute wheels, encoders and colour pictures
// join the palette window (after startPresets).
void startProgrammer(Shell& s);
// External control: the web remote is the web remote service.
void startControl(Shell& s);

} // namespace wiring
