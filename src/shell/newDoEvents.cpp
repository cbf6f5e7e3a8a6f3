#include "shell/newDoEvents.h"

#include "shell/services/mainWindowService.h"
#include "shell/shell.h"

namespace newDoEvents {

int32_t postedMessagesWaiting() { return shell().mainWindow().hasEventLoop() ? 1 : 0; }

void doEventsIfPending() {
    Shell& s = shell();
    if (s.doEventsRunning || postedMessagesWaiting() == 0) return;
    // Cleared again however the events end, so a throwing handler cannot
    // leave event processing switched off for good.
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(s.doEventsRunning);
    s.mainWindow().processPendingEvents();
}

} // namespace newDoEvents
