#include "app/wiring.h"

#include "effects/fogControl.h"
#include "effects/ui/frmFogControl.h"
#include "output/ui/outputWindows.h"
#include "profiles/ui/profilesServiceImpl.h"
#include "output/DmxOutput.h"
#include "playback/playbackFrame.h"
#include "shell/shell.h"
#include "shell/ui/shellMainWindowService.h"
#include "shortcuts/ui/shortcutsServiceImpl.h"
#include "show/showEngine.h"

namespace wiring {

void startShell(Shell& s) { s.provide<MainWindowService>(std::make_unique<ShellMainWindowService>()); }

void startOutput(Shell& s) {
    s.engine<DmxOutput>();
    attachOutputWindows(s);
}

void startPlayback(Shell& s) { s.engine<PlaybackFrame>(); }

void startEffects(Shell& s) {
    s.engine<FogControl>();
    attachFogWindow(s);
}

void startProfiles(Shell& s) { registerProfiles(s); }

void startShow(Shell& s) { s.provide<ShowService>(std::make_unique<ShowEngine>()); }

void startShortcuts(Shell& s) { registerShortcuts(s); }

} // namespace wiring
