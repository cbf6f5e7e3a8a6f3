#pragma once
// What the master faders, submasters and top bar offer the others: the
// grand master and grand blackout, the levels the faders remember per
// channel, the playback fader strips, and the top bar's text and clock. The
// base is "no masters": grand master at full, no blackout.

#include <QString>
#include <cstdint>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class MastersService {
public:
    virtual ~MastersService() = default;

    // Grand master level 0..100.
    virtual int32_t grandMaster() { return 100; }
    // Whether the grand blackout is on.
    virtual bool returnGrandBlackoutState() { return false; }
    // A step's level per channel, remembered by the playback faders and the grand master window.
    virtual void submasterSetMyValuemem(int16_t value, int32_t channel) {}
    virtual void masterFaderSetMyValuemem(int16_t value, int32_t channel) {}
    // A fader strip for a new playback.
    virtual void loadAnotherFader(int32_t number, const QString& alias, const QString& numberText) {}
    // The top bar: clears it and shows text (the status line in one-console mode).
    virtual void showTopBarText(const QString& text) {}
    // The top bar clock.
    virtual void showTime() {}


    // The top bar's programming-mode and playback-mode buttons.
    virtual void cmdProgramingMode_Click() {}
    virtual void cmdPlaybackMode_Click() {}

    virtual void changeButtonColors(const QString& /*layer*/) {} // mark the top bar's button of a view
    virtual void refreshCurrentLayer() {}                      // show the marked view again on the layout
    virtual bool tessalyControlWing() { return false; }        // a hardware control wing is attached
    virtual bool programingMode() { return false; }            // programming mode (or dual view) is on
    virtual void cmdBlackOut_Click() {}                        // grand blackout on or off
    virtual void cmdMasterPause_Click() {}                     // pause or resume every playback
    virtual bool getDualMode() { return false; }               // two monitors are used
};

#pragma GCC diagnostic pop
