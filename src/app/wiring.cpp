#include "app/wiring.h"

#include "console/console.h"
#include "effects/fogControl.h"
#include "output/DmxOutput.h"
#include "patch/ui/patchWindows.h"
#include "playback/playbackFrame.h"
#include "shell/shell.h"
#include "shell/ui/shellMainWindowService.h"
#include "shortcuts/ui/shortcutsServiceImpl.h"
#include "show/showEngine.h"

namespace wiring {

void startShell(Shell& s) { s.provide<MainWindowService>(std::make_unique<ShellMainWindowService>()); }

void startOutput(Shell& s) { s.engine<DmxOutput>(); }

void startPlayback(Shell& s) { s.engine<PlaybackFrame>(); }

void startEffects(Shell& s) { s.engine<FogControl>(); }

void startShow(Shell& s) { s.provide<ShowService>(std::make_unique<ShowEngine>()); }

void startLayout(Shell& s) { startPatchWindows(s); }

void startShortcuts(Shell& s) { registerShortcuts(s); }

void startConsole(Shell& s) { s.engine<Console>(); }

} // namespace wiring
