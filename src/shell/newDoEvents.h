#pragma once
// The one guarded way of letting pending window events run from inside a
// long piece of work (a folder copy, a long load).

#include <cstdint>

namespace newDoEvents {

// Non-zero when pending events may be waiting. Qt offers no cheap query of
// the posted-event queue, and a pass with nothing pending returns at once,
// so this is non-zero whenever events can be let through at all.
int32_t postedMessagesWaiting();

// Lets every pending event run once, unless it is already doing so further
// up the stack (the re-entry flag is Shell::doEventsRunning).
void doEventsIfPending();

} // namespace newDoEvents
