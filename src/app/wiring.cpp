#include "app/wiring.h"

#include "effects/fogControl.h"
#include "output/DmxOutput.h"
#include "playback/playbackFrame.h"
#include "shell/shell.h"
#include "profiles/ui/profilesServiceImpl.h"
#include "shell/ui/shellMainWindowService.h"
#include "shell/ui/shellSupportService.h"
#include "shortcuts/ui/shortcutsServiceImpl.h"
#include "show/showEngine.h"

namespace wiring {

void startShell(Shell& s) {
    s.provide<MainWindowService>(std::make_unique<ShellMainWindowService>());
    s.provide<SupportService>(std::make_unique<ShellSupportService>());
}

void startOutput(Shell& s) { s.engine<DmxOutput>(); }

void startPlayback(Shell& s) { s.engine<PlaybackFrame>(); }

void startEffects(Shell& s) { s.engine<FogControl>(); }

void startShow(Shell& s) { s.provide<ShowService>(std::make_unique<ShowEngine>()); }

void startShortcuts(Shell& s) { registerShortcuts(s); }

void startProfiles(Shell& s) { s.provide<ProfilesService>(std::make_unique<ProfilesServiceImpl>()); }

} // namespace wiring
