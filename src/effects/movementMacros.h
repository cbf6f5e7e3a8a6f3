#pragma once
// The movement macros running in the console: one clsMovementMacro per
// playback and fixture, set from the "m-fx" events that reach a playback
// (handed to it, or loaded with its sequence) and moved on every refresh
// tick. One per shell: shell().engine<MovementMacros>().

#include "effects/clsMovementMacro.h"

#include <map>
#include <memory>
#include <utility>

class MovementMacros {
public:
    // An event that sets a macro: type "m-fx" naming a stored shape. A name
    // beginning with "@" records a shape written into the steps instead.
    static bool isMacroEvent(const clsEvent& e);
    // Applies the event to the macro of each fixture it lists (made on first
    // use), the list order giving each fixture's position for the step
    // offset, and starts the macros the event marks on (an event marked off
    // stops them). Other events are ignored.
    void apply(const clsEvent& e, int32_t playback);
    // One tick of every macro.
    void tick();
    // Stops and forgets every macro of the playback.
    void stopPlayback(int32_t playback);

    clsMovementMacro* find(int32_t playback, int32_t fixture);
    size_t count() const { return macros.size(); }

private:
    std::map<std::pair<int32_t, int32_t>, std::unique_ptr<clsMovementMacro>> macros;
    bool applying = false;
};
