#include "app/wiring.h"

#include "audio/audioEngine.h"
#include "audio/ui/BeatDetect.h"
#include "console/console.h"
#include "console/ui/consoleMainWindowService.h"
#include "control/webRemote.h"
#include "effects/effectsEngine.h"
#include "masters/ui/mastersConsole.h"
#include "matrix/ui/matrixWindows.h"
#include "effects/ui/frmFogControl.h"
#include "effects/ui/dialogFileShapes.h"
#include "effects/ui/ShapeGeneratorWin.h"
#include "output/ui/outputWindows.h"
#include "profiles/ui/profilesServiceImpl.h"
#include "output/DmxOutput.h"
#include "patch/ui/patchWindows.h"
#include "patch/ui/patchWindowService.h"
#include "playback/playbackFrame.h"
#include "presets/ui/paletteWindowService.h"
#include "programmer/ui/paletteProgrammer.h"
#include "scheduler/eventEngine.h"
#include "scheduler/ui/Scheduler.h"
#include "shell/shell.h"
#include "profiles/ui/profilesServiceImpl.h"
#include "shell/ui/shellMainWindowService.h"
#include "shell/ui/shellSupportService.h"
#include "shortcuts/ui/shortcutsServiceImpl.h"
#include "support/ui/supportServiceImpl.h"
#include "show/ui/showWindows.h"

namespace wiring {

void startShell(Shell& s) {
    s.provide<MainWindowService>(std::make_unique<ShellMainWindowService>());
    s.provide<SupportService>(std::make_unique<ShellSupportService>());
}

void startOutput(Shell& s) {
    s.engine<DmxOutput>();
    attachOutputWindows(s);
}

void startPlayback(Shell& s) { s.engine<PlaybackFrame>(); }

void startEffects(Shell& s) {
    s.engine<EffectsEngine>();
    attachFogWindow(s);
    attachShapeBrowser(s);
    attachShapeTool(s);
}

void startProfiles(Shell& s) { registerProfiles(s); }

void startShow(Shell& s) { s.provide<ShowService>(std::make_unique<ShowWindows>()); }

void startLayout(Shell& s) { startPatchWindows(s); }

void startShortcuts(Shell& s) { registerShortcuts(s); }

void startPatch(Shell& s) { registerPatchWindows(s); }
void startMasters(Shell& s) { registerMasters(s); }
void startAudio(Shell& s) {
    s.engine<AudioEngine>();
    attachAudioTriggerWindow(s);
}

void startMatrix(Shell& s) { registerMatrix(s); }

void startScheduler(Shell& s) {
    s.engine<EventEngine>();
    attachSchedulerWindows(s);
}
void startSupport(Shell& s) { registerSupport(s); }

void startConsole(Shell& s) {
    s.engine<Console>();
    attachConsoleBand(s);
}
void startPresets(Shell& s) { registerPresets(s); }
void startProgrammer(Shell& s) { attachLiveControls(s); }

void startControl(Shell& s) { s.provide<WebRemoteService>(std::make_unique<WebRemote>()); }

} // namespace wiring
